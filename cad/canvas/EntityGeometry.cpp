// Block placement and each entity's snap geometry.
#include "cad/canvas/EntityGeometry.h"

#include "cad/BlockNesting.h"
#include "cad/ShapeParts.h"

namespace quadrilo::cad::canvas {
namespace {

// Block content beyond this many snap items gives its inserts' insertion points only: nesting
// that multiplies into millions of lines would hold every cursor move up.
constexpr std::size_t nestedSnapBudget = 200'000;

// Collects the snap geometry of entities, with the content of the inserts that reach the
// region (a plan extent around what the snap looks at).
class SnapCollector {
public:
    SnapCollector(const Drawing& drawing, const Extent& region, SnapGeometry& out)
        : m_drawing(drawing), m_region(region), m_out(out),
          m_startSize(out.segments.size() + out.circles.size() + out.nodes.size()) {}

    void add(const Shape& shape, const Placement& place, int depth) {
        const auto P = [&](const Point3& p) { return place.apply(p); };
        std::visit(
            [&](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, PointShape>) {
                    m_out.nodes.push_back(P(s.at));
                } else if constexpr (std::is_same_v<T, LineShape>) {
                    m_out.segments.push_back({P(s.start), P(s.end)});
                } else if constexpr (std::is_same_v<T, XLineShape> || std::is_same_v<T, RayShape>) {
                    const Point3 dir = P(s.base + s.dir) - P(s.base);
                    m_out.lines.push_back({P(s.base), dir, std::is_same_v<T, RayShape>});
                } else if constexpr (std::is_same_v<T, CircleShape>) {
                    m_out.circles.push_back({P(s.centre), s.radius * place.scale});
                } else if constexpr (std::is_same_v<T, PolylineShape>) {
                    path(s.vertices, s.closed && s.vertices.size() > 2, place);
                } else if constexpr (std::is_same_v<T, MlineShape>) {
                    for (const auto& mp : mlinePaths(s))
                        path(mp.points, s.closed, place);
                } else if constexpr (std::is_same_v<T, TextShape> ||
                                     std::is_same_v<T, MTextShape>) {
                    m_out.nodes.push_back(P(s.at));
                } else if constexpr (std::is_same_v<T, InsertShape>) {
                    m_out.nodes.push_back(P(s.at));
                    if (reaches(m_drawing.extentOf(shape), place))
                        addBlock(s, place, depth + 1);
                } else if constexpr (std::is_same_v<T, DimensionShape>) {
                    m_out.nodes.push_back(P(s.first));
                    m_out.nodes.push_back(P(s.second));
                }
            },
            shape);
    }

private:
    void path(const std::vector<Point3>& v, bool closed, const Placement& place) {
        for (std::size_t i = 0; i + 1 < v.size(); ++i)
            m_out.segments.push_back({place.apply(v[i]), place.apply(v[i + 1])});
        if (closed && v.size() > 1)
            m_out.segments.push_back({place.apply(v.back()), place.apply(v.front())});
    }

    // Whether an insert's content is wanted: its placed extent meets the region, and the
    // content collected so far is within the budget.
    bool reaches(const Extent& extent, const Placement& place) const {
        if (m_out.segments.size() + m_out.circles.size() + m_out.nodes.size() - m_startSize >
            nestedSnapBudget)
            return false;
        Extent placed = Extent::of(place.apply({extent.minX, extent.minY, 0}));
        placed.add(place.apply({extent.maxX, extent.minY, 0}));
        placed.add(place.apply({extent.maxX, extent.maxY, 0}));
        placed.add(place.apply({extent.minX, extent.maxY, 0}));
        return placed.minX <= m_region.maxX && placed.maxX >= m_region.minX &&
               placed.minY <= m_region.maxY && placed.maxY >= m_region.minY;
    }

    void addBlock(const InsertShape& ins, const Placement& outer, int depth) {
        const Block* block = m_drawing.block(ins.block);
        if (!block || depth > MaxBlockNesting)
            return;
        const Placement place = Placement{block->base, ins.at, ins.scale, ins.angle}.then(outer);
        for (EntityId id = m_drawing.firstInBlock(ins.block); id; id = m_drawing.nextEntity(id))
            if (const Entity* e = m_drawing.entity(id); e && e->kind() != EntityKind::AttDef)
                add(e->shape, place, depth);
    }

    const Drawing& m_drawing;
    Extent m_region;
    SnapGeometry& m_out;
    std::size_t m_startSize;
};

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

void addSnapGeometry(const Drawing& drawing, const Entity& entity, const Extent& region,
                     SnapGeometry& out) {
    SnapCollector(drawing, region, out).add(entity.shape, Placement{}, 0);
}

} // namespace quadrilo::cad::canvas
