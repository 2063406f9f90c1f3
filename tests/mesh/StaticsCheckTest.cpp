// The statics check over solved floors: the applied vertical loads against the reactions of
// rigid and spring supports.
#include "mesh/StaticsCheck.h"

#include "engine/GrillageCalculation.h"
#include "mesh/CalculationData.h"
#include "mesh/MeshFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace quadrilo::mesh {
namespace {

using namespace test; // the floors' builders
using ::testing::ElementsAre;
using ::testing::StartsWith;

struct SolvedFloor : ::testing::Test {
    // Generates the floor's data, writes "gInput.txt" and solves it with the engine.
    const engine::TGrillageModel& Solve(Floor floor) {
        auto workspace = test::BuildWorkspace(floor);
        CollectingSink log;
        const auto input = dir.File("gInput.txt");
        EXPECT_TRUE(test::GenerateAndWrite(workspace, floor.Project, input, log));
        const auto outcome = calculation.RunGrillageCalculation(input, dir.File("gOutput.txt"));
        EXPECT_TRUE(outcome.Succeeded) << outcome.Error;
        return calculation.Model();
    }

    test::ScratchDir dir{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    engine::GrillageCalculation calculation;
};

TEST_F(SolvedFloor, ReactionsOfRigidAndSpringSupportsBalanceTheLoad) {
    const auto check = CheckVerticalEquilibrium(Solve(SmallFloor()));
    // 2 m² of 0.1 m laje at 25 kN/m³, 1.4 × 2 m² × (2 + 1) kN/m², 2 m of 0.08 m² viga, 10 local.
    const double load = 2 * 0.1 * 25 + 1.4 * 2 * 3 + 2 * 0.08 * 25 + 10;
    EXPECT_NEAR(check.AppliedLoad, -load, 1e-9);
    EXPECT_NEAR(check.Reactions(), load, 1e-6 * load);
    EXPECT_GT(check.SpringReactions, 0);
    EXPECT_GT(check.RigidReactions, 0);
    EXPECT_TRUE(check.Balanced());
    const auto lines = StaticsCheckLines(check);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines[0], StartsWith("Info: Equilíbrio vertical: cargas -27.400 kN, reações "
                                     "27.400 kN (apoios rígidos "));
}

TEST_F(SolvedFloor, TheEmptyCornerOfAnLShapedFloorStaysStillAndBalanced) {
    const auto& model = Solve(LShapedFloor());
    const auto check = CheckVerticalEquilibrium(model);
    // 20 m² + 12 m² of laje at 3 + 2 + 1 kN/m², and 2.75 m² more: the nodes on the lajes' edges
    // along the empty corner take the tributary factor of their place in the grid. The carga
    // local at (200, 200) counts; the one on the empty corner is not applied.
    EXPECT_NEAR(check.AppliedLoad, -((32 + 2.75) * 6 + 10), 1e-9);
    EXPECT_TRUE(check.Balanced()) << check.Imbalance();
    EXPECT_EQ(model.Displacements[3 * 42], 0); // node (500, 400)
    EXPECT_LT(model.Displacements[3 * 21], 0); // node (200, 200) deflects
}

TEST(StaticsCheck, WarnsWhenReactionsMissTheLoad) {
    // Two bars over a rigid support at node 1 and a spring at node 3, with displacements and end
    // forces the solver did not give: the spring is pulled up, and no bar carries anything.
    engine::TGrillageModel model;
    engine::SizeModel(model, 1, 3, 2);
    model.Bars[1] = {1, 2, 1, 1, 1, 0};
    model.Bars[2] = {2, 3, 1, 1, 1, 0};
    std::fill(model.Restraints.begin() + 1, model.Restraints.end(), 1.0);
    model.Restraints[3] = model.Restraints[9] = 0;
    model.Springs[3] = 1000;
    model.Loads[3] = -4;
    model.Loads[6] = -6;
    model.Displacements[9] = 0.004; // the spring gives −4 kN
    const auto check = CheckVerticalEquilibrium(model);
    EXPECT_EQ(check.AppliedLoad, -10);
    EXPECT_EQ(check.RigidReactions, 4);
    EXPECT_EQ(check.SpringReactions, -4);
    EXPECT_FALSE(check.Balanced());
    EXPECT_THAT(StaticsCheckLines(check),
                ElementsAre("Info: Equilíbrio vertical: cargas -10.000 kN, reações 0.000 kN "
                            "(apoios rígidos 4.000 kN, molas -4.000 kN)",
                            "Atenção: As reações dos apoios não equilibram as cargas: diferença "
                            "de -10 kN."));
}

} // namespace
} // namespace quadrilo::mesh
