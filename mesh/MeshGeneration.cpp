// Generation of the malha: the regular grid of nodes and bars laid over the box of the lajes,
// with the records and labels the caller turns into entities of the layer "Quadrilo".
#include "mesh/MeshGeneration.h"

#include "common/Format.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quadrilo::mesh {

namespace {

constexpr int LabelMiddleCentre = 4; // the CAD engine's alignment code

// Grid coordinate k along one axis: the step is kept as the project's Double, the sum is taken
// in extended precision.
double GridCoordinate(double origin, double step, std::uint32_t k) {
    return static_cast<double>(static_cast<long double>(origin) +
                               static_cast<long double>(k) * static_cast<long double>(step));
}

double GridStep(double from, double to, std::uint16_t divisions) {
    return static_cast<double>((static_cast<long double>(to) - static_cast<long double>(from)) /
                               divisions);
}

std::uint8_t NodeKind(std::uint32_t i, std::uint32_t j, std::uint16_t nDX, std::uint16_t nDY) {
    const bool onRowEdge = i == 0 || i == nDY;
    const bool onColumnEdge = j == 0 || j == nDX;
    if (onRowEdge && onColumnEdge)
        return 2;
    return onRowEdge || onColumnEdge ? 1 : 0;
}

MeshNode MakeNode(double x, double y, std::uint16_t number, std::uint8_t kind, double stepY) {
    MeshNode node;
    auto& r = node.Record;
    r.X = x;
    r.Y = y;
    r.Number = r.Number2 = number;
    r.FreeRx = r.FreeRy = r.FreeDz = 1;
    r.Kind = kind;
    node.Label = {"_" + std::to_string(number), x, y, stepY / 10, 45, 0};
    return node;
}

// A bar from node n1 to node n2, both already in the grid.
MeshBar MakeBar(const MeshGrid& grid, std::uint16_t n1, std::uint16_t n2, std::uint16_t number,
                std::uint8_t type, double labelHeight) {
    const auto& a = grid.Nodes[n1 - 1u].Record;
    const auto& b = grid.Nodes[n2 - 1u].Record;
    MeshBar bar;
    auto& r = bar.Record;
    r.X1 = a.X;
    r.Y1 = a.Y;
    r.X2 = b.X;
    r.Y2 = b.Y;
    r.N1 = n1;
    r.N2 = n2;
    r.Number = number;
    r.Orientation = ClassifyBarOrientation(r.X1, r.Y1, r.X2, r.Y2);
    r.BarType = type;
    const bool vertical = r.Orientation == 1;
    bar.Label = {"B" + std::to_string(number),
                 vertical ? r.X1 : r.X1 + (r.X2 - r.X1) / 2,
                 vertical ? r.Y1 + (r.Y2 - r.Y1) / 2 : r.Y1,
                 labelHeight,
                 vertical ? 90.0 : 0.0,
                 LabelMiddleCentre};
    return bar;
}

} // namespace

MeshPlanResult PlanMesh(std::span<const TSlabData> slabs, std::uint16_t nDX, std::uint16_t nDY) {
    if (slabs.empty())
        return {std::nullopt, "Erro: Não há uma laje lançada."};
    SlabBox box{slabs[0].MinX, slabs[0].MinY, slabs[0].MinX, slabs[0].MinY};
    for (const auto& slab : slabs) {
        box.XMin = std::min({box.XMin, slab.MinX, slab.MaxX});
        box.YMin = std::min({box.YMin, slab.MinY, slab.MaxY});
        box.XMax = std::max({box.XMax, slab.MinX, slab.MaxX});
        box.YMax = std::max({box.YMax, slab.MinY, slab.MaxY});
    }
    const auto spans = [](double from, double to) { return std::isfinite(to - from) && to > from; };
    if (!spans(box.XMin, box.XMax) || !spans(box.YMin, box.YMax))
        return {std::nullopt, "Erro: A caixa das lajes tem largura ou altura nula."};
    if (nDX == 0 || nDY == 0)
        return {std::nullopt, "Erro: n dX e n dY devem ser maiores que zero."};
    const MeshPlan plan{box, nDX, nDY};
    if (plan.NodeCount() > MaxMeshNodes || plan.BarCount() > MaxMeshBars)
        return {std::nullopt, Format("Erro: Malha de %d nós e %d barras excede o limite de %d nós "
                                     "e %d barras.",
                                     plan.NodeCount(), plan.BarCount(), MaxMeshNodes, MaxMeshBars)};
    return {plan, {}};
}

MeshGrid GenerateMesh(const MeshPlan& plan, TProjectData& project) {
    const auto& box = plan.Box;
    const std::uint16_t nDX = plan.nDX, nDY = plan.nDY;
    project.StepX = GridStep(box.XMin, box.XMax, nDX);
    project.StepY = GridStep(box.YMin, box.YMax, nDY);

    MeshGrid grid;
    grid.Nodes.reserve(plan.NodeCount());
    grid.Bars.reserve(plan.BarCount());
    std::uint16_t n = 0;
    for (std::uint32_t i = 0; i <= nDY; ++i) {
        const double y = GridCoordinate(box.YMin, project.StepY, i);
        for (std::uint32_t j = 0; j <= nDX; ++j)
            grid.Nodes.push_back(MakeNode(GridCoordinate(box.XMin, project.StepX, j), y, ++n,
                                          NodeKind(i, j, nDX, nDY), project.StepY));
    }

    std::uint16_t b = 0;
    const auto node = [nDX](std::uint32_t i, std::uint32_t j) {
        return static_cast<std::uint16_t>(i * (nDX + 1u) + j + 1);
    };
    for (std::uint32_t i = 0; i <= nDY; ++i) {
        for (std::uint32_t j = 0; j < nDX; ++j)
            grid.Bars.push_back(MakeBar(grid, node(i, j), node(i, j + 1), ++b,
                                        ClassifyBarType(0, i, j, nDX, nDY), project.StepX / 10));
        if (i == nDY)
            break;
        for (std::uint32_t j = 0; j <= nDX; ++j)
            grid.Bars.push_back(MakeBar(grid, node(i, j), node(i + 1, j), ++b,
                                        ClassifyBarType(1, i, j, nDX, nDY), project.StepY / 10));
    }
    return grid;
}

void AssignEntityIds(MeshGrid& grid, std::span<const std::uint32_t> nodeIds,
                     std::span<const std::uint32_t> barIds) {
    if (nodeIds.size() != grid.Nodes.size() || barIds.size() != grid.Bars.size())
        throw std::invalid_argument("AssignEntityIds: one entity id per node and per bar");
    // The records keep the drawing's 32-bit ids bit for bit in their signed fields.
    const auto field = [](std::uint32_t id) { return static_cast<std::int32_t>(id); };
    for (std::size_t n = 0; n < nodeIds.size(); ++n)
        grid.Nodes[n].Record.EntityID = field(nodeIds[n]);
    for (std::size_t b = 0; b < barIds.size(); ++b) {
        auto& bar = grid.Bars[b].Record;
        bar.EntityID = field(barIds[b]);
        bar.N1EntityID = field(nodeIds[bar.N1 - 1u]);
        bar.N2EntityID = field(nodeIds[bar.N2 - 1u]);
    }
}

std::string MeshGeneratedMessage(const MeshGrid& grid) {
    return "Malha gerada com " + std::to_string(grid.Bars.size()) + " Barras e " +
           std::to_string(grid.Nodes.size()) + " nós";
}

std::uint8_t ClassifyBarOrientation(double x1, double y1, double x2, double y2) {
    if (x1 == x2)
        return 1;
    return y1 == y2 ? 0 : 2;
}

std::uint8_t ClassifyBarType(std::uint8_t orientation, std::uint32_t i, std::uint32_t j,
                             std::uint16_t nDX, std::uint16_t nDY) {
    switch (orientation) {
    case 0:
        return i == 0 || i == nDY ? 1 : 0;
    case 1:
        return j == 0 || j == nDX ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace quadrilo::mesh
