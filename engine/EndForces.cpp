// f = k·(T·d) per bar.
#include "EndForces.h"

#include "BarMatrices.h"

namespace quadrilo::engine {

void ComputeEndForces(TGrillageModel& model) {
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        const auto k = BarLocalStiffness(model, b);
        const auto T = BarRotation(model, b);
        const auto dofs = BarDofs(model, b);
        Vector6 local{};
        for (int p = 0; p < 6; ++p)
            for (int q = 0; q < 6; ++q)
                local[p] += T[p][q] * model.Displacements[dofs[q]];
        double* f = &model.EndForces[6 * static_cast<std::size_t>(b) - 5];
        for (int p = 0; p < 6; ++p) {
            double sum = 0;
            for (int q = 0; q < 6; ++q)
                sum += k[p][q] * local[q];
            f[p] = sum;
        }
    }
}

} // namespace quadrilo::engine
