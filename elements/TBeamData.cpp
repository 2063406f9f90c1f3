// Beam (viga) record: the 192 bytes attached to a beam multiline in the drawing.
#include "elements/TBeamData.h"

#include "common/RecordCodec.h"

#include <array>

namespace quadrilo {

namespace {

// The reals at offsets 0 to 135, in file order.
constexpr std::array<double TBeamData::*, 17> Reals = {
    &TBeamData::LadoA,   &TBeamData::LadoB,   &TBeamData::Area,    &TBeamData::Comprimento,
    &TBeamData::CentroX, &TBeamData::CentroY, &TBeamData::CentroZ, &TBeamData::MinX,
    &TBeamData::MinY,    &TBeamData::MinZ,    &TBeamData::MaxX,    &TBeamData::MaxY,
    &TBeamData::MaxZ,    &TBeamData::I,       &TBeamData::It,      &TBeamData::CargaAdicional,
    &TBeamData::Peso};

} // namespace

std::vector<std::uint8_t> TBeamData::Encode() const {
    ByteWriter w(Size);
    for (const auto field : Reals) {
        w.Double(this->*field);
    }
    w.ShortString(Nome, NomeCapacity);
    w.UInt8(Orientacao);
    w.Int32(EntityID);
    return std::move(w).Finish();
}

TBeamData TBeamData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TBeamData", Size);
    TBeamData beam;
    for (const auto field : Reals) {
        beam.*field = r.Double();
    }
    beam.Nome = r.ShortString(NomeCapacity);
    beam.Orientacao = r.UInt8();
    beam.EntityID = r.Int32();
    return beam;
}

} // namespace quadrilo
