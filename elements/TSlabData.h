// Slab (laje) record: the 232 bytes attached to a slab insert in the drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo {

// Lengths in cm, surface loads in kN/m², weights in kN, inertias in cm⁴.
struct TSlabData {
    static constexpr std::size_t Size = 232;
    static constexpr std::size_t NomeCapacity = 50;

    double Lx = 0;
    double Ly = 0;
    double CargaAcidental = 0;
    double CargaPermanente = 0;
    double Espessura = 0;
    double Ix = 0;
    double Iy = 0;
    double Itx = 0;
    double Ity = 0;
    double PesoProprio = 0;
    double TotalAcidental = 0;
    double TotalPermanente = 0;
    double CentroX = 0, CentroY = 0, CentroZ = 0;
    double MinX = 0, MinY = 0, MinZ = 0;
    double MaxX = 0, MaxY = 0, MaxZ = 0;
    std::string Nome;
    std::int32_t EntityID = 0;

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes.
    [[nodiscard]] static TSlabData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TSlabData&) const = default;
};

} // namespace quadrilo
