// Block placement and each entity's snap geometry.
#include "cad/canvas/EntityGeometry.h"

#include "cad/ShapeParts.h"

namespace quadrilo::cad::canvas {
namespace {

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
                for (const auto& path : mlinePaths(s)) {
                    const auto& v = path.points;
                    for (std::size_t i = 0; i + 1 < v.size(); ++i)
                        out.segments.push_back({P(v[i]), P(v[i + 1])});
                    if (s.closed)
                        out.segments.push_back({P(v.back()), P(v.front())});
                }
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

Point3 Placement::apply(const Point3& p) const {
    const Point3 local = (p - base) * scale;
    return rotatePlan(local, angle) + at;
}

Placement Placement::then(const Placement& outer) const {
    // outer(inner(p)) = R_o(s_o(R_i(s_i(p - b_i)) + a_i - b_o)) + a_o
    //                 = R_(o+i)(s_o s_i (p - b_i)) + outer(a_i)
    return Placement{base, outer.apply(at), scale * outer.scale, angle + outer.angle};
}

void addSnapGeometry(const Drawing& drawing, const Entity& entity, SnapGeometry& out) {
    addShapeSnapGeometry(drawing, entity.shape, Placement{}, out, 0);
}

} // namespace quadrilo::cad::canvas
