// Grid element with torsion, bending and shear.
#include "BarMatrices.h"

namespace quadrilo::engine {

Matrix6 BarLocalStiffness(const TGrillageModel& model, std::int32_t bar) {
    const auto& b = model.Bars[bar];
    const auto& m = model.Materials[b.Material];
    const double L = b.Length;
    const double EI = m.E * m.I;
    const double t = m.G * m.It / L;
    const double b4 = 4 * EI / L;
    const double b2 = 2 * EI / L;
    const double b6 = 6 * EI / (L * L);
    const double b12 = 12 * EI / (L * L * L);
    return Matrix6{{
        {t, 0, 0, -t, 0, 0},
        {0, b4, -b6, 0, b2, b6},
        {0, -b6, b12, 0, -b6, -b12},
        {-t, 0, 0, t, 0, 0},
        {0, b2, -b6, 0, b4, b6},
        {0, b6, -b12, 0, b6, b12},
    }};
}

Matrix6 BarRotation(const TGrillageModel& model, std::int32_t bar) {
    const double c = model.Bars[bar].Cos;
    const double s = model.Bars[bar].Sin;
    Matrix6 T{};
    for (int e = 0; e < 6; e += 3) {
        T[e][e] = c;
        T[e][e + 1] = s;
        T[e + 1][e] = -s;
        T[e + 1][e + 1] = c;
        T[e + 2][e + 2] = 1;
    }
    return T;
}

Matrix6 BarGlobalStiffness(const TGrillageModel& model, std::int32_t bar) {
    const auto k = BarLocalStiffness(model, bar);
    const auto T = BarRotation(model, bar);
    Matrix6 TtK{}; // Tᵀ · k
    for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q)
            for (int r = 0; r < 6; ++r)
                TtK[p][q] += T[r][p] * k[r][q];
    Matrix6 K{}; // (Tᵀ · k) · T
    for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q)
            for (int r = 0; r < 6; ++r)
                K[p][q] += TtK[p][r] * T[r][q];
    return K;
}

std::array<std::int32_t, 6> BarDofs(const TGrillageModel& model, std::int32_t bar) {
    const auto n1 = model.Bars[bar].N1;
    const auto n2 = model.Bars[bar].N2;
    return {3 * n1 - 2, 3 * n1 - 1, 3 * n1, 3 * n2 - 2, 3 * n2 - 1, 3 * n2};
}

} // namespace quadrilo::engine
