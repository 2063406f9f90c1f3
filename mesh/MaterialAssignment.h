// Materials of the vigas and lajes, and the searches that give each bar its material and each
// node the supports of the pilar it stands in.
#pragma once

#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TSlabData.h"
#include "mesh/MaterialTable.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"
#include "mesh/WorkingLists.h"
#include "project/TProjectData.h"

#include <array>
#include <cstdint>
#include <span>

namespace quadrilo::mesh {

// The viga's material: the project's Ec and Gc with the viga's I and It.
[[nodiscard]] TMaterialData BeamMaterial(const TBeamData& beam, std::uint32_t owner,
                                         const TProjectData& project);

// The laje's four materials, strips of thickness h = Espessura: vertical internal bars (b =
// StepX), horizontal internal (StepY), vertical lateral (StepX/2), horizontal lateral (StepY/2);
// I = h³·b/12 and It = h³·b/6.
[[nodiscard]] std::array<TMaterialData, 4> SlabMaterials(const TSlabData& slab, std::uint32_t owner,
                                                         const TProjectData& project);

// The material of the first viga (in list order) the bar lies on and whose material is in the
// table, matched by the viga record's EntityID. Sets bar.Material and returns true when found.
[[nodiscard]] bool AssignBeamMaterial(TBarData& bar, std::span<const WorkingItem<TBeamData>> beams,
                                      const MaterialTable& materials);

// The material of the first laje (in list order) that holds the bar's midpoint, cut to
// hundredths, and whose materials are in the table, by the bar's orientation and type. Sets
// bar.Material and returns true when found.
[[nodiscard]] bool AssignSlabMaterial(TBarData& bar, std::span<const WorkingItem<TSlabData>> slabs,
                                      const MaterialTable& materials);

// The first pilar (in list order) whose box holds the node, bounds included, within
// ContainmentTolerance; null when none does.
[[nodiscard]] const TColumnData*
FindColumnAtNode(const TNodeData& node, std::span<const WorkingItem<TColumnData>> columns);

// Gives the node the pilar's supports: a direction the pilar restrains (1) is held (Free 0), and
// the node takes the pilar's vertical spring.
void ApplyColumnSupports(TNodeData& node, const TColumnData& column);

} // namespace quadrilo::mesh
