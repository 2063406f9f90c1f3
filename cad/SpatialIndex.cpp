// Lazy R-tree over entity extents: pending inserts are flushed (or the tree repacked) on query.
#include "SpatialIndex.h"

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include <boost/iterator/function_output_iterator.hpp>

#include <algorithm>
#include <iterator>

namespace bgi = boost::geometry::index;

namespace cad {
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
};

SpatialIndex::SpatialIndex(ExtentOf extentOf)
    : m_extentOf(std::move(extentOf)), m_tree(std::make_unique<Tree>()) {}
SpatialIndex::~SpatialIndex() = default;

void SpatialIndex::insert(EntityId id, bool infinite) {
    const State* state = m_state.find(id.value);
    if (!infinite && state && *state == State::Pending)
        return; // still waiting for the tree, which will ask for its extent then
    remove(id);
    if (infinite) {
        m_state.at(id.value) = State::Infinite;
        m_infinite.push_back(id.value);
    } else {
        m_state.at(id.value) = State::Pending;
        m_pending.push_back(id.value);
    }
}

void SpatialIndex::remove(EntityId id) {
    State* state = m_state.find(id.value);
    if (!state)
        return;
    switch (*state) {
    case State::InTree:
        m_tree->rtree.remove(Value(toBox(m_extents.at(id.value)), id.value));
        break;
    case State::Infinite:
        std::erase(m_infinite, id.value);
        break;
    case State::Pending: // the stale pending entry is skipped by flush
    case State::Absent:
        break;
    }
    *state = State::Absent;
}

void SpatialIndex::clear() {
    m_tree->rtree.clear();
    m_state.clear();
    m_extents.clear();
    m_pending.clear();
    m_infinite.clear();
}

void SpatialIndex::flush() {
    if (m_pending.empty())
        return;
    if (m_pending.size() > m_tree->rtree.size()) {
        // Many new entries (a drawing just built or opened): repacking is far faster than
        // inserting them one by one, and gives a better tree.
        std::vector<Value> values(m_tree->rtree.begin(), m_tree->rtree.end());
        values.reserve(values.size() + m_pending.size());
        for (std::uint32_t id : m_pending) {
            State& state = m_state.at(id);
            if (state == State::Pending) {
                const Extent& extent = m_extents.at(id) = m_extentOf(EntityId(id));
                values.emplace_back(toBox(extent), id);
                state = State::InTree;
            }
        }
        m_tree->rtree = decltype(m_tree->rtree)(values.begin(), values.end());
    } else {
        for (std::uint32_t id : m_pending) {
            State& state = m_state.at(id);
            if (state == State::Pending) {
                const Extent& extent = m_extents.at(id) = m_extentOf(EntityId(id));
                m_tree->rtree.insert(Value(toBox(extent), id));
                state = State::InTree;
            }
        }
    }
    m_pending.clear();
}

std::vector<EntityId> SpatialIndex::query(const Extent& window) {
    flush();
    std::vector<EntityId> ids;
    m_tree->rtree.query(bgi::intersects(toBox(window)),
                        boost::make_function_output_iterator(
                            [&](const Value& v) { ids.push_back(EntityId(v.second)); }));
    for (std::uint32_t id : m_infinite)
        ids.push_back(EntityId(id));
    return ids;
}

std::vector<EntityId> SpatialIndex::queryInside(const Extent& window) {
    flush();
    std::vector<EntityId> ids;
    m_tree->rtree.query(bgi::covered_by(toBox(window)),
                        boost::make_function_output_iterator(
                            [&](const Value& v) { ids.push_back(EntityId(v.second)); }));
    return ids;
}

} // namespace cad
