// The engine's built-in English texts and the current text table.
#include "cad/EngineTexts.h"

#include "cad/FileResult.h"

#include <algorithm>
#include <iterator>

namespace quadrilo::cad {
namespace {

constexpr BuiltinText texts[] = {
    {TextId::FileFilter, "CadBox drawing  (*.vec)|*.vec|"},
    {TextId::SaveChanges, "Save changes in the file '%s'?"},
    {TextId::NothingToUndo, "Undo buffer is empty"},
    {TextId::NothingToRedo, "Redo buffer is empty"},
    {TextId::NothingSelected, "Nothing selected."},
    {TextId::ClipboardEmpty, "No entities on the clipboard."},
    {TextId::UnknownCommand, "Unknown command: %s"},
    {TextId::CommandFailed, "Command failed: %s"},
    {TextId::SelectObjects, "Select objects (right button - stop)"},
    {TextId::SelectObjectsFound, "Select objects: %d found, %d total"},
    {TextId::MenuZoomExtents, "Zoom Extents"},
    {TextId::MenuZoomWindow, "Zoom Window"},
    {TextId::MenuZoomRealtime, "Real-time Zoom"},
    {TextId::MenuPanRealtime, "Real-time Pan"},
    {TextId::MenuZoomPrevious, "Zoom Previous"},
    {TextId::MenuRepeat, "Repeat Command"},
    {TextId::MenuUndo, "Undo"},
    {TextId::MenuRedo, "Redo"},
    {TextId::MenuCopy, "Copy"},
    {TextId::MenuPaste, "Paste"},
    {TextId::MenuErase, "Erase"},
    {TextId::MenuMove, "Move"},
    {TextId::MenuDraftingAids, "Drafting Aids"},
    {TextId::MenuOptions, "Options"},
    {TextId::MenuProperties, "Properties"},
    {TextId::MenuLayers, "Layers"},
    {TextId::MenuVertexInsert, "Insert Vertex"},
    {TextId::MenuVertexDelete, "Delete Vertex"},
    {TextId::MenuVertexEdit, "Edit Vertex..."},
    {TextId::FileCannotOpen, "Cannot open %s: %s"},
    {TextId::FileNotADrawing, "%s is not a Quadrilo drawing (unknown header)."},
    {TextId::FileTruncated, "%s is truncated."},
    {TextId::FileDamaged, "%s is damaged (%s)."},
    {TextId::FileNewerVersion, "%s has format version %s, which this program cannot read."},
    {TextId::FileCannotWrite, "Cannot write %s: %s"},
    {TextId::FileUnknownFormat, "No reader or writer for the format of %s."},
    {TextId::FileNoName, "No file name given."},
    {TextId::FileInsideCommand, "A drawing cannot be opened from inside a command."},
    {TextId::LayerZeroKept, "Can't delete layer 0"},
    {TextId::LayerNotEmpty, "Can't delete a layer that holds entities"},
    {TextId::LayerIsCurrent, "Can't delete the current layer"},
    {TextId::ClipboardDamaged, "The clipboard content is damaged (%s)."},
    {TextId::ClipboardRefused, "The clipboard content cannot be pasted into this drawing (%s)."},
    {TextId::Ok, "OK"},
    {TextId::Cancel, "Cancel"},
    {TextId::LayerDialog, "Layers"},
    {TextId::LayerName, "Name"},
    {TextId::LayerColor, "Colour"},
    {TextId::LayerVisible, "Visible"},
    {TextId::LayerCurrent, "Current"},
    {TextId::LayerNew, "New layer"},
    {TextId::LayerOrderTitle, "Layer order"},
    {TextId::LayerUp, "Up"},
    {TextId::LayerDown, "Down"},
    {TextId::LayerNameInvalid, "Layer names must be unique and not empty; nothing was changed."},
    {TextId::LayerDelete, "Delete"},
    {TextId::Options, "Options"},
    {TextId::ShowLineweights, "Show lineweights"},
    {TextId::ShowCross, "Cross cursor"},
    {TextId::DimTextHeight, "Text height"},
    {TextId::DimArrowSize, "Arrow size"},
    {TextId::DimExtensionOffset, "Extension line offset"},
    {TextId::DimExtensionBeyond, "Extension beyond the dimension line"},
    {TextId::DimDecimals, "Decimal places"},
    {TextId::DimStyleTitle, "Dimension style"},
    {TextId::CurrentLayerIs, "Current Layer:  %s"},
    {TextId::Properties, "Properties"},
    {TextId::PropertyLayer, "Layer"},
    {TextId::PropertyColor, "Colour"},
    {TextId::PropertyLineweight, "Lineweight"},
    {TextId::PropertyText, "Text"},
    {TextId::PropertyByLayer, "ByLayer"},
    {TextId::PropertyByBlock, "ByBlock"},
    {TextId::PropertyDefault, "Default"},
    {TextId::PropertyStart, "Start point"},
    {TextId::PropertyEnd, "End point"},
    {TextId::PropertyCentre, "Centre"},
    {TextId::PropertyRadius, "Radius"},
    {TextId::PropertyPosition, "Position"},
    {TextId::PropertyInsertion, "Insertion point"},
    {TextId::PropertyHeight, "Height"},
    {TextId::PropertyRotation, "Rotation (degrees)"},
    {TextId::PropertyScale, "Scale"},
    {TextId::PropertyVertices, "Vertices"},
    {TextId::PropertyBasePoint, "Base point"},
    {TextId::PropertyFirstPoint, "First extension point"},
    {TextId::PropertySecondPoint, "Second extension point"},
    {TextId::PropertyDimensionLine, "Dimension line"},
    {TextId::PropertyNotANumber, "%s: not a number; nothing was changed."},
    {TextId::PropertyNotPositive, "%s must be greater than zero; nothing was changed."},
    {TextId::DraftingAids, "Drafting aids"},
    {TextId::SnapEndpoint, "Endpoint"},
    {TextId::SnapMidpoint, "Midpoint"},
    {TextId::SnapIntersection, "Intersection"},
    {TextId::SnapNode, "Node"},
    {TextId::SnapCentre, "Centre"},
    {TextId::SnapNearest, "Nearest"},
    {TextId::SnapGrid, "Snap to grid"},
    {TextId::GridShow, "Show grid"},
    {TextId::GridSpacing, "Grid spacing"},
    {TextId::Ortho, "Ortho"},
    {TextId::StatusObjectSnap, "SNAP"},
    {TextId::StatusGrid, "GRID"},
    {TextId::StatusOrtho, "ORTHO"},
    {TextId::StatusGridSnap, "GRID SNAP"},
    {TextId::RepeatCommand, "Repeat %s"},
    {TextId::SpecifyPoint, "Specify a point:"},
    {TextId::NextPoint, "Specify next point (Enter ends):"},
    {TextId::ThroughPoint, "Specify a through point or [H/V]:"},
    {TextId::RayPoint, "Specify a through point:"},
    {TextId::Centre, "Specify the centre:"},
    {TextId::Radius, "Specify the radius or a point on the circle:"},
    {TextId::TextHeight, "Specify the text height <%s>:"},
    {TextId::TextAngle, "Specify the rotation angle <%s>:"},
    {TextId::TextContent, "Enter the text:"},
    {TextId::MTextLines, "Enter a line of text (empty line ends):"},
    {TextId::BlockName, "Block name <%s>:"},
    {TextId::InsertionPoint, "Specify the insertion point:"},
    {TextId::FirstExtension, "Specify the first extension line origin:"},
    {TextId::SecondExtension, "Specify the second extension line origin:"},
    {TextId::DimensionLine, "Specify the dimension line location:"},
    {TextId::PickSegment, "Select a segment of a polyline or multiline:"},
    {TextId::PickVertex, "Select a vertex:"},
    {TextId::NewVertexPosition, "Specify the new position of the vertex:"},
    {TextId::UnknownBlock, "Unknown block: %s"},
    {TextId::InvalidValue, "Invalid value."},
    {TextId::BasePoint, "Specify base point:"},
    {TextId::SecondPoint, "Specify second point:"},
    {TextId::InvalidPoint, "Invalid point."},
    {TextId::NextPointOrUndo, "Specify next point or [Undo]:"},
    {TextId::CommandPrompt, "Command:"},
    {TextId::FirstCorner, "Specify first corner:"},
    {TextId::OppositeCorner, "Specify opposite corner:"},
    {TextId::RealtimeZoom, "Drag up or down to zoom; Escape ends."},
    {TextId::RealtimePan, "Drag to pan; Escape ends."},
};

static_assert(std::is_sorted(std::begin(texts), std::end(texts),
                             [](const BuiltinText& a, const BuiltinText& b) {
                                 return static_cast<int>(a.id) < static_cast<int>(b.id);
                             }),
              "the built-in texts are listed in identifier order");

} // namespace

std::span<const BuiltinText> builtinTexts() {
    return texts;
}

std::string fillPlaceholders(std::string text, std::initializer_list<std::string_view> args) {
    std::size_t from = 0;
    for (const std::string_view arg : args) {
        const std::size_t s = text.find("%s", from);
        const std::size_t d = text.find("%d", from);
        const std::size_t at = std::min(s, d);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}

TextTable::TextTable() {
    for (const BuiltinText& t : texts)
        m_texts[static_cast<int>(t.id)] = t.english;
}

void TextTable::set(int id, std::string text) {
    m_texts[id] = std::move(text);
}

std::string TextTable::text(int id) const {
    const auto it = m_texts.find(id);
    return it == m_texts.end() ? std::string() : it->second;
}

const std::string& TextTable::text(TextId id) const {
    // Every built-in identifier has an entry from construction on.
    return m_texts.at(static_cast<int>(id));
}

std::string describe(const FileResult& r, const TextTable& texts) {
    switch (r.error) {
    case FileError::None:
        return {};
    case FileError::NoFileName:
        return texts.text(TextId::FileNoName);
    case FileError::CannotOpen:
        return texts.format(TextId::FileCannotOpen, {r.path, r.detail});
    case FileError::NotADrawing:
        return texts.format(TextId::FileNotADrawing, {r.path});
    case FileError::Truncated:
        return texts.format(TextId::FileTruncated, {r.path});
    case FileError::Damaged:
        return texts.format(TextId::FileDamaged, {r.path, r.detail});
    case FileError::NewerVersion:
        return texts.format(TextId::FileNewerVersion, {r.path, r.detail});
    case FileError::CannotWrite:
        return texts.format(TextId::FileCannotWrite, {r.path, r.detail});
    case FileError::UnknownFormat:
        return texts.format(TextId::FileUnknownFormat, {r.path});
    case FileError::InsideCommand:
        return texts.text(TextId::FileInsideCommand);
    case FileError::Refused:
        return r.detail;
    }
    return {};
}

} // namespace quadrilo::cad
