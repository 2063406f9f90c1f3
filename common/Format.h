// Format patterns of the program's messages, labels and listings, in the Pascal conventions the
// texts were written for, with "." as the decimal separator whatever the process locale.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace quadrilo {

// A pattern that does not match its arguments: a programming mistake, reported, never guessed.
class FormatError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// One argument of Format: an integer, a real or a text (held by view for the call only).
class FormatArg {
public:
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) FormatArg(T value) {
        if constexpr (std::signed_integral<T>) {
            m_value = static_cast<std::int64_t>(value);
        } else {
            m_value = static_cast<std::uint64_t>(value);
        }
    }
    FormatArg(double value) : m_value(value) {}
    FormatArg(std::string_view text) : m_value(text) {}
    FormatArg(const std::string& text) : m_value(std::string_view(text)) {}
    FormatArg(const char* text) : m_value(std::string_view(text)) {}

    using Value = std::variant<std::int64_t, std::uint64_t, double, std::string_view>;
    [[nodiscard]] const Value& Get() const { return m_value; }

private:
    Value m_value;
};

// Renders `pattern` with `args`. Directives: %[-][width][.precision]type, "%%" for a percent sign.
//   %d  integer                          %s  text as is
//   %f  fixed, 2 decimals unless .N      %n  like %f with "," grouping thousands
//   %g  %G  general: up to 15 significant digits (or .N), trailing zeros dropped; fixed notation
//       from 0.0001 up to 15 integer digits, otherwise scientific as 2.5E-5 or 1E20
// A width right-aligns in that many characters ("-" left-aligns). Reals round half away from
// zero on their shortest decimal form (1.005 -> 1.01 at 2 decimals); a result of zero has no
// minus sign. Throws FormatError on an unknown directive, a wrong argument type, or a count of
// arguments that does not match the pattern.
[[nodiscard]] std::string FormatArgs(std::string_view pattern, std::span<const FormatArg> args);

template <class... Args>
[[nodiscard]] std::string Format(std::string_view pattern, const Args&... args) {
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatArgs(pattern, list);
}

// The same text as "%g".
[[nodiscard]] std::string FloatToStr(double value);

// A picture pattern such as "#.##" or "Lx: #.##  ": the run of "#", "0", "." and "," is the number
// ("0" a digit always shown, "#" a digit shown only when significant, "," grouping thousands);
// the text around it stays as written. FormatFloat("#.##", 0.5) is ".5"; of 0 it is "".
// Throws FormatError on a pattern without a number or with two.
[[nodiscard]] std::string FormatFloat(std::string_view pattern, double value);

} // namespace quadrilo
