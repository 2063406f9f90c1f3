// The seven working lists: copies of the drawing's element and malha records for one data
// generation, each with the entity it came from.
#pragma once

#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TLoadData.h"
#include "elements/TSlabData.h"
#include "elements/TWallData.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::mesh {

// An owned copy of one entity's record. `Changed` marks a copy that a step has altered since it
// was read, so the caller writes it back to the entity.
template <class Record> struct WorkingItem {
    std::uint32_t EntityID = 0;
    Record Data;
    bool Changed = false;
};

struct WorkingLists {
    std::vector<WorkingItem<TBeamData>> BeamList;
    std::vector<WorkingItem<TSlabData>> SlabList;
    std::vector<WorkingItem<TWallData>> WallList;
    std::vector<WorkingItem<TColumnData>> ColumnList;
    std::vector<WorkingItem<TBarData>> BarList;
    std::vector<WorkingItem<TNodeData>> NodeList;
    std::vector<WorkingItem<TLoadData>> LoadList;

    void ClearWorkingLists();
};

// One entity as the caller reads the drawing: layer by layer in the engine's order, and within a
// layer in its entity order, so that NodeList comes out in node-number order.
struct DrawnEntity {
    std::string_view Layer;
    std::uint32_t EntityID = 0;
    std::int32_t Kind = 0;
    std::span<const std::uint8_t> Record;
};

// Copies the entity's record into its list when the entity belongs there: an element of the
// right kind code and record size on its own layer (beams on "Vigas", slabs on "Lajes", loads
// on "Cargas", nodes and bars on "Quadrilo"), a column or a wall on any of the six layers of
// the structure. A node's load shares start from zero; the copy is marked changed when that
// clears a share. Returns whether the entity was taken.
bool AddDrawnEntity(WorkingLists& lists, const DrawnEntity& entity);

// "Pilares: ", "Vigas: ", "Lajes: ", "Paredes: ", "Barras: ", "Nós: ", "Cargas: " with the counts.
[[nodiscard]] std::vector<std::string> WorkingListCounts(const WorkingLists& lists);

// The copy of node `number`: NodeList in numbering order puts it at number − 1; otherwise the
// list is searched. Null when no node has that number.
[[nodiscard]] WorkingItem<TNodeData>* NodeByNumber(WorkingLists& lists, std::uint16_t number);

} // namespace quadrilo::mesh
