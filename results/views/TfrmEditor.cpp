// The editor window: tool bar, text control and caret read-out.
#include "TfrmEditor.h"

#include "ListingEdit.h"
#include "QtFileFilters.h"
#include "common/AtomicFile.h"
#include "common/Format.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quadrilo::results {
namespace {

constexpr const char* OpenFilter = "Arq. Text (*.txt)|*.txt|Todos (*.*)|*.*";
constexpr const char* SaveFilter = "Arq. Texto (*.txt)|*.txt|Todos (*.*)|*.*";

QFileDialog* FileDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode,
                        const char* filter) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setNameFilters(DialogNameFilters(filter));
    return dialog;
}

void AddButton(QToolBar* bar, const char* name, const char* hint, QStyle::StandardPixmap icon,
               std::function<void()> click) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(bar->style()->standardIcon(icon));
    QObject::connect(button, &QToolButton::clicked, bar, std::move(click));
    bar->addWidget(button);
}

} // namespace

TfrmEditor::TfrmEditor(QString programDir, QWidget* parent)
    : QDialog(parent), m_programDir(std::move(programDir)), m_memo(new ListingEdit(this)),
      m_caret(new QLabel(this)),
      m_openDialog(FileDialog(this, "OpenDlg", QFileDialog::AcceptOpen, OpenFilter)),
      m_saveDialog(FileDialog(this, "dlgSave", QFileDialog::AcceptSave, SaveFilter)) {
    setObjectName("TfrmEditor");
    setWindowTitle("Editor:");
    resize(1000, 700); // room for the results file's 108 columns

    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    AddButton(bar, "ToolButton1", "Abrir", QStyle::SP_DialogOpenButton,
              [this] { ToolButton1Click(); });
    AddButton(bar, "ToolButton2", "Salvar", QStyle::SP_DialogSaveButton,
              [this] { ToolButton2Click(); });
    AddButton(bar, "ToolButton3", "Salvar Como", QStyle::SP_DriveFDIcon,
              [this] { ToolButton3Click(); });
    m_caret->setObjectName("Panel1");
    m_caret->setMinimumWidth(160);
    m_caret->setFrameShape(QFrame::StyledPanel);
    bar->addSeparator();
    bar->addWidget(m_caret);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_memo);

    connect(m_memo, &QPlainTextEdit::cursorPositionChanged, this, &TfrmEditor::synMemoStatusChange);
    connect(m_memo, &QPlainTextEdit::textChanged, this, &TfrmEditor::synMemoStatusChange);
    connect(m_openDialog, &QFileDialog::fileSelected, this,
            [this](const QString& file) { (void)Load(file); });
    connect(m_saveDialog, &QFileDialog::fileSelected, this,
            [this](const QString& file) { (void)SaveTo(file); });
    synMemoStatusChange();
}

void TfrmEditor::OpenListing(const QString& fileName) {
    if (LoadListing(fileName))
        exec();
}

bool TfrmEditor::LoadListing(const QString& fileName) {
    if (!Load(fileName))
        return false;
    setWindowTitle("Editor: " + QFileInfo(fileName).fileName());
    return true;
}

bool TfrmEditor::Load(const QString& fileName) {
    try {
        m_form = ReadListingFile(fileName.toStdString());
    } catch (const ListingReadError& e) {
        ReportFileError(QString::fromUtf8(e.what()));
        return false;
    }
    m_fileName = fileName;
    m_memo->setPlainText(QString::fromStdString(m_form.Text));
    return true;
}

bool TfrmEditor::SaveTo(const QString& fileName) {
    m_form.Text = m_memo->toPlainText().toStdString();
    try {
        WriteListingFile(fileName.toStdString(), m_form);
    } catch (const FileWriteError& e) {
        ReportFileError(QString::fromUtf8(e.what()));
        return false;
    }
    m_fileName = fileName;
    return true;
}

// Shown without a nested event loop, so the editor's own modal loop stays the only one.
void TfrmEditor::ReportFileError(const QString& message) {
    auto* box =
        new QMessageBox(QMessageBox::Critical, windowTitle(), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TfrmEditor::ToolButton1Click() {
    m_openDialog->open();
}

void TfrmEditor::ToolButton2Click() {
    if (m_fileName.isEmpty())
        ToolButton3Click();
    else
        (void)SaveTo(m_fileName);
}

void TfrmEditor::ToolButton3Click() {
    m_saveDialog->open();
}

void TfrmEditor::FormActivate() {
    m_openDialog->setDirectory(m_programDir);
    m_saveDialog->setDirectory(m_programDir);
    synMemoStatusChange();
}

void TfrmEditor::synMemoStatusChange() {
    m_caret->setText(QString::fromStdString(
        Format("Linha: %d / Col: %d", m_memo->CaretLine(), m_memo->CaretColumn())));
}

void TfrmEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TfrmEditor::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

} // namespace quadrilo::results
