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
};

} // namespace quadrilo::app
