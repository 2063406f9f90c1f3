// The seven working lists: copies of the drawing's element and malha records for one data
// generation, each with the entity it came from.
#include "mesh/WorkingLists.h"

#include "elements/ElementKind.h"
#include "elements/Layers.h"

#include <algorithm>
#include <array>

namespace quadrilo::mesh {

namespace {

using elements::ElementKind;

// The six layers whose entities the lists take; every other layer is left alone.
constexpr std::array StructureLayers = {elements::ColumnLayer,   elements::BeamLayer,
                                        elements::SlabLayer,     elements::WallLayer,
                                        elements::GrillageLayer, elements::LoadLayer};

bool IsStructureLayer(std::string_view name) {
    return std::find(StructureLayers.begin(), StructureLayers.end(), name) != StructureLayers.end();
}

template <class Record>
bool Take(std::vector<WorkingItem<Record>>& list, const DrawnEntity& entity) {
    if (entity.Record.size() != Record::Size)
        return false;
    list.push_back({entity.EntityID, Record::Decode(entity.Record), false});
    return true;
}

// Every data generation starts the node loads from zero.
bool TakeNodeWithoutLoads(std::vector<WorkingItem<TNodeData>>& list, const DrawnEntity& entity) {
    if (!Take(list, entity))
        return false;
    auto& item = list.back();
    for (double* share : {&item.Data.PLaje, &item.Data.PAcid, &item.Data.PPerm, &item.Data.PViga,
                          &item.Data.PParede, &item.Data.PPontual}) {
        item.Changed = item.Changed || *share != 0;
        *share = 0;
    }
    return true;
}

} // namespace

void WorkingLists::ClearWorkingLists() {
    BeamList.clear();
    SlabList.clear();
    WallList.clear();
    ColumnList.clear();
    BarList.clear();
    NodeList.clear();
    LoadList.clear();
}

bool AddDrawnEntity(WorkingLists& lists, const DrawnEntity& entity) {
    if (!IsStructureLayer(entity.Layer))
        return false;
    const auto on = [&entity](std::string_view home) { return entity.Layer == home; };
    switch (elements::KindOfCode(entity.Kind)) {
    case ElementKind::Beam:
        return on(elements::BeamLayer) && Take(lists.BeamList, entity);
    case ElementKind::Slab:
        return on(elements::SlabLayer) && Take(lists.SlabList, entity);
    case ElementKind::Wall:
        return Take(lists.WallList, entity);
    case ElementKind::Column:
        return Take(lists.ColumnList, entity);
    case ElementKind::GrillageBar:
        return on(elements::GrillageLayer) && Take(lists.BarList, entity);
    case ElementKind::GrillageNode:
        return on(elements::GrillageLayer) && TakeNodeWithoutLoads(lists.NodeList, entity);
    case ElementKind::NodalLoad:
        return on(elements::LoadLayer) && Take(lists.LoadList, entity);
    default:
        return false;
    }
}

std::vector<std::string> WorkingListCounts(const WorkingLists& lists) {
    return {"Pilares: " + std::to_string(lists.ColumnList.size()),
            "Vigas: " + std::to_string(lists.BeamList.size()),
            "Lajes: " + std::to_string(lists.SlabList.size()),
            "Paredes: " + std::to_string(lists.WallList.size()),
            "Barras: " + std::to_string(lists.BarList.size()),
            "Nós: " + std::to_string(lists.NodeList.size()),
            "Cargas: " + std::to_string(lists.LoadList.size())};
}

WorkingItem<TNodeData>* NodeByNumber(WorkingLists& lists, std::uint16_t number) {
    auto& nodes = lists.NodeList;
    if (number >= 1 && number <= nodes.size() && nodes[number - 1u].Data.Number == number)
        return &nodes[number - 1u];
    const auto found = std::find_if(nodes.begin(), nodes.end(), [number](const auto& node) {
        return node.Data.Number == number;
    });
    return found == nodes.end() ? nullptr : &*found;
}

} // namespace quadrilo::mesh
