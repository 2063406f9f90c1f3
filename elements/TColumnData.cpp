// Column (pilar) record: the 168 bytes attached to a column insert in the drawing.
#include "elements/TColumnData.h"

#include "common/RecordCodec.h"

#include <array>

namespace quadrilo {

namespace {

// The reals at offsets 0 to 95, in file order.
constexpr std::array<double TColumnData::*, 12> Reals = {
    &TColumnData::LadoA, &TColumnData::LadoB, &TColumnData::Altura, &TColumnData::X,
    &TColumnData::Y,     &TColumnData::Z,     &TColumnData::MinX,   &TColumnData::MinY,
    &TColumnData::MinZ,  &TColumnData::MaxX,  &TColumnData::MaxY,   &TColumnData::MaxZ};

} // namespace

std::vector<std::uint8_t> TColumnData::Encode() const {
    ByteWriter w(Size);
    for (const auto field : Reals) {
        w.Double(this->*field);
    }
    w.UInt8(Dz);
    w.UInt8(Rx);
    w.UInt8(Ry);
    w.Zeros(5);
    w.Double(Mola);
    w.ShortString(Nome, NomeCapacity);
    w.Zeros(5);
    return std::move(w).Finish();
}

TColumnData TColumnData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TColumnData", Size);
    TColumnData column;
    for (const auto field : Reals) {
        column.*field = r.Double();
    }
    column.Dz = r.UInt8();
    column.Rx = r.UInt8();
    column.Ry = r.UInt8();
    r.Skip(5);
    column.Mola = r.Double();
    column.Nome = r.ShortString(NomeCapacity);
    r.Skip(5);
    return column;
}

} // namespace quadrilo
