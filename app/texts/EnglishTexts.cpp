// The engine's texts in English: for the identifiers the engine shows, its own defaults.
#include "app/texts/Language.h"

namespace quadrilo::app {
namespace {

// The identifiers and order of the Portuguese table.
constexpr EngineText English[] = {
    // 1-11: application and drawing names, file-dialog filter
    {1, "CadBox Project"},
    {11, "CadBox drawing  (*.vec)|*.vec|"},
    // 101-153: file, undo and general messages
    {105, "Save changes in the file '%s'?"},
    {107, "Undo buffer is empty"},
    {108, "Redo buffer is empty"},
    {112, "Regenerating model."},
    {120, "Nothing selected."},
    {121, "No entities on the clipboard."},
    {122, "Unknown command: %s"},
    {123, "Command failed: %s"},
    // 140-146: the program's own, the recovery of work left unsaved by a session that ended
    {140, "The drawing %s was not closed normally. The work saved automatically at %s can be recovered."},
    {141, "(unnamed)"},
    {142, "Recover"},
    {143, "Discard"},
    {144, "The saved work of the drawing %s could not be opened: %s The file was kept as %s."},
    {145, "Warning: The automatic save failed: %s"},
    {146, "Info: Recovered the work of the drawing %s"},
    // 301-304: object selection prompts
    {301, "Select objects (right button - stop)"},
    {302, "Select objects: %d found, %d total"},
    // 27151-27214: page and print layout
    {27151, "Album"},
    // 27301-27633: options dialog and its pages
    {27301, "Options"},
    {27302, "Show lineweights"},
    {27303, "Cross cursor"},
    {27404, "Text height"},
    {27405, "Arrow size"},
    {27406, "Extension line offset"},
    {27407, "Extension beyond the dimension line"},
    {27408, "Decimal places"},
    {27410, "Dimension style"},
    // 27541-27547: multiline style details
    {27541, "Standard"},
    // 28481-28798: entity property names and entity kinds
    {28481, "Properties"},
    {28482, "Layer"},
    {28483, "Colour"},
    {28484, "Lineweight"},
    {28485, "Text"},
    {28486, "ByLayer"},
    {28487, "ByBlock"},
    {28488, "Default"},
    {28489, "Start point"},
    {28490, "End point"},
    {28491, "Centre"},
    {28492, "Radius"},
    {28493, "Position"},
    {28494, "Insertion point"},
    {28495, "Height"},
    {28496, "Rotation (degrees)"},
    {28497, "Scale"},
    {28498, "Vertices"},
    {28499, "Base point"},
    {28500, "First extension point"},
    {28501, "Second extension point"},
    {28502, "Dimension line"},
    {28503, "%s: not a number; nothing was changed."},
    {28504, "%s must be greater than zero; nothing was changed."},
    // 27411-27417: layer list
    {27411, "Current Layer:  %s"},
    // 29001-29104: drafting aids
    {29001, "Drafting aids"},
    {29002, "Endpoint"},
    {29003, "Midpoint"},
    {29004, "Intersection"},
    {29005, "Node"},
    {29006, "Centre"},
    {29007, "Nearest"},
    {29008, "Snap to grid"},
    {29009, "Show grid"},
    {29010, "Grid spacing"},
    {29011, "Ortho"},
    {29012, "SNAP"},
    {29013, "GRID"},
    {29014, "ORTHO"},
    {29015, "GRID SNAP"},
    // 29199-29312: command prompts
    {29199, "Repeat %s"},
    {29201, "Specify a point:"},
    {29202, "Specify next point (Enter ends):"},
    {29203, "Specify a through point or [H/V]:"},
    {29204, "Specify a through point:"},
    {29205, "Specify the centre:"},
    {29206, "Specify the radius or a point on the circle:"},
    {29207, "Specify the text height <%s>:"},
    {29208, "Specify the rotation angle <%s>:"},
    {29209, "Enter the text:"},
    {29210, "Enter a line of text (empty line ends):"},
    {29211, "Block name <%s>:"},
    {29212, "Specify the insertion point:"},
    {29213, "Specify the first extension line origin:"},
    {29214, "Specify the second extension line origin:"},
    {29215, "Specify the dimension line location:"},
    {29216, "Select a segment of a polyline or multiline:"},
    {29217, "Select a vertex:"},
    {29218, "Specify the new position of the vertex:"},
    {29219, "Unknown block: %s"},
    {29220, "Invalid value."},
    {29221, "Specify base point:"},
    {29222, "Specify second point:"},
    {29223, "Invalid point."},
    {29224, "Specify next point or [Undo]:"},
    {29225, "Command:"},
    // 29401-29459: more command prompts
    {29401, "Specify first corner:"},
    {29402, "Specify opposite corner:"},
    {29403, "Drag up or down to zoom; Escape ends."},
    {29404, "Drag to pan; Escape ends."},
    // 29601-29652: positions and alignments
    {29601, "Bottom left"},
    // 1001-1023: error messages
    {1001, "Invalid identifier"},
    {1002, "Cannot open %s: %s"},
    {1003, "%s is not a Quadrilo drawing (unknown header)."},
    {1004, "%s is truncated."},
    {1005, "%s is damaged (%s)."},
    {1006, "%s has format version %s, which this program cannot read."},
    {1007, "Cannot write %s: %s"},
    {1008, "No reader or writer for the format of %s."},
    {1009, "No file name given."},
    {1010, "A drawing cannot be opened from inside a command."},
    {1011, "Can't delete layer 0"},
    {1012, "Can't delete a layer that holds entities"},
    {1013, "Can't delete the current layer"},
    {1014, "The clipboard content is damaged (%s)."},
    {1015, "The clipboard content cannot be pasted into this drawing (%s)."},
    // 401-503: menu and command names
    {401, "Exit"},
    {403, "Zoom Extents"},
    {404, "Zoom Window"},
    {405, "Real-time Zoom"},
    {406, "Real-time Pan"},
    {407, "Zoom Previous"},
    {410, "Repeat Command"},
    {411, "Undo"},
    {412, "Redo"},
    {413, "Copy"},
    {414, "Paste"},
    {415, "Erase"},
    {416, "Move"},
    {420, "Drafting Aids"},
    {421, "Options"},
    {422, "Properties"},
    {423, "Layers"},
    {430, "Insert Vertex"},
    {431, "Delete Vertex"},
    {432, "Edit Vertex..."},
    // 3001-3406: common dialog buttons and dialog texts
    {3001, "OK"},
    {3002, "Cancel"},
    // 3501-3809: colour choice, polyline vertices, polygon, raster export
    {3501, "Select Colour"},
    // 3901-4204: fonts and font converters
    {3901, "Installed CADBox fonts"},
    // 4301-4713: hatch, image, block insertion, layers
    {4301, "Hatch"},
    {4601, "Layers"},
    {4602, "Name"},
    {4603, "Colour"},
    {4604, "Visible"},
    {4605, "Current"},
    {4606, "New layer"},
    {4607, "Layer order"},
    {4608, "Up"},
    {4609, "Down"},
    {4610, "Layer names must be unique and not empty; nothing was changed."},
    {4611, "Delete"},
    // 4801-5409: line types, pages
    {4801, "Linetypes"},
    // 5501-5815: code page, text style, tip of the day, viewpoint presets
    {5501, "Select CodePage"},
    // 5901-6430: external references, block attributes, plug-ins
    {5901, "External Reference"},
};

} // namespace

std::span<const EngineText> EnglishEngineTexts() {
    return English;
}

} // namespace quadrilo::app
