// What an element puts into the drawing, as plain data: the integration turns one ElementDrawing
// into its entity (kind code, layer, record and shape together) in one transaction.
#pragma once

#include "elements/ElementEntity.h"
#include "elements/ElementKind.h"
#include "elements/ElementOutcome.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quadrilo::elements {

// Text of a label: height in cm, angle in degrees counter-clockwise, the CAD engine's alignment
// code (4 middle-centre, 7 bottom-centre).
struct TextLook {
    double height = 0;
    double angleDeg = 0;
    int align = 0;

    bool operator==(const TextLook&) const = default;
};

// Block content, in drawing coordinates of the element that defines the block. A colour is a
// palette index; nullopt leaves the entity's colour by layer.
struct RectangleItem {
    Point3 centre;
    double width = 0;
    double height = 0;
    std::optional<int> color;

    bool operator==(const RectangleItem&) const = default;
};

// An attribute definition; nullopt look leaves the engine's default height and alignment.
struct AttributeItem {
    std::string tag;
    std::string defaultText;
    Point3 at;
    std::optional<TextLook> look;
    std::optional<int> color;

    bool operator==(const AttributeItem&) const = default;
};

struct PointItem {
    Point3 at;
    std::optional<int> color;

    bool operator==(const PointItem&) const = default;
};

using BlockItem = std::variant<RectangleItem, AttributeItem, PointItem>;

// A block named by the element's sizes. Elements of equal names share one block: the integration
// defines it only when the drawing has no block of that name yet.
struct BlockDefinition {
    std::string name;
    Point3 base;
    std::vector<BlockItem> items; // in the order they go into the block

    bool operator==(const BlockDefinition&) const = default;
};

// The value an insert gives its block's attribute: every insert shows its own text, whatever the
// element that first defined the block showed.
struct AttributeValue {
    std::string tag;
    std::string text;
    std::optional<int> align; // nullopt: the definition's alignment

    bool operator==(const AttributeValue&) const = default;
};

struct InsertDrawing {
    std::string blockName;
    std::optional<BlockDefinition> definition; // nullopt: the block comes with the template
    Point3 at;
    double scale = 1.0;
    double angleDeg = 0.0;
    AttributeValue attribute;

    bool operator==(const InsertDrawing&) const = default;
};

// Offsets of a beam multiline's lines 1 and 2 around its axis (line 0): ±a/2 shows its width.
struct MultilineWidth {
    double line1Offset = 0;
    double line2Offset = 0;

    bool operator==(const MultilineWidth&) const = default;
};

struct MultilineDrawing {
    std::string style;
    std::vector<Point3> vertices;
    MultilineWidth width;
    int color = 0;

    bool operator==(const MultilineDrawing&) const = default;
};

struct LineDrawing {
    Point3 start;
    Point3 end;
    int color = 0;
    int lineweight = 0;
    double ltScale = 1.0;

    bool operator==(const LineDrawing&) const = default;
};

// A rubber-band segment drawn while a command waits for its next point.
struct RubberLine {
    Point3 from;
    Point3 to;

    bool operator==(const RubberLine&) const = default;
};

using ElementShape = std::variant<InsertDrawing, MultilineDrawing, LineDrawing>;

struct ElementDrawing {
    ElementKind kind = ElementKind::None;
    std::string layer; // empty: the layer current when it is drawn
    ElementShape shape;
    // The extended data. A slab's or beam's EntityID is the new entity's identifier, known once
    // the entity exists: RecordWithOwnEntityId gives the record to store then.
    ElementRecord record;
};

// A new element: what to draw, the lines to show after it is drawn, and the flags it touches.
struct ElementCreation {
    ElementDrawing drawing;
    MessageLines messages;
    FlagChange flags = FlagChange::None;
};

} // namespace quadrilo::elements
