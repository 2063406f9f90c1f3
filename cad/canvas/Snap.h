// Object snap as a pure function: candidate geometry in, the best snap point out.
#pragma once

#include "cad/Geometry.h"

#include <optional>
#include <vector>

namespace quadrilo::cad::canvas {

// In order of priority: at equal distance an earlier kind wins.
enum class SnapKind : int { Endpoint, Intersection, Midpoint, Centre, Node, Nearest, Grid };

enum SnapMode : unsigned {
    SnapEndpoint = 1u << 0,
    SnapIntersection = 1u << 1,
    SnapMidpoint = 1u << 2,
    SnapCentre = 1u << 3,
    SnapNode = 1u << 4,
    SnapNearest = 1u << 5,
    SnapGrid = 1u << 6,
};
inline constexpr unsigned SnapObjects =
    SnapEndpoint | SnapIntersection | SnapMidpoint | SnapCentre | SnapNode;

// Plan geometry near the cursor, taken from the drawing's entities.
struct SnapSegment {
    Point3 a, b;
};
// A construction line (both ways) or a ray (from base only) through base along dir.
struct SnapInfiniteLine {
    Point3 base, dir;
    bool ray = false;
};
struct SnapCircle {
    Point3 centre;
    double radius = 0.0;
};
struct SnapGeometry {
    std::vector<SnapSegment> segments;
    std::vector<SnapInfiniteLine> lines;
    std::vector<SnapCircle> circles;
    std::vector<Point3> nodes; // points, insertion points

    void clear();
};

struct SnapSettings {
    unsigned modes = SnapObjects;
    double aperture = 10.0; // drawing units: how far from the cursor a snap may lie
    double gridSpacingX = 10.0;
    double gridSpacingY = 10.0;
    Point3 gridOrigin;
};

struct SnapResult {
    Point3 point;
    SnapKind kind = SnapKind::Nearest;
    friend bool operator==(const SnapResult&, const SnapResult&) = default;
};

// The snap point for the cursor: the nearest of the object snaps within the aperture (the
// kind's priority breaking ties), else the nearest point on the geometry, else the grid point.
// Nothing when no mode applies.
[[nodiscard]] std::optional<SnapResult> findSnap(const Point3& cursor, const SnapGeometry& geometry,
                                                 const SnapSettings& settings);

// Ortho mode: p moved onto the horizontal or vertical through base, whichever is nearer.
[[nodiscard]] Point3 orthoConstrain(const Point3& base, const Point3& p);

} // namespace quadrilo::cad::canvas
