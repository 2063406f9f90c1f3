// The working lists read from the drawing, for the results that need the malha's records.
#pragma once

#include "mesh/MeshWorkspace.h"

namespace quadrilo::cad {
class Drawing;
}

namespace quadrilo::app {

// Clears the working lists and fills them from the drawing's entities, layer by layer in the
// engine's order, then counts the malha from them (`BuildWorkingLists`).
void BuildWorkingLists(const cad::Drawing& drawing, mesh::MeshWorkspace& workspace);

} // namespace quadrilo::app
