// The engine's command line: the prompt of the waiting command, an edit for coordinates, command
// names and answers (Enter alone repeats the last command), and a log of what was typed.
#pragma once

#include <QWidget>

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

    CadCanvas& m_canvas;
    QPlainTextEdit* m_log;
    QLabel* m_prompt;
    QLineEdit* m_edit;
};

} // namespace quadrilo::cad::canvas
