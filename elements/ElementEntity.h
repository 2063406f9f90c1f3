// An element's entity as the element routines see it: kind code, record, and a beam's vertices.
#pragma once

#include "elements/ElementKind.h"
#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TLoadData.h"
#include "elements/TSlabData.h"
#include "elements/TWallData.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace quadrilo::elements {

// A drawing point in cm; the same shape as the CAD engine's point.
struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;

    bool operator==(const Point3&) const = default;
    Point3 operator+(const Point3& o) const { return {x + o.x, y + o.y, z + o.z}; }
};

// A picked point cut to hundredths, coordinate by coordinate (TruncTo2).
[[nodiscard]] Point3 TruncatedTo2(Point3 p);

// The centre (midpoint) and the per-coordinate minima and maxima of a slab or beam record that
// spans the two points.
template <class Record> void SetCentreAndBox(Record& record, Point3 p1, Point3 p2) {
    record.CentroX = p1.x + (p2.x - p1.x) / 2;
    record.CentroY = p1.y + (p2.y - p1.y) / 2;
    record.CentroZ = p1.z + (p2.z - p1.z) / 2;
    record.MinX = std::min(p1.x, p2.x);
    record.MinY = std::min(p1.y, p2.y);
    record.MinZ = std::min(p1.z, p2.z);
    record.MaxX = std::max(p1.x, p2.x);
    record.MaxY = std::max(p1.y, p2.y);
    record.MaxZ = std::max(p1.z, p2.z);
}

using ElementRecord = std::variant<TSlabData, TBeamData, TColumnData, TWallData, TLoadData>;

[[nodiscard]] std::vector<std::uint8_t> EncodeRecord(const ElementRecord& record);

// One entity of the drawing, read for a routine that must not keep it: the routines take the
// record from here, never from a shared buffer.
struct EntityView {
    std::int32_t id = 0;   // the entity's persistent identifier
    std::int32_t kind = 0; // its user data, a kind code
    std::span<const std::uint8_t> record;
    std::span<const Point3> vertices; // a beam's multiline vertices, in drawing order
};

// The record of an element entity: a slab, beam, wall, column or nodal load whose extended data
// has its record's size. Anything else (another kind, a damaged or foreign block) is nullopt.
[[nodiscard]] std::optional<ElementRecord> DecodeElementRecord(const EntityView& entity);

// The record that a slab or beam entity must carry once it has its own identifier (after its
// creation, and for a pasted copy, which arrives with its source's): nullopt when the record
// already names the entity, or when the entity is of a kind whose record names none.
[[nodiscard]] std::optional<ElementRecord> RecordWithOwnEntityId(const EntityView& entity);

} // namespace quadrilo::elements
