// Floors drawn straight into the program's drawing.
#include "FloorDrawing.h"

#include "cad/Transaction.h"
#include "elements/ElementEntity.h"
#include "elements/Layers.h"
#include "elements/ULajeCustEnt.h"
#include "elements/ULoads.h"
#include "elements/UPilarCustEnt.h"
#include "elements/UVigaCustEnt.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quadrilo::app::test {
namespace {

using elements::ElementCreation;
using elements::Point3;

template <class T> T Accepted(elements::Outcome<T> outcome) {
    if (!outcome.Ok())
        throw std::runtime_error("refused: " + outcome.Error().message);
    return *std::move(outcome);
}

// The element as an entity of its home layer: a point stands for its drawing, the record is its
// own.
void AddElement(cad::Drawing& drawing, std::string_view home,
                const elements::ElementDrawing& element, Point3 at) {
    cad::Transaction tx(drawing);
    const cad::LayerId layer = drawing.layerByName(std::string(home));
    if (!layer)
        throw std::runtime_error("no layer " + std::string(home));
    const auto kind = elements::KindCode(element.kind);
    const cad::EntityId id = tx.add(cad::Entity{.layer = layer,
                                                .userData = kind,
                                                .exData = elements::EncodeRecord(element.record),
                                                .shape = cad::PointShape{{at.x, at.y, 0}}});
    const auto& record = drawing.entity(id)->exData;
    if (const auto own = elements::RecordWithOwnEntityId(
            {static_cast<std::int32_t>(id.value), kind, record, {}}))
        (void)tx.setExtendedData(id, elements::EncodeRecord(*own));
}

} // namespace

void DrawFloor(cad::Drawing& drawing, const TProjectData& project,
               const std::vector<SlabSpec>& slabs, const std::vector<BeamSpec>& beams,
               const std::vector<ColumnSpec>& columns, const std::vector<LoadSpec>& loads) {
    for (const auto& s : slabs) {
        auto buffer = Accepted(elements::ReadSlabPanel({.edtLh = std::to_string(s.h),
                                                        .edtCAcid = std::to_string(s.acid),
                                                        .edtCPerm = std::to_string(s.perm)}));
        const ElementCreation created =
            Accepted(elements::CreateSlab(buffer, {s.x1, s.y1, 0}, {s.x2, s.y2, 0}, project));
        AddElement(drawing, elements::SlabLayer, created.drawing, {s.x1, s.y1, 0});
    }
    for (const auto& b : beams) {
        elements::BeamCreationPanel panel{.edtVLadoa = std::to_string(b.a),
                                          .edtVLadob = std::to_string(b.b)};
        panel.edtVigaArea = Accepted(elements::BeamAreaText(panel));
        panel.edt_I = Accepted(elements::BeamInertiaText(panel));
        panel.edt_It = Accepted(elements::BeamTorsionText(panel));
        const auto buffer = Accepted(elements::ReadBeamPanel(panel));
        const ElementCreation created =
            Accepted(elements::CreateBeam(buffer, {b.x1, b.y1, 0}, {b.x2, b.y2, 0}, project));
        AddElement(drawing, elements::BeamLayer, created.drawing, {b.x1, b.y1, 0});
    }
    for (const auto& c : columns) {
        const auto buffer =
            Accepted(elements::ReadColumnPanel({.edtLadoA = std::to_string(c.side),
                                                .edtLadoB = std::to_string(c.side),
                                                .chkRx = c.rx,
                                                .chkRy = c.ry,
                                                .edtMola = std::to_string(c.mola)}));
        const ElementCreation created = Accepted(elements::CreateColumn(buffer, {c.x, c.y, 0}));
        AddElement(drawing, elements::ColumnLayer, created.drawing, {c.x, c.y, 0});
    }
    for (const auto& l : loads) {
        const TLoadData load = elements::LoadOnNode(l.valor, {0, l.x, l.y});
        AddElement(drawing, elements::LoadLayer,
                   {elements::ElementKind::NodalLoad, {}, elements::LoadInsert(load), load},
                   {l.x, l.y, 0});
    }
}

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace quadrilo::app::test
