// Pilar: the creation panel, the record at the picked point, the block it draws, its listing and
// its edit panel.
#include "elements/UPilarCustEnt.h"

#include "ElementsFixture.h"

#include <gtest/gtest.h>

namespace quadrilo::elements {
namespace {

using test::RefusalOf;

ColumnCreationPanel Panel(std::string a, std::string b, std::string mola = "0") {
    ColumnCreationPanel panel;
    panel.edtLadoA = std::move(a);
    panel.edtLadoB = std::move(b);
    panel.edtMola = std::move(mola);
    return panel;
}

ElementCreation Create(const ColumnCreationPanel& panel, Point3 at) {
    const auto buffer = ReadColumnPanel(panel);
    EXPECT_TRUE(buffer.Ok());
    auto creation = CreateColumn(buffer.Ok() ? *buffer : TColumnData{}, at);
    EXPECT_TRUE(creation.Ok());
    return creation.Ok() ? *std::move(creation) : ElementCreation{};
}

TColumnData ColumnOf(const ElementCreation& creation) {
    return std::get<TColumnData>(creation.drawing.record);
}

TEST(Column, Column20By40At100And200) {
    const ElementCreation creation = Create(Panel("20", "40"), {100, 200, 0});
    const TColumnData column = ColumnOf(creation);
    EXPECT_EQ(column.X, 100);
    EXPECT_EQ(column.Y, 200);
    EXPECT_EQ(column.MinX, 90);
    EXPECT_EQ(column.MinY, 180);
    EXPECT_EQ(column.MinZ, 0);
    EXPECT_EQ(column.MaxX, 110);
    EXPECT_EQ(column.MaxY, 220);
    EXPECT_EQ(column.MaxZ, 300);
    EXPECT_EQ(column.Nome, "Pilar 20x40"); // the typed name stays in the panel
    EXPECT_EQ(column.Dz, 1);
    EXPECT_EQ(column.Rx, 0);
    EXPECT_EQ(creation.drawing.kind, ElementKind::Column);
    EXPECT_EQ(creation.drawing.layer, "Pilares");
    EXPECT_EQ(creation.flags, FlagChange::ResultsAndMesh);

    const auto& insert = std::get<InsertDrawing>(creation.drawing.shape);
    EXPECT_EQ(insert.blockName, "Pilar 20x40");
    EXPECT_EQ(insert.at, (Point3{100, 200, 0}));
    EXPECT_EQ(insert.attribute, (AttributeValue{"PILAR", "(Pilar 20x40)", std::nullopt}));
    const BlockDefinition expected{
        "Pilar 20x40",
        {100, 200, 0},
        {RectangleItem{{100, 200, 0}, 20, 40, 3},
         AttributeItem{"PILAR", "(Pilar 20x40)", {113, 220, 0}, std::nullopt, 3},
         PointItem{{100, 200, 0}, 3}}};
    EXPECT_EQ(insert.definition, expected);
}

TEST(Column, SpringColumnIsNamedByItsStiffnessAndColoured247) {
    const ElementCreation creation = Create(Panel("30", "30", "5000"), {0, 0, 0});
    EXPECT_EQ(ColumnOf(creation).Nome, "Mola k= 5000: 30x30");
    const auto& insert = std::get<InsertDrawing>(creation.drawing.shape);
    EXPECT_EQ(insert.attribute.tag, "MOLA");
    for (const BlockItem& item : insert.definition->items) {
        std::visit([](const auto& i) { EXPECT_EQ(i.color, 247); }, item);
    }
    EXPECT_EQ(Texts(creation.messages), (std::vector<std::string>{
                                            "Pilar: Mola k= 5000: 30x30 em (0.00, 0.00) inserido",
                                            "",
                                            "*****Dados do Pilar: Mola k= 5000: 30x30*****",
                                            "Medidas a: 30.00, b: 30.00 e h.: 300.00)",
                                            "Coordenadas x: 0.00, y: 0.00 e z: 0.00)",
                                            "Restrições: dz= (1), rx= (0), ry= (0)",
                                            "Pilar é uma mola: k= 5,000.00)",
                                            "*****Fim dados do Pilar: Mola k= 5000: 30x30*****",
                                            "",
                                        }));
}

TEST(Column, ListingShowsOneForEachRestrainedDirection) {
    ColumnCreationPanel panel = Panel("20", "40");
    panel.chkRy = true;
    const ElementCreation creation = Create(panel, {100, 200, 0});
    EXPECT_EQ(Texts(ColumnListing(ColumnOf(creation))),
              (std::vector<std::string>{
                  "",
                  "*****Dados do Pilar: Pilar 20x40*****",
                  "Medidas a: 20.00, b: 40.00 e h.: 300.00)",
                  "Coordenadas x: 100.00, y: 200.00 e z: 0.00)",
                  "Restrições: dz= (1), rx= (0), ry= (1)",
                  "*****Fim dados do Pilar: Pilar 20x40*****",
                  "",
              }));
}

TEST(Column, RefusedSidesAndSprings) {
    constexpr std::string_view sideError = "Erro Pilar: As dimensões do pilar devem ser > 0!";
    constexpr std::string_view springError = "Erro Pilar: A mola do pilar (Kz) deve ser >= 0!";
    struct Case {
        ColumnCreationPanel panel;
        std::string_view message;
    };
    ColumnCreationPanel badHeight = Panel("0", "30");
    badHeight.edthPilar = "alto"; // the sides are checked before the height is read
    const Case cases[] = {
        {Panel("0", "30"), sideError},
        {Panel("30", "-1"), sideError},
        {badHeight, sideError},
        {Panel("30", "30", "-5000"), springError},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RefusalOf(ReadColumnPanel(c.panel)), ValidationRefusal(std::string(c.message)));
    }
    TColumnData spring; // a PILAR typed on the command line with a bad buffer
    spring.LadoA = spring.LadoB = 30;
    spring.Mola = -1;
    EXPECT_EQ(RefusalOf(CreateColumn(spring, {0, 0, 0})),
              ValidationRefusal(std::string(springError)));
}

TEST(Column, EditPanelFillClearAndSave) {
    const TColumnData column = ColumnOf(Create(Panel("20", "40"), {100, 200, 0}));
    const ColumnPanel filled = FillColumnPanel(column, 31);
    EXPECT_EQ(filled,
              (ColumnPanel{true, "Pilar 20x40", true, false, false, "X(100.00)_Y(200.00)", "31"}));
    EXPECT_EQ(ClearedColumnPanel(),
              (ColumnPanel{false, "", true, false, false, "X(0.00)_Y(0.00)", "0000:0000"}));

    ColumnPanel panel = filled;
    panel.editPilarName = "P1";
    panel.editChkRx = true;
    const ElementEdit edit = SaveColumnPanel(panel, column);
    TColumnData expected = column;
    expected.Nome = "P1";
    expected.Rx = 1;
    EXPECT_EQ(std::get<TColumnData>(edit.record), expected);
    EXPECT_EQ(edit.attributeText, "P1");
    EXPECT_EQ(edit.flags, FlagChange::Results);
    EXPECT_EQ(std::get<ColumnPanel>(edit.panel), ClearedColumnPanel());
}

} // namespace
} // namespace quadrilo::elements
