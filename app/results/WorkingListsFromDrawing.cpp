// The working lists read from the drawing.
#include "app/results/WorkingListsFromDrawing.h"

#include "cad/Drawing.h"

namespace quadrilo::app {

void BuildWorkingLists(const cad::Drawing& drawing, mesh::MeshWorkspace& workspace) {
    workspace.Lists.ClearWorkingLists();
    for (const cad::LayerId layer : drawing.layerOrder()) {
        const std::string& name = drawing.layer(layer)->name;
        for (cad::EntityId id = drawing.firstInLayer(layer); id; id = drawing.nextEntity(id)) {
            const cad::Entity& e = *drawing.entity(id);
            (void)mesh::AddDrawnEntity(workspace.Lists,
                                       {name, id.value, e.userData, e.exData});
        }
    }
    workspace.CountMeshFromLists();
}

} // namespace quadrilo::app
