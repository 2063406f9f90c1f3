// The lines, arrows and text a linear or aligned dimension is drawn with.
#pragma once

#include "cad/Drawing.h"

#include <string>

namespace quadrilo::dxf {

struct DimensionGeometry {
    cad::Point3 ext1From, ext1To, ext2From, ext2To; // extension lines
    cad::Point3 lineFrom, lineTo;                   // dimension line, arrow tips at its ends
    cad::Point3 textAt;                             // middle of the text, above the line
    double textAngle = 0.0;                         // radians, reading left to right
    double value = 0.0;                             // measured length
};

// As the canvas shows a dimension: the measured points' feet on the dimension line through
// linePos, extension lines from extensionOffset off the points to extensionBeyond past the line.
[[nodiscard]] DimensionGeometry MeasureDimension(const cad::DimensionShape& dim,
                                                 const cad::DimStyle& style);

// The measured value with the style's decimals and "." as the separator.
[[nodiscard]] std::string DimensionValueText(double value, int decimals);

} // namespace quadrilo::dxf
