// Turns what a DXF file holds into a drawing for viewing: the one place that creates drawing
// objects from DXF content.
#pragma once

#include "cad/dxf/DxfContent.h"

#include <memory>

namespace quadrilo::dxf {

// A new drawing with the ACI palette, the layers, the blocks with their entities and the
// model-space entities. Inserts of blocks that do not exist and entities out of any sensible
// range (beyond 1e12 units) are left out and counted in skipped.
[[nodiscard]] std::unique_ptr<cad::Drawing> BuildDrawing(const DxfContent& content,
                                                         std::size_t& skipped);

} // namespace quadrilo::dxf
