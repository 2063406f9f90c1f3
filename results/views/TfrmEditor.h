// The listing editor: the calculation data and results files as text, with open and save.
#pragma once

#include "results/ListingFile.h"

#include <QDialog>

class QFileDialog;
class QLabel;

namespace quadrilo::results {

class ListingEdit;

class TfrmEditor : public QDialog {
    Q_OBJECT
public:
    // The open and save dialogs start in `programDir`, the program's own folder.
    explicit TfrmEditor(QString programDir, QWidget* parent = nullptr);

    // The editor open operation: loads the file, captions the window after it and shows the
    // editor modally; returns when the user closes it. A file that cannot be read is reported and
    // the editor is not shown.
    void OpenListing(const QString& fileName);
    // The same without showing the window; false when the file could not be read.
    bool LoadListing(const QString& fileName);

    // The file "Salvar" writes to: the last one loaded or saved.
    [[nodiscard]] const QString& FileName() const { return m_fileName; }

    void ToolButton1Click(); // "Abrir"
    void ToolButton2Click(); // "Salvar"; without a file name it asks for one as "Salvar Como"
    void ToolButton3Click(); // "Salvar Como"
    void FormActivate();
    void synMemoStatusChange();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool Load(const QString& fileName);
    bool SaveTo(const QString& fileName);
    void ReportFileError(const QString& message);

    QString m_programDir;
    QString m_fileName;
    ListingText m_form; // line ends and code page of the file last loaded, kept when saving
    ListingEdit* m_memo;
    QLabel* m_caret;
    QFileDialog* m_openDialog;
    QFileDialog* m_saveDialog;
};

} // namespace quadrilo::results
