// mesh-bench: the malha of a 141 × 141 grid (20 164 nodes, 40 044 bars) from the lajes to the
// calculation data text, stage by stage, one figure a line as "name value"; best of five runs.
#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "mesh/CalculationData.h"
#include "mesh/MeshFixtures.h"
#include "mesh/MeshGeneration.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

using namespace quadrilo;
using namespace quadrilo::mesh;
using quadrilo::elements::ElementKind;
using quadrilo::elements::GrillageLayer;
using quadrilo::elements::KindCode;
using Clock = std::chrono::steady_clock;

constexpr std::uint16_t Divisions = 141;
constexpr double Side = 1410; // cm: a 10 cm grid

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// A square laje with a viga on each edge, a pilar at each corner and a carga local at its centre.
test::Floor BenchFloor() {
    using namespace quadrilo::mesh::test;
    return {Project(Divisions, Divisions),
            {Slab(0, 0, Side, Side, 12, 2, 1)},
            {Beam(0, 0, Side, 0, 20, 50, 30000), Beam(Side, 0, Side, Side, 20, 50, 30000),
             Beam(0, Side, Side, Side, 20, 50, 30000), Beam(0, 0, 0, Side, 20, 50, 30000)},
            {Column(0, 0, 1, 1, 1, 0), Column(Side, 0, 1, 0, 0, 5000), Column(0, Side, 1, 0, 0, 0),
             Column(Side, Side, 1, 0, 0, 0)},
            {Load(700, 700, -10)}};
}

struct Figures {
    double mesh = 1e300, ids = 1e300, lists = 1e300, data = 1e300, text = 1e300, write = 1e300;
};

// Reads the grid's records back the way the integration reads the drawing: encoded blocks, one
// entity at a time.
void ReadGrid(const MeshGrid& grid, WorkingLists& lists) {
    for (const auto& node : grid.Nodes) {
        const auto block = node.Record.Encode();
        AddDrawnEntity(lists, {GrillageLayer, static_cast<std::uint32_t>(node.Record.EntityID),
                               KindCode(ElementKind::GrillageNode), block});
    }
    for (const auto& bar : grid.Bars) {
        const auto block = bar.Record.Encode();
        AddDrawnEntity(lists, {GrillageLayer, static_cast<std::uint32_t>(bar.Record.EntityID),
                               KindCode(ElementKind::GrillageBar), block});
    }
}

void Run(Figures& best, const std::string& input) {
    auto floor = BenchFloor();
    const auto elements = test::BuildWorkspace(floor); // the elements' lists, read once

    auto start = Clock::now();
    const auto plan = PlanMesh(floor.Slabs, Divisions, Divisions);
    auto grid = GenerateMesh(*plan.Plan, floor.Project);
    best.mesh = std::min(best.mesh, Seconds(start));

    start = Clock::now();
    std::vector<std::uint32_t> nodeIds(grid.Nodes.size()), barIds(grid.Bars.size());
    for (std::size_t k = 0; k < nodeIds.size(); ++k)
        nodeIds[k] = static_cast<std::uint32_t>(k + 1);
    for (std::size_t k = 0; k < barIds.size(); ++k)
        barIds[k] = static_cast<std::uint32_t>(nodeIds.size() + k + 1);
    AssignEntityIds(grid, nodeIds, barIds);
    best.ids = std::min(best.ids, Seconds(start));

    MeshWorkspace workspace;
    start = Clock::now();
    ReadGrid(grid, workspace.Lists);
    workspace.CountMeshFromLists();
    best.lists = std::min(best.lists, Seconds(start));
    workspace.Lists.BeamList = elements.Lists.BeamList;
    workspace.Lists.SlabList = elements.Lists.SlabList;
    workspace.Lists.ColumnList = elements.Lists.ColumnList;
    workspace.Lists.LoadList = elements.Lists.LoadList;

    CollectingSink log;
    start = Clock::now();
    if (!GenerateCalculationData(workspace, floor.Project, log))
        std::exit(3);
    best.data = std::min(best.data, Seconds(start));

    start = Clock::now();
    NodeLoadCombiner combiner(floor.Project.LoadFact);
    const auto text = CalculationDataText(workspace, combiner, log);
    best.text = std::min(best.text, Seconds(start));

    start = Clock::now();
    if (!WriteCalculationData(workspace, floor.Project, input, log))
        std::exit(4);
    best.write = std::min(best.write, Seconds(start));
}

} // namespace

int main() {
    const test::ScratchDir dir("mesh-bench-" + std::to_string(getpid()));
    Figures best;
    for (int run = 0; run < 5; ++run)
        Run(best, dir.File("gInput.txt"));

    std::printf("nodes %d\nbars %d\n", (Divisions + 1) * (Divisions + 1),
                2 * Divisions * (Divisions + 1));
    std::printf("mesh_s %.4f\n", best.mesh);   // plan and grid: records and labels
    std::printf("ids_s %.4f\n", best.ids);     // entity ids into the records
    std::printf("lists_s %.4f\n", best.lists); // grid records read back into the lists
    std::printf("data_s %.4f\n", best.data);   // materials, loads, supports
    std::printf("text_s %.4f\n", best.text);   // the calculation data text
    std::printf("write_s %.4f\n", best.write); // the text again, written whole to the file
    return 0;
}
