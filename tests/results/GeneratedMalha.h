// A malha laid out as the mesh generator lays it (node and bar records in generation order),
// with its calculation data, for the results tests and the results benchmark.
#pragma once

#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quadrilo::results::fixtures {

struct GeneratedMalha {
    int Nx = 0, Ny = 0; // divisions along X and Y
    std::vector<TNodeData> Nodes;
    std::vector<TBarData> Bars;
};

// nx × ny divisions of `stepX` × `stepY` cm from (xMin, yMin): nodes row by row from the least Y,
// each row's horizontal bars followed by the vertical bars rising from it; every entity id unique.
[[nodiscard]] GeneratedMalha GenerateMalha(int nx, int ny, double stepX, double stepY,
                                           double xMin = 0, double yMin = 0);

// Calculation data of the malha: one slab-strip material, a downward load on every node and
// vertical supports at the four corners (coordinates in metres).
[[nodiscard]] std::string CalculationDataOf(const GeneratedMalha& malha);

// A square-spaced malha solved by the engine into `folder`'s "gInput.txt" and "gOutput.txt", its
// records holding the results. Throws std::runtime_error when the run fails.
[[nodiscard]] GeneratedMalha SolvedMalha(int nx, int ny, double step,
                                         const std::filesystem::path& folder);

} // namespace quadrilo::results::fixtures
