// The program's process-wide state, in one object that a run or a test creates fresh.
#pragma once

#include "app/documents/AppFolders.h"
#include "app/drawing/CadSession.h"
#include "app/window/MessageLog.h"
#include "app/documents/RecentFiles.h"
#include "app/elements/ElementState.h"
#include "app/WorkflowFlags.h"

#include "engine/GrillageCalculation.h"
#include "expr/UParser.h"
#include "mesh/MeshWorkspace.h"
#include "project/TProjectData.h"

#include <chrono>

namespace quadrilo::app {

// The program's process-wide state, held in one object that a run (or a test) creates fresh: the
// folders, the CAD engine and its document, the project record, the workflow flags, the message
// log, the formula parser and the recent files. The element buffers and the working lists of the
// grillage join it here.
class ProgramState {
public:
    explicit ProgramState(AppFolders folders) : folders(std::move(folders)) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    AppFolders folders;
    CadSession cad;
    TProjectData project; // zero-filled until the first reset
    WorkflowFlags flags;
    MessageLog log;
    expr::TParser parser;
    RecentFiles recent;
    ElementState elements;
    // The malha's working lists, material table and counters.
    mesh::MeshWorkspace mesh;
    // The one solver driver, with its last run.
    engine::GrillageCalculation calculation;
    // Set while long work (grillage generation, calculation) runs; see BusyGuard.
    int busyDepth = 0;
    // How often the open drawing is written to the recovery files (--autosave-seconds).
    std::chrono::seconds autosaveInterval{300};
};

} // namespace quadrilo::app
