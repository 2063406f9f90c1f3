// The material table of a data generation: one material per viga, four per laje, numbered from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace quadrilo::mesh {

// E and G in kN/m², I and It in cm⁴; Owner is the entity that produced the material, 0 (which
// names no entity) for the material of no stiffness given to bars outside every laje and viga.
struct TMaterialData {
    double E = 0;
    double I = 0;
    double G = 0;
    double It = 0;
    std::uint32_t Owner = 0;

    bool operator==(const TMaterialData&) const = default;
};

class MaterialTable {
public:
    // Material numbers are the bars' 16-bit Material field.
    static constexpr std::size_t MaxMaterials = 65535;

    void Clear();
    // Appends the material and returns its number.
    std::uint16_t Add(const TMaterialData& material);

    [[nodiscard]] std::size_t Count() const { return m_materials.size(); }
    [[nodiscard]] const std::vector<TMaterialData>& Materials() const { return m_materials; }
    // The material of that number; null for 0 or a number past the table.
    [[nodiscard]] const TMaterialData* Find(std::uint16_t number) const;
    // The number of the first material of that owner; 0 when it owns none, and for owner 0.
    [[nodiscard]] std::uint16_t FirstOwnedBy(std::uint32_t owner) const;

private:
    std::vector<TMaterialData> m_materials;
    std::unordered_map<std::uint32_t, std::uint16_t> m_firstOfOwner;
};

} // namespace quadrilo::mesh
