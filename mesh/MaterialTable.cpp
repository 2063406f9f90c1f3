// The material table of a data generation: one material per viga, four per laje, numbered from 1.
#include "mesh/MaterialTable.h"

#include <stdexcept>

namespace quadrilo::mesh {

void MaterialTable::Clear() {
    m_materials.clear();
    m_firstOfOwner.clear();
}

std::uint16_t MaterialTable::Add(const TMaterialData& material) {
    if (m_materials.size() >= MaxMaterials)
        throw std::length_error("material table full");
    m_materials.push_back(material);
    const auto number = static_cast<std::uint16_t>(m_materials.size());
    if (material.Owner != 0) // 0 names no entity
        m_firstOfOwner.emplace(material.Owner, number);
    return number;
}

const TMaterialData* MaterialTable::Find(std::uint16_t number) const {
    return number >= 1 && number <= m_materials.size() ? &m_materials[number - 1u] : nullptr;
}

std::uint16_t MaterialTable::FirstOwnedBy(std::uint32_t owner) const {
    const auto found = m_firstOfOwner.find(owner);
    return found == m_firstOfOwner.end() ? 0 : found->second;
}

} // namespace quadrilo::mesh
