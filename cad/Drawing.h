// The drawing database: layers, blocks, styles, entities and drawing-level data, with one
// transaction path for every change so that undo and redo cover all of it.
#pragma once

#include "Entity.h"
#include "PagedTable.h"
#include "SpatialIndex.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace cad {

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

class Drawing {
public:
    Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    // ---- layers, in the drawing's layer order
    // Adds a layer; a name that exists keeps the existing layer as it is and returns it.
    LayerId addLayer(const Layer& layer);
    [[nodiscard]] bool changeLayer(LayerId id, const Layer& layer); // false: bad id or name taken
    [[nodiscard]] bool moveLayer(LayerId id, std::size_t position);
    [[nodiscard]] bool eraseLayer(LayerId id); // only an empty layer that is not current
    const Layer* layer(LayerId id) const;
    LayerId layerByName(const std::string& name) const;
    const std::vector<LayerId>& layerOrder() const { return m_layerOrder; }
    EntityId firstInLayer(LayerId id) const;
    std::size_t layerCount(LayerId id) const;

    // ---- entities
    // Adds to model space (the layer defaults to the current one); the id is assigned here.
    EntityId addEntity(Entity entity);
    const Entity* entity(EntityId id) const;
    // Changes an entity through a copy; the change is recorded for undo.
    bool editEntity(EntityId id, const std::function<void(Entity&)>& change);
    bool eraseEntity(EntityId id);
    // Next entity in the same layer (model space) or block.
    EntityId nextEntity(EntityId id) const;
    std::uint32_t nextId() const { return m_nextId; }

    // ---- blocks
    BlockId addBlock(const std::string& name, const Point3& base); // none if the name exists
    const Block* block(BlockId id) const;
    BlockId blockByName(const std::string& name) const;
    std::vector<BlockId> blocks() const;
    EntityId firstInBlock(BlockId id) const;
    bool moveToBlock(EntityId entity, BlockId block);

    // ---- styles
    MlineStyleId addMlineStyle(const MlineStyle& style); // none if the name exists
    bool changeMlineStyle(MlineStyleId id, const MlineStyle& style);
    const MlineStyle* mlineStyle(MlineStyleId id) const;
    MlineStyleId mlineStyleByName(const std::string& name) const;
    std::size_t mlineStyleSlots() const { return m_mlineStyles.size(); }
    DimStyleId addDimStyle(const DimStyle& style);
    bool changeDimStyle(DimStyleId id, const DimStyle& style);
    const DimStyle* dimStyle(DimStyleId id) const;
    DimStyleId dimStyleByName(const std::string& name) const;
    std::size_t dimStyleSlots() const { return m_dimStyles.size(); }

    // ---- drawing-level data and settings
    const DrawingData& data() const { return m_data; }
    void editData(const std::function<void(DrawingData&)>& change);
    DrawingSettings& settings() { return m_settings; }
    const DrawingSettings& settings() const { return m_settings; }
    bool dirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }

    // ---- undo: every change above is one record; a group makes one undo step of many
    void beginGroup();
    void endGroup();
    bool undo();
    bool redo();
    bool canUndo() const { return m_undoneFrom > 0; }
    bool canRedo() const { return m_undoneFrom < m_steps.size(); }
    void clearUndo();
    // Oldest steps are dropped when the log holds more records than this (an erased grillage
    // keeps every erased entity in its step).
    void setUndoLimit(std::size_t records) { m_undoLimit = records; }
    std::size_t undoSteps() const { return m_steps.size(); }

    // ---- plan geometry and the spatial index of model space
    Extent extentOf(const Entity& entity) const;
    double distanceTo(const Entity& entity, const Point3& p) const;
    void outlineOf(const Entity& entity, std::vector<std::pair<Point3, Point3>>& out) const;
    [[nodiscard]] std::vector<EntityId> entitiesMeeting(const Extent& window);
    [[nodiscard]] std::vector<EntityId> entitiesInside(const Extent& window);

    // ---- restoring a stored drawing (no undo records; used by the file reader)
    friend class DrawingLoader;

private:
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
        Data
    };
    using Payload = std::variant<std::monostate, std::unique_ptr<Entity>, std::unique_ptr<Layer>,
                                 std::unique_ptr<Block>, std::unique_ptr<MlineStyle>,
                                 std::unique_ptr<DimStyle>, std::unique_ptr<DrawingData>>;
    // A change, stored as the state on the other side of it: applying a record swaps the
    // stored state with the current one, so the same record serves undo and redo.
    struct Record {
        Target target;
        std::uint32_t id = 0;
        std::uint32_t anchor = 0; // entity before it in its list / position in the layer order
        Payload other;
    };

    void record(Record&& r);
    void apply(Record& r);
    void applyEntity(Record& r);
    void applyLayer(Record& r);
    void applyLayerOrder(Record& r);
    void applyBlock(Record& r);
    template <class T>
    void applyNamed(Record& r, std::vector<std::unique_ptr<T>>& table,
                    std::unordered_map<std::string, std::uint32_t>& names);

    EntityList& listOf(const Entity& e);
    void append(const Entity& e);
    void linkAfter(const Entity& e, EntityId anchor);
    EntityId unlink(const Entity& e); // returns the entity that stood before it
    void index(const Entity& e);
    void unindex(const Entity& e);
    Extent extentOf(const Entity& entity, int depth) const;
    void outlineOf(const Entity& entity, std::vector<std::pair<Point3, Point3>>& out,
                   int depth) const;
    void rebuildIndex();
    std::size_t insertsOf(BlockId block) const;
    void countInsert(const Entity& e, int delta);
    void blockContentChanged(const Entity& e);
    void keepSettingsValid();
    void trimUndo();
    bool createdInOpenStep(EntityId id) const;
    bool editInPlace(Entity& e, const std::function<void(Entity&)>& change);

    PagedTable<std::unique_ptr<Entity>> m_entities; // by id
    PagedTable<Links> m_links;                      // by entity id
    std::vector<std::unique_ptr<Layer>> m_layers;   // by id
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

    std::vector<Record> m_records;
    std::vector<std::size_t> m_steps; // first record of each step
    std::size_t m_undoneFrom = 0;     // steps at and after this index are undone
    int m_groupDepth = 0;
    bool m_groupHasStep = false;
    std::uint32_t m_stepFirstId = 0; // the next id when the open step began
    std::size_t m_undoLimit = 1'000'000;

    SpatialIndex m_index;
    bool m_indexStale = false; // a block changed: inserts' extents must be recomputed
};

// Groups the changes made during its lifetime into one undo step, also when an exception
// (from an event handler, say) leaves the scope early.
class UndoGroup {
public:
    explicit UndoGroup(Drawing& drawing) : m_drawing(drawing) { m_drawing.beginGroup(); }
    ~UndoGroup() { m_drawing.endGroup(); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    Drawing& m_drawing;
};

} // namespace cad
