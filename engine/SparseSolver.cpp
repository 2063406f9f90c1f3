// CHOLMOD wrapper: analyse, factorise with a singularity check on every pivot, solve.
#include "SparseSolver.h"

#include <cholmod.h>

#include <cmath>
#include <stdexcept>

namespace quadrilo::engine {

namespace {

// A CHOLMOD view of a square upper triangle in compressed columns (rows ascending); CHOLMOD only
// reads it. Without values it is a pattern.
cholmod_sparse UpperTriangleView(const std::vector<std::int32_t>& columnStart,
                                 const std::vector<std::int32_t>& rowIndex,
                                 const double* values = nullptr) {
    cholmod_sparse A{};
    A.nrow = A.ncol = columnStart.size() - 1;
    A.nzmax = rowIndex.size();
    A.p = const_cast<std::int32_t*>(columnStart.data());
    A.i = const_cast<std::int32_t*>(rowIndex.data());
    A.x = const_cast<double*>(values);
    A.stype = 1;
    A.itype = CHOLMOD_INT;
    A.xtype = values ? CHOLMOD_REAL : CHOLMOD_PATTERN;
    A.dtype = CHOLMOD_DOUBLE;
    A.sorted = true;
    A.packed = true;
    return A;
}

} // namespace

struct SparseCholesky::State {
    cholmod_common common{};
    cholmod_factor* factor = nullptr;
    std::int32_t size = 0;

    State() {
        cholmod_start(&common);
        common.print = 0;
        common.error_handler = nullptr;
        common.quick_return_if_not_posdef = true;
    }
    ~State() {
        cholmod_free_factor(&factor, &common);
        cholmod_finish(&common);
    }

    bool AnalyseAndFactorise(cholmod_sparse& A, std::vector<std::int32_t>& order) {
        cholmod_free_factor(&factor, &common);
        common.nmethods = 1;
        common.method[0].ordering = CHOLMOD_GIVEN;
        common.postorder = true;
        factor = cholmod_analyze_p(&A, order.data(), nullptr, 0, &common);
        if (!factor)
            throw std::runtime_error("CHOLMOD: falha na análise da matriz");
        cholmod_factorize(&A, factor, &common);
        if (common.status < CHOLMOD_OK)
            throw std::runtime_error("CHOLMOD: memória insuficiente");
        return common.status == CHOLMOD_OK;
    }

    // The pivot of factor column j as it compares to the stiffness of that degree of freedom:
    // the square of L's diagonal for LLᵀ, D itself for LDLᵀ.
    double Pivot(std::size_t j) const {
        const auto* x = static_cast<const double*>(factor->x);
        if (!factor->is_super) {
            const double d = x[static_cast<const std::int32_t*>(factor->p)[j]];
            return factor->is_ll ? d * d : d;
        }
        const auto* super = static_cast<const std::int32_t*>(factor->super);
        const auto* pi = static_cast<const std::int32_t*>(factor->pi);
        const auto* px = static_cast<const std::int32_t*>(factor->px);
        std::size_t s = 0, lo = 0, hi = factor->nsuper; // supernode holding column j
        while (lo < hi) {
            const auto mid = (lo + hi) / 2;
            if (static_cast<std::size_t>(super[mid + 1]) <= j)
                lo = mid + 1;
            else
                hi = mid;
        }
        s = lo;
        const auto rows = static_cast<std::size_t>(pi[s + 1] - pi[s]);
        const auto k = j - static_cast<std::size_t>(super[s]);
        const double d = x[static_cast<std::size_t>(px[s]) + k * rows + k];
        return d * d;
    }

    // First column, in elimination order, whose pivot vanished against its own stiffness.
    std::int32_t FirstSingularEquation(const ReducedSystem& system) const {
        const auto* perm = static_cast<const std::int32_t*>(factor->Perm);
        for (std::size_t j = 0; j < factor->n; ++j) {
            const auto equation = perm[j];
            const double own = std::fabs(system.Diagonal(equation));
            const double pivot = std::fabs(Pivot(j));
            if (!(pivot > SingularPivotRatio * own) || !std::isfinite(pivot))
                return equation;
        }
        return -1;
    }
};

namespace {

// A fill-reducing order of the equations. A node's three degrees of freedom share one sparsity
// pattern, so AMD orders the node graph, three times smaller than the matrix, and each node's
// free equations follow each other in that order.
std::vector<std::int32_t> NodeOrdering(const ReducedSystem& system, cholmod_common& common) {
    const auto equations = system.EquationCount();
    // Nodes that keep at least one free equation, numbered densely in equation order.
    std::vector<std::int32_t> nodeOfEquation(static_cast<std::size_t>(equations));
    std::vector<std::int32_t> firstEquation;
    for (std::int32_t eq = 0; eq < equations; ++eq) {
        const bool newNode =
            eq == 0 || DofNode(system.DofOfEquation[eq]) != DofNode(system.DofOfEquation[eq - 1]);
        if (newNode)
            firstEquation.push_back(eq);
        nodeOfEquation[eq] = static_cast<std::int32_t>(firstEquation.size()) - 1;
    }
    const auto nodes = static_cast<std::int32_t>(firstEquation.size());
    firstEquation.push_back(equations);

    // The node graph's upper pattern, from each node's first column (the others repeat it).
    std::vector<std::int32_t> start{0}, rows;
    for (std::int32_t node = 0; node < nodes; ++node) {
        const auto column = firstEquation[node + 1] - 1; // its last column reaches every row
        for (auto k = system.ColumnStart[column]; k < system.ColumnStart[column + 1]; ++k) {
            const auto rowNode = nodeOfEquation[system.RowIndex[k]];
            if (rows.size() == static_cast<std::size_t>(start.back()) || rows.back() != rowNode)
                rows.push_back(rowNode);
        }
        start.push_back(static_cast<std::int32_t>(rows.size()));
    }
    auto graph = UpperTriangleView(start, rows);
    std::vector<std::int32_t> nodeOrder(static_cast<std::size_t>(nodes));
    if (!cholmod_amd(&graph, nullptr, 0, nodeOrder.data(), &common))
        throw std::runtime_error("CHOLMOD: falha na ordenação da matriz");

    std::vector<std::int32_t> order;
    order.reserve(static_cast<std::size_t>(equations));
    for (const auto node : nodeOrder)
        for (auto eq = firstEquation[node]; eq < firstEquation[node + 1]; ++eq)
            order.push_back(eq);
    return order;
}

} // namespace

SparseCholesky::SparseCholesky() : m_state(std::make_unique<State>()) {}
SparseCholesky::~SparseCholesky() = default;

SolveStatus SparseCholesky::Factorize(const ReducedSystem& system) {
    auto& s = *m_state;
    s.size = system.EquationCount();
    if (s.size == 0)
        return {};
    auto A = UpperTriangleView(system.ColumnStart, system.RowIndex, system.Value.data());
    auto order = NodeOrdering(system, s.common);
    s.common.supernodal = CHOLMOD_AUTO;
    s.common.final_ll = false;
    if (!s.AnalyseAndFactorise(A, order)) {
        // Not positive definite: indefinite (a negative inertia) or singular. LDLᵀ tells which.
        s.common.supernodal = CHOLMOD_SIMPLICIAL;
        s.common.quick_return_if_not_posdef = false;
        const bool factored = s.AnalyseAndFactorise(A, order);
        s.common.quick_return_if_not_posdef = true;
        if (!factored) {
            const auto* perm = static_cast<const std::int32_t*>(s.factor->Perm);
            return {false, perm[s.factor->minor]};
        }
    }
    const auto singular = s.FirstSingularEquation(system);
    if (singular >= 0)
        return {false, singular};
    return {};
}

std::vector<double> SparseCholesky::Solve(const std::vector<double>& rhs) {
    auto& s = *m_state;
    if (s.size == 0)
        return {};
    cholmod_dense b{};
    b.nrow = static_cast<std::size_t>(s.size);
    b.ncol = 1;
    b.nzmax = b.nrow;
    b.d = b.nrow;
    b.x = const_cast<double*>(rhs.data());
    b.xtype = CHOLMOD_REAL;
    b.dtype = CHOLMOD_DOUBLE;
    cholmod_dense* x = cholmod_solve(CHOLMOD_A, s.factor, &b, &s.common);
    if (!x)
        throw std::runtime_error("CHOLMOD: falha na solução do sistema");
    const auto* values = static_cast<const double*>(x->x);
    std::vector<double> result(values, values + s.size);
    cholmod_free_dense(&x, &s.common);
    return result;
}

SolveStatus SolveDisplacements(TGrillageModel& model, const ReducedSystem& system) {
    SparseCholesky cholesky;
    auto status = cholesky.Factorize(system);
    if (!status.Solved) {
        status.SingularDof = system.DofOfEquation[status.SingularDof];
        return status;
    }
    const auto d = cholesky.Solve(system.Load);
    for (std::int32_t eq = 0; eq < system.EquationCount(); ++eq)
        model.Displacements[system.DofOfEquation[eq]] = d[eq];
    return {};
}

} // namespace quadrilo::engine
