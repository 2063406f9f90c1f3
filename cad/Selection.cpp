// The ordered selection set of a drawing.
#include "cad/Selection.h"

#include <algorithm>

namespace quadrilo::cad {

bool Selection::add(EntityId id) {
    if (!id || !m_members.insert(id).second)
        return false;
    m_order.push_back(id);
    return true;
}

bool Selection::remove(EntityId id) {
    if (m_members.erase(id) == 0)
        return false;
    m_order.erase(std::find(m_order.begin(), m_order.end(), id));
    return true;
}

void Selection::clear() {
    m_order.clear();
    m_members.clear();
}

} // namespace quadrilo::cad
