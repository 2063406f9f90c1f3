// The deformed malha as plain geometry: what the drawing places in the layer "Quadrilo Deformada".
#pragma once

#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"
#include "results/Point3.h"
#include "results/ResultsReader.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo::results {

inline constexpr const char* DeformedLayerName = "Quadrilo Deformada";
// The palette entry that belongs to the deformed malha alone, so that choosing its colour never
// recolours beams or anything else that shares the layer's former colour.
inline constexpr int DeformedPaletteEntry = 10;

// A point at the node's plan position lifted by dz × DefFact, carrying the node record (with the
// results and the EntityID of the node point in "Quadrilo") as its extended data.
struct DeformedNode {
    Point3 At;
    TNodeData Record;
};

// A line between the two lifted end nodes, carrying the bar record with its end forces.
struct DeformedBar {
    Point3 Start, End;
    TBarData Record;
};

struct DeformedGrillage {
    std::vector<DeformedNode> Nodes; // in the order of the node records
    std::vector<DeformedBar> Bars;   // in the order of the bar records
};

// The lifted copy of the malha. Each bar's end nodes are found by their numbers N1 and N2; a bar
// whose end is not among `nodes` is left out (ReadResultsIntoRecords refuses such a file first).
[[nodiscard]] DeformedGrillage BuildDeformedGrillage(std::span<const TNodeData> nodes,
                                                     std::span<const TBarData> bars,
                                                     std::int32_t defFact);

struct DeformedLoad {
    ResultsLoad Results;       // Loaded false: nothing was read, nothing is to be drawn
    DeformedGrillage Geometry; // empty unless the results were loaded
};

// "Gerar Grelha Deformada" without the drawing: reads the results file into the records (which
// the caller then writes back to the node and bar entities of "Quadrilo") and lifts the copy.
[[nodiscard]] DeformedLoad LoadDeformedGrillage(const std::string& resultsPath,
                                                std::vector<TNodeData>& nodes,
                                                std::vector<TBarData>& bars, std::int32_t defFact);

} // namespace quadrilo::results
