// Generation-order malha records and their calculation data for the results tests.
#include "GeneratedMalha.h"

#include "engine/CalculationDataWriter.h"
#include "engine/GrillageCalculation.h"
#include "results/ResultsReader.h"

#include <fstream>
#include <stdexcept>

namespace quadrilo::results::fixtures {
namespace {

std::uint8_t NodeKind(int i, int j, int nx, int ny) {
    const bool rowEdge = i == 0 || i == ny, columnEdge = j == 0 || j == nx;
    return rowEdge && columnEdge ? 2 : rowEdge || columnEdge ? 1 : 0;
}

TBarData Bar(const GeneratedMalha& m, int n1, int n2, bool lateral, std::int32_t& nextId) {
    const auto& a = m.Nodes[n1 - 1];
    const auto& b = m.Nodes[n2 - 1];
    TBarData bar;
    bar.X1 = a.X;
    bar.Y1 = a.Y;
    bar.X2 = b.X;
    bar.Y2 = b.Y;
    bar.N1 = static_cast<std::uint16_t>(n1);
    bar.N2 = static_cast<std::uint16_t>(n2);
    bar.Number = static_cast<std::uint16_t>(m.Bars.size() + 1);
    bar.N1EntityID = a.EntityID;
    bar.N2EntityID = b.EntityID;
    bar.EntityID = nextId++;
    bar.Material = 1;
    bar.Orientation = a.X == b.X ? 1 : 0;
    bar.BarType = lateral ? 1 : 0;
    return bar;
}

} // namespace

GeneratedMalha GenerateMalha(int nx, int ny, double stepX, double stepY, double xMin, double yMin) {
    GeneratedMalha m{nx, ny, {}, {}};
    std::int32_t nextId = 1001;
    for (int i = 0; i <= ny; ++i)
        for (int j = 0; j <= nx; ++j) {
            TNodeData node;
            node.X = xMin + j * stepX;
            node.Y = yMin + i * stepY;
            node.Number = node.Number2 = static_cast<std::uint16_t>(m.Nodes.size() + 1);
            node.FreeRx = node.FreeRy = node.FreeDz = 1;
            node.EntityID = nextId++;
            node.Kind = NodeKind(i, j, nx, ny);
            m.Nodes.push_back(node);
        }
    for (int i = 0; i <= ny; ++i) {
        for (int j = 0; j < nx; ++j) {
            const int n1 = i * (nx + 1) + j + 1;
            m.Bars.push_back(Bar(m, n1, n1 + 1, i == 0 || i == ny, nextId));
        }
        if (i < ny)
            for (int j = 0; j <= nx; ++j) {
                const int n1 = i * (nx + 1) + j + 1;
                m.Bars.push_back(Bar(m, n1, n1 + nx + 1, j == 0 || j == nx, nextId));
            }
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
