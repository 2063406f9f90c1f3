// Lazy R-tree over entity extents: pending inserts are flushed (or the tree repacked) on query.
#include "cad/SpatialIndex.h"

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include <boost/iterator/function_output_iterator.hpp>

#include <algorithm>
#include <iterator>

namespace bgi = boost::geometry::index;

namespace quadrilo::cad {
namespace {

using BgPoint = boost::geometry::model::point<double, 2, boost::geometry::cs::cartesian>;
using BgBox = boost::geometry::model::box<BgPoint>;
using Value = std::pair<BgBox, std::uint32_t>;

BgBox toBox(const Extent& e) {
    return BgBox(BgPoint(e.minX, e.minY), BgPoint(e.maxX, e.maxY));
}

} // namespace

struct SpatialIndex::Tree {
    bgi::rtree<Value, bgi::rstar<16>> rtree;

    // Ids of the entries that satisfy an R-tree predicate.
    template <class Predicate> std::vector<EntityId> idsWhere(const Predicate& predicate) const {
        std::vector<EntityId> ids;
        rtree.query(predicate, boost::make_function_output_iterator(
                                   [&](const Value& v) { ids.push_back(EntityId(v.second)); }));
        return ids;
    }
};

SpatialIndex::SpatialIndex(ExtentOf extentOf)
    : m_extentOf(std::move(extentOf)), m_tree(std::make_unique<Tree>()) {}
SpatialIndex::~SpatialIndex() = default;

// An entity leaves its state: a tree entry waits in m_stale for the next flush.
void SpatialIndex::leave(std::uint32_t id, State state) {
    if (state == State::InTree)
        m_stale.push_back(id);
    else if (state == State::Infinite)
        std::erase(m_infinite, id);
    // A pending entry that is no longer pending is skipped by the flush.
}

void SpatialIndex::insert(EntityId id, bool infinite) {
    State& state = m_state.at(id.value);
    if (!infinite && state == State::Pending)
        return; // still waiting for the tree, which will ask for its extent then
    leave(id.value, state);
    state = infinite ? State::Infinite : State::Pending;
    (infinite ? m_infinite : m_pending).push_back(id.value);
}

void SpatialIndex::remove(EntityId id) {
    State* state = m_state.find(id.value);
    if (!state)
        return;
    leave(id.value, *state);
    *state = State::Absent;
}

void SpatialIndex::clear() {
    m_tree->rtree.clear();
    m_state.clear();
    m_extents.clear();
    m_pending.clear();
    m_stale.clear();
    m_infinite.clear();
}

template <class Take> void SpatialIndex::takePending(Take take) {
    for (std::uint32_t id : m_pending) {
        State& state = m_state.at(id);
        if (state == State::Pending) {
            const Extent& extent = m_extents.at(id) = m_extentOf(EntityId(id));
            take(Value(toBox(extent), id));
            state = State::InTree;
        }
    }
    m_pending.clear();
}

void SpatialIndex::flush() {
    if (m_pending.empty() && m_stale.empty())
        return;
    auto& rtree = m_tree->rtree;
    if (m_pending.size() > rtree.size() || 4 * m_stale.size() > rtree.size()) {
        // Many changes (a drawing just built or opened, a layer replaced): repacking is far
        // faster than inserting and removing entries one by one, and gives a better tree.
        std::vector<Value> values; // what stays in the tree, then what comes
        values.reserve(rtree.size() - std::min(rtree.size(), m_stale.size()) + m_pending.size());
        for (const Value& v : rtree)
            if (*m_state.find(v.second) == State::InTree)
                values.push_back(v);
        rtree.clear(); // first, so that the new tree can take the old one's memory
        takePending([&](const Value& v) { values.push_back(v); });
        rtree = std::remove_reference_t<decltype(rtree)>(values.begin(), values.end());
    } else {
        for (std::uint32_t id : m_stale)
            rtree.remove(Value(toBox(m_extents.at(id)), id));
        takePending([&](const Value& v) { rtree.insert(v); });
    }
    m_stale.clear();
}

std::vector<EntityId> SpatialIndex::query(const Extent& window) {
    flush();
    std::vector<EntityId> ids = m_tree->idsWhere(bgi::intersects(toBox(window)));
    for (std::uint32_t id : m_infinite)
        ids.push_back(EntityId(id));
    return ids;
}

std::vector<EntityId> SpatialIndex::queryInside(const Extent& window) {
    flush();
    return m_tree->idsWhere(bgi::covered_by(toBox(window)));
}

} // namespace quadrilo::cad
