// What an element operation hands back to the application: its message lines, or why it refused.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace quadrilo::elements {

// How a line reaches the user: LogMessage writes the message log only, PromptMessage writes the
// log and the engine's prompt line.
enum class Channel { Log, Prompt };

struct MessageLine {
    Channel channel = Channel::Prompt;
    std::string text;

    bool operator==(const MessageLine&) const = default;
};

using MessageLines = std::vector<MessageLine>;

// Lines that all go out through PromptMessage, as the listings do.
[[nodiscard]] inline MessageLines PromptLines(std::initializer_list<std::string> texts) {
    MessageLines lines;
    for (const auto& text : texts) {
        lines.push_back({Channel::Prompt, text});
    }
    return lines;
}

// Appends `more` to `lines`.
inline void Append(MessageLines& lines, const MessageLines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

// Why an operation created or changed nothing.
struct Refusal {
    enum class Kind {
        Validation, // an "Erro …:" line for the message log (LogMessage)
        Input,      // a text that is not a number, a formula that fails: the error report
    };
    Kind kind = Kind::Validation;
    std::string message;
    Channel channel = Channel::Log; // how a validation line goes out

    bool operator==(const Refusal&) const = default;
};

[[nodiscard]] inline Refusal ValidationRefusal(std::string message,
                                               Channel channel = Channel::Log) {
    return {Refusal::Kind::Validation, std::move(message), channel};
}
[[nodiscard]] inline Refusal InputRefusal(std::string message) {
    return {Refusal::Kind::Input, std::move(message), Channel::Log};
}

// A value, or the refusal that stands in its place.
template <class T> class [[nodiscard]] Outcome {
public:
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Refusal refusal) : m_state(std::move(refusal)) {}

    [[nodiscard]] bool Ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return Ok(); }

    [[nodiscard]] T& operator*() & { return std::get<T>(m_state); }
    [[nodiscard]] const T& operator*() const& { return std::get<T>(m_state); }
    [[nodiscard]] T&& operator*() && { return std::get<T>(std::move(m_state)); }
    [[nodiscard]] T* operator->() { return &std::get<T>(m_state); }
    [[nodiscard]] const T* operator->() const { return &std::get<T>(m_state); }

    [[nodiscard]] const Refusal& Error() const { return std::get<Refusal>(m_state); }

private:
    std::variant<T, Refusal> m_state;
};

} // namespace quadrilo::elements
