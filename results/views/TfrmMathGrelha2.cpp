// The calculation tool dialog: folder tree, file list, the two names and the run off the
// user-interface thread.
#include "TfrmMathGrelha2.h"

#include "QtFileFilters.h"
#include "results/CalculationFiles.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QThread>
#include <QTreeView>
#include <QVBoxLayout>

#include <set>

namespace quadrilo::results {
namespace {

constexpr const char* Filter = "Arq. Texto (*.txt)|*.txt|Qualquer tipo (*.*)|*.*";
constexpr int ProgressMaximum = 90;

QStringList DriveRoots() {
    std::set<QString> roots{"/"};
    for (const auto& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots.insert(volume.rootPath());
    return {roots.begin(), roots.end()};
}

std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

} // namespace

// The solver reports from its worker thread; the bar moves on the user-interface thread.
class TfrmMathGrelha2::QueuedProgress : public engine::ProgressIndicator {
public:
    explicit QueuedProgress(QProgressBar* bar) : m_bar(bar), m_maximum(bar->maximum()) {}
    [[nodiscard]] int Maximum() const override { return m_maximum; }
    void SetPosition(int position) override {
        QMetaObject::invokeMethod(
            m_bar, [bar = m_bar, position] { bar->setValue(position); }, Qt::QueuedConnection);
    }

private:
    QProgressBar* m_bar;
    const int m_maximum;
};

TfrmMathGrelha2::TfrmMathGrelha2(engine::GrillageCalculation& calculation, QString programDir,
                                 QWidget* parent)
    : QDialog(parent), m_calculation(calculation), m_programDir(std::move(programDir)),
      m_folders(new QFileSystemModel(this)), m_files(new QFileSystemModel(this)),
      m_drives(new QComboBox(this)), m_folderTree(new QTreeView(this)),
      m_fileList(new QListView(this)), m_filter(new QComboBox(this)),
      m_input(new QLineEdit("*.txt", this)), m_output(new QLineEdit(this)),
      m_run(new QPushButton("Processar", this)), m_progress(new QProgressBar(this)),
      m_close(new QPushButton("Fechar", this)), m_status(new QLabel(this)) {
    setObjectName("TfrmMathGrelha2");
    setWindowTitle(QString::fromUtf8("Ferramenta de Cálculo de Grelhas:"));
    m_drives->setObjectName("DriveComboBox1");
    m_folderTree->setObjectName("DirectoryListBox1");
    m_fileList->setObjectName("FileListBox1");
    m_filter->setObjectName("FilterComboBox1");
    m_input->setObjectName("Edit1");
    m_output->setObjectName("Edit2");
    m_run->setObjectName("executar");
    m_progress->setObjectName("progress");
    m_close->setObjectName("BitBtn1");
    m_status->setObjectName("lblStatus");

    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath("/");
    m_folderTree->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_folderTree->hideColumn(column);
    m_folderTree->setHeaderHidden(true);
    m_folderTree->setMinimumSize(260, 260);
    m_drives->addItems(DriveRoots());

    m_files->setFilter(QDir::Files);
    m_files->setNameFilterDisables(false);
    m_fileList->setModel(m_files);
    m_fileList->setMinimumSize(220, 260);
    m_filter->addItems(DialogNameFilters(Filter));

    m_progress->setRange(0, ProgressMaximum);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_status->setWordWrap(true);
    m_status->setMinimumWidth(500);
    m_progressBridge = std::make_unique<QueuedProgress>(m_progress);

    auto* lists = new QGridLayout;
    lists->addWidget(m_drives, 0, 0);
    lists->addWidget(m_filter, 0, 1);
    lists->addWidget(m_folderTree, 1, 0);
    lists->addWidget(m_fileList, 1, 1);
    auto* names = new QFormLayout;
    names->addRow("Arquivo de dados:", m_input);
    names->addRow("Arquivo de resultados:", m_output);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_run);
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(names);
    layout->addLayout(buttons);
    layout->addWidget(m_status);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a dialog of fixed size

    connect(m_drives, &QComboBox::textActivated, this, [this](const QString& root) {
        m_folderTree->setRootIndex(m_folders->index(root));
        ShowFolder(root);
    });
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (!m_revealPending)
            return;
        RevealFolder();
        m_revealPending = loaded != m_folder;
    });
    connect(m_folderTree, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { ShowFolder(m_folders->filePath(index)); });
    connect(m_fileList, &QListView::clicked, this,
            [this](const QModelIndex& index) { m_input->setText(m_files->filePath(index)); });
    connect(m_filter, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_files->setNameFilters(FileListMasks(Filter).value(index)); });
    connect(m_run, &QPushButton::clicked, this, &TfrmMathGrelha2::executarClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    m_files->setNameFilters(FileListMasks(Filter).value(0));
}

TfrmMathGrelha2::~TfrmMathGrelha2() {
    if (m_worker)
        m_worker->wait();
}

void TfrmMathGrelha2::ShowFolder(const QString& folder) {
    m_folder = folder;
    m_files->setRootPath(folder);
    m_fileList->setRootIndex(m_files->index(folder));
    m_revealPending = true;
    RevealFolder();
}

// The folder model reads in the background: until the shown folder itself is read, each folder
// it reads may bring it in reach of the tree.
void TfrmMathGrelha2::RevealFolder() {
    const auto index = m_folders->index(m_folder);
    for (auto parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_folderTree->expand(parent);
    m_folderTree->setCurrentIndex(index);
    m_folderTree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TfrmMathGrelha2::FormActivate() {
    ShowFolder(m_programDir);
    // Before any run the solver has no names, and the input keeps its "*.txt".
    if (!m_calculation.LastInputFile().empty() || !m_calculation.LastOutputFile().empty()) {
        m_input->setText(QString::fromStdString(m_calculation.LastInputFile()));
        m_output->setText(QString::fromStdString(m_calculation.LastOutputFile()));
    }
}

void TfrmMathGrelha2::executarClick() {
    if (Running())
        return;
    const auto folder = PathOf(m_folder);
    const auto input = ResolveFileName(m_input->text().toStdString(), folder);
    const auto output = ResolveFileName(m_output->text().toStdString(), folder);
    if (m_output->text().trimmed().isEmpty()) {
        ShowStatus("Erro: Falta o nome do arquivo de resultados", true);
        return;
    }
    if (SameFile(input, output)) {
        ShowStatus(QString::fromUtf8(SameFileMessage), true);
        return;
    }

    ShowStatus({}, false);
    SetIdle(false);
    m_calculation.AttachProgress(m_progressBridge.get());
    m_calculation.SetMessageSink(
        [this](const std::string& line) { emit solverMessage(QString::fromStdString(line)); });
    auto outcome = std::make_shared<engine::CalculationOutcome>();
    m_worker = QThread::create([this, outcome, in = input.string(), out = output.string()] {
        *outcome = m_calculation.RunGrillageCalculation(in, out);
    });
    const auto outputName = QString::fromStdString(output.string());
    connect(m_worker, &QThread::finished, this,
            [this, outcome, outputName] { RunFinished(*outcome, outputName); });
    m_worker->start();
}

void TfrmMathGrelha2::RunFinished(const engine::CalculationOutcome& outcome,
                                  const QString& output) {
    m_calculation.AttachProgress(nullptr);
    m_calculation.SetMessageSink(nullptr);
    m_worker->deleteLater();
    m_worker = nullptr;
    SetIdle(true);
    if (outcome.Succeeded) {
        ShowStatus(QString::fromUtf8("Info: Resultados gravados em ") + output, false);
        if (IsProgramCalculationFile(PathOf(output), PathOf(m_programDir)))
            emit programFilesWritten();
    } else {
        ShowStatus("Erro: " + QString::fromStdString(outcome.Error), true);
    }
    emit calculationFinished(outcome.Succeeded);
}

void TfrmMathGrelha2::ShowStatus(const QString& text, bool error) {
    m_status->setStyleSheet(error ? "color: #b00000;" : "");
    m_status->setText(text);
}

void TfrmMathGrelha2::SetIdle(bool idle) {
    m_run->setEnabled(idle);
    m_close->setEnabled(idle);
}

void TfrmMathGrelha2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

// The dialog stays open while the solver still writes into its progress bar.
void TfrmMathGrelha2::closeEvent(QCloseEvent* event) {
    if (Running())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TfrmMathGrelha2::reject() {
    if (!Running())
        QDialog::reject();
}

} // namespace quadrilo::results
