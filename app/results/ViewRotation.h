// The view tool bar's turns of the isometric view by 10 degrees.
#pragma once

namespace quadrilo::app {

class DrawingWindow;

// One press of `actViewLeft` (+10, 0), `actViewRight` (−10, 0), `actViewUp` (0, +10) or
// `actViewDown` (0, −10): the other angle stays as it was.
inline constexpr double ViewTurnDegrees = 10.0;

void TurnView(DrawingWindow& window, double horizontalDegrees, double verticalDegrees);
// `actViewTop`: the plan, as "Vista Topo".
void ViewFromTop(DrawingWindow& window);

} // namespace quadrilo::app
