// Format patterns of the program's messages, labels and listings, in the Pascal conventions the
// texts were written for, with "." as the decimal separator whatever the process locale.
#include "common/Format.h"

#include "common/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quadrilo {

namespace {

constexpr int GeneralPrecision = 15;
constexpr int FixedPrecision = 2;

// A finite real as its shortest decimal digits and its sign.
struct Decimal : DecimalDigits {
    bool negative = false;
};

Decimal ToDecimal(double value) {
    Decimal d;
    static_cast<DecimalDigits&>(d) = ShortestDecimal(std::fabs(value));
    d.negative = std::signbit(value);
    return d;
}

std::string Sign(const Decimal& d) {
    return d.negative && d.Count > 0 ? "-" : "";
}

std::string IntegerDigits(const Decimal& d) {
    std::string digits;
    for (int i = 0; i < d.Point; ++i) {
        digits += d.DigitAt(i);
    }
    return digits;
}

std::string FractionDigits(const Decimal& d, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) {
        digits += d.DigitAt(d.Point + i);
    }
    return digits;
}

std::string GroupThousands(const std::string& digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string NonFinite(double value) {
    return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
}

std::string Fixed(double value, int decimals, bool grouped) {
    if (!std::isfinite(value)) {
        return NonFinite(value);
    }
    Decimal d = ToDecimal(value);
    RoundDecimal(d, d.Point + decimals);
    std::string integer = IntegerDigits(d);
    if (integer.empty()) {
        integer = "0";
    }
    std::string text = Sign(d) + (grouped ? GroupThousands(integer) : integer);
    if (decimals > 0) {
        text += '.' + FractionDigits(d, decimals);
    }
    return text;
}

std::string General(double value, int precision) {
    if (!std::isfinite(value)) {
        return NonFinite(value);
    }
    Decimal d = ToDecimal(value);
    RoundDecimal(d, precision);
    if (d.Count == 0) {
        return "0";
    }
    const int size = d.Count;
    // Fixed from 0.0001 (four zeros after the point at most) up to `precision` integer digits,
    // as the Pascal runtime does: 2.5E-5 is written in scientific notation.
    if (d.Point >= -3 && d.Point <= precision) {
        const std::string integer = IntegerDigits(d);
        const int decimals = std::max(size - d.Point, 0);
        return Sign(d) + (integer.empty() ? "0" : integer) +
               (decimals > 0 ? '.' + FractionDigits(d, decimals) : "");
    }
    std::string text = Sign(d) + d.DigitAt(0);
    if (size > 1) {
        text += '.' + std::string(d.Digits.data() + 1, static_cast<std::size_t>(size - 1));
    }
    return text + 'E' + std::to_string(d.Point - 1);
}

std::size_t CharacterCount(std::string_view utf8) {
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

struct Directive {
    bool left = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

// Reads the directive after a "%" at `pos`; leaves `pos` after its type letter.
Directive ReadDirective(std::string_view pattern, std::size_t& pos) {
    Directive directive;
    const auto number = [&] {
        int value = 0;
        while (pos < pattern.size() && pattern[pos] >= '0' && pattern[pos] <= '9') {
            value = value * 10 + (pattern[pos++] - '0');
        }
        return value;
    };
    if (pos < pattern.size() && pattern[pos] == '-') {
        directive.left = true;
        ++pos;
    }
    directive.width = number();
    if (pos < pattern.size() && pattern[pos] == '.') {
        ++pos;
        directive.precision = number();
    }
    if (pos >= pattern.size()) {
        throw FormatError("format \"" + std::string(pattern) + "\" ends inside a directive");
    }
    directive.type = pattern[pos++];
    return directive;
}

double RealArgument(const FormatArg& arg) {
    return std::visit(
        [](auto v) -> double {
            if constexpr (std::is_same_v<decltype(v), std::string_view>) {
                throw FormatError("a real directive was given a text argument");
            } else {
                return static_cast<double>(v);
            }
        },
        arg.Get());
}

std::string Render(const Directive& directive, const FormatArg& arg) {
    const auto& value = arg.Get();
    switch (directive.type) {
    case 'd':
    case 'D':
        if (directive.precision >= 0) {
            throw FormatError("%d takes no precision");
        }
        if (const auto* i = std::get_if<std::int64_t>(&value)) {
            return std::to_string(*i);
        }
        if (const auto* u = std::get_if<std::uint64_t>(&value)) {
            return std::to_string(*u);
        }
        throw FormatError("%d needs an integer argument");
    case 's':
    case 'S':
        if (directive.precision >= 0) {
            throw FormatError("%s takes no precision");
        }
        if (const auto* text = std::get_if<std::string_view>(&value)) {
            return std::string(*text);
        }
        throw FormatError("%s needs a text argument");
    case 'f':
    case 'F':
    case 'n':
    case 'N': {
        const int decimals = directive.precision >= 0 ? directive.precision : FixedPrecision;
        return Fixed(RealArgument(arg), decimals, directive.type == 'n' || directive.type == 'N');
    }
    case 'g':
    case 'G':
        return General(RealArgument(arg),
                       directive.precision > 0 ? directive.precision : GeneralPrecision);
    default:
        throw FormatError(std::string("unknown format directive %") + directive.type);
    }
}

} // namespace

std::string FormatArgs(std::string_view pattern, std::span<const FormatArg> args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < pattern.size();) {
        const char c = pattern[pos++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (pos < pattern.size() && pattern[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        const Directive directive = ReadDirective(pattern, pos);
        if (next >= args.size()) {
            throw FormatError("format \"" + std::string(pattern) + "\" has more directives than " +
                              std::to_string(args.size()) + " arguments");
        }
        std::string text;
        try {
            text = Render(directive, args[next++]);
        } catch (const FormatError& error) {
            throw FormatError("format \"" + std::string(pattern) + "\", argument " +
                              std::to_string(next) + ": " + error.what());
        }
        const std::size_t length = CharacterCount(text);
        const std::size_t fill =
            static_cast<std::size_t>(directive.width) > length ? directive.width - length : 0;
        out += directive.left ? text + std::string(fill, ' ') : std::string(fill, ' ') + text;
    }
    if (next != args.size()) {
        throw FormatError("format \"" + std::string(pattern) + "\" uses " + std::to_string(next) +
                          " of its " + std::to_string(args.size()) + " arguments");
    }
    return out;
}

std::string FloatToStr(double value) {
    return General(value, GeneralPrecision);
}

std::string FormatFloat(std::string_view pattern, double value) {
    const auto isNumberChar = [](char c) { return c == '#' || c == '0' || c == '.' || c == ','; };
    const auto isDigitChar = [](char c) { return c == '#' || c == '0'; };
    const auto firstDigit = std::find_if(pattern.begin(), pattern.end(), isDigitChar);
    if (firstDigit == pattern.end()) {
        throw FormatError("picture \"" + std::string(pattern) + "\" has no digit placeholder");
    }
    const auto begin =
        std::find_if_not(std::make_reverse_iterator(firstDigit), pattern.rend(), isNumberChar)
            .base();
    const auto end = std::find_if_not(firstDigit, pattern.end(), isNumberChar);
    if (std::any_of(end, pattern.end(), isDigitChar)) {
        throw FormatError("picture \"" + std::string(pattern) + "\" has two numbers");
    }
    const std::string_view picture(&*begin, end - begin);
    const auto dot = picture.find('.');
    const std::string_view integerPicture = picture.substr(0, dot);
    const std::string_view fractionPicture =
        dot == std::string_view::npos ? std::string_view() : picture.substr(dot + 1);
    const auto count = [](std::string_view s, auto pred) {
        return static_cast<int>(std::count_if(s.begin(), s.end(), pred));
    };
    const int minInteger = count(integerPicture, [](char c) { return c == '0'; });
    const int minDecimals = count(fractionPicture, [](char c) { return c == '0'; });
    const int maxDecimals = count(fractionPicture, [](char c) { return c == '0' || c == '#'; });
    const bool grouped = integerPicture.find(',') != std::string_view::npos;

    std::string number;
    if (!std::isfinite(value)) {
        number = NonFinite(value);
    } else {
        Decimal d = ToDecimal(value);
        RoundDecimal(d, d.Point + maxDecimals);
        std::string integer = IntegerDigits(d);
        if (static_cast<int>(integer.size()) < minInteger) {
            integer.insert(0, minInteger - integer.size(), '0');
        }
        const int decimals =
            std::max(minDecimals, std::max(d.Count - d.Point, 0));
        number = Sign(d) + (grouped ? GroupThousands(integer) : integer);
        if (decimals > 0) {
            number += '.' + FractionDigits(d, decimals);
        }
    }
    return std::string(pattern.begin(), begin) + number + std::string(end, pattern.end());
}

} // namespace quadrilo
