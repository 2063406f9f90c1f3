// DXF and DWG as drawing formats of the engine: a document opens and writes ".dxf" by its
// extension, and ".dwg" is refused with the reason and the way round it.
#pragma once

#include "cad/DrawingFormats.h"

namespace quadrilo::dxf {

// Adds ".dxf" (read for viewing, written as an export) and ".dwg" (refused both ways).
void AddDxfFormats(cad::DrawingFormats& formats);

} // namespace quadrilo::dxf
