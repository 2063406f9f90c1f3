// Load distribution: points on segments, cargas locais, peso das vigas, tributary shares of the
// lajes at full precision, and the load combination.
#include "mesh/LoadDistribution.h"

#include "expr/UExprErrors.h"
#include "mesh/MaterialAssignment.h"
#include "mesh/MeshFixtures.h"
#include "mesh/MeshGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

namespace quadrilo::mesh {
namespace {

using namespace test; // the floors' builders
using ::testing::ElementsAre;

TEST(MeshGeometry, PointsOnSegments) {
    struct Case {
        double ax, ay, bx, by, qx, qy;
        bool on;
    };
    const std::vector<Case> cases{
        {0, 0, 100, 0, 50, 0, true},
        {0, 0, 100, 0, 0, 0, true},      // an end
        {100, 0, 0, 0, 100, 0, true},    // either direction
        {0, 0, 100, 0, 50, 0.99, true},  // less than 1 cm from the line
        {0, 0, 100, 0, 50, 1, false},    // 1 cm is too far
        {0, 0, 100, 0, 100.5, 0, false}, // beyond an end
        {100, 0, 0, 0, -0.5, 0, false},
        {0, 0, 0, 500, 0, 250, true},
        {0, 500, 0, 0, 0.5, 501, false},
        {0, 0, 100, 100, 50, 50, true},
        {0, 0, 100, 100, 50, 52, false},
        {5, 5, 5, 5, 5, 5, false}, // a segment of zero length has no points
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyPointOnSegment(c.ax, c.ay, c.bx, c.by, c.qx, c.qy), c.on)
            << c.ax << "," << c.ay << "-" << c.bx << "," << c.by << " q " << c.qx << "," << c.qy;

    EXPECT_TRUE(BarLiesOnSegment(0, 0, 400, 0, 380, 0, 400, 0));
    EXPECT_FALSE(BarLiesOnSegment(0, 0, 390, 0, 380, 0, 400, 0)); // reaches beyond the viga
}

TEST(MeshGeometry, ContainmentForgivesOnlyTheLastPlace) {
    EXPECT_TRUE(InBox(450.00000000000006, 0, 0, 0, 450, 100));
    EXPECT_TRUE(InBox(-5e-7, 100 + 5e-7, 0, 0, 450, 100));
    EXPECT_FALSE(InBox(450.00001, 0, 0, 0, 450, 100));
    EXPECT_FALSE(InBox(0, -0.00001, 0, 0, 450, 100));
}

struct Slab400x500 : ::testing::Test {
    Floor floor{Project(20, 20), {Slab(0, 0, 400, 500, 12, 2, 1)}, {}, {}, {}};
    MeshWorkspace workspace = test::BuildWorkspace(floor);
    WorkingLists& lists = workspace.Lists;
    const TNodeData& Node(int n) const { return workspace.Lists.NodeList.at(n - 1).Data; }

    double Sum(double TNodeData::*share) const {
        return std::accumulate(lists.NodeList.begin(), lists.NodeList.end(), 0.0,
                               [share](double s, const auto& n) { return s + n.Data.*share; });
    }
};

TEST_F(Slab400x500, TributarySharesAtFullPrecision) {
    DistributeSlabLoads(lists.SlabList[0].Data, floor.Project, lists);
    struct Shares {
        int node;
        double laje, acid, perm;
    };
    // Internal node 23, lateral node 2, corner node 1: the lateral and corner shares are not cut
    // to hundredths, so the whole 60 kN of self-weight reaches the grillage.
    for (const auto [n, laje, acid, perm] :
         {Shares{23, 0.15, 0.1, 0.05}, Shares{2, 0.075, 0.05, 0.025},
          Shares{1, 0.0375, 0.025, 0.0125}}) {
        EXPECT_DOUBLE_EQ(Node(n).PLaje, laje) << n;
        EXPECT_DOUBLE_EQ(Node(n).PAcid, acid) << n;
        EXPECT_DOUBLE_EQ(Node(n).PPerm, perm) << n;
    }
    EXPECT_NEAR(Sum(&TNodeData::PLaje), 400 * 500 * 12 / 1e6 * 25, 1e-9);
    EXPECT_NEAR(Sum(&TNodeData::PAcid), 400 * 500 / 1e4 * 2, 1e-9);
    EXPECT_NEAR(Sum(&TNodeData::PPerm), 400 * 500 / 1e4 * 1, 1e-9);

    NodeLoadCombiner combiner("pp+ca+cp+cl");
    EXPECT_DOUBLE_EQ(combiner.CombineNodeLoad(Node(23)), -0.3);
}

TEST_F(Slab400x500, SharesAreAssignedSoTheLaterSlabCountsOnACommonEdge) {
    const auto heavier = Slab(0, 250, 400, 500, 20, 5, 3);
    DistributeSlabLoads(lists.SlabList[0].Data, floor.Project, lists);
    DistributeSlabLoads(heavier, floor.Project, lists);
    const auto& onEdge = Node(10 * 21 + 11); // (200, 250): internal in the grid
    EXPECT_DOUBLE_EQ(onEdge.PLaje, 20.0 * 25 * 20 / 1e6 * 25);
    EXPECT_DOUBLE_EQ(onEdge.PAcid, 20.0 * 25 / 1e4 * 5);
    EXPECT_DOUBLE_EQ(Node(23).PLaje, 0.15); // below the second laje
}

TEST_F(Slab400x500, BeamWeightHalfToEachEndOfItsBars) {
    // 20 × 50 cm, 400 cm, 25 kN/m³: Peso 1000, so a 20 cm bar stands for 0.5 kN.
    const auto beam = Beam(0, 0, 400, 0, 20, 50, 0);
    ASSERT_DOUBLE_EQ(beam.Peso, 1000);
    DistributeBeamWeights(beam, lists);
    EXPECT_DOUBLE_EQ(Node(1).PViga, 0.25);
    EXPECT_DOUBLE_EQ(Node(2).PViga, 0.5);
    EXPECT_DOUBLE_EQ(Node(21).PViga, 0.25);
    EXPECT_DOUBLE_EQ(Sum(&TNodeData::PViga), 10);
    EXPECT_EQ(Node(22).PViga, 0);
}

TEST_F(Slab400x500, BeamsOffTheGridOrShortOfABarGiveNothingThere) {
    DistributeBeamWeights(Beam(0, 13, 400, 13, 20, 50, 0), lists); // between grid lines
    EXPECT_EQ(Sum(&TNodeData::PViga), 0);
    DistributeBeamWeights(Beam(0, 0, 390, 0, 20, 50, 0), lists); // bar 20 reaches beyond it
    EXPECT_GT(Node(20).PViga, 0);
    EXPECT_EQ(Node(21).PViga, 0);
}

TEST_F(Slab400x500, LocalLoadsAddUpAndAStrayLoadIsKeptAndNamed) {
    lists.LoadList.push_back({400, Load(20, 25, -10)});
    lists.LoadList.push_back({401, Load(20, 25, -10)});
    lists.LoadList.push_back({402, Load(20.001, 25, -7.5)});
    EXPECT_THAT(DistributeLocalLoads(lists),
                ElementsAre("Atenção: Carregamento sem nó em X(20.00) Y(25.00) de Carr. "
                            "X(20.00)_Y(25.00) de (-7.50)kN, fica fora do cálculo "));
    EXPECT_EQ(Node(23).PPontual, -20);
    EXPECT_EQ(lists.LoadList.size(), 3u);
    EXPECT_FALSE(lists.LoadList[2].Changed);
    EXPECT_TRUE(lists.NodeList[22].Changed);
}

TEST(LoadDistribution, EdgeNodesOfA450SlabAtSevenDivisionsKeepLoadsAndSupport) {
    Floor floor{Project(7, 1), {Slab(0, 0, 450, 100, 12, 2, 1)}, {}, {}, {}};
    auto workspace = test::BuildWorkspace(floor);
    auto& lists = workspace.Lists;
    const auto& edge = lists.NodeList[7].Data; // node 8, one unit in the last place past 450
    ASSERT_GT(edge.X, 450);
    DistributeSlabLoads(lists.SlabList[0].Data, floor.Project, lists);
    EXPECT_DOUBLE_EQ(edge.PLaje, 450.0 / 7 * 100 * 12 / 1e6 * 25 / 4);
    EXPECT_NE(FindColumnAtNode(edge, std::vector{WorkingItem<TColumnData>{
                                         300, test::Column(440, 0, 1, 1, 1, 0)}}),
              nullptr);
}

TEST(LoadDistribution, BeamWeightAndStiffnessFollowTheSameCutCoordinates) {
    // A viga along the lower edge of the 450 cm laje: bar 7 ends a unit in the last place past
    // the viga, so only the coordinates cut to hundredths put it on the viga, for its material
    // and for its weight alike.
    Floor floor{
        Project(7, 1), {Slab(0, 0, 450, 100, 12, 2, 1)}, {Beam(0, 0, 450, 0, 20, 50, 0)}, {}, {}};
    auto workspace = test::BuildWorkspace(floor);
    auto& lists = workspace.Lists;
    const auto& beam = lists.BeamList[0];
    auto bar = lists.BarList[6].Data;
    ASSERT_EQ(bar.N2, 8);
    ASSERT_FALSE(BarLiesOnSegment(0, 0, 450, 0, bar.X1, bar.Y1, bar.X2, bar.Y2));

    MaterialTable materials;
    materials.Add(BeamMaterial(beam.Data, beam.EntityID, floor.Project));
    EXPECT_TRUE(AssignBeamMaterial(bar, lists.BeamList, materials));
    EXPECT_EQ(bar.Material, 1);
    DistributeBeamWeights(beam.Data, lists);
    EXPECT_DOUBLE_EQ(lists.NodeList[7].Data.PViga, 450.0 / 7 * beam.Data.Peso / 450 / 100 / 2);
}

TEST(LoadCombination, CompiledOnceInItsOwnParser) {
    NodeLoadCombiner combiner("pp+1.4*ca+1.4*cp+cl");
    NodeLoadCombiner other("cl*2");
    TNodeData node;
    node.PLaje = 0.5;
    node.PViga = 0.5;
    node.PAcid = 10;
    node.PPerm = 5;
    node.PPontual = 4;
    EXPECT_DOUBLE_EQ(combiner.CombineNodeLoad(node), -1 - 14 - 7 + 4.0);
    EXPECT_DOUBLE_EQ(other.CombineNodeLoad(node), 8);
    node.PPontual = 0;
    EXPECT_DOUBLE_EQ(combiner.CombineNodeLoad(node), -22);

    EXPECT_THROW(NodeLoadCombiner("pp+"), expr::EMathParserError);
    NodeLoadCombiner failing("1/cl");
    EXPECT_THROW((void)failing.CombineNodeLoad(node), expr::EMathError);
}

} // namespace
} // namespace quadrilo::mesh
