// Mesh generation: the grid over the lajes' box, its numbering, classification, labels and the
// refusals that leave the old malha alone.
#include "mesh/MeshGeneration.h"

#include "mesh/MeshFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace quadrilo::mesh {

void PrintTo(const MeshLabel& label, std::ostream* out) {
    *out << '"' << label.Text << "\" at (" << label.X << ", " << label.Y << ") height "
         << label.Height << " angle " << label.AngleDegrees << " alignment " << label.Alignment;
}

namespace {

using namespace test; // the floors' builders
using ::testing::HasSubstr;

struct Grid400x500 : ::testing::Test {
    TProjectData project = Project(20, 20);
    MeshGrid grid = Generate();

    MeshGrid Generate() {
        const std::vector slabs{Slab(0, 0, 400, 500, 12, 2, 1)};
        const auto planned = PlanMesh(slabs, project.nDX, project.nDY);
        EXPECT_TRUE(planned.Plan) << planned.Error;
        return GenerateMesh(*planned.Plan, project);
    }
    const TNodeData& Node(int n) const { return grid.Nodes.at(n - 1).Record; }
    const TBarData& Bar(int b) const { return grid.Bars.at(b - 1).Record; }
};

TEST_F(Grid400x500, CountsStepsAndNumbering) {
    EXPECT_EQ(project.StepX, 20);
    EXPECT_EQ(project.StepY, 25);
    ASSERT_EQ(grid.Nodes.size(), 441u);
    ASSERT_EQ(grid.Bars.size(), 840u);
    EXPECT_EQ(MeshGeneratedMessage(grid), "Malha gerada com 840 Barras e 441 nós");

    struct Place {
        int number;
        double x, y;
    };
    for (const auto [n, x, y] : {Place{1, 0, 0}, Place{21, 400, 0}, Place{22, 0, 25},
                                 Place{23, 20, 25}, Place{441, 400, 500}}) {
        EXPECT_EQ(Node(n).X, x) << n;
        EXPECT_EQ(Node(n).Y, y) << n;
        EXPECT_EQ(Node(n).Number, n);
        EXPECT_EQ(Node(n).Number2, n);
    }
    for (int n = 1; n <= 441; ++n)
        ASSERT_EQ(Node(n).Number, n);

    struct Ends {
        int bar, n1, n2;
    };
    // Row 0: bars 1–20 horizontal, 21–41 vertical; row 1 starts at bar 42.
    for (const auto [b, n1, n2] : {Ends{1, 1, 2}, Ends{20, 20, 21}, Ends{21, 1, 22},
                                   Ends{41, 21, 42}, Ends{42, 22, 23}, Ends{840, 440, 441}}) {
        EXPECT_EQ(Bar(b).N1, n1) << b;
        EXPECT_EQ(Bar(b).N2, n2) << b;
        EXPECT_EQ(Bar(b).Number, b);
        EXPECT_EQ(Bar(b).X1, Node(n1).X);
        EXPECT_EQ(Bar(b).Y1, Node(n1).Y);
        EXPECT_EQ(Bar(b).X2, Node(n2).X);
        EXPECT_EQ(Bar(b).Y2, Node(n2).Y);
    }
}

TEST_F(Grid400x500, NodeKindsFreedomAndBarClasses) {
    for (const int corner : {1, 21, 421, 441})
        EXPECT_EQ(Node(corner).Kind, 2) << corner;
    for (const int lateral : {2, 20, 22, 42, 422, 440})
        EXPECT_EQ(Node(lateral).Kind, 1) << lateral;
    EXPECT_EQ(Node(23).Kind, 0);
    int corners = 0, laterals = 0;
    for (const auto& node : grid.Nodes) {
        corners += node.Record.Kind == 2;
        laterals += node.Record.Kind == 1;
        EXPECT_EQ(node.Record.FreeRx + node.Record.FreeRy + node.Record.FreeDz, 3);
    }
    EXPECT_EQ(corners, 4);
    EXPECT_EQ(laterals, 4 * 19);

    struct Class {
        int bar, orientation, type;
    };
    for (const auto [b, orientation, type] :
         {Class{1, 0, 1}, Class{20, 0, 1}, Class{21, 1, 1}, Class{22, 1, 0}, Class{41, 1, 1},
          Class{42, 0, 0}, Class{821, 0, 1}, Class{840, 0, 1}}) {
        EXPECT_EQ(Bar(b).Orientation, orientation) << b;
        EXPECT_EQ(Bar(b).BarType, type) << b;
    }
    int lateralBars = 0;
    for (const auto& bar : grid.Bars)
        lateralBars += bar.Record.BarType;
    EXPECT_EQ(lateralBars, 2 * 20 + 2 * 20);
}

TEST_F(Grid400x500, LabelsAtTheirHeightsAndAngles) {
    // Text, place, height, angle in degrees, the CAD engine's alignment code.
    EXPECT_EQ(grid.Nodes[22].Label, (MeshLabel{"_23", 20, 25, 2.5, 45, 0}));
    EXPECT_EQ(grid.Bars[41].Label, (MeshLabel{"B42", 10, 25, 2, 0, 4}));     // nodes 22–23
    EXPECT_EQ(grid.Bars[20].Label, (MeshLabel{"B21", 0, 12.5, 2.5, 90, 4})); // nodes 1–22
}

TEST_F(Grid400x500, EntityIdsFilledOnceTheDrawingHasThem) {
    std::vector<std::uint32_t> nodeIds(441), barIds(840);
    for (std::uint32_t k = 0; k < 441; ++k)
        nodeIds[k] = 0x8000'0000u + k; // ids past the signed range keep their bits
    for (std::uint32_t k = 0; k < 840; ++k)
        barIds[k] = 5000 + k;
    AssignEntityIds(grid, nodeIds, barIds);
    EXPECT_EQ(static_cast<std::uint32_t>(Node(23).EntityID), 0x8000'0000u + 22);
    EXPECT_EQ(Bar(42).EntityID, 5041);
    EXPECT_EQ(static_cast<std::uint32_t>(Bar(42).N1EntityID), 0x8000'0000u + 21);
    EXPECT_EQ(static_cast<std::uint32_t>(Bar(42).N2EntityID), 0x8000'0000u + 22);
    EXPECT_EQ(TBarData::Decode(Bar(42).Encode()), Bar(42));

    barIds.pop_back();
    EXPECT_THROW(AssignEntityIds(grid, nodeIds, barIds), std::invalid_argument);
}

TEST(MeshGeneration, TwoSlabsShareOneGridOverTheirBox) {
    auto project = Project(8, 5);
    const std::vector slabs{Slab(0, 0, 400, 500, 12, 2, 1), Slab(800, 300, 400, 0, 12, 2, 1)};
    const auto planned = PlanMesh(slabs, project.nDX, project.nDY);
    ASSERT_TRUE(planned.Plan);
    const auto grid = GenerateMesh(*planned.Plan, project);
    EXPECT_EQ(project.StepX, 100);
    EXPECT_EQ(project.StepY, 100);
    EXPECT_EQ(grid.Nodes.size(), 54u);
    EXPECT_EQ(grid.Nodes.back().Record.X, 800); // the empty corner is generated as well
    EXPECT_EQ(grid.Nodes.back().Record.Y, 500);
}

TEST(MeshGeneration, RefusalsComeBeforeAnythingIsBuilt) {
    const std::vector slab{Slab(0, 0, 400, 500, 12, 2, 1)};
    struct Case {
        std::vector<TSlabData> slabs;
        std::uint16_t nDX, nDY;
        const char* error;
    };
    const std::vector<Case> cases{
        {{}, 10, 10, "Erro: Não há uma laje lançada."},
        {slab, 0, 10, "Erro: n dX e n dY devem ser maiores que zero."},
        {slab, 10, 0, "Erro: n dX e n dY devem ser maiores que zero."},
        {{Slab(0, 0, 0, 500, 12, 2, 1)},
         10,
         10,
         "Erro: A caixa das lajes tem largura ou altura nula."},
        // 256 × 256 nodes do not fit the 16-bit node numbers
        {slab, 255, 255,
         "Erro: Malha de 65536 nós e 130560 barras excede o limite de 65535 nós "
         "e 65535 barras."},
        // 182 × 182 nodes fit, but their 65884 bars do not
        {slab, 181, 181,
         "Erro: Malha de 33124 nós e 65884 barras excede o limite de 65535 nós "
         "e 65535 barras."},
    };
    for (const auto& c : cases) {
        const auto planned = PlanMesh(c.slabs, c.nDX, c.nDY);
        EXPECT_FALSE(planned.Plan) << c.error;
        EXPECT_EQ(planned.Error, c.error);
    }
    const auto fits = PlanMesh(slab, 141, 141);
    ASSERT_TRUE(fits.Plan);
    EXPECT_EQ(fits.Plan->NodeCount(), 20164u);
    EXPECT_EQ(fits.Plan->BarCount(), 40044u);
}

TEST(MeshGeneration, ExtendedSumsPutTheEdgeNodeOfA450SlabAUnitOutside) {
    // StepX = 450/7 is kept as a Double; 7 steps of it come to 450 and one unit in the last place.
    auto project = Project(7, 1);
    const std::vector slabs{Slab(0, 0, 450, 100, 12, 2, 1)};
    const auto grid = GenerateMesh(*PlanMesh(slabs, 7, 1).Plan, project);
    EXPECT_GT(grid.Nodes[7].Record.X, 450);
    EXPECT_LT(grid.Nodes[7].Record.X, 450 + 1e-12);
    EXPECT_EQ(grid.Bars[6].Record.X2, grid.Nodes[7].Record.X);
}

} // namespace
} // namespace quadrilo::mesh
