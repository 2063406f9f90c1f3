// Nodal load (carga) record: the 88 bytes attached to a load insert in the drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo {

// Valor in kN (positive upward), position in cm copied from the loaded node.
struct TLoadData {
    static constexpr std::size_t Size = 88;
    static constexpr std::size_t DescricaoCapacity = 50;

    double Valor = 0;
    double X = 0;
    double Y = 0;
    double Z = 0;
    std::string Descricao;

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes.
    [[nodiscard]] static TLoadData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TLoadData&) const = default;
};

} // namespace quadrilo
