// Lazy R-tree over entity extents: pending inserts are flushed (or the tree repacked) on query.
#include "SpatialIndex.h"

#include <boost/iterator/function_output_iterator.hpp>

#include <algorithm>
#include <iterator>

namespace bgi = boost::geometry::index;

namespace cad {

SpatialIndex::BgBox SpatialIndex::toBox(const Extent& e)
{
    return BgBox(BgPoint(e.minX, e.minY), BgPoint(e.maxX, e.maxY));
}

void SpatialIndex::grow(std::uint32_t id)
{
    if (id >= m_state.size()) {
        m_state.resize(id + 1, State::Absent);
        m_extents.resize(id + 1);
    }
}

void SpatialIndex::insert(EntityId id, const Extent& extent, bool infinite)
{
    remove(id);
    grow(id.value);
    m_extents[id.value] = extent;
    if (infinite) {
        m_state[id.value] = State::Infinite;
        m_infinite.push_back(id.value);
    } else {
        m_state[id.value] = State::Pending;
        m_pending.push_back(id.value);
    }
}

void SpatialIndex::remove(EntityId id)
{
    if (id.value >= m_state.size())
        return;
    switch (m_state[id.value]) {
    case State::InTree: m_tree.remove(Value(toBox(m_extents[id.value]), id.value)); break;
    case State::Infinite: std::erase(m_infinite, id.value); break;
    case State::Pending: // the stale pending entry is skipped by flush
    case State::Absent: break;
    }
    m_state[id.value] = State::Absent;
}

void SpatialIndex::clear()
{
    m_tree.clear();
    m_state.clear();
    m_extents.clear();
    m_pending.clear();
    m_infinite.clear();
}

void SpatialIndex::flush()
{
    if (m_pending.empty())
        return;
    if (m_pending.size() > m_tree.size()) {
        // Many new entries (a drawing just built or opened): repacking is far faster than
        // inserting them one by one, and gives a better tree.
        std::vector<Value> values;
        values.reserve(m_tree.size() + m_pending.size());
        for (std::uint32_t id = 0; id < m_state.size(); ++id) {
            if (m_state[id] == State::InTree || m_state[id] == State::Pending) {
                values.emplace_back(toBox(m_extents[id]), id);
                m_state[id] = State::InTree;
            }
        }
        m_tree = decltype(m_tree)(values.begin(), values.end());
    } else {
        for (std::uint32_t id : m_pending) {
            if (m_state[id] == State::Pending) {
                m_tree.insert(Value(toBox(m_extents[id]), id));
                m_state[id] = State::InTree;
            }
        }
    }
    m_pending.clear();
}

std::vector<EntityId> SpatialIndex::query(const Extent& window)
{
    flush();
    std::vector<EntityId> ids;
    m_tree.query(bgi::intersects(toBox(window)),
                 boost::make_function_output_iterator(
                     [&](const Value& v) { ids.push_back(EntityId(v.second)); }));
    for (std::uint32_t id : m_infinite)
        ids.push_back(EntityId(id));
    return ids;
}

std::vector<EntityId> SpatialIndex::queryInside(const Extent& window)
{
    flush();
    std::vector<EntityId> ids;
    m_tree.query(bgi::covered_by(toBox(window)),
                 boost::make_function_output_iterator(
                     [&](const Value& v) { ids.push_back(EntityId(v.second)); }));
    return ids;
}

} // namespace cad
