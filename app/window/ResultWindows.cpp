// The result windows created at start-up.
#include "app/window/ResultWindows.h"

#include "app/ProgramState.h"
#include "app/window/TfrmMain.h"

namespace quadrilo::app {

ResultWindows CreateResultWindows(TfrmMain& main,
                                  const results::Tfrm3DView::PlotFactory& makePlot) {
    ProgramState& state = main.state();
    ResultWindows windows;
    windows.calculationTool =
        new results::TfrmMathGrelha2(state.calculation, state.folders.home, &main);
    windows.view3D = new results::Tfrm3DView(&main, makePlot);
    windows.editor = new results::TfrmEditor(state.folders.home, &main);
    return windows;
}

} // namespace quadrilo::app
