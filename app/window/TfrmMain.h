// The main window `TfrmMain`.
#pragma once

#include "app/documents/DocumentController.h"
#include "app/window/MainActions.h"

#include "cad/Signal.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QProgressBar;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace quadrilo::app {

class Autosave;
class BeamsTab;
class CalculationTab;
class ColumnsTab;
class ConstructionLinesTab;
class DrawingWindow;
class ElementFeature;
class ElementEditTab;
class InitialDataTab;
class ProgramState;
class ProjectDataEditor;
class ResultsFeature;
class SlabsTab;
class TfrmAbout;
class TfrmSaveAS;
class UserPrompts;
class ViewTools;

inline const QString CaptionPrefix = QStringLiteral("Tessimo - Orvani/Teluma-> ");

// The main window `TfrmMain`: the two tool bars, the seven tabs that lead through the work, the
// engine's drawing window and the message log `Hist`; the start-up and shutdown sequences, the tab
// change, and the shared helpers LogMessage, PromptMessage, SetCurrentLayer, CurrentLayerName,
// RefreshView and SetLayerVisible.
class TfrmMain : public QMainWindow, public DocumentView {
    Q_OBJECT
public:
    // `documentArgument` is the document named on the command line (empty for none).
    TfrmMain(ProgramState& state, UserPrompts& prompts, QString documentArgument = {});
    ~TfrmMain() override;

    // The windows created after the main window: the save prompt and the about box.
    void attach(TfrmSaveAS& savePrompt, TfrmAbout& about);
    // The results' actions and windows, after the result windows are made.
    void attachResults(std::unique_ptr<ResultsFeature> results);
    [[nodiscard]] ResultsFeature* results() { return m_results.get(); }

    [[nodiscard]] bool startedUp() const { return m_startedUp; }
    // Closing ends the program without the close check (a script's --exit).
    void skipCloseCheck() { m_skipCloseCheck = true; }
    // The questions of the start-up (the work of programs that ended without closing) wait until
    // askStartUpQuestions, so that a script's answers come first.
    void holdStartUpQuestions() { m_holdStartUpQuestions = true; }
    // Asks them, once; later calls do nothing.
    void askStartUpQuestions();

    // ---- shared helpers
    void LogMessage(const QString& text);
    void PromptMessage(const QString& text);
    void SetCurrentLayer(const QString& name);
    [[nodiscard]] QString CurrentLayerName() const;
    void RefreshView();
    void SetLayerVisible(const QString& name, bool visible);

    // ---- the parts others drive
    [[nodiscard]] ProgramState& state() { return m_state; }
    [[nodiscard]] UserPrompts& prompts() { return m_prompts; }
    [[nodiscard]] const MainActions& actions() const { return m_actions; }
    [[nodiscard]] DocumentController& documents() { return *m_documents; }
    [[nodiscard]] ProjectDataEditor& projectData() { return *m_projectData; }
    [[nodiscard]] ViewTools& views() { return *m_views; }
    // Null until the start-up has opened the first document.
    [[nodiscard]] Autosave* autosave() { return m_autosave.get(); }
    // Null until the start-up has created the drawing.
    [[nodiscard]] DrawingWindow* drawingWindow() { return m_drawingWindow; }
    [[nodiscard]] QTabWidget& tabs() { return *m_pControl; }
    [[nodiscard]] InitialDataTab& initialDataTab() { return *m_initialData; }
    [[nodiscard]] ConstructionLinesTab& constructionLinesTab() { return *m_constructionLines; }
    [[nodiscard]] CalculationTab& calculationTab() { return *m_calculation; }
    // The progress bar the solver advances.
    [[nodiscard]] QProgressBar& mainProgress() { return *m_mainProgress; }

    // Runs an action's work under the general error handler: an exception stops the work and
    // its message is shown; the window stays usable.
    void guarded(const std::function<void()>& work);

    // ---- DocumentView
    void showDocumentName(const QString& fileName) override;
    void setPropertiesVisible(bool visible) override;
    void setViewToolBarVisible(bool visible) override;
    void showGrid() override;
    void zoomAll() override;
    [[nodiscard]] bool storeProjectData() override;
    void loadProjectData() override;
    void resetProjectData() override;

signals:
    void startUpFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // layout (TfrmMainLayout.cpp)
    void buildMenus();
    void buildToolBars();
    void buildPanels();
    QWidget* buildTabs();
    void connectActions();

    // start-up and shutdown
    void runStartUp();
    void createDrawingWindow();
    void shutDown();
    void tabChanged(int index);
    void keepLogVisible();

    // the tools of tabs 1, 2 and 6 (TfrmMainTools.cpp)
    void fckToEc();
    void computeGc();
    void createConstructionLine(bool horizontal);
    void deleteAllLoads();
    void saveHistory();
    void meshVisibility();
    void loadVisibility();
    void associateFiles();
    void showAbout();

    ProgramState& m_state;
    UserPrompts& m_prompts;
    QString m_documentArgument;
    MainActions m_actions;
    std::unique_ptr<ProjectDataEditor> m_projectData;
    std::unique_ptr<DocumentController> m_documents;
    TfrmSaveAS* m_savePrompt = nullptr;
    TfrmAbout* m_about = nullptr;

    QToolBar* m_toolBar1 = nullptr;
    QToolBar* m_toolBar2 = nullptr;
    QWidget* m_pnlLayers = nullptr;
    QLabel* m_label14 = nullptr;
    QProgressBar* m_mainProgress = nullptr;
    QWidget* m_pnlProp = nullptr;
    QTabWidget* m_pControl = nullptr;
    QWidget* m_panel3 = nullptr;
    QSplitter* m_splitter = nullptr;
    QWidget* m_pnlCad = nullptr;
    QListWidget* m_hist = nullptr;
    DrawingWindow* m_drawingWindow = nullptr;
    cad::Subscription m_exitCommand; // the engine's "SAIR", registered while the window lives
    std::unique_ptr<ElementFeature> m_elements; // element commands, events and panels

    InitialDataTab* m_initialData = nullptr;
    ConstructionLinesTab* m_constructionLines = nullptr;
    ColumnsTab* m_columns = nullptr;
    BeamsTab* m_beams = nullptr;
    SlabsTab* m_slabs = nullptr;
    CalculationTab* m_calculation = nullptr;
    ElementEditTab* m_elementEdit = nullptr;

    bool m_startRequested = false;
    bool m_startedUp = false;
    bool m_skipCloseCheck = false;
    bool m_holdStartUpQuestions = false;
    bool m_startUpQuestionsAsked = false;
    std::unique_ptr<Autosave> m_autosave; // the drawing in this program's recovery files
    std::unique_ptr<ViewTools> m_views; // drawing tools, views, printing and export
    std::unique_ptr<ResultsFeature> m_results; // first to go: it holds the diagram command
};

} // namespace quadrilo::app
