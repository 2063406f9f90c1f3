// Column (pilar) record: the 168 bytes attached to a column insert in the drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo {

// Lengths in cm; the restraint flags are 1 when restrained, 0 when free; Mola is the vertical
// spring stiffness, 0 for none. The record has no entity identifier.
struct TColumnData {
    static constexpr std::size_t Size = 168;
    static constexpr std::size_t NomeCapacity = 50;

    double LadoA = 0;
    double LadoB = 0;
    double Altura = 0;
    double X = 0, Y = 0, Z = 0;
    double MinX = 0, MinY = 0, MinZ = 0;
    double MaxX = 0, MaxY = 0, MaxZ = 0;
    std::uint8_t Dz = 0;
    std::uint8_t Rx = 0;
    std::uint8_t Ry = 0;
    double Mola = 0;
    std::string Nome;

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes.
    [[nodiscard]] static TColumnData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TColumnData&) const = default;
};

} // namespace quadrilo
