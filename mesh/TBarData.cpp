// Grillage bar record: the 160 bytes attached to each bar line of the malha.
#include "mesh/TBarData.h"

#include "common/RecordCodec.h"

#include <array>

namespace quadrilo {

namespace {

// Each end takes 32 bytes: X and Y, a reserved Extended kept zero, 2 bytes of padding.
constexpr std::size_t EndPadding = 2;

// The end forces at offsets 104 to 151, in file order.
constexpr std::array<double TBarData::*, 6> Forces = {
    &TBarData::MT1, &TBarData::MT2, &TBarData::MF1, &TBarData::MF2, &TBarData::V1, &TBarData::V2};

} // namespace

std::vector<std::uint8_t> TBarData::Encode() const {
    ByteWriter w(Size);
    w.Extended(X1);
    w.Extended(Y1);
    w.Zeros(ExtendedSize + EndPadding);
    w.Extended(X2);
    w.Extended(Y2);
    w.Zeros(ExtendedSize + EndPadding);
    w.UInt16(N1);
    w.UInt16(N2);
    w.UInt16(Number);
    w.Zeros(22);
    w.Int32(N1EntityID);
    w.Int32(N2EntityID);
    w.Int32(EntityID);
    for (const auto field : Forces) {
        w.Double(this->*field);
    }
    w.UInt16(Material);
    w.UInt8(Orientation);
    w.UInt8(BarType);
    w.Zeros(4);
    return std::move(w).Finish();
}

TBarData TBarData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TBarData", Size);
    TBarData bar;
    bar.X1 = r.Extended();
    bar.Y1 = r.Extended();
    r.Skip(ExtendedSize + EndPadding);
    bar.X2 = r.Extended();
    bar.Y2 = r.Extended();
    r.Skip(ExtendedSize + EndPadding);
    bar.N1 = r.UInt16();
    bar.N2 = r.UInt16();
    bar.Number = r.UInt16();
    r.Skip(22);
    bar.N1EntityID = r.Int32();
    bar.N2EntityID = r.Int32();
    bar.EntityID = r.Int32();
    for (const auto field : Forces) {
        bar.*field = r.Double();
    }
    bar.Material = r.UInt16();
    bar.Orientation = r.UInt8();
    bar.BarType = r.UInt8();
    r.Skip(4);
    return bar;
}

} // namespace quadrilo
