// Derived geometry the canvas draws and snaps to: multiline offset paths, block placement and
// dimension parts.
#pragma once

#include "cad/Drawing.h"
#include "cad/canvas/Snap.h"

#include <string>
#include <vector>

namespace quadrilo::cad::canvas {

// One polyline per line of the multiline's style, offset from the vertex path (mitred corners).
struct MlinePath {
    std::vector<Point3> points;
    int color = ByLayerColor;
};
[[nodiscard]] std::vector<MlinePath> mlinePaths(const MlineShape& mline);

// Maps a block's own coordinates to the drawing: about the block base, scaled, rotated, moved to
// the insertion point.
struct Placement {
    Point3 base, at;
    double scale = 1.0;
    double angle = 0.0;
    [[nodiscard]] Point3 apply(const Point3& p) const;
    [[nodiscard]] Placement then(const Placement& outer) const; // this inside outer
};

// The parts of a linear or aligned dimension.
struct DimensionParts {
    Point3 ext1From, ext1To, ext2From, ext2To; // extension lines
    Point3 lineFrom, lineTo;                   // dimension line between the arrows
    Point3 textAt;                             // middle of the text, above the line
    double textAngle = 0.0;                    // radians
    double value = 0.0;                        // measured length
};
[[nodiscard]] DimensionParts dimensionParts(const DimensionShape& dim, const DimStyle& style);
[[nodiscard]] std::string dimensionText(double value, const DimStyle& style);

// Adds the snap geometry of one entity (with its block content for inserts).
void addSnapGeometry(const Drawing& drawing, const Entity& entity, SnapGeometry& out);

} // namespace quadrilo::cad::canvas
