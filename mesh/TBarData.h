// Grillage bar record: the 160 bytes attached to each bar line of the malha.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quadrilo {

// End coordinates in cm; end forces in kN·m (MT torsion, MF bending) and kN (V shear) at N1 and
// N2; Material is the 1-based number in the material table, 0 while unassigned.
struct TBarData {
    static constexpr std::size_t Size = 160;

    double X1 = 0; // stored as Extended
    double Y1 = 0; // stored as Extended
    double X2 = 0; // stored as Extended
    double Y2 = 0; // stored as Extended
    std::uint16_t N1 = 0;
    std::uint16_t N2 = 0;
    std::uint16_t Number = 0;
    std::int32_t N1EntityID = 0;
    std::int32_t N2EntityID = 0;
    std::int32_t EntityID = 0;
    double MT1 = 0;
    double MT2 = 0;
    double MF1 = 0;
    double MF2 = 0;
    double V1 = 0;
    double V2 = 0;
    std::uint16_t Material = 0;
    std::uint8_t Orientation = 0; // 0 horizontal, 1 vertical, 2 diagonal
    std::uint8_t BarType = 0;     // 0 internal, 1 lateral

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes.
    [[nodiscard]] static TBarData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TBarData&) const = default;
};

} // namespace quadrilo
