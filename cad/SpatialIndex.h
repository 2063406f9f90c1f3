// Plan-view spatial index of model-space entities (Boost.Geometry R-tree), kept lazily so that
// creating, editing or erasing many entities costs no tree work, nor even their extents, until
// the next query; a query after many changes repacks the tree at once.
#pragma once

#include "cad/Geometry.h"
#include "cad/Ids.h"
#include "cad/PagedTable.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quadrilo::cad {

class SpatialIndex {
public:
    ~SpatialIndex();
    SpatialIndex(const SpatialIndex&) = delete;
    SpatialIndex& operator=(const SpatialIndex&) = delete;

    // Where an entity lies, asked for when pending entities go into the tree.
    using ExtentOf = std::function<Extent(EntityId)>;
    explicit SpatialIndex(ExtentOf extentOf);

    // (Re)enters an entity whose extent may have changed. Infinite entities (construction
    // lines, rays) are kept apart and reported by every query.
    void insert(EntityId id, bool infinite);
    void remove(EntityId id);
    void clear();
    // Ids whose extent meets the window, plus every infinite entity.
    [[nodiscard]] std::vector<EntityId> query(const Extent& window);
    // Ids whose extent lies wholly inside the window (infinite entities never do).
    [[nodiscard]] std::vector<EntityId> queryInside(const Extent& window);

private:
    enum class State : std::uint8_t { Absent, InTree, Pending, Infinite };
    struct Tree; // the Boost.Geometry R-tree, kept out of this header

    void flush();
    template <class Take> void takePending(Take take);
    void leave(std::uint32_t id, State state);

    ExtentOf m_extentOf;
    std::unique_ptr<Tree> m_tree;
    PagedTable<State> m_state;
    PagedTable<Extent> m_extents; // as entered into the tree, to take it out again
    std::vector<std::uint32_t> m_pending;
    std::vector<std::uint32_t> m_stale; // still in the tree, no longer InTree: to take out
    std::vector<std::uint32_t> m_infinite;
};

} // namespace quadrilo::cad
