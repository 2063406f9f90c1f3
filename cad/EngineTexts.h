// Every text the engine shows (core and canvas: prompts, messages, dialog captions, menu
// names), by its identifier in the engine's text table. The identifiers follow the topic groups
// of the application's tables, so that installing a table changes what the user reads; the
// built-in English texts are the defaults, other languages are the application's tables.
#pragma once

#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace quadrilo::cad {

enum class TextId : int {
    // 1-11: application and drawing names; 11 is the file-dialog filter ("name|*.ext|" pairs)
    FileFilter = 11,

    // 101-153: file, undo and general messages
    SaveChanges = 105,
    NothingToUndo = 107,
    NothingToRedo = 108,
    NothingSelected = 120,
    ClipboardEmpty = 121,
    UnknownCommand = 122,
    CommandFailed = 123,

    // 301-304: object selection prompts
    SelectObjects = 301,
    SelectObjectsFound = 302,

    // 401-503: menu and command names
    MenuZoomExtents = 403,
    MenuZoomWindow = 404,
    MenuZoomRealtime = 405,
    MenuPanRealtime = 406,
    MenuZoomPrevious = 407,
    MenuRepeat = 410,
    MenuUndo = 411,
    MenuRedo = 412,
    MenuCopy = 413,
    MenuPaste = 414,
    MenuErase = 415,
    MenuMove = 416,
    MenuDraftingAids = 420,
    MenuOptions = 421,
    MenuProperties = 422,
    MenuLayers = 423,
    MenuVertexInsert = 430,
    MenuVertexDelete = 431,
    MenuVertexEdit = 432,

    // 1001-1023: error messages
    FileCannotOpen = 1002,
    FileNotADrawing = 1003,
    FileTruncated = 1004,
    FileDamaged = 1005,
    FileNewerVersion = 1006,
    FileCannotWrite = 1007,
    FileUnknownFormat = 1008,
    FileNoName = 1009,
    FileInsideCommand = 1010,
    LayerZeroKept = 1011,
    LayerNotEmpty = 1012,
    LayerIsCurrent = 1013,
    ClipboardDamaged = 1014,
    ClipboardRefused = 1015,

    // 3001-3406: common dialog buttons
    Ok = 3001,
    Cancel = 3002,

    // 4301-4713: layers
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
    LayerDelete = 4611,

    // 27301-27633: options dialog and its pages
    Options = 27301,
    ShowLineweights = 27302,
    ShowCross = 27303,
    DimTextHeight = 27404,
    DimArrowSize = 27405,
    DimExtensionOffset = 27406,
    DimExtensionBeyond = 27407,
    DimDecimals = 27408,
    DimStyleTitle = 27410,

    // 27411-27417: layer list
    CurrentLayerIs = 27411,

    // 28481-28798: entity property names
    Properties = 28481,
    PropertyLayer = 28482,
    PropertyColor = 28483,
    PropertyLineweight = 28484,
    PropertyText = 28485,
    PropertyByLayer = 28486,
    PropertyByBlock = 28487,
    PropertyDefault = 28488,
    PropertyStart = 28489,
    PropertyEnd = 28490,
    PropertyCentre = 28491,
    PropertyRadius = 28492,
    PropertyPosition = 28493,
    PropertyInsertion = 28494,
    PropertyHeight = 28495,
    PropertyRotation = 28496,
    PropertyScale = 28497,
    PropertyVertices = 28498,
    PropertyBasePoint = 28499,
    PropertyFirstPoint = 28500,
    PropertySecondPoint = 28501,
    PropertyDimensionLine = 28502,
    PropertyNotANumber = 28503,
    PropertyNotPositive = 28504,

    // 29001-29104: drafting aids
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
    StatusObjectSnap = 29012,
    StatusGrid = 29013,
    StatusOrtho = 29014,
    StatusGridSnap = 29015,

    // 29199-29312: command prompts
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
    BasePoint = 29221,
    SecondPoint = 29222,
    InvalidPoint = 29223,
    NextPointOrUndo = 29224,
    CommandPrompt = 29225,

    // 29401-29459: more command prompts
    FirstCorner = 29401,
    OppositeCorner = 29402,
    RealtimeZoom = 29403,
    RealtimePan = 29404,
};

// One text of the engine with its built-in English default.
struct BuiltinText {
    TextId id;
    const char* english;
};

// Every identifier the engine shows, in identifier order, each once: what a complete
// application table must cover.
[[nodiscard]] std::span<const BuiltinText> builtinTexts();

// Fills the placeholders "%s" and "%d" of an engine text, in order, with the arguments.
[[nodiscard]] std::string fillPlaceholders(std::string text,
                                           std::initializer_list<std::string_view> args);

// The engine's current text table: the English defaults until the application installs its own
// texts, one identifier at a time.
class TextTable {
public:
    TextTable();

    // Replaces one text (the application's tables may name identifiers the engine never shows).
    void set(int id, std::string text);
    [[nodiscard]] std::string text(int id) const;
    [[nodiscard]] const std::string& text(TextId id) const;
    [[nodiscard]] std::string format(TextId id,
                                     std::initializer_list<std::string_view> args) const {
        return fillPlaceholders(text(id), args);
    }

private:
    std::map<int, std::string> m_texts;
};

} // namespace quadrilo::cad
