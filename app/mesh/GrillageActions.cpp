// The malha's actions: grid generation and deletion, calculation data and the calculation.
#include "app/mesh/GrillageActions.h"

#include "app/ProgramState.h"
#include "app/drawing/DrawingLayers.h"
#include "app/drawing/DrawingWindow.h"
#include "app/mesh/CalculationRun.h"
#include "app/recovery/Autosave.h"
#include "app/results/ResultsIntoDrawing.h"
#include "app/tabs/CalculationTab.h"
#include "app/window/BusyGuard.h"
#include "app/window/MessageLog.h"
#include "app/window/TfrmMain.h"
#include "app/window/WindowSink.h"

#include "common/StringUtils.h"
#include "mesh/CalculationData.h"
#include "mesh/MeshDrawing.h"
#include "mesh/StaticsCheck.h"
#include "results/ResultsReader.h"

#include <QAction>
#include <QGroupBox>
#include <QProgressBar>
#include <QTabWidget>

#include <chrono>

namespace quadrilo::app {
namespace {

constexpr char NoMeshMessage[] = "Erro: Não há malha principal criada!";

QString MeshLayer() {
    return QString::fromUtf8(LayerMesh);
}

// Adds the seconds from its making to its end to a stage's figure.
class StageClock {
public:
    explicit StageClock(double& seconds) : m_seconds(seconds) {}
    ~StageClock() {
        m_seconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }
    StageClock(const StageClock&) = delete;
    StageClock& operator=(const StageClock&) = delete;

private:
    double& m_seconds;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

} // namespace

const engine::GrillageCalculation& GrillageActions::calculation() const {
    return m_state.calculation;
}

GrillageActions::GrillageActions(TfrmMain& window)
    : QObject(&window), m_window(window), m_state(window.state()) {
    const auto on = [this](const char* name, bool (GrillageActions::*work)()) {
        QAction* action = m_window.actions()[name];
        connect(action, &QAction::triggered, this,
                [this, work] { m_window.guarded([this, work] { (void)(this->*work)(); }); });
        action->setEnabled(true);
    };
    on("actMalha", &GrillageActions::GenerateMesh);
    on("actDelMesh", &GrillageActions::DeleteMesh);
    on("actGerarDados", &GrillageActions::GenerateData);
    on("actCalculate", &GrillageActions::Calculate);
}

bool GrillageActions::GenerateMesh() {
    return asOneStep(&GrillageActions::generateMesh);
}

bool GrillageActions::DeleteMesh() {
    return asOneStep(&GrillageActions::deleteMesh);
}

bool GrillageActions::GenerateData() {
    return asOneStep(&GrillageActions::generateData);
}

bool GrillageActions::Calculate() {
    // The solve is the longest work of the program: the drawing is kept before it starts.
    if (Autosave* autosave = m_window.autosave())
        (void)autosave->writeIfModified();
    return asOneStep(&GrillageActions::calculate);
}

bool GrillageActions::asOneStep(bool (GrillageActions::*work)(cad::Transaction&)) {
    // The drawing window and the tabs wait as well: the floor may not change under the work.
    std::vector<QWidget*> waiting{&m_window.tabs()};
    if (DrawingWindow* drawing = m_window.drawingWindow())
        waiting.push_back(drawing);
    BusyGuard busy(m_state, m_window.actions(), std::move(waiting));
    m_timings = {};
    bool done = false;
    {
        cad::Transaction tx(m_state.cad.drawing());
        done = (this->*work)(tx);
    }
    // Once, at the end: a redraw of a large malha costs more than the steps between.
    m_window.RefreshView();
    return done;
}

void GrillageActions::log(const std::string& line) {
    m_window.LogMessage(QString::fromStdString(line));
}

bool GrillageActions::generateMesh(cad::Transaction& tx) {
    // Every refusal comes before the old malha is touched: the current "n dX"/"n dY" first.
    if (!m_window.storeProjectData())
        return false;
    TProjectData& project = m_state.project;
    const mesh::MeshPlanResult plan =
        mesh::PlanMesh(mesh::ReadSlabs(m_state.cad.drawing()), project.nDX, project.nDY);
    if (!plan.Plan) {
        log(plan.Error);
        return false;
    }
    (void)deleteMesh(tx);
    log("Gerando a malha...");
    WorkTimer timer;
    timer.StartTimer();
    (void)m_state.cad.setCurrentLayer(MeshLayer());
    m_state.flags.ResultsCurrent = false;
    mesh::MeshGrid grid;
    {
        StageClock clock(m_timings.Mesh);
        grid = mesh::GenerateMesh(*plan.Plan, project);
        mesh::PlaceGrillage(tx, grid);
    }
    m_state.mesh.MeshNodeCount = static_cast<std::uint16_t>(grid.Nodes.size());
    m_state.mesh.MeshBarCount = static_cast<std::uint16_t>(grid.Bars.size());
    m_window.PromptMessage(QString::fromStdString(mesh::MeshGeneratedMessage(grid)));
    timer.StopTimer();
    log("Malha gerada...tempo: " + timer.ElapsedText());
    const bool data = generateData(tx);
    m_state.flags.MeshOutdated = false;
    const mesh::SlabBox& box = plan.Plan->Box;
    project.XMax = box.XMax;
    project.XMin = box.XMin;
    project.YMax = box.YMax;
    project.YMin = box.YMin;
    return m_window.storeProjectData() && data;
}

bool GrillageActions::deleteMesh(cad::Transaction& tx) {
    m_state.cad.clearSelection();
    (void)m_state.cad.setCurrentLayer(MeshLayer());
    if (mesh::EraseGrillage(tx) == 0) {
        log(NoMeshMessage);
        return false;
    }
    m_state.mesh.MeshNodeCount = 0;
    m_state.mesh.MeshBarCount = 0;
    m_state.flags.ResultsCurrent = false;
    m_window.LogMessage(QStringLiteral("Info: Malha apagada."));
    m_window.LogMessage(LogSeparator);
    m_state.flags.MeshOutdated = true;
    return true;
}

bool GrillageActions::buildWorkingLists(cad::Transaction& tx) {
    WindowSink sink(m_window);
    mesh::BuildWorkingLists(tx, m_state.mesh, sink);
    return m_window.storeProjectData();
}

bool GrillageActions::generateData(cad::Transaction& tx) {
    if (!mesh::LayerHoldsEntities(m_state.cad.drawing(), LayerMesh)) {
        log(NoMeshMessage);
        return false;
    }
    StageClock clock(m_timings.Data);
    log("Criando novas listas...");
    if (!buildWorkingLists(tx))
        return false;
    log("Criando dados de cálculo...");
    // The generation reads the lists once more, so the count lines show twice.
    if (!buildWorkingLists(tx))
        return false;
    WindowSink sink(m_window);
    if (!mesh::GenerateCalculationData(m_state.mesh, m_state.project, sink))
        return false;
    (void)mesh::WriteBackChangedRecords(tx, m_state.mesh.Lists);
    (void)m_state.cad.setCurrentLayer(MeshLayer());
    return mesh::WriteCalculationData(m_state.mesh, m_state.project,
                                      m_state.folders.calculationInputPath().toStdString(), sink);
}

bool GrillageActions::calculate(cad::Transaction& tx) {
    QGroupBox& deformed = *m_window.calculationTab().grpMalhaDeformada;
    deformed.setEnabled(false);
    // A malha that could not be generated again is not solved as if it matched the floor.
    const bool meshReady = !m_state.flags.MeshOutdated || generateMesh(tx);
    if (!mesh::LayerHoldsEntities(m_state.cad.drawing(), LayerMesh)) {
        log(NoMeshMessage);
        return false;
    }
    if (!meshReady)
        return false;
    log("***************** Iniciando cálculo *******************");
    WorkTimer timer;
    timer.StartTimer();
    // A data file that could not be written is not solved in place of the drawing's.
    if (!m_state.flags.ResultsCurrent && !generateData(tx))
        return false;
    log("Processando grelha...");
    if (!solve())
        return false;
    timer.StopTimer();
    log("Processo finalizado...tempo: " + timer.ElapsedText());
    for (const auto& line :
         mesh::StaticsCheckLines(mesh::CheckVerticalEquilibrium(m_state.calculation.Model())))
        log(line);
    loadResults(tx);
    m_state.flags.ResultsCurrent = true;
    log("***************** Cálculo Terminado *******************");
    m_window.LogMessage(LogSeparator);
    deformed.setEnabled(true);
    return true;
}

bool GrillageActions::solve() {
    StageClock clock(m_timings.Solve);
    const engine::CalculationOutcome outcome = RunCalculationOffUiThread(
        m_state.calculation, m_window.mainProgress(),
        [this](const std::string& line) { m_window.PromptMessage(QString::fromStdString(line)); },
        m_state.folders.calculationInputPath().toStdString(),
        m_state.folders.calculationOutputPath().toStdString());
    if (outcome.Succeeded)
        return true;
    // The results of an earlier run no longer stand for the drawing.
    m_state.flags.ResultsCurrent = false;
    log(outcome.Error.starts_with("Erro") ? outcome.Error : "Erro: " + outcome.Error);
    return false;
}

void GrillageActions::loadResults(cad::Transaction& tx) {
    StageClock clock(m_timings.Results);
    // Joins the open step: the records change with the calculation that made them.
    const results::ResultsLoad load = LoadResultsIntoDrawing(
        m_state.folders.calculationOutputPath().toStdString(), m_state.mesh, tx.drawing());
    if (!load.Loaded)
        log(load.Error);
}

} // namespace quadrilo::app
