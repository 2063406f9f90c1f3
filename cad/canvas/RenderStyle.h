// How the canvas paints: background, lineweight display, grid and small-text handling.
#pragma once

#include <QColor>

namespace quadrilo::cad::canvas {

struct RenderStyle {
    QColor background{33, 40, 48};
    bool showLineweights = false; // lineweights in hundredths of a millimetre when shown
    double dotsPerInch = 96.0;    // logical dpi of the window, for lineweights in millimetres
    bool showGrid = false;
    double gridSpacingX = 10.0;
    double gridSpacingY = 10.0;
    double greekBelowPixels =
        4.0; // texts lower than this draw as a bar, smaller than 1 px not at all
    // On paper a colour that would vanish into the background (white on white) is drawn in the
    // contrasting one, as plotters print colour 7 black.
    bool contrastInk = false;
};

} // namespace quadrilo::cad::canvas
