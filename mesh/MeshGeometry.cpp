// Plan geometry of the malha: points on segments, bars on vigas, nodes in lajes and pilares.
#include "mesh/MeshGeometry.h"

#include "common/StringUtils.h"

#include <algorithm>
#include <cmath>

namespace quadrilo::mesh {

namespace {

// Whether q lies past an end of [a, b] along one axis, whichever way the segment runs.
bool BeyondAnEnd(double a, double b, double q) {
    return (a < q && b < a) || (q < a && a < b) || (a < b && b < q) || (q < b && b < a);
}

} // namespace

bool ClassifyPointOnSegment(double ax, double ay, double bx, double by, double qx, double qy) {
    const double cross = (by - ay) * (qx - ax) - (qy - ay) * (bx - ax);
    const double reach = std::max(std::fabs(bx - ax), std::fabs(by - ay));
    return std::fabs(cross) < reach && !BeyondAnEnd(ax, bx, qx) && !BeyondAnEnd(ay, by, qy);
}

bool BarLiesOnSegment(double ax, double ay, double bx, double by, double x1, double y1, double x2,
                      double y2) {
    return ClassifyPointOnSegment(ax, ay, bx, by, x1, y1) &&
           ClassifyPointOnSegment(ax, ay, bx, by, x2, y2);
}

bool BarLiesOnBeam(const TBarData& bar, const TBeamData& beam) {
    return BarLiesOnSegment(TruncTo2(beam.MinX), TruncTo2(beam.MinY), TruncTo2(beam.MaxX),
                            TruncTo2(beam.MaxY), TruncTo2(bar.X1), TruncTo2(bar.Y1),
                            TruncTo2(bar.X2), TruncTo2(bar.Y2));
}

bool InBox(double x, double y, double minX, double minY, double maxX, double maxY) {
    return minX - ContainmentTolerance <= x && x <= maxX + ContainmentTolerance &&
           minY - ContainmentTolerance <= y && y <= maxY + ContainmentTolerance;
}

} // namespace quadrilo::mesh
