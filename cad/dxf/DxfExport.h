// Export of a drawing to a DXF file (AutoCAD 2000, ASCII) through dxflib.
#pragma once

#include "cad/Drawing.h"

#include <cstddef>
#include <string>

namespace quadrilo::dxf {

struct DxfExportResult {
    bool ok = false;
    std::string error;       // for the message log, after "Erro: "
    std::size_t skipped = 0; // entities left out for a coordinate that is not a number
};

// The whole DXF text of the drawing: layers with their colours (nearest ACI where the palette
// differs from the standard one), blocks with their entities and attribute definitions, and the
// visible model-space entities layer by layer. Multilines become one polyline per line of their
// style; rectangles are closed polylines.
[[nodiscard]] std::string DrawingToDxf(const cad::Drawing& drawing, std::size_t* skipped = nullptr);

// Writes the DXF file whole through a temporary file and a rename, or not at all.
[[nodiscard]] DxfExportResult WriteDxfFile(const cad::Drawing& drawing, const std::string& path);

} // namespace quadrilo::dxf
