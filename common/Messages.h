// The program's message output: lines for the message log, some of them also shown on the CAD
// prompt, and the sink that the main window's log (or a test) provides.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace quadrilo {

// How a line reaches the user: LogMessage writes the message log only, PromptMessage writes the
// log and the engine's prompt line.
enum class MessageChannel { Log, Prompt };

struct MessageLine {
    MessageChannel channel = MessageChannel::Prompt;
    std::string text;

    bool operator==(const MessageLine&) const = default;
};

using MessageLines = std::vector<MessageLine>;

// Lines that all go out through PromptMessage, as the listings do.
[[nodiscard]] MessageLines PromptLines(std::initializer_list<std::string> texts);

// Appends `more` to `lines`.
void Append(MessageLines& lines, const MessageLines& more);

// The texts of the lines, in order, whatever their channel.
[[nodiscard]] std::vector<std::string> Texts(const MessageLines& lines);

// Where message lines go: the main window's message log, or a list in a test.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Appends one line to the message log.
    virtual void LogMessage(const std::string& line) = 0;
    // The same, and shows the line on the CAD prompt; without a prompt, a log line.
    virtual void PromptMessage(const std::string& line) { LogMessage(line); }
};

// Sends each line through its own channel, in order.
void Send(const MessageLines& lines, MessageSink& sink);

// Keeps every line in order with its channel, for tests and headless runs.
class CollectingSink : public MessageSink {
public:
    void LogMessage(const std::string& line) override;
    void PromptMessage(const std::string& line) override;

    MessageLines Lines;
};

} // namespace quadrilo
