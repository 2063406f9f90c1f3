// The engine's own drawing tools, started by number or typed name: point, line, ray,
// construction line, rectangle, circle, text, multi-line text, insert, dimensions and the
// vertex commands. Each is a coroutine fed by the command runner; none touches a widget.
#pragma once

#include "cad/Signal.h"

#include <vector>

namespace quadrilo::cad {

class Document;

enum ToolCommand : int {
    CmdPoint = 201,
    CmdLine = 205,
    CmdRay = 206,
    CmdXLine = 207,
    CmdRectangle = 212,
    CmdCircle = 220,
    CmdText = 245,
    CmdMText = 249,
    CmdInsertBlock = 252,
    CmdDimLinear = 290,
    CmdDimAligned = 291,
    CmdVertexInsert = 331,
    CmdVertexDelete = 332,
    CmdVertexEdit = 333,
};

// Registers the tools in the document's command table (names and aliases as typed on the
// command line: LINE/L, XLINE/XL, ...) until the returned tokens go. The engine's window
// registers them for its lifetime.
[[nodiscard]] std::vector<Subscription> registerDrawingTools(Document& doc);

} // namespace quadrilo::cad
