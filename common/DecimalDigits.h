// A real number as its shortest decimal digits, rounded half away from zero: the one rounding
// rule of every number the program writes.
#pragma once

#include <array>

namespace quadrilo {

// A finite magnitude as significant digits: magnitude = 0.d1 d2 … dn × 10^Point. Zero has no
// digits. Trailing zeros are never kept.
struct DecimalDigits {
    std::array<char, 24> Digits{};
    int Count = 0;
    int Point = 0;

    // The digit at `index` (0 is d1); '0' outside the significant digits.
    [[nodiscard]] char DigitAt(int index) const {
        return index >= 0 && index < Count ? Digits[static_cast<std::size_t>(index)] : '0';
    }
};

// The shortest digits that read back as the same double: the value as typed (1.005), not its
// binary approximation (1.00499…).
[[nodiscard]] DecimalDigits ShortestDecimal(double magnitude);

// Keeps the first `keep` digits, rounding half away from zero; a carry out of the first digit
// moves the point. `keep` below zero leaves zero.
void RoundDecimal(DecimalDigits& d, int keep);

} // namespace quadrilo
