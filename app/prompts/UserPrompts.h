// The one interface through which the program asks the user anything.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QWidget;

namespace quadrilo::app {

class TfrmSaveAS;

enum class BoxIcon { Information, Warning, Error, Confirmation };

struct MessageRequest {
    BoxIcon icon = BoxIcon::Information;
    QString text;
    QStringList buttons;  // captions, the first is the default
    QString escapeButton; // the answer of Escape, of the close box and of an unanswered script

    // A failure with one "OK".
    [[nodiscard]] static MessageRequest error(const QString& text);
    // A confirmation with "Sim" and "Não".
    [[nodiscard]] static MessageRequest yesNo(const QString& text);
};

inline const QString AnswerOk = QStringLiteral("OK");
inline const QString AnswerYes = QStringLiteral("Sim");
inline const QString AnswerNo = QStringLiteral("Não");
inline const QString AnswerCancel = QStringLiteral("Cancela");

struct FileRequest {
    bool save = false;
    QString directory;
    QString filter; // Qt's form: "Desenho (*.vec);;..."
    QString proposedName;
    // When set, receives the 0-based index of the filter the user chose (left alone when the
    // answer names no filter, as a script's does).
    int* chosenFilter = nullptr;
};

// Every question the program puts to the user goes through one small interface: message boxes, the
// save prompt, the file dialogs, the recent-files choice and the windows shown modally. The desktop
// answers them with dialogs; a script or a test answers them from a queue.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // The caption of the button chosen.
    virtual QString ask(const MessageRequest& request) = 0;
    // Runs the save prompt; its choice and file name are read from it afterwards. True for
    // "&Sim" and "&Não", false for "Cancela" and the close box.
    virtual bool askSave(TfrmSaveAS& prompt) = 0;
    // The chosen file, or nothing when the dialog was cancelled.
    virtual std::optional<QString> askFile(const FileRequest& request) = 0;
    virtual std::optional<QString> askRecent(const QStringList& files) = 0;
    // Shows one of the windows the program shows modally (the about box, the editor, ...).
    virtual void showModal(QDialog& window) = 0;
};

// Captions compare without "&" and letter case: "&Sim", "Sim" and "sim" name one button.
[[nodiscard]] bool SameCaption(const QString& a, const QString& b);

// The desktop's dialogs.
class DesktopPrompts : public UserPrompts {
public:
    explicit DesktopPrompts(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    QString ask(const MessageRequest& request) override;
    bool askSave(TfrmSaveAS& prompt) override;
    std::optional<QString> askFile(const FileRequest& request) override;
    std::optional<QString> askRecent(const QStringList& files) override;
    void showModal(QDialog& window) override;

private:
    QWidget* m_owner;
};

} // namespace quadrilo::app
