// The AutoCAD Color Index (ACI) palette and the mapping of a drawing's own palette onto it.
#pragma once

#include <array>
#include <cstdint>

namespace quadrilo::dxf {

inline constexpr int AciByBlock = 0;
inline constexpr int AciByLayer = 256;

// The 256 standard ACI colours as 0x00RRGGBB (index 0, "by block", has no colour of its own).
[[nodiscard]] const std::array<std::uint32_t, 256>& AciPalette();

// The ACI colour 1-255 nearest to rgb (plain RGB distance; ties take the lower index); black
// is ACI 7, which CAD programs draw black on a light background.
[[nodiscard]] int NearestAci(std::uint32_t rgb);

// Maps colour indices of a drawing's palette to ACI: an index whose palette entry is the standard
// ACI colour stays as it is, any other takes the nearest ACI colour; by block and by layer stay.
class AciColorMap {
public:
    explicit AciColorMap(const std::array<std::uint32_t, 256>& palette);
    [[nodiscard]] int operator()(int index) const;

private:
    std::array<int, 256> m_aci{};
};

} // namespace quadrilo::dxf
