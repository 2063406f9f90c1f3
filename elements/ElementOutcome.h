// What an element operation hands back to the application: its message lines, or why it refused.
#pragma once

#include "common/Messages.h"

#include <string>
#include <utility>
#include <variant>

namespace quadrilo::elements {

// Why an operation created or changed nothing.
struct Refusal {
    enum class Kind {
        Validation, // an "Erro …:" line for the message log (LogMessage)
        Input,      // a text that is not a number, a formula that fails: the error report
    };
    Kind kind = Kind::Validation;
    std::string message;
    MessageChannel channel = MessageChannel::Log; // how a validation line goes out

    bool operator==(const Refusal&) const = default;
};

[[nodiscard]] inline Refusal ValidationRefusal(std::string message,
                                               MessageChannel channel = MessageChannel::Log) {
    return {Refusal::Kind::Validation, std::move(message), channel};
}
[[nodiscard]] inline Refusal InputRefusal(std::string message) {
    return {Refusal::Kind::Input, std::move(message), MessageChannel::Log};
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
