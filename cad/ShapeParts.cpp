// Multiline paths and dimension parts.
#include "cad/ShapeParts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace quadrilo::cad {
namespace {

struct Vec2 {
    double x = 0.0, y = 0.0;
};

Vec2 unit(double x, double y) {
    const double length = std::hypot(x, y);
    return length > 0.0 ? Vec2{x / length, y / length} : Vec2{};
}

// Unit normal to the left of travel from a to b.
Vec2 leftNormal(const Point3& a, const Point3& b) {
    const Vec2 d = unit(b.x - a.x, b.y - a.y);
    return {-d.y, d.x};
}

std::vector<Point3> offsetPath(const std::vector<Point3>& v, bool closed, double offset) {
    const std::size_t n = v.size();
    std::vector<Point3> path;
    path.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const bool hasPrev = i > 0 || closed;
        const bool hasNext = i + 1 < n || closed;
        const Point3& prev = v[(i + n - 1) % n];
        const Point3& next = v[(i + 1) % n];
        const Vec2 in = hasPrev ? leftNormal(prev, v[i]) : leftNormal(v[i], next);
        const Vec2 out = hasNext ? leftNormal(v[i], next) : in;
        // Mitre: the offset corner lies along the bisector, stretched by 1 / cos(half the turn).
        Vec2 m = unit(in.x + out.x, in.y + out.y);
        double cosHalf = m.x * out.x + m.y * out.y;
        if (cosHalf < 0.1) { // a turn back on itself: square off instead of a long spike
            m = out;
            cosHalf = 1.0;
        }
        const double k = offset / cosHalf;
        path.push_back({v[i].x + m.x * k, v[i].y + m.y * k, v[i].z});
    }
    return path;
}

} // namespace

std::vector<MlinePath> mlinePaths(const MlineShape& mline) {
    std::vector<MlinePath> paths;
    if (mline.vertices.size() < 2)
        return paths;
    for (const MlineLine& line : mline.lines)
        paths.push_back({offsetPath(mline.vertices, mline.closed, line.offset), line.color});
    return paths;
}

DimensionParts dimensionParts(const DimensionShape& dim, const DimStyle& style) {
    DimensionParts parts;
    Vec2 dir = dim.aligned ? unit(dim.second.x - dim.first.x, dim.second.y - dim.first.y)
                           : Vec2{std::cos(dim.angle), std::sin(dim.angle)};
    if (dir.x == 0.0 && dir.y == 0.0)
        dir = {1.0, 0.0};
    const auto foot = [&](const Point3& p) {
        const double t = (p.x - dim.linePos.x) * dir.x + (p.y - dim.linePos.y) * dir.y;
        return Point3{dim.linePos.x + dir.x * t, dim.linePos.y + dir.y * t, dim.linePos.z};
    };
    parts.lineFrom = foot(dim.first);
    parts.lineTo = foot(dim.second);
    parts.value = std::hypot(parts.lineTo.x - parts.lineFrom.x, parts.lineTo.y - parts.lineFrom.y);
    const auto extension = [&](const Point3& p, const Point3& f, Point3& from, Point3& to) {
        const Vec2 e = unit(f.x - p.x, f.y - p.y);
        from = {p.x + e.x * style.extensionOffset, p.y + e.y * style.extensionOffset, p.z};
        to = {f.x + e.x * style.extensionBeyond, f.y + e.y * style.extensionBeyond, f.z};
    };
    extension(dim.first, parts.lineFrom, parts.ext1From, parts.ext1To);
    extension(dim.second, parts.lineTo, parts.ext2From, parts.ext2To);
    if (parts.value > 0.0) {
        // Open arrowheads pointing at the extension lines.
        const double ux = (parts.lineTo.x - parts.lineFrom.x) / parts.value;
        const double uy = (parts.lineTo.y - parts.lineFrom.y) / parts.value;
        const double a = style.arrowSize;
        for (const auto& [tip, inward] :
             {std::pair{parts.lineFrom, 1.0}, std::pair{parts.lineTo, -1.0}})
            for (const double side : {1.0, -1.0})
                parts.arrows.emplace_back(tip, Point3{tip.x + inward * ux * a - side * uy * a * 0.3,
                                                      tip.y + inward * uy * a + side * ux * a * 0.3,
                                                      tip.z});
    }
    // The text reads left to right (or bottom to top), sitting on the line's upper side.
    double angle = std::atan2(dir.y, dir.x);
    constexpr double quarter = std::numbers::pi / 2;
    if (angle > quarter + 1e-9 || angle <= -quarter + 1e-9)
        angle += angle > 0 ? -std::numbers::pi : std::numbers::pi;
    const Vec2 up{-std::sin(angle), std::cos(angle)};
    const double lift = style.textHeight * 0.8;
    parts.textAt = {(parts.lineFrom.x + parts.lineTo.x) / 2 + up.x * lift,
                    (parts.lineFrom.y + parts.lineTo.y) / 2 + up.y * lift, dim.linePos.z};
    parts.textAngle = angle;
    return parts;
}

std::string dimensionText(double value, const DimStyle& style) {
    // Room for the widest fixed-point double with the most decimals allowed.
    char buf[400];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                                   std::clamp(style.decimals, 0, 8))
                         .ptr;
    return std::string(buf, end);
}

} // namespace quadrilo::cad
