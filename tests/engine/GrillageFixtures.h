// Grillages for tests and benchmarks, built as calculation data text.
#pragma once

#include "GrillageModel.h"

#include <cstdint>
#include <random>
#include <string>

namespace quadrilo::engine::fixtures {

// A rectangular grid of nx × ny divisions (spacing in metres) with slab-strip materials, a
// uniform downward load and vertical supports at the four corners.
[[nodiscard]] std::string GridCalculationData(int nx, int ny, double spacing);

// A small random grillage: beams of several materials (one with a negative inertia when asked),
// rigid and elastic supports, restrained rotations with springs, random nodal loads. Always
// stable: the four corners are supported vertically.
[[nodiscard]] std::string RandomCalculationData(std::mt19937& rng, bool negativeInertia);

// Parses calculation data text into a model (throws on bad data).
[[nodiscard]] TGrillageModel ModelFromText(const std::string& text);

} // namespace quadrilo::engine::fixtures
