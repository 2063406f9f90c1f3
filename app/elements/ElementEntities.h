// The element routines' plain drawings turned into entities of the CAD engine, and entities read
// back for the routines.
#pragma once

#include "elements/ElementDrawing.h"
#include "elements/ElementEntity.h"

#include "cad/Drawing.h"
#include "cad/Transaction.h"

#include <vector>

namespace quadrilo::app {

[[nodiscard]] inline cad::Point3 ToCad(const elements::Point3& p) {
    return {p.x, p.y, p.z};
}
[[nodiscard]] inline elements::Point3 FromCad(const cad::Point3& p) {
    return {p.x, p.y, p.z};
}

// Adds the element whole inside the transaction: the block of an insert when the drawing has none
// of that name, then the entity with its kind code, layer, colour and record, the record already
// naming the entity's own id, so that every handler of `created` sees the finished element. None
// when the engine refuses the shape.
[[nodiscard]] cad::EntityId DrawElement(cad::Transaction& tx, const elements::ElementDrawing& e);

// The load blocks "+Load" and "-Load" come with the start drawing; a drawing that lacks one gets
// it back before a load is drawn.
void EnsureLoadBlocks(cad::Transaction& tx);

// An entity as the element routines read it; `vertices` holds a multiline's vertices for as long
// as the view is used.
[[nodiscard]] elements::EntityView ViewOf(const cad::Entity& entity,
                                          std::vector<elements::Point3>& vertices);

// The multiline's vertices of a beam entity (empty for any other shape).
[[nodiscard]] std::vector<elements::Point3> MultilineVertices(const cad::Entity& entity);

} // namespace quadrilo::app
