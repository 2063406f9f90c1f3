// Mitred offset of a multiline's vertex path.
#include "cad/dxf/MlineOffsets.h"

#include <cmath>

namespace quadrilo::dxf {
namespace {

struct Direction {
    double x = 0.0, y = 0.0;
};

Direction normalised(double x, double y) {
    const double length = std::hypot(x, y);
    return length > 0.0 ? Direction{x / length, y / length} : Direction{};
}

// Unit normal to the left of travel from a to b.
Direction leftOf(const cad::Point3& a, const cad::Point3& b) {
    const Direction d = normalised(b.x - a.x, b.y - a.y);
    return {-d.y, d.x};
}

} // namespace

std::vector<cad::Point3> OffsetPath(const std::vector<cad::Point3>& vertices, bool closed,
                                    double offset) {
    const std::size_t n = vertices.size();
    std::vector<cad::Point3> path;
    if (n < 2)
        return path;
    path.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const cad::Point3& v = vertices[i];
        const bool first = i == 0 && !closed;
        const bool last = i + 1 == n && !closed;
        const cad::Point3& before = vertices[(i + n - 1) % n];
        const cad::Point3& after = vertices[(i + 1) % n];
        const Direction in = first ? leftOf(v, after) : leftOf(before, v);
        const Direction out = last ? in : leftOf(v, after);
        Direction bisector = normalised(in.x + out.x, in.y + out.y);
        // The corner lies 1 / cos(half the turn) out along the bisector.
        double stretch = bisector.x * out.x + bisector.y * out.y;
        if (stretch < 0.1) {
            bisector = out;
            stretch = 1.0;
        }
        const double reach = offset / stretch;
        path.push_back({v.x + bisector.x * reach, v.y + bisector.y * reach, v.z});
    }
    return path;
}

} // namespace quadrilo::dxf
