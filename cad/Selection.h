// The ordered selection set of a drawing.
#pragma once

#include "Ids.h"

#include <unordered_set>
#include <vector>

namespace cad {

class Selection {
public:
    bool add(EntityId id);    // false when already selected
    bool remove(EntityId id); // false when not selected
    void clear();
    bool contains(EntityId id) const { return m_members.count(id) != 0; }
    std::size_t size() const { return m_order.size(); }
    bool empty() const { return m_order.empty(); }
    // In the order the entities were selected.
    const std::vector<EntityId>& entities() const { return m_order; }

private:
    std::vector<EntityId> m_order;
    std::unordered_set<EntityId> m_members;
};

} // namespace cad
