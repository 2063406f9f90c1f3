// Answers given in advance.
#include "app/prompts/ScriptedPrompts.h"

#include "app/window/TfrmSaveAS.h"

#include <QDialog>
#include <QDir>

namespace quadrilo::app {

std::optional<ScriptedAnswer> ScriptedPrompts::next(const QString& question) {
    if (m_answers.empty()) {
        unanswered(QStringLiteral("no ANSWER for %1").arg(question));
        return std::nullopt;
    }
    ScriptedAnswer answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

void ScriptedPrompts::unanswered(const QString& what) {
    if (m_onUnanswered)
        m_onUnanswered(what);
}

QString ScriptedPrompts::ask(const MessageRequest& request) {
    m_asked << request.text;
    const QString question = QStringLiteral("the message box \"%1\"").arg(request.text);
    const auto answer = next(question);
    if (!answer)
        return request.escapeButton;
    for (const QString& caption : request.buttons)
        if (SameCaption(caption, answer->button))
            return caption;
    unanswered(QStringLiteral("\"%1\" is no button of %2").arg(answer->button, question));
    return request.escapeButton;
}

bool ScriptedPrompts::askSave(TfrmSaveAS& prompt) {
    const QString question = QStringLiteral("the save prompt \"Salvar Como?\"");
    const auto answer = next(question);
    if (!answer) {
        prompt.pressCancel();
        return false;
    }
    if (SameCaption(answer->button, AnswerYes)) {
        prompt.setFileName(answer->name.isEmpty() ? prompt.fileName() : answer->name);
        prompt.pressYes();
        if (prompt.choice() != TfrmSaveAS::ChoiceYes) {
            unanswered(QStringLiteral("%1 needs a file name with \"Sim\"").arg(question));
            prompt.pressCancel();
        }
    } else if (SameCaption(answer->button, AnswerNo)) {
        prompt.pressNo();
    } else {
        if (!SameCaption(answer->button, AnswerCancel))
            unanswered(QStringLiteral("\"%1\" is no button of %2").arg(answer->button, question));
        prompt.pressCancel();
    }
    return prompt.choice() != TfrmSaveAS::ChoiceCancel;
}

std::optional<QString> ScriptedPrompts::chosenName(const QString& question,
                                                   const QString& directory) {
    const auto answer = next(question);
    if (!answer || SameCaption(answer->button, AnswerCancel) ||
        SameCaption(answer->button, QStringLiteral("Cancel")))
        return std::nullopt;
    if (answer->name.isEmpty()) {
        unanswered(QStringLiteral("%1 needs a file name").arg(question));
        return std::nullopt;
    }
    return QDir(directory).absoluteFilePath(answer->name);
}

std::optional<QString> ScriptedPrompts::askFile(const FileRequest& request) {
    return chosenName(request.save ? QStringLiteral("the save dialog")
                                   : QStringLiteral("the open dialog"),
                      request.directory);
}

std::optional<QString> ScriptedPrompts::askRecent(const QStringList&) {
    return chosenName(QStringLiteral("the recent-files dialog"), QDir::currentPath());
}

void ScriptedPrompts::showModal(QDialog& window) {
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
}

} // namespace quadrilo::app
