// The malha in a drawing: the grid's records name their own entities, and a data generation
// starts the node loads from zero in the drawing too.
#include "mesh/MeshDrawing.h"
#include "mesh/MeshFixtures.h"

#include "cad/Transaction.h"
#include "elements/ElementKind.h"
#include "elements/Layers.h"

#include <gtest/gtest.h>

namespace quadrilo::mesh {
namespace {

using elements::ElementKind;
using elements::KindCode;

class MeshInDrawing : public ::testing::Test {
protected:
    cad::Drawing drawing;
    TProjectData project = test::Project(2, 3);

    void SetUp() override {
        cad::Transaction tx(drawing);
        const cad::LayerId lajes = tx.addLayer(cad::Layer{std::string(elements::SlabLayer), 2});
        // Entities before the grid, so that its ids do not start at 1.
        (void)tx.add(cad::Entity{.layer = lajes,
                                 .userData = KindCode(ElementKind::Slab),
                                 .exData = test::Slab(0, 0, 200, 300, 12, 2, 1).Encode(),
                                 .shape = cad::PointShape{}});
        (void)tx.add(cad::Entity{.layer = lajes,
                                 .userData = KindCode(ElementKind::Slab),
                                 .shape = cad::PointShape{}}); // no record: no laje
    }

    MeshGrid place() {
        const auto plan = PlanMesh(ReadSlabs(drawing), project.nDX, project.nDY);
        EXPECT_TRUE(plan.Plan) << plan.Error;
        MeshGrid grid = GenerateMesh(*plan.Plan, project);
        cad::Transaction tx(drawing);
        PlaceGrillage(tx, grid);
        return grid;
    }
};

TEST_F(MeshInDrawing, RecordsNameTheirOwnEntitiesAndTheirNodes) {
    ASSERT_EQ(ReadSlabs(drawing).size(), 1u);
    const MeshGrid grid = place();
    for (const auto& node : grid.Nodes) {
        const cad::Entity& e = *drawing.entity(cad::EntityId(node.Record.EntityID));
        EXPECT_EQ(e.userData, KindCode(ElementKind::GrillageNode));
        EXPECT_EQ(TNodeData::Decode(e.exData), node.Record);
    }
    for (const auto& bar : grid.Bars) {
        const cad::Entity& e = *drawing.entity(cad::EntityId(bar.Record.EntityID));
        EXPECT_EQ(TBarData::Decode(e.exData), bar.Record);
        const auto end = [&](std::int32_t id) {
            return TNodeData::Decode(drawing.entity(cad::EntityId(id))->exData).Number;
        };
        EXPECT_EQ(end(bar.Record.N1EntityID), bar.Record.N1);
        EXPECT_EQ(end(bar.Record.N2EntityID), bar.Record.N2);
    }
    const auto layer = drawing.layerByName(std::string(elements::GrillageLayer));
    EXPECT_EQ(drawing.layerCount(layer), 2 * (12u + 17u)) << "each with its label";
}

TEST_F(MeshInDrawing, ListsStartTheNodeLoadsFromZeroInTheDrawing) {
    MeshGrid grid = place();
    const auto nodeId = cad::EntityId(grid.Nodes[4].Record.EntityID);
    TNodeData loaded = grid.Nodes[4].Record;
    loaded.PLaje = 0.15;
    loaded.PPontual = -10;
    (void)cad::Transaction(drawing).setExtendedData(nodeId, loaded.Encode());

    MeshWorkspace workspace;
    CollectingSink log;
    {
        cad::Transaction tx(drawing);
        BuildWorkingLists(tx, workspace, log);
    }
    EXPECT_EQ(workspace.MeshNodeCount, 12);
    EXPECT_EQ(workspace.MeshBarCount, 17);
    EXPECT_EQ(workspace.Lists.SlabList.size(), 1u);
    EXPECT_EQ(Texts(log.Lines),
              (std::vector<std::string>{"Pilares: 0", "Vigas: 0", "Lajes: 1", "Paredes: 0",
                                        "Barras: 17", "Nós: 12", "Cargas: 0"}));
    const TNodeData stored = TNodeData::Decode(drawing.entity(nodeId)->exData);
    EXPECT_EQ(stored.PLaje, 0);
    EXPECT_EQ(stored.PPontual, 0);

    cad::Transaction tx(drawing);
    EXPECT_EQ(EraseGrillage(tx), 2 * (12u + 17u));
    EXPECT_FALSE(LayerHoldsEntities(drawing, elements::GrillageLayer));
}

} // namespace
} // namespace quadrilo::mesh
