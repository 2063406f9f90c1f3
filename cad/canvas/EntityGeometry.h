// Derived geometry the canvas draws and snaps to: block placement and each entity's snap
// geometry (the multiline paths and dimension parts are the core's, cad/ShapeParts.h).
#pragma once

#include "cad/Drawing.h"
#include "cad/canvas/Snap.h"

namespace quadrilo::cad::canvas {

// Maps a block's own coordinates to the drawing: about the block base, scaled, rotated, moved to
// the insertion point.
struct Placement {
    Point3 base, at;
    double scale = 1.0;
    double angle = 0.0;
    [[nodiscard]] Point3 apply(const Point3& p) const;
    [[nodiscard]] Placement then(const Placement& outer) const; // this inside outer
};

// Adds the snap geometry of one entity, with the block content of inserts whose extent meets the
// plan region (up to a budget of nested content).
void addSnapGeometry(const Drawing& drawing, const Entity& entity, const Extent& region,
                     SnapGeometry& out);

} // namespace quadrilo::cad::canvas
