// The engine's own drawing tools, started by number or typed name: point, line, ray,
// construction line, rectangle, circle, text, multi-line text, insert, dimensions and the
// vertex commands. Each is a coroutine fed by the command runner; none touches a widget.
#pragma once

namespace cad {
class Document;
}

namespace cad::canvas {

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
// command line: LINE/L, XLINE/XL, ...).
void registerDrawingTools(Document& doc);

} // namespace cad::canvas
