// Bar end forces in local axes from the nodal displacements.
#pragma once

#include "GrillageModel.h"

namespace quadrilo::engine {

// For every bar, f = k·(T·d) into model.EndForces[6b−5 .. 6b]: torsion, bending moment and
// shear at N1, then at N2 — the forces the nodes exert on the bar. All loads are nodal, so no
// fixed-end forces are added.
void ComputeEndForces(TGrillageModel& model);

} // namespace quadrilo::engine
