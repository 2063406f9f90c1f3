// Binary record of one entity, shared by the drawing file and the clipboard payload.
#pragma once

#include "ByteIo.h"
#include "Entity.h"

namespace cad {

void writeEntity(ByteWriter& out, const Entity& entity);
// Reads one record; ids (entity, layer, owner, block, style) come back as stored, for the
// caller to check against its tables.
[[nodiscard]] Entity readEntity(ByteReader& in);

} // namespace cad
