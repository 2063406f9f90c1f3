// The results file: nodal displacements, then bar end forces, in fixed text columns.
#pragma once

#include "GrillageModel.h"

#include <string>

namespace quadrilo::engine {

// Appends the displacement section: headers, then per node its number, three blanks and the
// rotations about X and Y (rad) and the displacement along Z (m), each in 30 characters with 7
// decimals. Lines end in CR LF.
void WriteNodalDisplacements(const TGrillageModel& model, std::string& out);

// Appends the end-force section: headers, two lines per bar (torsion, bending moment and shear at
// N1, then at N2, each in 18 characters with 4 decimals) and a final empty line.
void WriteEndForces(const TGrillageModel& model, std::string& out);

} // namespace quadrilo::engine
