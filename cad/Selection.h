// The ordered selection set of a drawing.
#pragma once

#include "cad/Ids.h"

#include <unordered_set>
#include <vector>

namespace quadrilo::cad {

class Selection {
public:
    bool add(EntityId id);    // false when already selected
    bool remove(EntityId id); // false when not selected
    // Removes, in one pass, the entities for which gone is true; returns them in order.
    template <class Gone> std::vector<EntityId> removeIf(Gone gone) {
        std::vector<EntityId> removed;
        std::erase_if(m_order, [&](EntityId id) {
            if (!gone(id))
                return false;
            removed.push_back(id);
            m_members.erase(id);
            return true;
        });
        return removed;
    }
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

} // namespace quadrilo::cad
