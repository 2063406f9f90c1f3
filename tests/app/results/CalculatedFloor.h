// A calculated floor in a running program: the malha generated into the drawing, its data
// written and solved, the flags as "Calcular" leaves them.
#pragma once

#include "app/ProgramState.h"
#include "app/prompts/ScriptedPrompts.h"
#include "app/window/ResultWindows.h"
#include "app/window/TfrmMain.h"
#include "mesh/MeshFixtures.h"

#include <memory>
#include <string>

namespace quadrilo::app::test {

// Generates the floor's malha into layer "Quadrilo" in one step (points, lines and labels with
// their records), fills the working lists with the malha from the drawing and the elements from
// the floor, writes "gInput.txt", solves it into "gOutput.txt" and leaves the flags as a
// successful calculation does. Returns the empty text, or what failed.
[[nodiscard]] std::string CalculateFloor(ProgramState& state, mesh::test::Floor floor);

// The solved L-shaped floor of two lajes and five pilares at 8 × 5 divisions.
[[nodiscard]] std::string CalculateLShapedFloor(ProgramState& state);

// A main window started up outside a test, with the result windows: for the benchmark and the
// screenshots.
struct RunningProgram {
    // The program's folders under `folder`.
    explicit RunningProgram(const QString& folder);
    ~RunningProgram();

    ProgramState state;
    ScriptedPrompts prompts;
    std::unique_ptr<TfrmMain> window;
    ResultWindows windows;
};

} // namespace quadrilo::app::test
