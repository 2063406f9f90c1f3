// Answers to the program's questions given in advance, by a script or a test.
#pragma once

#include "app/prompts/UserPrompts.h"

#include <QList>

#include <deque>
#include <functional>

namespace quadrilo::app {

struct ScriptedAnswer {
    QString button; // caption of the button ("Sim", "Não", "Cancela", "OK", ...)
    QString name;   // file name for the save prompt and the file dialogs
};

// Answers to the program's questions given in advance (by a script's ANSWER lines or by a test):
// each question takes the next answer. A question without a fitting answer is reported and answered
// as its escape button would; windows shown modally are shown without waiting.
class ScriptedPrompts : public UserPrompts {
public:
    void queue(ScriptedAnswer answer) { m_answers.push_back(std::move(answer)); }
    [[nodiscard]] std::size_t pending() const { return m_answers.size(); }
    void clearAnswers() { m_answers.clear(); }
    // Receives what could not be answered.
    void setOnUnanswered(std::function<void(const QString&)> report) {
        m_onUnanswered = std::move(report);
    }
    // The texts of the message boxes asked so far, in order.
    [[nodiscard]] const QStringList& asked() const { return m_asked; }

    QString ask(const MessageRequest& request) override;
    bool askSave(TfrmSaveAS& prompt) override;
    std::optional<QString> askFile(const FileRequest& request) override;
    std::optional<QString> askRecent(const QStringList& files) override;
    void showModal(QDialog& window) override;

private:
    std::optional<ScriptedAnswer> next(const QString& question);
    // A relative name is taken in the folder the dialog shows.
    std::optional<QString> chosenName(const QString& question, const QString& directory);
    void unanswered(const QString& what);

    std::deque<ScriptedAnswer> m_answers;
    std::function<void(const QString&)> m_onUnanswered;
    QStringList m_asked;
};

// Sends each question to the scripted answers while a script runs, to the desktop otherwise.
class PromptRouter : public UserPrompts {
public:
    PromptRouter(UserPrompts& desktop, UserPrompts& scripted)
        : m_desktop(desktop), m_scripted(scripted) {}
    void setScripting(bool on) { m_scripting = on; }

    QString ask(const MessageRequest& request) override { return current().ask(request); }
    bool askSave(TfrmSaveAS& prompt) override { return current().askSave(prompt); }
    std::optional<QString> askFile(const FileRequest& request) override {
        return current().askFile(request);
    }
    std::optional<QString> askRecent(const QStringList& files) override {
        return current().askRecent(files);
    }
    void showModal(QDialog& window) override { current().showModal(window); }

private:
    UserPrompts& current() { return m_scripting ? m_scripted : m_desktop; }

    UserPrompts& m_desktop;
    UserPrompts& m_scripted;
    bool m_scripting = false;
};

} // namespace quadrilo::app
