// Grillage node record: the 152 bytes attached to each node point of the malha.
#include "mesh/TNodeData.h"

#include "common/RecordCodec.h"

#include <array>

namespace quadrilo {

namespace {

// The reals at offsets 64 to 143, in file order.
constexpr std::array<double TNodeData::*, 10> Reals = {
    &TNodeData::Rotx,    &TNodeData::Roty,    &TNodeData::dz,    &TNodeData::Spring,
    &TNodeData::PLaje,   &TNodeData::PAcid,   &TNodeData::PPerm, &TNodeData::PViga,
    &TNodeData::PParede, &TNodeData::PPontual};

} // namespace

std::vector<std::uint8_t> TNodeData::Encode() const {
    ByteWriter w(Size);
    w.Double(X);
    w.Double(Y);
    w.UInt16(Number);
    w.UInt16(Number2);
    w.Zeros(4);
    w.Extended(MomentX);
    w.Extended(MomentY);
    w.Zeros(ExtendedSize); // a reserved Extended, 0
    w.UInt8(FreeRx);
    w.UInt8(FreeRy);
    w.UInt8(FreeDz);
    w.Zeros(7);
    for (const auto field : Reals) {
        w.Double(this->*field);
    }
    w.Int32(EntityID);
    w.UInt8(Kind);
    w.Zeros(3);
    return std::move(w).Finish();
}

TNodeData TNodeData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TNodeData", Size);
    TNodeData node;
    node.X = r.Double();
    node.Y = r.Double();
    node.Number = r.UInt16();
    node.Number2 = r.UInt16();
    r.Skip(4);
    node.MomentX = r.Extended();
    node.MomentY = r.Extended();
    r.Skip(ExtendedSize);
    node.FreeRx = r.UInt8();
    node.FreeRy = r.UInt8();
    node.FreeDz = r.UInt8();
    r.Skip(7);
    for (const auto field : Reals) {
        node.*field = r.Double();
    }
    node.EntityID = r.Int32();
    node.Kind = r.UInt8();
    r.Skip(3);
    return node;
}

} // namespace quadrilo
