// Transactions: the rules every change must keep, and the event each change raises.
#include "cad/Transaction.h"

#include "cad/BlockNesting.h"

#include <exception>

namespace quadrilo::cad {
namespace {

// Whether an insert of `inserted` placed in `into` keeps blocks free of cycles and within the
// nesting every walk through inserts relies on.
bool nestsWithin(const Drawing& d, BlockId inserted, BlockId into) {
    BlockNesting nesting;
    nesting.addDrawing(d);
    nesting.addInsert(into.value, inserted.value);
    return nesting.verdict() == NestingVerdict::Fine;
}

} // namespace

Transaction::Transaction(Drawing& drawing)
    : m_drawing(drawing), m_events(drawing.events()), m_exceptions(std::uncaught_exceptions()) {
    m_drawing.begin();
}

Transaction::~Transaction() noexcept(false) {
    if (!m_open)
        return;
    if (std::uncaught_exceptions() > m_exceptions) {
        // Unwinding: the partial change goes, and nothing may throw on the way.
        try {
            rollback();
        } catch (...) {
        }
        return;
    }
    end();
}

void Transaction::end() {
    m_open = false;
    m_drawing.commit();
}

void Transaction::rollback() {
    if (!m_open)
        return;
    m_open = false;
    m_drawing.rollback();
}

// ---------------------------------------------------------------- rules

bool Transaction::validReferences(const Entity& e) const {
    if (!validShape(e.shape))
        return false;
    if (const auto* ins = std::get_if<InsertShape>(&e.shape))
        return m_drawing.block(ins->block) &&
               (!e.owner || nestsWithin(m_drawing, ins->block, e.owner));
    return true;
}

bool Transaction::validInModelSpace(const Entity& e) const {
    return m_drawing.layer(e.layer) && validReferences(e);
}

// ---------------------------------------------------------------- entities

EntityId Transaction::add(Entity entity) {
    if (!entity.layer)
        entity.layer = m_drawing.settings().currentLayer;
    entity.owner = BlockId();
    if (!validInModelSpace(entity) || !m_drawing.hasIdsFor(1))
        return EntityId();
    const EntityId id = m_drawing.insertEntity(std::move(entity));
    if (m_events)
        m_events->created.notify(id);
    return id;
}

EntityId Transaction::addToBlock(BlockId block, Entity entity) {
    // Block content keeps a layer for its colour "by layer"; it is not on the layer's list.
    if (!entity.layer)
        entity.layer = m_drawing.settings().currentLayer;
    entity.owner = block;
    if (!m_drawing.block(block) || !validInModelSpace(entity) || !m_drawing.hasIdsFor(1))
        return EntityId();
    const EntityId id = m_drawing.insertEntity(std::move(entity));
    if (m_events)
        m_events->created.notify(id);
    return id;
}

bool Transaction::erase(EntityId id) {
    if (!m_drawing.entity(id))
        return false;
    if (m_events && m_events->erasing.ask(id) == Verdict::Refuse)
        return false;
    if (!m_drawing.entity(id)) // a handler may have erased it itself
        return false;
    m_drawing.removeEntity(id);
    return true;
}

bool Transaction::replace(EntityId id, Entity changed) {
    const Entity* current = m_drawing.entity(id);
    if (!current)
        return false;
    changed.id = id;
    changed.owner = current->owner;
    if (!validInModelSpace(changed))
        return false;
    if (changed == *current)
        return true;
    m_drawing.replaceEntity(id, ownEntity(std::move(changed)));
    return true;
}

bool Transaction::move(EntityId id, Point3 d) {
    if (!m_drawing.entity(id))
        return false;
    if (m_events && m_events->moving.ask(id, d) == Verdict::Refuse)
        return false;
    const Entity* current = m_drawing.entity(id); // the handler may have changed its record
    if (!current)
        return false;
    Entity moved = *current;
    translate(moved.shape, d);
    return replace(id, std::move(moved));
}

bool Transaction::dragGrip(EntityId id, int grip, Point3 d) {
    const Entity* e = m_drawing.entity(id);
    if (!e || grip < 0 || static_cast<std::size_t>(grip) >= gripPoints(e->shape).size())
        return false;
    if (m_events && m_events->gripping.ask(id, grip, d) == Verdict::Refuse)
        return false;
    const Entity* current = m_drawing.entity(id);
    if (!current)
        return false;
    Entity dragged = *current;
    moveGrip(dragged.shape, grip, d);
    return replace(id, std::move(dragged));
}

bool Transaction::edit(EntityId id, const std::function<void(Entity&)>& change) {
    const Entity* current = m_drawing.entity(id);
    if (!current)
        return false;
    Entity changed = *current;
    change(changed);
    const bool different = !(changed == *current);
    if (!replace(id, std::move(changed)))
        return false;
    if (different && m_events)
        m_events->entityChanged.notify(id);
    return true;
}

bool Transaction::setLayer(EntityId id, LayerId layer) {
    return edit(id, [&](Entity& e) { e.layer = layer; });
}

bool Transaction::setColor(EntityId id, int color) {
    return edit(id, [&](Entity& e) { e.color = color; });
}

bool Transaction::setVisible(EntityId id, bool visible) {
    return edit(id, [&](Entity& e) { e.visible = visible; });
}

bool Transaction::setKindCode(EntityId id, std::int32_t kind) {
    return edit(id, [&](Entity& e) { e.userData = kind; });
}

bool Transaction::setExtendedData(EntityId id, std::vector<std::uint8_t> record) {
    return edit(id, [&](Entity& e) { e.exData = std::move(record); });
}

bool Transaction::setAttributeValue(EntityId insert, std::size_t attribute, std::string value) {
    const Entity* e = m_drawing.entity(insert);
    const auto* ins = e ? std::get_if<InsertShape>(&e->shape) : nullptr;
    if (!ins || attribute >= ins->attributes.size())
        return false;
    return edit(insert, [&](Entity& changed) {
        std::get<InsertShape>(changed.shape).attributes[attribute].value = std::move(value);
    });
}

std::vector<EntityId> Transaction::replaceLayerContents(LayerId layer,
                                                        std::vector<Entity> entities) {
    if (!m_drawing.layer(layer) || !m_drawing.hasIdsFor(entities.size()))
        return {};
    for (Entity& e : entities) {
        e.layer = layer;
        e.owner = BlockId();
        if (!validReferences(e))
            return {};
    }
    LayerReplacement replacement{layer, {}, {}};
    const bool announce = m_events && !m_events->layerReplaced.empty();
    replacement.added = m_drawing.replaceLayerContents(layer, std::move(entities));
    if (announce) {
        // The previous contents now live in the undo record, in their order.
        const auto& gone =
            *std::get<std::unique_ptr<Drawing::EntityPtrs>>(m_drawing.m_records.back().other);
        replacement.went.reserve(gone.size());
        for (const auto& e : gone)
            replacement.went.push_back(e.get());
        m_events->layerReplaced.notify(replacement);
    }
    return replacement.added;
}

// ---------------------------------------------------------------- layers

LayerId Transaction::addLayer(const Layer& layer) {
    if (layer.name.empty())
        return LayerId();
    if (const LayerId existing = m_drawing.layerByName(layer.name))
        return existing;
    const LayerId id = m_drawing.insertLayer(layer);
    if (m_events)
        m_events->layerChanged.notify(id);
    return id;
}

bool Transaction::changeLayer(LayerId id, const Layer& layer) {
    const Layer* current = m_drawing.layer(id);
    if (!current || layer.name.empty())
        return false;
    const LayerId named = m_drawing.layerByName(layer.name);
    if (named && named != id)
        return false;
    if (*current == layer)
        return true;
    m_drawing.replaceLayer(id, layer);
    if (m_events)
        m_events->layerChanged.notify(id);
    return true;
}

bool Transaction::moveLayer(LayerId id, std::size_t position) {
    if (!m_drawing.layer(id) || position >= m_drawing.layerOrder().size())
        return false;
    m_drawing.reorderLayer(id, position);
    if (m_events)
        m_events->layerChanged.notify(id);
    return true;
}

EraseLayerResult Transaction::eraseLayer(LayerId id) {
    const Layer* l = m_drawing.layer(id);
    if (!l)
        return EraseLayerResult::NoSuchLayer;
    if (l->name == "0")
        return EraseLayerResult::LayerZero;
    if (m_drawing.layerCount(id) > 0)
        return EraseLayerResult::HoldsEntities;
    if (id == m_drawing.settings().currentLayer)
        return EraseLayerResult::CurrentLayer;
    m_drawing.removeLayer(id);
    if (m_events)
        m_events->layerChanged.notify(id);
    return EraseLayerResult::Erased;
}

// ---------------------------------------------------------------- blocks, styles, data

BlockId Transaction::addBlock(const std::string& name, const Point3& base) {
    if (name.empty() || m_drawing.blockByName(name) || !validShape(PointShape{base}))
        return BlockId();
    const BlockId id = m_drawing.insertBlock(name, base);
    if (m_events)
        m_events->blockAdded.notify(id);
    return id;
}

template <class Change> auto Transaction::changeStyles(Change change) {
    const std::uint64_t revision = m_drawing.revision();
    const auto result = change();
    if (m_drawing.revision() != revision && m_events)
        m_events->stylesChanged.notify();
    return result;
}

MlineStyleId Transaction::addMlineStyle(const MlineStyle& style) {
    return changeStyles([&] { return m_drawing.insertMlineStyle(style); });
}

bool Transaction::changeMlineStyle(MlineStyleId id, const MlineStyle& style) {
    return changeStyles([&] { return m_drawing.replaceMlineStyle(id, style); });
}

DimStyleId Transaction::addDimStyle(const DimStyle& style) {
    return changeStyles([&] { return m_drawing.insertDimStyle(style); });
}

bool Transaction::changeDimStyle(DimStyleId id, const DimStyle& style) {
    return changeStyles([&] { return m_drawing.replaceDimStyle(id, style); });
}

void Transaction::setDrawingData(std::vector<std::uint8_t> data) {
    if (data == m_drawing.data().exData)
        return;
    auto changed = std::make_unique<DrawingData>(m_drawing.data());
    changed->exData = std::move(data);
    m_drawing.replaceData(std::move(changed));
    if (m_events)
        m_events->dataChanged.notify();
}

void Transaction::setPalette(const std::array<std::uint32_t, 256>& palette) {
    auto changed = std::make_unique<DrawingData>(m_drawing.data());
    for (std::size_t i = 0; i < palette.size(); ++i)
        changed->palette[i] = palette[i] & 0xFFFFFF;
    if (changed->palette == m_drawing.data().palette)
        return;
    m_drawing.replaceData(std::move(changed));
    if (m_events)
        m_events->dataChanged.notify();
}

bool Transaction::setPaletteColor(int index, std::uint32_t rgb) {
    if (index < 0 || index > 255)
        return false;
    std::array<std::uint32_t, 256> palette = m_drawing.data().palette;
    palette[static_cast<std::size_t>(index)] = rgb;
    setPalette(palette);
    return true;
}

} // namespace quadrilo::cad
