// Viga (beam): creation panel, its calculation buttons and command, what it draws, its listing and
// its edit panel.
#include "elements/UVigaCustEnt.h"

#include "common/Format.h"
#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "elements/PanelText.h"
#include "elements/TorsionFormula.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quadrilo::elements {

namespace {

constexpr int MultilineColor = 1;

// A section the grillage can take: sides, area and both inertias positive (a zero or negative
// stiffness would reach the calculation unchecked).
std::optional<Refusal> CheckBeamSection(const TBeamData& beam) {
    if (!(beam.LadoA > 0 && beam.LadoB > 0) || beam.Area == 0 || beam.I == 0 || beam.It == 0) {
        return ValidationRefusal(
            "Erro Viga: As dimensões da viga (a e b) ou (I e It) devem ser <> 0!");
    }
    if (!(beam.Area > 0 && beam.I > 0 && beam.It > 0)) {
        return ValidationRefusal("Erro Viga: Área, I e It da viga devem ser > 0!");
    }
    return std::nullopt;
}

double SectionArea(double a, double b) {
    return a * b;
}

double SectionInertia(double a, double b) {
    return b * b * b * a / 12;
}

// It of the section by a formula in b (here side a) and h (side b).
Outcome<double> SectionTorsion(std::string_view formulaText, double a, double b) {
    auto formula = TorsionFormula::Compile(formulaText);
    if (!formula) {
        return formula.Error();
    }
    return formula->Evaluate(a, b);
}

// Area in cm², length in cm, PEConcreto in kN/m³.
double BeamWeight(const TBeamData& beam, const TProjectData& project) {
    return beam.Area * beam.Comprimento * project.PEConcreto / 10'000;
}

Outcome<std::array<double, 2>> ReadSides(const BeamCreationPanel& panel) {
    return ReadNumbers<2>({panel.edtVLadoa, panel.edtVLadob});
}

const char* OrientationName(std::uint8_t orientacao) {
    switch (orientacao) {
    case 0:
        return "Horizontal";
    case 1:
        return "Vertical";
    case 2:
        return "Diagonal";
    default:
        return "";
    }
}

std::string CoordsText(double x1, double y1, double x2, double y2) {
    return Format("X1(%f)_Y1(%f) -> X2(%f)_Y2(%f)", x1, y1, x2, y2);
}

} // namespace

Outcome<std::string> BeamAreaText(const BeamCreationPanel& panel) {
    const auto sides = ReadSides(panel);
    if (!sides) {
        return sides.Error();
    }
    return FloatToStr(SectionArea((*sides)[0], (*sides)[1]));
}

Outcome<std::string> BeamInertiaText(const BeamCreationPanel& panel) {
    const auto sides = ReadSides(panel);
    if (!sides) {
        return sides.Error();
    }
    return FloatToStr(SectionInertia((*sides)[0], (*sides)[1]));
}

Outcome<std::string> BeamTorsionText(const BeamCreationPanel& panel) {
    const auto sides = ReadSides(panel);
    if (!sides) {
        return sides.Error();
    }
    const auto it = SectionTorsion(panel.edtVigaIt, (*sides)[0], (*sides)[1]);
    if (!it) {
        return it.Error();
    }
    return FloatToStr(*it);
}

Outcome<TBeamData> ReadBeamPanel(const BeamCreationPanel& panel) {
    const auto numbers = ReadNumbers<6>({panel.edtVLadoa, panel.edtVLadob, panel.edt_I,
                                         panel.edt_It, panel.edtVigaArea, panel.edtVCargaAdic});
    if (!numbers) {
        return numbers.Error();
    }
    TBeamData beam;
    beam.Nome = CutName(panel.edtViganome);
    const auto [a, b, i, it, area, cargaAdicional] = *numbers;
    beam.LadoA = a;
    beam.LadoB = b;
    beam.I = i;
    beam.It = it;
    beam.Area = area;
    beam.CargaAdicional = cargaAdicional;
    if (auto refusal = CheckBeamSection(beam)) {
        return *std::move(refusal);
    }
    return beam;
}

MultilineWidth BeamWidth(double ladoA) {
    return {ladoA / 2, -ladoA / 2};
}

Outcome<ElementCreation> CreateBeam(const TBeamData& buffer, Point3 point1, Point3 point2,
                                    const TProjectData& project) {
    if (auto refusal = CheckBeamSection(buffer)) {
        return *std::move(refusal);
    }
    const Point3 p1 = TruncatedTo2(point1);
    const Point3 p2 = TruncatedTo2(point2);
    TBeamData beam = buffer;
    beam.EntityID = 0;
    PlaceBeam(beam, p1, p2, project);

    const MultilineDrawing multiline{
        std::string(BeamStyle), {p1, p2}, BeamWidth(beam.LadoA), MultilineColor};
    ElementCreation creation{{ElementKind::Beam, std::string(BeamLayer), multiline, beam}, {}, {}};
    creation.messages.push_back(
        {MessageChannel::Prompt, Format("Viga: %s, entre (%f, %f) e (%f, %f) inserida", beam.Nome,
                                        p1.x, p1.y, p2.x, p2.y)});
    Append(creation.messages, BeamListing(beam, multiline.vertices));
    creation.flags = FlagChange::ResultsAndMesh;
    return creation;
}

void PlaceBeam(TBeamData& beam, Point3 end1, Point3 end2, const TProjectData& project) {
    beam.Comprimento = std::hypot(end2.x - end1.x, end2.y - end1.y);
    SetCentreAndBox(beam, end1, end2);
    beam.Orientacao = beam.MinX == beam.MaxX ? 1 : beam.MinY == beam.MaxY ? 0 : 2;
    beam.Peso = BeamWeight(beam, project);
}

MessageLines BeamListing(const TBeamData& beam, std::span<const Point3> vertices) {
    MessageLines listing = PromptLines({
        "*****Dados da Viga: " + beam.Nome + "*****",
        Format("Medidas a: %n (cm), b: %n (cm), compr.: %n (cm), Peso: %n (kg)", beam.LadoA,
               beam.LadoB, beam.Comprimento, beam.Peso),
        Format("I= %g cm^4), It= %g cm^4), Área: %g (cm^2)", beam.I, beam.It, beam.Area),
        std::string("Orientação: ") + OrientationName(beam.Orientacao),
    });
    int number = 0;
    for (const Point3& v : vertices) {
        listing.push_back({MessageChannel::Prompt, Format("Vértice %d : x: (%g)  y: (%g) z: (%g)",
                                                          ++number, v.x, v.y, v.z)});
    }
    Append(listing, PromptLines({"*****Fim dados da Viga: " + beam.Nome + "*****", ""}));
    return listing;
}

BeamPanel FillBeamPanel(const TBeamData& beam, std::int32_t entity) {
    return {true,
            beam.Nome,
            FloatToStr(beam.LadoA),
            FloatToStr(beam.LadoB),
            CoordsText(beam.MinX, beam.MinY, beam.MaxX, beam.MaxY),
            HandleText(entity)};
}

BeamPanel ClearedBeamPanel() {
    return {false, "", "", "", CoordsText(0, 0, 0, 0), std::string(ClearedHandleText)};
}

Outcome<ElementEdit> SaveBeamPanel(const BeamPanel& panel, const TBeamData& beam,
                                   const TProjectData& project) {
    const auto sides = ReadNumbers<2>({panel.editVigaladoa, panel.editVigaLadoB});
    if (!sides) {
        return sides.Error();
    }
    TBeamData saved = beam;
    saved.Nome = CutName(panel.editTextVigaName);
    saved.LadoA = (*sides)[0];
    saved.LadoB = (*sides)[1];
    saved.Area = SectionArea(saved.LadoA, saved.LadoB);
    saved.I = SectionInertia(saved.LadoA, saved.LadoB);
    const auto it = SectionTorsion(project.VigaIt, saved.LadoA, saved.LadoB);
    if (!it) {
        return it.Error();
    }
    saved.It = *it;
    if (auto refusal = CheckBeamSection(saved)) {
        return *std::move(refusal);
    }
    saved.Peso = BeamWeight(saved, project);
    return ElementEdit{
        saved, std::nullopt, std::nullopt, BeamWidth(saved.LadoA), FlagChange::Results, panel};
}

std::vector<Point3> MovedBeamVertices(std::span<const Point3> vertices, Point3 d,
                                      std::optional<int> grip) {
    std::vector<Point3> moved(vertices.begin(), vertices.end());
    for (std::size_t i = 0; i < moved.size(); ++i) {
        if (!grip || *grip == static_cast<int>(i)) {
            moved[i] = moved[i] + d;
        }
    }
    return moved;
}

TBeamData MovedBeam(TBeamData beam, std::span<const Point3> vertices, const TProjectData& project) {
    if (!vertices.empty()) {
        PlaceBeam(beam, vertices.front(), vertices.back(), project);
    }
    return beam;
}

std::string BeamMovedText(const TBeamData& moved) {
    return moved.Nome + Format(" movido para P1:(%n, %n, %n); P2:(%n, %n, %n) ", moved.MinX,
                               moved.MinY, moved.MinZ, moved.MaxX, moved.MaxY, moved.MaxZ);
}

} // namespace quadrilo::elements
