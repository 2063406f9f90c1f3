// Distribution of the loads to the nodes of the malha: cargas locais, peso das vigas, cargas das
// lajes by tributary area, and the load combination that gives each node its vertical force.
#include "mesh/LoadDistribution.h"

#include "common/Format.h"
#include "mesh/MeshGeometry.h"

#include <cmath>
#include <map>
#include <utility>

namespace quadrilo::mesh {

std::vector<std::string> DistributeLocalLoads(WorkingLists& lists) {
    std::vector<std::string> warnings;
    if (lists.LoadList.empty())
        return warnings;
    // Later nodes overwrite earlier ones at the same place: the last one counts. Adding 0.0 makes
    // -0 and 0 one key, as an exact comparison of the coordinates would.
    std::map<std::pair<double, double>, WorkingItem<TNodeData>*> nodeAt;
    for (auto& node : lists.NodeList)
        nodeAt[{node.Data.X + 0.0, node.Data.Y + 0.0}] = &node;
    for (const auto& load : lists.LoadList) {
        const auto found = nodeAt.find({load.Data.X + 0.0, load.Data.Y + 0.0});
        if (found == nodeAt.end()) {
            warnings.push_back(Format("Atenção: Carregamento sem nó em X(%f) Y(%f) de %s, fica "
                                      "fora do cálculo ",
                                      load.Data.X, load.Data.Y, load.Data.Descricao));
            continue;
        }
        found->second->Data.PPontual += load.Data.Valor;
        found->second->Changed = true;
    }
    return warnings;
}

void DistributeBeamWeights(const TBeamData& beam, WorkingLists& lists) {
    for (const auto& item : lists.BarList) {
        const auto& bar = item.Data;
        if (!BarLiesOnBeam(bar, beam))
            continue;
        const double length = std::hypot(bar.X2 - bar.X1, bar.Y2 - bar.Y1);
        const double weight = length * beam.Peso / beam.Comprimento / 100;
        for (const auto number : {bar.N1, bar.N2}) {
            if (auto* node = NodeByNumber(lists, number)) {
                node->Data.PViga += weight / 2;
                node->Changed = true;
            }
        }
    }
}

double TributaryFactor(std::uint8_t nodeKind) {
    switch (nodeKind) {
    case 0:
        return 1;
    case 1:
        return 0.5;
    case 2:
        return 0.25;
    default:
        return 0;
    }
}

void DistributeSlabLoads(const TSlabData& slab, const TProjectData& project, WorkingLists& lists) {
    const double area = project.StepX * project.StepY; // cm²
    for (auto& node : lists.NodeList) {
        auto& n = node.Data;
        if (!InBox(n.X, n.Y, slab.MinX, slab.MinY, slab.MaxX, slab.MaxY))
            continue;
        const double f = TributaryFactor(n.Kind);
        n.PLaje = area * slab.Espessura / 1'000'000 * project.PELaje * f;
        n.PAcid = area / 10'000 * slab.CargaAcidental * f;
        n.PPerm = area / 10'000 * slab.CargaPermanente * f;
        node.Changed = true;
    }
}

NodeLoadCombiner::NodeLoadCombiner(std::string_view formula)
    : m_pp(m_parser.AssignVariable("pp", 0)), m_ca(m_parser.AssignVariable("ca", 0)),
      m_cp(m_parser.AssignVariable("cp", 0)), m_cl(m_parser.AssignVariable("cl", 0)) {
    m_parser.SetExpression(formula);
}

double NodeLoadCombiner::CombineNodeLoad(const TNodeData& node) {
    m_pp = -(node.PLaje + node.PViga);
    m_ca = -node.PAcid;
    m_cp = -node.PPerm;
    m_cl = node.PPontual;
    return m_parser.Value();
}

} // namespace quadrilo::mesh
