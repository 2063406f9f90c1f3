// The working lists read from the drawing, and the node and bar listings.
#include "mesh/WorkingLists.h"

#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "mesh/MeshListings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quadrilo::mesh {
namespace {

using ::testing::ElementsAre;
using namespace elements; // the drawing's layers and kind codes

TEST(WorkingLists, EachListTakesItsKindFromItsLayerWithItsRecordSize) {
    const auto beam = TBeamData{}.Encode();
    const auto slab = TSlabData{}.Encode();
    const auto wall = TWallData{}.Encode();
    const auto column = TColumnData{}.Encode();
    const auto bar = TBarData{}.Encode();
    const auto node = TNodeData{}.Encode();
    const auto load = TLoadData{}.Encode();
    struct Case {
        std::string_view layer;
        ElementKind kind;
        const std::vector<std::uint8_t>& record;
        bool taken;
    };
    const std::vector<Case> cases{
        {BeamLayer, ElementKind::Beam, beam, true},
        {SlabLayer, ElementKind::Slab, slab, true},
        {ColumnLayer, ElementKind::Column, column, true},
        {BeamLayer, ElementKind::Column, column, true}, // pilares and paredes on any of the six
        {SlabLayer, ElementKind::Wall, wall, true},
        {GrillageLayer, ElementKind::GrillageBar, bar, true},
        {GrillageLayer, ElementKind::GrillageNode, node, true},
        {LoadLayer, ElementKind::NodalLoad, load, true},
        {SlabLayer, ElementKind::Beam, beam, false}, // a viga away from "Vigas"
        {BeamLayer, ElementKind::Slab, slab, false},
        {LoadLayer, ElementKind::GrillageNode, node, false},
        {GrillageLayer, ElementKind::DeformedNode, node, false},
        {GrillageLayer, ElementKind::DeformedBar, bar, false},
        {GrillageLayer, ElementKind::None, node, false},
        {LoadLayer, ElementKind::Wall, load, false},           // a wall's kind with a load's record
        {BeamLayer, ElementKind::Beam, slab, false},           // wrong record size
        {AnnotationLayer, ElementKind::Column, column, false}, // not a layer of the structure
        {"pilares", ElementKind::Column, column, false},       // names compare case-sensitively
        {DeformedGrillageLayer, ElementKind::GrillageNode, node, false},
    };
    for (const auto& c : cases) {
        WorkingLists lists;
        EXPECT_EQ(AddDrawnEntity(lists, {c.layer, 7, KindCode(c.kind), c.record}), c.taken)
            << c.layer << " " << KindCode(c.kind);
    }
}

TEST(WorkingLists, CountLinesAndNodeLoadsStartingFromZero) {
    WorkingLists lists;
    TNodeData loaded;
    loaded.Number = 1;
    loaded.PLaje = 0.15;
    loaded.PPontual = -10;
    loaded.FreeDz = 0;
    loaded.Spring = 5000;
    TNodeData unloaded;
    unloaded.Number = 2;
    ASSERT_TRUE(AddDrawnEntity(
        lists, {GrillageLayer, 11, KindCode(ElementKind::GrillageNode), loaded.Encode()}));
    ASSERT_TRUE(AddDrawnEntity(
        lists, {GrillageLayer, 12, KindCode(ElementKind::GrillageNode), unloaded.Encode()}));
    ASSERT_TRUE(AddDrawnEntity(
        lists, {ColumnLayer, 13, KindCode(ElementKind::Column), TColumnData{}.Encode()}));

    const auto& first = lists.NodeList[0];
    EXPECT_EQ(first.EntityID, 11u);
    EXPECT_EQ(first.Data.PLaje, 0);
    EXPECT_EQ(first.Data.PPontual, 0);
    EXPECT_EQ(first.Data.FreeDz, 0); // supports are kept
    EXPECT_EQ(first.Data.Spring, 5000);
    EXPECT_TRUE(first.Changed);
    EXPECT_FALSE(lists.NodeList[1].Changed);
    EXPECT_EQ(NodeByNumber(lists, 2), &lists.NodeList[1]);
    EXPECT_EQ(NodeByNumber(lists, 3), nullptr);

    EXPECT_THAT(WorkingListCounts(lists),
                ElementsAre("Pilares: 1", "Vigas: 0", "Lajes: 0", "Paredes: 0", "Barras: 0",
                            "Nós: 2", "Cargas: 0"));
    lists.ClearWorkingLists();
    EXPECT_TRUE(lists.NodeList.empty());
    EXPECT_TRUE(lists.ColumnList.empty());
}

TEST(MeshListings, NodeLinesAsTheLogShowsThem) {
    TNodeData node;
    node.Number = 23;
    node.X = 1234.5;
    node.Y = 25;
    node.Rotx = 1.5e-4;
    node.dz = -0.0125;
    node.FreeRx = node.FreeRy = 1;
    node.FreeDz = 0;
    node.PLaje = 1.5;
    node.PPontual = -10;
    EXPECT_THAT(ShowNodeData(node, KindCode(ElementKind::GrillageNode)),
                ElementsAre("", "*****Dados do Nó: 23*****", "Coordenadas: (1,234.50,25.00)",
                            "Rotx= 0.00015 , Roty= 0 , dz= -0.0125 ",
                            "Restrições do nó: dz= (1), rx= (0), ry= (0)",
                            "PLaje: 1.5 (kN), PAcid: 0 (kN), PPerm: 0 (kN), PViga: 0 (kN), "
                            "PParede: 0 (kN), PPontual: -10 (kN)",
                            "Total de carga no nó: -11.5 (kN)", "Tipo de nó: Interno",
                            "*****Fim dados do Nó: 23*****", ""));

    node.Kind = 5;
    const auto deformed = ShowNodeData(node, KindCode(ElementKind::DeformedNode));
    EXPECT_EQ(deformed[1], "*****Dados do Nó(Def.): 23*****");
    EXPECT_EQ(deformed[7], "Tipo de nó: ");
    EXPECT_EQ(deformed[8], "*****Fim dados do Nó(Def): 23*****");
}

TEST(MeshListings, BarLinesWithItsMaterialOrZeros) {
    MaterialTable materials;
    materials.Add({32000000, 2880, 12800000, 5760, 100});
    materials.Add({32000000, 1440, 12800000, 2880, 100});
    TBarData bar;
    bar.Number = 42;
    bar.N1 = 22;
    bar.N2 = 23;
    bar.MT1 = 1.25;
    bar.MF2 = -33.5;
    bar.V1 = 12.0625;
    bar.Material = 2;
    bar.Orientation = 1;
    bar.BarType = 1;
    EXPECT_THAT(ShowBarData(bar, materials),
                ElementsAre("", "*****Dados da barra: 42*****", "N1= 22 , N2= 23",
                            "MT1= 1.25 , MF1= 0 , V1= 12.0625 ", "MT2= 0 , MF2= -33.5 , V2= 0 ",
                            "Tipo Material: 2",
                            "Ec: 32000000 (cm^3); Gc: 12800000 (cm^3); I: 1440 (cm^4); It: 2880 "
                            "(cm^4)",
                            "Orientação: Vertical", "Tipo de barra: Lateral",
                            "*****Fim dados da barra: 42*****", ""));
    for (const std::uint16_t material : {0, 3}) {
        bar.Material = material;
        EXPECT_EQ(ShowBarData(bar, materials)[6],
                  "Ec: 0 (cm^3); Gc: 0 (cm^3); I: 0 (cm^4); It: 0 (cm^4)");
    }
    EXPECT_EQ(ShowBarData(bar, MaterialTable{})[6],
              "Ec: 0 (cm^3); Gc: 0 (cm^3); I: 0 (cm^4); It: 0 (cm^4)");
}

} // namespace
} // namespace quadrilo::mesh
