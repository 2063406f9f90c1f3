// The classic dense direct stiffness solution, step by step.
#include "DenseSolver.h"

#include "BarMatrices.h"
#include "GlobalStiffness.h"

#include <cmath>
#include <vector>

namespace quadrilo::engine {
namespace {

// Square matrix indexed by degree-of-freedom numbers 1..n.
class DenseMatrix {
public:
    explicit DenseMatrix(std::int32_t n)
        : m_n(n), m_values(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0.0) {}
    double* Row(std::int32_t i) { return &m_values[static_cast<std::size_t>(i - 1) * m_n] - 1; }
    double& operator()(std::int32_t i, std::int32_t j) { return Row(i)[j]; }

private:
    std::size_t m_n;
    std::vector<double> m_values;
};

void AssembleDense(const TGrillageModel& model, DenseMatrix& K) {
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        const auto k = BarGlobalStiffness(model, b);
        const auto g = BarDofs(model, b);
        for (int p = 0; p < 6; ++p)
            for (int q = 0; q < 6; ++q)
                K(g[p], g[q]) += k[p][q];
    }
}

// A fixed degree of freedom's row becomes the identity row with zero load; its column stays, the
// row alone forcing the displacement to zero. A spring on a restrained dz adds to its diagonal.
void ApplySupportsDense(const TGrillageModel& model, DenseMatrix& K, std::vector<double>& F) {
    const auto n = model.DofCount();
    for (std::int32_t i = 1; i <= n; ++i) {
        if (model.Restraints[i] != 0)
            continue;
        if (IsFixedDof(model, i)) {
            double* row = K.Row(i);
            for (std::int32_t j = 1; j <= n; ++j)
                row[j] = 0;
            row[i] = 1;
            F[i] = 0;
        } else {
            K(i, i) += model.Springs[DofNode(i)];
        }
    }
}

} // namespace

SolveStatus SolveDenseReference(TGrillageModel& model) {
    const auto n = model.DofCount();
    DenseMatrix K(n);
    std::vector<double> F = model.Loads;
    AssembleDense(model, K);
    ApplySupportsDense(model, K, F);

    std::vector<double> ownStiffness(static_cast<std::size_t>(n) + 1);
    for (std::int32_t i = 1; i <= n; ++i)
        ownStiffness[i] = std::fabs(K(i, i));

    // Forward elimination, every row below the pivot processed whatever its multiplier.
    for (std::int32_t i = 1; i <= n; ++i) {
        const double* pivotRow = K.Row(i);
        const double pivot = pivotRow[i];
        if (!(std::fabs(pivot) > SingularPivotRatio * ownStiffness[i]) || !std::isfinite(pivot))
            return {false, i};
        for (std::int32_t j = i + 1; j <= n; ++j) {
            double* row = K.Row(j);
            const double f = row[i] / pivot;
            row[i] = 0;
            for (std::int32_t m = i + 1; m <= n; ++m)
                row[m] -= f * pivotRow[m];
            F[j] -= f * F[i];
        }
    }

    // Back substitution.
    std::vector<double> D(static_cast<std::size_t>(n) + 1, 0.0);
    for (std::int32_t i = n; i >= 1; --i) {
        const double* row = K.Row(i);
        double sum = 0;
        for (std::int32_t j = i + 1; j <= n; ++j)
            sum += row[j] * D[j] / row[i];
        D[i] = F[i] / row[i] - sum;
    }
    for (std::int32_t m = 1; m <= n; ++m)
        model.Displacements[m] = D[m];
    return {};
}

} // namespace quadrilo::engine
