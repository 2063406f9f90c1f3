// The malha in the drawing: the working lists read from the structure's layers, changed records
// written back, and the grid placed in or erased from the layer "Quadrilo", all through the CAD
// engine's transactions.
#pragma once

#include "cad/Drawing.h"
#include "cad/Transaction.h"
#include "common/Messages.h"
#include "elements/TSlabData.h"
#include "mesh/MeshGeneration.h"
#include "mesh/MeshWorkspace.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace quadrilo::mesh {

// Whether the named layer holds any entity of model space (a missing layer holds none).
[[nodiscard]] bool LayerHoldsEntities(const cad::Drawing& drawing, std::string_view layer);

// Empties the lists and copies the records of the six layers of the structure, layer by layer
// in the drawing's order and within a layer in its entity order; each reader takes only the
// entities of its kind code and record size (AddDrawnEntity).
void ReadWorkingLists(const cad::Drawing& drawing, WorkingLists& lists);

// The lajes of the layer "Lajes", in its order: entities of the laje's kind code and record size.
[[nodiscard]] std::vector<TSlabData> ReadSlabs(const cad::Drawing& drawing);

// Reads the lists, writes the nodes' zeroed load shares back to their entities, logs the seven
// count lines and sets the counters from the lists.
void BuildWorkingLists(cad::Transaction& tx, MeshWorkspace& workspace, MessageSink& sink);

// Writes every record marked changed back to its entity and clears the marks; the number of
// records written.
std::size_t WriteBackChangedRecords(cad::Transaction& tx, WorkingLists& lists);

// Replaces the contents of the layer "Quadrilo" (made when missing) with the grid as one cheap
// undo record: every node point followed by its label, then every bar line followed by its
// label, in numbering order. The records carry the entity ids the drawing gave. Throws
// std::runtime_error, so that the open step is taken back, when the drawing refuses the grid.
void PlaceGrillage(cad::Transaction& tx, MeshGrid& grid);

// Empties the layer "Quadrilo" as one cheap undo record; the number of entities erased.
std::size_t EraseGrillage(cad::Transaction& tx);

} // namespace quadrilo::mesh
