// Slab (laje) record: the 232 bytes attached to a slab insert in the drawing.
#include "elements/TSlabData.h"

#include "common/RecordCodec.h"

#include <array>

namespace quadrilo {

namespace {

// The reals at offsets 0 to 167, in file order.
constexpr std::array<double TSlabData::*, 21> Reals = {&TSlabData::Lx,
                                                       &TSlabData::Ly,
                                                       &TSlabData::CargaAcidental,
                                                       &TSlabData::CargaPermanente,
                                                       &TSlabData::Espessura,
                                                       &TSlabData::Ix,
                                                       &TSlabData::Iy,
                                                       &TSlabData::Itx,
                                                       &TSlabData::Ity,
                                                       &TSlabData::PesoProprio,
                                                       &TSlabData::TotalAcidental,
                                                       &TSlabData::TotalPermanente,
                                                       &TSlabData::CentroX,
                                                       &TSlabData::CentroY,
                                                       &TSlabData::CentroZ,
                                                       &TSlabData::MinX,
                                                       &TSlabData::MinY,
                                                       &TSlabData::MinZ,
                                                       &TSlabData::MaxX,
                                                       &TSlabData::MaxY,
                                                       &TSlabData::MaxZ};

} // namespace

std::vector<std::uint8_t> TSlabData::Encode() const {
    ByteWriter w(Size);
    for (const auto field : Reals) {
        w.Double(this->*field);
    }
    w.Zeros(8); // Reservado: never used, kept zero
    w.ShortString(Nome, NomeCapacity);
    w.Zeros(1);
    w.Int32(EntityID);
    return std::move(w).Finish();
}

TSlabData TSlabData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TSlabData", Size);
    TSlabData slab;
    for (const auto field : Reals) {
        slab.*field = r.Double();
    }
    r.Skip(8);
    slab.Nome = r.ShortString(NomeCapacity);
    r.Skip(1);
    slab.EntityID = r.Int32();
    return slab;
}

} // namespace quadrilo
