// Where the malha's log lines go: the main window's message log, or a list in a test.
#pragma once

#include <string>
#include <vector>

namespace quadrilo::mesh {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Appends one line to the message log.
    virtual void LogMessage(const std::string& line) = 0;
    // The same, and shows the line on the CAD prompt; without a prompt, a log line.
    virtual void PromptMessage(const std::string& line) { LogMessage(line); }
};

// Keeps every line in order, for tests and headless runs.
class MessageLines : public MessageSink {
public:
    void LogMessage(const std::string& line) override { Lines.push_back(line); }
    std::vector<std::string> Lines;
};

} // namespace quadrilo::mesh
