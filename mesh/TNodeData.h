// Grillage node record: the 152 bytes attached to each node point of the malha.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quadrilo {

// Coordinates in cm, loads in kN (the P shares positive downward, PPontual positive upward),
// results in rad and m. The Free flags are 1 when the degree of freedom is free, 0 restrained.
struct TNodeData {
    static constexpr std::size_t Size = 152;

    double X = 0;
    double Y = 0;
    std::uint16_t Number = 0;
    std::uint16_t Number2 = 0;
    double MomentX = 0; // stored as Extended
    double MomentY = 0; // stored as Extended
    std::uint8_t FreeRx = 0;
    std::uint8_t FreeRy = 0;
    std::uint8_t FreeDz = 0;
    double Rotx = 0;
    double Roty = 0;
    double dz = 0;
    double Spring = 0;
    double PLaje = 0;
    double PAcid = 0;
    double PPerm = 0;
    double PViga = 0;
    double PParede = 0;
    double PPontual = 0;
    std::int32_t EntityID = 0;
    std::uint8_t Kind = 0; // 0 internal, 1 lateral, 2 corner

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes.
    [[nodiscard]] static TNodeData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TNodeData&) const = default;
};

} // namespace quadrilo
