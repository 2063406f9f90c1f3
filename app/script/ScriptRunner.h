// Runs a program script line by line after start-up.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace quadrilo::app {

class PromptRouter;
class ScriptedPrompts;
class TfrmMain;

struct ScriptLine;

// Runs a program script line by line after start-up, each line finished before the next: the
// keywords SET, DO, ANSWER, PICK, WINDOW, DBLCLICK, OPEN, SAVEAS, EXPORT, SCREENSHOT, PRINT and
// CLOSE, and every other line typed on the engine's command line. While it runs, every line of the
// message log also goes to standard output; a line that cannot run prints "FILE:LINE: what went
// wrong" on standard error.
class ScriptRunner {
public:
    // `stopAtFailure` (--exit) ends the run at the first line that fails.
    ScriptRunner(TfrmMain& window, ScriptedPrompts& answers, PromptRouter& router, QString path,
                 bool stopAtFailure, std::FILE* out = stdout, std::FILE* err = stderr);

    // Runs the script; the number of lines that failed (a script that cannot be read counts as
    // one).
    int run();

private:
    void runLine(const ScriptLine& line);
    void runKeyword(const ScriptLine& line);
    [[nodiscard]] QString resolved(const QString& path) const;
    void fail(int lineNumber, const QString& message);
    void screenshot(const QString& path);

    TfrmMain& m_window;
    ScriptedPrompts& m_answers;
    PromptRouter& m_router;
    QString m_path;
    QString m_folder;
    bool m_stopAtFailure;
    std::FILE* m_out;
    std::FILE* m_err;
    QStringList m_unanswered;
};

} // namespace quadrilo::app
