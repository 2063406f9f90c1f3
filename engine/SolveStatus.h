// Outcome of a displacement solve: solved, or the degree of freedom where the structure is
// singular.
#pragma once

#include <cstdint>

namespace quadrilo::engine {

struct SolveStatus {
    bool Solved = true;
    std::int32_t SingularDof = 0; // the degree of freedom whose pivot vanished (1-based)
};

// A pivot smaller than this fraction of its degree of freedom's own stiffness is the round-off
// left of a zero: the structure is a mechanism there (or nothing reaches that direction), and any
// displacement computed from it would be noise.
inline constexpr double SingularPivotRatio = 1e-13;

} // namespace quadrilo::engine
