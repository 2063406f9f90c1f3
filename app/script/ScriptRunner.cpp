// Runs a program script.
#include "app/script/ScriptRunner.h"

#include "app/drawing/DrawingWindow.h"
#include "app/ProgramState.h"
#include "app/script/ScriptControls.h"
#include "app/script/ScriptLine.h"
#include "app/prompts/ScriptedPrompts.h"
#include "app/documents/TextFiles.h"
#include "app/views/ViewTools.h"
#include "app/window/TfrmMain.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

namespace quadrilo::app {
namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

PlanPoint point(const QString& text) {
    const auto p = ParsePlanPoint(text);
    if (!p)
        throw ScriptError(QStringLiteral("\"%1\" is not a point x,y").arg(text));
    return *p;
}

DrawingWindow& drawingWindow(TfrmMain& window) {
    if (!window.drawingWindow())
        throw ScriptError(QStringLiteral("the drawing window is not open"));
    return *window.drawingWindow();
}

} // namespace

ScriptRunner::ScriptRunner(TfrmMain& window, ScriptedPrompts& answers, PromptRouter& router,
                           QString path, bool stopAtFailure, std::FILE* out, std::FILE* err)
    : m_window(window), m_answers(answers), m_router(router), m_path(std::move(path)),
      m_folder(QFileInfo(m_path).absolutePath()), m_stopAtFailure(stopAtFailure), m_out(out),
      m_err(err) {}

QString ScriptRunner::resolved(const QString& path) const {
    return QDir(m_folder).absoluteFilePath(path);
}

void ScriptRunner::fail(int lineNumber, const QString& message) {
    std::fprintf(m_err, "%s:%d: %s\n", m_path.toUtf8().constData(), lineNumber,
                 message.toUtf8().constData());
    std::fflush(m_err);
}

int ScriptRunner::run() {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(0, QStringLiteral("cannot read the script: ") + file.errorString());
        return 1;
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the break that ends the last line starts no line
    const QMetaObject::Connection echo =
        QObject::connect(&m_window.state().log, &MessageLog::lineAdded,
                         [this](const QString& l) { print(m_out, l); });
    m_answers.setOnUnanswered([this](const QString& what) { m_unanswered << what; });
    m_router.setScripting(true);
    int failures = 0;
    // Closing the main window ends the script.
    for (int i = 0; i < lines.size() && m_window.isVisible(); ++i) {
        m_unanswered.clear();
        QStringList problems;
        try {
            const ScriptLine line = ParseScriptLine(lines[i]);
            // The script's first answers are for the start-up's questions.
            if (line.kind != ScriptLine::Kind::Comment && line.keyword != QStringLiteral("ANSWER"))
                m_window.askStartUpQuestions();
            runLine(line);
        } catch (const std::exception& e) {
            problems << QString::fromUtf8(e.what());
        }
        QApplication::processEvents();
        problems << m_unanswered;
        for (const QString& problem : problems)
            fail(i + 1, problem);
        if (!problems.isEmpty()) {
            ++failures;
            if (m_stopAtFailure)
                break;
        }
    }
    // A script of answers alone answers them at its end; a closed window, or a run stopped at a
    // failure, asks nothing more.
    m_unanswered.clear();
    if (m_window.isVisible() && !(m_stopAtFailure && failures > 0))
        m_window.askStartUpQuestions();
    for (const QString& problem : m_unanswered)
        fail(int(lines.size()), problem);
    failures += m_unanswered.isEmpty() ? 0 : 1;
    m_router.setScripting(false);
    m_answers.setOnUnanswered({});
    m_answers.clearAnswers();
    QObject::disconnect(echo);
    return failures;
}

void ScriptRunner::runLine(const ScriptLine& line) {
    switch (line.kind) {
    case ScriptLine::Kind::Comment:
        return;
    case ScriptLine::Kind::Enter:
        // Enter ends the waiting command's input or repeats the last command; with neither it
        // does nothing, as on the command line.
        (void)m_window.state().cad.typeCommandLine(QString());
        drawingWindow(m_window).redraw();
        return;
    case ScriptLine::Kind::CommandLine:
        if (!m_window.state().cad.typeCommandLine(line.text))
            throw ScriptError(
                QStringLiteral("the engine's command line did not take \"%1\"").arg(line.text));
        drawingWindow(m_window).redraw();
        return;
    case ScriptLine::Kind::Keyword:
        runKeyword(line);
        return;
    }
}

void ScriptRunner::runKeyword(const ScriptLine& line) {
    const QString& k = line.keyword;
    if (k == QStringLiteral("SET")) {
        SetControlText(FindControl(m_window, line.firstWord()), line.afterFirstWord());
    } else if (k == QStringLiteral("DO")) {
        Press(m_window, m_window.actions(), line.rest.trimmed());
    } else if (k == QStringLiteral("ANSWER")) {
        if (line.firstWord().isEmpty())
            throw ScriptError(QStringLiteral("ANSWER needs a button's caption"));
        m_answers.queue({line.firstWord(), line.afterFirstWord().trimmed()});
    } else if (k == QStringLiteral("PICK")) {
        const PlanPoint p = point(line.rest);
        drawingWindow(m_window).click(p.x, p.y);
    } else if (k == QStringLiteral("DBLCLICK")) {
        const PlanPoint p = point(line.rest);
        drawingWindow(m_window).doubleClick(p.x, p.y);
    } else if (k == QStringLiteral("WINDOW")) {
        const PlanPoint a = point(line.firstWord());
        const PlanPoint b = point(line.afterFirstWord());
        drawingWindow(m_window).selectWindow(a.x, a.y, b.x, b.y);
    } else if (k == QStringLiteral("OPEN")) {
        if (!m_window.documents().open(resolved(line.rest.trimmed())))
            throw ScriptError(QStringLiteral("%1 was not opened").arg(line.rest.trimmed()));
    } else if (k == QStringLiteral("SAVEAS")) {
        if (!m_window.documents().saveAs(resolved(line.rest.trimmed())))
            throw ScriptError(QStringLiteral("%1 was not saved").arg(line.rest.trimmed()));
    } else if (k == QStringLiteral("EXPORT")) {
        const QString path = resolved(line.rest.trimmed());
        if (!m_window.views().exportDrawing(path, ExportTypeOfName(path)))
            throw ScriptError(QStringLiteral("%1 was not exported").arg(line.rest.trimmed()));
    } else if (k == QStringLiteral("SCREENSHOT")) {
        screenshot(resolved(line.rest.trimmed()));
    } else if (k == QStringLiteral("PRINT")) {
        const QString name = line.rest.trimmed();
        print(m_out, name + QStringLiteral(" = ") + ControlText(FindControl(m_window, name)));
    } else if (k == QStringLiteral("CLOSE")) {
        TopWindow(m_window).close();
    }
}

void ScriptRunner::screenshot(const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!TopWindow(m_window).grab().save(&buffer, "PNG"))
        throw ScriptError(QStringLiteral("the window could not be pictured"));
    WriteFileBytes(path, png);
}

} // namespace quadrilo::app
