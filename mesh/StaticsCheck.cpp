// The statics check after a calculation: the applied vertical loads against the vertical
// reactions of the supports, rigid and spring.
#include "mesh/StaticsCheck.h"

#include "common/Format.h"

#include <cmath>

namespace quadrilo::mesh {

bool VerticalEquilibrium::Balanced() const {
    return std::fabs(Imbalance()) <= RelativeTolerance * LoadMagnitude;
}

VerticalEquilibrium CheckVerticalEquilibrium(const engine::TGrillageModel& model) {
    // The vertical force each node gives its bars: the shears at the bars' ends (local z is
    // global Z), as the nodes exert them on the bars.
    std::vector<double> barShear(static_cast<std::size_t>(model.NodeCount) + 1, 0.0);
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        const auto& bar = model.Bars[b];
        barShear[bar.N1] += model.EndForces[6 * static_cast<std::size_t>(b) - 3];
        barShear[bar.N2] += model.EndForces[6 * static_cast<std::size_t>(b)];
    }
    VerticalEquilibrium check;
    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        const auto dz = 3 * static_cast<std::size_t>(i);
        const double load = model.Loads[dz];
        check.AppliedLoad += load;
        check.LoadMagnitude += std::fabs(load);
        if (model.Restraints[dz] != 0)
            continue;
        if (model.Springs[i] == 0)
            check.RigidReactions += barShear[i] - load;
        else
            check.SpringReactions -= model.Springs[i] * model.Displacements[dz];
    }
    return check;
}

std::vector<std::string> StaticsCheckLines(const VerticalEquilibrium& check) {
    std::vector<std::string> lines{
        Format("Info: Equilíbrio vertical: cargas %.3f kN, reações %.3f kN (apoios rígidos %.3f "
               "kN, molas %.3f kN)",
               check.AppliedLoad, check.Reactions(), check.RigidReactions, check.SpringReactions)};
    if (!check.Balanced())
        lines.push_back(Format("Atenção: As reações dos apoios não equilibram as cargas: "
                               "diferença de %g kN.",
                               check.Imbalance()));
    return lines;
}

} // namespace quadrilo::mesh
