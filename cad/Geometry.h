// Plain 3D points and the few vector operations the drawing model needs.
#pragma once

#include <cmath>
#include <cstddef>
#include <span>

namespace quadrilo::cad {

struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const Point3&, const Point3&) = default;
    Point3 operator+(const Point3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Point3 operator-(const Point3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Point3 operator*(double s) const { return {x * s, y * s, z * s}; }
};

// Axis-aligned extent in plan (X, Y); selection and picking work on the plan view.
struct Extent {
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;

    friend bool operator==(const Extent&, const Extent&) = default;
    void add(const Point3& p) {
        minX = std::fmin(minX, p.x);
        minY = std::fmin(minY, p.y);
        maxX = std::fmax(maxX, p.x);
        maxY = std::fmax(maxY, p.y);
    }
    static Extent of(const Point3& p) { return {p.x, p.y, p.x, p.y}; }
};

// Plan distance from p to the segment a-b.
inline double planDistanceToSegment(const Point3& p, const Point3& a, const Point3& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Whether p lies inside the plan polygon (even-odd rule; points on an edge may fall either way).
inline bool insidePolygon(std::span<const Point3> poly, const Point3& p) {
    bool inside = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        if ((poly[i].y > p.y) != (poly[j].y > p.y) &&
            p.x < (poly[j].x - poly[i].x) * (p.y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
            inside = !inside;
    }
    return inside;
}

// Rotates p about the origin in plan by angle (radians).
inline Point3 rotatePlan(const Point3& p, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c, p.z};
}

} // namespace quadrilo::cad
