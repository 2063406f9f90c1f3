// The lines a multiline and a dimension are drawn with, derived from their shapes: what the
// canvas paints and snaps to and what the DXF export writes are the same lines.
#pragma once

#include "cad/Drawing.h"

#include <string>
#include <utility>
#include <vector>

namespace quadrilo::cad {

// One path per line of the multiline's style, offset to the left of travel (negative: to the
// right); each corner on the bisector of its two segments, a turn back on itself squared off.
// A closed multiline's paths are closed too and do not repeat their first point.
struct MlinePath {
    std::vector<Point3> points;
    int color = ByLayerColor;
};
[[nodiscard]] std::vector<MlinePath> mlinePaths(const MlineShape& mline);

// The parts of a linear or aligned dimension: the measured points' feet on the dimension line
// through linePos, extension lines from extensionOffset off the points to extensionBeyond past
// the line, open arrowheads at the line's ends and the value above its middle.
struct DimensionParts {
    Point3 ext1From, ext1To, ext2From, ext2To;     // extension lines
    Point3 lineFrom, lineTo;                       // dimension line, arrow tips at its ends
    std::vector<std::pair<Point3, Point3>> arrows; // two strokes from each tip; none at length 0
    Point3 textAt;                                 // middle of the text, above the line
    double textAngle = 0.0;                        // radians, reading left to right
    double value = 0.0;                            // measured length
};
[[nodiscard]] DimensionParts dimensionParts(const DimensionShape& dim, const DimStyle& style);
// The measured value with the style's decimals and "." as the separator, whatever the locale.
[[nodiscard]] std::string dimensionText(double value, const DimStyle& style);

} // namespace quadrilo::cad
