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

CommandLine::CommandLine(CadCanvas& canvas, QPlainTextEdit* log, QWidget* parent)
    : QWidget(parent), m_canvas(canvas), m_log(log), m_prompt(new QLabel(this)),
      m_edit(new QLineEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_prompt);
    layout->addWidget(m_edit, 1);
    m_edit->setObjectName(QStringLiteral("commandEdit"));
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        const QString text = m_edit->text();
        m_edit->clear();
        submit(text);
    });
    connect(&canvas, &CadCanvas::promptChanged, this, &CommandLine::showPrompt);
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
    if (m_log)
        m_log->appendPlainText(m_prompt->text() + QLatin1Char(' ') + text);
    (void)m_canvas.document().typeText(text.toStdString());
    m_canvas.regen();
}

void CommandLine::showPrompt(const QString& text) {
    m_prompt->setText(text);
    if (m_log && !text.isEmpty())
        m_log->appendPlainText(text);
}

bool CommandLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && watched == m_edit) {
        m_edit->clear();
        QCoreApplication::sendEvent(&m_canvas, event); // the canvas ends the waiting input
        return true;
    }
    if (watched == &m_canvas) {
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            (key->key() == Qt::Key_Space && m_edit->text().isEmpty())) {
            const QString text = m_edit->text();
            m_edit->clear();
            submit(text);
            return true;
        }
        if (plain && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            m_edit->setFocus();
            m_edit->insert(key->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quadrilo::cad::canvas
