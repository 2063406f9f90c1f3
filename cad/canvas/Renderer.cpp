// Renderer: turns entities into batched screen lines, points and texts, then paints them.
#include "cad/canvas/Renderer.h"

#include "cad/BlockNesting.h"
#include "cad/ShapeParts.h"
#include "cad/canvas/EntityGeometry.h"
#include "common/AtomicFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace quadrilo::cad::canvas {
namespace {

constexpr int ByBlockColor = 0;
constexpr int defaultLineweight = 25; // hundredths of a millimetre
// Block content beyond this many lines, points and texts in one picture draws as the boxes of
// its inserts: nesting that multiplies into millions of lines would hold the window up.
constexpr std::size_t nestedPrimitiveBudget = 200'000;
constexpr double degree = std::numbers::pi / 180.0;

// Horizontal (0 left, 1 centre, 2 right) and vertical (0 baseline, 1 top, 2 middle, 3 bottom)
// anchor of a text alignment code.
std::pair<int, int> textAnchor(int align) {
    switch (static_cast<TextAlign>(align)) {
    case TextAlign::TopLeft:
        return {0, 1};
    case TextAlign::TopCentre:
        return {1, 1};
    case TextAlign::TopRight:
        return {2, 1};
    case TextAlign::MiddleCentre:
        return {1, 2};
    case TextAlign::MiddleLeft:
        return {0, 2};
    case TextAlign::MiddleRight:
        return {2, 2};
    case TextAlign::BottomCentre:
        return {1, 3};
    case TextAlign::BottomLeft:
        return {0, 3};
    case TextAlign::BottomRight:
        return {2, 3};
    default:
        return {0, 0};
    }
}

// Liang-Barsky clip of p0 + t d, t in [t0, t1], to the rectangle; false when it misses.
bool clipLine(const QRectF& r, const QPointF& p0, const QPointF& d, double& t0, double& t1) {
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {p0.x() - r.left(), r.right() - p0.x(), p0.y() - r.top(),
                         r.bottom() - p0.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

// The colour an entity is drawn in against the background: with contrastInk, one too close to
// the background in lightness takes black on a light background and white on a dark one.
QColor ink(const QColor& color, const RenderStyle& style) {
    constexpr int closeLightness = 40;
    if (!style.contrastInk ||
        std::abs(color.lightness() - style.background.lightness()) >= closeLightness)
        return color;
    return style.background.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

std::vector<EntityId> entitiesToDraw(Drawing& drawing, const ViewTransform& view) {
    const auto& order = drawing.layerOrder();
    std::vector<std::uint32_t> rank(order.empty() ? 1 : 0);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (rank.size() <= order[i].value)
            rank.resize(order[i].value + 1, 0);
        rank[order[i].value] = static_cast<std::uint32_t>(i);
    }
    const auto layerShown = [&](LayerId id) {
        const Layer* l = drawing.layer(id);
        return l && l->visible;
    };
    std::vector<EntityId> ids;
    if (view.isPlan()) {
        const auto found = drawing.entitiesMeeting(view.visibleExtent());
        // Sort once on a packed key (layer rank, id) rather than looking entities up per compare.
        std::vector<std::uint64_t> keys;
        keys.reserve(found.size());
        for (const EntityId id : found) {
            const Entity* e = drawing.entity(id);
            if (e && e->visible && layerShown(e->layer))
                keys.push_back(std::uint64_t(rank[e->layer.value]) << 32 | id.value);
        }
        std::sort(keys.begin(), keys.end());
        ids.reserve(keys.size());
        for (const std::uint64_t k : keys)
            ids.emplace_back(static_cast<std::uint32_t>(k));
    } else {
        for (const LayerId layer : order) {
            if (!layerShown(layer))
                continue;
            for (EntityId id = drawing.firstInLayer(layer); id; id = drawing.nextEntity(id))
                if (const Entity* e = drawing.entity(id); e && e->visible)
                    ids.push_back(id);
        }
    }
    return ids;
}

QColor paletteColor(const Drawing& drawing, int index) {
    const auto& palette = drawing.data().palette;
    const std::uint32_t rgb = palette[static_cast<std::size_t>(std::clamp(index, 0, 255))];
    return QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u));
}

// ------------------------------------------------------------------------------------- scene

struct Renderer::Batch {
    QVector<QLineF> lines;
    QVector<QPointF> dots;
};

struct Renderer::TextItem {
    // From the font's pixels (x along the text, y down, the capitals m_capHeight high, the
    // anchor at the origin) to the screen.
    QTransform frame;
    QStringList lines;
    std::pair<int, int> anchor;
    QColor color;
    bool selected; // framed by a dashed box, as selected lines are dashed
};

// One paint pass: collects the entities' screen primitives per pen, then paints them.
class Renderer::Scene {
public:
    Scene(Renderer& r)
        : m_r(r), m_clip(QRectF(QPointF(0, 0), r.m_view.viewport()).adjusted(-2, -2, 2, 2)) {}

    void add(const Entity& e, const QColor* fixed, bool dashed) {
        const Layer* layer = m_r.m_drawing.layer(e.layer);
        const QColor layerColor =
            layer ? paletteColor(m_r.m_drawing, layer->color) : QColor(Qt::white);
        const QColor color = fixed ? *fixed : resolve(e.color, layerColor, layerColor);
        // Any other negative code (by block outside a block, default) draws the default width;
        // block content takes the insert's.
        const int lw =
            e.lineweight == LineweightByLayer && layer ? layer->lineWeight : e.lineweight;
        m_pen = PenKey{color.rgba(), widthOf(lw), dashed};
        m_dashed = dashed;
        m_fixed = fixed;
        addShape(e.shape, Placement{}, color, 0);
    }

    void paint(QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        for (auto& [key, batch] : m_batches) {
            QPen pen(ink(QColor::fromRgba(std::get<0>(key)), m_r.m_style));
            // Hairlines stay one device pixel; lineweights are logical pixels, so they keep
            // their printed width on high-density screens.
            pen.setWidthF(std::get<1>(key) / 10.0);
            pen.setCosmetic(std::get<1>(key) == 0);
            if (std::get<2>(key))
                pen.setStyle(Qt::DashLine);
            p.setPen(pen);
            if (!batch.lines.isEmpty())
                p.drawLines(batch.lines);
            if (!batch.dots.isEmpty())
                p.drawPoints(batch.dots);
        }
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(m_r.m_font);
        const QFontMetricsF fm(m_r.m_font);
        const double lineStep = fm.lineSpacing() / m_r.m_capHeight; // in text heights
        for (const auto& t : m_texts) {
            p.save();
            p.setTransform(t.frame, true);
            p.setPen(ink(t.color, m_r.m_style));
            const double total = m_r.m_capHeight * (1.0 + lineStep * (t.lines.size() - 1));
            double top = 0.0; // of the first line's capitals, relative to the anchor
            switch (t.anchor.second) {
            case 1:
                top = 0.0;
                break;
            case 2:
                top = -total / 2.0;
                break;
            case 3:
                top = -total;
                break;
            default:
                top = -m_r.m_capHeight;
                break;
            }
            const auto left = [&](double w) {
                return t.anchor.first == 0 ? 0.0 : (t.anchor.first == 1 ? -w / 2 : -w);
            };
            double y = top + m_r.m_capHeight;
            double widest = 0.0;
            for (const auto& line : t.lines) {
                const double w = fm.horizontalAdvance(line);
                widest = std::max(widest, w);
                p.drawText(QPointF(left(w), y), line);
                y += m_r.m_capHeight * lineStep;
            }
            if (t.selected) {
                QPen frame(ink(t.color, m_r.m_style), 0, Qt::DashLine);
                frame.setCosmetic(true);
                p.setPen(frame);
                const double margin = 0.25 * m_r.m_capHeight;
                p.drawRect(QRectF(left(widest) - margin, top - margin, widest + 2 * margin,
                                  total + 2 * margin + fm.descent()));
            }
            p.restore();
        }
    }

private:
    using PenKey = std::tuple<QRgb, int, bool>; // colour, width in tenths of a pixel, dashed

    QColor resolve(int index, const QColor& byLayer, const QColor& byBlock) const {
        if (index == ByLayerColor)
            return byLayer;
        if (index == ByBlockColor)
            return byBlock;
        return paletteColor(m_r.m_drawing, index);
    }

    int widthOf(int lineweight) const {
        if (!m_r.m_style.showLineweights)
            return 0;
        const int lw = lineweight >= 0 ? lineweight : defaultLineweight;
        const double px = lw / 100.0 / 25.4 * m_r.m_style.dotsPerInch;
        return std::max(10, static_cast<int>(std::lround(px * 10.0)));
    }

    Batch& batch() { return m_batches[m_pen]; }

    void usePen(const QColor& c) { m_pen = PenKey{c.rgba(), std::get<1>(m_pen), m_dashed}; }

    void segment(const Point3& a, const Point3& b) {
        const QPointF pa = m_r.m_view.toScreen(a);
        const QPointF pb = m_r.m_view.toScreen(b);
        // Cull what lies wholly to one side of the window.
        if ((pa.x() < m_clip.left() && pb.x() < m_clip.left()) ||
            (pa.x() > m_clip.right() && pb.x() > m_clip.right()) ||
            (pa.y() < m_clip.top() && pb.y() < m_clip.top()) ||
            (pa.y() > m_clip.bottom() && pb.y() > m_clip.bottom()))
            return;
        batch().lines.append(QLineF(pa, pb));
        countPrimitive();
    }

    void countPrimitive() {
        if (m_nesting > 0)
            ++m_nestedPrimitives;
    }

    void polyline(const std::vector<Point3>& v, bool closed, const Placement& place) {
        for (std::size_t i = 0; i + 1 < v.size(); ++i)
            segment(place.apply(v[i]), place.apply(v[i + 1]));
        if (closed && v.size() > 2)
            segment(place.apply(v.back()), place.apply(v.front()));
    }

    void infinite(const Point3& base, const Point3& dir, bool ray, const Placement& place) {
        const QPointF p0 = m_r.m_view.toScreen(place.apply(base));
        const QPointF d = m_r.m_view.toScreen(place.apply(base + dir)) - p0;
        if (std::hypot(d.x(), d.y()) < 1e-12)
            return;
        double t0 = ray ? 0.0 : -1e300;
        double t1 = 1e300;
        if (clipLine(m_clip, p0, d, t0, t1))
            batch().lines.append(QLineF(p0 + d * t0, p0 + d * t1));
    }

    void circle(const Point3& centre, double radius, const Placement& place) {
        const double px = radius * place.scale * m_r.m_view.pixelsPerUnit();
        const int n = std::clamp(static_cast<int>(px), 12, 256);
        Point3 prev;
        for (int i = 0; i <= n; ++i) {
            const double a = 2.0 * std::numbers::pi * i / n;
            const Point3 p = place.apply(
                {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z});
            if (i > 0)
                segment(prev, p);
            prev = p;
        }
    }

    void point(const Point3& at) {
        const QPointF c = m_r.m_view.toScreen(at);
        if (!m_clip.contains(c))
            return;
        countPrimitive();
        const auto& settings = m_r.m_drawing.settings();
        const double size = settings.pointSize > 0.0
                                ? settings.pointSize * m_r.m_view.pixelsPerUnit()
                                : std::abs(settings.pointSize > -1e-12 ? 5.0 : settings.pointSize) /
                                      100.0 * m_r.m_view.viewport().height();
        const double h = std::max(size, 3.0) / 2.0;
        const int mode = settings.pointMode;
        auto& b = batch();
        switch (mode & 0x0F) {
        case 1:
            break;
        case 2:
            b.lines.append(QLineF(c.x() - h, c.y(), c.x() + h, c.y()));
            b.lines.append(QLineF(c.x(), c.y() - h, c.x(), c.y() + h));
            break;
        case 3:
            b.lines.append(QLineF(c.x() - h, c.y() - h, c.x() + h, c.y() + h));
            b.lines.append(QLineF(c.x() - h, c.y() + h, c.x() + h, c.y() - h));
            break;
        case 4:
            b.lines.append(QLineF(c.x(), c.y(), c.x(), c.y() - h));
            break;
        default:
            b.dots.append(c);
            break;
        }
        if (mode & 32) {
            const int n = 16;
            for (int i = 0; i < n; ++i) {
                const double a0 = 2 * std::numbers::pi * i / n,
                             a1 = 2 * std::numbers::pi * (i + 1) / n;
                b.lines.append(QLineF(c.x() + h * std::cos(a0), c.y() + h * std::sin(a0),
                                      c.x() + h * std::cos(a1), c.y() + h * std::sin(a1)));
            }
        }
        if (mode & 64) {
            const QRectF r(c.x() - h, c.y() - h, 2 * h, 2 * h);
            b.lines.append(
                {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                 QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())});
        }
    }

    void text(const Point3& at, const QStringList& lines, double height, double angle,
              std::pair<int, int> anchor, const Placement& place, const QColor& color) {
        const double px = height * place.scale * m_r.m_view.pixelsPerUnit();
        if (px < 1.0 || lines.isEmpty())
            return;
        const Point3 a = place.apply(at);
        const double worldAngle = angle + place.angle;
        const QPointF p0 = m_r.m_view.toScreen(a);
        const QPointF dir =
            m_r.m_view.toScreenDirection({std::cos(worldAngle), std::sin(worldAngle), 0.0});
        // A rough box for culling: the longest line at 0.7 height per character.
        qsizetype longest = 0;
        for (const auto& l : lines)
            longest = std::max(longest, l.size());
        const double reach = px * (0.8 * static_cast<double>(longest) + 1.5 * lines.size());
        if (!m_clip.adjusted(-reach, -reach, reach, reach).contains(p0))
            return;
        countPrimitive();
        if (px < m_r.m_style.greekBelowPixels) {
            // Too small to read: a bar where the text stands, batched with the lines.
            const double len = px * 0.6 * static_cast<double>(longest);
            const double dirLength = std::hypot(dir.x(), dir.y());
            const QPointF u = dirLength > 1e-12 ? dir / dirLength : QPointF(1.0, 0.0);
            const double shift = anchor.first == 0 ? 0.0 : (anchor.first == 1 ? -len / 2 : -len);
            batch().lines.append(QLineF(p0 + u * shift, p0 + u * (shift + len)));
            return;
        }
        m_texts.push_back(TextItem{textFrame(a, worldAngle, height * place.scale, p0, dir), lines,
                                   anchor, color, m_dashed});
    }

    // A text on the floor's plane lies in it in every view, seen at a slant as the lines around
    // it are; any other text faces the screen, upright along its direction's image.
    QTransform textFrame(const Point3& at, double angle, double height, const QPointF& p0,
                         const QPointF& dir) const {
        const double k = height / m_r.m_capHeight; // drawing units per font pixel
        if (at.z == 0.0) {
            const QPointF up =
                m_r.m_view.toScreenDirection({-std::sin(angle), std::cos(angle), 0.0});
            return QTransform(dir.x() * k, dir.y() * k, -up.x() * k, -up.y() * k, p0.x(), p0.y());
        }
        const double screenAngle =
            std::hypot(dir.x(), dir.y()) > 1e-12 ? std::atan2(dir.y(), dir.x()) / degree : 0.0;
        const double pixels = k * m_r.m_view.pixelsPerUnit();
        return QTransform().translate(p0.x(), p0.y()).rotate(screenAngle).scale(pixels, pixels);
    }

    void addShape(const Shape& shape, const Placement& place, const QColor& color, int depth) {
        usePen(color);
        std::visit(
            [&](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, PointShape>) {
                    point(place.apply(s.at));
                } else if constexpr (std::is_same_v<T, LineShape>) {
                    segment(place.apply(s.start), place.apply(s.end));
                } else if constexpr (std::is_same_v<T, XLineShape>) {
                    infinite(s.base, s.dir, false, place);
                } else if constexpr (std::is_same_v<T, RayShape>) {
                    infinite(s.base, s.dir, true, place);
                } else if constexpr (std::is_same_v<T, CircleShape>) {
                    circle(s.centre, s.radius, place);
                } else if constexpr (std::is_same_v<T, PolylineShape>) {
                    polyline(s.vertices, s.closed, place);
                } else if constexpr (std::is_same_v<T, MlineShape>) {
                    for (const auto& path : mlinePaths(s)) {
                        usePen(m_fixed ? color : resolve(path.color, color, color));
                        polyline(path.points, s.closed, place);
                    }
                } else if constexpr (std::is_same_v<T, TextShape>) {
                    text(s.at, {QString::fromStdString(s.text)}, s.look.height, s.look.angle,
                         textAnchor(s.look.align), place, color);
                } else if constexpr (std::is_same_v<T, MTextShape>) {
                    mtext(s, place, color);
                } else if constexpr (std::is_same_v<T, AttDefShape>) {
                    text(s.at, {QString::fromStdString(s.tag)}, s.look.height, s.look.angle,
                         textAnchor(s.look.align), place, color);
                } else if constexpr (std::is_same_v<T, InsertShape>) {
                    insert(s, m_r.m_drawing.extentOf(shape), place, color, depth);
                } else if constexpr (std::is_same_v<T, DimensionShape>) {
                    dimension(s, place, color);
                }
            },
            shape);
    }

    // Each run at its place in the layout, in its own height: the same box picking uses.
    void mtext(const MTextShape& m, const Placement& place, const QColor& color) {
        for (const MTextLine& line : layoutMText(m).lines)
            for (const MTextRun& run : line.runs)
                text(rotatePlan({run.x, line.baseline, 0.0}, m.angle) + m.at,
                     {QString::fromStdString(run.text)}, run.height, m.angle, {0, 0}, place, color);
    }

    // extent: the insert's own, in the coordinates it is placed from by outer.
    void insert(const InsertShape& ins, const Extent& extent, const Placement& outer,
                const QColor& color, int depth) {
        const Block* block = m_r.m_drawing.block(ins.block);
        if (block && depth < MaxBlockNesting && shownInFull(extent, outer, ins)) {
            const Placement place =
                Placement{block->base, ins.at, ins.scale, ins.angle}.then(outer);
            ++m_nesting;
            for (EntityId id = m_r.m_drawing.firstInBlock(ins.block); id;
                 id = m_r.m_drawing.nextEntity(id)) {
                const Entity* e = m_r.m_drawing.entity(id);
                // Attribute definitions show through the insert's own attributes.
                if (!e || !e->visible || e->kind() == EntityKind::AttDef)
                    continue;
                // Block content drawn "by layer" or "by block" takes the insert's colour.
                const QColor c = m_fixed ? color : resolve(e->color, color, color);
                addShape(e->shape, place, c, depth + 1);
            }
            --m_nesting;
        }
        for (const auto& att : ins.attributes)
            text(att.at, {QString::fromStdString(att.value)}, att.look.height, att.look.angle,
                 textAnchor(att.look.align), outer, color);
    }

    // Whether an insert's content is drawn. An insert wholly outside the window draws nothing,
    // one of a few pixels a dot, and once nested content has used its budget an insert draws
    // its box; the block's cached extents make each check cheap. Outside the plan its plan box
    // is seen at the insert's height, with a margin of its own size for content above or below.
    bool shownInFull(const Extent& extent, const Placement& outer, const InsertShape& ins) {
        QPolygonF box;
        for (const Point3& c : {Point3{extent.minX, extent.minY, ins.at.z},
                                Point3{extent.maxX, extent.minY, ins.at.z},
                                Point3{extent.maxX, extent.maxY, ins.at.z},
                                Point3{extent.minX, extent.maxY, ins.at.z}})
            box << m_r.m_view.toScreen(outer.apply(c));
        QRectF bounds = box.boundingRect();
        // A block of nothing but points or attributes has no size to stand for with a dot.
        const bool sized = extent.maxX > extent.minX || extent.maxY > extent.minY;
        if (sized && bounds.width() < 3.0 && bounds.height() < 3.0) {
            if (m_clip.contains(box[0]))
                batch().dots.append(box[0]);
            return false;
        }
        if (!m_r.m_view.isPlan()) {
            const double margin = std::max(bounds.width(), bounds.height());
            bounds.adjust(-margin, -margin, margin, margin);
        }
        // Inclusive: the box of a single horizontal line has no height.
        if (bounds.right() < m_clip.left() || bounds.left() > m_clip.right() ||
            bounds.bottom() < m_clip.top() || bounds.top() > m_clip.bottom())
            return false;
        if (m_nestedPrimitives < nestedPrimitiveBudget)
            return true;
        if (bounds.width() < 8.0 && bounds.height() < 8.0)
            batch().dots.append(box[0]);
        else
            for (int i = 0; i < 4; ++i)
                batch().lines.append(QLineF(box[i], box[(i + 1) % 4]));
        return false;
    }

    void dimension(const DimensionShape& dim, const Placement& place, const QColor& color) {
        const DimStyle* found = m_r.m_drawing.dimStyle(dim.style);
        const DimStyle style = found ? *found : DimStyle{};
        const DimensionParts d = dimensionParts(dim, style);
        const auto P = [&](const Point3& p) { return place.apply(p); };
        segment(P(d.ext1From), P(d.ext1To));
        segment(P(d.ext2From), P(d.ext2To));
        segment(P(d.lineFrom), P(d.lineTo));
        for (const auto& [tip, wing] : d.arrows)
            segment(P(tip), P(wing));
        text(d.textAt, {QString::fromStdString(dimensionText(d.value, style))}, style.textHeight,
             d.textAngle, {1, 2}, place, color);
    }

    Renderer& m_r;
    QRectF m_clip;
    int m_nesting = 0;                  // inserts the shape being added lies in
    std::size_t m_nestedPrimitives = 0; // lines, points and texts of block content so far
    PenKey m_pen{};
    bool m_dashed = false;
    const QColor* m_fixed = nullptr;
    std::map<PenKey, Batch> m_batches;
    std::vector<TextItem> m_texts;
};

// ---------------------------------------------------------------------------------- renderer

Renderer::Renderer(const Drawing& drawing, const ViewTransform& view, const RenderStyle& style)
    : m_drawing(drawing), m_view(view), m_style(style), m_font(QStringLiteral("DejaVu Sans")) {
    m_font.setPixelSize(100);
    m_capHeight = std::max(1.0, QFontMetricsF(m_font).capHeight());
}

void Renderer::drawGrid(QPainter& painter) const {
    if (!m_style.showGrid || !m_view.isPlan() || m_style.gridSpacingX <= 0 ||
        m_style.gridSpacingY <= 0)
        return;
    const double sx = m_style.gridSpacingX * m_view.pixelsPerUnit();
    const double sy = m_style.gridSpacingY * m_view.pixelsPerUnit();
    if (sx < 6.0 || sy < 6.0) // too dense to help
        return;
    const Extent e = m_view.visibleExtent();
    QVector<QPointF> dots;
    for (double x = std::floor(e.minX / m_style.gridSpacingX) * m_style.gridSpacingX; x <= e.maxX;
         x += m_style.gridSpacingX)
        for (double y = std::floor(e.minY / m_style.gridSpacingY) * m_style.gridSpacingY;
             y <= e.maxY; y += m_style.gridSpacingY)
            dots.append(m_view.toScreen({x, y, 0.0}));
    painter.setPen(QPen(
        m_style.background.lightness() < 128 ? QColor(110, 120, 130) : QColor(150, 150, 150), 0));
    painter.drawPoints(dots);
}

void Renderer::draw(QPainter& painter, const std::vector<EntityId>& ids,
                    const Selection* selection) {
    Scene scene(*this);
    for (const EntityId id : ids)
        if (const Entity* e = m_drawing.entity(id))
            scene.add(*e, nullptr, selection && selection->contains(id));
    scene.paint(painter);
}

void Renderer::drawHighlighted(QPainter& painter, const Entity& entity, const QColor& color) {
    Scene scene(*this);
    scene.add(entity, &color, false);
    scene.paint(painter);
}

RasterizeResult rasterize(Drawing& drawing, const std::string& path, const Extent& area,
                          double scale, const RenderStyle& style) {
    const double w = std::round((area.maxX - area.minX) * scale);
    const double h = std::round((area.maxY - area.minY) * scale);
    if (path.empty() || !(w >= 1.0 && h >= 1.0))
        return RasterizeResult::BadArea;
    constexpr double maxSide = 30000.0, maxPixels = 150e6; // about 600 MB of picture at most
    if (w > maxSide || h > maxSide || w * h > maxPixels)
        return RasterizeResult::TooLarge;
    ViewTransform view;
    view.setViewport({w, h});
    view.setCentre({(area.minX + area.maxX) / 2.0, (area.minY + area.maxY) / 2.0, 0.0});
    view.setPixelsPerUnit(scale);
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (image.isNull())
        return RasterizeResult::TooLarge;
    image.fill(style.background);
    {
        QPainter painter(&image);
        Renderer(drawing, view, style).draw(painter, entitiesToDraw(drawing, view), nullptr);
    }
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix();
    const QByteArray format = suffix.isEmpty() ? QByteArray("BMP") : suffix.toUpper().toLatin1();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format.constData()))
        return RasterizeResult::CannotWrite;
    try {
        ReplaceFileContents(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
    } catch (const FileWriteError&) {
        return RasterizeResult::CannotWrite;
    }
    return RasterizeResult::Written;
}

} // namespace quadrilo::cad::canvas
