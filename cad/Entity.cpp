// Geometry of the entity shapes: extents, grips, moves, distances and outlines in plan.
#include "cad/Entity.h"

#include "cad/Overloaded.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <span>
#include <utility>

namespace quadrilo::cad {
namespace {

constexpr int CircleSegments = 64;

Extent extentOf(std::span<const Point3> points) {
    if (points.empty())
        return {};
    Extent e = Extent::of(points.front());
    for (const Point3& p : points)
        e.add(p);
    return e;
}

std::vector<Point3> polygonOfCircle(const CircleShape& c) {
    std::vector<Point3> points;
    points.reserve(CircleSegments);
    for (int i = 0; i < CircleSegments; ++i) {
        const double a = 2.0 * std::numbers::pi * i / CircleSegments;
        points.push_back(
            {c.centre.x + c.radius * std::cos(a), c.centre.y + c.radius * std::sin(a), c.centre.z});
    }
    return points;
}

void appendChain(std::span<const Point3> points, bool closed,
                 std::vector<std::pair<Point3, Point3>>& out) {
    for (std::size_t i = 1; i < points.size(); ++i)
        out.emplace_back(points[i - 1], points[i]);
    if (closed && points.size() > 2)
        out.emplace_back(points.back(), points.front());
    if (points.size() == 1)
        out.emplace_back(points.front(), points.front());
}

// Dimension drawing in plan: the two extension lines and the dimension line.
std::vector<std::pair<Point3, Point3>> dimensionLines(const DimensionShape& d) {
    Point3 dir = d.aligned ? d.second - d.first : Point3{std::cos(d.angle), std::sin(d.angle), 0};
    const double len = std::hypot(dir.x, dir.y);
    dir = len > 0.0 ? dir * (1.0 / len) : Point3{1, 0, 0};
    auto project = [&](const Point3& p) {
        const double t = (p.x - d.linePos.x) * dir.x + (p.y - d.linePos.y) * dir.y;
        return Point3{d.linePos.x + t * dir.x, d.linePos.y + t * dir.y, d.linePos.z};
    };
    const Point3 a = project(d.first);
    const Point3 b = project(d.second);
    return {{d.first, a}, {d.second, b}, {a, b}};
}

double distanceToChain(std::span<const Point3> v, bool closed, const Point3& p) {
    std::vector<std::pair<Point3, Point3>> segs;
    appendChain(v, closed, segs);
    double best = std::numeric_limits<double>::infinity();
    for (const auto& [a, b] : segs)
        best = std::min(best, planDistanceToSegment(p, a, b));
    return best;
}

double distanceToInfinite(const Point3& base, const Point3& dir, const Point3& p, bool ray) {
    const double len2 = dir.x * dir.x + dir.y * dir.y;
    if (len2 == 0.0)
        return std::hypot(p.x - base.x, p.y - base.y);
    double t = ((p.x - base.x) * dir.x + (p.y - base.y) * dir.y) / len2;
    if (ray)
        t = std::max(t, 0.0);
    return std::hypot(p.x - (base.x + t * dir.x), p.y - (base.y + t * dir.y));
}

double distanceToTextBox(std::span<const Point3> box, const Point3& p) {
    return insidePolygon(box, p) ? 0.0 : distanceToChain(box, true, p);
}

} // namespace

std::array<Point3, 4> textBox(const Point3& at, const std::string& text, const TextLook& look) {
    // A character is taken as 0.6 of the height wide: close enough for picking and extents.
    const double w = 0.6 * look.height * static_cast<double>(std::max<std::size_t>(text.size(), 1));
    const double h = look.height;
    double dx = 0.0;
    double dy = 0.0;
    switch (static_cast<TextAlign>(look.align)) {
    case TextAlign::TopLeft:
        dy = -h;
        break;
    case TextAlign::TopCentre:
        dx = -w / 2;
        dy = -h;
        break;
    case TextAlign::TopRight:
        dx = -w;
        dy = -h;
        break;
    case TextAlign::MiddleCentre:
        dx = -w / 2;
        dy = -h / 2;
        break;
    case TextAlign::MiddleLeft:
        dy = -h / 2;
        break;
    case TextAlign::MiddleRight:
        dx = -w;
        dy = -h / 2;
        break;
    case TextAlign::BottomCentre:
        dx = -w / 2;
        break;
    case TextAlign::BottomRight:
        dx = -w;
        break;
    default:
        break;
    }
    std::array<Point3, 4> corners{Point3{dx, dy, 0}, Point3{dx + w, dy, 0},
                                  Point3{dx + w, dy + h, 0}, Point3{dx, dy + h, 0}};
    for (Point3& c : corners)
        c = rotatePlan(c, look.angle) + at;
    return corners;
}

namespace {

bool finite(const Point3& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

bool allFinite(std::span<const Point3> points) {
    return std::all_of(points.begin(), points.end(), [](const Point3& p) { return finite(p); });
}

bool hasDirection(const Point3& dir) {
    return finite(dir) && (dir.x != 0.0 || dir.y != 0.0 || dir.z != 0.0);
}

bool validLook(const TextLook& look) {
    return look.height >= 0.0 && std::isfinite(look.height) && std::isfinite(look.angle);
}

// Characters, not bytes: accented letters take two bytes in UTF-8.
std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Splits a multi-line text into lines of runs of one height each, reading its inline codes.
std::vector<MTextLine> mtextLines(const MTextShape& m) {
    std::vector<MTextLine> lines(1);
    double height = m.height;
    std::vector<double> groups; // heights to go back to at each closing brace
    std::string run;
    const auto flush = [&] {
        if (!run.empty())
            lines.back().runs.push_back({std::exchange(run, {}), height, 0.0});
    };
    const std::string& t = m.text;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        const char next = i + 1 < t.size() ? t[i + 1] : '\0';
        if (c == '\\' && next == 'P') {
            flush();
            lines.back().height = std::max(lines.back().height, height);
            lines.emplace_back();
            ++i;
        } else if (c == '\\' && next == 'H' && t.find(';', i) != std::string::npos) {
            const std::size_t end = t.find(';', i);
            std::string code = t.substr(i + 2, end - i - 2);
            const bool relative = !code.empty() && (code.back() == 'x' || code.back() == 'X');
            if (relative)
                code.pop_back();
            char* stop = nullptr;
            const double v = std::strtod(code.c_str(), &stop);
            if (!code.empty() && *stop == '\0' && std::isfinite(v) && v > 0.0) {
                flush();
                height = relative ? height * v : v;
            }
            i = end;
        } else if (c == '\\' && (next == '\\' || next == '{' || next == '}')) {
            run += next;
            ++i;
        } else if (c == '{') {
            flush();
            groups.push_back(height);
        } else if (c == '}' && !groups.empty()) {
            flush();
            height = groups.back();
            groups.pop_back();
        } else {
            run += c;
        }
    }
    flush();
    lines.back().height = std::max(lines.back().height, height);
    return lines;
}

} // namespace

bool validShape(const Shape& shape) {
    return std::visit(
        Overloaded{
            [](const PointShape& s) { return finite(s.at); },
            [](const LineShape& s) { return finite(s.start) && finite(s.end); },
            [](const XLineShape& s) { return finite(s.base) && hasDirection(s.dir); },
            [](const RayShape& s) { return finite(s.base) && hasDirection(s.dir); },
            [](const CircleShape& s) {
                return finite(s.centre) && s.radius > 0.0 && std::isfinite(s.radius);
            },
            [](const PolylineShape& s) { return s.vertices.size() >= 2 && allFinite(s.vertices); },
            [](const MlineShape& s) { return s.vertices.size() >= 2 && allFinite(s.vertices); },
            [](const TextShape& s) { return finite(s.at) && validLook(s.look); },
            [](const MTextShape& s) {
                return finite(s.at) && s.height > 0.0 && std::isfinite(s.height) &&
                       std::isfinite(s.angle) && std::isfinite(s.width);
            },
            [](const AttDefShape& s) {
                return !s.tag.empty() && finite(s.at) && validLook(s.look);
            },
            [](const InsertShape& s) {
                return finite(s.at) && s.scale != 0.0 && std::isfinite(s.scale) &&
                       std::isfinite(s.angle) &&
                       std::all_of(s.attributes.begin(), s.attributes.end(),
                                   [](const Attribute& a) { return finite(a.at); });
            },
            [](const DimensionShape& s) {
                return finite(s.first) && finite(s.second) && finite(s.linePos) &&
                       std::isfinite(s.angle);
            },
        },
        shape);
}

PolylineShape rectangle(const Point3& centre, double width, double height, double angle) {
    PolylineShape rect;
    rect.closed = true;
    for (const auto& [sx, sy] : {std::pair{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}})
        rect.vertices.push_back(rotatePlan({sx * width, sy * height, 0.0}, angle) + centre);
    return rect;
}

MTextLayout layoutMText(const MTextShape& m) {
    MTextLayout layout;
    layout.lines = mtextLines(m);
    // Lines stack downwards from the top of the box: each cap height, then a gap of 2/3 of it.
    double y = 0.0;
    std::vector<double> widths;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        MTextLine& line = layout.lines[i];
        for (const MTextRun& r : line.runs)
            line.height = std::max(line.height, r.height);
        if (i > 0)
            y -= layout.lines[i - 1].height * 2.0 / 3.0;
        y -= line.height;
        line.baseline = y;
        double w = 0.0;
        for (MTextRun& r : line.runs) {
            r.x = w;
            w += 0.6 * r.height * static_cast<double>(characters(r.text));
        }
        widths.push_back(w);
        layout.width = std::max(layout.width, w);
    }
    layout.height = -y;
    const int a = std::clamp(m.attachment, 1, 9) - 1;
    const int column = a % 3; // left, centre, right
    const int row = a / 3;    // top, middle, bottom
    layout.left = -column * layout.width / 2.0;
    layout.top = row * layout.height / 2.0;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        MTextLine& line = layout.lines[i];
        const double shift = layout.left + column * (layout.width - widths[i]) / 2.0;
        for (MTextRun& r : line.runs)
            r.x += shift;
        line.baseline += layout.top;
    }
    return layout;
}

std::array<Point3, 4> mtextBox(const MTextShape& m) {
    const MTextLayout l = layoutMText(m);
    const double w = std::max(l.width, 0.6 * m.height); // an empty text still has a place
    const double h = std::max(l.height, m.height);
    std::array<Point3, 4> corners{Point3{l.left, l.top - h, 0}, Point3{l.left + w, l.top - h, 0},
                                  Point3{l.left + w, l.top, 0}, Point3{l.left, l.top, 0}};
    for (Point3& c : corners)
        c = rotatePlan(c, m.angle) + m.at;
    return corners;
}

bool isInfinite(const Shape& shape) {
    return std::holds_alternative<XLineShape>(shape) || std::holds_alternative<RayShape>(shape);
}

Extent shapeExtent(const Shape& shape) {
    return std::visit(
        Overloaded{
            [](const PointShape& s) { return Extent::of(s.at); },
            [](const LineShape& s) {
                Extent e = Extent::of(s.start);
                e.add(s.end);
                return e;
            },
            [](const XLineShape& s) { return Extent::of(s.base); },
            [](const RayShape& s) { return Extent::of(s.base); },
            [](const CircleShape& s) {
                return Extent{s.centre.x - s.radius, s.centre.y - s.radius, s.centre.x + s.radius,
                              s.centre.y + s.radius};
            },
            [](const PolylineShape& s) { return extentOf(s.vertices); },
            [](const MlineShape& s) {
                Extent e = extentOf(s.vertices);
                double reach = 0.0;
                for (const MlineLine& l : s.lines)
                    reach = std::max(reach, std::abs(l.offset));
                return Extent{e.minX - reach, e.minY - reach, e.maxX + reach, e.maxY + reach};
            },
            [](const TextShape& s) { return extentOf(textBox(s.at, s.text, s.look)); },
            [](const MTextShape& s) { return extentOf(mtextBox(s)); },
            [](const AttDefShape& s) { return extentOf(textBox(s.at, s.tag, s.look)); },
            [](const InsertShape& s) {
                Extent e = Extent::of(s.at);
                for (const Attribute& a : s.attributes)
                    for (const Point3& c : textBox(a.at, a.value, a.look))
                        e.add(c);
                return e;
            },
            [](const DimensionShape& s) {
                Extent e = Extent::of(s.first);
                for (const auto& [a, b] : dimensionLines(s)) {
                    e.add(a);
                    e.add(b);
                }
                return e;
            },
        },
        shape);
}

namespace {
constexpr std::pair<double, double> circleQuadrants[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
} // namespace

std::vector<Point3> gripPoints(const Shape& shape) {
    return std::visit(Overloaded{
                          [](const PointShape& s) { return std::vector{s.at}; },
                          // The midpoint comes after the ends: it moves the whole line.
                          [](const LineShape& s) {
                              return std::vector{s.start, s.end, (s.start + s.end) * 0.5};
                          },
                          [](const XLineShape& s) { return std::vector{s.base}; },
                          [](const RayShape& s) { return std::vector{s.base}; },
                          // The centre, then the quadrants east, north, west, south.
                          [](const CircleShape& s) {
                              std::vector grips{s.centre};
                              for (const auto& [dx, dy] : circleQuadrants)
                                  grips.push_back(s.centre + Point3{dx, dy, 0.0} * s.radius);
                              return grips;
                          },
                          [](const PolylineShape& s) { return s.vertices; },
                          [](const MlineShape& s) { return s.vertices; },
                          [](const TextShape& s) { return std::vector{s.at}; },
                          [](const MTextShape& s) { return std::vector{s.at}; },
                          [](const AttDefShape& s) { return std::vector{s.at}; },
                          [](const InsertShape& s) { return std::vector{s.at}; },
                          [](const DimensionShape& s) {
                              return std::vector{s.first, s.second, s.linePos};
                          },
                      },
                      shape);
}

void translate(Shape& shape, const Point3& d) {
    std::visit(Overloaded{
                   [&](PointShape& s) { s.at = s.at + d; },
                   [&](LineShape& s) {
                       s.start = s.start + d;
                       s.end = s.end + d;
                   },
                   [&](XLineShape& s) { s.base = s.base + d; },
                   [&](RayShape& s) { s.base = s.base + d; },
                   [&](CircleShape& s) { s.centre = s.centre + d; },
                   [&](PolylineShape& s) {
                       for (Point3& v : s.vertices)
                           v = v + d;
                   },
                   [&](MlineShape& s) {
                       for (Point3& v : s.vertices)
                           v = v + d;
                   },
                   [&](TextShape& s) { s.at = s.at + d; },
                   [&](MTextShape& s) { s.at = s.at + d; },
                   [&](AttDefShape& s) { s.at = s.at + d; },
                   [&](InsertShape& s) {
                       s.at = s.at + d;
                       for (Attribute& a : s.attributes)
                           a.at = a.at + d;
                   },
                   [&](DimensionShape& s) {
                       s.first = s.first + d;
                       s.second = s.second + d;
                       s.linePos = s.linePos + d;
                   },
               },
               shape);
}

void moveGrip(Shape& shape, int grip, const Point3& d) {
    auto moveVertex = [&](std::vector<Point3>& v) {
        if (grip >= 0 && static_cast<std::size_t>(grip) < v.size())
            v[static_cast<std::size_t>(grip)] = v[static_cast<std::size_t>(grip)] + d;
    };
    std::visit(Overloaded{
                   [&](LineShape& s) {
                       if (grip == 0)
                           s.start = s.start + d;
                       else if (grip == 1)
                           s.end = s.end + d;
                       else if (grip == 2)
                           translate(shape, d);
                   },
                   [&](CircleShape& s) {
                       if (grip == 0) {
                           translate(shape, d);
                       } else if (grip >= 1 && grip <= 4) {
                           // A quadrant drags the circle's edge: the radius reaches where it went.
                           const auto [dx, dy] =
                               circleQuadrants[static_cast<std::size_t>(grip - 1)];
                           const Point3 to = s.centre + Point3{dx, dy, 0.0} * s.radius + d;
                           s.radius = std::hypot(to.x - s.centre.x, to.y - s.centre.y);
                       }
                   },
                   [&](PolylineShape& s) { moveVertex(s.vertices); },
                   [&](MlineShape& s) { moveVertex(s.vertices); },
                   [&](DimensionShape& s) {
                       if (grip == 0)
                           s.first = s.first + d;
                       else if (grip == 1)
                           s.second = s.second + d;
                       else if (grip == 2)
                           s.linePos = s.linePos + d;
                   },
                   // Every other kind has one grip, its insertion point: it moves the entity.
                   [&](auto&) {
                       if (grip == 0)
                           translate(shape, d);
                   },
               },
               shape);
}

void appendOutline(const Shape& shape, std::vector<std::pair<Point3, Point3>>& out) {
    std::visit(
        Overloaded{
            [&](const PointShape& s) { out.emplace_back(s.at, s.at); },
            [&](const LineShape& s) { out.emplace_back(s.start, s.end); },
            [&](const XLineShape& s) {
                // Long enough for any drawing in centimetres; selection treats it as
                // the infinite line it is.
                constexpr double reach = 1e9;
                out.emplace_back(s.base - s.dir * reach, s.base + s.dir * reach);
            },
            [&](const RayShape& s) { out.emplace_back(s.base, s.base + s.dir * 1e9); },
            [&](const CircleShape& s) { appendChain(polygonOfCircle(s), true, out); },
            [&](const PolylineShape& s) { appendChain(s.vertices, s.closed, out); },
            [&](const MlineShape& s) { appendChain(s.vertices, s.closed, out); },
            [&](const TextShape& s) { appendChain(textBox(s.at, s.text, s.look), true, out); },
            [&](const MTextShape& s) { appendChain(mtextBox(s), true, out); },
            [&](const AttDefShape& s) { appendChain(textBox(s.at, s.tag, s.look), true, out); },
            [&](const InsertShape& s) {
                out.emplace_back(s.at, s.at);
                for (const Attribute& a : s.attributes)
                    appendChain(textBox(a.at, a.value, a.look), true, out);
            },
            [&](const DimensionShape& s) {
                for (const auto& seg : dimensionLines(s))
                    out.push_back(seg);
            },
        },
        shape);
}

double planDistance(const Shape& shape, const Point3& p) {
    return std::visit(
        Overloaded{
            [&](const PointShape& s) { return std::hypot(p.x - s.at.x, p.y - s.at.y); },
            [&](const LineShape& s) { return planDistanceToSegment(p, s.start, s.end); },
            [&](const XLineShape& s) { return distanceToInfinite(s.base, s.dir, p, false); },
            [&](const RayShape& s) { return distanceToInfinite(s.base, s.dir, p, true); },
            [&](const CircleShape& s) {
                return std::abs(std::hypot(p.x - s.centre.x, p.y - s.centre.y) - s.radius);
            },
            [&](const PolylineShape& s) { return distanceToChain(s.vertices, s.closed, p); },
            [&](const MlineShape& s) {
                double reach = 0.0;
                for (const MlineLine& l : s.lines)
                    reach = std::max(reach, std::abs(l.offset));
                return std::max(0.0, distanceToChain(s.vertices, s.closed, p) - reach);
            },
            [&](const TextShape& s) { return distanceToTextBox(textBox(s.at, s.text, s.look), p); },
            [&](const MTextShape& s) { return distanceToTextBox(mtextBox(s), p); },
            [&](const AttDefShape& s) {
                return distanceToTextBox(textBox(s.at, s.tag, s.look), p);
            },
            [&](const InsertShape& s) {
                double best = std::hypot(p.x - s.at.x, p.y - s.at.y);
                for (const Attribute& a : s.attributes)
                    best = std::min(best, distanceToTextBox(textBox(a.at, a.value, a.look), p));
                return best;
            },
            [&](const DimensionShape& s) {
                double best = std::numeric_limits<double>::infinity();
                for (const auto& [a, b] : dimensionLines(s))
                    best = std::min(best, planDistanceToSegment(p, a, b));
                return best;
            },
        },
        shape);
}

} // namespace quadrilo::cad
