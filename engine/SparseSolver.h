// Sparse direct solution of the reduced stiffness system with SuiteSparse CHOLMOD.
#pragma once

#include "GlobalStiffness.h"
#include "SolveStatus.h"

#include <memory>
#include <vector>

namespace quadrilo::engine {

// Supernodal LLᵀ with CHOLMOD's default fill-reducing ordering. A negative inertia typed by the
// user makes the matrix indefinite but not singular: then the matrix is refactored as simplicial
// LDLᵀ, which takes the same pivots as a Gaussian elimination without row exchanges.
class SparseCholesky {
public:
    SparseCholesky();
    ~SparseCholesky();
    SparseCholesky(const SparseCholesky&) = delete;
    SparseCholesky& operator=(const SparseCholesky&) = delete;

    // On a singular matrix, SingularDof holds the 0-based equation whose pivot vanished.
    [[nodiscard]] SolveStatus Factorize(const ReducedSystem& system);
    [[nodiscard]] std::vector<double> Solve(const std::vector<double>& rhs);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Factorises the reduced system and stores the displacements of its free degrees of freedom
// (fixed ones stay zero) in model.Displacements.
[[nodiscard]] SolveStatus SolveDisplacements(TGrillageModel& model, const ReducedSystem& system);

} // namespace quadrilo::engine
