// Small text and number helpers shared by the whole program; none depends on the process locale.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo {

// Cuts a value to hundredths, toward zero, forgiving the representation error of decimal input:
// 0.29 -> 0.29, 1.239 -> 1.23, -1.239 -> -1.23, 0.004 -> 0.
[[nodiscard]] double TruncTo2(double value);

// The number a text holds with "." as the decimal separator, whatever the process locale.
// Blanks around the number are allowed; an empty text, a comma decimal, "inf", "nan", hexadecimal
// and values out of the double range are not numbers.
[[nodiscard]] std::optional<double> ParseNumber(std::string_view text);
[[nodiscard]] bool IsNumber(std::string_view text);

// The pieces of a text separated by blanks or line breaks, without empty pieces. A blank inside
// single or double quotes does not split, and the quotes stay in the piece.
[[nodiscard]] std::vector<std::string> SplitWords(std::string_view text);

// A restraint flag as the listings show it: "(0)" for true, "(1)" for false.
[[nodiscard]] std::string FlagText(bool flag);

// A duration as hours, minutes and seconds, "hh:mm:ss"; whole seconds, hours past 24 kept.
[[nodiscard]] std::string ElapsedText(std::chrono::steady_clock::duration elapsed);

// Times a long operation (mesh generation, calculation) for the "...tempo: " of its log line.
// A monotonic clock, so a run across midnight or a clock change still measures right.
class WorkTimer {
public:
    void StartTimer();
    void StopTimer();
    // Time from the start to the stop; while running, to now.
    [[nodiscard]] std::string ElapsedText() const;

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::optional<std::chrono::steady_clock::time_point> m_stop;
};

} // namespace quadrilo
