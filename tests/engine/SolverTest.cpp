// The solvers against closed-form cases, each other, and the physics of equilibrium.
#include "BarMatrices.h"
#include "DenseSolver.h"
#include "EndForces.h"
#include "GlobalStiffness.h"
#include "GrillageCalculation.h"
#include "GrillageFixtures.h"
#include "SparseSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace quadrilo::engine {
namespace {

using fixtures::ModelFromText;

SolveStatus Solve(TGrillageModel& model, SolverKind solver) {
    if (solver == SolverKind::Dense)
        return SolveDenseReference(model);
    auto system = ApplySupports(model);
    AssembleGlobalStiffness(model, system);
    return SolveDisplacements(model, system);
}

class BothSolvers : public ::testing::TestWithParam<SolverKind> {};
INSTANTIATE_TEST_SUITE_P(Engine, BothSolvers,
                         ::testing::Values(SolverKind::Sparse, SolverKind::Dense),
                         [](const auto& info) {
                             return info.param == SolverKind::Sparse ? "Sparse" : "Dense";
                         });

constexpr double E = 2.5e7, I = 1.2e-3, G = 1.0e7, It = 6.0e-4;

// One bar of length L from the origin in direction (c, s), node 1 fixed; node 2's load and
// restraint line as given.
TGrillageModel Cantilever(double L, double c, double s, const std::string& loads2,
                          const std::string& restraint2, double inertia = I) {
    std::ostringstream text;
    text.precision(17);
    text << "1\n"
         << E << ' ' << inertia << ' ' << G << ' ' << It << "\n2 1\n0 0\n"
         << L * c << ' ' << L * s << "\n1 2 1\n0 0 0\n"
         << loads2 << "\n0 0 0 0\n"
         << restraint2 << "\n";
    return ModelFromText(text.str());
}

TEST_P(BothSolvers, CantileverDeflectsByPL3Over3EIAndTwistsByMtLOverGIt) {
    const double L = 3.0, P = -10.0, Mt = 4.0;
    for (const auto& [c, s] : {std::pair{1.0, 0.0}, {0.0, 1.0}, {0.6, 0.8}, {-0.8, 0.6}}) {
        auto bending = Cantilever(L, c, s, "0 0 " + std::to_string(P), "1 1 1");
        ASSERT_TRUE(Solve(bending, GetParam()).Solved);
        EXPECT_NEAR(bending.Displacements[6], P * L * L * L / (3 * E * I), 1e-12);

        // The moment vector along the bar's axis twists it.
        std::ostringstream loads;
        loads.precision(17);
        loads << Mt * c << ' ' << Mt * s << " 0";
        auto torsion = Cantilever(L, c, s, loads.str(), "1 1 1");
        ASSERT_TRUE(Solve(torsion, GetParam()).Solved);
        const double twist = Mt * L / (G * It);
        EXPECT_NEAR(torsion.Displacements[4], twist * c, 1e-12);
        EXPECT_NEAR(torsion.Displacements[5], twist * s, 1e-12);
        EXPECT_NEAR(torsion.Displacements[6], 0, 1e-15);
    }
}

TEST_P(BothSolvers, SupportsFixOrSpringTheVerticalDisplacement) {
    const double L = 2.0, P = -10.0, k = 5000.0;
    const double tipStiffness = 3 * E * I / (L * L * L);

    auto elastic = Cantilever(L, 1, 0, "0 0 -10", "1 1 0 5000");
    ASSERT_TRUE(Solve(elastic, GetParam()).Solved);
    EXPECT_NEAR(elastic.Displacements[6], P / (tipStiffness + k), 1e-12);

    auto rigid = Cantilever(L, 1, 0, "7 8 -10", "0 0 0 0"); // loads on a fixed node vanish
    ASSERT_TRUE(Solve(rigid, GetParam()).Solved);
    for (int dof = 1; dof <= 6; ++dof)
        EXPECT_EQ(rigid.Displacements[dof], 0.0);

    // A restrained rotation beside a spring stays fixed: the spring acts on dz only.
    auto rotation = Cantilever(L, 1, 0, "4 0 -10", "0 1 0 5000");
    ASSERT_TRUE(Solve(rotation, GetParam()).Solved);
    EXPECT_EQ(rotation.Displacements[4], 0.0);
    EXPECT_NEAR(rotation.Displacements[6], P / (tipStiffness + k), 1e-9);
}

// A negative inertia makes the stiffness indefinite, not singular: the answer still follows.
TEST_P(BothSolvers, NegativeInertiaIsSolvedNotRejected) {
    const double L = 2.0, P = -10.0, inertia = -I;
    auto model = Cantilever(L, 1, 0, "0 0 -10", "1 1 1", inertia);
    ASSERT_TRUE(Solve(model, GetParam()).Solved);
    EXPECT_NEAR(model.Displacements[6], P * L * L * L / (3 * E * inertia), 1e-12);
}

struct SingularCase {
    const char* name;
    const char* text;
    std::int32_t node; // 0: any node
};

TEST_P(BothSolvers, SingularStructuresAreReportedAtTheirNode) {
    const SingularCase cases[] = {
        {"node reached by no bar",
         "1\n1 1 1 1\n3 1\n0 0\n1 0\n5 5\n1 2 1\n0 0 0\n0 0 -1\n0 0 0\n"
         "0 0 0 0\n1 1 1\n1 1 1\n",
         3},
        {"material without properties",
         "1\n0 0 0 0\n2 1\n0 0\n1 0\n1 2 1\n0 0 0\n0 0 -1\n"
         "0 0 0 0\n1 1 1\n",
         2},
        {"line of bars on one vertical support",
         "1\n1 1 1 1\n3 2\n0 0\n1 0\n2 0\n1 2 1\n2 3 1\n"
         "0 0 0\n0 0 -1\n0 0 0\n1 1 0 0\n1 1 1\n1 1 1\n",
         0},
    };
    for (const auto& c : cases) {
        auto model = ModelFromText(c.text);
        const auto status = Solve(model, GetParam());
        EXPECT_FALSE(status.Solved) << c.name;
        EXPECT_GE(status.SingularDof, 1) << c.name;
        if (c.node != 0) {
            EXPECT_EQ(DofNode(status.SingularDof), c.node) << c.name;
        }
    }
}

double MaxAbs(const std::vector<double>& v) {
    double m = 0;
    for (const double x : v)
        m = std::max(m, std::fabs(x));
    return m;
}

void ExpectSameWithin(const std::vector<double>& a, const std::vector<double>& b, double rel,
                      const char* what) {
    ASSERT_EQ(a.size(), b.size());
    const double scale = std::max(MaxAbs(a), 1e-300);
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_LE(std::fabs(a[i] - b[i]), rel * scale) << what << " entry " << i;
}

TEST(Solvers, SparseEqualsTheDenseReferenceOnRandomGrillages) {
    std::mt19937 rng(20261210);
    for (int trial = 0; trial < 40; ++trial) {
        const auto text = fixtures::RandomCalculationData(rng, trial % 2 == 1);
        auto sparse = ModelFromText(text);
        auto dense = ModelFromText(text);
        ASSERT_TRUE(Solve(sparse, SolverKind::Sparse).Solved) << text;
        ASSERT_TRUE(Solve(dense, SolverKind::Dense).Solved) << text;
        ComputeEndForces(sparse);
        ComputeEndForces(dense);
        ExpectSameWithin(sparse.Displacements, dense.Displacements, 1e-9, "displacement");
        ExpectSameWithin(sparse.EndForces, dense.EndForces, 1e-9, "end force");
    }
}

TEST(Solvers, EveryBarIsInEquilibriumAndReactionsBalanceTheLoads) {
    std::mt19937 rng(7);
    for (int trial = 0; trial < 10; ++trial) {
        auto model = ModelFromText(fixtures::RandomCalculationData(rng, false));
        ASSERT_TRUE(Solve(model, SolverKind::Sparse).Solved);
        ComputeEndForces(model);

        const double forceScale = MaxAbs(model.EndForces);
        for (std::int32_t b = 1; b <= model.BarCount; ++b) {
            const double* f = &model.EndForces[6 * b - 5];
            EXPECT_NEAR(f[0] + f[3], 0, 1e-9 * forceScale);
            EXPECT_NEAR(f[2] + f[5], 0, 1e-9 * forceScale);
            EXPECT_NEAR(f[1] + f[4], model.Bars[b].Length * f[5], 1e-9 * forceScale);
        }

        // K·d − F: zero where the node is free to move, the support reaction where it is not.
        std::vector<double> residual(model.Loads.size(), 0.0);
        for (std::int32_t b = 1; b <= model.BarCount; ++b) {
            const auto K = BarGlobalStiffness(model, b);
            const auto dofs = BarDofs(model, b);
            for (int p = 0; p < 6; ++p)
                for (int q = 0; q < 6; ++q)
                    residual[dofs[p]] += K[p][q] * model.Displacements[dofs[q]];
        }
        double verticalLoads = 0, verticalReactions = 0;
        for (std::int32_t dof = 1; dof <= model.DofCount(); ++dof) {
            residual[dof] -= model.Loads[dof];
            if (dof % 3 == 0)
                verticalLoads += model.Loads[dof];
            if (model.Restraints[dof] != 0)
                EXPECT_NEAR(residual[dof], 0, 1e-9 * forceScale);
            else if (dof % 3 == 0)
                verticalReactions += residual[dof];
        }
        EXPECT_NEAR(verticalReactions + verticalLoads, 0, 1e-9 * forceScale);
    }
}

TEST(EndForces, RigidVerticalTranslationLeavesABarUnstressed) {
    auto model = Cantilever(2.5, 0.6, 0.8, "0 0 0", "1 1 1");
    model.Displacements = {0, 0, 0, 0.01, 0, 0, 0.01};
    ComputeEndForces(model);
    for (int p = 1; p <= 6; ++p)
        EXPECT_NEAR(model.EndForces[p], 0, 1e-9);
}

} // namespace
} // namespace quadrilo::engine
