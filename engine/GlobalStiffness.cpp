// Assembly of the reduced global stiffness: the pattern from the bar connectivity, then the values.
#include "GlobalStiffness.h"

#include "BarMatrices.h"

#include <algorithm>
#include <cmath>

namespace quadrilo::engine {

bool IsFixedDof(const TGrillageModel& model, std::int32_t dof) {
    if (model.Restraints[dof] != 0)
        return false;
    const bool isDz = dof % 3 == 0;
    return !isDz || model.Springs[DofNode(dof)] == 0;
}

double ReducedSystem::Diagonal(std::int32_t equation) const {
    const auto last = ColumnStart[equation + 1];
    return last > ColumnStart[equation] && RowIndex[last - 1] == equation ? Value[last - 1] : 0.0;
}

ReducedSystem ApplySupports(const TGrillageModel& model) {
    ReducedSystem system;
    const auto dofs = model.DofCount();
    system.EquationOfDof.assign(static_cast<std::size_t>(dofs) + 1, -1);
    system.DofOfEquation.reserve(static_cast<std::size_t>(dofs));
    for (std::int32_t dof = 1; dof <= dofs; ++dof) {
        if (IsFixedDof(model, dof))
            continue;
        system.EquationOfDof[dof] = system.EquationCount();
        system.DofOfEquation.push_back(dof);
        system.Load.push_back(model.Loads[dof]);
    }
    return system;
}

namespace {

// The nodes joined to each node by a bar, the node itself included, ascending.
std::vector<std::vector<std::int32_t>> NodeNeighbours(const TGrillageModel& model) {
    std::vector<std::vector<std::int32_t>> neighbours(static_cast<std::size_t>(model.NodeCount) +
                                                      1);
    for (std::int32_t i = 1; i <= model.NodeCount; ++i)
        neighbours[i].push_back(i);
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        const auto& bar = model.Bars[b];
        neighbours[bar.N1].push_back(bar.N2);
        neighbours[bar.N2].push_back(bar.N1);
    }
    for (auto& list : neighbours) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    return neighbours;
}

// The upper-triangle pattern: column e holds the free equations of the neighbouring nodes' degrees
// of freedom up to e. Equations follow degree-of-freedom order, so rows come out ascending.
void BuildPattern(const TGrillageModel& model, ReducedSystem& system) {
    const auto neighbours = NodeNeighbours(model);
    const auto n = static_cast<std::size_t>(system.EquationCount());
    system.ColumnStart.assign(n + 1, 0);
    system.RowIndex.clear();
    for (std::size_t column = 0; column < n; ++column) {
        const auto columnDof = system.DofOfEquation[column];
        for (const auto node : neighbours[DofNode(columnDof)]) {
            for (std::int32_t dof = 3 * node - 2; dof <= 3 * node && dof <= columnDof; ++dof)
                if (system.EquationOfDof[dof] >= 0)
                    system.RowIndex.push_back(system.EquationOfDof[dof]);
        }
        system.ColumnStart[column + 1] = static_cast<std::int32_t>(system.RowIndex.size());
    }
    system.Value.assign(system.RowIndex.size(), 0.0);
}

double& Entry(ReducedSystem& system, std::int32_t row, std::int32_t column) {
    const auto first = system.RowIndex.begin() + system.ColumnStart[column];
    const auto last = system.RowIndex.begin() + system.ColumnStart[column + 1];
    return system.Value[static_cast<std::size_t>(std::lower_bound(first, last, row) -
                                                 system.RowIndex.begin())];
}

} // namespace

void AssembleGlobalStiffness(const TGrillageModel& model, ReducedSystem& system) {
    BuildPattern(model, system);
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        const auto K = BarGlobalStiffness(model, b);
        const auto dofs = BarDofs(model, b);
        std::array<std::int32_t, 6> eq{};
        for (int p = 0; p < 6; ++p)
            eq[p] = system.EquationOfDof[dofs[p]];
        for (int p = 0; p < 6; ++p) {
            if (eq[p] < 0)
                continue;
            for (int q = 0; q < 6; ++q)
                if (eq[q] >= eq[p])
                    Entry(system, eq[p], eq[q]) += K[p][q];
        }
    }
    // Elastic supports: the spring acts on the vertical displacement only.
    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        const auto eq = system.EquationOfDof[3 * i];
        if (eq >= 0 && model.Restraints[3 * i] == 0 && model.Springs[i] != 0)
            Entry(system, eq, eq) += model.Springs[i];
    }
}

std::int32_t FirstNodeWithOverflowingStiffness(const TGrillageModel& model) {
    std::vector<double> bound(static_cast<std::size_t>(model.NodeCount) + 1, 0.0);
    for (std::int32_t i = 1; i <= model.NodeCount; ++i)
        bound[i] = std::fabs(model.Springs[i]);
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        double magnitude = 0; // NaN and infinity carry through the sum
        for (const auto& row : BarLocalStiffness(model, b))
            for (const double term : row)
                magnitude += std::fabs(term);
        bound[model.Bars[b].N1] += 4 * magnitude;
        bound[model.Bars[b].N2] += 4 * magnitude;
    }
    for (std::int32_t i = 1; i <= model.NodeCount; ++i)
        if (!std::isfinite(bound[i]))
            return i;
    return 0;
}

} // namespace quadrilo::engine
