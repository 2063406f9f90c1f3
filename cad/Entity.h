// Entities of the drawing: the properties every entity has and the shape of each kind.
#pragma once

#include "cad/Geometry.h"
#include "cad/Ids.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace quadrilo::cad {

// Text alignment codes: where the insertion point sits on the text's box.
enum class TextAlign : int {
    BaselineLeft = 0,
    TopLeft = 1,
    TopCentre = 2,
    TopRight = 3,
    MiddleCentre = 4,
    MiddleLeft = 5,
    MiddleRight = 6,
    BottomCentre = 7,
    BottomLeft = 8,
    BottomRight = 9,
};

struct TextLook {
    double height = 10.0;
    double angle = 0.0; // radians, counter-clockwise from +X
    int align = 0;      // a TextAlign code
    friend bool operator==(const TextLook&, const TextLook&) = default;
};

struct PointShape {
    Point3 at;
    friend bool operator==(const PointShape&, const PointShape&) = default;
};
struct LineShape {
    Point3 start, end;
    friend bool operator==(const LineShape&, const LineShape&) = default;
};
// Construction line: infinite in both directions through base along dir.
struct XLineShape {
    Point3 base, dir;
    friend bool operator==(const XLineShape&, const XLineShape&) = default;
};
// Ray: infinite from base along dir.
struct RayShape {
    Point3 base, dir;
    friend bool operator==(const RayShape&, const RayShape&) = default;
};
struct CircleShape {
    Point3 centre;
    double radius = 0.0;
    friend bool operator==(const CircleShape&, const CircleShape&) = default;
};
// Polylines and rectangles (a rectangle is a closed four-vertex polyline).
struct PolylineShape {
    std::vector<Point3> vertices;
    bool closed = false;
    int type = 0; // the caller's polyline type code, kept as given
    friend bool operator==(const PolylineShape&, const PolylineShape&) = default;
};
struct MlineLine {
    double offset = 0.0;
    int color = 256;
    friend bool operator==(const MlineLine&, const MlineLine&) = default;
};
// A multiline keeps the style's lines as they were when it was drawn, so that later changes of
// the style (each beam sets its own width) do not reshape earlier multilines.
struct MlineShape {
    std::vector<Point3> vertices;
    bool closed = false;
    std::string style;
    int drawMode = 0;
    std::vector<MlineLine> lines;
    friend bool operator==(const MlineShape&, const MlineShape&) = default;
};
struct TextShape {
    Point3 at;
    std::string text;
    TextLook look;
    friend bool operator==(const TextShape&, const TextShape&) = default;
};
// Multi-line text: lines break at "\P"; "\H2.5;" sets the height of what follows, "\H2x;"
// multiplies it, and braces keep such a change inside them. The attachment point 1-9 is the
// top, middle or bottom row of left, centre or right.
struct MTextShape {
    Point3 at;
    std::string text;
    double height = 10.0;
    double width = 0.0; // of the reference box; lines are not wrapped to it
    double angle = 0.0;
    int attachment = 1;
    friend bool operator==(const MTextShape&, const MTextShape&) = default;
};
// Attribute definition inside a block: inserts start their attribute with defaultText.
struct AttDefShape {
    Point3 at;
    std::string tag;
    std::string defaultText;
    TextLook look;
    friend bool operator==(const AttDefShape&, const AttDefShape&) = default;
};
// An insert's attribute: its own value, placed in drawing coordinates.
struct Attribute {
    std::string tag;
    std::string value;
    Point3 at;
    TextLook look;
    friend bool operator==(const Attribute&, const Attribute&) = default;
};
struct InsertShape {
    BlockId block;
    Point3 at;
    double scale = 1.0;
    double angle = 0.0;
    std::vector<Attribute> attributes;
    friend bool operator==(const InsertShape&, const InsertShape&) = default;
};
// Linear (dimension line at angle) or aligned (parallel to first-second) dimension.
struct DimensionShape {
    bool aligned = false;
    Point3 first, second, linePos;
    double angle = 0.0;
    DimStyleId style;
    friend bool operator==(const DimensionShape&, const DimensionShape&) = default;
};

using Shape =
    std::variant<PointShape, LineShape, XLineShape, RayShape, CircleShape, PolylineShape,
                 MlineShape, TextShape, MTextShape, AttDefShape, InsertShape, DimensionShape>;

// Kind codes reported to callers, in the order of the Shape alternatives, starting at 1.
enum class EntityKind : int {
    Point = 1,
    Line,
    XLine,
    Ray,
    Circle,
    Polyline,
    Mline,
    Text,
    MText,
    AttDef,
    Insert,
    Dimension,
};

constexpr int ByLayerColor = 256;

// Lineweights are hundredths of a millimetre; the negative codes say where one comes from.
constexpr int LineweightByLayer = -1;
constexpr int LineweightByBlock = -2; // the insert's, for block content
constexpr int LineweightDefault = -3;
// The lineweights drawings exchange (DXF accepts only these).
constexpr std::array<int, 24> StandardLineweights = {0,  5,   9,   13,  15,  18,  20,  25,
                                                     30, 35,  40,  50,  53,  60,  70,  80,
                                                     90, 100, 106, 120, 140, 158, 200, 211};

// An entity as the drawing keeps it. The structural program tells its elements apart by the
// kind code in userData and keeps each element's binary record in exData.
struct Entity {
    EntityId id{};
    LayerId layer{}; // none: the current layer, when added
    BlockId owner{}; // the block holding the entity; none for model space
    int color = ByLayerColor;
    int lineweight = LineweightByLayer;
    double ltScale = 1.0;
    bool visible = true;
    bool locked = false;       // shown, but not selected, picked, moved or erased by the user
    std::int32_t userData = 0; // the kind code of a structural element
    std::vector<std::uint8_t> exData{}; // the element's binary record
    Shape shape{};

    EntityKind kind() const { return static_cast<EntityKind>(shape.index() + 1); }
    friend bool operator==(const Entity&, const Entity&) = default;
};

// Whether the shape can be drawn: finite coordinates and sizes, a direction for construction
// lines and rays, a radius, two vertices for polylines and multilines, no negative text height,
// a scale for inserts. Every path into the drawing checks it.
[[nodiscard]] bool validShape(const Shape& shape);

// A closed four-vertex polyline centred on centre, turned by angle (radians).
[[nodiscard]] PolylineShape rectangle(const Point3& centre, double width, double height,
                                      double angle);

// A multi-line text laid out in its own frame: x along the text's direction, y up, the
// insertion point at the origin. Characters are taken as 0.6 of their height wide, lines
// 5/3 of their height apart, as for picking and extents.
struct MTextRun {
    std::string text;
    double height = 0.0;
    double x = 0.0;
};
struct MTextLine {
    std::vector<MTextRun> runs;
    double baseline = 0.0;
    double height = 0.0; // of its tallest run
};
struct MTextLayout {
    std::vector<MTextLine> lines;
    double left = 0.0, top = 0.0, width = 0.0, height = 0.0; // the box holding every line
};
[[nodiscard]] MTextLayout layoutMText(const MTextShape& mtext);
// Corners of the box of all its lines in plan, in drawing coordinates.
[[nodiscard]] std::array<Point3, 4> mtextBox(const MTextShape& mtext);

// Geometry of one shape, independent of blocks (an insert's block content is resolved by the
// drawing).
bool isInfinite(const Shape& shape);
Extent shapeExtent(const Shape& shape);
// The points a user drags: vertices and insertion points first, then a line's midpoint and a
// circle's quadrants (east, north, west, south), so that earlier grips keep their numbers.
std::vector<Point3> gripPoints(const Shape& shape);
void translate(Shape& shape, const Point3& d);
// Moves one grip; grips that stand for the whole entity (an insertion point, a circle's centre,
// a line's midpoint) move the whole entity, a circle's quadrant changes its radius.
void moveGrip(Shape& shape, int grip, const Point3& d);
// Plan distance from p to the drawn shape (texts count their whole box).
double planDistance(const Shape& shape, const Point3& p);
// Plan outline as segments, used for fence selection and for block content.
void appendOutline(const Shape& shape, std::vector<std::pair<Point3, Point3>>& out);
// Corners of a text's box in plan, from its insertion point, look and length.
std::array<Point3, 4> textBox(const Point3& at, const std::string& text, const TextLook& look);

} // namespace quadrilo::cad
