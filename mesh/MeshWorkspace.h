// The malha's process-wide state, owned by whoever runs the calculations: the working lists, the
// material table and the counters of the current grid.
#pragma once

#include "mesh/MaterialTable.h"
#include "mesh/WorkingLists.h"

#include <cstdint>

namespace quadrilo::mesh {

struct MeshWorkspace {
    WorkingLists Lists;
    // Lives until the next data generation; the bar listing reads it.
    MaterialTable Materials;
    // Nodes and bars of the current grid: set by the mesh generation and by reading the lists,
    // zeroed when the malha is erased.
    std::uint16_t MeshNodeCount = 0;
    std::uint16_t MeshBarCount = 0;

    // After the lists have been read from the drawing. Lists too long for the counters are
    // refused by the data generation.
    void CountMeshFromLists() {
        MeshNodeCount = static_cast<std::uint16_t>(Lists.NodeList.size());
        MeshBarCount = static_cast<std::uint16_t>(Lists.BarList.size());
    }
};

} // namespace quadrilo::mesh
