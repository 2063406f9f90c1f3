// The malha in the drawing: working lists, records written back, the grid placed and erased.
#include "mesh/MeshDrawing.h"

#include "elements/ElementKind.h"
#include "elements/Layers.h"

#include <numbers>
#include <stdexcept>
#include <string>

namespace quadrilo::mesh {

namespace {

using elements::ElementKind;
using elements::KindCode;

// The colour index of the layer "Quadrilo" when the grid has to make it.
constexpr int GrillageLayerColour = 254;

cad::LayerId LayerOf(const cad::Drawing& drawing, std::string_view name) {
    return drawing.layerByName(std::string(name));
}

// Every entity of the layer as the lists read it.
template <class Visit>
void ForEachInLayer(const cad::Drawing& drawing, cad::LayerId layer, std::string_view name,
                    Visit visit) {
    for (cad::EntityId id = drawing.firstInLayer(layer); id; id = drawing.nextEntity(id)) {
        const cad::Entity& e = *drawing.entity(id);
        visit(DrawnEntity{name, id.value, e.userData, e.exData});
    }
}

cad::Entity LabelEntity(const MeshLabel& label) {
    return cad::Entity{
        .color = GrillageColour,
        .userData = KindCode(ElementKind::None),
        .shape = cad::TextShape{
            {label.X, label.Y, 0},
            label.Text,
            {label.Height, label.AngleDegrees * std::numbers::pi / 180.0, label.Alignment}}};
}

cad::Entity NodeEntity(const TNodeData& node) {
    return cad::Entity{.color = GrillageColour,
                       .userData = KindCode(ElementKind::GrillageNode),
                       .exData = node.Encode(),
                       .shape = cad::PointShape{{node.X, node.Y, 0}}};
}

cad::Entity BarEntity(const TBarData& bar) {
    return cad::Entity{.color = GrillageColour,
                       .userData = KindCode(ElementKind::GrillageBar),
                       .exData = bar.Encode(),
                       .shape = cad::LineShape{{bar.X1, bar.Y1, 0}, {bar.X2, bar.Y2, 0}}};
}

// Where node n and bar b sit among the layer's new entities: each is followed by its label.
std::size_t NodeSlot(std::size_t n) {
    return 2 * n;
}
std::size_t BarSlot(std::size_t nodes, std::size_t b) {
    return 2 * (nodes + b);
}

std::vector<cad::Entity> GridEntities(const MeshGrid& grid) {
    std::vector<cad::Entity> entities;
    entities.reserve(2 * (grid.Nodes.size() + grid.Bars.size()));
    for (const auto& node : grid.Nodes) {
        entities.push_back(NodeEntity(node.Record));
        entities.push_back(LabelEntity(node.Label));
    }
    for (const auto& bar : grid.Bars) {
        entities.push_back(BarEntity(bar.Record));
        entities.push_back(LabelEntity(bar.Label));
    }
    return entities;
}

void AssignIds(MeshGrid& grid, const std::vector<cad::EntityId>& ids) {
    std::vector<std::uint32_t> nodeIds(grid.Nodes.size()), barIds(grid.Bars.size());
    for (std::size_t n = 0; n < nodeIds.size(); ++n)
        nodeIds[n] = ids[NodeSlot(n)].value;
    for (std::size_t b = 0; b < barIds.size(); ++b)
        barIds[b] = ids[BarSlot(nodeIds.size(), b)].value;
    AssignEntityIds(grid, nodeIds, barIds);
}

} // namespace

bool LayerHoldsEntities(const cad::Drawing& drawing, std::string_view layer) {
    const cad::LayerId id = LayerOf(drawing, layer);
    return id && drawing.firstInLayer(id);
}

void ReadWorkingLists(const cad::Drawing& drawing, WorkingLists& lists) {
    lists.ClearWorkingLists();
    for (const cad::LayerId layer : drawing.layerOrder()) {
        const std::string& name = drawing.layer(layer)->name;
        ForEachInLayer(drawing, layer, name,
                       [&lists](const DrawnEntity& e) { (void)AddDrawnEntity(lists, e); });
    }
}

std::vector<TSlabData> ReadSlabs(const cad::Drawing& drawing) {
    WorkingLists lists;
    if (const cad::LayerId layer = LayerOf(drawing, elements::SlabLayer))
        ForEachInLayer(drawing, layer, elements::SlabLayer,
                       [&lists](const DrawnEntity& e) { (void)AddDrawnEntity(lists, e); });
    std::vector<TSlabData> slabs;
    slabs.reserve(lists.SlabList.size());
    for (const auto& item : lists.SlabList)
        slabs.push_back(item.Data);
    return slabs;
}

void BuildWorkingLists(cad::Transaction& tx, MeshWorkspace& workspace, MessageSink& sink) {
    ReadWorkingLists(tx.drawing(), workspace.Lists);
    (void)WriteBackChangedRecords(tx, workspace.Lists);
    for (const auto& line : WorkingListCounts(workspace.Lists))
        sink.LogMessage(line);
    workspace.CountMeshFromLists();
}

std::size_t WriteBackChangedRecords(cad::Transaction& tx, WorkingLists& lists) {
    std::size_t written = 0;
    const auto writeBack = [&](auto& list) {
        for (auto& item : list) {
            if (!item.Changed)
                continue;
            (void)tx.setExtendedData(cad::EntityId(item.EntityID), item.Data.Encode());
            item.Changed = false;
            ++written;
        }
    };
    writeBack(lists.BeamList);
    writeBack(lists.SlabList);
    writeBack(lists.WallList);
    writeBack(lists.ColumnList);
    writeBack(lists.BarList);
    writeBack(lists.NodeList);
    writeBack(lists.LoadList);
    return written;
}

void PlaceGrillage(cad::Transaction& tx, MeshGrid& grid) {
    const cad::LayerId layer =
        tx.addLayer(cad::Layer{std::string(elements::GrillageLayer), GrillageLayerColour});
    // The drawing numbers the new entities in their order from its next id, so the records go in
    // already carrying their ids; a drawing that numbered them otherwise takes the step back.
    const std::uint32_t first = tx.drawing().nextId();
    std::vector<cad::EntityId> expected(2 * (grid.Nodes.size() + grid.Bars.size()));
    for (std::size_t k = 0; k < expected.size(); ++k)
        expected[k] = cad::EntityId(first + static_cast<std::uint32_t>(k));
    AssignIds(grid, expected);
    if (tx.replaceLayerContents(layer, GridEntities(grid)) != expected)
        throw std::runtime_error("Erro: A malha não pôde ser criada no desenho.");
}

std::size_t EraseGrillage(cad::Transaction& tx) {
    const cad::LayerId layer = LayerOf(tx.drawing(), elements::GrillageLayer);
    if (!layer)
        return 0;
    const std::size_t count = tx.drawing().layerCount(layer);
    if (count > 0)
        (void)tx.replaceLayerContents(layer, {});
    return count;
}

} // namespace quadrilo::mesh
