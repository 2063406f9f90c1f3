// Number fields of the calculation data and results files, written without streams.
#pragma once

#include <cstdint>
#include <string>

namespace quadrilo::engine {

// Fixed point with `decimals` decimals, "." as the point, rounded half away from zero on the
// value's shortest decimal form (0.125 → "0.13"); a value that rounds to zero has no minus sign.
void AppendFixed(std::string& out, double value, int decimals);

// The same, right-aligned in `width` characters; a wider number is written in full.
void AppendFixedField(std::string& out, double value, int decimals, int width);

// Whether the value is finite and its fixed text leaves at least one blank in a field of
// `width`: the readers of the results file split lines at blanks, so a number that fills its
// field would run into the number before it.
[[nodiscard]] bool FitsFixedField(double value, int decimals, int width);

// The 23-character material field: sign position (blank or "-"), one digit, the point, fourteen
// digits, "E", the exponent's sign and four exponent digits (" 3.20000000000000E+0007").
void AppendMaterialField(std::string& out, double value);

void AppendInteger(std::string& out, std::int64_t value);

} // namespace quadrilo::engine
