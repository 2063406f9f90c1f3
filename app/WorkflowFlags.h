// The two workflow flags that chain grillage generation, calculation and result display.
#pragma once

namespace quadrilo::app {

struct WorkflowFlags {
    // The grillage no longer matches the elements: generate it again before a calculation.
    bool MeshOutdated = false;
    // The calculation data and the results file match the drawing.
    bool ResultsCurrent = false;

    // What opening a document or starting a new project leaves: everything is stale.
    void documentChanged() {
        ResultsCurrent = false;
        MeshOutdated = true;
    }
};

} // namespace quadrilo::app
