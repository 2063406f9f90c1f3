// The global stiffness of the grillage in sparse symmetric storage, reduced to the free
// degrees of freedom.
#pragma once

#include "GrillageModel.h"

#include <cstdint>
#include <vector>

namespace quadrilo::engine {

// The system K·d = F over the degrees of freedom that supports leave free. A degree of freedom
// restrained without a spring has displacement zero, so its row and column are left out (the same
// answer as replacing its row by the identity). K is stored as its upper triangle in compressed
// columns, row indices ascending within each column.
struct ReducedSystem {
    std::vector<std::int32_t> EquationOfDof; // 3N+1 entries: 0-based equation, or -1 if fixed
    std::vector<std::int32_t> DofOfEquation;
    std::vector<std::int32_t> ColumnStart; // equations + 1 entries
    std::vector<std::int32_t> RowIndex;
    std::vector<double> Value;
    std::vector<double> Load;

    [[nodiscard]] std::int32_t EquationCount() const {
        return static_cast<std::int32_t>(DofOfEquation.size());
    }
    [[nodiscard]] double Diagonal(std::int32_t equation) const; // 0 when absent
};

// Supports: a restrained rotation is fixed; a restrained dz is fixed when its node has no spring
// and elastic (the spring on its diagonal, its load kept) when it has one. Numbers the free
// degrees of freedom and takes their loads.
[[nodiscard]] ReducedSystem ApplySupports(const TGrillageModel& model);

// Adds every bar's (Tᵀ·k)·T and the support springs into the reduced system's matrix.
void AssembleGlobalStiffness(const TGrillageModel& model, ReducedSystem& system);

// The first node whose stiffness the doubles cannot hold (a material, a very short bar or a spring
// so stiff that its terms overflow), or 0 when there is none. An assembled entry of a node's rows
// is a sum, over the bars at the node, of rotated terms each at most four times the sum of the
// bar's local terms in magnitude, plus the spring: when that bound is finite, no entry of either
// solver's matrix can be infinite or NaN.
[[nodiscard]] std::int32_t FirstNodeWithOverflowingStiffness(const TGrillageModel& model);

// Whether the support at `dof` fixes it outright (no spring acting on it).
[[nodiscard]] bool IsFixedDof(const TGrillageModel& model, std::int32_t dof);

} // namespace quadrilo::engine
