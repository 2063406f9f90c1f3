// Pilar (column and support): creation panel and command, what it draws, its listing and its edit
// panel.
#include "elements/UPilarCustEnt.h"

#include "common/Format.h"
#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "elements/PanelText.h"

namespace quadrilo::elements {

namespace {

constexpr int ColumnColor = 3;
constexpr int SpringColor = 247;
constexpr double LabelGap = 3; // cm right of the column's box

std::optional<Refusal> CheckColumn(const TColumnData& column) {
    if (!(column.LadoA > 0 && column.LadoB > 0)) {
        return ValidationRefusal("Erro Pilar: As dimensões do pilar devem ser > 0!");
    }
    // A negative spring would give the support node a negative stiffness.
    if (!(column.Mola >= 0)) {
        return ValidationRefusal("Erro Pilar: A mola do pilar (Kz) deve ser >= 0!");
    }
    return std::nullopt;
}

// The listings show "(1)" for a restrained direction and "(0)" for a free one.
std::string RestraintText(std::uint8_t restrained) {
    return restrained != 0 ? "(1)" : "(0)";
}

std::string CoordText(double x, double y) {
    return Format("X(%f)_Y(%f)", x, y);
}

void PlaceColumnBox(TColumnData& column) {
    column.MinX = column.X - column.LadoA / 2;
    column.MinY = column.Y - column.LadoB / 2;
    column.MaxX = column.X + column.LadoA / 2;
    column.MaxY = column.Y + column.LadoB / 2;
}

InsertDrawing ColumnInsert(const TColumnData& column) {
    const bool spring = column.Mola != 0;
    const int color = spring ? SpringColor : ColumnColor;
    const std::string tag = spring ? "MOLA" : "PILAR";
    const std::string label = "(" + column.Nome + ")";
    const Point3 foot{column.X, column.Y, column.Z};
    BlockDefinition block{column.Nome, {column.X, column.Y, 0}, {}};
    block.items.emplace_back(RectangleItem{foot, column.LadoA, column.LadoB, color});
    block.items.emplace_back(
        AttributeItem{tag, label, {column.MaxX + LabelGap, column.MaxY, 0}, std::nullopt, color});
    block.items.emplace_back(PointItem{foot, color});
    return {block.name, std::move(block), foot, 1.0, 0.0, {tag, label, std::nullopt}};
}

} // namespace

Outcome<TColumnData> ReadColumnPanel(const ColumnCreationPanel& panel) {
    const auto numbers = ReadNumbers<3>({panel.edtLadoA, panel.edtLadoB, panel.edtMola});
    if (!numbers) {
        return numbers.Error();
    }
    TColumnData column;
    const auto [a, b, mola] = *numbers;
    column.LadoA = a;
    column.LadoB = b;
    column.Mola = mola;
    column.Dz = panel.chkDz ? 1 : 0;
    column.Rx = panel.chkRx ? 1 : 0;
    column.Ry = panel.chkRy ? 1 : 0;
    if (auto refusal = CheckColumn(column)) {
        return *std::move(refusal);
    }
    const auto altura = ReadNumber(panel.edthPilar);
    if (!altura) {
        return altura.Error();
    }
    column.Altura = *altura;
    column.Nome = CutName(panel.edtPName);
    return column;
}

Outcome<ElementCreation> CreateColumn(const TColumnData& buffer, Point3 at) {
    if (auto refusal = CheckColumn(buffer)) {
        return *std::move(refusal);
    }
    TColumnData column = buffer;
    column.X = at.x;
    column.Y = at.y;
    column.Z = at.z;
    PlaceColumnBox(column);
    column.MinZ = column.Z;
    column.MaxZ = column.MinZ + column.Altura;
    column.Nome = ColumnBlockName(column);

    ElementCreation creation{
        {ElementKind::Column, std::string(ColumnLayer), ColumnInsert(column), column}, {}, {}};
    creation.messages.push_back({MessageChannel::Prompt, Format("Pilar: %s em (%f, %f) inserido",
                                                                column.Nome, column.X, column.Y)});
    Append(creation.messages, ColumnListing(column));
    creation.flags = FlagChange::ResultsAndMesh;
    return creation;
}

std::string ColumnBlockName(const TColumnData& column) {
    const std::string sides = FloatToStr(column.LadoA) + "x" + FloatToStr(column.LadoB);
    if (column.Mola != 0) {
        return CutName("Mola k= " + FloatToStr(column.Mola) + ": " + sides);
    }
    return CutName("Pilar " + sides);
}

MessageLines ColumnListing(const TColumnData& column) {
    MessageLines listing = PromptLines({
        "",
        "*****Dados do Pilar: " + column.Nome + "*****",
        Format("Medidas a: %n, b: %n e h.: %n)", column.LadoA, column.LadoB, column.Altura),
        Format("Coordenadas x: %n, y: %n e z: %n)", column.X, column.Y, column.Z),
        Format("Restrições: dz= %s, rx= %s, ry= %s", RestraintText(column.Dz),
               RestraintText(column.Rx), RestraintText(column.Ry)),
    });
    if (column.Mola != 0) {
        listing.push_back(
            {MessageChannel::Prompt, Format("Pilar é uma mola: k= %n)", column.Mola)});
    }
    Append(listing, PromptLines({"*****Fim dados do Pilar: " + column.Nome + "*****", ""}));
    return listing;
}

ColumnPanel FillColumnPanel(const TColumnData& column, std::int32_t entity) {
    return {true,
            column.Nome,
            column.Dz != 0,
            column.Rx != 0,
            column.Ry != 0,
            CoordText(column.X, column.Y),
            HandleText(entity)};
}

ColumnPanel ClearedColumnPanel() {
    return {false, "", true, false, false, CoordText(0, 0), std::string(ClearedHandleText)};
}

ElementEdit SaveColumnPanel(const ColumnPanel& panel, const TColumnData& column) {
    TColumnData saved = column;
    saved.Nome = CutName(panel.editPilarName);
    saved.Dz = panel.editChkDz ? 1 : 0;
    saved.Rx = panel.editChkRx ? 1 : 0;
    saved.Ry = panel.editChekRy ? 1 : 0;
    return {saved,        saved.Nome,          std::nullopt,
            std::nullopt, FlagChange::Results, ClearedColumnPanel()};
}

TColumnData MovedColumn(TColumnData column, Point3 d) {
    column.X += d.x;
    column.Y += d.y;
    PlaceColumnBox(column);
    return column;
}

std::string ColumnMovedText(const TColumnData& moved) {
    return moved.Nome + " movido para: " + FloatToStr(moved.X) + "  " + FloatToStr(moved.Y);
}

} // namespace quadrilo::elements
