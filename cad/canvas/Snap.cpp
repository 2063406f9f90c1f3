// Object snap: candidate points of every kind, ranked by distance with a fixed priority.
#include "cad/canvas/Snap.h"

#include <cmath>
#include <limits>

namespace quadrilo::cad::canvas {
namespace {

double planDistance(const Point3& a, const Point3& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// A straight piece of geometry as a parametric line p = base + t * dir with t in [tMin, tMax].
struct Linear {
    Point3 base, dir;
    double tMin, tMax;
};

constexpr double unbounded = std::numeric_limits<double>::infinity();

Linear toLinear(const SnapSegment& s) {
    return {s.a, s.b - s.a, 0.0, 1.0};
}
Linear toLinear(const SnapInfiniteLine& l) {
    return {l.base, l.dir, l.ray ? 0.0 : -unbounded, unbounded};
}

Point3 at(const Linear& l, double t) {
    return l.base + l.dir * t;
}

// Parameter of the plan point of l nearest to p, kept inside l's range.
double closestParameter(const Linear& l, const Point3& p) {
    const double len2 = l.dir.x * l.dir.x + l.dir.y * l.dir.y;
    if (len2 == 0.0)
        return std::isfinite(l.tMin) ? l.tMin : 0.0;
    const double t = ((p.x - l.base.x) * l.dir.x + (p.y - l.base.y) * l.dir.y) / len2;
    return std::fmax(l.tMin, std::fmin(l.tMax, t));
}

constexpr double parameterSlack = 1e-9;

bool inRange(const Linear& l, double t) {
    return t >= l.tMin - parameterSlack && t <= l.tMax + parameterSlack;
}

void intersect(const Linear& p, const Linear& q, std::vector<Point3>& out) {
    const double den = p.dir.x * q.dir.y - p.dir.y * q.dir.x;
    const double scale = std::hypot(p.dir.x, p.dir.y) * std::hypot(q.dir.x, q.dir.y);
    if (std::abs(den) <= 1e-12 * scale) // parallel or degenerate
        return;
    const double wx = q.base.x - p.base.x;
    const double wy = q.base.y - p.base.y;
    const double t = (wx * q.dir.y - wy * q.dir.x) / den;
    const double u = (wx * p.dir.y - wy * p.dir.x) / den;
    if (inRange(p, t) && inRange(q, u))
        out.push_back(at(p, t));
}

void intersect(const Linear& l, const SnapCircle& c, std::vector<Point3>& out) {
    const double a = l.dir.x * l.dir.x + l.dir.y * l.dir.y;
    if (a == 0.0)
        return;
    const double fx = l.base.x - c.centre.x;
    const double fy = l.base.y - c.centre.y;
    const double b = 2.0 * (fx * l.dir.x + fy * l.dir.y);
    const double cc = fx * fx + fy * fy - c.radius * c.radius;
    const double disc = b * b - 4.0 * a * cc;
    if (disc < 0.0)
        return;
    const double root = std::sqrt(disc);
    for (const double t : {(-b - root) / (2.0 * a), (-b + root) / (2.0 * a)})
        if (inRange(l, t))
            out.push_back(at(l, t));
}

void intersect(const SnapCircle& p, const SnapCircle& q, std::vector<Point3>& out) {
    const double d = planDistance(p.centre, q.centre);
    if (d == 0.0 || d > p.radius + q.radius || d < std::abs(p.radius - q.radius))
        return;
    const double a = (p.radius * p.radius - q.radius * q.radius + d * d) / (2.0 * d);
    const double h = std::sqrt(std::fmax(0.0, p.radius * p.radius - a * a));
    const double ux = (q.centre.x - p.centre.x) / d;
    const double uy = (q.centre.y - p.centre.y) / d;
    const Point3 m{p.centre.x + a * ux, p.centre.y + a * uy, p.centre.z};
    out.push_back({m.x - h * uy, m.y + h * ux, m.z});
    if (h > 0.0)
        out.push_back({m.x + h * uy, m.y - h * ux, m.z});
}

Point3 nearestOnCircle(const SnapCircle& c, const Point3& p) {
    const double d = planDistance(c.centre, p);
    if (d == 0.0)
        return {c.centre.x + c.radius, c.centre.y, c.centre.z};
    return {c.centre.x + (p.x - c.centre.x) * c.radius / d,
            c.centre.y + (p.y - c.centre.y) * c.radius / d, c.centre.z};
}

class Ranking {
public:
    explicit Ranking(const Point3& cursor, double aperture)
        : m_cursor(cursor), m_aperture(aperture) {}

    void offer(const Point3& p, SnapKind kind) {
        const double d = planDistance(p, m_cursor);
        if (d > m_aperture)
            return;
        if (!m_best || d < m_distance || (d == m_distance && kind < m_best->kind)) {
            m_best = SnapResult{p, kind};
            m_distance = d;
        }
    }
    const std::optional<SnapResult>& best() const { return m_best; }

private:
    Point3 m_cursor;
    double m_aperture;
    std::optional<SnapResult> m_best;
    double m_distance = unbounded;
};

void offerIntersections(const Point3& cursor, const SnapGeometry& g, double aperture,
                        Ranking& rank) {
    // Only pieces passing within the aperture can meet within it.
    std::vector<Linear> near;
    for (const auto& s : g.segments) {
        const Linear l = toLinear(s);
        if (planDistance(at(l, closestParameter(l, cursor)), cursor) <= aperture)
            near.push_back(l);
    }
    for (const auto& s : g.lines) {
        const Linear l = toLinear(s);
        if (planDistance(at(l, closestParameter(l, cursor)), cursor) <= aperture)
            near.push_back(l);
    }
    std::vector<const SnapCircle*> nearCircles;
    for (const auto& c : g.circles)
        if (std::abs(planDistance(c.centre, cursor) - c.radius) <= aperture)
            nearCircles.push_back(&c);

    std::vector<Point3> found;
    for (std::size_t i = 0; i < near.size(); ++i) {
        for (std::size_t j = i + 1; j < near.size(); ++j)
            intersect(near[i], near[j], found);
        for (const auto* c : nearCircles)
            intersect(near[i], *c, found);
    }
    for (std::size_t i = 0; i < nearCircles.size(); ++i)
        for (std::size_t j = i + 1; j < nearCircles.size(); ++j)
            intersect(*nearCircles[i], *nearCircles[j], found);
    for (const auto& p : found)
        rank.offer(p, SnapKind::Intersection);
}

} // namespace

void SnapGeometry::clear() {
    segments.clear();
    lines.clear();
    circles.clear();
    nodes.clear();
}

std::optional<SnapResult> findSnap(const Point3& cursor, const SnapGeometry& g,
                                   const SnapSettings& settings) {
    const unsigned modes = settings.modes;
    const double aperture = settings.aperture;
    Ranking rank(cursor, aperture);
    if (modes & SnapEndpoint) {
        for (const auto& s : g.segments) {
            rank.offer(s.a, SnapKind::Endpoint);
            rank.offer(s.b, SnapKind::Endpoint);
        }
        for (const auto& l : g.lines)
            if (l.ray)
                rank.offer(l.base, SnapKind::Endpoint);
    }
    if (modes & SnapMidpoint)
        for (const auto& s : g.segments)
            rank.offer((s.a + s.b) * 0.5, SnapKind::Midpoint);
    if (modes & SnapCentre)
        for (const auto& c : g.circles)
            rank.offer(c.centre, SnapKind::Centre);
    if (modes & SnapNode)
        for (const auto& p : g.nodes)
            rank.offer(p, SnapKind::Node);
    if (modes & SnapIntersection)
        offerIntersections(cursor, g, aperture, rank);
    if (rank.best())
        return rank.best();

    if (modes & SnapNearest) {
        Ranking nearest(cursor, aperture);
        for (const auto& s : g.segments) {
            const Linear l = toLinear(s);
            nearest.offer(at(l, closestParameter(l, cursor)), SnapKind::Nearest);
        }
        for (const auto& s : g.lines) {
            const Linear l = toLinear(s);
            nearest.offer(at(l, closestParameter(l, cursor)), SnapKind::Nearest);
        }
        for (const auto& c : g.circles)
            nearest.offer(nearestOnCircle(c, cursor), SnapKind::Nearest);
        if (nearest.best())
            return nearest.best();
    }
    if ((modes & SnapGrid) && settings.gridSpacingX > 0.0 && settings.gridSpacingY > 0.0) {
        const auto round = [](double v, double origin, double step) {
            return origin + std::round((v - origin) / step) * step;
        };
        return SnapResult{{round(cursor.x, settings.gridOrigin.x, settings.gridSpacingX),
                           round(cursor.y, settings.gridOrigin.y, settings.gridSpacingY), cursor.z},
                          SnapKind::Grid};
    }
    return std::nullopt;
}

Point3 orthoConstrain(const Point3& base, const Point3& p) {
    if (std::abs(p.x - base.x) >= std::abs(p.y - base.y))
        return {p.x, base.y, p.z};
    return {base.x, p.y, p.z};
}

} // namespace quadrilo::cad::canvas
