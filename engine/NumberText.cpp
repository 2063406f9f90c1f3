// Field layout for the engine's text files, on the program's decimal rounding rule.
#include "NumberText.h"

#include "common/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace quadrilo::engine {
namespace {

std::string_view NonFinite(double value) {
    return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
}

constexpr int MaxDecimals = 20;
constexpr std::size_t FixedBufferSize =
    400; // 309 integer digits of the largest double, sign, point

// The fast path for the usual magnitudes: scale to an integer count of the last decimal and round
// in binary. Its error (below 1e-8 of that decimal under 1e8) cannot change the rounding unless the
// value sits at a tie, which is left to the decimal-digit path. Returns 0 when it does not apply.
std::size_t FormatFixedScaled(char* buf, double value, int decimals) {
    static constexpr double Powers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (decimals > 8)
        return 0;
    const double scaled = std::fabs(value) * Powers[decimals];
    if (!(scaled < 1e8))
        return 0;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-6)
        return 0;
    const auto units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);

    char digits[24];
    auto* end = std::to_chars(digits, digits + sizeof digits, units).ptr;
    auto count = static_cast<int>(end - digits);
    char* p = buf;
    if (units > 0 && value < 0)
        *p++ = '-';
    if (count <= decimals) { // below one: "0." and leading zeros
        *p++ = '0';
        if (decimals > 0)
            *p++ = '.';
        for (int i = count; i < decimals; ++i)
            *p++ = '0';
        p = std::copy(digits, end, p);
    } else {
        p = std::copy(digits, end - decimals, p);
        if (decimals > 0)
            *p++ = '.';
        p = std::copy(end - decimals, end, p);
    }
    return static_cast<std::size_t>(p - buf);
}

// Writes the fixed-point text of a finite value into `buf` and returns its length.
std::size_t FormatFixed(char* buf, double value, int decimals) {
    if (const auto length = FormatFixedScaled(buf, value, decimals))
        return length;
    char* p = buf;
    auto d = ShortestDecimal(std::fabs(value));
    RoundDecimal(d, d.Point + decimals);
    if (d.Count > 0 && value < 0)
        *p++ = '-';
    for (int i = 0; i < std::max(d.Point, 1); ++i)
        *p++ = d.DigitAt(i + std::min(d.Point, 1) - 1);
    if (decimals > 0) {
        *p++ = '.';
        for (int i = 0; i < decimals; ++i)
            *p++ = d.DigitAt(d.Point + i);
    }
    return static_cast<std::size_t>(p - buf);
}

} // namespace

void AppendFixed(std::string& out, double value, int decimals) {
    AppendFixedField(out, value, decimals, 0);
}

void AppendFixedField(std::string& out, double value, int decimals, int width) {
    char buf[FixedBufferSize];
    std::size_t length = 0;
    if (std::isfinite(value)) {
        length = FormatFixed(buf, value, std::min(decimals, MaxDecimals));
    } else {
        length = NonFinite(value).copy(buf, FixedBufferSize);
    }
    if (length < static_cast<std::size_t>(width))
        out.append(width - length, ' ');
    out.append(buf, length);
}

bool FitsFixedField(double value, int decimals, int width) {
    if (!std::isfinite(value))
        return false;
    char buf[FixedBufferSize];
    return FormatFixed(buf, value, std::min(decimals, MaxDecimals)) <
           static_cast<std::size_t>(width);
}

void AppendMaterialField(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += NonFinite(value);
        return;
    }
    constexpr int significant = 15;
    auto d = ShortestDecimal(std::fabs(value));
    RoundDecimal(d, significant);
    const int exponent = d.Count > 0 ? d.Point - 1 : 0;
    out += value < 0 ? '-' : ' ';
    out += d.DigitAt(0);
    out += '.';
    for (int i = 1; i < significant; ++i)
        out += d.DigitAt(i);
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    std::array<char, 8> digits{};
    const auto res =
        std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(exponent));
    out.append(4 - std::min<std::ptrdiff_t>(4, res.ptr - digits.data()), '0');
    out.append(digits.data(), res.ptr);
}

void AppendInteger(std::string& out, std::int64_t value) {
    std::array<char, 24> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    out.append(buf.data(), res.ptr);
}

} // namespace quadrilo::engine
