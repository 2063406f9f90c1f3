// The main window: construction, start-up and shutdown, tab change, resizing, the shared helpers.
#include "app/window/TfrmMain.h"

#include "app/tabs/BeamsTab.h"
#include "app/tabs/CalculationTab.h"
#include "app/tabs/ColumnsTab.h"
#include "app/tabs/ElementEditTab.h"
#include "app/tabs/ConstructionLinesTab.h"
#include "app/drawing/DrawingLayers.h"
#include "app/documents/DrawingNames.h"
#include "app/drawing/DrawingWindow.h"
#include "app/elements/ElementFeature.h"
#include "app/mesh/GrillageActions.h"
#include "app/tabs/InitialDataTab.h"
#include "app/ProgramState.h"
#include "app/projectdata/ProjectDataEditor.h"
#include "app/recovery/Autosave.h"
#include "app/recovery/RecoveryOffer.h"
#include "app/results/ResultsFeature.h"
#include "app/tabs/SlabsTab.h"
#include "app/texts/Language.h"
#include "app/window/TfrmSaveAS.h"
#include "app/prompts/UserPrompts.h"
#include "app/views/ViewTools.h"

#include "cad/canvas/DraftingStatusBar.h"
#include "common/Format.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <clocale>

namespace quadrilo::app {
namespace {

constexpr int HintMilliseconds = 20000;
constexpr int LogMinimumHeight = 30;
// The engine's "Sair" of the context menu: close the main window, after the command has ended.
constexpr int CmdExit = 904;

} // namespace

TfrmMain::TfrmMain(ProgramState& state, UserPrompts& prompts, QString documentArgument)
    : m_state(state), m_prompts(prompts), m_documentArgument(std::move(documentArgument)),
      m_actions(this) {
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(QStringLiteral("Quadrilo"));
    resize(1227, 627);
    buildMenus();
    buildToolBars();
    buildPanels();
    m_projectData = std::make_unique<ProjectDataEditor>(
        m_state, m_prompts,
        ProjectEditors{m_initialData->edtfck, m_calculation->edtdX, m_calculation->edtdY,
                       m_initialData->edtPEConcreto, m_initialData->edtPELaje,
                       m_initialData->edtPEParede, m_initialData->edtEc, m_initialData->edtGc,
                       m_initialData->edtLoadfact, m_initialData->edtGcFactor, m_beams->edtVigaIt,
                       m_slabs->edtSlabIt, m_calculation->spndeffact, m_calculation->spnDiagDef,
                       m_initialData->memo, m_calculation->ShpColor});
    connect(&m_state.log, &MessageLog::lineAdded, m_hist, [this](const QString& line) {
        m_hist->addItem(line);
        m_hist->scrollToBottom();
    });
    connect(&m_state.log, &MessageLog::cleared, m_hist, &QListWidget::clear);
    connectActions();
    new GrillageActions(*this);
    m_views = std::make_unique<ViewTools>(*this);
}

TfrmMain::~TfrmMain() {
    if (m_startedUp)
        shutDown();
}

void TfrmMain::attach(TfrmSaveAS& savePrompt, TfrmAbout& about) {
    m_savePrompt = &savePrompt;
    m_about = &about;
    m_documents = std::make_unique<DocumentController>(m_state, m_prompts, savePrompt, *this);
}

void TfrmMain::attachResults(std::unique_ptr<ResultsFeature> results) {
    m_results = std::move(results);
}

void TfrmMain::guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        (void)m_prompts.ask(MessageRequest::error(QString::fromUtf8(e.what())));
    }
}

void TfrmMain::connectActions() {
    const auto on = [this](const char* name, std::function<void()> work) {
        connect(m_actions[name], &QAction::triggered, this,
                [this, work = std::move(work)] { guarded(work); });
    };
    on("actSaveProjExtData", [this] { (void)storeProjectData(); });
    on("actHistClear", [this] { m_state.log.clear(); });
    on("actHistSave", [this] { saveHistory(); });
    on("actLayerMalhaPVis", [this] { meshVisibility(); });
    on("actLocLoadVis", [this] { loadVisibility(); });
    on("actWeightDeleteAll", [this] { deleteAllLoads(); });
    on("actNew", [this] { m_documents->newDocument(); });
    on("actOpen", [this] { (void)m_documents->open(); });
    on("actRecent", [this] { (void)m_documents->openRecent(); });
    on("actSave", [this] { (void)m_documents->save(); });
    on("actSaveAs", [this] { (void)m_documents->saveAs(); });
    on("actClose", [this] { close(); });
    on("mnuAssociar", [this] { associateFiles(); });
    on("actPortLanguage", [this] { EngineTextsPortuguese(m_state.cad.engine().texts()); });
    on("actEnglish", [this] { EngineTextsEnglish(m_state.cad.engine().texts()); });
    on("actAbout", [this] { showAbout(); });
    const auto click = [this](QPushButton* button, std::function<void()> work) {
        connect(button, &QPushButton::clicked, this,
                [this, work = std::move(work)] { guarded(work); });
    };
    click(m_initialData->btnFckEc, [this] { fckToEc(); });
    click(m_initialData->btnGc, [this] { computeGc(); });
    click(m_constructionLines->btnCriarH, [this] { createConstructionLine(true); });
    click(m_constructionLines->btnCriarV, [this] { createConstructionLine(false); });
    connect(m_pControl, &QTabWidget::currentChanged, this,
            [this](int index) { guarded([this, index] { tabChanged(index); }); });
}

// ---------------------------------------------------------------- start-up and shutdown

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_startRequested)
        return;
    m_startRequested = true;
    // Once, after the window is on screen, so that the drawing window gets its real size.
    QTimer::singleShot(0, this, [this] { guarded([this] { runStartUp(); }); });
}

void TfrmMain::runStartUp() {
    CadSession& cad = m_state.cad;
    // 1. Hints stay long; "." is the decimal separator of every conversion.
    for (QWidget* widget : findChildren<QWidget*>())
        widget->setToolTipDuration(HintMilliseconds);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    // 3, 4. The folders are the state's; the caption shows the prefix.
    setWindowTitle(CaptionPrefix);
    // 5, 6. The engine's texts, context menus and accelerators.
    cad.installEngineTexts();
    cad.installContextMenus();
    // 7. Recent files.
    if (!m_state.recent.load(m_state.folders.recentPath()))
        LogMessage(QStringLiteral("Não foi possível identificar os recentes!"));
    // 8. The drawing window and the start drawing.
    createDrawingWindow();
    // The program's own commands: beam, slab, column, wall, the diagram, the nodal load.
    m_elements = std::make_unique<ElementFeature>(
        *this, *m_columns, *m_beams, *m_slabs, *m_elementEdit, [this] {
            if (m_results)
                m_results->RegisterCommands();
        });
    m_documents->createDrawing();
    // 9. The variables of the formulas.
    for (const char* name : {"pp", "ca", "cp", "cl", "Ec", "It", "b", "h"})
        (void)m_state.parser.AssignVariable(name, 0.0);
    // 10. Engine settings.
    cad.applyEngineSettings();
    m_drawingWindow->showCross(true);
    m_drawingWindow->showLineweights(true);
    // 11. The new document.
    m_documents->documentOpened(NewDocumentName);
    // 12. The layer combo box inside pnlLayers.
    QWidget* combo = m_drawingWindow->createLayerCombo(m_pnlLayers);
    combo->setGeometry(0, 0, m_pnlLayers->width(), m_pnlLayers->height());
    combo->show();
    // 13. The user profile.
    UserProfile profile = m_drawingWindow->profile();
    if (profile.load(m_state.folders.profilePath()))
        m_drawingWindow->applyProfile(profile);
    // 14. The tab change of the tab shown.
    tabChanged(m_pControl->currentIndex());
    // 15. The save prompt and the file dialogs start in "Drawings".
    (void)m_state.folders.makeFolders();
    m_savePrompt->SetDirectory(m_state.folders.drawingsDir());
    cad.setDefaultDir(m_state.folders.drawingsDir());
    // 16. Regenerate.
    m_drawingWindow->redraw();
    // 17. The document of the command line.
    if (!m_documentArgument.isEmpty())
        (void)m_documents->openCommandLineDocument(m_documentArgument);
    // The drawing is kept in this program's recovery files from now on.
    m_autosave = std::make_unique<Autosave>(m_state, *m_documents);
    m_autosave->start(m_state.autosaveInterval);
    m_startedUp = true;
    if (!m_holdStartUpQuestions)
        askStartUpQuestions();
    emit startUpFinished();
}

void TfrmMain::askStartUpQuestions() {
    if (m_startUpQuestionsAsked || !m_autosave)
        return;
    m_startUpQuestionsAsked = true;
    guarded([this] { (void)OfferRecovery(m_state, m_prompts, *m_documents, *m_autosave); });
}

void TfrmMain::createDrawingWindow() {
    m_drawingWindow = new DrawingWindow(m_state.cad, m_pnlCad);
    m_pnlCad->layout()->addWidget(m_drawingWindow);
    // At its size now, so that the first views fit the window the user sees.
    m_drawingWindow->show();
    m_pnlCad->layout()->activate();
    connect(m_drawingWindow, &DrawingWindow::cursorMoved, m_label14, [this](double x, double y) {
        m_label14->setText(QString::fromStdString(Format(
            "X:_(%s) ; Y:_(%s)", cad::canvas::readoutNumber(x), cad::canvas::readoutNumber(y))));
    });
    m_exitCommand = m_state.cad.addImmediateCommand(
        CmdExit, "SAIR", [this] { QTimer::singleShot(0, this, &QWidget::close); });
}

void TfrmMain::shutDown() {
    // A clean end: the work is in the user's file, or the user chose to leave it.
    if (m_autosave)
        m_autosave->end();
    if (!m_state.recent.save(m_state.folders.recentPath()))
        LogMessage(QStringLiteral("Não foi possivel salvar arquivo de recentes."));
    if (!m_drawingWindow || !m_drawingWindow->profile().save(m_state.folders.profilePath()))
        LogMessage(QStringLiteral("Não foi possível salvar perfil de usuário."));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool close = m_skipCloseCheck || !m_documents;
    if (!close)
        guarded([&] { close = m_documents->mayClose(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------- tabs and resizing

void TfrmMain::tabChanged(int index) {
    if (!storeProjectData())
        return;
    static const char* const layers[] = {
        nullptr, LayerConstructionLines, LayerColumns, LayerBeams, LayerSlabs, LayerMesh, nullptr};
    if (index >= 0 && index < int(std::size(layers)) && layers[index])
        SetCurrentLayer(QString::fromUtf8(layers[index]));
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    keepLogVisible();
}

void TfrmMain::keepLogVisible() {
    // The drawing window may not push the message log out of the right-hand area.
    const int area = m_panel3->height();
    if (m_pnlCad->height() > area - LogMinimumHeight)
        m_splitter->setSizes({area - LogMinimumHeight, LogMinimumHeight});
}

// ---------------------------------------------------------------- shared helpers

void TfrmMain::LogMessage(const QString& text) {
    m_state.log.append(text);
    // Long work repaints the log and the progress bar; user input waits until it ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmMain::PromptMessage(const QString& text) {
    LogMessage(text);
    m_state.cad.document().prompt(text.toStdString());
}

void TfrmMain::SetCurrentLayer(const QString& name) {
    (void)m_state.cad.setCurrentLayer(name);
    RefreshView();
}

QString TfrmMain::CurrentLayerName() const {
    return m_state.cad.currentLayerName();
}

void TfrmMain::RefreshView() {
    if (m_drawingWindow)
        m_drawingWindow->redraw();
}

void TfrmMain::SetLayerVisible(const QString& name, bool visible) {
    m_state.cad.setLayerVisible(name, visible);
}

// ---------------------------------------------------------------- DocumentView

void TfrmMain::showDocumentName(const QString& fileName) {
    setWindowTitle(CaptionPrefix + fileName);
}

void TfrmMain::setPropertiesVisible(bool visible) {
    m_pnlProp->setVisible(visible);
}

void TfrmMain::setViewToolBarVisible(bool visible) {
    m_toolBar2->setVisible(visible);
}

void TfrmMain::showGrid() {
    if (m_drawingWindow)
        m_drawingWindow->showGrid(true);
}

void TfrmMain::zoomAll() {
    if (m_drawingWindow)
        m_drawingWindow->zoomAll();
}

bool TfrmMain::storeProjectData() {
    return m_projectData->StoreProjectData();
}

void TfrmMain::loadProjectData() {
    (void)m_projectData->LoadProjectData();
    // Both grillage layers follow their check boxes.
    meshVisibility();
    if (QAction* deformed = m_actions["actLayerDefVis"]; deformed->isEnabled())
        deformed->trigger();
    RefreshView();
}

void TfrmMain::resetProjectData() {
    m_projectData->ResetProjectData();
}

} // namespace quadrilo::app
