// Beam (viga) record: the 192 bytes attached to a beam multiline in the drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo {

// Lengths in cm, area in cm², inertias in cm⁴, CargaAdicional in kN/m. The record keeps the
// beam's box, not its ends: the ends are the multiline's vertices.
struct TBeamData {
    static constexpr std::size_t Size = 192;
    static constexpr std::size_t NomeCapacity = 50;

    double LadoA = 0;
    double LadoB = 0;
    double Area = 0;
    double Comprimento = 0;
    double CentroX = 0, CentroY = 0, CentroZ = 0;
    double MinX = 0, MinY = 0, MinZ = 0;
    double MaxX = 0, MaxY = 0, MaxZ = 0;
    double I = 0;
    double It = 0;
    double CargaAdicional = 0;
    double Peso = 0;
    std::string Nome;
    std::uint8_t Orientacao = 0; // 0 horizontal, 1 vertical, 2 diagonal
    std::int32_t EntityID = 0;

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes.
    [[nodiscard]] static TBeamData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TBeamData&) const = default;
};

} // namespace quadrilo
