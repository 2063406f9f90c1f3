// Decimal rounding and field layout for the engine's text files.
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace quadrilo::engine {
namespace {

// A finite non-negative value as significant digits d1 d2 … dn and the power of ten of d1.
struct DecimalDigits {
    char digits[24] = {};
    int count = 0;
    int exponent = 0;
};

DecimalDigits ShortestDigits(double magnitude) {
    DecimalDigits d;
    std::array<char, 40> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                   std::chars_format::scientific);
    const char* p = buf.data();
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    std::from_chars(p + 1 + (p[1] == '+'), res.ptr, d.exponent);
    return d;
}

// Keeps the first `keep` significant digits, rounding half away from zero; a carry out of the
// first digit raises the exponent. `keep` ≤ 0 leaves no digit (or a single "1" after a carry).
void RoundDigits(DecimalDigits& d, int keep) {
    if (keep >= d.count)
        return;
    const bool roundUp = keep >= 0 && d.digits[keep] >= '5';
    d.count = keep < 0 ? 0 : keep;
    if (!roundUp)
        return;
    int i = d.count - 1;
    while (i >= 0 && d.digits[i] == '9')
        --i;
    if (i >= 0) {
        ++d.digits[i];
        d.count = i + 1;
    } else { // 9…9 became 10…0, or nothing kept but the dropped digit rounded up
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
    }
}

void AppendNonFinite(std::string& out, double value) {
    out += std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
}

// Writes the fixed-point text into `buf` (room for any double with up to 20 decimals) and returns
// its length.
std::size_t FormatFixed(char* buf, double value, int decimals) {
    char* p = buf;
    DecimalDigits d;
    if (value != 0) {
        d = ShortestDigits(std::fabs(value));
        RoundDigits(d, d.exponent + 1 + decimals);
    }
    if (d.count > 0 && value < 0)
        *p++ = '-';
    // Digit at decimal position k (k = 0 units, k = -1 tenths …).
    auto digitAt = [&d](int k) {
        const int index = d.exponent - k;
        return index >= 0 && index < d.count ? d.digits[index] : '0';
    };
    for (int k = d.count > 0 && d.exponent > 0 ? d.exponent : 0; k >= 0; --k)
        *p++ = digitAt(k);
    if (decimals > 0) {
        *p++ = '.';
        for (int k = -1; k >= -decimals; --k)
            *p++ = digitAt(k);
    }
    return static_cast<std::size_t>(p - buf);
}

constexpr std::size_t FixedBufferSize =
    400; // 309 integer digits of the largest double, sign, point

} // namespace

void AppendFixed(std::string& out, double value, int decimals) {
    if (!std::isfinite(value))
        return AppendNonFinite(out, value);
    char buf[FixedBufferSize];
    out.append(buf, FormatFixed(buf, value, std::min(decimals, 20)));
}

void AppendFixedField(std::string& out, double value, int decimals, int width) {
    char buf[FixedBufferSize];
    std::size_t length = 0;
    if (std::isfinite(value)) {
        length = FormatFixed(buf, value, std::min(decimals, 20));
    } else {
        std::string text;
        AppendNonFinite(text, value);
        length = text.copy(buf, text.size());
    }
    if (length < static_cast<std::size_t>(width))
        out.append(width - length, ' ');
    out.append(buf, length);
}

void AppendMaterialField(std::string& out, double value) {
    if (!std::isfinite(value))
        return AppendNonFinite(out, value);
    constexpr int significant = 15;
    DecimalDigits d;
    if (value != 0) {
        d = ShortestDigits(std::fabs(value));
        RoundDigits(d, significant);
    }
    out += value < 0 ? '-' : ' ';
    out += d.count > 0 ? d.digits[0] : '0';
    out += '.';
    for (int i = 1; i < significant; ++i)
        out += i < d.count ? d.digits[i] : '0';
    out += 'E';
    out += d.exponent < 0 ? '-' : '+';
    std::array<char, 8> exp{};
    const auto res = std::to_chars(exp.data(), exp.data() + exp.size(), std::abs(d.exponent));
    out.append(4 - std::min<std::ptrdiff_t>(4, res.ptr - exp.data()), '0');
    out.append(exp.data(), res.ptr);
}

void AppendInteger(std::string& out, std::int64_t value) {
    std::array<char, 24> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    out.append(buf.data(), res.ptr);
}

} // namespace quadrilo::engine
