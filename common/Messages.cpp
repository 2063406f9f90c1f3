// The program's message output: lines for the message log, some of them also shown on the CAD
// prompt, and the sink that the main window's log (or a test) provides.
#include "common/Messages.h"

namespace quadrilo {

MessageLines PromptLines(std::initializer_list<std::string> texts) {
    MessageLines lines;
    for (const auto& text : texts) {
        lines.push_back({MessageChannel::Prompt, text});
    }
    return lines;
}

void Append(MessageLines& lines, const MessageLines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

std::vector<std::string> Texts(const MessageLines& lines) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const auto& line : lines) {
        texts.push_back(line.text);
    }
    return texts;
}

void Send(const MessageLines& lines, MessageSink& sink) {
    for (const auto& line : lines) {
        if (line.channel == MessageChannel::Prompt) {
            sink.PromptMessage(line.text);
        } else {
            sink.LogMessage(line.text);
        }
    }
}

void CollectingSink::LogMessage(const std::string& line) {
    Lines.push_back({MessageChannel::Log, line});
}

void CollectingSink::PromptMessage(const std::string& line) {
    Lines.push_back({MessageChannel::Prompt, line});
}

} // namespace quadrilo
