// The statics check after a calculation: the applied vertical loads against the vertical
// reactions of the supports, rigid and spring.
#pragma once

#include "engine/GrillageModel.h"

#include <string>
#include <vector>

namespace quadrilo::mesh {

// Forces in kN, positive upward.
struct VerticalEquilibrium {
    double AppliedLoad = 0;     // sum of the nodes' vertical forces
    double LoadMagnitude = 0;   // sum of their magnitudes: the scale of the check
    double RigidReactions = 0;  // reactions of the supports that hold dz outright
    double SpringReactions = 0; // −k·dz of the elastic supports

    static constexpr double RelativeTolerance = 1e-6;

    [[nodiscard]] double Reactions() const { return RigidReactions + SpringReactions; }
    [[nodiscard]] double Imbalance() const { return AppliedLoad + Reactions(); }
    // Whether loads and reactions agree within RelativeTolerance of the load.
    [[nodiscard]] bool Balanced() const;
};

// Over a solved model (displacements and end forces filled): a rigid support's reaction is what
// its bars take from the node less the load applied there; a spring's is −k·dz.
[[nodiscard]] VerticalEquilibrium CheckVerticalEquilibrium(const engine::TGrillageModel& model);

// One "Info:" line with the sums, and an "Atenção:" line when they do not balance.
[[nodiscard]] std::vector<std::string> StaticsCheckLines(const VerticalEquilibrium& check);

} // namespace quadrilo::mesh
