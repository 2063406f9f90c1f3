// Plan-view spatial index of model-space entities (Boost.Geometry R-tree), filled lazily so
// that creating many entities costs no tree work until the first query.
#pragma once

#include "Geometry.h"
#include "Ids.h"

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include <cstdint>
#include <vector>

namespace cad {

class SpatialIndex {
public:
    // Infinite entities (construction lines, rays) are kept apart and reported by every query.
    void insert(EntityId id, const Extent& extent, bool infinite);
    void remove(EntityId id);
    void clear();
    // Ids whose extent meets the window, plus every infinite entity.
    [[nodiscard]] std::vector<EntityId> query(const Extent& window);
    // Ids whose extent lies wholly inside the window (infinite entities never do).
    [[nodiscard]] std::vector<EntityId> queryInside(const Extent& window);

private:
    using BgPoint = boost::geometry::model::point<double, 2, boost::geometry::cs::cartesian>;
    using BgBox = boost::geometry::model::box<BgPoint>;
    using Value = std::pair<BgBox, std::uint32_t>;
    enum class State : std::uint8_t { Absent, InTree, Pending, Infinite };

    static BgBox toBox(const Extent& e);
    void flush();
    void grow(std::uint32_t id);

    boost::geometry::index::rtree<Value, boost::geometry::index::rstar<16>> m_tree;
    std::vector<State> m_state;
    std::vector<Extent> m_extents;
    std::vector<std::uint32_t> m_pending;
    std::vector<std::uint32_t> m_infinite;
};

} // namespace cad
