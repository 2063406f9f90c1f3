// The results file: nodal displacements, then bar end forces, in fixed text columns.
#pragma once

#include "GrillageModel.h"

#include <optional>
#include <string>

namespace quadrilo::engine {

// The two kinds of number field of the results file.
inline constexpr int DisplacementDecimals = 7, DisplacementWidth = 30;
inline constexpr int EndForceDecimals = 4, EndForceWidth = 18;

// Appends the displacement section: headers, then per node its number, three blanks and the
// rotations about X and Y (rad) and the displacement along Z (m), each in 30 characters with 7
// decimals. Lines end in CR LF.
void WriteNodalDisplacements(const TGrillageModel& model, std::string& out);

// Appends the end-force section: headers, two lines per bar (torsion, bending moment and shear at
// N1, then at N2, each in 18 characters with 4 decimals) and a final empty line.
void WriteEndForces(const TGrillageModel& model, std::string& out);

// Why the results cannot be written, naming the first result (displacements in node order, then
// end forces in bar order) that is not a finite number or does not leave a blank in its field;
// nothing when every result fits. A results file with NaN or with numbers run together would be
// read back as wrong numbers, so the run must stop instead.
[[nodiscard]] std::optional<std::string> CheckResultsFit(const TGrillageModel& model);

} // namespace quadrilo::engine
