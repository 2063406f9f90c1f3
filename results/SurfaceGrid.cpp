// Grid mapping and colour coding of the 3D result view.
#include "results/SurfaceGrid.h"

#include "common/Format.h"

#include <algorithm>

namespace quadrilo::results {
namespace {

constexpr std::uint8_t CornerNode = 2;

// The generated malha's first row ends at its second corner node.
std::size_t FirstRowLength(std::span<const TNodeData> nodes) {
    for (std::size_t k = 1; k < nodes.size(); ++k)
        if (nodes[k].Kind == CornerNode)
            return k + 1;
    return 0;
}

bool InGenerationOrder(std::span<const TNodeData> nodes, std::size_t columns) {
    for (std::size_t k = 0; k < nodes.size(); ++k)
        if (nodes[k].Number != k + 1)
            return false;
    return nodes.front().Kind == CornerNode && nodes.back().Kind == CornerNode &&
           nodes[nodes.size() - columns].Kind == CornerNode;
}

void SetPlanExtent(std::span<const TNodeData> nodes, SurfaceGrid& grid) {
    const auto [xMin, xMax] = std::minmax_element(
        nodes.begin(), nodes.end(), [](const auto& a, const auto& b) { return a.X < b.X; });
    const auto [yMin, yMax] = std::minmax_element(
        nodes.begin(), nodes.end(), [](const auto& a, const auto& b) { return a.Y < b.Y; });
    grid.XMin = xMin->X;
    grid.XMax = xMax->X;
    grid.YMin = yMin->Y;
    grid.YMax = yMax->Y;
    const double depth = grid.YMax - grid.YMin;
    grid.ScaleFactX = depth > 0 ? (grid.XMax - grid.XMin) / depth : 1.0;
}

} // namespace

double QuantityOf(const TNodeData& node, SurfaceQuantity quantity) {
    switch (quantity) {
    case SurfaceQuantity::Dz:
        return node.dz;
    case SurfaceQuantity::Rotx:
        return node.Rotx;
    case SurfaceQuantity::Roty:
        return node.Roty;
    }
    return 0;
}

GridPosition NodeGridPosition(std::size_t k, int columns, int rows) {
    const auto c = static_cast<std::size_t>(columns);
    return {static_cast<int>(k % c) + 1, rows - static_cast<int>(k / c)};
}

SurfaceGridBuild BuildSurfaceGrid(std::span<const TNodeData> nodes, SurfaceQuantity quantity) {
    if (nodes.empty())
        return {"Erro: Não há malha principal criada!", {}};
    const std::size_t columns = FirstRowLength(nodes);
    if (columns == 0 || nodes.size() % columns != 0 || !InGenerationOrder(nodes, columns))
        return {Format("Erro: Os %d nós da malha não formam a grade da malha gerada; gere a "
                       "malha novamente",
                       nodes.size()),
                {}};

    SurfaceGridBuild build;
    auto& grid = build.Grid;
    grid.Columns = static_cast<int>(columns);
    grid.Rows = static_cast<int>(nodes.size() / columns);
    grid.Values.resize(nodes.size());
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const double value = QuantityOf(nodes[k], quantity);
        grid.ColorScaleLow = std::min(grid.ColorScaleLow, value);
        grid.ColorScaleHigh = std::max(grid.ColorScaleHigh, value);
        const auto at = NodeGridPosition(k, grid.Columns, grid.Rows);
        grid.Values[static_cast<std::size_t>(at.Row - 1) * columns + (at.Column - 1)] = value;
    }
    SetPlanExtent(nodes, grid);
    return build;
}

std::vector<GradientStop> GradientStops(const ColourCoding& coding) {
    if (coding.Mode == ColorCodingMode::TwoColors)
        return {{0.0, coding.Low}, {1.0, coding.High}};
    return {{0.0, coding.Low}, {0.5, coding.Mid}, {1.0, coding.High}};
}

} // namespace quadrilo::results
