// Nodal load (carga) record: the 88 bytes attached to a load insert in the drawing.
#include "elements/TLoadData.h"

#include "common/RecordCodec.h"

namespace quadrilo {

std::vector<std::uint8_t> TLoadData::Encode() const {
    ByteWriter w(Size);
    w.Double(Valor);
    w.Double(X);
    w.Double(Y);
    w.Double(Z);
    w.ShortString(Descricao, DescricaoCapacity);
    w.Zeros(5);
    return std::move(w).Finish();
}

TLoadData TLoadData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TLoadData", Size);
    TLoadData load;
    load.Valor = r.Double();
    load.X = r.Double();
    load.Y = r.Double();
    load.Z = r.Double();
    load.Descricao = r.ShortString(DescricaoCapacity);
    r.Skip(5);
    return load;
}

} // namespace quadrilo
