// Floors for the malha tests, built as records: lajes, vigas, pilares and cargas, laid into a
// workspace the way the drawing would be read (grid generated, records encoded and read back).
#include "mesh/MeshFixtures.h"

#include "common/Format.h"
#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "mesh/CalculationData.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace quadrilo::mesh::test {

TProjectData Project(std::uint16_t nDX, std::uint16_t nDY) {
    TProjectData project;
    ResetProjectData(project, 0);
    project.nDX = nDX;
    project.nDY = nDY;
    return project;
}

TSlabData Slab(double minX, double minY, double maxX, double maxY, double h, double acidental,
               double permanente) {
    TSlabData slab;
    slab.MinX = minX;
    slab.MinY = minY;
    slab.MaxX = maxX;
    slab.MaxY = maxY;
    slab.Lx = maxX - minX;
    slab.Ly = maxY - minY;
    slab.Espessura = h;
    slab.CargaAcidental = acidental;
    slab.CargaPermanente = permanente;
    return slab;
}

TBeamData Beam(double x1, double y1, double x2, double y2, double b, double d, double it) {
    TBeamData beam;
    beam.LadoA = b;
    beam.LadoB = d;
    beam.Area = b * d;
    beam.MinX = std::min(x1, x2);
    beam.MinY = std::min(y1, y2);
    beam.MaxX = std::max(x1, x2);
    beam.MaxY = std::max(y1, y2);
    beam.Comprimento = std::hypot(x2 - x1, y2 - y1);
    beam.I = b * d * d * d / 12;
    beam.It = it;
    beam.Peso = beam.Area * beam.Comprimento * 25 / 10000;
    return beam;
}

TColumnData Column(double x, double y, std::uint8_t dz, std::uint8_t rx, std::uint8_t ry,
                   double mola) {
    TColumnData column;
    column.LadoA = column.LadoB = 20;
    column.X = x;
    column.Y = y;
    column.MinX = x - 10;
    column.MinY = y - 10;
    column.MaxX = x + 10;
    column.MaxY = y + 10;
    column.Dz = dz;
    column.Rx = rx;
    column.Ry = ry;
    column.Mola = mola;
    return column;
}

TLoadData Load(double x, double y, double valor) {
    TLoadData load;
    load.Valor = valor;
    load.X = x;
    load.Y = y;
    load.Descricao = Format("Carr. X(%f)_Y(%f) de (%f)kN", x, y, valor).substr(0, 50);
    return load;
}

Floor SmallFloor() {
    Floor floor{Project(2, 1),
                {Slab(0, 0, 200, 100, 10, 2, 1)},
                {Beam(0, 0, 200, 0, 20, 40, 30000)},
                {Column(0, 0, 1, 1, 1, 0), Column(200, 0, 1, 0, 0, 5000),
                 Column(0, 100, 1, 0, 0, 0), Column(200, 100, 1, 0, 0, 0)},
                {Load(100, 100, -10)}};
    floor.Project.LoadFact = "pp+1.4*ca+1.4*cp+cl";
    return floor;
}

Floor LShapedFloor() {
    return {Project(8, 5),
            {Slab(0, 0, 400, 500, 12, 2, 1), Slab(400, 0, 800, 300, 12, 2, 1)},
            {},
            {Column(0, 0, 1, 0, 0, 0), Column(800, 0, 1, 0, 0, 0), Column(0, 500, 1, 0, 0, 0),
             Column(400, 500, 1, 0, 0, 0), Column(800, 300, 1, 0, 0, 0)},
            {Load(500, 400, -10), Load(200, 200, -10)}};
}

namespace {

using namespace elements; // the drawing's layers and kind codes

template <class Record>
void AddAll(WorkingLists& lists, std::string_view layer, ElementKind kind,
            const std::vector<WorkingItem<Record>>& items) {
    for (const auto& item : items) {
        const auto bytes = item.Data.Encode();
        if (!AddDrawnEntity(lists, {layer, item.EntityID, KindCode(kind), bytes}))
            throw std::logic_error("fixture record refused");
    }
}

// The records as entities from `firstId` on; a record that names its entity (laje, viga, node,
// bar) names that one, as the material searches expect.
template <class Record>
std::vector<WorkingItem<Record>> AsEntities(std::vector<Record> records, std::uint32_t firstId) {
    std::vector<WorkingItem<Record>> items;
    for (auto& record : records) {
        const auto id = firstId + static_cast<std::uint32_t>(items.size());
        if constexpr (requires { record.EntityID; })
            record.EntityID = static_cast<std::int32_t>(id);
        items.push_back({id, record, false});
    }
    return items;
}

// Every list in the drawing's layer order.
MeshWorkspace ReadLayers(const WorkingLists& from) {
    MeshWorkspace workspace;
    auto& lists = workspace.Lists;
    AddAll(lists, ColumnLayer, ElementKind::Column, from.ColumnList);
    AddAll(lists, BeamLayer, ElementKind::Beam, from.BeamList);
    AddAll(lists, SlabLayer, ElementKind::Slab, from.SlabList);
    AddAll(lists, GrillageLayer, ElementKind::GrillageNode, from.NodeList);
    AddAll(lists, GrillageLayer, ElementKind::GrillageBar, from.BarList);
    AddAll(lists, LoadLayer, ElementKind::NodalLoad, from.LoadList);
    workspace.CountMeshFromLists();
    return workspace;
}

} // namespace

MeshWorkspace BuildWorkspace(Floor& floor) {
    const auto planned = PlanMesh(floor.Slabs, floor.Project.nDX, floor.Project.nDY);
    if (!planned.Plan)
        throw std::logic_error(planned.Error);
    auto grid = GenerateMesh(*planned.Plan, floor.Project);
    std::vector<std::uint32_t> nodeIds(grid.Nodes.size()), barIds(grid.Bars.size());
    for (std::size_t n = 0; n < nodeIds.size(); ++n)
        nodeIds[n] = FirstNodeId + static_cast<std::uint32_t>(n);
    for (std::size_t b = 0; b < barIds.size(); ++b)
        barIds[b] = FirstBarId + static_cast<std::uint32_t>(b);
    AssignEntityIds(grid, nodeIds, barIds);

    std::vector<TNodeData> nodes;
    std::vector<TBarData> bars;
    for (const auto& node : grid.Nodes)
        nodes.push_back(node.Record);
    for (const auto& bar : grid.Bars)
        bars.push_back(bar.Record);

    WorkingLists drawn;
    drawn.ColumnList = AsEntities(floor.Columns, 300);
    drawn.BeamList = AsEntities(floor.Beams, 200);
    drawn.SlabList = AsEntities(floor.Slabs, 100);
    drawn.NodeList = AsEntities(nodes, FirstNodeId);
    drawn.BarList = AsEntities(bars, FirstBarId);
    drawn.LoadList = AsEntities(floor.Loads, 400);
    return ReadLayers(drawn);
}

bool GenerateAndWrite(MeshWorkspace& workspace, const TProjectData& project,
                      const std::string& path, MessageSink& sink) {
    return GenerateCalculationData(workspace, project, sink) &&
           WriteCalculationData(workspace, project, path, sink);
}

MeshWorkspace ReadBack(const MeshWorkspace& written) {
    return ReadLayers(written.Lists);
}

ScratchDir::ScratchDir(const std::string& name)
    : m_path(std::filesystem::temp_directory_path() / ("quadrilo-" + name)) {
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace quadrilo::mesh::test
