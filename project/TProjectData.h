// Project record: the 1400 bytes of initial data stored with the drawing itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo {

// fck in MPa, moduli in kN/m², lengths in cm, specific weights in kN/m³. DefColor is an RGB
// value laid out 0x00BBGGRR. The five texts hold at most 255 characters each.
struct TProjectData {
    static constexpr std::size_t Size = 1400;
    static constexpr std::size_t TextCapacity = 255;

    std::uint8_t fck = 0;
    double Ec = 0;
    double Gc = 0;
    double XMax = 0;
    double XMin = 0;
    double YMax = 0;
    double YMin = 0;
    std::uint16_t nDX = 0;
    std::uint16_t nDY = 0;
    double StepX = 0;
    double StepY = 0;
    double PEConcreto = 0;
    double PELaje = 0;
    double PEParede = 0;
    std::int32_t DefFact = 0;
    std::int32_t DiagDef = 0;
    std::uint32_t DefColor = 0;
    std::string Memo;
    std::string LoadFact;
    std::string GcFactor;
    std::string VigaIt;
    std::string SlabIt;

    [[nodiscard]] std::vector<std::uint8_t> Encode() const;
    // Throws RecordSizeError unless the block has exactly Size bytes; a caller loading a drawing
    // then keeps its current values.
    [[nodiscard]] static TProjectData Decode(std::span<const std::uint8_t> block);

    bool operator==(const TProjectData&) const = default;
};

// Gives `data` the defaults of a new project. The slab box and grid spacings (XMax to YMin,
// StepX, StepY) belong to the last generated grid and are left as they are. `defaultColor` is the
// colour of the deformed grillage, taken by the caller from the CAD palette.
void ResetProjectData(TProjectData& data, std::uint32_t defaultColor);

} // namespace quadrilo
