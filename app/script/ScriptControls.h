// What a script does to the windows' controls: find, set, press, read.
#pragma once

#include <QString>

#include <stdexcept>

class QAction;
class QWidget;

namespace quadrilo::app {

// What a script does to the windows' controls: find them by name (or a button by caption), give
// them a text as if typed, press them, read their text; and which window is on top.

class MainActions;

// A line that cannot run; the message says what went wrong.
class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The window a script acts on: the modal window shown over the main window, else the main one.
[[nodiscard]] QWidget& TopWindow(QWidget& mainWindow);

// The control named `name` in the top window or the main window; throws ScriptError.
[[nodiscard]] QWidget& FindControl(QWidget& mainWindow, const QString& name);

// Gives the control the text as the user would: an edit is typed into key by key, a spin box
// takes the number, a check box 0 or 1 (clicked when it changes), a combo box or a tab widget
// the item's caption (or a tab's index). Throws ScriptError for a disabled control or a text it
// cannot take.
void SetControlText(QWidget& control, const QString& text);

// The text a control shows (a check box 0 or 1, a list its lines, a window its caption).
[[nodiscard]] QString ControlText(const QWidget& control);

// Triggers the action or presses the button named `name`, or one whose caption it is; throws
// ScriptError when there is none or it is disabled.
void Press(QWidget& mainWindow, const MainActions& actions, const QString& name);

} // namespace quadrilo::app
