// Prints what the drawing window shows: fitted to the page or at a chosen scale.
#pragma once

#include "cad/canvas/RenderStyle.h"
#include "cad/canvas/ViewTransform.h"

#include <QSizeF>

class QPrinter;

namespace quadrilo::cad {
class Drawing;
}

namespace quadrilo::app {

// How the window's area goes onto the paper: fitted to the page, or at 1:denominator (the drawing
// is in centimetres, so 1:50 puts 2 mm of paper to a metre).
struct PrintScale {
    bool fitToPage = true;
    double denominator = 50.0;
};

// The view of the page: the window's view angles and centre, the page's size in device pixels
// and the pixels per drawing unit that fit the window's area into it or give the scale.
[[nodiscard]] cad::canvas::ViewTransform PageView(const cad::canvas::ViewTransform& window,
                                                  const QSizeF& pagePixels, double dotsPerInch,
                                                  const PrintScale& scale);

// The canvas's style on paper: white ground, ink that never vanishes into it, lineweights in
// millimetres at the device's resolution, no grid.
[[nodiscard]] cad::canvas::RenderStyle PaperStyle(const cad::canvas::RenderStyle& canvas,
                                                  double dotsPerInch);

// Prints the window's area on one page through the canvas's renderer (the preview prints this way
// too); false when the printer cannot start (no file, no device).
[[nodiscard]] bool PrintDrawing(QPrinter& printer, cad::Drawing& drawing,
                                const cad::canvas::ViewTransform& window,
                                const cad::canvas::RenderStyle& canvasStyle,
                                const PrintScale& scale);

} // namespace quadrilo::app
