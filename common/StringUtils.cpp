// Small text and number helpers shared by the whole program; none depends on the process locale.
#include "common/StringUtils.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quadrilo {

double TruncTo2(double value) {
    constexpr double tolerance = 0.0001;
    const double scaled = value >= 0 ? value * 100 + tolerance : value * 100 - tolerance;
    // "+ 0.0" turns the -0 of small negative values into 0.
    return std::trunc(scaled) / 100 + 0.0;
}

std::optional<double> ParseNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // from_chars takes no leading "+"; a second sign after it must still fail.
    if (text.front() == '+' && text.size() > 1 && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool IsNumber(std::string_view text) {
    return ParseNumber(text).has_value();
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    char quote = 0;
    for (const char c : text) {
        if (quote == 0 && (c == ' ' || c == '\r' || c == '\n')) {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
            continue;
        }
        if (quote == 0 && (c == '"' || c == '\'')) {
            quote = c;
        } else if (c == quote) {
            quote = 0;
        }
        word += c;
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

std::string FlagText(bool flag) {
    return flag ? "(0)" : "(1)";
}

std::string ElapsedText(std::chrono::steady_clock::duration elapsed) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    const long long total = seconds > 0 ? seconds : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", total / 3600, total / 60 % 60,
                  total % 60);
    return text;
}

void WorkTimer::StartTimer() {
    m_start = std::chrono::steady_clock::now();
    m_stop.reset();
}

void WorkTimer::StopTimer() {
    m_stop = std::chrono::steady_clock::now();
}

std::string WorkTimer::ElapsedText() const {
    return quadrilo::ElapsedText(m_stop.value_or(std::chrono::steady_clock::now()) - m_start);
}

} // namespace quadrilo
