// Materials of the vigas and lajes, and the searches that give each bar its material and each
// node the supports of the pilar it stands in.
#include "mesh/MaterialAssignment.h"

#include "common/StringUtils.h"
#include "mesh/MeshGeometry.h"

#include <optional>

namespace quadrilo::mesh {

namespace {

// The offset of a bar's material among its laje's four, by orientation and type.
std::optional<std::uint16_t> SlabMaterialOffset(std::uint8_t orientation, std::uint8_t barType) {
    if (orientation == 2)
        return 0;
    if (orientation > 1 || barType > 1)
        return std::nullopt;
    const bool horizontal = orientation == 0;
    return static_cast<std::uint16_t>((horizontal ? 1 : 0) + (barType == 1 ? 2 : 0));
}

std::uint32_t RecordOwner(std::int32_t entityId) {
    return static_cast<std::uint32_t>(entityId);
}

} // namespace

TMaterialData BeamMaterial(const TBeamData& beam, std::uint32_t owner,
                           const TProjectData& project) {
    return {project.Ec, beam.I, project.Gc, beam.It, owner};
}

std::array<TMaterialData, 4> SlabMaterials(const TSlabData& slab, std::uint32_t owner,
                                           const TProjectData& project) {
    const double h3 = slab.Espessura * slab.Espessura * slab.Espessura;
    const auto strip = [&](double width) -> TMaterialData {
        return {project.Ec, h3 * width / 12, project.Gc, h3 * width / 6, owner};
    };
    return {strip(project.StepX), strip(project.StepY), strip(project.StepX / 2),
            strip(project.StepY / 2)};
}

bool AssignBeamMaterial(TBarData& bar, std::span<const WorkingItem<TBeamData>> beams,
                        const MaterialTable& materials) {
    for (const auto& beam : beams) {
        if (!BarLiesOnBeam(bar, beam.Data))
            continue;
        if (const auto number = materials.FirstOwnedBy(RecordOwner(beam.Data.EntityID))) {
            bar.Material = number;
            return true;
        }
    }
    return false;
}

bool AssignSlabMaterial(TBarData& bar, std::span<const WorkingItem<TSlabData>> slabs,
                        const MaterialTable& materials) {
    const double mx = TruncTo2(bar.X1 + (bar.X2 - bar.X1) / 2);
    const double my = TruncTo2(bar.Y1 + (bar.Y2 - bar.Y1) / 2);
    const auto offset = SlabMaterialOffset(bar.Orientation, bar.BarType);
    for (const auto& slab : slabs) {
        const auto& s = slab.Data;
        if (!(TruncTo2(s.MinX) <= mx && mx <= TruncTo2(s.MaxX) && TruncTo2(s.MinY) <= my &&
              my <= TruncTo2(s.MaxY)))
            continue;
        const auto first = materials.FirstOwnedBy(RecordOwner(s.EntityID));
        if (first == 0 || !offset)
            continue;
        bar.Material = static_cast<std::uint16_t>(first + *offset);
        return true;
    }
    return false;
}

const TColumnData* FindColumnAtNode(const TNodeData& node,
                                    std::span<const WorkingItem<TColumnData>> columns) {
    for (const auto& column : columns) {
        const auto& c = column.Data;
        if (InBox(node.X, node.Y, c.MinX, c.MinY, c.MaxX, c.MaxY))
            return &c;
    }
    return nullptr;
}

void ApplyColumnSupports(TNodeData& node, const TColumnData& column) {
    node.FreeDz = column.Dz != 0 ? 0 : 1;
    node.FreeRx = column.Rx != 0 ? 0 : 1;
    node.FreeRy = column.Ry != 0 ? 0 : 1;
    node.Spring = column.Mola;
}

} // namespace quadrilo::mesh
