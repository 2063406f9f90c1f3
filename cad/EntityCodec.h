// Binary records of entities and of the layers, styles and blocks they name, shared by the
// drawing file and the clipboard payload.
#pragma once

#include "cad/ByteIo.h"
#include "cad/Drawing.h"
#include "cad/Entity.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace quadrilo::cad {

void writeEntity(ByteWriter& out, const Entity& entity);
// Reads one record; ids (entity, layer, owner, block, style) come back as stored, for the
// caller to check against its tables.
[[nodiscard]] Entity readEntity(ByteReader& in);

// The lines of a multiline, in its shape and in its style alike: a count, then offset and colour.
void writeMlineLines(ByteWriter& out, const std::vector<MlineLine>& lines);
[[nodiscard]] std::vector<MlineLine> readMlineLines(ByteReader& in);

// Table records: the stored id, then the fields. The readers return the id as stored and leave
// checking names and ids to the caller, which knows its tables.
void writeLayer(ByteWriter& out, LayerId id, const Layer& layer);
[[nodiscard]] std::pair<std::uint32_t, Layer> readLayer(ByteReader& in);
void writeDimStyle(ByteWriter& out, DimStyleId id, const DimStyle& style);
[[nodiscard]] std::pair<std::uint32_t, DimStyle> readDimStyle(ByteReader& in);
// A block: its id, name and base point, then the count of its entities and their records.
// readBlockHead reads as far as the count, which the caller reads to take the entities.
void writeBlock(ByteWriter& out, const Drawing& drawing, BlockId id);
[[nodiscard]] std::pair<std::uint32_t, Block> readBlockHead(ByteReader& in);

} // namespace quadrilo::cad
