// Command line: feeds typed lines to the document and mirrors prompts and input into the log.
#include "cad/canvas/CommandLine.h"

#include "cad/Document.h"
#include "cad/canvas/CadCanvas.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quadrilo::cad::canvas {
namespace {

constexpr qsizetype historyDepth = 100;

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

CommandLine::CommandLine(CadCanvas& canvas, QPlainTextEdit* log, QWidget* parent)
    : QWidget(parent), m_canvas(canvas), m_log(log), m_prompt(new QLabel(this)),
      m_edit(new QLineEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_prompt);
    layout->addWidget(m_edit, 1);
    m_edit->setObjectName(QStringLiteral("commandEdit"));
    connect(m_edit, &QLineEdit::returnPressed, this, &CommandLine::submitEdit);
    connect(&canvas, &CadCanvas::promptChanged, this, &CommandLine::showPrompt);
    if (canvas.hasDocument()) {
        // A command that ended leaves the line asking for the next command.
        m_onCommandEnded = canvas.document().events().commandEnded.subscribe([this](int) {
            showPrompt(
                QString::fromStdString(m_canvas.document().texts().text(TextId::CommandPrompt)));
        });
        showPrompt(QString::fromStdString(canvas.document().texts().text(TextId::CommandPrompt)));
    }
    m_edit->installEventFilter(this);
    // Keys typed over the canvas go to the command line, as in any CAD program.
    canvas.installEventFilter(this);
}

QString CommandLine::prompt() const {
    return m_prompt->text();
}

void CommandLine::submit(const QString& text) {
    if (!m_canvas.hasDocument())
        return;
    logLine(std::exchange(m_unanswered, {}) + QLatin1Char(' ') + text);
    if (!text.trimmed().isEmpty() && (m_history.isEmpty() || m_history.back() != text)) {
        m_history.push_back(text);
        if (m_history.size() > historyDepth)
            m_history.pop_front();
    }
    m_historyAt = m_history.size();
    (void)m_canvas.document().typeText(text.toStdString());
    m_canvas.regen();
}

void CommandLine::submitEdit() {
    const QString text = m_edit->text();
    m_edit->clear();
    submit(text);
}

void CommandLine::showPrompt(const QString& text) {
    flushPrompt(); // a prompt nobody answered still belongs in the log
    m_prompt->setText(text);
    m_unanswered = text;
}

void CommandLine::flushPrompt() {
    if (!m_unanswered.isEmpty())
        logLine(std::exchange(m_unanswered, {}));
}

void CommandLine::logLine(const QString& line) {
    if (m_log && !line.trimmed().isEmpty())
        m_log->appendPlainText(line.trimmed());
}

// While the waiting command asks for text, Space is part of the answer.
bool CommandLine::textAnswerWanted() const {
    return m_canvas.hasDocument() && m_canvas.document().runner().request().expect == Expect::Text;
}

void CommandLine::walkHistory(int step) {
    if (m_history.isEmpty())
        return;
    m_historyAt = std::clamp<qsizetype>(m_historyAt + step, 0, m_history.size());
    m_edit->setText(m_historyAt < m_history.size() ? m_history[m_historyAt] : QString());
}

bool CommandLine::editKey(QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Escape:
        m_edit->clear();
        QCoreApplication::sendEvent(&m_canvas, key); // the canvas ends the waiting input
        return true;
    case Qt::Key_Space:
        if (textAnswerWanted() || key->modifiers() != Qt::NoModifier)
            return false;
        submitEdit();
        return true;
    case Qt::Key_Up:
        walkHistory(-1);
        return true;
    case Qt::Key_Down:
        walkHistory(+1);
        return true;
    default:
        if (m_canvas.handleDraftingKey(key->key()))
            return true;
        // The engine's shortcuts work from here too while nothing is typed.
        return m_edit->text().isEmpty() && m_canvas.runAccelerator(key->keyCombination());
    }
}

bool CommandLine::canvasKey(QKeyEvent* key) {
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (isEnter(key) || (key->key() == Qt::Key_Space && !textAnswerWanted())) {
        submitEdit();
        return true;
    }
    if (plain && !key->text().isEmpty() && key->text().at(0).isPrint()) {
        m_edit->setFocus();
        m_edit->insert(key->text());
        return true;
    }
    return false;
}

bool CommandLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_edit && editKey(key))
            return true;
        if (watched == &m_canvas && canvasKey(key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quadrilo::cad::canvas
