// What the element commands, events and panels need of the main window: its message log, the
// workflow flags, the element buffers, the CAD document, the view.
#pragma once

#include "app/window/WindowSink.h"

#include "elements/ElementKind.h"
#include "elements/ElementOutcome.h"

#include "cad/Document.h"
#include "common/Messages.h"
#include "mesh/MaterialTable.h"
#include "project/TProjectData.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrilo::app {

class TfrmMain;
struct ElementState;

class ElementHost : public WindowSink {
public:
    explicit ElementHost(TfrmMain& window) : WindowSink(window) {}

    [[nodiscard]] TfrmMain& window() { return m_window; }
    [[nodiscard]] cad::Document& document();
    [[nodiscard]] cad::Drawing& drawing() { return document().drawing(); }
    [[nodiscard]] ElementState& buffers();
    [[nodiscard]] TProjectData& project();
    // The malha's current material table, as the last data generation left it.
    [[nodiscard]] const mesh::MaterialTable& materials() const;

    void prompt(std::string_view line) { PromptMessage(std::string(line)); }
    void send(const MessageLines& lines) { Send(lines, *this); }
    // A validation refusal goes to the log through its channel; an input refusal (a text that is
    // not a number, a formula that fails) stops the action with the error handler's message.
    void refuse(const elements::Refusal& refusal);
    void applyFlags(elements::FlagChange change);
    void refreshView();
    void setCurrentLayer(std::string_view name);
    [[nodiscard]] std::string currentLayerName() const;
    // Runs the main window's action by name; a disabled action (work not yet connected) does
    // nothing.
    void trigger(const char* action);
};

// Input refusals travel as this exception to the application's error handler.
class ElementInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace quadrilo::app
