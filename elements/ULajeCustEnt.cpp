// Laje (slab): creation panel and command, what it draws, its listing and its edit panel.
#include "elements/ULajeCustEnt.h"

#include "common/Format.h"
#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "elements/PanelText.h"
#include "elements/TorsionFormula.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quadrilo::elements {

namespace {

constexpr std::string_view ThicknessError = "Erro Laje: A laje deve ter uma espessura e >0!";
constexpr std::string_view SizeError = "Erro Laje: As dimensões da laje (Lx e Ly) devem ser > 0!";
constexpr int RectangleColor = 2;
constexpr int LabelAlign = 4; // middle-centre: the label stands on the slab's centre

double Cube(double e) {
    return e * e * e;
}

// Self-weight in kN: Lx·Ly·e in cm³, PELaje in kN/m³.
double SlabWeight(const TSlabData& slab, const TProjectData& project) {
    return slab.Lx * slab.Ly * slab.Espessura * project.PELaje / 1'000'000;
}

void SetBendingInertias(TSlabData& slab) {
    slab.Ix = Cube(slab.Espessura) * slab.Ly / 12;
    slab.Iy = Cube(slab.Espessura) * slab.Lx / 12;
}

void PlaceSlab(TSlabData& slab, Point3 p1, Point3 p2) {
    slab.Lx = std::abs(p2.x - p1.x);
    slab.Ly = std::abs(p2.y - p1.y);
    SetCentreAndBox(slab, p1, p2);
}

// Itx with b = Ly and Ity with b = Lx, both with h = e; the refusal when the formula fails.
std::optional<Refusal> SetTorsionInertias(TSlabData& slab, TorsionFormula& formula) {
    const auto itx = formula.Evaluate(slab.Ly, slab.Espessura);
    if (!itx) {
        return itx.Error();
    }
    const auto ity = formula.Evaluate(slab.Lx, slab.Espessura);
    if (!ity) {
        return ity.Error();
    }
    slab.Itx = *itx;
    slab.Ity = *ity;
    return std::nullopt;
}

InsertDrawing SlabInsert(const TSlabData& slab) {
    const std::string label = SlabLabel(slab);
    const Point3 centre{slab.CentroX, slab.CentroY, slab.CentroZ};
    const TextLook look{std::max(slab.Lx, slab.Ly) / 40, slab.Lx < slab.Ly ? 90.0 : 0.0,
                        LabelAlign};
    BlockDefinition block{SlabBlockName(slab), {slab.CentroX, slab.CentroY, 0}, {}};
    block.items.emplace_back(
        RectangleItem{{slab.CentroX, slab.CentroY, 0}, slab.Lx, slab.Ly, RectangleColor});
    block.items.emplace_back(AttributeItem{"LAJE", label, centre, look, std::nullopt});
    return {block.name, std::move(block), centre, 1.0, 0.0, {"LAJE", label, std::nullopt}};
}

} // namespace

Outcome<TSlabData> ReadSlabPanel(const SlabCreationPanel& panel) {
    const auto numbers = ReadNumbers<3>({panel.edtLh, panel.edtCAcid, panel.edtCPerm});
    if (!numbers) {
        return numbers.Error();
    }
    TSlabData slab;
    slab.Nome = CutName(panel.edtLName);
    const auto [e, acidental, permanente] = *numbers;
    slab.Espessura = e;
    slab.CargaAcidental = acidental;
    slab.CargaPermanente = permanente;
    if (!(slab.Espessura > 0)) {
        return ValidationRefusal(std::string(ThicknessError));
    }
    if (const auto formula = TorsionFormula::Compile(panel.edtSlabIt); !formula) {
        return formula.Error();
    }
    return slab;
}

Outcome<ElementCreation> CreateSlab(const TSlabData& buffer, Point3 corner1, Point3 corner2,
                                    const TProjectData& project) {
    if (!(buffer.Espessura > 0)) {
        return ValidationRefusal(std::string(ThicknessError));
    }
    const Point3 p1 = TruncatedTo2(corner1);
    const Point3 p2 = TruncatedTo2(corner2);
    TSlabData slab;
    slab.Nome = buffer.Nome;
    slab.Espessura = buffer.Espessura;
    slab.CargaAcidental = buffer.CargaAcidental;
    slab.CargaPermanente = buffer.CargaPermanente;
    PlaceSlab(slab, p1, p2);
    if (!(slab.Lx > 0 && slab.Ly > 0)) {
        return ValidationRefusal(std::string(SizeError));
    }
    slab.TotalAcidental = slab.Lx * slab.Ly * slab.CargaAcidental;
    slab.TotalPermanente = slab.Lx * slab.Ly * slab.CargaPermanente;
    SetBendingInertias(slab);
    auto formula = TorsionFormula::Compile(project.SlabIt);
    if (!formula) {
        return formula.Error();
    }
    if (auto refusal = SetTorsionInertias(slab, *formula)) {
        return *std::move(refusal);
    }
    // A negative torsional inertia would give the malha's strips a negative stiffness.
    if (!(slab.Itx >= 0 && slab.Ity >= 0)) {
        return ValidationRefusal("Erro Laje: A fórmula de It da laje deve dar It >= 0!");
    }
    slab.PesoProprio = SlabWeight(slab, project);

    ElementCreation creation{
        {ElementKind::Slab, std::string(SlabLayer), SlabInsert(slab), slab}, {}, {}};
    creation.messages.push_back(
        {MessageChannel::Prompt,
         Format("Laje: %s inserida entre (%f, %f) e (%f, %f)", slab.Nome, p1.x, p1.y, p2.x, p2.y)});
    Append(creation.messages, SlabListing(slab));
    creation.flags = FlagChange::ResultsAndMesh;
    return creation;
}

std::vector<RubberLine> SlabRubberBand(Point3 base, Point3 cursor) {
    return {
        {base, cursor}, {base, {base.x, cursor.y, cursor.z}}, {base, {cursor.x, base.y, base.z}}};
}

std::string SlabBlockName(const TSlabData& slab) {
    return "Laje " + FormatFloat("#.##", slab.Lx) + " x " + FormatFloat("#.##", slab.Ly) + " x " +
           FormatFloat("#.##", slab.Espessura);
}

std::string SlabLabel(const TSlabData& slab) {
    return slab.Nome + " " + FormatFloat("Lx: #.##  ", slab.Lx) +
           FormatFloat("Ly: #.##  ", slab.Ly) + FormatFloat("e: #.##  ", slab.Espessura);
}

MessageLines SlabListing(const TSlabData& slab) {
    const double areaM2 = slab.Lx * slab.Ly / 10'000;
    // A slab record of no area (from a drawing made before such slabs were refused) lists a
    // weight per area of 0 rather than a NaN.
    const double weightPerArea = areaM2 > 0 ? slab.PesoProprio / areaM2 : 0.0;
    return PromptLines({
        "*****Dados da Laje: " + slab.Nome + "*****",
        Format("Medidas a: %n (cm), b: %n (cm) e e: %n (cm))", slab.Lx, slab.Ly, slab.Espessura),
        Format("Carga Permanente: %g (kN/m^2), Carga Acidental: %g (kN/m^2), Peso Próprio da "
               "Laje: %g (kN/m^2), Carga Total: %g (kN/m^2) ",
               slab.CargaPermanente, slab.CargaAcidental, weightPerArea,
               slab.CargaPermanente + slab.CargaAcidental + weightPerArea),
        Format("Ix= %g , Itx= %g", slab.Ix, slab.Itx),
        Format("Iy= %g , Ity= %g", slab.Iy, slab.Ity),
        Format("Peso total P: %n (KN)", slab.PesoProprio),
        "*****Fim dados da Laje: " + slab.Nome + "*****",
        "",
    });
}

SlabPanel FillSlabPanel(const TSlabData& slab, std::int32_t entity) {
    return {true, slab.Nome, FloatToStr(slab.Espessura),
            Format("a:(%f) x b:(%f)", slab.Lx, slab.Ly), HandleText(entity)};
}

SlabPanel ClearedSlabPanel() {
    return {false, "", "0", "0x0", std::string(ClearedHandleText)};
}

Outcome<ElementEdit> SaveSlabPanel(const SlabPanel& panel, const TSlabData& slab,
                                   const TProjectData& project) {
    const auto e = ReadNumber(panel.editLajeE);
    if (!e) {
        return e.Error();
    }
    if (!(*e > 0)) {
        return ValidationRefusal(std::string(ThicknessError));
    }
    TSlabData saved = slab;
    saved.Espessura = *e;
    saved.Nome = CutName(panel.editLajeName);
    SetBendingInertias(saved);
    // The edit panel keeps the plain strip formula e³·L/6, whatever formula made the slab.
    saved.Itx = Cube(saved.Espessura) * saved.Ly / 6;
    saved.Ity = Cube(saved.Espessura) * saved.Lx / 6;
    saved.PesoProprio = SlabWeight(saved, project);
    // Like the name, the saved label keeps to the 50 characters of the slab's name field.
    return ElementEdit{saved,        CutName(SlabLabel(saved)), std::nullopt,
                       std::nullopt, FlagChange::Results,       panel};
}

TSlabData MovedSlab(TSlabData slab, Point3 d) {
    slab.CentroX += d.x;
    slab.CentroY += d.y;
    slab.CentroZ += d.z;
    slab.MinX += d.x;
    slab.MinY += d.y;
    slab.MinZ += d.z;
    slab.MaxX += d.x;
    slab.MaxY += d.y;
    slab.MaxZ += d.z;
    return slab;
}

std::string SlabMovedText(const TSlabData& moved) {
    return moved.Nome + " movida para: " + FloatToStr(moved.CentroX) + "  " +
           FloatToStr(moved.CentroY);
}

} // namespace quadrilo::elements
