// Distribution of the loads to the nodes of the malha: cargas locais, peso das vigas, cargas das
// lajes by tributary area, and the load combination that gives each node its vertical force.
#pragma once

#include "elements/TBeamData.h"
#include "elements/TSlabData.h"
#include "expr/UParser.h"
#include "mesh/TNodeData.h"
#include "mesh/WorkingLists.h"
#include "project/TProjectData.h"

#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::mesh {

// Adds each load of LoadList to the PPontual of the node standing exactly at its X and Y (the
// last such node in list order). A load that matches no node stays in the drawing and out of the
// calculation; it is named in the returned "Atenção:" lines, one per load.
[[nodiscard]] std::vector<std::string> DistributeLocalLoads(WorkingLists& lists);

// Adds to both end nodes of every bar lying on the viga half the weight of the part of the viga
// the bar stands for: Lb · Peso / Comprimento / 100 kN, Lb the bar's length in cm.
void DistributeBeamWeights(const TBeamData& beam, WorkingLists& lists);

// Gives every node inside the laje (bounds included, within ContainmentTolerance) its shares of
// the laje's self-weight, accidental and permanent loads, at full precision, by the tributary
// factor of its place in the whole grid. The shares are assigned, not added: on the common edge
// of two lajes the later one counts.
void DistributeSlabLoads(const TSlabData& slab, const TProjectData& project, WorkingLists& lists);

// 1 for an internal node, 1/2 lateral, 1/4 corner, 0 for any other kind.
[[nodiscard]] double TributaryFactor(std::uint8_t nodeKind);

// The project's load combination (LoadFact), compiled once into a parser of its own and
// evaluated per node with pp = −(PLaje + PViga), ca = −PAcid, cp = −PPerm, cl = PPontual.
class NodeLoadCombiner {
public:
    // Throws expr::EMathParserError when the formula does not compile.
    explicit NodeLoadCombiner(std::string_view formula);

    // The node's vertical force in kN, positive upward. Throws expr::EMathError on an
    // arithmetic fault of the formula.
    [[nodiscard]] double CombineNodeLoad(const TNodeData& node);

private:
    expr::TParser m_parser;
    double& m_pp;
    double& m_ca;
    double& m_cp;
    double& m_cl;
};

} // namespace quadrilo::mesh
