// Shortest decimal digits of a double and their rounding.
#include "common/DecimalDigits.h"

#include <charconv>

namespace quadrilo {
namespace {

void DropTrailingZeros(DecimalDigits& d) {
    while (d.Count > 0 && d.Digits[static_cast<std::size_t>(d.Count - 1)] == '0')
        --d.Count;
    if (d.Count == 0)
        d.Point = 0;
}

} // namespace

DecimalDigits ShortestDecimal(double magnitude) {
    DecimalDigits d;
    if (magnitude == 0)
        return d;
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific); // "d.ddde+XX"
    const char* p = buffer;
    for (; p < result.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits[static_cast<std::size_t>(d.Count++)] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), result.ptr, exponent);
    d.Point = exponent + 1;
    DropTrailingZeros(d);
    return d;
}

void RoundDecimal(DecimalDigits& d, int keep) {
    if (keep >= d.Count)
        return;
    if (keep < 0) {
        d.Count = 0;
        d.Point = 0;
        return;
    }
    const bool up = d.Digits[static_cast<std::size_t>(keep)] >= '5';
    d.Count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9')
            --i;
        if (i >= 0) {
            ++d.Digits[static_cast<std::size_t>(i)];
            d.Count = i + 1;
        } else { // 9…9 became 10…0, or nothing kept but the dropped digit rounded up
            d.Digits[0] = '1';
            d.Count = 1;
            ++d.Point;
        }
    }
    DropTrailingZeros(d);
}

} // namespace quadrilo
