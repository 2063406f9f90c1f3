// Writes the drawing to another file: a bitmap of the visible area, a DXF, a DWG or a ".vec" copy.
#pragma once

#include "app/views/ExportNames.h"

#include <QString>

namespace quadrilo::cad::canvas {
class CadCanvas;
}

namespace quadrilo::app {

class CadSession;

// Writes the drawing under path as the type asks: the bitmap of the area the canvas shows,
// 5000 pixels wide; the other types as a copy through the engine's formats. The document keeps
// its name and its modified flag. Empty on success, otherwise the reason it failed.
[[nodiscard]] QString ExportDrawing(CadSession& cad, cad::canvas::CadCanvas& canvas,
                                    const QString& path, ExportType type);

} // namespace quadrilo::app
