// The 3D result view's data grid: one nodal result of the malha on the grid of its nodes.
#pragma once

#include "mesh/TNodeData.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo::results {

// The result plotted, by its item in "Tipo de deformação:".
enum class SurfaceQuantity : int {
    Dz = 0,   // "dZ (Deslocamento em z)"
    Rotx = 1, // "rX (Rotação entorno de x)"
    Roty = 2, // "rY (Rotação em torno de y)"
};

[[nodiscard]] double QuantityOf(const TNodeData& node, SurfaceQuantity quantity);

// 1-based grid position of a node.
struct GridPosition {
    int Column = 0;
    int Row = 0;
    bool operator==(const GridPosition&) const = default;
};

// Node k (from 0, in generation order) of a grid of `columns` × `rows`: column k mod columns + 1,
// row rows − k div columns. Row `rows` is the row at the least Y, row 1 the one at the greatest.
[[nodiscard]] GridPosition NodeGridPosition(std::size_t k, int columns, int rows);

struct SurfaceGrid {
    int Columns = 0;
    int Rows = 0;
    std::vector<double> Values; // row 1 first, each row from column 1

    // The colour scale: the least and the greatest of 0 and every value.
    double ColorScaleLow = 0;
    double ColorScaleHigh = 0;

    // The plan extent of the nodes; ScaleFactX is its width over its depth (1 for no depth).
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    double ScaleFactX = 1;

    [[nodiscard]] double At(int column, int row) const {
        return Values[static_cast<std::size_t>(row - 1) * Columns + (column - 1)];
    }
};

struct SurfaceGridBuild {
    std::string Error; // an "Erro:" line when the nodes do not form a generated malha
    SurfaceGrid Grid;
};

// Lays the nodes on their grid. The size comes from the generated malha itself (the second corner
// node closes the first row), not from the divisions being edited, and the list must hold whole
// rows in generation order; otherwise the grid is refused with the reason.
[[nodiscard]] SurfaceGridBuild BuildSurfaceGrid(std::span<const TNodeData> nodes,
                                                SurfaceQuantity quantity);

// Colour coding of the surface: "Duas Cores" runs from the low to the high colour, "Três
// Cores" passes through the middle colour at the middle of the scale.
enum class ColorCodingMode : int {
    TwoColors = 0,
    ThreeColors = 1,
};

struct Rgb {
    std::uint8_t R = 0, G = 0, B = 0;
    bool operator==(const Rgb&) const = default;
};

struct ColourCoding {
    Rgb Low, Mid, High;
    ColorCodingMode Mode = ColorCodingMode::ThreeColors;
};

// A colour at a position from 0 (ColorScaleLow) to 1 (ColorScaleHigh).
struct GradientStop {
    double Position = 0;
    Rgb Colour;
    bool operator==(const GradientStop&) const = default;
};

[[nodiscard]] std::vector<GradientStop> GradientStops(const ColourCoding& coding);

} // namespace quadrilo::results
