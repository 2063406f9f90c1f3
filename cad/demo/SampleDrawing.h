// A small floor drawing for the demo: construction-line grid, columns as inserts with their
// names, beams as multilines, slab texts, a dimension and a deformed grillage with Z.
#pragma once

#include "CadApi.h"

namespace demo {

void buildSampleDrawing(CadHandle drawing);

} // namespace demo
