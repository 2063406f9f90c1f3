// The drawing database: layers, blocks, styles, entities and drawing-level data. Reading is
// open to all; every change goes through a Transaction (cad/Transaction.h), so that undo, redo
// and the drawing's events cover all of it.
#pragma once

#include "cad/DrawingEvents.h"
#include "cad/Entity.h"
#include "cad/PagedTable.h"
#include "cad/SpatialIndex.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace quadrilo::cad {

struct Layer {
    std::string name;
    int color = 7;
    int lineType = 0;
    int lineWeight = -1;
    bool visible = true;
    bool locked = false;
    friend bool operator==(const Layer&, const Layer&) = default;
};

struct Block {
    std::string name;
    Point3 base;
    friend bool operator==(const Block&, const Block&) = default;
};

struct MlineStyle {
    std::string name;
    int drawMode = 0;
    std::vector<MlineLine> lines;
    friend bool operator==(const MlineStyle&, const MlineStyle&) = default;
};

struct DimStyle {
    std::string name;
    double textHeight = 10.0;
    double arrowSize = 5.0;
    double extensionOffset = 2.0;
    double extensionBeyond = 2.0;
    int decimals = 2;
    friend bool operator==(const DimStyle&, const DimStyle&) = default;
};

// Drawing-level data the user authors: changes are undoable.
struct DrawingData {
    std::array<std::uint32_t, 256> palette{}; // 0x00RRGGBB
    std::vector<std::uint8_t> exData;
    friend bool operator==(const DrawingData&, const DrawingData&) = default;
};

struct View {
    Point3 centre;
    double height = 1000.0; // drawing units shown from bottom to top
    double angleHor = 90.0; // degrees; 90 is the top view
    double angleVer = 90.0; // degrees
    friend bool operator==(const View&, const View&) = default;
};

// Working settings kept in the drawing file but not undone (current layer, styles, view).
struct DrawingSettings {
    LayerId currentLayer;
    MlineStyleId currentMlineStyle;
    DimStyleId currentDimStyle;
    std::string pointStyle = "Simple";
    int pointMode = 0;
    double pointSize = 1.0;
    double textHeight = 10.0;
    View view;
    friend bool operator==(const DrawingSettings&, const DrawingSettings&) = default;
};

std::array<std::uint32_t, 256> defaultPalette();

// Entity ids and the counter of the next one stay below the largest signed 32-bit value, so the
// engine's signed ids never wrap and every saved counter reads back.
inline constexpr std::uint32_t MaxNextEntityId = 0x7FFFFFFE;

// Why a layer was not erased.
enum class EraseLayerResult { Erased, NoSuchLayer, LayerZero, HoldsEntities, CurrentLayer };

class Transaction;

// Owns one entity of the drawing or of the undo log. Most are owned alone; the entities a
// layer's contents were replaced with share the one block they came in, so that replacing a
// grillage allocates nothing per entity. The block goes with the last of its entities.
struct EntityRelease {
    std::shared_ptr<std::vector<Entity>> block; // none: the entity is owned alone
    void operator()(Entity* e) const noexcept {
        if (!block)
            delete e;
    }
};
using EntityPtr = std::unique_ptr<Entity, EntityRelease>;
inline EntityPtr ownEntity(Entity&& e) {
    return EntityPtr(new Entity(std::move(e)));
}

class Drawing {
public:
    Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    // ---- layers, in the drawing's layer order
    const Layer* layer(LayerId id) const;
    LayerId layerByName(const std::string& name) const;
    const std::vector<LayerId>& layerOrder() const { return m_layerOrder; }
    // Model-space entities of a layer in drawing order: firstInLayer, then nextEntity.
    EntityId firstInLayer(LayerId id) const;
    std::size_t layerCount(LayerId id) const;

    // ---- entities
    const Entity* entity(EntityId id) const;
    // Next entity in the same layer (model space) or block.
    EntityId nextEntity(EntityId id) const;
    std::uint32_t nextId() const { return m_nextId; }
    // Whether that many new entities still get an id.
    bool hasIdsFor(std::size_t count) const { return count <= MaxNextEntityId - m_nextId; }

    // ---- blocks
    const Block* block(BlockId id) const;
    BlockId blockByName(const std::string& name) const;
    std::vector<BlockId> blocks() const;
    EntityId firstInBlock(BlockId id) const;
    std::size_t blockCount(BlockId id) const;
    // An insert of the block with one attribute per definition, each starting with the
    // definition's text and placed like the block's content; none for a missing block.
    [[nodiscard]] std::optional<InsertShape> insertOf(BlockId block, const Point3& at, double scale,
                                                      double angle) const;

    // ---- styles
    const MlineStyle* mlineStyle(MlineStyleId id) const;
    MlineStyleId mlineStyleByName(const std::string& name) const;
    std::size_t mlineStyleSlots() const { return m_mlineStyles.size(); }
    // A multiline through the vertices in the style's lines; none for a missing style.
    [[nodiscard]] std::optional<MlineShape>
    mlineOf(MlineStyleId style, std::vector<Point3> vertices, bool closed) const;
    const DimStyle* dimStyle(DimStyleId id) const;
    DimStyleId dimStyleByName(const std::string& name) const;
    std::size_t dimStyleSlots() const { return m_dimStyles.size(); }

    // ---- drawing-level data and working settings (current layer and styles, view: saved in
    // the file, not undone, no event)
    const DrawingData& data() const { return m_data; }
    DrawingSettings& settings() { return m_settings; }
    const DrawingSettings& settings() const { return m_settings; }
    bool dirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }
    // Counts every change, done or undone: equal counts, the same drawing.
    std::uint64_t revision() const { return m_revision; }

    // ---- undo: each outermost transaction is one step
    // Refused (false) while a transaction is open.
    bool undo();
    bool redo();
    bool canUndo() const { return m_open.empty() && m_undoneFrom > 0; }
    bool canRedo() const { return m_open.empty() && m_undoneFrom < m_steps.size(); }
    bool inTransaction() const { return !m_open.empty(); }
    void clearUndo();
    // Oldest steps are dropped when the log holds more records than this.
    void setUndoLimit(std::size_t records) { m_undoLimit = records; }
    std::size_t undoSteps() const { return m_steps.size(); }
    std::size_t undoRecords() const { return m_records.size(); }

    // ---- events: a document attaches its own; a drawing on its own (a file being read, an
    // import) raises none
    void attachEvents(DrawingEvents* events) { m_events = events; }
    DrawingEvents* events() const { return m_events; }

    // ---- plan geometry and the spatial index of model space
    Extent extentOf(const Entity& entity) const { return extentOf(entity.shape); }
    // An insert's extent comes from its block's extents, worked out once per change of a block.
    Extent extentOf(const Shape& shape) const;
    double distanceTo(const Entity& entity, const Point3& p) const;
    void outlineOf(const Entity& entity, std::vector<std::pair<Point3, Point3>>& out) const;
    [[nodiscard]] std::vector<EntityId> entitiesMeeting(const Extent& window);
    [[nodiscard]] std::vector<EntityId> entitiesInside(const Extent& window);

private:
    friend class Transaction;
    friend class DrawingLoader; // restores a stored drawing without undo records

    struct Links {
        EntityId prev, next;
    };
    struct EntityList {
        EntityId first, last;
        std::size_t count = 0;
    };
    enum class Target : std::uint8_t {
        Entity,
        Layer,
        LayerOrder,
        Block,
        MlineStyle,
        DimStyle,
        Data,
        LayerContents
    };
    using EntityPtrs = std::vector<EntityPtr>;
    using Payload =
        std::variant<std::monostate, EntityPtr, std::unique_ptr<Layer>, std::unique_ptr<Block>,
                     std::unique_ptr<MlineStyle>, std::unique_ptr<DimStyle>,
                     std::unique_ptr<DrawingData>, std::unique_ptr<EntityPtrs>>;
    // A change, stored as the state on the other side of it: applying a record swaps the
    // stored state with the current one, so the same record serves undo and redo.
    struct Record {
        Target target;
        std::uint32_t id = 0;
        std::uint32_t anchor = 0; // entity before it in its list / position in the layer order
        Payload other;
    };
    // Where an open transaction began: what a roll-back returns to.
    struct Savepoint {
        std::size_t records;
        std::uint32_t firstId;
    };
    class Trace;

    // ---- the primitives a Transaction builds on; each makes one record
    EntityId insertEntity(Entity&& entity);
    void replaceEntity(EntityId id, EntityPtr changed);
    void removeEntity(EntityId id);
    std::vector<EntityId> replaceLayerContents(LayerId layer, std::vector<Entity>&& entities);
    LayerId insertLayer(const Layer& layer);
    void replaceLayer(LayerId id, const Layer& layer);
    void reorderLayer(LayerId id, std::size_t position);
    void removeLayer(LayerId id);
    BlockId insertBlock(const std::string& name, const Point3& base);
    void replaceData(std::unique_ptr<DrawingData> data);
    MlineStyleId insertMlineStyle(const MlineStyle& style);
    bool replaceMlineStyle(MlineStyleId id, const MlineStyle& style);
    DimStyleId insertDimStyle(const DimStyle& style);
    bool replaceDimStyle(DimStyleId id, const DimStyle& style);
    template <class T>
    std::uint32_t addStyle(Target target, std::vector<std::unique_ptr<T>>& table,
                           std::unordered_map<std::string, std::uint32_t>& names, const T& style);
    template <class T>
    bool changeStyle(Target target, std::vector<std::unique_ptr<T>>& table,
                     std::unordered_map<std::string, std::uint32_t>& names, std::uint32_t id,
                     const T& style);

    // ---- transactions
    void begin();
    void commit();
    void rollback();
    void finishOutermost(std::uint64_t revisionAtBegin);
    void stashRedoSteps();
    void restoreRedoSteps();
    bool createdInOpenTransaction(EntityId id) const;

    void record(Record&& r);
    void apply(Record& r, Trace* trace);
    void applyEntity(Record& r, Trace* trace);
    void applyLayer(Record& r);
    void applyLayerOrder(Record& r);
    void applyBlock(Record& r);
    void applyLayerContents(Record& r, Trace* trace);
    template <class T>
    void applyNamed(Record& r, std::vector<std::unique_ptr<T>>& table,
                    std::unordered_map<std::string, std::uint32_t>& names);
    bool step(bool forward);
    bool tracing() const; // someone listens to historyStepped
    void announce(Trace& trace, HistoryKind kind);

    EntityList& listOf(const Entity& e);
    void append(const Entity& e);
    void linkAfter(const Entity& e, EntityId anchor);
    EntityId unlink(const Entity& e); // returns the entity that stood before it
    void index(const Entity& e);
    void unindex(const Entity& e);
    // What the inserts of a block are placed from, worked out once per change of any block
    // (blocks nest at most MaxBlockNesting deep, so the walks that fill it end).
    using Segments = std::vector<std::pair<Point3, Point3>>;
    struct BlockGeometry {
        std::optional<std::vector<Point3>> corners; // of the content's extents
        std::optional<Segments> outline;            // in the block's own coordinates
    };
    // Lines beyond which a nested insert's outline gives way to its box.
    static constexpr std::size_t OutlineBudget = 4096;
    const std::vector<Point3>& blockCorners(BlockId id) const;
    const Segments& blockOutline(BlockId id) const;
    void blockGeometryChanged();
    void rebuildIndex();
    std::size_t insertsOf(BlockId block) const;
    void countInsert(const Entity& e, int delta);
    void blockContentChanged(const Entity& e);
    void keepSettingsValid();
    void trimUndo();

    PagedTable<EntityPtr> m_entities;             // by id
    PagedTable<Links> m_links;                    // by entity id
    std::vector<std::unique_ptr<Layer>> m_layers; // by id
    std::vector<EntityList> m_layerLists;
    std::vector<LayerId> m_layerOrder;
    std::unordered_map<std::string, std::uint32_t> m_layerNames;
    std::vector<std::unique_ptr<Block>> m_blocks;
    std::vector<EntityList> m_blockLists;
    std::vector<std::size_t> m_blockInserts; // model-space inserts of each block
    std::unordered_map<std::string, std::uint32_t> m_blockNames;
    std::vector<std::unique_ptr<MlineStyle>> m_mlineStyles;
    std::unordered_map<std::string, std::uint32_t> m_mlineStyleNames;
    std::vector<std::unique_ptr<DimStyle>> m_dimStyles;
    std::unordered_map<std::string, std::uint32_t> m_dimStyleNames;
    DrawingData m_data;
    DrawingSettings m_settings;
    std::uint32_t m_nextId = 1;
    bool m_dirty = false;
    std::uint64_t m_revision = 0;

    std::vector<Record> m_records;
    std::vector<std::size_t> m_steps; // first record of each step
    std::size_t m_undoneFrom = 0;     // steps at and after this index are undone
    std::size_t m_undoLimit = 1'000'000;
    std::vector<Savepoint> m_open; // open transactions, outermost first
    bool m_stepOpen = false;       // the outermost open transaction has made its step
    std::uint64_t m_revisionAtBegin = 0;
    // The undone steps while a transaction is open: dropped when it changes something, given
    // back when it changes nothing or rolls back.
    std::vector<Record> m_redoRecords;
    std::vector<std::size_t> m_redoSteps;

    DrawingEvents* m_events = nullptr;
    SpatialIndex m_index;
    bool m_indexStale = false; // a block changed: inserts' extents must be recomputed
    mutable std::unordered_map<std::uint32_t, BlockGeometry> m_blockGeometry; // by block id
};

} // namespace quadrilo::cad
