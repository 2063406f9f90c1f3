// The path of one line of a multiline: its vertices offset sideways, corners mitred.
#pragma once

#include "cad/Geometry.h"

#include <vector>

namespace quadrilo::dxf {

// Offset to the left of the direction of travel (negative: to the right), as the canvas draws
// multilines: each corner on the bisector of its two segments, a turn back on itself squared
// off. A closed path does not repeat its first point.
[[nodiscard]] std::vector<cad::Point3> OffsetPath(const std::vector<cad::Point3>& vertices,
                                                  bool closed, double offset);

} // namespace quadrilo::dxf
