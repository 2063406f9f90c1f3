// The element buffers and the current element: the process-wide working copies of slab, beam,
// column and load records that the panels, the commands and the events share.
#pragma once

#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TLoadData.h"
#include "elements/TSlabData.h"

#include "cad/Ids.h"

namespace quadrilo::app {

// The element buffers: each creation button fills its buffer's input fields and runs the
// element's command, which completes a copy; a command typed on the command line uses the buffer
// as it stands. They start with the creation panels' defaults, so that a typed LAJE or PILAR
// draws what the panel would.
struct ElementState {
    ElementState();

    TSlabData slab;
    TBeamData beam;
    TColumnData column;
    TLoadData load;
    // The entity last created, selected or listed.
    cad::EntityId current;
    // The value in kN that the next nodal-load command places (actDrawWeight sets it).
    double pendingLoad = 0;
    // Set while the program itself erases or rebuilds the malha or the deformed malha entity by
    // entity (GrillageWork); the user may not erase or move them one by one.
    int grillageWork = 0;
};

// Lets the program's own work erase and move single entities of the malha while it lives; a
// replacement of the whole layer (Transaction::replaceLayerContents) needs none.
class GrillageWork {
public:
    explicit GrillageWork(ElementState& state) : m_state(state) { ++m_state.grillageWork; }
    ~GrillageWork() { --m_state.grillageWork; }
    GrillageWork(const GrillageWork&) = delete;
    GrillageWork& operator=(const GrillageWork&) = delete;

private:
    ElementState& m_state;
};

} // namespace quadrilo::app
