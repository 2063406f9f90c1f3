// The main window as the message sink of the layers below the program: log lines go to its
// message log, prompt lines to the engine's prompt.
#pragma once

#include "common/Messages.h"

#include <string>

namespace quadrilo::app {

class TfrmMain;

class WindowSink : public MessageSink {
public:
    explicit WindowSink(TfrmMain& window) : m_window(window) {}

    void LogMessage(const std::string& line) override;
    void PromptMessage(const std::string& line) override;

protected:
    TfrmMain& m_window;
};

} // namespace quadrilo::app
