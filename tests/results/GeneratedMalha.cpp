// Generation-order malha records and their calculation data for the results tests.
#include "GeneratedMalha.h"

#include "elements/TSlabData.h"
#include "engine/CalculationDataWriter.h"
#include "engine/GrillageCalculation.h"
#include "mesh/MeshGeneration.h"
#include "project/TProjectData.h"
#include "results/ResultsReader.h"

#include <fstream>
#include <numeric>
#include <span>
#include <stdexcept>

namespace quadrilo::results::fixtures {
GeneratedMalha GenerateMalha(int nx, int ny, double stepX, double stepY, double xMin, double yMin) {
    // One laje over the whole grid, laid out by the malha's own generator.
    TSlabData slab;
    slab.MinX = xMin;
    slab.MinY = yMin;
    slab.MaxX = xMin + nx * stepX;
    slab.MaxY = yMin + ny * stepY;
    const auto planned = mesh::PlanMesh(std::span(&slab, 1), static_cast<std::uint16_t>(nx),
                                        static_cast<std::uint16_t>(ny));
    if (!planned.Plan)
        throw std::invalid_argument(planned.Error);
    TProjectData project;
    auto grid = mesh::GenerateMesh(*planned.Plan, project);
    // Entity ids as the drawing would give them: every one unique.
    std::vector<std::uint32_t> nodeIds(grid.Nodes.size()), barIds(grid.Bars.size());
    std::iota(nodeIds.begin(), nodeIds.end(), 1001u);
    std::iota(barIds.begin(), barIds.end(), 1001u + static_cast<std::uint32_t>(nodeIds.size()));
    mesh::AssignEntityIds(grid, nodeIds, barIds);

    GeneratedMalha m{nx, ny, {}, {}};
    for (const auto& node : grid.Nodes)
        m.Nodes.push_back(node.Record);
    for (auto bar : grid.Bars) {
        bar.Record.Material = 1;
        m.Bars.push_back(bar.Record);
    }
    return m;
}

std::string CalculationDataOf(const GeneratedMalha& m) {
    const double E = 2.38e7, G = 0.4 * E, h = 0.10, width = 0.5;
    engine::CalculationDataWriter out;
    out.MaterialCount(1);
    out.Material(E, h * h * h * width / 12, G, h * h * h * width / 6);
    out.Counts(static_cast<std::int32_t>(m.Nodes.size()), static_cast<std::int32_t>(m.Bars.size()));
    for (const auto& node : m.Nodes)
        out.Coordinates(node.X / 100, node.Y / 100);
    for (const auto& bar : m.Bars)
        out.Bar(bar.N1, bar.N2, bar.Material);
    for (std::size_t k = 0; k < m.Nodes.size(); ++k)
        out.Loads(0, 0, -2.5 - 0.1 * static_cast<double>(k % 7));
    for (const auto& node : m.Nodes)
        out.Restraint(1, 1, node.Kind == 2 ? 0 : 1, 0);
    return out.Text();
}

GeneratedMalha SolvedMalha(int nx, int ny, double step, const std::filesystem::path& folder) {
    const auto input = (folder / "gInput.txt").string();
    const auto output = (folder / "gOutput.txt").string();
    auto malha = GenerateMalha(nx, ny, step, step);
    std::ofstream(input, std::ios::binary) << CalculationDataOf(malha);
    engine::GrillageCalculation calculation;
    const auto outcome = calculation.RunGrillageCalculation(input, output);
    const auto load = outcome.Succeeded ? ReadResultsIntoRecords(output, malha.Nodes, malha.Bars)
                                        : ResultsLoad{false, outcome.Error};
    if (!load.Loaded)
        throw std::runtime_error(load.Error);
    return malha;
}

} // namespace quadrilo::results::fixtures
