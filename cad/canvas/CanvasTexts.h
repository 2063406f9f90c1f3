// The texts the canvas and its tools show, by their identifiers in the engine's text table, with
// the English and Portuguese tables for them.
#pragma once

#include <string>

namespace cad {
class Engine;
}

namespace cad::canvas {

enum class CanvasText : int {
    // command prompts
    RepeatCommand = 29199,
    SpecifyPoint = 29201,
    NextPoint = 29202,
    ThroughPoint = 29203,
    RayPoint = 29204,
    Centre = 29205,
    Radius = 29206,
    TextHeight = 29207,
    TextAngle = 29208,
    TextContent = 29209,
    MTextLines = 29210,
    BlockName = 29211,
    InsertionPoint = 29212,
    FirstExtension = 29213,
    SecondExtension = 29214,
    DimensionLine = 29215,
    PickSegment = 29216,
    PickVertex = 29217,
    NewVertexPosition = 29218,
    UnknownBlock = 29219,
    InvalidValue = 29220,
    FirstCorner = 29401,
    OppositeCorner = 29402,
    RealtimeZoom = 29403,
    RealtimePan = 29404,
    // drafting aids
    DraftingAids = 29001,
    SnapEndpoint = 29002,
    SnapMidpoint = 29003,
    SnapIntersection = 29004,
    SnapNode = 29005,
    SnapCentre = 29006,
    SnapNearest = 29007,
    SnapGrid = 29008,
    GridShow = 29009,
    GridSpacing = 29010,
    Ortho = 29011,
    // layers
    LayerDialog = 4601,
    LayerName = 4602,
    LayerColor = 4603,
    LayerVisible = 4604,
    LayerCurrent = 4605,
    LayerNew = 4606,
    LayerOrderTitle = 4607,
    LayerUp = 4608,
    LayerDown = 4609,
    LayerNameInvalid = 4610,
    // dimension style
    DimStyleTitle = 27410,
    DimTextHeight = 27404,
    DimArrowSize = 27405,
    DimExtensionOffset = 27406,
    DimExtensionBeyond = 27407,
    DimDecimals = 27408,
    // common dialog buttons
    Ok = 3001,
    Cancel = 3002,
    // options and properties
    Options = 27301,
    ShowLineweights = 27302,
    ShowCross = 27303,
    Properties = 28481,
    PropertyLayer = 28482,
    PropertyColor = 28483,
    PropertyLineweight = 28484,
    // files: the filter of the file dialogs, "name (*.ext)|*.ext|" pairs
    FileFilter = 11,
};

// The engine's text for the identifier, or the English text when the table has none.
[[nodiscard]] std::string canvasText(const Engine& engine, CanvasText id);

enum class TextLanguage { English, Portuguese };
// Installs the canvas's texts of one language in the engine's text table.
void installCanvasTexts(Engine& engine, TextLanguage language);

// Replaces the first "%s" of a table text.
[[nodiscard]] std::string withArgument(std::string text, const std::string& argument);

} // namespace cad::canvas
