// One open drawing: the operations that raise events, selection, picking, grips, commands,
// clipboard and file.
#include "Document.h"

#include "ByteIo.h"
#include "Clipboard.h"
#include "DrawingFile.h"
#include "Engine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <unordered_set>

namespace cad {
namespace {

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

bool insidePolygon(const std::vector<Point3>& poly, const Point3& p) {
    bool inside = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        if ((poly[i].y > p.y) != (poly[j].y > p.y) &&
            p.x < (poly[j].x - poly[i].x) * (p.y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
            inside = !inside;
    }
    return inside;
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

std::optional<Point3> parseCoordinates(const std::string& input, const Point3& last) {
    std::string text = trim(input);
    const bool relative = !text.empty() && text.front() == '@';
    if (relative)
        text.erase(0, 1);
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

Document::Document(Engine& engine, int handle)
    : m_engine(engine), m_handle(handle), m_drawing(std::make_unique<Drawing>()),
      m_runner([this] { m_drawing->beginGroup(); }, [this] { endCommand(); }) {
    registerBuiltins();
}

Document::~Document() {
    m_runner.cancel();
}

void Document::endCommand() {
    m_drawing->endGroup();
    if (!m_runner.lastError().empty()) {
        std::string message = m_engine.text(EngineText::CommandFailed);
        if (const auto at = message.find("%s"); at != std::string::npos)
            message.replace(at, 2, m_runner.lastError());
        prompt(message);
    }
    notifyChanged();
}

// ---------------------------------------------------------------- file

bool Document::open(const std::string& path, std::string& error) {
    OpenResult result = openDrawing(path);
    if (!result.drawing) {
        error = result.error;
        return false;
    }
    m_runner.cancel();
    m_selection.clear();
    m_vertices.clear();
    m_drawing = std::move(result.drawing);
    m_fileName = path;
    notifyChanged();
    return true;
}

bool Document::save(const std::string& path, std::string& error) {
    const SaveResult result = saveDrawing(*m_drawing, path);
    if (!result.ok) {
        error = result.error;
        return false;
    }
    m_fileName = path;
    m_drawing->setDirty(false);
    return true;
}

// ---------------------------------------------------------------- entities

EntityId Document::add(Entity entity) {
    const EntityId id = m_drawing->addEntity(std::move(entity));
    m_engine.fire(m_engine.events().entCreate, m_handle, id);
    return id;
}

bool Document::erase(EntityId id) {
    if (!m_drawing->entity(id))
        return false;
    if (m_engine.fire(m_engine.events().entErase, m_handle, id) == 1)
        return false;
    m_selection.remove(id);
    return m_drawing->eraseEntity(id);
}

std::size_t Document::eraseSelection() {
    const std::vector<EntityId> ids = m_selection.entities();
    m_selection.clear();
    std::size_t erased = 0;
    UndoGroup group(*m_drawing);
    for (EntityId id : ids)
        erased += erase(id) ? 1 : 0;
    return erased;
}

std::size_t Document::moveEntities(const std::vector<EntityId>& ids, const Point3& d) {
    std::size_t moved = 0;
    UndoGroup group(*m_drawing);
    for (EntityId id : ids) {
        if (!m_drawing->entity(id))
            continue;
        Point3 shift = d;
        if (m_engine.fire(m_engine.events().entMove, m_handle, id, shift) == 1)
            continue;
        moved += m_drawing->editEntity(id, [&](Entity& e) { translate(e.shape, shift); }) ? 1 : 0;
    }
    return moved;
}

// ---------------------------------------------------------------- selection

// Hidden and locked entities, and those of hidden or locked layers, are out of the user's reach.
bool Document::selectable(const Entity& e) const {
    const Layer* layer = m_drawing->layer(e.layer);
    return e.visible && !e.locked && !e.owner && layer && layer->visible && !layer->locked;
}

bool Document::select(EntityId id, bool on) {
    const Entity* e = m_drawing->entity(id);
    if (!e || e->owner)
        return false;
    const bool changed = on ? m_selection.add(id) : m_selection.remove(id);
    if (changed)
        m_engine.fire(m_engine.events().entSelect, m_handle, id, on);
    return changed;
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

std::size_t Document::applySelection(std::vector<EntityId> ids, bool on) {
    inDrawingOrder(ids);
    for (EntityId id : ids)
        on ? m_selection.add(id) : m_selection.remove(id);
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

// ---------------------------------------------------------------- pointer events and grips

void Document::reportMouseMove(const Point3& p) {
    m_cursor = p;
    m_engine.fire(m_engine.events().mouseMove, m_handle, p);
}

bool Document::reportDoubleClick(const Point3& p) {
    m_cursor = p;
    return m_engine.fire(m_engine.events().mouseDblClk, m_handle, p) == 1;
}

std::vector<Point3> Document::grips(EntityId id) const {
    const Entity* e = m_drawing->entity(id);
    return e ? gripPoints(e->shape) : std::vector<Point3>{};
}

bool Document::dragGrip(EntityId id, int grip, const Point3& d) {
    const Entity* e = m_drawing->entity(id);
    if (!e || grip < 0 || static_cast<std::size_t>(grip) >= gripPoints(e->shape).size())
        return false;
    Point3 shift = d;
    if (m_engine.fire(m_engine.events().gripMove, m_handle, id, grip, shift) == 1)
        return false;
    if (!m_drawing->editEntity(id, [&](Entity& changed) { moveGrip(changed.shape, grip, shift); }))
        return false;
    m_engine.fire(m_engine.events().entChange, m_handle, id);
    return true;
}

// ---------------------------------------------------------------- commands

bool Document::addCommand(CommandDef def) {
    if (def.id <= 0 || m_commands.count(def.id) || !def.run || trim(def.name).empty() ||
        commandByName(def.name) || (!def.alias.empty() && commandByName(def.alias)))
        return false;
    m_commands.emplace(def.id, std::move(def));
    return true;
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
    if (m_engine.fire(m_engine.events().execute, m_handle, id) == 1)
        return true; // a handler did the work instead
    const CommandDef* def = command(id);
    if (!def || !m_runner.start(*def))
        return false;
    m_lastCommand = id;
    notifyChanged();
    return true;
}

bool Document::typeText(const std::string& input) {
    const std::string text = trim(input);
    if (m_runner.waiting()) {
        if (text.empty())
            return m_runner.enter();
        if (const auto p = parseCoordinates(text, m_runner.lastPoint())) {
            m_cursor = *p;
            return m_runner.point(*p);
        }
        if (const CommandDef* def = commandByName(text))
            return execute(def->id);
        return m_runner.text(text);
    }
    if (text.empty())
        return m_lastCommand != 0 && execute(m_lastCommand);
    if (const CommandDef* def = commandByName(text))
        return execute(def->id);
    std::string message = m_engine.text(EngineText::UnknownCommand);
    if (const auto at = message.find("%s"); at != std::string::npos)
        message.replace(at, 2, text);
    prompt(message);
    return false;
}

void Document::addBuiltin(int id, const char* name, const char* alias,
                          std::function<CommandTask()> run,
                          std::function<void(int, const Point3&)> drag) {
    m_commands.emplace(id, CommandDef{id, name, alias, 0, std::move(run), std::move(drag)});
}

namespace {

CommandTask immediate(std::function<void()> action) {
    action();
    co_return;
}

} // namespace

void Document::registerBuiltins() {
    addBuiltin(CmdUndo, "UNDO", "U", [this] {
        return immediate([this] {
            if (!undo())
                prompt(m_engine.text(EngineText::NothingToUndo));
        });
    });
    addBuiltin(CmdRedo, "REDO", "", [this] {
        return immediate([this] {
            if (!redo())
                prompt(m_engine.text(EngineText::NothingToRedo));
        });
    });
    addBuiltin(CmdCopy, "COPYCLIP", "", [this] {
        return immediate([this] {
            if (!copySelection())
                prompt(m_engine.text(EngineText::NothingSelected));
        });
    });
    addBuiltin(CmdErase, "ERASE", "E", [this] {
        return immediate([this] {
            if (eraseSelection() == 0)
                prompt(m_engine.text(EngineText::NothingSelected));
        });
    });
    auto rubberLine = [this](int mode, const Point3& cursor) {
        if (mode == 1 && m_runner.basePoint())
            m_runner.drawLine(*m_runner.basePoint(), cursor);
    };
    addBuiltin(
        CmdMove, "MOVE", "M", [this] { return moveCommand(); }, rubberLine);
    addBuiltin(
        CmdPaste, "PASTECLIP", "", [this] { return pasteCommand(); }, rubberLine);
}

CommandTask Document::moveCommand() {
    if (m_selection.empty()) {
        prompt(m_engine.text(EngineText::SelectObjects));
        for (;;) {
            const auto input = static_cast<InputKind>(co_await m_runner.nextInput());
            if (input == InputKind::Point) {
                if (const EntityId id = entityAt(m_runner.inputPoint(), m_pickAperture))
                    select(id, true);
                continue;
            }
            if (input == InputKind::Enter && !m_selection.empty())
                break;
            co_return;
        }
    }
    prompt(m_engine.text(EngineText::BasePoint));
    if (co_await m_runner.nextInput() != int(InputKind::Point))
        co_return;
    const Point3 base = m_runner.inputPoint();
    m_runner.points().push_back(base);
    m_runner.setBasePoint(base);
    prompt(m_engine.text(EngineText::SecondPoint));
    if (co_await m_runner.nextInput() != int(InputKind::Point))
        co_return;
    m_runner.points().push_back(m_runner.inputPoint());
    moveEntities(m_selection.entities(), m_runner.inputPoint() - base);
    notifyChanged();
}

CommandTask Document::pasteCommand() {
    // The engine's own paste: copies in place, then moved like the move command.
    std::string error;
    if (paste(Point3{}, error) == 0) {
        prompt(error.empty() ? m_engine.text(EngineText::ClipboardEmpty) : error);
        co_return;
    }
    co_await moveCommand();
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

std::size_t Document::paste(const Point3& offset, std::string& error) {
    Clipboard& clipboard = m_engine.clipboard();
    if (!clipboardHoldsEntities(clipboard))
        return 0;
    ClipboardContent content;
    try {
        content = decodeEntities(clipboard.data(EntityClipboardMime));
    } catch (const FormatError& e) {
        error = e.what();
        return 0;
    }
    Drawing& d = *m_drawing;
    UndoGroup group(d);
    std::map<std::uint32_t, LayerId> layers;
    for (const auto& [stored, layer] : content.layers)
        layers[stored] = d.addLayer(layer); // an existing layer of that name is kept as it is
    std::map<std::uint32_t, DimStyleId> dimStyles;
    for (const auto& [stored, style] : content.dimStyles) {
        const DimStyleId existing = d.dimStyleByName(style.name);
        dimStyles[stored] = existing ? existing : d.addDimStyle(style);
    }
    std::map<std::uint32_t, BlockId> blocks;
    auto remap = [&](Entity& e) {
        e.layer = layers[e.layer.value];
        e.owner = BlockId();
        if (auto* ins = std::get_if<InsertShape>(&e.shape))
            ins->block = blocks[ins->block.value];
        if (auto* dim = std::get_if<DimensionShape>(&e.shape))
            dim->style = dimStyles.count(dim->style.value) ? dimStyles[dim->style.value]
                                                           : d.settings().currentDimStyle;
    };
    for (auto& stored : content.blocks) {
        // A block of the same name in this drawing is taken as the same block.
        if (const BlockId existing = d.blockByName(stored.block.name)) {
            blocks[stored.storedId] = existing;
            continue;
        }
        const BlockId id = d.addBlock(stored.block.name, stored.block.base);
        blocks[stored.storedId] = id;
        for (Entity& e : stored.entities) {
            remap(e);
            d.moveToBlock(d.addEntity(std::move(e)), id);
        }
    }
    m_selection.clear();
    for (Entity& e : content.entities) {
        remap(e);
        translate(e.shape, offset);
        m_selection.add(add(std::move(e)));
    }
    notifyChanged();
    return content.entities.size();
}

// ---------------------------------------------------------------- undo and listeners

bool Document::undo() {
    if (!m_drawing->undo())
        return false;
    // Entities that the undo took away cannot stay selected.
    for (EntityId id : std::vector<EntityId>(m_selection.entities()))
        if (!m_drawing->entity(id) || m_drawing->entity(id)->owner)
            m_selection.remove(id);
    notifyChanged();
    return true;
}

bool Document::redo() {
    if (!m_drawing->redo())
        return false;
    for (EntityId id : std::vector<EntityId>(m_selection.entities()))
        if (!m_drawing->entity(id) || m_drawing->entity(id)->owner)
            m_selection.remove(id);
    notifyChanged();
    return true;
}

void Document::prompt(const std::string& text) {
    m_prompt = text;
    if (m_promptListener)
        m_promptListener(text);
}

void Document::notifyChanged() {
    if (m_changeListener)
        m_changeListener();
}

} // namespace cad
