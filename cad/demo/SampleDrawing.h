// A small floor drawing for the demo: construction-line grid, columns as inserts with their
// names, beams as multilines, slab texts, a dimension and a deformed grillage with Z.
#pragma once

namespace quadrilo::cad {
class Drawing;
}

namespace quadrilo::cad::demo {

void buildSampleDrawing(Drawing& drawing);

} // namespace quadrilo::cad::demo
