#include "app/window/WindowSink.h"

#include "app/window/TfrmMain.h"

namespace quadrilo::app {

void WindowSink::LogMessage(const std::string& line) {
    m_window.LogMessage(QString::fromStdString(line));
}

void WindowSink::PromptMessage(const std::string& line) {
    m_window.PromptMessage(QString::fromStdString(line));
}

} // namespace quadrilo::app
