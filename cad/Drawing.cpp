// The drawing database and its undo log: every change is a swap record applied the same way
// forwards and backwards; open transactions are savepoints in the log.
#include "cad/Drawing.h"

#include <algorithm>
#include <unordered_map>

namespace quadrilo::cad {
namespace {

template <class T> T* slot(std::vector<std::unique_ptr<T>>& table, std::uint32_t id) {
    return id < table.size() ? table[id].get() : nullptr;
}
template <class T> const T* slot(const std::vector<std::unique_ptr<T>>& table, std::uint32_t id) {
    return id < table.size() ? table[id].get() : nullptr;
}

std::uint32_t idByName(const std::unordered_map<std::string, std::uint32_t>& names,
                       const std::string& name) {
    const auto it = names.find(name);
    return it == names.end() ? 0 : it->second;
}

} // namespace

std::array<std::uint32_t, 256> defaultPalette() {
    // The first nine entries are the usual CAD colours; the rest is a regular colour cube and a
    // grey ramp, so that every index shows something distinct.
    std::array<std::uint32_t, 256> p{};
    const std::uint32_t basic[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                     0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
    for (int i = 0; i < 10; ++i)
        p[static_cast<std::size_t>(i)] = basic[i];
    for (int i = 10; i < 250; ++i) {
        const int k = i - 10;
        const std::uint32_t r = static_cast<std::uint32_t>((k / 36) % 6 * 51);
        const std::uint32_t g = static_cast<std::uint32_t>((k / 6) % 6 * 51);
        const std::uint32_t b = static_cast<std::uint32_t>(k % 6 * 51);
        p[static_cast<std::size_t>(i)] = (r << 16) | (g << 8) | b;
    }
    for (int i = 250; i < 256; ++i) {
        const std::uint32_t v = static_cast<std::uint32_t>(51 * (i - 250));
        p[static_cast<std::size_t>(i)] = (v << 16) | (v << 8) | v;
    }
    return p;
}

Drawing::Drawing() : m_index([this](EntityId id) { return extentOf(*entity(id)); }) {
    m_data.palette = defaultPalette();
    m_layers.resize(1);
    m_layerLists.resize(1);
    m_blocks.resize(1);
    m_blockLists.resize(1);
    m_mlineStyles.resize(1);
    m_dimStyles.resize(1);
    // Every drawing has the layer "0" and a standard multiline and dimension style; they are
    // part of the empty drawing, not undoable changes.
    begin();
    m_settings.currentLayer = insertLayer(Layer{"0", 7, 0, -1, true, false});
    m_settings.currentMlineStyle =
        insertMlineStyle(MlineStyle{"Standard", 0, {{0.5, ByLayerColor}, {-0.5, ByLayerColor}}});
    m_settings.currentDimStyle = insertDimStyle(DimStyle{"Standard"});
    commit();
    clearUndo();
    m_dirty = false;
}

// ---------------------------------------------------------------- history trace

// Which entities an undo, redo or roll-back touched, from their state before the first record
// and after the last one that names them.
class Drawing::Trace {
public:
    void before(std::uint32_t id, bool present) {
        if (m_ids.try_emplace(id, State{present, present, nullptr}).second)
            m_order.push_back(id);
    }
    void after(std::uint32_t id, const Entity* now, const Entity* gone) {
        State& s = m_ids[id];
        s.present = now != nullptr;
        s.gone = now ? nullptr : gone;
    }
    HistoryStep result(HistoryKind kind) const {
        HistoryStep step{kind, {}, {}, {}};
        for (std::uint32_t id : m_order) {
            const State& s = m_ids.at(id);
            if (!s.wasPresent && s.present)
                step.cameBack.emplace_back(id);
            else if (s.wasPresent && !s.present)
                step.went.push_back(s.gone);
            else if (s.present)
                step.changed.emplace_back(id);
        }
        return step;
    }

private:
    struct State {
        bool wasPresent;
        bool present;
        const Entity* gone; // where it went: the record that holds it now
    };
    std::unordered_map<std::uint32_t, State> m_ids;
    std::vector<std::uint32_t> m_order;
};

// ---------------------------------------------------------------- undo log

void Drawing::record(Record&& r) {
    m_dirty = true;
    ++m_revision;
    if (!m_stepOpen) {
        m_steps.push_back(m_records.size());
        m_undoneFrom = m_steps.size();
        m_stepOpen = true;
    }
    m_records.push_back(std::move(r));
}

void Drawing::trimUndo() {
    std::size_t drop = 0; // whole steps, oldest first, while the log is over its limit
    while (drop + 1 < m_steps.size() && m_records.size() - m_steps[drop] > m_undoLimit)
        ++drop;
    if (drop == 0)
        return;
    const std::size_t first = m_steps[drop];
    m_records.erase(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(first));
    m_steps.erase(m_steps.begin(), m_steps.begin() + static_cast<std::ptrdiff_t>(drop));
    for (std::size_t& start : m_steps)
        start -= first;
    m_undoneFrom = m_steps.size();
}

void Drawing::stashRedoSteps() {
    if (m_undoneFrom >= m_steps.size())
        return;
    const std::size_t first = m_steps[m_undoneFrom];
    m_redoRecords.assign(std::make_move_iterator(m_records.begin() + std::ptrdiff_t(first)),
                         std::make_move_iterator(m_records.end()));
    m_records.resize(first);
    m_redoSteps.clear();
    for (std::size_t i = m_undoneFrom; i < m_steps.size(); ++i)
        m_redoSteps.push_back(m_steps[i] - first);
    m_steps.resize(m_undoneFrom);
}

void Drawing::restoreRedoSteps() {
    const std::size_t first = m_records.size();
    for (std::size_t start : m_redoSteps)
        m_steps.push_back(first + start);
    m_records.insert(m_records.end(), std::make_move_iterator(m_redoRecords.begin()),
                     std::make_move_iterator(m_redoRecords.end()));
    m_redoRecords.clear();
    m_redoSteps.clear();
}

void Drawing::begin() {
    if (m_open.empty()) {
        // The undone steps wait aside: a change drops them, no change gives them back.
        stashRedoSteps();
        m_stepOpen = false;
        m_revisionAtBegin = m_revision;
    }
    m_open.push_back(Savepoint{m_records.size(), m_nextId});
}

void Drawing::commit() {
    m_open.pop_back();
    if (m_open.empty())
        finishOutermost(m_revisionAtBegin);
}

void Drawing::rollback() {
    const Savepoint at = m_open.back();
    Trace trace;
    Trace* traced = tracing() ? &trace : nullptr;
    for (std::size_t i = m_records.size(); i-- > at.records;)
        apply(m_records[i], traced);
    keepSettingsValid();
    announce(trace, HistoryKind::RollBack); // while the records still hold what went
    m_records.resize(at.records);
    m_open.pop_back();
    if (m_open.empty())
        finishOutermost(m_revisionAtBegin);
}

void Drawing::finishOutermost(std::uint64_t revisionAtBegin) {
    const bool madeStep = m_stepOpen && m_steps.back() < m_records.size();
    if (m_stepOpen && !madeStep)
        m_steps.pop_back(); // everything in it was rolled back
    m_undoneFrom = m_steps.size();
    m_stepOpen = false;
    if (madeStep) {
        m_redoRecords.clear();
        m_redoSteps.clear();
        trimUndo();
    } else {
        restoreRedoSteps();
    }
    if (m_revision != revisionAtBegin && m_events)
        m_events->completed.notify();
}

bool Drawing::createdInOpenTransaction(EntityId id) const {
    // Ids only grow, so an entity with an id handed out since the innermost open transaction
    // began was created in it: rolling that back or undoing the step removes it whole, and its
    // earlier states need no record.
    return !m_open.empty() && id.value >= m_open.back().firstId;
}

bool Drawing::undo() {
    return canUndo() && step(false);
}

bool Drawing::redo() {
    return canRedo() && step(true);
}

bool Drawing::step(bool forward) {
    const std::size_t at = forward ? m_undoneFrom++ : --m_undoneFrom;
    const std::size_t first = m_steps[at];
    const std::size_t end = at + 1 < m_steps.size() ? m_steps[at + 1] : m_records.size();
    Trace trace;
    Trace* traced = tracing() ? &trace : nullptr;
    if (forward)
        for (std::size_t i = first; i < end; ++i)
            apply(m_records[i], traced);
    else
        for (std::size_t i = end; i-- > first;)
            apply(m_records[i], traced);
    keepSettingsValid();
    m_dirty = true;
    announce(trace, forward ? HistoryKind::Redo : HistoryKind::Undo);
    if (m_events)
        m_events->completed.notify();
    return true;
}

bool Drawing::tracing() const {
    return m_events && !m_events->historyStepped.empty();
}

void Drawing::announce(Trace& trace, HistoryKind kind) {
    if (tracing())
        m_events->historyStepped.notify(trace.result(kind));
}

void Drawing::keepSettingsValid() {
    // An undo may take away the current layer or style: fall back to the first one there is.
    if (!layer(m_settings.currentLayer))
        m_settings.currentLayer = m_layerOrder.front();
    auto firstOf = [](const auto& table, auto current) {
        using Id = decltype(current);
        if (current.value < table.size() && table[current.value])
            return current;
        for (std::uint32_t i = 1; i < table.size(); ++i)
            if (table[i])
                return Id(i);
        return Id();
    };
    m_settings.currentMlineStyle = firstOf(m_mlineStyles, m_settings.currentMlineStyle);
    m_settings.currentDimStyle = firstOf(m_dimStyles, m_settings.currentDimStyle);
}

void Drawing::clearUndo() {
    if (!m_open.empty())
        return;
    m_records.clear();
    m_steps.clear();
    m_undoneFrom = 0;
}

void Drawing::apply(Record& r, Trace* trace) {
    ++m_revision;
    switch (r.target) {
    case Target::Entity:
        applyEntity(r, trace);
        break;
    case Target::Layer:
        applyLayer(r);
        break;
    case Target::LayerOrder:
        applyLayerOrder(r);
        break;
    case Target::Block:
        applyBlock(r);
        break;
    case Target::MlineStyle:
        applyNamed(r, m_mlineStyles, m_mlineStyleNames);
        break;
    case Target::DimStyle:
        applyNamed(r, m_dimStyles, m_dimStyleNames);
        break;
    case Target::Data:
        std::swap(m_data, *std::get<std::unique_ptr<DrawingData>>(r.other));
        break;
    case Target::LayerContents:
        applyLayerContents(r, trace);
        break;
    }
}

void Drawing::applyEntity(Record& r, Trace* trace) {
    auto& other = std::get<EntityPtr>(r.other);
    EntityPtr& current = m_entities.at(r.id);
    if (trace)
        trace->before(r.id, current != nullptr);
    const bool sameList = current && other && current->owner == other->owner &&
                          (current->owner || current->layer == other->layer);
    std::optional<EntityId> before;
    if (current) {
        unindex(*current);
        if (!sameList)
            before = unlink(*current);
    }
    std::swap(current, other);
    if (current) {
        if (!sameList)
            linkAfter(*current, EntityId(r.anchor));
        index(*current);
    }
    if (before)
        r.anchor = before->value;
    if (trace)
        trace->after(r.id, current.get(), other.get());
}

void Drawing::applyLayerContents(Record& r, Trace* trace) {
    // Swaps the layer's whole list with the stored one: pointers move, entities are not copied.
    EntityPtrs& stored = *std::get<std::unique_ptr<EntityPtrs>>(r.other);
    EntityList& list = m_layerLists[r.id];
    EntityPtrs taken;
    taken.reserve(list.count);
    for (EntityId id = list.first; id;) {
        const EntityId next = m_links.at(id.value).next;
        EntityPtr& slot = m_entities.at(id.value);
        if (trace)
            trace->before(id.value, true);
        unindex(*slot);
        m_links.at(id.value) = {};
        taken.push_back(std::move(slot));
        if (trace)
            trace->after(id.value, nullptr, taken.back().get());
        id = next;
    }
    list = {};
    for (EntityPtr& e : stored) {
        const std::uint32_t id = e->id.value;
        if (trace)
            trace->before(id, false);
        EntityPtr& slot = m_entities.at(id);
        slot = std::move(e);
        append(*slot);
        index(*slot);
        if (trace)
            trace->after(id, slot.get(), nullptr);
    }
    stored = std::move(taken);
}

void Drawing::applyLayer(Record& r) {
    auto& other = std::get<std::unique_ptr<Layer>>(r.other);
    std::unique_ptr<Layer>& current = m_layers[r.id];
    if (current)
        m_layerNames.erase(current->name);
    if (current && !other) {
        // The layer goes away: remember where it stood in the layer order.
        const auto it = std::find(m_layerOrder.begin(), m_layerOrder.end(), LayerId(r.id));
        r.anchor = static_cast<std::uint32_t>(it - m_layerOrder.begin());
        m_layerOrder.erase(it);
    } else if (!current && other) {
        const std::size_t at = std::min<std::size_t>(r.anchor, m_layerOrder.size());
        m_layerOrder.insert(m_layerOrder.begin() + static_cast<std::ptrdiff_t>(at), LayerId(r.id));
    }
    std::swap(current, other);
    if (current)
        m_layerNames[current->name] = r.id;
}

void Drawing::applyLayerOrder(Record& r) {
    const auto it = std::find(m_layerOrder.begin(), m_layerOrder.end(), LayerId(r.id));
    if (it == m_layerOrder.end())
        return;
    const auto was = static_cast<std::uint32_t>(it - m_layerOrder.begin());
    m_layerOrder.erase(it);
    const std::size_t at = std::min<std::size_t>(r.anchor, m_layerOrder.size());
    m_layerOrder.insert(m_layerOrder.begin() + static_cast<std::ptrdiff_t>(at), LayerId(r.id));
    r.anchor = was;
}

void Drawing::applyBlock(Record& r) {
    applyNamed(r, m_blocks, m_blockNames);
    blockGeometryChanged();
}

template <class T>
void Drawing::applyNamed(Record& r, std::vector<std::unique_ptr<T>>& table,
                         std::unordered_map<std::string, std::uint32_t>& names) {
    auto& other = std::get<std::unique_ptr<T>>(r.other);
    std::unique_ptr<T>& current = table[r.id];
    if (current)
        names.erase(current->name);
    std::swap(current, other);
    if (current)
        names[current->name] = r.id;
}

// ---------------------------------------------------------------- entity lists and index

Drawing::EntityList& Drawing::listOf(const Entity& e) {
    return e.owner ? m_blockLists[e.owner.value] : m_layerLists[e.layer.value];
}

void Drawing::append(const Entity& e) {
    EntityList& list = listOf(e);
    m_links.at(e.id.value) = {list.last, EntityId()};
    if (list.last)
        m_links.at(list.last.value).next = e.id;
    else
        list.first = e.id;
    list.last = e.id;
    ++list.count;
}

void Drawing::linkAfter(const Entity& e, EntityId anchor) {
    EntityList& list = listOf(e);
    const Entity* a = anchor ? entity(anchor) : nullptr;
    const bool anchorInList = a && &listOf(*a) == &list;
    if (anchor && !anchorInList) {
        append(e);
        return;
    }
    const EntityId next = anchor ? m_links.at(anchor.value).next : list.first;
    m_links.at(e.id.value) = {anchor, next};
    if (anchor)
        m_links.at(anchor.value).next = e.id;
    else
        list.first = e.id;
    if (next)
        m_links.at(next.value).prev = e.id;
    else
        list.last = e.id;
    ++list.count;
}

EntityId Drawing::unlink(const Entity& e) {
    EntityList& list = listOf(e);
    const Links links = m_links.at(e.id.value);
    if (links.prev)
        m_links.at(links.prev.value).next = links.next;
    else
        list.first = links.next;
    if (links.next)
        m_links.at(links.next.value).prev = links.prev;
    else
        list.last = links.prev;
    --list.count;
    m_links.at(e.id.value) = {};
    return links.prev;
}

std::size_t Drawing::insertsOf(BlockId block) const {
    return block.value < m_blockInserts.size() ? m_blockInserts[block.value] : 0;
}

void Drawing::countInsert(const Entity& e, int delta) {
    if (const auto* ins = std::get_if<InsertShape>(&e.shape); ins && !e.owner) {
        if (ins->block.value >= m_blockInserts.size())
            m_blockInserts.resize(ins->block.value + 1);
        m_blockInserts[ins->block.value] += static_cast<std::size_t>(delta);
    }
}

void Drawing::blockContentChanged(const Entity& e) {
    // Attribute definitions are not part of the geometry of the block's inserts.
    if (!std::holds_alternative<AttDefShape>(e.shape))
        blockGeometryChanged();
}

void Drawing::blockGeometryChanged() {
    // A block may be inserted through others: every insert in model space may have changed.
    m_blockGeometry.clear();
    if (std::any_of(m_blockInserts.begin(), m_blockInserts.end(),
                    [](std::size_t n) { return n > 0; }))
        m_indexStale = true;
}

void Drawing::index(const Entity& e) {
    if (e.owner) {
        blockContentChanged(e);
        return;
    }
    countInsert(e, +1);
    if (!m_indexStale)
        m_index.insert(e.id, isInfinite(e.shape));
}

void Drawing::unindex(const Entity& e) {
    if (e.owner) {
        blockContentChanged(e);
        return;
    }
    countInsert(e, -1);
    if (!m_indexStale)
        m_index.remove(e.id);
}

void Drawing::rebuildIndex() {
    m_index.clear();
    m_indexStale = false;
    for (LayerId layer : m_layerOrder) {
        for (EntityId id = firstInLayer(layer); id; id = nextEntity(id)) {
            const Entity& e = *entity(id);
            m_index.insert(id, isInfinite(e.shape));
        }
    }
}

std::vector<EntityId> Drawing::entitiesMeeting(const Extent& window) {
    if (m_indexStale)
        rebuildIndex();
    return m_index.query(window);
}

std::vector<EntityId> Drawing::entitiesInside(const Extent& window) {
    if (m_indexStale)
        rebuildIndex();
    return m_index.queryInside(window);
}

// ---------------------------------------------------------------- geometry with blocks

namespace {

Point3 placeInInsert(const InsertShape& ins, const Point3& base, const Point3& p) {
    return rotatePlan((p - base) * ins.scale, ins.angle) + ins.at;
}

void appendBox(const Extent& e, std::vector<std::pair<Point3, Point3>>& out) {
    const Point3 a{e.minX, e.minY, 0}, b{e.maxX, e.minY, 0}, c{e.maxX, e.maxY, 0},
        d{e.minX, e.maxY, 0};
    out.insert(out.end(), {{a, b}, {b, c}, {c, d}, {d, a}});
}

} // namespace

const std::vector<Point3>& Drawing::blockCorners(BlockId id) const {
    // The corners of each content entity's extent: placing them gives an insert the same extent
    // as placing every entity, at the cost of the block's size whatever it nests.
    BlockGeometry& g = m_blockGeometry[id.value]; // entries stay put as others are added
    if (g.corners)
        return *g.corners;
    std::vector<Point3> corners;
    for (EntityId e = firstInBlock(id); e; e = nextEntity(e)) {
        const Entity& inner = *entity(e);
        if (std::holds_alternative<AttDefShape>(inner.shape) || isInfinite(inner.shape))
            continue; // attribute definitions show as the insert's own attributes
        const Extent ie = extentOf(inner);
        corners.insert(corners.end(), {Point3{ie.minX, ie.minY, 0}, Point3{ie.maxX, ie.minY, 0},
                                       Point3{ie.maxX, ie.maxY, 0}, Point3{ie.minX, ie.maxY, 0}});
    }
    return *(g.corners = std::move(corners));
}

const Drawing::Segments& Drawing::blockOutline(BlockId id) const {
    BlockGeometry& g = m_blockGeometry[id.value]; // entries stay put as others are added
    if (g.outline)
        return *g.outline;
    Segments outline;
    for (EntityId e = firstInBlock(id); e; e = nextEntity(e)) {
        const Entity& inner = *entity(e);
        if (std::holds_alternative<AttDefShape>(inner.shape))
            continue;
        const auto* ins = std::get_if<InsertShape>(&inner.shape);
        if (ins && block(ins->block) && blockOutline(ins->block).size() > OutlineBudget) {
            // Nesting that multiplies into more lines than picking can use: its box stands in.
            appendOutline(inner.shape, outline);
            appendBox(extentOf(inner), outline);
        } else {
            outlineOf(inner, outline);
        }
    }
    return *(g.outline = std::move(outline));
}

Extent Drawing::extentOf(const Shape& shape) const {
    Extent e = shapeExtent(shape);
    const auto* ins = std::get_if<InsertShape>(&shape);
    const Block* b = ins ? block(ins->block) : nullptr;
    if (!b)
        return e;
    const Point3 base{b->base.x, b->base.y, 0};
    for (const Point3& c : blockCorners(ins->block))
        e.add(placeInInsert(*ins, base, c));
    return e;
}

void Drawing::outlineOf(const Entity& entity, std::vector<std::pair<Point3, Point3>>& out) const {
    appendOutline(entity.shape, out);
    const auto* ins = std::get_if<InsertShape>(&entity.shape);
    const Block* b = ins ? block(ins->block) : nullptr;
    if (!b)
        return;
    for (const auto& [a, c] : blockOutline(ins->block))
        out.emplace_back(placeInInsert(*ins, b->base, a), placeInInsert(*ins, b->base, c));
}

double Drawing::distanceTo(const Entity& entity, const Point3& p) const {
    double best = planDistance(entity.shape, p);
    if (std::holds_alternative<InsertShape>(entity.shape)) {
        std::vector<std::pair<Point3, Point3>> segs;
        outlineOf(entity, segs);
        for (const auto& [a, b] : segs)
            best = std::min(best, planDistanceToSegment(p, a, b));
    }
    return best;
}

// ---------------------------------------------------------------- layers

const Layer* Drawing::layer(LayerId id) const {
    return slot(m_layers, id.value);
}

LayerId Drawing::layerByName(const std::string& name) const {
    return LayerId(idByName(m_layerNames, name));
}

EntityId Drawing::firstInLayer(LayerId id) const {
    return layer(id) ? m_layerLists[id.value].first : EntityId();
}

std::size_t Drawing::layerCount(LayerId id) const {
    return layer(id) ? m_layerLists[id.value].count : 0;
}

LayerId Drawing::insertLayer(const Layer& layer) {
    const auto id = static_cast<std::uint32_t>(m_layers.size());
    m_layers.emplace_back();
    m_layerLists.emplace_back();
    Record r{Target::Layer, id, static_cast<std::uint32_t>(m_layerOrder.size()),
             std::make_unique<Layer>(layer)};
    applyLayer(r);
    record(std::move(r));
    return LayerId(id);
}

void Drawing::replaceLayer(LayerId id, const Layer& layer) {
    Record r{Target::Layer, id.value, 0, std::make_unique<Layer>(layer)};
    applyLayer(r);
    record(std::move(r));
}

void Drawing::reorderLayer(LayerId id, std::size_t position) {
    Record r{Target::LayerOrder, id.value, static_cast<std::uint32_t>(position), {}};
    applyLayerOrder(r);
    record(std::move(r));
}

void Drawing::removeLayer(LayerId id) {
    Record r{Target::Layer, id.value, 0, std::unique_ptr<Layer>()};
    applyLayer(r);
    record(std::move(r));
}

// ---------------------------------------------------------------- entities

const Entity* Drawing::entity(EntityId id) const {
    const auto* found = m_entities.find(id.value);
    return found ? found->get() : nullptr;
}

EntityId Drawing::nextEntity(EntityId id) const {
    return entity(id) ? m_links.find(id.value)->next : EntityId();
}

EntityId Drawing::insertEntity(Entity&& entity) {
    entity.id = EntityId(m_nextId++);
    EntityPtr& slotOfNew = m_entities.at(entity.id.value);
    slotOfNew = ownEntity(std::move(entity));
    const Entity& e = *slotOfNew;
    append(e);
    index(e);
    record(Record{Target::Entity, e.id.value, 0, EntityPtr()});
    return e.id;
}

void Drawing::replaceEntity(EntityId id, EntityPtr changed) {
    Record r{Target::Entity, id.value, m_links.at(id.value).prev.value, std::move(changed)};
    applyEntity(r, nullptr);
    if (createdInOpenTransaction(id)) {
        // Created in this transaction: undoing or rolling back removes it whole, so its
        // earlier state is not worth a record.
        m_dirty = true;
        ++m_revision;
        return;
    }
    record(std::move(r));
}

void Drawing::removeEntity(EntityId id) {
    Record r{Target::Entity, id.value, 0, EntityPtr()};
    applyEntity(r, nullptr);
    record(std::move(r));
}

std::vector<EntityId> Drawing::replaceLayerContents(LayerId layer, std::vector<Entity>&& entities) {
    // The entities stay where the caller built them: the block is adopted whole.
    const auto block = std::make_shared<std::vector<Entity>>(std::move(entities));
    auto incoming = std::make_unique<EntityPtrs>();
    incoming->reserve(block->size());
    std::vector<EntityId> ids;
    ids.reserve(block->size());
    for (Entity& e : *block) {
        e.id = EntityId(m_nextId++);
        e.layer = layer;
        e.owner = BlockId();
        ids.push_back(e.id);
        incoming->push_back(EntityPtr(&e, EntityRelease{block}));
    }
    Record r{Target::LayerContents, layer.value, 0, std::move(incoming)};
    applyLayerContents(r, nullptr);
    record(std::move(r));
    return ids;
}

// ---------------------------------------------------------------- blocks

const Block* Drawing::block(BlockId id) const {
    return slot(m_blocks, id.value);
}

BlockId Drawing::blockByName(const std::string& name) const {
    return BlockId(idByName(m_blockNames, name));
}

std::vector<BlockId> Drawing::blocks() const {
    std::vector<BlockId> ids;
    for (std::uint32_t i = 1; i < m_blocks.size(); ++i)
        if (m_blocks[i])
            ids.emplace_back(i);
    return ids;
}

EntityId Drawing::firstInBlock(BlockId id) const {
    return block(id) ? m_blockLists[id.value].first : EntityId();
}

std::size_t Drawing::blockCount(BlockId id) const {
    return block(id) ? m_blockLists[id.value].count : 0;
}

BlockId Drawing::insertBlock(const std::string& name, const Point3& base) {
    const auto id = static_cast<std::uint32_t>(m_blocks.size());
    m_blocks.emplace_back();
    m_blockLists.emplace_back();
    Record r{Target::Block, id, 0, std::make_unique<Block>(Block{name, base})};
    applyBlock(r);
    record(std::move(r));
    return BlockId(id);
}

std::optional<InsertShape> Drawing::insertOf(BlockId id, const Point3& at, double scale,
                                             double angle) const {
    const Block* b = block(id);
    if (!b)
        return std::nullopt;
    InsertShape ins{id, at, scale, angle, {}};
    for (EntityId e = firstInBlock(id); e; e = nextEntity(e)) {
        if (const auto* def = std::get_if<AttDefShape>(&entity(e)->shape)) {
            TextLook look = def->look;
            look.height *= std::abs(scale);
            look.angle += angle;
            const Point3 place = rotatePlan((def->at - b->base) * scale, angle) + at;
            ins.attributes.push_back(Attribute{def->tag, def->defaultText, place, look});
        }
    }
    return ins;
}

// ---------------------------------------------------------------- styles and data

// Multiline and dimension styles are added and changed alike: by name, one undo record each.
template <class T>
std::uint32_t Drawing::addStyle(Target target, std::vector<std::unique_ptr<T>>& table,
                                std::unordered_map<std::string, std::uint32_t>& names,
                                const T& style) {
    if (style.name.empty() || names.count(style.name))
        return 0;
    const auto id = static_cast<std::uint32_t>(table.size());
    table.emplace_back();
    Record r{target, id, 0, std::make_unique<T>(style)};
    applyNamed(r, table, names);
    record(std::move(r));
    return id;
}

template <class T>
bool Drawing::changeStyle(Target target, std::vector<std::unique_ptr<T>>& table,
                          std::unordered_map<std::string, std::uint32_t>& names, std::uint32_t id,
                          const T& style) {
    const T* current = slot(table, id);
    const std::uint32_t named = idByName(names, style.name);
    if (!current || style.name.empty() || (named && named != id))
        return false;
    if (*current == style)
        return true;
    Record r{target, id, 0, std::make_unique<T>(style)};
    applyNamed(r, table, names);
    record(std::move(r));
    return true;
}

MlineStyleId Drawing::insertMlineStyle(const MlineStyle& style) {
    return MlineStyleId(addStyle(Target::MlineStyle, m_mlineStyles, m_mlineStyleNames, style));
}

bool Drawing::replaceMlineStyle(MlineStyleId id, const MlineStyle& style) {
    return changeStyle(Target::MlineStyle, m_mlineStyles, m_mlineStyleNames, id.value, style);
}

DimStyleId Drawing::insertDimStyle(const DimStyle& style) {
    return DimStyleId(addStyle(Target::DimStyle, m_dimStyles, m_dimStyleNames, style));
}

bool Drawing::replaceDimStyle(DimStyleId id, const DimStyle& style) {
    return changeStyle(Target::DimStyle, m_dimStyles, m_dimStyleNames, id.value, style);
}

const MlineStyle* Drawing::mlineStyle(MlineStyleId id) const {
    return slot(m_mlineStyles, id.value);
}

MlineStyleId Drawing::mlineStyleByName(const std::string& name) const {
    return MlineStyleId(idByName(m_mlineStyleNames, name));
}

std::optional<MlineShape> Drawing::mlineOf(MlineStyleId id, std::vector<Point3> vertices,
                                           bool closed) const {
    const MlineStyle* style = mlineStyle(id);
    if (!style)
        return std::nullopt;
    return MlineShape{std::move(vertices), closed, style->name, style->drawMode, style->lines};
}

const DimStyle* Drawing::dimStyle(DimStyleId id) const {
    return slot(m_dimStyles, id.value);
}

DimStyleId Drawing::dimStyleByName(const std::string& name) const {
    return DimStyleId(idByName(m_dimStyleNames, name));
}

void Drawing::replaceData(std::unique_ptr<DrawingData> data) {
    Record r{Target::Data, 0, 0, std::move(data)};
    apply(r, nullptr);
    record(std::move(r));
}

} // namespace quadrilo::cad
