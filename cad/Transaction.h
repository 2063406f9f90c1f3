// The one way to change a drawing. A transaction groups its changes into one undo step and
// raises one event for each change from the drawing's events. Leaving its scope normally keeps
// the changes; leaving it by an exception (or calling rollback) takes every one of them back,
// so the drawing and its undo history are as they were. Transactions nest: an inner one joins
// the outer one's step, and rolls back only its own changes.
//
//     Transaction tx(drawing);
//     const EntityId beam = tx.add(Entity{.layer = vigas, .userData = 1, .exData = record,
//                                         .shape = *drawing.mlineOf(style, {a, b}, false)});
//
// Every operation checks the same rules whether it stands alone or in a larger transaction, and
// refuses a change that breaks them whole (none, false), leaving nothing half done.
#pragma once

#include "cad/Drawing.h"

#include <functional>
#include <string>
#include <vector>

namespace quadrilo::cad {

class Transaction {
public:
    explicit Transaction(Drawing& drawing);
    ~Transaction() noexcept(false);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    Drawing& drawing() { return m_drawing; }
    // Takes back every change made in this transaction and ends it.
    void rollback();

    // ---- entities, model space
    // Adds a finished entity on its layer (none: the current layer); raises created. None when
    // the layer is missing or the shape or block reference is invalid.
    EntityId add(Entity entity);
    // Adds an entity to a block's content (attribute definitions, the outline of a column).
    EntityId addToBlock(BlockId block, Entity entity);
    // Raise erasing, moving or gripping first; a handler may refuse (false) or change d.
    bool erase(EntityId id);
    bool move(EntityId id, Point3 d);
    bool dragGrip(EntityId id, int grip, Point3 d);
    // Any other change through a copy (the id and owning block stay); raises entityChanged.
    bool edit(EntityId id, const std::function<void(Entity&)>& change);
    bool setLayer(EntityId id, LayerId layer);
    bool setColor(EntityId id, int color);
    bool setVisible(EntityId id, bool visible);
    bool setKindCode(EntityId id, std::int32_t kind);
    bool setExtendedData(EntityId id, std::vector<std::uint8_t> record);
    bool setAttributeValue(EntityId insert, std::size_t attribute, std::string value);
    // Replaces every model-space entity of the layer by the given ones, as one record that
    // keeps the previous entities without copying them; raises layerReplaced. The new ids in
    // order, or none at all when a layer, shape or block reference is invalid.
    std::vector<EntityId> replaceLayerContents(LayerId layer, std::vector<Entity> entities);

    // ---- layers: names are unique and not empty; adding an existing name returns that layer
    LayerId addLayer(const Layer& layer);
    bool changeLayer(LayerId id, const Layer& layer);
    bool moveLayer(LayerId id, std::size_t position);
    EraseLayerResult eraseLayer(LayerId id);

    // ---- blocks (none if the name exists), styles, drawing data
    BlockId addBlock(const std::string& name, const Point3& base);
    MlineStyleId addMlineStyle(const MlineStyle& style);
    bool changeMlineStyle(MlineStyleId id, const MlineStyle& style);
    DimStyleId addDimStyle(const DimStyle& style);
    bool changeDimStyle(DimStyleId id, const DimStyle& style);
    void setDrawingData(std::vector<std::uint8_t> data);
    // Palette entries are 0x00RRGGBB; an index outside 0-255 is refused.
    void setPalette(const std::array<std::uint32_t, 256>& palette);
    bool setPaletteColor(int index, std::uint32_t rgb);

private:
    bool validInModelSpace(const Entity& e) const;
    bool validReferences(const Entity& e) const;
    bool replace(EntityId id, Entity changed);
    // Runs a change of the named style tables and raises stylesChanged if it changed anything.
    template <class Change> auto changeStyles(Change change);
    void end();

    Drawing& m_drawing;
    DrawingEvents* m_events;
    int m_exceptions;
    bool m_open = true;
};

} // namespace quadrilo::cad
