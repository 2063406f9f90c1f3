// Plan geometry of the malha: points on segments, bars on vigas, nodes in lajes and pilares.
#pragma once

#include "elements/TBeamData.h"
#include "mesh/TBarData.h"

namespace quadrilo::mesh {

// Whether Q lies on the segment A–B: less than one drawing unit (1 cm for a segment along an
// axis) from its line, and on neither axis beyond an end. A segment of zero length has no points.
[[nodiscard]] bool ClassifyPointOnSegment(double ax, double ay, double bx, double by, double qx,
                                          double qy);

// Whether both ends of the bar (x1, y1)–(x2, y2) lie on the segment A–B.
[[nodiscard]] bool BarLiesOnSegment(double ax, double ay, double bx, double by, double x1,
                                    double y1, double x2, double y2);

// Whether the bar lies on the viga's segment (MinX, MinY)–(MaxX, MaxY), every coordinate cut to
// hundredths first: the one test behind both the viga's stiffness and its weight.
[[nodiscard]] bool BarLiesOnBeam(const TBarData& bar, const TBeamData& beam);

// Grid coordinates are sums of steps, so a node meant to stand on a laje's or a pilar's edge can
// land a unit in the last place outside it; containment forgives that much and no more.
inline constexpr double ContainmentTolerance = 1e-6; // cm

// Whether (x, y) lies in the box, bounds included, within ContainmentTolerance.
[[nodiscard]] bool InBox(double x, double y, double minX, double minY, double maxX, double maxY);

} // namespace quadrilo::mesh
