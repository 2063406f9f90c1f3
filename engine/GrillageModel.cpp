// Sizing and clearing of the solver's grillage model.
#include "GrillageModel.h"

namespace quadrilo::engine {

void ClearModel(TGrillageModel& model) {
    // The counts survive a clear; the reader overwrites them.
    const auto materials = model.MaterialCount;
    const auto nodes = model.NodeCount;
    const auto bars = model.BarCount;
    model = TGrillageModel{};
    model.MaterialCount = materials;
    model.NodeCount = nodes;
    model.BarCount = bars;
}

void SizeModel(TGrillageModel& model, std::int32_t materials, std::int32_t nodes,
               std::int32_t bars) {
    model.MaterialCount = materials;
    model.NodeCount = nodes;
    model.BarCount = bars;
    const auto dofs = static_cast<std::size_t>(3 * static_cast<std::int64_t>(nodes) + 1);
    model.Materials.assign(static_cast<std::size_t>(materials) + 1, {});
    model.X.assign(static_cast<std::size_t>(nodes) + 1, 0.0);
    model.Y.assign(static_cast<std::size_t>(nodes) + 1, 0.0);
    model.Springs.assign(static_cast<std::size_t>(nodes) + 1, 0.0);
    model.Bars.assign(static_cast<std::size_t>(bars) + 1, {});
    model.Loads.assign(dofs, 0.0);
    model.Restraints.assign(dofs, 0.0);
    SizeResults(model);
}

void SizeResults(TGrillageModel& model) {
    model.Displacements.assign(static_cast<std::size_t>(model.DofCount()) + 1, 0.0);
    model.EndForces.assign(6 * static_cast<std::size_t>(model.BarCount) + 1, 0.0);
}

const char* DofDirectionName(std::int32_t dof) {
    static const char* const names[] = {"dz", "rx", "ry"};
    return names[dof % 3];
}

} // namespace quadrilo::engine
