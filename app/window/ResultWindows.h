// The calculation tool, the 3D view and the editor: the result windows created at start-up.
#pragma once

#include "results/views/Tfrm3DView.h"
#include "results/views/TfrmEditor.h"
#include "results/views/TfrmMathGrelha2.h"

namespace quadrilo::app {

class TfrmMain;

// The three windows the results show modally, created once after the about box and kept for the
// program's life: the calculation tool `TfrmMathGrelha2`, the 3D view `Tfrm3DView` and the
// editor `TfrmEditor`, children of the main window.
struct ResultWindows {
    results::TfrmMathGrelha2* calculationTool = nullptr;
    results::Tfrm3DView* view3D = nullptr;
    results::TfrmEditor* editor = nullptr;
};

// Creates them in the program's order. The 3D view draws its surface with `makePlot`.
[[nodiscard]] ResultWindows CreateResultWindows(
    TfrmMain& main,
    const results::Tfrm3DView::PlotFactory& makePlot = results::MakeDataVisualizationPlot);

} // namespace quadrilo::app
