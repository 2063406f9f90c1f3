// Entities of the drawing: the properties every entity has and the shape of each kind.
#pragma once

#include "Geometry.h"
#include "Ids.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace cad {

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
struct MTextShape {
    Point3 at;
    std::string text;
    double height = 10.0;
    double width = 0.0;
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

struct Entity {
    EntityId id;
    LayerId layer;
    BlockId owner; // the block holding the entity; none for model space
    int color = ByLayerColor;
    int lineweight = -1; // -1: the layer's
    double ltScale = 1.0;
    bool visible = true;
    bool locked = false; // shown, but not selected, picked, moved or erased by the user
    std::int32_t userData = 0;
    std::vector<std::uint8_t> exData;
    Shape shape;

    EntityKind kind() const { return static_cast<EntityKind>(shape.index() + 1); }
    friend bool operator==(const Entity&, const Entity&) = default;
};

// Geometry of one shape, independent of blocks (an insert's block content is resolved by the
// drawing).
bool isInfinite(const Shape& shape);
Extent shapeExtent(const Shape& shape);
std::vector<Point3> gripPoints(const Shape& shape);
void translate(Shape& shape, const Point3& d);
// Moves one grip; grips that stand for the whole entity move the whole entity.
void moveGrip(Shape& shape, int grip, const Point3& d);
// Plan distance from p to the drawn shape (texts count their whole box).
double planDistance(const Shape& shape, const Point3& p);
// Plan outline as segments, used for fence selection and for block content.
void appendOutline(const Shape& shape, std::vector<std::pair<Point3, Point3>>& out);
// Corners of a text's box in plan, from its insertion point, look and length.
std::array<Point3, 4> textBox(const Point3& at, const std::string& text, const TextLook& look);

} // namespace cad
