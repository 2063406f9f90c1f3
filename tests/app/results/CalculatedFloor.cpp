// A calculated floor in a running program.
#include "CalculatedFloor.h"

#include "app/drawing/DrawingLayers.h"
#include "app/results/ResultsFeature.h"
#include "app/results/WorkingListsFromDrawing.h"
#include "app/window/TfrmAbout.h"
#include "app/window/TfrmSaveAS.h"

#include "cad/Transaction.h"
#include "elements/ElementKind.h"
#include "mesh/CalculationData.h"

#include <QCoreApplication>

#include <numbers>

namespace quadrilo::app::test {
namespace {

class Lines : public MessageSink {
public:
    void LogMessage(const std::string& line) override { text += line + "\n"; }
    std::string text;
};

cad::Entity Label(const mesh::MeshLabel& label, cad::LayerId layer) {
    return {.layer = layer,
            .color = mesh::GrillageColour,
            .shape = cad::TextShape{{label.X, label.Y, 0},
                                    label.Text,
                                    {label.Height, label.AngleDegrees * std::numbers::pi / 180,
                                     label.Alignment}}};
}

// The malha's entities in one bulk step, then their records with the entity ids.
void DrawMalha(mesh::MeshGrid& grid, cad::Drawing& drawing) {
    cad::Transaction tx(drawing);
    const cad::LayerId layer = drawing.layerByName(LayerMesh);
    std::vector<cad::Entity> entities;
    for (const mesh::MeshNode& n : grid.Nodes)
        entities.push_back({.layer = layer,
                            .color = mesh::GrillageColour,
                            .userData = elements::KindCode(elements::ElementKind::GrillageNode),
                            .shape = cad::PointShape{{n.Record.X, n.Record.Y, 0}}});
    for (const mesh::MeshBar& b : grid.Bars)
        entities.push_back(
            {.layer = layer,
             .color = mesh::GrillageColour,
             .userData = elements::KindCode(elements::ElementKind::GrillageBar),
             .shape = cad::LineShape{{b.Record.X1, b.Record.Y1, 0}, {b.Record.X2, b.Record.Y2, 0}}});
    for (const mesh::MeshNode& n : grid.Nodes)
        entities.push_back(Label(n.Label, layer));
    for (const mesh::MeshBar& b : grid.Bars)
        entities.push_back(Label(b.Label, layer));
    const std::vector<cad::EntityId> ids = tx.replaceLayerContents(layer, std::move(entities));
    std::vector<std::uint32_t> nodeIds, barIds;
    for (std::size_t i = 0; i < grid.Nodes.size(); ++i)
        nodeIds.push_back(ids[i].value);
    for (std::size_t i = 0; i < grid.Bars.size(); ++i)
        barIds.push_back(ids[grid.Nodes.size() + i].value);
    mesh::AssignEntityIds(grid, nodeIds, barIds);
    for (const mesh::MeshNode& n : grid.Nodes)
        (void)tx.setExtendedData(cad::EntityId{std::uint32_t(n.Record.EntityID)}, n.Record.Encode());
    for (const mesh::MeshBar& b : grid.Bars)
        (void)tx.setExtendedData(cad::EntityId{std::uint32_t(b.Record.EntityID)}, b.Record.Encode());
}

template <class Record>
void AddElements(std::vector<mesh::WorkingItem<Record>>& list, const std::vector<Record>& records,
                 std::uint32_t firstId) {
    for (Record r : records) {
        if constexpr (requires { r.EntityID; })
            r.EntityID = static_cast<std::int32_t>(firstId);
        list.push_back({firstId++, r, false});
    }
}

// The records the data generation changed, back in their entities.
template <class Record>
void WriteBack(const std::vector<mesh::WorkingItem<Record>>& list, cad::Transaction& tx) {
    for (const auto& item : list)
        if (item.Changed)
            (void)tx.setExtendedData(cad::EntityId{item.EntityID}, item.Data.Encode());
}

} // namespace

std::string CalculateFloor(ProgramState& state, mesh::test::Floor floor) {
    const mesh::MeshPlanResult plan =
        mesh::PlanMesh(floor.Slabs, floor.Project.nDX, floor.Project.nDY);
    if (!plan.Plan)
        return plan.Error;
    state.project = floor.Project;
    mesh::MeshGrid grid = mesh::GenerateMesh(*plan.Plan, state.project);
    cad::Drawing& drawing = state.cad.drawing();
    DrawMalha(grid, drawing);

    BuildWorkingLists(drawing, state.mesh);
    mesh::WorkingLists& lists = state.mesh.Lists;
    // The elements stand in the lists only, under ids no entity of the drawing takes.
    AddElements(lists.SlabList, floor.Slabs, 1000000);
    AddElements(lists.BeamList, floor.Beams, 1100000);
    AddElements(lists.ColumnList, floor.Columns, 1200000);
    AddElements(lists.LoadList, floor.Loads, 1300000);
    Lines lines;
    if (!mesh::GenerateCalculationData(state.mesh, state.project, lines))
        return lines.text;
    {
        cad::Transaction tx(drawing);
        WriteBack(lists.NodeList, tx);
        WriteBack(lists.BarList, tx);
    }
    const std::string input = state.folders.calculationInputPath().toStdString();
    const std::string output = state.folders.calculationOutputPath().toStdString();
    if (!mesh::WriteCalculationData(state.mesh, state.project, input, lines))
        return lines.text;
    const engine::CalculationOutcome outcome =
        state.calculation.RunGrillageCalculation(input, output);
    if (!outcome.Succeeded)
        return outcome.Error;
    state.flags.MeshOutdated = false;
    state.flags.ResultsCurrent = true;
    return {};
}

std::string CalculateLShapedFloor(ProgramState& state) {
    return CalculateFloor(state, mesh::test::LShapedFloor());
}

RunningProgram::RunningProgram(const QString& folder)
    : state(AppFolders{folder + QStringLiteral("/program"), folder + QStringLiteral("/home")}) {
    (void)state.folders.makeFolders();
    window = std::make_unique<TfrmMain>(state, prompts);
    auto* savePrompt = new TfrmSaveAS(window.get());
    auto* about = new TfrmAbout(window.get());
    windows = CreateResultWindows(*window);
    window->attach(*savePrompt, *about);
    window->attachResults(std::make_unique<ResultsFeature>(*window, windows));
    window->show();
    while (!window->startedUp())
        QCoreApplication::processEvents();
}

RunningProgram::~RunningProgram() {
    window->skipCloseCheck();
}

} // namespace quadrilo::app::test
