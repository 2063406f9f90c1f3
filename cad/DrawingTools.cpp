// Drawing tools: each asks for its points with prompts from the text table and adds its entity
// on the current layer; the whole command is one undo step.
#include "cad/DrawingTools.h"

#include "cad/Document.h"
#include "cad/Transaction.h"

#include <charconv>
#include <cmath>
#include <coroutine>
#include <cstdio>
#include <numbers>
#include <optional>

namespace quadrilo::cad {
namespace {

constexpr double degree = std::numbers::pi / 180.0;

std::string numberText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

// Shorthands every tool uses.
struct Tool {
    Document& doc;
    CommandRunner& run;

    explicit Tool(Document& d) : doc(d), run(d.runner()) {}
    void ask(TextId id) { doc.prompt(id); }
    void ask(TextId id, const std::string& arg) { doc.prompt(doc.texts().format(id, {arg})); }
    InputKind kindOf(int input) const { return static_cast<InputKind>(input); }

    // Prompts and waits: `co_await t.pick(id)` is true when a point was picked; pickAnchored
    // also anchors the point it picked.
    struct PickAwaiter {
        CommandRunner::InputAwaiter input;
        Tool* anchoring = nullptr;
        bool await_ready() const noexcept { return input.await_ready(); }
        void await_suspend(std::coroutine_handle<> h) noexcept { input.await_suspend(h); }
        bool await_resume() const {
            const bool picked = input.await_resume() == int(InputKind::Point);
            if (picked && anchoring)
                anchoring->anchor(anchoring->point());
            return picked;
        }
    };
    PickAwaiter pick(TextId id) {
        ask(id);
        return PickAwaiter{run.nextPoint()};
    }
    PickAwaiter pickAnchored(TextId id) {
        ask(id);
        return PickAwaiter{run.nextPoint(), this};
    }
    Point3 point() const { return run.inputPoint(); }
    // Remembers p as the point rubber bands and relative coordinates start from.
    void anchor(const Point3& p) {
        run.setBasePoint(p);
        run.points().push_back(p);
    }
    EntityId add(Shape shape) {
        Transaction tx(doc.drawing());
        return tx.add(Entity{.shape = std::move(shape)});
    }
};

Point3 direction(const Point3& from, const Point3& to) {
    return to - from;
}
bool samePlanPoint(const Point3& a, const Point3& b) {
    return a.x == b.x && a.y == b.y;
}

CommandTask pointTool(Document& doc) {
    Tool t(doc);
    for (;;) {
        if (!co_await t.pick(TextId::SpecifyPoint))
            co_return;
        t.add(PointShape{t.point()});
    }
}

// U takes the last segment back and goes on from where it started. (A function: string
// literals inside a coroutine's await expressions trip the compiler.)
std::vector<std::string> lineKeywords() {
    return {"U"};
}

CommandTask lineTool(Document& doc) {
    Tool t(doc);
    std::vector<Point3> vertices;
    std::vector<EntityId> segments;
    for (;;) {
        t.ask(vertices.empty() ? TextId::SpecifyPoint : TextId::NextPointOrUndo);
        const int input = co_await t.run.nextPoint(lineKeywords());
        if (input == int(InputKind::Text)) {
            if (segments.empty()) {
                t.ask(TextId::NothingToUndo);
                continue;
            }
            Transaction tx(doc.drawing());
            (void)tx.erase(segments.back());
            segments.pop_back();
            vertices.pop_back();
            t.anchor(vertices.back());
            continue;
        }
        if (input != int(InputKind::Point))
            co_return;
        const Point3 p = t.point();
        if (!vertices.empty()) {
            if (samePlanPoint(p, vertices.back()) && p.z == vertices.back().z)
                continue; // a zero-length line helps nobody
            segments.push_back(t.add(LineShape{vertices.back(), p}));
        }
        vertices.push_back(p);
        t.anchor(p);
    }
}

// Rays and construction lines: a base point, then through points; a construction line may be
// made horizontal or vertical by typing H or V, then each point places one.
CommandTask infiniteLineTool(Document& doc, bool ray) {
    Tool t(doc);
    std::optional<Point3> fixedDir;
    for (;;) {
        t.ask(ray ? TextId::SpecifyPoint : TextId::ThroughPoint);
        const int input = co_await t.run.nextInput();
        if (input == int(InputKind::Text) && !ray) {
            const std::string& s = t.run.inputText();
            if (s == "H" || s == "h")
                fixedDir = Point3{1, 0, 0};
            else if (s == "V" || s == "v")
                fixedDir = Point3{0, 1, 0};
            else
                t.ask(TextId::InvalidValue);
            continue;
        }
        if (input != int(InputKind::Point))
            co_return;
        if (fixedDir) {
            t.add(XLineShape{t.point(), *fixedDir});
            continue;
        }
        break;
    }
    const Point3 base = t.point();
    t.anchor(base);
    for (;;) {
        if (!co_await t.pick(ray ? TextId::RayPoint : TextId::ThroughPoint))
            co_return;
        if (samePlanPoint(t.point(), base))
            continue;
        const Point3 dir = direction(base, t.point());
        if (ray)
            t.add(RayShape{base, dir});
        else
            t.add(XLineShape{base, dir});
    }
}

// Two opposite corners, the first one anchored for the rubber band; none when the user stops.
using Corners = std::optional<std::pair<Point3, Point3>>;
CommandTask pickCorners(Tool& t, Corners& corners) {
    if (!co_await t.pickAnchored(TextId::FirstCorner))
        co_return;
    const Point3 a = t.point();
    if (co_await t.pick(TextId::OppositeCorner))
        corners = std::pair{a, t.point()};
}

CommandTask rectangleTool(Document& doc) {
    Tool t(doc);
    Corners c;
    co_await pickCorners(t, c);
    if (c && c->first.x != c->second.x && c->first.y != c->second.y) {
        const auto [a, b] = *c;
        t.add(PolylineShape{{a, {b.x, a.y, a.z}, {b.x, b.y, a.z}, {a.x, b.y, a.z}}, true, 0});
    }
}

CommandTask circleTool(Document& doc) {
    Tool t(doc);
    if (!co_await t.pickAnchored(TextId::Centre))
        co_return;
    const Point3 centre = t.point();
    for (;;) {
        t.ask(TextId::Radius);
        const int input = co_await t.run.nextInput();
        double radius = 0.0;
        if (input == int(InputKind::Point)) {
            radius = std::hypot(t.point().x - centre.x, t.point().y - centre.y);
        } else if (input == int(InputKind::Text)) {
            radius = parseNumber(t.run.inputText()).value_or(0.0);
        } else {
            co_return;
        }
        if (radius > 0.0) {
            t.add(CircleShape{centre, radius});
            co_return;
        }
        t.ask(TextId::InvalidValue);
    }
}

// Asks for a number with a default shown in the prompt; Enter takes the default.
struct NumberAnswer {
    bool ok = false;
    double value = 0.0;
};

// A value the answer must have; a typed one that lacks it is refused and asked again.
using NumberRule = bool (*)(double);
bool anyNumber(double) {
    return true;
}
bool positive(double v) {
    return v > 0.0;
}

CommandTask askNumber(Tool& t, TextId prompt, double fallback, NumberRule valid,
                      NumberAnswer& answer) {
    for (;;) {
        t.ask(prompt, numberText(fallback));
        const int input = co_await t.run.nextInput();
        if (input == int(InputKind::Enter)) {
            if (valid(fallback)) {
                answer = {true, fallback};
                co_return;
            }
        } else if (input == int(InputKind::Text)) {
            if (const auto v = parseNumber(t.run.inputText()); v && valid(*v)) {
                answer = {true, *v};
                co_return;
            }
        } else {
            co_return;
        }
        t.ask(TextId::InvalidValue);
    }
}

CommandTask textTool(Document& doc) {
    Tool t(doc);
    if (!co_await t.pickAnchored(TextId::InsertionPoint))
        co_return;
    const Point3 at = t.point();
    NumberAnswer height, angle;
    co_await askNumber(t, TextId::TextHeight, doc.drawing().settings().textHeight, positive,
                       height);
    if (!height.ok)
        co_return;
    co_await askNumber(t, TextId::TextAngle, 0.0, anyNumber, angle);
    if (!angle.ok)
        co_return;
    t.ask(TextId::TextContent);
    if (co_await t.run.nextText() != int(InputKind::Text))
        co_return;
    doc.drawing().settings().textHeight = height.value;
    t.add(TextShape{at, t.run.inputText(), TextLook{height.value, angle.value * degree, 0}});
}

CommandTask mtextTool(Document& doc) {
    Tool t(doc);
    Corners corners;
    co_await pickCorners(t, corners);
    if (!corners)
        co_return;
    const auto [a, b] = *corners;
    std::string text;
    for (;;) {
        t.ask(TextId::MTextLines);
        const int input = co_await t.run.nextText();
        if (input == int(InputKind::Text)) {
            text += (text.empty() ? "" : "\\P") + t.run.inputText();
            continue;
        }
        if (input != int(InputKind::Enter) || text.empty())
            co_return;
        break;
    }
    // Anchored at the top-left corner of the box the two points span.
    const Point3 topLeft{std::min(a.x, b.x), std::max(a.y, b.y), a.z};
    t.add(MTextShape{topLeft, text, doc.drawing().settings().textHeight, std::abs(b.x - a.x), 0.0,
                     1});
}

CommandTask insertTool(Document& doc, std::string& lastBlock) {
    Tool t(doc);
    std::string name;
    for (;;) {
        t.ask(TextId::BlockName, lastBlock);
        const int input = co_await t.run.nextText();
        if (input == int(InputKind::Enter) && !lastBlock.empty())
            name = lastBlock;
        else if (input == int(InputKind::Text))
            name = t.run.inputText();
        else
            co_return;
        if (doc.drawing().blockByName(name))
            break;
        t.ask(TextId::UnknownBlock, name);
    }
    lastBlock = name;
    if (!co_await t.pick(TextId::InsertionPoint))
        co_return;
    // Each attribute starts from its definition's text.
    if (auto insert = doc.drawing().insertOf(doc.drawing().blockByName(name), t.point(), 1.0, 0.0))
        t.add(std::move(*insert));
}

CommandTask dimensionTool(Document& doc, bool aligned) {
    Tool t(doc);
    if (!co_await t.pickAnchored(TextId::FirstExtension))
        co_return;
    const Point3 first = t.point();
    if (!co_await t.pickAnchored(TextId::SecondExtension))
        co_return;
    const Point3 second = t.point();
    if (!co_await t.pick(TextId::DimensionLine))
        co_return;
    const Point3 pos = t.point();
    double angle = 0.0;
    if (!aligned) {
        // The dimension measures across the side the line is pulled to: pulled above or below
        // the points it measures the horizontal distance, pulled sideways the vertical one.
        const double midX = (first.x + second.x) / 2, midY = (first.y + second.y) / 2;
        const double spanX = std::abs(second.x - first.x), spanY = std::abs(second.y - first.y);
        const bool sideways =
            std::abs(pos.x - midX) - spanX / 2 > std::abs(pos.y - midY) - spanY / 2;
        angle = sideways ? std::numbers::pi / 2 : 0.0;
    }
    t.add(DimensionShape{aligned, first, second, pos, angle,
                         doc.drawing().settings().currentDimStyle});
}

// ---- vertex commands on polylines and multilines

std::vector<Point3>* verticesOf(Shape& shape, bool* closed) {
    if (auto* p = std::get_if<PolylineShape>(&shape)) {
        *closed = p->closed;
        return &p->vertices;
    }
    if (auto* m = std::get_if<MlineShape>(&shape)) {
        *closed = m->closed;
        return &m->vertices;
    }
    return nullptr;
}

double planDistance(const Point3& a, const Point3& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The picked polyline or multiline and its vertices, or nothing.
EntityId pickVertexEntity(Document& doc, const Point3& p) {
    const EntityId id = doc.entityAt(p, doc.pickAperture());
    const Entity* e = doc.drawing().entity(id);
    if (!e || (e->kind() != EntityKind::Polyline && e->kind() != EntityKind::Mline))
        return {};
    return id;
}

int nearestVertex(const std::vector<Point3>& v, const Point3& p) {
    int best = -1;
    double bestD = 1e300;
    for (std::size_t i = 0; i < v.size(); ++i)
        if (const double d = planDistance(v[i], p); d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
        }
    return best;
}

CommandTask vertexTool(Document& doc, int command) {
    Tool t(doc);
    t.ask(command == CmdVertexInsert ? TextId::PickSegment : TextId::PickVertex);
    EntityId id;
    while (!id) {
        if (co_await t.run.nextPoint() != int(InputKind::Point))
            co_return;
        id = pickVertexEntity(doc, t.point());
    }
    const Point3 picked = t.point();
    Point3 target = picked;
    if (command == CmdVertexEdit) {
        t.anchor(picked);
        if (!co_await t.pick(TextId::NewVertexPosition))
            co_return;
        target = t.point();
    }
    Transaction tx(doc.drawing());
    (void)tx.edit(id, [&](Entity& e) {
        bool closed = false;
        auto* v = verticesOf(e.shape, &closed);
        if (!v || v->empty())
            return;
        if (command == CmdVertexInsert) {
            // After the vertex that starts the segment nearest to the pick.
            std::size_t best = 0;
            double bestD = 1e300;
            const std::size_t segments = closed ? v->size() : v->size() - 1;
            for (std::size_t i = 0; i < segments; ++i) {
                const double d = planDistanceToSegment(picked, (*v)[i], (*v)[(i + 1) % v->size()]);
                if (d < bestD) {
                    bestD = d;
                    best = i;
                }
            }
            v->insert(v->begin() + static_cast<std::ptrdiff_t>(best + 1), picked);
        } else if (command == CmdVertexDelete) {
            if (v->size() > 2)
                v->erase(v->begin() + nearestVertex(*v, picked));
        } else {
            (*v)[static_cast<std::size_t>(nearestVertex(*v, picked))] = target;
        }
    });
}

// Rubber band from the last anchored point to the cursor.
std::function<void(int, const Point3&)> rubberFromBase(Document& doc) {
    return [&doc](int mode, const Point3& cursor) {
        auto& run = doc.runner();
        if (mode == 1 && run.basePoint())
            run.drawLine(*run.basePoint(), cursor);
    };
}

std::function<void(int, const Point3&)> rubberRectangle(Document& doc) {
    return [&doc](int mode, const Point3& c) {
        auto& run = doc.runner();
        if (mode == 1 && run.basePoint())
            run.drawBox(*run.basePoint(), c);
    };
}

std::function<void(int, const Point3&)> rubberCircle(Document& doc) {
    return [&doc](int mode, const Point3& c) {
        auto& run = doc.runner();
        if (mode != 1 || !run.basePoint())
            return;
        const Point3 o = *run.basePoint();
        const double r = std::hypot(c.x - o.x, c.y - o.y);
        constexpr int n = 64;
        for (int i = 0; i < n; ++i) {
            const double a = 2 * std::numbers::pi * i / n;
            run.drawAddVertex({o.x + r * std::cos(a), o.y + r * std::sin(a), o.z});
        }
        run.drawPolyline(true);
        run.drawLine(o, c);
    };
}

} // namespace

std::vector<Subscription> registerDrawingTools(Document& doc) {
    Document* d = &doc;
    std::vector<Subscription> tokens;
    const auto add = [&](int id, const char* name, const char* alias,
                         std::function<CommandTask()> run,
                         std::function<void(int, const Point3&)> drag = {}) {
        tokens.push_back(
            doc.addCommand(CommandDef{id, name, alias, 0, std::move(run), std::move(drag)}));
    };
    auto lastBlock = std::make_shared<std::string>();
    add(CmdPoint, "POINT", "PO", [d] { return pointTool(*d); });
    add(
        CmdLine, "LINE", "L", [d] { return lineTool(*d); }, rubberFromBase(doc));
    add(
        CmdRay, "RAY", "", [d] { return infiniteLineTool(*d, true); }, rubberFromBase(doc));
    add(
        CmdXLine, "XLINE", "XL", [d] { return infiniteLineTool(*d, false); }, rubberFromBase(doc));
    add(
        CmdRectangle, "RECTANG", "REC", [d] { return rectangleTool(*d); }, rubberRectangle(doc));
    add(
        CmdCircle, "CIRCLE", "C", [d] { return circleTool(*d); }, rubberCircle(doc));
    add(CmdText, "TEXT", "T", [d] { return textTool(*d); });
    add(
        CmdMText, "MTEXT", "MT", [d] { return mtextTool(*d); }, rubberRectangle(doc));
    add(CmdInsertBlock, "INSERT", "I", [d, lastBlock] { return insertTool(*d, *lastBlock); });
    add(
        CmdDimLinear, "DIMLINEAR", "DLI", [d] { return dimensionTool(*d, false); },
        rubberFromBase(doc));
    add(
        CmdDimAligned, "DIMALIGNED", "DAL", [d] { return dimensionTool(*d, true); },
        rubberFromBase(doc));
    add(CmdVertexInsert, "VERTEXINSERT", "", [d] { return vertexTool(*d, CmdVertexInsert); });
    add(CmdVertexDelete, "VERTEXDELETE", "", [d] { return vertexTool(*d, CmdVertexDelete); });
    add(
        CmdVertexEdit, "VERTEXEDIT", "", [d] { return vertexTool(*d, CmdVertexEdit); },
        rubberFromBase(doc));
    return tokens;
}

} // namespace quadrilo::cad
