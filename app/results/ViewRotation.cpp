// The view tool bar's turns of the isometric view.
#include "app/results/ViewRotation.h"

#include "app/drawing/DrawingWindow.h"

#include "cad/canvas/CadCanvas.h"

namespace quadrilo::app {
namespace {

constexpr int CmdViewTop = 131;

} // namespace

void TurnView(DrawingWindow& window, double horizontalDegrees, double verticalDegrees) {
    cad::canvas::CadCanvas& canvas = window.canvas();
    const cad::canvas::ViewAngles now = canvas.view().angles();
    canvas.setViewAngles({now.hor + horizontalDegrees, now.ver + verticalDegrees});
    canvas.commitView();
}

void ViewFromTop(DrawingWindow& window) {
    window.execute(CmdViewTop);
}

} // namespace quadrilo::app
