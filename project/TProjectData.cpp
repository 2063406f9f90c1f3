// Project record: the 1400 bytes of initial data stored with the drawing itself.
#include "project/TProjectData.h"

#include "common/RecordCodec.h"

#include <array>

namespace quadrilo {

namespace {

// In file order: the reals at offsets 8 to 55 and 64 to 103, the texts at 116 to 1395.
constexpr std::array<double TProjectData::*, 6> RealsBeforeGrid = {
    &TProjectData::Ec,   &TProjectData::Gc,   &TProjectData::XMax,
    &TProjectData::XMin, &TProjectData::YMax, &TProjectData::YMin};
constexpr std::array<double TProjectData::*, 5> RealsAfterGrid = {
    &TProjectData::StepX, &TProjectData::StepY, &TProjectData::PEConcreto, &TProjectData::PELaje,
    &TProjectData::PEParede};
constexpr std::array<std::string TProjectData::*, 5> Texts = {
    &TProjectData::Memo, &TProjectData::LoadFact, &TProjectData::GcFactor, &TProjectData::VigaIt,
    &TProjectData::SlabIt};

} // namespace

std::vector<std::uint8_t> TProjectData::Encode() const {
    ByteWriter w(Size);
    w.UInt8(fck);
    w.Zeros(7);
    for (const auto field : RealsBeforeGrid) {
        w.Double(this->*field);
    }
    w.UInt16(nDX);
    w.UInt16(nDY);
    w.Zeros(4);
    for (const auto field : RealsAfterGrid) {
        w.Double(this->*field);
    }
    w.Int32(DefFact);
    w.Int32(DiagDef);
    w.UInt32(DefColor);
    for (const auto field : Texts) {
        w.ShortString(this->*field, TextCapacity);
    }
    w.Zeros(4);
    return std::move(w).Finish();
}

TProjectData TProjectData::Decode(std::span<const std::uint8_t> block) {
    ByteReader r(block, "TProjectData", Size);
    TProjectData data;
    data.fck = r.UInt8();
    r.Skip(7);
    for (const auto field : RealsBeforeGrid) {
        data.*field = r.Double();
    }
    data.nDX = r.UInt16();
    data.nDY = r.UInt16();
    r.Skip(4);
    for (const auto field : RealsAfterGrid) {
        data.*field = r.Double();
    }
    data.DefFact = r.Int32();
    data.DiagDef = r.Int32();
    data.DefColor = r.UInt32();
    for (const auto field : Texts) {
        data.*field = r.ShortString(TextCapacity);
    }
    r.Skip(4);
    return data;
}

void ResetProjectData(TProjectData& data, std::uint32_t defaultColor) {
    data.fck = 20;
    data.nDX = 10;
    data.nDY = 10;
    data.LoadFact = "pp+ca+cp+cl";
    data.GcFactor = "Ec*0.4";
    data.VigaIt = "(b^3*h)/3";
    data.SlabIt = "(b*h^3)/6";
    data.PEConcreto = 25;
    data.PELaje = 25;
    data.PEParede = 13;
    data.DefFact = 10000;
    data.DiagDef = 5;
    data.Ec = 32000000;
    data.Gc = data.Ec * 0.4;
    data.Memo.clear();
    data.DefColor = defaultColor;
}

} // namespace quadrilo
