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

// Writes the fixed-point text of a finite value into `buf` and returns its length.
std::size_t FormatFixed(char* buf, double value, int decimals) {
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
