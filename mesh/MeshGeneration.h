// Generation of the malha: the regular grid of nodes and bars laid over the box of the lajes,
// with the records and labels the caller turns into entities of the layer "Quadrilo".
#pragma once

#include "elements/TSlabData.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"
#include "project/TProjectData.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quadrilo::mesh {

// Colour index of every entity of the malha: nodes, bars and their labels.
inline constexpr int GrillageColour = 6;

// Node and bar numbers are the records' 16-bit fields; the solver takes any grid that fits them.
inline constexpr std::uint64_t MaxMeshNodes = 65535;
inline constexpr std::uint64_t MaxMeshBars = 65535;

struct SlabBox {
    double XMin = 0, YMin = 0, XMax = 0, YMax = 0;
};

// A grid that can be generated: the box of the lajes and divisions that fit the records.
struct MeshPlan {
    SlabBox Box;
    std::uint16_t nDX = 0;
    std::uint16_t nDY = 0;

    [[nodiscard]] std::uint64_t NodeCount() const { return (nDX + 1ull) * (nDY + 1ull); }
    [[nodiscard]] std::uint64_t BarCount() const { return (nDY + 1ull) * nDX + nDY * (nDX + 1ull); }
};

// The plan, or the "Erro:" line that refuses it.
struct MeshPlanResult {
    std::optional<MeshPlan> Plan;
    std::string Error;
};

// Checks everything before the old malha is touched: a laje exists, the lajes' box has width
// and height, nDX and nDY are not 0, and the grid fits MaxMeshNodes and MaxMeshBars. The box
// takes the least and greatest of every laje's MinX, MaxX (and MinY, MaxY).
[[nodiscard]] MeshPlanResult PlanMesh(std::span<const TSlabData> slabs, std::uint16_t nDX,
                                      std::uint16_t nDY);

// A text entity of the malha: angle in degrees, alignment in the CAD engine's codes.
struct MeshLabel {
    std::string Text;
    double X = 0, Y = 0;
    double Height = 0;
    double AngleDegrees = 0;
    int Alignment = 0;

    bool operator==(const MeshLabel&) const = default;
};

struct MeshNode {
    TNodeData Record;
    MeshLabel Label;
};

struct MeshBar {
    TBarData Record;
    MeshLabel Label;
};

// The grid in numbering order: node n is Nodes[n − 1], bar b is Bars[b − 1]. Each node is a
// point at (X, Y, 0), each bar a line between its ends; every entity takes GrillageColour, the
// points ElementKind::GrillageNode, the lines ElementKind::GrillageBar, the labels
// ElementKind::None. The entity ids in the records stay 0 until AssignEntityIds.
struct MeshGrid {
    std::vector<MeshNode> Nodes;
    std::vector<MeshBar> Bars;
};

// Lays the planned grid, row by row from YMin, each row from XMin: node (i, j) is number
// i·(nDX + 1) + j + 1; the nDX horizontal bars of row i, then the nDX + 1 vertical bars rising
// from it. Writes StepX and StepY into the project; coordinates are XMin + j·StepX (and likewise
// in Y) summed in extended precision.
[[nodiscard]] MeshGrid GenerateMesh(const MeshPlan& plan, TProjectData& project);

// Fills the records' entity ids once the drawing has made the entities: nodeIds[n − 1] is the
// point of node n, barIds[b − 1] the line of bar b. Throws std::invalid_argument when a list
// does not have one id per node or per bar.
void AssignEntityIds(MeshGrid& grid, std::span<const std::uint32_t> nodeIds,
                     std::span<const std::uint32_t> barIds);

// "Malha gerada com <bars> Barras e <nodes> nós".
[[nodiscard]] std::string MeshGeneratedMessage(const MeshGrid& grid);

// 1 vertical when X1 = X2, else 0 horizontal when Y1 = Y2, else 2 diagonal (exact comparisons).
[[nodiscard]] std::uint8_t ClassifyBarOrientation(double x1, double y1, double x2, double y2);

// 1 lateral for a horizontal bar on the first or last row (i) or a vertical bar on the first or
// last column (j) of the grid; 0 internal for every other bar, diagonals included.
[[nodiscard]] std::uint8_t ClassifyBarType(std::uint8_t orientation, std::uint32_t i,
                                           std::uint32_t j, std::uint16_t nDX, std::uint16_t nDY);

} // namespace quadrilo::mesh
