// The save prompt "Salvar Como?".
#include "app/window/TfrmSaveAS.h"

#include "app/documents/DrawingNames.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace quadrilo::app {
namespace {

const QString InitialMask = QStringLiteral("*.vec");
const QString FileTypes = QStringLiteral(
    "Vector Files|*.vec|DWG Files (*.dwg) (dwg 2000)|*.dwg|DXF Files (*-.DXF) (dxf 2000)|*.dxf|"
    "All Files (*.*)|*.*");

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmSaveAS::TfrmSaveAS(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_directory(QDir::currentPath()), m_drives(new QComboBox(this)), m_path(new QLabel(this)),
      m_folders(new QListWidget(this)), m_files(new QListWidget(this)),
      m_filter(new QComboBox(this)), m_edit(new QLineEdit(InitialMask, this)) {
    setObjectName(QStringLiteral("TfrmSaveAS"));
    setWindowTitle(QStringLiteral("Salvar Como?"));
    setFixedSize(447, 218);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    m_folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    m_filter->setObjectName(QStringLiteral("FilterComboBox1"));
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_path->setObjectName(QStringLiteral("lblDirectory"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            m_drives->addItem(volume.rootPath());
    const QStringList types = FileTypes.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < types.size(); i += 2)
        m_filter->addItem(types[i], types[i + 1]);

    auto* yes = button(QStringLiteral("&Sim"), "btnSim", this);
    auto* no = button(QStringLiteral("&Não"), "btnNao", this);
    auto* cancel = button(QStringLiteral("Cancela"), "btnCancela", this);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &TfrmSaveAS::pressYes);
    connect(no, &QPushButton::clicked, this, &TfrmSaveAS::pressNo);
    connect(cancel, &QPushButton::clicked, this, &TfrmSaveAS::pressCancel);
    connect(m_drives, &QComboBox::activated, this,
            [this](int index) { SetDirectory(m_drives->itemText(index)); });
    connect(m_folders, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { enterFolder(item->text()); });
    connect(m_files, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            m_edit->setText(name);
    });
    connect(m_filter, &QComboBox::activated, this, [this] { listFolder(); });

    auto* grid = new QGridLayout;
    grid->addWidget(m_edit, 0, 0);
    grid->addWidget(m_path, 0, 1);
    grid->addWidget(m_files, 1, 0);
    grid->addWidget(m_folders, 1, 1);
    grid->addWidget(m_filter, 2, 0);
    grid->addWidget(m_drives, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {yes, no, cancel})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    listFolder();
}

bool TfrmSaveAS::Execute() {
    exec();
    return m_choice != ChoiceCancel;
}

void TfrmSaveAS::SetDirectory(const QString& path) {
    if (path.isEmpty() || !QDir(path).exists())
        return;
    m_directory = QDir(path).absolutePath();
    listFolder();
}

QString TfrmSaveAS::fileName() const {
    return m_edit->text();
}

void TfrmSaveAS::setFileName(const QString& name) {
    m_edit->setText(name);
}

QString TfrmSaveAS::chosenPath() const {
    return ResolveDrawingName(m_directory, fileName());
}

void TfrmSaveAS::pressYes() {
    if (fileName() == InitialMask)
        return; // the mask, not a name: the prompt stays open
    m_choice = ChoiceYes;
    done(Accepted);
}

void TfrmSaveAS::pressNo() {
    m_choice = ChoiceNo;
    done(Accepted);
}

void TfrmSaveAS::pressCancel() {
    m_choice = ChoiceCancel;
    done(Rejected);
}

void TfrmSaveAS::reject() {
    pressCancel();
}

void TfrmSaveAS::showEvent(QShowEvent* event) {
    m_choice = ChoiceCancel;
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TfrmSaveAS::listFolder() {
    const QDir dir(m_directory);
    m_path->setText(m_directory);
    m_folders->clear();
    if (!dir.isRoot())
        m_folders->addItem(QStringLiteral(".."));
    m_folders->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    m_files->clear();
    const QString mask = m_filter->currentData().toString();
    m_files->addItems(dir.entryList({mask.isEmpty() ? InitialMask : mask}, QDir::Files,
                                    QDir::Name | QDir::IgnoreCase));
}

void TfrmSaveAS::enterFolder(const QString& name) {
    SetDirectory(QDir(m_directory).absoluteFilePath(name));
}

} // namespace quadrilo::app
