// Wall (parede) record: the 136 bytes attached to a wall line in the drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo {

// The two picked points in cm, as picked. The first 32 bytes are reserved and kept zero.
struct TWallData {
    static constexpr std::size_t Size = 136;
    static constexpr std::size_t NomeCapacity = 50;

    double X1 = 0, Y1 = 0, Z1 = 0;
    double X2 = 0, Y2 = 0, Z2 = 0;
    std::string Nome = "Parede";

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes.
    [[nodiscard]] static TWallData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TWallData&) const = default;
};

} // namespace quadrilo
