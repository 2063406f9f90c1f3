// One line of a program script: its keyword, its words, the points it names.
#pragma once

#include <QString>

#include <optional>

namespace quadrilo::app {

// One line of a program script, split into its keyword and its words, and the drawing points it
// names ("x,y").
struct ScriptLine {
    enum class Kind { Enter, Comment, Keyword, CommandLine };
    Kind kind = Kind::Enter;
    QString keyword; // SET, DO, ANSWER, PICK, WINDOW, DBLCLICK, OPEN, SAVEAS, EXPORT, ...
    QString rest;    // the text after the keyword and one blank
    QString text;    // the whole line (what a command-line line types)

    // The first word of rest, and what follows it after one blank.
    [[nodiscard]] QString firstWord() const;
    [[nodiscard]] QString afterFirstWord() const;
};

[[nodiscard]] ScriptLine ParseScriptLine(const QString& line);

struct PlanPoint {
    double x = 0.0;
    double y = 0.0;
};
// "x,y" with "." decimals; nothing when it is not two numbers.
[[nodiscard]] std::optional<PlanPoint> ParsePlanPoint(const QString& text);

} // namespace quadrilo::app
