// Lifting the malha by its vertical displacements.
#include "results/DeformedGrillage.h"

#include <limits>

namespace quadrilo::results {
namespace {

Point3 Lifted(const TNodeData& node, std::int32_t defFact) {
    return {node.X, node.Y, node.dz * defFact};
}

} // namespace

DeformedGrillage BuildDeformedGrillage(std::span<const TNodeData> nodes,
                                       std::span<const TBarData> bars, std::int32_t defFact) {
    DeformedGrillage out;
    out.Nodes.reserve(nodes.size());
    std::vector<const TNodeData*> byNumber(std::numeric_limits<std::uint16_t>::max() + 1);
    for (const auto& node : nodes) {
        out.Nodes.push_back({Lifted(node, defFact), node});
        byNumber[node.Number] = &node;
    }
    out.Bars.reserve(bars.size());
    for (const auto& bar : bars) {
        const auto* n1 = byNumber[bar.N1];
        const auto* n2 = byNumber[bar.N2];
        if (n1 && n2)
            out.Bars.push_back({Lifted(*n1, defFact), Lifted(*n2, defFact), bar});
    }
    return out;
}

DeformedLoad LoadDeformedGrillage(const std::string& resultsPath, std::vector<TNodeData>& nodes,
                                  std::vector<TBarData>& bars, std::int32_t defFact) {
    DeformedLoad load;
    load.Results = ReadResultsIntoRecords(resultsPath, nodes, bars);
    if (load.Results.Loaded)
        load.Geometry = BuildDeformedGrillage(nodes, bars, defFact);
    return load;
}

} // namespace quadrilo::results
