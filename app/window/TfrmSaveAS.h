// The save prompt "Salvar Como?".
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace quadrilo::app {

// The save prompt "Salvar Como?": asks whether unsaved changes are saved before "Novo", "Abrir",
// "Recentes" and closing, and lets the user pick the file name in a folder.
class TfrmSaveAS : public QDialog {
    Q_OBJECT
public:
    enum Choice { ChoiceYes = 1, ChoiceNo = 7, ChoiceCancel = 2 };

    explicit TfrmSaveAS(QWidget* parent = nullptr);

    // Shows the prompt modally; true when the choice is Yes or No.
    bool Execute();
    // When the folder exists it becomes the prompt's folder; otherwise nothing changes.
    void SetDirectory(const QString& path);
    [[nodiscard]] QString directory() const { return m_directory; }
    [[nodiscard]] Choice choice() const { return m_choice; }
    // The text of Edit1: the name as typed or picked, without folder.
    [[nodiscard]] QString fileName() const;
    void setFileName(const QString& name);
    // The chosen name as a drawing path in the prompt's folder, with ".vec".
    [[nodiscard]] QString chosenPath() const;

    // What the three buttons do.
    void pressYes();
    void pressNo();
    void pressCancel();

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    // The close box and Escape: Cancel, whatever an earlier use chose.
    void reject() override;

private:
    void listFolder();
    void enterFolder(const QString& name);

    QString m_directory;
    Choice m_choice = ChoiceCancel;
    QComboBox* m_drives;
    QLabel* m_path;
    QListWidget* m_folders;
    QListWidget* m_files;
    QComboBox* m_filter;
    QLineEdit* m_edit;
};

} // namespace quadrilo::app
