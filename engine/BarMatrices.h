// A grid bar's 6×6 matrices: local stiffness, rotation, and stiffness in global axes.
#pragma once

#include "GrillageModel.h"

#include <array>

namespace quadrilo::engine {

// Rows and columns in the bar's local order: at N1 then at N2, torsion (about x′), bending
// (about y′), displacement along Z.
using Matrix6 = std::array<std::array<double, 6>, 6>;
using Vector6 = std::array<double, 6>;

[[nodiscard]] Matrix6 BarLocalStiffness(const TGrillageModel& model, std::int32_t bar);

// T, block-diagonal with [[c, s, 0], [−s, c, 0], [0, 0, 1]]: local components = T · global.
[[nodiscard]] Matrix6 BarRotation(const TGrillageModel& model, std::int32_t bar);

// (Tᵀ · k) · T.
[[nodiscard]] Matrix6 BarGlobalStiffness(const TGrillageModel& model, std::int32_t bar);

// The global degree-of-freedom numbers of the bar's six local ones.
[[nodiscard]] std::array<std::int32_t, 6> BarDofs(const TGrillageModel& model, std::int32_t bar);

} // namespace quadrilo::engine
