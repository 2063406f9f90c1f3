// The colour warning of the numeric edits: black for a number, red otherwise.
#pragma once

class QLineEdit;
class QString;

namespace quadrilo::app {

// The colour warning of the numeric edits: black while the text is a number ("." decimals), red
// otherwise. The value is still taken as typed; the colour only warns.

[[nodiscard]] bool TextIsNumber(const QString& text);
[[nodiscard]] bool ShowsInvalid(const QLineEdit& edit);
void ShowNumberState(QLineEdit& edit);
void ShowInvalid(QLineEdit& edit);

// Checks the text at every change.
void CheckNumberOnChange(QLineEdit& edit);
// Checks the text again at every key release.
void CheckNumberOnKeyRelease(QLineEdit& edit);

} // namespace quadrilo::app
