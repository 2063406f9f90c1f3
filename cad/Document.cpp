// One open drawing: the user's operations, selection, picking, grips, commands, clipboard and
// file, and the events they raise.
#include "cad/Document.h"

#include "cad/BlockNesting.h"

#include "cad/ByteIo.h"
#include "cad/Clipboard.h"
#include "cad/DrawingFile.h"
#include "cad/Engine.h"

#include <algorithm>
#include <filesystem>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <unordered_set>

namespace quadrilo::cad {
namespace {

// Beyond this many outline segments the move preview stops: it follows the cursor, not the
// whole of a large selection.
constexpr std::size_t maxPreviewSegments = 20000;

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

double cross(const Point3& o, const Point3& a, const Point3& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool onSegment(const Point3& a, const Point3& b, const Point3& p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Plan intersection of two closed segments, touching included.
bool segmentsMeet(const Point3& a, const Point3& b, const Point3& c, const Point3& d) {
    const double d1 = cross(c, d, a);
    const double d2 = cross(c, d, b);
    const double d3 = cross(a, b, c);
    const double d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && onSegment(c, d, a)) || (d2 == 0 && onSegment(c, d, b)) ||
           (d3 == 0 && onSegment(a, b, c)) || (d4 == 0 && onSegment(a, b, d));
}

std::vector<std::pair<Point3, Point3>> edgesOf(const std::vector<Point3>& poly) {
    std::vector<std::pair<Point3, Point3>> edges;
    for (std::size_t i = 0; i < poly.size(); ++i)
        edges.emplace_back(poly[i], poly[(i + 1) % poly.size()]);
    return edges;
}

bool meetsAny(const std::pair<Point3, Point3>& s,
              const std::vector<std::pair<Point3, Point3>>& edges) {
    for (const auto& e : edges)
        if (segmentsMeet(s.first, s.second, e.first, e.second))
            return true;
    return false;
}

// A four-vertex polygon whose sides follow the axes: selection by it is a window query.
std::optional<Extent> axisRectangle(const std::vector<Point3>& poly) {
    if (poly.size() != 4)
        return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i) {
        const Point3& a = poly[i];
        const Point3& b = poly[(i + 1) % 4];
        if (a.x != b.x && a.y != b.y)
            return std::nullopt;
    }
    Extent e = Extent::of(poly[0]);
    for (const Point3& p : poly)
        e.add(p);
    return e;
}

} // namespace

std::optional<double> parseNumber(const std::string& input) {
    const std::string text = trim(input);
    const char* first = text.data();
    const char* last = first + text.size();
    if (first < last && *first == '+')
        ++first;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// "distance<angle", the angle in degrees counter-clockwise from +X.
std::optional<Point3> parsePolar(const std::string& text) {
    const auto at = text.find('<');
    const auto distance = parseNumber(text.substr(0, at));
    const auto angle = parseNumber(text.substr(at + 1));
    if (!distance || !angle)
        return std::nullopt;
    const double radians = *angle * std::numbers::pi / 180.0;
    return Point3{*distance * std::cos(radians), *distance * std::sin(radians), 0.0};
}

} // namespace

std::optional<Point3> parseCoordinates(const std::string& input, const Point3& last) {
    std::string text = trim(input);
    const bool relative = !text.empty() && text.front() == '@';
    if (relative)
        text.erase(0, 1);
    if (text.find('<') != std::string::npos) {
        const auto polar = parsePolar(text);
        if (!polar)
            return std::nullopt;
        return relative ? last + *polar : Point3{polar->x, polar->y, last.z};
    }
    double values[3] = {0.0, 0.0, 0.0};
    int count = 0;
    const char* p = text.data();
    const char* end = text.data() + text.size();
    while (p < end || count == 0) {
        if (count == 3)
            return std::nullopt;
        while (p < end && *p == ' ')
            ++p;
        if (p < end && *p == '+')
            ++p;
        const auto [next, ec] = std::from_chars(p, end, values[count]);
        if (ec != std::errc() || !std::isfinite(values[count]))
            return std::nullopt;
        ++count;
        p = next;
        while (p < end && *p == ' ')
            ++p;
        if (p == end)
            break;
        if (*p != ',')
            return std::nullopt;
        ++p;
    }
    if (count < 2)
        return std::nullopt;
    Point3 point{values[0], values[1], count == 3 ? values[2] : (relative ? 0.0 : last.z)};
    return relative ? last + point : point;
}

Document::Document(Engine& engine)
    : m_engine(engine), m_drawing(std::make_unique<Drawing>()),
      m_runner(
          [this](const CommandDef& def) { beginCommand(def); },
          [this](const CommandDef& def, const std::string& error) { endCommand(def, error); }) {
    m_drawing->attachEvents(&m_events);
    // Whatever a transaction, undo or redo took away cannot stay selected; then views repaint.
    m_onCompleted = m_events.completed.subscribe([this] {
        pruneSelection();
        m_events.changed.notify();
    });
    registerBuiltins();
}

Document::~Document() {
    m_runner.cancel();
}

const TextTable& Document::texts() const {
    return m_engine.texts();
}

// ---------------------------------------------------------------- commands and their steps

void Document::beginCommand(const CommandDef& def) {
    if (def.undoStep)
        m_commandStep.emplace(*m_drawing);
}

void Document::endCommand(const CommandDef& def, const std::string& error) {
    // A command that failed takes its partial change back: no half-made element stays.
    if (m_commandStep && !error.empty())
        m_commandStep->rollback();
    m_commandStep.reset();
    if (!error.empty())
        prompt(texts().format(TextId::CommandFailed, {error}));
    m_events.commandEnded.notify(def.id);
    m_events.changed.notify();
}

Subscription Document::addCommand(CommandDef def) {
    if (def.id <= 0 || m_commands.count(def.id) || !def.run || trim(def.name).empty() ||
        commandByName(def.name) || (!def.alias.empty() && commandByName(def.alias)))
        return {};
    const int id = def.id;
    m_commands.emplace(id, std::move(def));
    return Subscription(m_lifetime, [this, id] { removeCommand(id); });
}

void Document::removeCommand(int id) {
    // The owner of a waiting command is going: the command must not run on without it.
    if (m_runner.activeId() == id && !m_runner.executing())
        m_runner.cancel();
    m_commands.erase(id);
    if (m_lastCommand == id)
        m_lastCommand = 0;
}

const CommandDef* Document::command(int id) const {
    const auto it = m_commands.find(id);
    return it == m_commands.end() ? nullptr : &it->second;
}

const CommandDef* Document::commandByName(const std::string& nameOrAlias) const {
    const std::string wanted = upper(trim(nameOrAlias));
    if (wanted.empty())
        return nullptr;
    for (const auto& [id, def] : m_commands)
        if (upper(def.name) == wanted || (!def.alias.empty() && upper(def.alias) == wanted))
            return &def;
    return nullptr;
}

bool Document::execute(int id) {
    if (m_events.executing.ask(id) == Verdict::Refuse)
        return true; // a handler did the work instead
    const CommandDef* def = command(id);
    if (!def || !m_runner.start(*def))
        return false;
    m_lastCommand = id;
    m_events.changed.notify();
    return true;
}

// Input may change the drawing inside the command's open step: the views repaint at once.
bool Document::afterInput(std::uint64_t revisionBefore, bool fed) {
    if (fed && m_drawing->revision() != revisionBefore)
        m_events.changed.notify();
    return fed;
}

bool Document::typeText(const std::string& input) {
    const std::string text = trim(input);
    if (m_runner.waiting())
        return answerWaitingCommand(text);
    if (text.empty())
        return m_lastCommand != 0 && execute(m_lastCommand);
    if (const CommandDef* def = commandByName(text))
        return execute(def->id);
    prompt(texts().format(TextId::UnknownCommand, {text}));
    return false;
}

// The waiting command's request decides how the line reads: its keywords first, a text answer
// as typed, then a point, a command name, and what is left as text where text is welcome.
bool Document::answerWaitingCommand(const std::string& text) {
    const std::uint64_t revision = m_drawing->revision();
    const InputRequest& request = m_runner.request();
    if (text.empty())
        return afterInput(revision, m_runner.enter());
    for (const std::string& keyword : request.keywords)
        if (upper(keyword) == upper(text))
            return afterInput(revision, m_runner.text(keyword));
    if (request.expect == Expect::Text)
        return afterInput(revision, m_runner.text(text));
    if (const auto p = typedPoint(text)) {
        m_cursor = *p;
        return afterInput(revision, m_runner.point(*p));
    }
    if (const CommandDef* def = commandByName(text))
        return execute(def->id);
    if (request.expect == Expect::Point) {
        // A typo must not end the command: say so and ask the same question again.
        const std::string question = m_prompt;
        prompt(TextId::InvalidPoint);
        prompt(question);
        return false;
    }
    return afterInput(revision, m_runner.text(text));
}

// Coordinates as typed, or at a point prompt after a first point a bare distance along the
// cursor's direction from it.
std::optional<Point3> Document::typedPoint(const std::string& text) const {
    const Point3 last = m_runner.lastPoint();
    if (auto p = parseCoordinates(text, last))
        return p;
    const auto base = m_runner.basePoint();
    if (m_runner.request().expect != Expect::Point || !base)
        return std::nullopt;
    const std::optional<double> distance = parseNumber(text);
    const double dx = m_cursor.x - base->x, dy = m_cursor.y - base->y;
    const double length = std::hypot(dx, dy);
    if (!distance || length == 0.0)
        return std::nullopt;
    return Point3{base->x + dx / length * *distance, base->y + dy / length * *distance, base->z};
}

bool Document::inputPoint(const Point3& p) {
    m_cursor = p;
    const std::uint64_t revision = m_drawing->revision();
    return afterInput(revision, m_runner.point(p));
}

void Document::cancelCommand() {
    m_runner.cancel();
}

void Document::addBuiltin(CommandDef def) {
    m_commands.emplace(def.id, std::move(def));
}

void Document::registerBuiltins() {
    // Commands that act at once; when there was nothing to act on they say so.
    auto addImmediate = [this](int id, const char* name, const char* alias,
                               std::function<bool()> act, TextId nothing, bool undoStep) {
        CommandDef def{id, name, alias, 0, [this, act, nothing] {
                           return immediately([this, act, nothing] {
                               if (!act())
                                   prompt(nothing);
                           });
                       }};
        def.undoStep = undoStep;
        addBuiltin(std::move(def));
    };
    addImmediate(
        CmdUndo, "UNDO", "U", [this] { return undo(); }, TextId::NothingToUndo, false);
    addImmediate(
        CmdRedo, "REDO", "", [this] { return redo(); }, TextId::NothingToRedo, false);
    addImmediate(
        CmdCopy, "COPYCLIP", "", [this] { return copySelection(); }, TextId::NothingSelected,
        false);
    addImmediate(
        CmdErase, "ERASE", "E", [this] { return eraseSelection() > 0; }, TextId::NothingSelected,
        true);
    auto preview = [this](int mode, const Point3& cursor) { drawMovePreview(mode, cursor); };
    addBuiltin(CommandDef{CmdMove, "MOVE", "M", 0, [this] { return moveCommand(); }, preview});
    addBuiltin(
        CommandDef{CmdPaste, "PASTECLIP", "", 0, [this] { return pasteCommand(); }, preview});
}

// The rubber band of MOVE and paste: the selection box while objects are picked, then the line
// from the base point and the selected entities' outlines where they would go.
void Document::drawMovePreview(int mode, const Point3& cursor) {
    if (mode != 1)
        return;
    if (m_selectionCorner) {
        m_runner.drawBox(*m_selectionCorner, cursor);
        return;
    }
    const auto base = m_runner.basePoint();
    if (!base)
        return;
    m_runner.drawLine(*base, cursor);
    const Point3 d = cursor - *base;
    std::vector<std::pair<Point3, Point3>> outline;
    for (const EntityId id : m_selection.entities()) {
        if (outline.size() >= maxPreviewSegments)
            break;
        if (const Entity* e = m_drawing->entity(id))
            m_drawing->outlineOf(*e, outline);
    }
    for (const auto& [a, b] : outline)
        m_runner.drawLine(a + d, b + d);
}

// Picks objects until Enter: a click on an entity takes it, a click on empty space opens a
// window to the second click (left to right inside, right to left crossing too).
CommandTask Document::pickObjects() {
    prompt(TextId::SelectObjects);
    for (;;) {
        if (co_await m_runner.nextPoint() != int(InputKind::Point))
            co_return;
        const Point3 at = m_runner.inputPoint();
        std::size_t found = 0;
        if (const EntityId id = entityAt(at, m_pickAperture)) {
            found = select(id, true) ? 1 : 0;
        } else {
            m_selectionCorner = at;
            prompt(TextId::OppositeCorner);
            const int input = co_await m_runner.nextPoint();
            m_selectionCorner.reset();
            if (input != int(InputKind::Point))
                co_return;
            const Point3 other = m_runner.inputPoint();
            Extent window = Extent::of(at);
            window.add(other);
            found = selectWindow(window, other.x < at.x, true);
        }
        prompt(texts().format(TextId::SelectObjectsFound,
                              {std::to_string(found), std::to_string(m_selection.size())}));
    }
}

CommandTask Document::moveSelection(bool& moved) {
    if (m_selection.empty()) {
        co_await pickObjects();
        if (m_selection.empty() || m_runner.inputKind() != InputKind::Enter)
            co_return;
    }
    prompt(TextId::BasePoint);
    if (co_await m_runner.nextPoint() != int(InputKind::Point))
        co_return;
    const Point3 base = m_runner.inputPoint();
    m_runner.points().push_back(base);
    m_runner.setBasePoint(base);
    prompt(TextId::SecondPoint);
    if (co_await m_runner.nextPoint() != int(InputKind::Point))
        co_return;
    m_runner.points().push_back(m_runner.inputPoint());
    // A copy: the move's handlers may change the selection.
    moveEntities(std::vector<EntityId>(m_selection.entities()), m_runner.inputPoint() - base);
    moved = true;
}

CommandTask Document::moveCommand() {
    bool moved = false;
    co_await moveSelection(moved);
}

CommandTask Document::pasteCommand() {
    // The engine's own paste: copies in place, then moved like the move command. Stopped before
    // the copies reach their place, it leaves the drawing as it was.
    const PasteResult pasted = paste(Point3{});
    if (pasted.pasted == 0) {
        switch (pasted.error) {
        case PasteError::Damaged:
            prompt(texts().format(TextId::ClipboardDamaged, {pasted.detail}));
            break;
        case PasteError::Refused:
            prompt(texts().format(TextId::ClipboardRefused, {pasted.detail}));
            break;
        case PasteError::None:
        case PasteError::NothingToPaste:
            prompt(texts().text(TextId::ClipboardEmpty));
            break;
        }
        co_return;
    }
    bool moved = false;
    co_await moveSelection(moved);
    if (!moved && m_commandStep)
        m_commandStep->rollback();
}

// ---------------------------------------------------------------- file

void Document::adopt(std::unique_ptr<Drawing> drawing) {
    m_drawing = std::move(drawing);
    m_drawing->attachEvents(&m_events);
    beginHistory(); // whatever built the drawing in memory is no step of the user's
}

void Document::beginHistory() {
    if (!m_runner.executing())
        m_drawing->clearUndo();
}

FileResult Document::open(const std::string& path) {
    if (path.empty())
        return {FileError::NoFileName, path, {}};
    if (m_runner.executing())
        return {FileError::InsideCommand, path, {}};
    const DrawingFormat* format = m_engine.formats().forPath(path);
    if (!format || !format->read)
        return {FileError::UnknownFormat, path, {}};
    // A folder or a device is refused whatever its name; a missing file is the format's to word.
    if (std::error_code missing; std::filesystem::exists(path, missing))
        if (FileResult check = checkRegularFile(path); !check)
            return check;
    OpenResult result = format->read(path);
    if (!result.drawing)
        return result.status;
    m_runner.cancel();
    clearSelection();
    adopt(std::move(result.drawing));
    m_fileName = path;
    m_events.changed.notify();
    return result.status;
}

FileResult Document::saveCopy(const std::string& path) const {
    if (path.empty())
        return {FileError::NoFileName, path, {}};
    const DrawingFormat* format = m_engine.formats().forPath(path);
    if (!format || !format->write)
        return {FileError::UnknownFormat, path, {}};
    return format->write(*m_drawing, path);
}

FileResult Document::save(const std::string& path) {
    FileResult result = saveCopy(path);
    if (result) {
        m_fileName = path;
        m_drawing->setDirty(false);
    }
    return result;
}

// ---------------------------------------------------------------- entities

std::size_t Document::eraseSelection() {
    const std::vector<EntityId> ids = m_selection.entities();
    std::size_t erased = 0;
    {
        Transaction tx(*m_drawing);
        for (EntityId id : ids)
            erased += tx.erase(id) ? 1 : 0;
    }
    clearSelection(); // what a handler kept stays, but not selected
    return erased;
}

std::size_t Document::moveEntities(const std::vector<EntityId>& ids, const Point3& d) {
    std::size_t moved = 0;
    Transaction tx(*m_drawing);
    for (EntityId id : ids)
        moved += tx.move(id, d) ? 1 : 0;
    return moved;
}

bool Document::dragGrip(EntityId id, int grip, const Point3& d) {
    Transaction tx(*m_drawing);
    return tx.dragGrip(id, grip, d);
}

std::vector<Point3> Document::grips(EntityId id) const {
    const Entity* e = m_drawing->entity(id);
    return e ? gripPoints(e->shape) : std::vector<Point3>{};
}

bool Document::setCurrentLayer(LayerId layer) {
    if (!m_drawing->layer(layer))
        return false;
    m_drawing->settings().currentLayer = layer;
    m_events.changed.notify();
    return true;
}

void Document::setViewAngles(double hor, double ver) {
    m_drawing->settings().view.angleHor = hor;
    m_drawing->settings().view.angleVer = ver;
    m_events.changed.notify();
}

// ---------------------------------------------------------------- selection

// Hidden and locked entities, and those of hidden or locked layers, are out of the user's reach.
bool Document::selectable(const Entity& e) const {
    const Layer* layer = m_drawing->layer(e.layer);
    return e.visible && !e.locked && !e.owner && layer && layer->visible && !layer->locked;
}

bool Document::select(EntityId id, bool on) {
    const Entity* e = m_drawing->entity(id);
    if (!e || e->owner || m_selection.contains(id) == on)
        return false;
    applySelection({id}, on);
    return true;
}

std::size_t Document::selectEntities(std::vector<EntityId> ids, bool on) {
    std::erase_if(ids, [this](EntityId id) {
        const Entity* e = m_drawing->entity(id);
        return !e || e->owner;
    });
    return applySelection(std::move(ids), on);
}

void Document::clearSelection() {
    if (m_selection.empty())
        return;
    SelectionChange change{{}, m_selection.entities()};
    m_selection.clear();
    m_events.selectionChanged.notify(change);
}

void Document::pruneSelection() {
    SelectionChange change;
    change.deselected = m_selection.removeIf([this](EntityId id) {
        const Entity* e = m_drawing->entity(id);
        return !e || e->owner;
    });
    if (!change.deselected.empty())
        m_events.selectionChanged.notify(change);
}

void Document::inDrawingOrder(std::vector<EntityId>& ids) const {
    if (ids.size() < 2)
        return;
    const std::unordered_set<EntityId> wanted(ids.begin(), ids.end());
    std::vector<LayerId> layers;
    for (EntityId id : ids)
        layers.push_back(m_drawing->entity(id)->layer);
    std::sort(layers.begin(), layers.end());
    layers.erase(std::unique(layers.begin(), layers.end()), layers.end());
    ids.clear();
    for (LayerId layer : m_drawing->layerOrder()) {
        if (!std::binary_search(layers.begin(), layers.end(), layer))
            continue;
        for (EntityId id = m_drawing->firstInLayer(layer); id; id = m_drawing->nextEntity(id))
            if (wanted.count(id))
                ids.push_back(id);
    }
}

// Returns how many entities the action found; the event names those whose state changed.
std::size_t Document::applySelection(std::vector<EntityId> ids, bool on) {
    inDrawingOrder(ids);
    SelectionChange change;
    std::vector<EntityId>& changed = on ? change.selected : change.deselected;
    for (EntityId id : ids)
        if (on ? m_selection.add(id) : m_selection.remove(id))
            changed.push_back(id);
    if (!changed.empty())
        m_events.selectionChanged.notify(change);
    return ids.size();
}

std::size_t Document::selectWindow(const Extent& w, bool crossing, bool on) {
    std::vector<EntityId> found;
    if (!crossing) {
        for (EntityId id : m_drawing->entitiesInside(w))
            if (selectable(*m_drawing->entity(id)))
                found.push_back(id);
        return applySelection(std::move(found), on);
    }
    const std::vector<Point3> box{
        {w.minX, w.minY, 0}, {w.maxX, w.minY, 0}, {w.maxX, w.maxY, 0}, {w.minX, w.maxY, 0}};
    return selectPolygon(box, true, on);
}

std::size_t Document::selectPolygon(const std::vector<Point3>& polygon, bool crossing, bool on) {
    if (polygon.size() < 3)
        return 0;
    const std::optional<Extent> rect = axisRectangle(polygon);
    if (rect && !crossing)
        return selectWindow(*rect, false, on);
    Extent extent = Extent::of(polygon.front());
    for (const Point3& p : polygon)
        extent.add(p);
    const auto edges = edgesOf(polygon);
    std::vector<EntityId> found;
    std::vector<std::pair<Point3, Point3>> outline;
    for (EntityId id : m_drawing->entitiesMeeting(extent)) {
        const Entity& e = *m_drawing->entity(id);
        if (!selectable(e) || (!crossing && isInfinite(e.shape)))
            continue;
        outline.clear();
        m_drawing->outlineOf(e, outline);
        bool take = !crossing;
        for (const auto& seg : outline) {
            const bool in = insidePolygon(polygon, seg.first) && insidePolygon(polygon, seg.second);
            if (crossing && (in || meetsAny(seg, edges))) {
                take = true;
                break;
            }
            if (!crossing && (!in || meetsAny(seg, edges))) {
                take = false;
                break;
            }
        }
        if (take)
            found.push_back(id);
    }
    return applySelection(std::move(found), on);
}

std::size_t Document::selectFence(const std::vector<std::pair<Point3, Point3>>& fence, bool on) {
    if (fence.empty())
        return 0;
    Extent extent = Extent::of(fence.front().first);
    for (const auto& [a, b] : fence) {
        extent.add(a);
        extent.add(b);
    }
    std::vector<EntityId> found;
    std::vector<std::pair<Point3, Point3>> outline;
    for (EntityId id : m_drawing->entitiesMeeting(extent)) {
        const Entity& e = *m_drawing->entity(id);
        if (!selectable(e))
            continue;
        outline.clear();
        m_drawing->outlineOf(e, outline);
        if (std::any_of(outline.begin(), outline.end(),
                        [&](const auto& seg) { return meetsAny(seg, fence); }))
            found.push_back(id);
    }
    return applySelection(std::move(found), on);
}

std::size_t Document::selectLayer(LayerId layer, bool on) {
    // Hidden entities count (a hidden grillage is still erased whole); locked ones do not.
    std::vector<EntityId> found;
    for (EntityId id = m_drawing->firstInLayer(layer); id; id = m_drawing->nextEntity(id))
        if (!m_drawing->entity(id)->locked)
            found.push_back(id);
    return applySelection(std::move(found), on);
}

EntityId Document::entityAt(const Point3& p, double aperture) {
    const Extent window{p.x - aperture, p.y - aperture, p.x + aperture, p.y + aperture};
    EntityId best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (EntityId id : m_drawing->entitiesMeeting(window)) {
        const Entity& e = *m_drawing->entity(id);
        if (!selectable(e))
            continue;
        const double d = m_drawing->distanceTo(e, p);
        // Of equal distances the later entity wins: it is drawn on top.
        if (d <= aperture && (d < bestDistance || (d == bestDistance && id > best))) {
            best = id;
            bestDistance = d;
        }
    }
    return best;
}

// ---------------------------------------------------------------- pointer events

void Document::reportMouseMove(const Point3& p) {
    m_cursor = p;
    m_events.mouseMoved.notify(p);
}

bool Document::reportDoubleClick(const Point3& p) {
    m_cursor = p;
    return m_events.doubleClicked.ask(p) == Verdict::Refuse;
}

// ---------------------------------------------------------------- clipboard

bool Document::copySelection() {
    if (m_selection.empty())
        return false;
    std::vector<EntityId> ids = m_selection.entities();
    inDrawingOrder(ids);
    m_engine.clipboard().setData(EntityClipboardMime, encodeEntities(*m_drawing, ids));
    return true;
}

PasteResult Document::paste(const Point3& offset) {
    Clipboard& clipboard = m_engine.clipboard();
    if (!clipboardHoldsEntities(clipboard))
        return {0, PasteError::NothingToPaste, {}};
    ClipboardContent content;
    try {
        content = decodeEntities(clipboard.data(EntityClipboardMime));
    } catch (const FormatError& e) {
        return {0, PasteError::Damaged, e.what()};
    }
    std::vector<EntityId> pasted;
    {
        Transaction tx(*m_drawing);
        const Drawing& d = *m_drawing;
        std::map<std::uint32_t, LayerId> layers;
        for (const auto& [stored, layer] : content.layers)
            layers[stored] = tx.addLayer(layer); // an existing layer of that name stays as it is
        std::map<std::uint32_t, DimStyleId> dimStyles;
        for (const auto& [stored, style] : content.dimStyles) {
            const DimStyleId existing = d.dimStyleByName(style.name);
            dimStyles[stored] = existing ? existing : tx.addDimStyle(style);
        }
        std::map<std::uint32_t, BlockId> blocks;
        auto remap = [&](Entity& e) {
            e.layer = layers[e.layer.value];
            if (auto* ins = std::get_if<InsertShape>(&e.shape))
                ins->block = blocks[ins->block.value];
            if (auto* dim = std::get_if<DimensionShape>(&e.shape))
                dim->style = dimStyles.count(dim->style.value) ? dimStyles[dim->style.value]
                                                               : d.settings().currentDimStyle;
        };
        // A block of the same name in this drawing is taken as the same block; the others are
        // added, and filled once the joined blocks are known to nest soundly.
        std::vector<std::pair<BlockId, ClipboardContent::StoredBlock*>> added;
        for (auto& stored : content.blocks) {
            BlockId id = d.blockByName(stored.block.name);
            if (!id) {
                id = tx.addBlock(stored.block.name, stored.block.base);
                added.emplace_back(id, &stored);
            }
            blocks[stored.storedId] = id;
        }
        BlockNesting nesting;
        nesting.addDrawing(d);
        for (const auto& [id, stored] : added)
            for (const Entity& e : stored->entities)
                if (const auto* ins = std::get_if<InsertShape>(&e.shape))
                    nesting.addInsert(id.value, blocks[ins->block.value].value);
        if (const NestingVerdict v = nesting.verdict(); v != NestingVerdict::Fine) {
            tx.rollback();
            return {0, PasteError::Refused, nestingProblem(v)};
        }
        for (const auto& [id, stored] : added) {
            for (Entity& e : stored->entities) {
                remap(e);
                (void)tx.addToBlock(id, std::move(e));
            }
        }
        for (Entity& e : content.entities) {
            remap(e);
            translate(e.shape, offset);
            if (const EntityId id = tx.add(std::move(e)))
                pasted.push_back(id);
        }
    }
    clearSelection();
    applySelection(pasted, true);
    return {pasted.size(), PasteError::None, {}};
}

// ---------------------------------------------------------------- undo and prompts

bool Document::undo() {
    m_runner.cancel();
    return m_drawing->undo();
}

bool Document::redo() {
    m_runner.cancel();
    return m_drawing->redo();
}

void Document::prompt(const std::string& text) {
    m_prompt = text;
    m_events.prompted.notify(text);
}

} // namespace quadrilo::cad
