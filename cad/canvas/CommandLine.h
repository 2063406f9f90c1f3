// The engine's command line: the prompt of the waiting command, an edit for coordinates, command
// names and answers (Enter alone repeats the last command; Space is Enter except in a text
// answer; Up and Down walk the lines typed before; Escape clears), and a log of what was asked
// and typed, each prompt once.
#pragma once

#include "cad/Signal.h"

#include <QStringList>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace quadrilo::cad::canvas {

class CadCanvas;

class CommandLine : public QWidget {
    Q_OBJECT
public:
    // log may be null; typed lines and prompts are appended to it.
    CommandLine(CadCanvas& canvas, QPlainTextEdit* log, QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QString prompt() const;
    // Sends a line as if typed and confirmed with Enter.
    void submit(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPrompt(const QString& text);
    void logLine(const QString& line);
    void flushPrompt();
    void submitEdit();
    [[nodiscard]] bool textAnswerWanted() const;
    [[nodiscard]] bool editKey(QKeyEvent* key);
    [[nodiscard]] bool canvasKey(QKeyEvent* key);
    void walkHistory(int step);

    CadCanvas& m_canvas;
    QPlainTextEdit* m_log;
    QLabel* m_prompt;
    QLineEdit* m_edit;
    QString m_unanswered; // the prompt shown and not yet written to the log
    QStringList m_history;
    qsizetype m_historyAt = 0;
    Subscription m_onCommandEnded;
};

} // namespace quadrilo::cad::canvas
