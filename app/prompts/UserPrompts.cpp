// The desktop's answers to the program's questions: its dialogs.
#include "app/prompts/UserPrompts.h"

#include "app/window/TfrmSaveAS.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quadrilo::app {

MessageRequest MessageRequest::error(const QString& text) {
    return {BoxIcon::Error, text, {AnswerOk}, AnswerOk};
}

MessageRequest MessageRequest::yesNo(const QString& text) {
    return {BoxIcon::Confirmation, text, {AnswerYes, AnswerNo}, AnswerNo};
}

bool SameCaption(const QString& a, const QString& b) {
    QString x = a, y = b;
    return x.remove(QLatin1Char('&')).compare(y.remove(QLatin1Char('&')), Qt::CaseInsensitive) == 0;
}

QString DesktopPrompts::ask(const MessageRequest& request) {
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning,
                                                  QMessageBox::Critical, QMessageBox::Question};
    QMessageBox box(icons[static_cast<int>(request.icon)], QStringLiteral("Quadrilo"), request.text,
                    QMessageBox::NoButton, m_owner);
    for (const QString& caption : request.buttons) {
        QPushButton* b = box.addButton(caption, QMessageBox::AcceptRole);
        if (caption == request.buttons.value(0))
            box.setDefaultButton(b);
        if (caption == request.escapeButton)
            box.setEscapeButton(b);
    }
    box.exec();
    const auto* chosen = qobject_cast<QPushButton*>(box.clickedButton());
    return chosen ? chosen->text() : request.escapeButton;
}

bool DesktopPrompts::askSave(TfrmSaveAS& prompt) {
    return prompt.Execute();
}

std::optional<QString> DesktopPrompts::askFile(const FileRequest& request) {
    QFileDialog dialog(m_owner, QString(), request.directory, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    if (request.chosenFilter)
        *request.chosenFilter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return dialog.selectedFiles().front();
}

std::optional<QString> DesktopPrompts::askRecent(const QStringList& files) {
    bool ok = false;
    const QString name = QInputDialog::getItem(m_owner, QStringLiteral("&Recentes"), QString(),
                                               files, 0, false, &ok);
    return ok ? std::optional<QString>(name) : std::nullopt;
}

void DesktopPrompts::showModal(QDialog& window) {
    window.exec();
}

} // namespace quadrilo::app
