// Reference solution: dense global stiffness, supports by row replacement, Gaussian elimination
// without pivoting. O(n³); kept to check the sparse solver against.
#pragma once

#include "GrillageModel.h"
#include "SolveStatus.h"

namespace quadrilo::engine {

// Assembles, supports and solves the whole model densely and stores model.Displacements.
// A restrained rotation is fixed even when its node has a spring; the spring acts on dz only.
[[nodiscard]] SolveStatus SolveDenseReference(TGrillageModel& model);

} // namespace quadrilo::engine
