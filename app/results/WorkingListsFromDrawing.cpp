// The working lists read from the drawing.
#include "app/results/WorkingListsFromDrawing.h"

#include "mesh/MeshDrawing.h"

namespace quadrilo::app {

void BuildWorkingLists(const cad::Drawing& drawing, mesh::MeshWorkspace& workspace) {
    mesh::ReadWorkingLists(drawing, workspace.Lists);
    workspace.CountMeshFromLists();
}

} // namespace quadrilo::app
