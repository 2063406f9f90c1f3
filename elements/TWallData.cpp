// Wall (parede) record: the 136 bytes attached to a wall line in the drawing.
#include "elements/TWallData.h"

#include "common/RecordCodec.h"

#include <array>

namespace quadrilo {

namespace {

// The reals at offsets 32 to 79, in file order.
constexpr std::array<double TWallData::*, 6> Reals = {
    &TWallData::X1, &TWallData::Y1, &TWallData::Z1, &TWallData::X2, &TWallData::Y2, &TWallData::Z2};

} // namespace

std::vector<std::uint8_t> TWallData::Encode() const {
    ByteWriter w(Size);
    w.Zeros(32); // Reservado: four reals never used, kept zero
    for (const auto field : Reals) {
        w.Double(this->*field);
    }
    w.ShortString(Nome, NomeCapacity);
    w.Zeros(5);
    return std::move(w).Finish();
}

TWallData TWallData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TWallData", Size);
    TWallData wall;
    r.Skip(32);
    for (const auto field : Reals) {
        wall.*field = r.Double();
    }
    wall.Nome = r.ShortString(NomeCapacity);
    r.Skip(5);
    return wall;
}

} // namespace quadrilo
