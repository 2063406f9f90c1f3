// The listings, the editor, the 3D view and the calculation tool as the main window opens them.
#include "app/results/ResultWindowActions.h"

#include "app/ProgramState.h"
#include "app/prompts/UserPrompts.h"
#include "app/results/ResultsIntoDrawing.h"
#include "app/results/WorkingListsFromDrawing.h"
#include "app/window/TfrmMain.h"

#include "results/ResultsReader.h"

#include <QFileInfo>

namespace quadrilo::app {

ResultWindowActions::ResultWindowActions(TfrmMain& main, ResultWindows windows)
    : m_main(main), m_windows(windows) {
    results::TfrmMathGrelha2* tool = m_windows.calculationTool;
    QObject::connect(tool, &results::TfrmMathGrelha2::solverMessage, &m_main,
                     [this](const QString& line) { m_main.LogMessage(line); });
    // Results of another file now stand in "gOutput.txt": the drawing's are no longer current.
    QObject::connect(tool, &results::TfrmMathGrelha2::programFilesWritten, &m_main,
                     [this] { m_main.state().flags.ResultsCurrent = false; });
}

void ResultWindowActions::OpenListing(const QString& path) {
    if (m_windows.editor->LoadListing(path))
        m_main.prompts().showModal(*m_windows.editor);
}

void ResultWindowActions::actlistInput() {
    const QString path = m_main.state().folders.calculationInputPath();
    if (QFileInfo::exists(path))
        OpenListing(path);
    else
        m_main.LogMessage(QStringLiteral("Erro: Não há listagem de dados ainda!"));
}

void ResultWindowActions::ActListResult() {
    const ProgramState& state = m_main.state();
    const QString path = state.folders.calculationOutputPath();
    // A results file left from before a change of the model is not shown as its results.
    if (QFileInfo::exists(path) && state.flags.ResultsCurrent)
        OpenListing(path);
    else
        m_main.LogMessage(QString::fromUtf8(results::NoResultsMessage));
}

void ResultWindowActions::ShowEditor() {
    m_main.prompts().showModal(*m_windows.editor);
}

void ResultWindowActions::actViewrender() {
    ProgramState& state = m_main.state();
    if (!state.flags.ResultsCurrent || state.mesh.Lists.NodeList.empty())
        BuildWorkingLists(state.cad.drawing(), state.mesh);
    if (m_windows.view3D->BuildGrid(NodeRecords(state.mesh.Lists)))
        m_main.prompts().showModal(*m_windows.view3D);
}

void ResultWindowActions::actShowcalcDlg() {
    m_main.prompts().showModal(*m_windows.calculationTool);
}

} // namespace quadrilo::app
