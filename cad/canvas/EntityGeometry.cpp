// Derived geometry of multilines, inserts and dimensions, and each entity's snap geometry.
#include "cad/canvas/EntityGeometry.h"

#include <cmath>
#include <cstdio>

namespace quadrilo::cad::canvas {
namespace {

struct Vec2 {
    double x, y;
};

Vec2 unit(double x, double y) {
    const double len = std::hypot(x, y);
    return len > 0.0 ? Vec2{x / len, y / len} : Vec2{0.0, 0.0};
}

// Left normal of the segment a-b.
Vec2 leftNormal(const Point3& a, const Point3& b) {
    const Vec2 d = unit(b.x - a.x, b.y - a.y);
    return {-d.y, d.x};
}

constexpr int maxBlockDepth = 16;

void addBlockSnapGeometry(const Drawing& drawing, const InsertShape& ins, const Placement& outer,
                          SnapGeometry& out, int depth);

void addShapeSnapGeometry(const Drawing& drawing, const Shape& shape, const Placement& place,
                          SnapGeometry& out, int depth) {
    const auto P = [&](const Point3& p) { return place.apply(p); };
    std::visit(
        [&](const auto& s) {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, PointShape>) {
                out.nodes.push_back(P(s.at));
            } else if constexpr (std::is_same_v<T, LineShape>) {
                out.segments.push_back({P(s.start), P(s.end)});
            } else if constexpr (std::is_same_v<T, XLineShape> || std::is_same_v<T, RayShape>) {
                const Point3 dir = P(s.base + s.dir) - P(s.base);
                out.lines.push_back({P(s.base), dir, std::is_same_v<T, RayShape>});
            } else if constexpr (std::is_same_v<T, CircleShape>) {
                out.circles.push_back({P(s.centre), s.radius * place.scale});
            } else if constexpr (std::is_same_v<T, PolylineShape>) {
                const auto& v = s.vertices;
                for (std::size_t i = 0; i + 1 < v.size(); ++i)
                    out.segments.push_back({P(v[i]), P(v[i + 1])});
                if (s.closed && v.size() > 2)
                    out.segments.push_back({P(v.back()), P(v.front())});
            } else if constexpr (std::is_same_v<T, MlineShape>) {
                for (const auto& path : mlinePaths(s))
                    for (std::size_t i = 0; i + 1 < path.points.size(); ++i)
                        out.segments.push_back({P(path.points[i]), P(path.points[i + 1])});
            } else if constexpr (std::is_same_v<T, TextShape> || std::is_same_v<T, MTextShape>) {
                out.nodes.push_back(P(s.at));
            } else if constexpr (std::is_same_v<T, InsertShape>) {
                out.nodes.push_back(P(s.at));
                addBlockSnapGeometry(drawing, s, place, out, depth + 1);
            } else if constexpr (std::is_same_v<T, DimensionShape>) {
                out.nodes.push_back(P(s.first));
                out.nodes.push_back(P(s.second));
            }
        },
        shape);
}

void addBlockSnapGeometry(const Drawing& drawing, const InsertShape& ins, const Placement& outer,
                          SnapGeometry& out, int depth) {
    const Block* block = drawing.block(ins.block);
    if (!block || depth > maxBlockDepth)
        return;
    const Placement place = Placement{block->base, ins.at, ins.scale, ins.angle}.then(outer);
    for (EntityId id = drawing.firstInBlock(ins.block); id; id = drawing.nextEntity(id))
        if (const Entity* e = drawing.entity(id); e && e->kind() != EntityKind::AttDef)
            addShapeSnapGeometry(drawing, e->shape, place, out, depth);
}

} // namespace

std::vector<MlinePath> mlinePaths(const MlineShape& mline) {
    std::vector<MlinePath> paths;
    const auto& v = mline.vertices;
    const std::size_t n = v.size();
    if (n < 2)
        return paths;
    for (const auto& line : mline.lines) {
        MlinePath path{{}, line.color};
        for (std::size_t i = 0; i < n; ++i) {
            const bool hasPrev = i > 0 || mline.closed;
            const bool hasNext = i + 1 < n || mline.closed;
            const Point3& prev = v[(i + n - 1) % n];
            const Point3& next = v[(i + 1) % n];
            const Vec2 nIn = hasPrev ? leftNormal(prev, v[i]) : leftNormal(v[i], next);
            const Vec2 nOut = hasNext ? leftNormal(v[i], next) : nIn;
            // Mitre: the offset corner lies along the bisector, stretched by 1 / cos(half angle).
            Vec2 m = unit(nIn.x + nOut.x, nIn.y + nOut.y);
            double cosHalf = m.x * nOut.x + m.y * nOut.y;
            if (cosHalf < 0.1) { // a turn back on itself: square off instead of a long spike
                m = nOut;
                cosHalf = 1.0;
            }
            const double k = line.offset / cosHalf;
            path.points.push_back({v[i].x + m.x * k, v[i].y + m.y * k, v[i].z});
        }
        if (mline.closed)
            path.points.push_back(path.points.front());
        paths.push_back(std::move(path));
    }
    return paths;
}

Point3 Placement::apply(const Point3& p) const {
    const Point3 local = (p - base) * scale;
    return rotatePlan(local, angle) + at;
}

Placement Placement::then(const Placement& outer) const {
    // outer(inner(p)) = R_o(s_o(R_i(s_i(p - b_i)) + a_i - b_o)) + a_o
    //                 = R_(o+i)(s_o s_i (p - b_i)) + outer(a_i)
    return Placement{base, outer.apply(at), scale * outer.scale, angle + outer.angle};
}

DimensionParts dimensionParts(const DimensionShape& dim, const DimStyle& style) {
    DimensionParts parts;
    Vec2 dir = dim.aligned ? unit(dim.second.x - dim.first.x, dim.second.y - dim.first.y)
                           : Vec2{std::cos(dim.angle), std::sin(dim.angle)};
    if (dir.x == 0.0 && dir.y == 0.0)
        dir = {1.0, 0.0};
    // Feet of the measured points on the dimension line through linePos.
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
    // Text reads left to right (or bottom to top), sitting on the line's upper side.
    double angle = std::atan2(dir.y, dir.x);
    if (angle > M_PI / 2 + 1e-9 || angle <= -M_PI / 2 + 1e-9)
        angle += angle > 0 ? -M_PI : M_PI;
    const Vec2 up{-std::sin(angle), std::cos(angle)};
    const double lift = style.textHeight * 0.8;
    parts.textAt = {(parts.lineFrom.x + parts.lineTo.x) / 2 + up.x * lift,
                    (parts.lineFrom.y + parts.lineTo.y) / 2 + up.y * lift, dim.linePos.z};
    parts.textAngle = angle;
    return parts;
}

std::string dimensionText(double value, const DimStyle& style) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", std::max(0, std::min(style.decimals, 8)), value);
    return buf;
}

void addSnapGeometry(const Drawing& drawing, const Entity& entity, SnapGeometry& out) {
    addShapeSnapGeometry(drawing, entity.shape, Placement{}, out, 0);
}

} // namespace quadrilo::cad::canvas
