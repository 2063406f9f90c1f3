// Floors drawn straight into the program's drawing: element entities with the records the
// elements core computes, each on its layer with its kind code, in one transaction per element.
#pragma once

#include "cad/Drawing.h"
#include "project/TProjectData.h"

#include <string>
#include <vector>

namespace quadrilo::app::test {

struct SlabSpec {
    double x1, y1, x2, y2;
    double h = 12, acid = 2, perm = 1;
};

struct BeamSpec {
    double x1, y1, x2, y2;
    double a = 20, b = 50;
};

struct ColumnSpec {
    double x, y;
    bool rx = false, ry = false;
    double mola = 0;
    double side = 30;
};

struct LoadSpec {
    double x, y, valor;
};

// Draws the elements in this order: slabs, beams, columns, loads. The project gives the beams'
// weight and the slabs' inertias. Throws std::runtime_error when the elements core refuses one.
void DrawFloor(cad::Drawing& drawing, const TProjectData& project,
               const std::vector<SlabSpec>& slabs, const std::vector<BeamSpec>& beams = {},
               const std::vector<ColumnSpec>& columns = {},
               const std::vector<LoadSpec>& loads = {});

// The lines of a text file, without their CR LF ends.
[[nodiscard]] std::vector<std::string> FileLines(const std::string& path);

} // namespace quadrilo::app::test
