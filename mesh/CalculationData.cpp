// The calculation data generation: materials, loads and supports of the malha from its working
// lists, and the calculation data file ("gInput.txt") written whole.
#include "mesh/CalculationData.h"

#include "common/AtomicFile.h"
#include "common/Format.h"
#include "engine/CalculationDataWriter.h"
#include "expr/UExprErrors.h"
#include "mesh/MaterialAssignment.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace quadrilo::mesh {

namespace {

constexpr double Cm4ToM4 = 1e-8;
constexpr double CmToM = 0.01;

// Node n at position n − 1 and every bar between two distinct listed nodes: the calculation
// data file numbers nodes by their place in the list, so any other order would join bars to the
// wrong nodes.
std::optional<std::string> CheckRegularNumbering(const MeshWorkspace& workspace) {
    const auto& nodes = workspace.Lists.NodeList;
    const auto& bars = workspace.Lists.BarList;
    bool regular = nodes.size() == workspace.MeshNodeCount && bars.size() == workspace.MeshBarCount;
    for (std::size_t i = 0; regular && i < nodes.size(); ++i)
        regular = nodes[i].Data.Number == i + 1;
    for (std::size_t b = 0; regular && b < bars.size(); ++b) {
        const auto& bar = bars[b].Data;
        regular = bar.N1 >= 1 && bar.N1 <= nodes.size() && bar.N2 >= 1 && bar.N2 <= nodes.size() &&
                  bar.N1 != bar.N2;
    }
    if (regular)
        return std::nullopt;
    return "Erro: A malha principal está incompleta ou fora de ordem; gere a grelha principal "
           "novamente.";
}

std::optional<std::string> CheckMaterialRoom(const WorkingLists& lists) {
    // One per viga, four per laje, and the material of no stiffness.
    const std::size_t needed = lists.BeamList.size() + 4 * lists.SlabList.size() + 1;
    if (needed <= MaterialTable::MaxMaterials)
        return std::nullopt;
    return Format("Erro: %d materiais excedem o limite de %d.", needed,
                  MaterialTable::MaxMaterials);
}

template <class Record> void SetMarkingChange(WorkingItem<Record>& item, const Record& updated) {
    if (!(item.Data == updated)) {
        item.Data = updated;
        item.Changed = true;
    }
}

void AssignBarMaterials(WorkingLists& lists, const MaterialTable& materials) {
    for (auto& item : lists.BarList) {
        auto bar = item.Data;
        bar.Material = 0;
        if (!AssignBeamMaterial(bar, lists.BeamList, materials))
            (void)AssignSlabMaterial(bar, lists.SlabList, materials);
        SetMarkingChange(item, bar);
    }
}

void ApplyColumnsToNodes(WorkingLists& lists) {
    for (auto& item : lists.NodeList) {
        if (const auto* column = FindColumnAtNode(item.Data, lists.ColumnList)) {
            auto node = item.Data;
            ApplyColumnSupports(node, *column);
            SetMarkingChange(item, node);
        }
    }
}

// A node held in every direction carries nothing to the grillage.
TNodeData HeldWithoutLoad(TNodeData node) {
    node.FreeRx = node.FreeRy = node.FreeDz = 0;
    node.Spring = 0;
    node.MomentX = node.MomentY = 0;
    node.PLaje = node.PAcid = node.PPerm = node.PViga = node.PParede = node.PPontual = 0;
    return node;
}

// Bars that no search placed (over the empty corner of an L-shaped floor, say) are no structure:
// they take a material of no stiffness, and the nodes they alone reach, which nothing else would
// hold, are fixed.
void HoldUnplacedBars(WorkingLists& lists, MaterialTable& materials, MessageSink& sink) {
    const auto unplaced = static_cast<std::size_t>(
        std::count_if(lists.BarList.begin(), lists.BarList.end(),
                      [](const auto& bar) { return bar.Data.Material == 0; }));
    if (unplaced == 0)
        return;
    const auto none = materials.Add(TMaterialData{});
    std::vector<bool> reached(lists.NodeList.size() + 1, false);
    for (auto& item : lists.BarList) {
        if (item.Data.Material == 0) {
            item.Data.Material = none;
            item.Changed = true;
            continue;
        }
        reached[item.Data.N1] = reached[item.Data.N2] = true;
    }
    std::size_t held = 0;
    for (auto& item : lists.NodeList) {
        if (reached[item.Data.Number])
            continue;
        SetMarkingChange(item, HeldWithoutLoad(item.Data));
        ++held;
    }
    sink.LogMessage(Format("Atenção: %d barras fora de lajes e vigas ficam sem rigidez (material "
                           "%d nulo) e %d nós ligados só a elas ficam fixos, sem carga.",
                           unplaced, none, held));
}

// Parser messages may break lines with CR; a log line has one line.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

} // namespace

bool GenerateCalculationData(MeshWorkspace& workspace, const TProjectData& project,
                             MessageSink& sink) {
    auto& lists = workspace.Lists;
    if (lists.NodeList.empty()) {
        sink.LogMessage("Erro: Não há malha principal criada!");
        return false;
    }
    for (const auto& refusal : {CheckRegularNumbering(workspace), CheckMaterialRoom(lists)}) {
        if (refusal) {
            sink.LogMessage(*refusal);
            return false;
        }
    }

    auto& materials = workspace.Materials;
    materials.Clear();
    for (const auto& warning : DistributeLocalLoads(lists))
        sink.LogMessage(warning);
    for (const auto& beam : lists.BeamList) {
        materials.Add(BeamMaterial(beam.Data, beam.EntityID, project));
        DistributeBeamWeights(beam.Data, lists);
    }
    for (const auto& slab : lists.SlabList) {
        for (const auto& material : SlabMaterials(slab.Data, slab.EntityID, project))
            materials.Add(material);
        DistributeSlabLoads(slab.Data, project, lists);
    }
    AssignBarMaterials(lists, materials);
    ApplyColumnsToNodes(lists);
    HoldUnplacedBars(lists, materials, sink);
    return true;
}

std::string CalculationDataText(const MeshWorkspace& workspace, NodeLoadCombiner& combiner,
                                MessageSink& sink) {
    const auto& nodes = workspace.Lists.NodeList;
    const auto& bars = workspace.Lists.BarList;
    engine::CalculationDataWriter out;

    sink.LogMessage("Escrevendo Materiais...");
    const auto& materials = workspace.Materials.Materials();
    out.MaterialCount(static_cast<std::int32_t>(materials.size()));
    for (const auto& m : materials)
        out.Material(m.E, m.I * Cm4ToM4, m.G, m.It * Cm4ToM4);

    sink.LogMessage("Escrevendo Numero de nós e barras...");
    out.Counts(workspace.MeshNodeCount, workspace.MeshBarCount);

    sink.LogMessage("Escrevendo coordenadas...");
    for (const auto& node : nodes)
        out.Coordinates(node.Data.X * CmToM, node.Data.Y * CmToM);

    sink.LogMessage("Escrevendo dados de barras...");
    for (const auto& bar : bars)
        out.Bar(bar.Data.N1, bar.Data.N2, bar.Data.Material);

    sink.LogMessage("Escrevendo dados de carregamento...");
    for (const auto& node : nodes) {
        try {
            out.Loads(node.Data.MomentX, node.Data.MomentY, combiner.CombineNodeLoad(node.Data));
        } catch (const expr::EMathError& fault) {
            throw LoadCombinationError(
                Format("Erro: Combinação de cargas no nó %d: %s", node.Data.Number, fault.what()));
        }
    }

    sink.LogMessage("Escrevendo restrições dos nós...");
    for (const auto& node : nodes)
        out.Restraint(node.Data.FreeRx, node.Data.FreeRy, node.Data.FreeDz, node.Data.Spring);
    return out.Text();
}

bool WriteCalculationData(const MeshWorkspace& workspace, const TProjectData& project,
                          const std::string& path, MessageSink& sink) {
    if (project.LoadFact.empty()) {
        sink.LogMessage("Erro: A fórmula de combinação de cargas está vazia.");
        return false;
    }
    std::optional<NodeLoadCombiner> combiner;
    try {
        combiner.emplace(project.LoadFact);
    } catch (const expr::EMathParserError& error) {
        sink.LogMessage(Format("Erro: Fórmula de combinação de cargas \"%s\": %s", project.LoadFact,
                               OneLine(error.what())));
        return false;
    }
    try {
        ReplaceFileContents(path, CalculationDataText(workspace, *combiner, sink));
    } catch (const LoadCombinationError& error) {
        sink.LogMessage(error.what());
        return false;
    } catch (const FileWriteError& error) {
        sink.LogMessage(
            Format("Erro: Não foi possível gravar os dados de cálculo: %s", OneLine(error.what())));
        return false;
    }
    sink.LogMessage("Arquivo criado...");
    return true;
}

} // namespace quadrilo::mesh
