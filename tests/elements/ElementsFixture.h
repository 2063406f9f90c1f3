// Test support for the element routines: a fresh project record, element entities kept as the
// drawing would keep them, and the refusal of an outcome.
#pragma once

#include "elements/ElementDrawing.h"
#include "elements/ElementEntity.h"
#include "elements/ElementOutcome.h"
#include "project/TProjectData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <variant>
#include <vector>

namespace quadrilo::elements::test {

// The record of a new project: PELaje and PEConcreto 25, the default torsion formulas.
inline TProjectData NewProject() {
    TProjectData project;
    ResetProjectData(project, 0);
    return project;
}

// An element entity as the drawing holds it once created: its own identifier in the record, the
// record's bytes, and a multiline's vertices.
struct StoredEntity {
    std::int32_t id = 0;
    std::int32_t kind = 0;
    std::vector<std::uint8_t> bytes;
    std::vector<Point3> vertices;

    EntityView View() const { return {id, kind, bytes, vertices}; }
};

inline StoredEntity Stored(const ElementDrawing& drawing, std::int32_t id) {
    StoredEntity entity{id, KindCode(drawing.kind), EncodeRecord(drawing.record), {}};
    if (const auto* multiline = std::get_if<MultilineDrawing>(&drawing.shape)) {
        entity.vertices = multiline->vertices;
    }
    if (const auto own = RecordWithOwnEntityId(entity.View())) {
        entity.bytes = EncodeRecord(*own);
    }
    return entity;
}

inline StoredEntity Stored(const ElementRecord& record, std::int32_t kind, std::int32_t id,
                           std::vector<Point3> vertices = {}) {
    return {id, kind, EncodeRecord(record), std::move(vertices)};
}

// The refusal of an outcome that must have been refused.
template <class T> Refusal RefusalOf(const Outcome<T>& outcome) {
    EXPECT_FALSE(outcome.Ok());
    return outcome.Ok() ? Refusal{} : outcome.Error();
}

} // namespace quadrilo::elements::test
