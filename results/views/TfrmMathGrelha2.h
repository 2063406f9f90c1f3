// The calculation tool dialog: runs the grillage solver on any calculation data file.
#pragma once

#include "engine/GrillageCalculation.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QThread;
class QTreeView;

namespace quadrilo::results {

class TfrmMathGrelha2 : public QDialog {
    Q_OBJECT
public:
    // `calculation` is the program's one solver driver, whose last run's names the dialog shows;
    // `programDir` the program's own folder with its "gInput.txt" and "gOutput.txt".
    TfrmMathGrelha2(engine::GrillageCalculation& calculation, QString programDir,
                    QWidget* parent = nullptr);
    ~TfrmMathGrelha2() override; // waits for a run still going

    [[nodiscard]] bool Running() const { return m_worker != nullptr; }
    // The folder the file list shows, in which names without a folder are taken.
    [[nodiscard]] QString ShownFolder() const { return m_folder; }
    void ShowFolder(const QString& folder);

    void FormActivate();
    // Solves off the user-interface thread, so the dialog repaints and its progress bar moves; a
    // second press while a run goes on is ignored. The same file as input and output is refused.
    void executarClick();

signals:
    // The solver's informative lines (the matrix size), for the main window's message log.
    void solverMessage(const QString& line);
    // A run wrote the program's own "gInput.txt" or "gOutput.txt": the results shown by the
    // drawing are no longer those of its calculation (the program clears ResultsCurrent).
    void programFilesWritten();
    void calculationFinished(bool succeeded);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    class QueuedProgress;

    void RevealFolder();
    void RunFinished(const engine::CalculationOutcome& outcome, const QString& output);
    void ShowStatus(const QString& text, bool error);
    void SetIdle(bool idle);

    engine::GrillageCalculation& m_calculation;
    QString m_programDir;
    QString m_folder;
    QFileSystemModel* m_folders;
    QFileSystemModel* m_files;
    QComboBox* m_drives;
    QTreeView* m_folderTree;
    QListView* m_fileList;
    QComboBox* m_filter;
    QLineEdit* m_input;
    QLineEdit* m_output;
    QPushButton* m_run;
    QProgressBar* m_progress;
    QPushButton* m_close;
    QLabel* m_status;
    std::unique_ptr<QueuedProgress> m_progressBridge;
    QThread* m_worker = nullptr;
    bool m_revealPending = false;
};

} // namespace quadrilo::results
