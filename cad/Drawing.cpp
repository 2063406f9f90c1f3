// The drawing database and its undo log: every change is a swap record applied the same way
// forwards and backwards.
#include "Drawing.h"

#include <algorithm>
#include <cassert>

namespace cad {
namespace {

constexpr int MaxBlockNesting = 16;

template <class T> T* slot(std::vector<std::unique_ptr<T>>& table, std::uint32_t id) {
    return id < table.size() ? table[id].get() : nullptr;
}
template <class T> const T* slot(const std::vector<std::unique_ptr<T>>& table, std::uint32_t id) {
    return id < table.size() ? table[id].get() : nullptr;
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
    m_settings.currentLayer = addLayer(Layer{"0", 7, 0, -1, true, false});
    m_settings.currentMlineStyle =
        addMlineStyle(MlineStyle{"Standard", 0, {{0.5, ByLayerColor}, {-0.5, ByLayerColor}}});
    m_settings.currentDimStyle = addDimStyle(DimStyle{"Standard"});
    clearUndo();
    m_dirty = false;
}

// ---------------------------------------------------------------- undo log

void Drawing::record(Record&& r) {
    m_dirty = true;
    if (m_undoneFrom < m_steps.size()) {
        // A new change after undo: the undone steps can no longer be redone.
        m_records.resize(m_steps[m_undoneFrom]);
        m_steps.resize(m_undoneFrom);
    }
    if (m_groupDepth == 0 || !m_groupHasStep) {
        trimUndo();
        m_steps.push_back(m_records.size());
        m_undoneFrom = m_steps.size();
        m_groupHasStep = m_groupDepth > 0;
        m_stepFirstId = m_nextId;
    }
    m_records.push_back(std::move(r));
}

void Drawing::trimUndo() {
    std::size_t drop = 0; // whole steps, oldest first, while the log is over its limit
    while (drop < m_steps.size() && m_records.size() - m_steps[drop] > m_undoLimit)
        ++drop;
    if (drop == 0)
        return;
    const std::size_t first = drop < m_steps.size() ? m_steps[drop] : m_records.size();
    m_records.erase(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(first));
    m_steps.erase(m_steps.begin(), m_steps.begin() + static_cast<std::ptrdiff_t>(drop));
    for (std::size_t& start : m_steps)
        start -= first;
    m_undoneFrom = m_steps.size();
}

void Drawing::beginGroup() {
    if (m_groupDepth++ == 0)
        m_groupHasStep = false;
}

void Drawing::endGroup() {
    if (m_groupDepth > 0 && --m_groupDepth == 0)
        m_groupHasStep = false;
}

bool Drawing::undo() {
    if (!canUndo())
        return false;
    m_groupDepth = 0;
    m_groupHasStep = false;
    const std::size_t step = --m_undoneFrom;
    const std::size_t end = step + 1 < m_steps.size() ? m_steps[step + 1] : m_records.size();
    for (std::size_t i = end; i-- > m_steps[step];)
        apply(m_records[i]);
    keepSettingsValid();
    m_dirty = true;
    return true;
}

bool Drawing::redo() {
    if (!canRedo())
        return false;
    m_groupDepth = 0;
    m_groupHasStep = false;
    const std::size_t step = m_undoneFrom++;
    const std::size_t end = step + 1 < m_steps.size() ? m_steps[step + 1] : m_records.size();
    for (std::size_t i = m_steps[step]; i < end; ++i)
        apply(m_records[i]);
    keepSettingsValid();
    m_dirty = true;
    return true;
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
    m_records.clear();
    m_steps.clear();
    m_undoneFrom = 0;
    m_groupDepth = 0;
    m_groupHasStep = false;
}

void Drawing::apply(Record& r) {
    switch (r.target) {
    case Target::Entity:
        applyEntity(r);
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
    }
}

void Drawing::applyEntity(Record& r) {
    auto& other = std::get<std::unique_ptr<Entity>>(r.other);
    std::unique_ptr<Entity>& current = m_entities.at(r.id);
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
    if (insertsOf(BlockId(r.id)) > 0)
        m_indexStale = true;
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
    // The inserts of the block change their extent; attribute definitions are not part of it.
    if (insertsOf(e.owner) > 0 && !std::holds_alternative<AttDefShape>(e.shape))
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

} // namespace

Extent Drawing::extentOf(const Entity& entity) const {
    return extentOf(entity, 0);
}

Extent Drawing::extentOf(const Entity& entity, int depth) const {
    Extent e = shapeExtent(entity.shape);
    const auto* ins = std::get_if<InsertShape>(&entity.shape);
    if (!ins || depth > MaxBlockNesting)
        return e;
    const Block* b = block(ins->block);
    if (!b)
        return e;
    for (EntityId id = firstInBlock(ins->block); id; id = nextEntity(id)) {
        const Entity& inner = *this->entity(id);
        if (std::holds_alternative<AttDefShape>(inner.shape) || isInfinite(inner.shape))
            continue; // attribute definitions show as the insert's own attributes
        const Extent ie = extentOf(inner, depth + 1);
        for (const Point3& c : {Point3{ie.minX, ie.minY, 0}, Point3{ie.maxX, ie.minY, 0},
                                Point3{ie.maxX, ie.maxY, 0}, Point3{ie.minX, ie.maxY, 0}})
            e.add(placeInInsert(*ins, Point3{b->base.x, b->base.y, 0}, c));
    }
    return e;
}

void Drawing::outlineOf(const Entity& entity, std::vector<std::pair<Point3, Point3>>& out) const {
    outlineOf(entity, out, 0);
}

void Drawing::outlineOf(const Entity& entity, std::vector<std::pair<Point3, Point3>>& out,
                        int depth) const {
    appendOutline(entity.shape, out);
    const auto* ins = std::get_if<InsertShape>(&entity.shape);
    const Block* b = ins ? block(ins->block) : nullptr;
    if (!b || depth > MaxBlockNesting)
        return;
    std::vector<std::pair<Point3, Point3>> inner;
    for (EntityId id = firstInBlock(ins->block); id; id = nextEntity(id)) {
        const Entity& e = *this->entity(id);
        if (!std::holds_alternative<AttDefShape>(e.shape))
            outlineOf(e, inner, depth + 1);
    }
    for (const auto& [a, c] : inner)
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

LayerId Drawing::addLayer(const Layer& layer) {
    if (const LayerId existing = layerByName(layer.name))
        return existing;
    const auto id = static_cast<std::uint32_t>(m_layers.size());
    m_layers.emplace_back();
    m_layerLists.emplace_back();
    Record r{Target::Layer, id, static_cast<std::uint32_t>(m_layerOrder.size()),
             std::make_unique<Layer>(layer)};
    applyLayer(r);
    record(std::move(r));
    return LayerId(id);
}

bool Drawing::changeLayer(LayerId id, const Layer& layer) {
    const Layer* current = this->layer(id);
    if (!current || layer.name.empty())
        return false;
    const LayerId named = layerByName(layer.name);
    if (named && named != id)
        return false;
    if (*current == layer)
        return true;
    Record r{Target::Layer, id.value, 0, std::make_unique<Layer>(layer)};
    applyLayer(r);
    record(std::move(r));
    return true;
}

bool Drawing::moveLayer(LayerId id, std::size_t position) {
    if (!layer(id) || position >= m_layerOrder.size())
        return false;
    Record r{Target::LayerOrder, id.value, static_cast<std::uint32_t>(position), {}};
    applyLayerOrder(r);
    record(std::move(r));
    return true;
}

bool Drawing::eraseLayer(LayerId id) {
    if (!layer(id) || layerCount(id) > 0 || id == m_settings.currentLayer ||
        m_layerOrder.size() == 1)
        return false;
    Record r{Target::Layer, id.value, 0, std::unique_ptr<Layer>()};
    applyLayer(r);
    record(std::move(r));
    return true;
}

const Layer* Drawing::layer(LayerId id) const {
    return slot(m_layers, id.value);
}

LayerId Drawing::layerByName(const std::string& name) const {
    const auto it = m_layerNames.find(name);
    return it == m_layerNames.end() ? LayerId() : LayerId(it->second);
}

EntityId Drawing::firstInLayer(LayerId id) const {
    return layer(id) ? m_layerLists[id.value].first : EntityId();
}

std::size_t Drawing::layerCount(LayerId id) const {
    return layer(id) ? m_layerLists[id.value].count : 0;
}

// ---------------------------------------------------------------- entities

EntityId Drawing::addEntity(Entity entity) {
    if (!layer(entity.layer))
        entity.layer = m_settings.currentLayer;
    if (!layer(entity.layer))
        entity.layer = m_layerOrder.front();
    entity.owner = BlockId();
    entity.id = EntityId(m_nextId++);
    std::unique_ptr<Entity>& slotOfNew = m_entities.at(entity.id.value);
    slotOfNew = std::make_unique<Entity>(std::move(entity));
    const Entity& e = *slotOfNew;
    append(e);
    index(e);
    record(Record{Target::Entity, e.id.value, 0, std::unique_ptr<Entity>()});
    return e.id;
}

const Entity* Drawing::entity(EntityId id) const {
    const auto* found = m_entities.find(id.value);
    return found ? found->get() : nullptr;
}

bool Drawing::createdInOpenStep(EntityId id) const {
    // Ids only grow, so an entity with an id handed out since the open step began was created
    // in it: undoing the step removes it whole, and its earlier states need no record.
    return m_groupDepth > 0 && m_groupHasStep && id.value >= m_stepFirstId &&
           m_undoneFrom == m_steps.size();
}

bool Drawing::editEntity(EntityId id, const std::function<void(Entity&)>& change) {
    const Entity* current = entity(id);
    if (!current)
        return false;
    if (createdInOpenStep(id))
        return editInPlace(*m_entities.at(id.value), change);
    auto changed = std::make_unique<Entity>(*current);
    change(*changed);
    changed->id = id;
    if (!layer(changed->layer) || (changed->owner && !block(changed->owner)))
        return false;
    if (*changed == *current)
        return true;
    Record r{Target::Entity, id.value, m_links.at(id.value).prev.value, std::move(changed)};
    applyEntity(r);
    record(std::move(r));
    return true;
}

bool Drawing::editInPlace(Entity& e, const std::function<void(Entity&)>& change) {
    const EntityId id = e.id;
    const LayerId layer = e.layer;
    const BlockId owner = e.owner;
    unindex(e);
    change(e);
    e.id = id;
    const LayerId newLayer = e.layer;
    const BlockId newOwner = e.owner;
    const bool valid = this->layer(newLayer) && (!newOwner || block(newOwner));
    if (valid && (newLayer != layer || newOwner != owner)) {
        e.layer = layer;
        e.owner = owner;
        unlink(e);
        e.layer = newLayer;
        e.owner = newOwner;
        append(e);
    } else if (!valid) {
        e.layer = layer;
        e.owner = owner;
    }
    index(e);
    m_dirty = true;
    return valid;
}

bool Drawing::eraseEntity(EntityId id) {
    if (!entity(id))
        return false;
    Record r{Target::Entity, id.value, 0, std::unique_ptr<Entity>()};
    applyEntity(r);
    record(std::move(r));
    return true;
}

EntityId Drawing::nextEntity(EntityId id) const {
    return entity(id) ? m_links.find(id.value)->next : EntityId();
}

// ---------------------------------------------------------------- blocks

BlockId Drawing::addBlock(const std::string& name, const Point3& base) {
    if (name.empty() || blockByName(name))
        return BlockId();
    const auto id = static_cast<std::uint32_t>(m_blocks.size());
    m_blocks.emplace_back();
    m_blockLists.emplace_back();
    Record r{Target::Block, id, 0, std::make_unique<Block>(Block{name, base})};
    applyBlock(r);
    record(std::move(r));
    return BlockId(id);
}

const Block* Drawing::block(BlockId id) const {
    return slot(m_blocks, id.value);
}

BlockId Drawing::blockByName(const std::string& name) const {
    const auto it = m_blockNames.find(name);
    return it == m_blockNames.end() ? BlockId() : BlockId(it->second);
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

bool Drawing::moveToBlock(EntityId id, BlockId blockId) {
    const Entity* e = entity(id);
    if (!e || !block(blockId) || e->owner)
        return false;
    if (const auto* ins = std::get_if<InsertShape>(&e->shape); ins && ins->block == blockId)
        return false; // a block cannot hold an insert of itself
    return editEntity(id, [&](Entity& changed) { changed.owner = blockId; });
}

// ---------------------------------------------------------------- styles and data

MlineStyleId Drawing::addMlineStyle(const MlineStyle& style) {
    if (style.name.empty() || mlineStyleByName(style.name))
        return MlineStyleId();
    const auto id = static_cast<std::uint32_t>(m_mlineStyles.size());
    m_mlineStyles.emplace_back();
    Record r{Target::MlineStyle, id, 0, std::make_unique<MlineStyle>(style)};
    applyNamed(r, m_mlineStyles, m_mlineStyleNames);
    record(std::move(r));
    return MlineStyleId(id);
}

bool Drawing::changeMlineStyle(MlineStyleId id, const MlineStyle& style) {
    const MlineStyle* current = mlineStyle(id);
    const MlineStyleId named = mlineStyleByName(style.name);
    if (!current || style.name.empty() || (named && named != id))
        return false;
    if (*current == style)
        return true;
    Record r{Target::MlineStyle, id.value, 0, std::make_unique<MlineStyle>(style)};
    applyNamed(r, m_mlineStyles, m_mlineStyleNames);
    record(std::move(r));
    return true;
}

const MlineStyle* Drawing::mlineStyle(MlineStyleId id) const {
    return slot(m_mlineStyles, id.value);
}

MlineStyleId Drawing::mlineStyleByName(const std::string& name) const {
    const auto it = m_mlineStyleNames.find(name);
    return it == m_mlineStyleNames.end() ? MlineStyleId() : MlineStyleId(it->second);
}

DimStyleId Drawing::addDimStyle(const DimStyle& style) {
    if (style.name.empty() || dimStyleByName(style.name))
        return DimStyleId();
    const auto id = static_cast<std::uint32_t>(m_dimStyles.size());
    m_dimStyles.emplace_back();
    Record r{Target::DimStyle, id, 0, std::make_unique<DimStyle>(style)};
    applyNamed(r, m_dimStyles, m_dimStyleNames);
    record(std::move(r));
    return DimStyleId(id);
}

bool Drawing::changeDimStyle(DimStyleId id, const DimStyle& style) {
    const DimStyle* current = dimStyle(id);
    const DimStyleId named = dimStyleByName(style.name);
    if (!current || style.name.empty() || (named && named != id))
        return false;
    if (*current == style)
        return true;
    Record r{Target::DimStyle, id.value, 0, std::make_unique<DimStyle>(style)};
    applyNamed(r, m_dimStyles, m_dimStyleNames);
    record(std::move(r));
    return true;
}

const DimStyle* Drawing::dimStyle(DimStyleId id) const {
    return slot(m_dimStyles, id.value);
}

DimStyleId Drawing::dimStyleByName(const std::string& name) const {
    const auto it = m_dimStyleNames.find(name);
    return it == m_dimStyleNames.end() ? DimStyleId() : DimStyleId(it->second);
}

void Drawing::editData(const std::function<void(DrawingData&)>& change) {
    auto changed = std::make_unique<DrawingData>(m_data);
    change(*changed);
    if (*changed == m_data)
        return;
    Record r{Target::Data, 0, 0, std::move(changed)};
    apply(r);
    record(std::move(r));
}

} // namespace cad
