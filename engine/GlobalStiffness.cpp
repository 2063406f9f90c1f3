// Assembly of the reduced global stiffness: triplets sorted into compressed columns.
#include "GlobalStiffness.h"

#include "BarMatrices.h"

#include <algorithm>
#include <numeric>

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

void AssembleGlobalStiffness(const TGrillageModel& model, ReducedSystem& system) {
    struct Entry {
        std::int32_t row, column;
        double value;
    };
    std::vector<Entry> entries;
    entries.reserve(21 * static_cast<std::size_t>(model.BarCount) +
                    static_cast<std::size_t>(system.EquationCount()));
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
                    entries.push_back({eq[p], eq[q], K[p][q]});
        }
    }
    // Elastic supports: the spring acts on the vertical displacement only.
    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        const auto eq = system.EquationOfDof[3 * i];
        if (eq >= 0 && model.Restraints[3 * i] == 0 && model.Springs[i] != 0)
            entries.push_back({eq, eq, model.Springs[i]});
    }

    // Counting sort by column, then rows ascending within each column, duplicates summed.
    const auto n = static_cast<std::size_t>(system.EquationCount());
    std::vector<std::int32_t> start(n + 1, 0);
    for (const auto& e : entries)
        ++start[e.column + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<std::pair<std::int32_t, double>> byColumn(entries.size());
    {
        auto next = start;
        for (const auto& e : entries)
            byColumn[next[e.column]++] = {e.row, e.value};
    }
    entries = {};

    system.ColumnStart.assign(n + 1, 0);
    system.RowIndex.clear();
    system.Value.clear();
    system.RowIndex.reserve(byColumn.size() / 2);
    system.Value.reserve(byColumn.size() / 2);
    for (std::size_t c = 0; c < n; ++c) {
        const auto first = byColumn.begin() + start[c];
        const auto last = byColumn.begin() + start[c + 1];
        std::sort(first, last, [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto it = first; it != last; ++it) {
            if (system.RowIndex.size() > static_cast<std::size_t>(system.ColumnStart[c]) &&
                system.RowIndex.back() == it->first)
                system.Value.back() += it->second;
            else {
                system.RowIndex.push_back(it->first);
                system.Value.push_back(it->second);
            }
        }
        system.ColumnStart[c + 1] = static_cast<std::int32_t>(system.RowIndex.size());
    }
}

} // namespace quadrilo::engine
