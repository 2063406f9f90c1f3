// Laje: the creation panel, the record computed from two corners, what it draws, its listing and
// its edit panel.
#include "elements/ULajeCustEnt.h"

#include "ElementsFixture.h"

#include <gtest/gtest.h>

namespace quadrilo::elements {
namespace {

using test::NewProject;
using test::RefusalOf;

constexpr std::string_view ThicknessError = "Erro Laje: A laje deve ter uma espessura e >0!";
constexpr std::string_view SizeError = "Erro Laje: As dimensões da laje (Lx e Ly) devem ser > 0!";

TSlabData Buffer(std::string nome = "Laje") {
    SlabCreationPanel panel;
    panel.edtLName = std::move(nome);
    auto buffer = ReadSlabPanel(panel);
    EXPECT_TRUE(buffer.Ok());
    return buffer.Ok() ? *buffer : TSlabData{};
}

ElementCreation Create(Point3 p1, Point3 p2, const TSlabData& buffer = Buffer(),
                       const TProjectData& project = NewProject()) {
    auto creation = CreateSlab(buffer, p1, p2, project);
    EXPECT_TRUE(creation.Ok()) << (creation.Ok() ? "" : creation.Error().message);
    return creation.Ok() ? *std::move(creation) : ElementCreation{};
}

TSlabData SlabOf(const ElementCreation& creation) {
    return std::get<TSlabData>(creation.drawing.record);
}

InsertDrawing InsertOf(const ElementCreation& creation) {
    return std::get<InsertDrawing>(creation.drawing.shape);
}

TEST(Slab, PanelDefaultsFillTheBuffer) {
    const TSlabData buffer = Buffer();
    EXPECT_EQ(buffer.Nome, "Laje");
    EXPECT_EQ(buffer.Espessura, 12);
    EXPECT_EQ(buffer.CargaAcidental, 2);
    EXPECT_EQ(buffer.CargaPermanente, 1);
}

TEST(Slab, Slab400By500By12GetsEveryFieldFromItsCorners) {
    const ElementCreation creation = Create({0, 0, 0}, {400, 500, 0});
    const TSlabData slab = SlabOf(creation);
    EXPECT_EQ(slab.Lx, 400);
    EXPECT_EQ(slab.Ly, 500);
    EXPECT_EQ(slab.Ix, 12.0 * 12 * 12 * 500 / 12);
    EXPECT_EQ(slab.Iy, 12.0 * 12 * 12 * 400 / 12);
    // The default formula (b*h^3)/6 with b = Ly, then b = Lx.
    EXPECT_DOUBLE_EQ(slab.Itx, 144000);
    EXPECT_DOUBLE_EQ(slab.Ity, 115200);
    EXPECT_DOUBLE_EQ(slab.PesoProprio, 60); // 4 m × 5 m × 0.12 m × 25 kN/m³
    EXPECT_DOUBLE_EQ(slab.TotalAcidental, 400000);
    EXPECT_DOUBLE_EQ(slab.TotalPermanente, 200000);
    EXPECT_EQ(slab.CentroX, 200);
    EXPECT_EQ(slab.CentroY, 250);
    EXPECT_EQ(slab.MinX, 0);
    EXPECT_EQ(slab.MaxY, 500);
    EXPECT_EQ(slab.EntityID, 0); // given by the new entity
    EXPECT_EQ(creation.drawing.kind, ElementKind::Slab);
    EXPECT_EQ(creation.drawing.layer, "Lajes");
    EXPECT_EQ(creation.flags, FlagChange::ResultsAndMesh);
}

TEST(Slab, DrawsAnInsertOfItsSizedBlockWithARotatedLabel) {
    const InsertDrawing insert = InsertOf(Create({0, 0, 0}, {400, 500, 0}));
    const std::string label = "Laje Lx: 400  Ly: 500  e: 12  ";
    EXPECT_EQ(insert.blockName, "Laje 400 x 500 x 12");
    EXPECT_EQ(insert.at, (Point3{200, 250, 0}));
    EXPECT_EQ(insert.scale, 1.0);
    EXPECT_EQ(insert.angleDeg, 0.0);
    EXPECT_EQ(insert.attribute, (AttributeValue{"LAJE", label, std::nullopt}));
    ASSERT_TRUE(insert.definition);
    const BlockDefinition& block = *insert.definition;
    EXPECT_EQ(block.name, insert.blockName);
    EXPECT_EQ(block.base, (Point3{200, 250, 0}));
    ASSERT_EQ(block.items.size(), 2u);
    EXPECT_EQ(std::get<RectangleItem>(block.items[0]), (RectangleItem{{200, 250, 0}, 400, 500, 2}));
    const auto& attribute = std::get<AttributeItem>(block.items[1]);
    EXPECT_EQ(attribute.tag, "LAJE");
    EXPECT_EQ(attribute.defaultText, label);
    EXPECT_EQ(attribute.at, (Point3{200, 250, 0}));
    EXPECT_EQ(attribute.look, (TextLook{12.5, 90, 4}));
}

TEST(Slab, LabelLiesFlatWhenLxIsNotTheShorterSide) {
    for (const Point3 far : {Point3{500, 400, 0}, Point3{400, 400, 0}}) {
        const InsertDrawing insert = InsertOf(Create({0, 0, 0}, far));
        const auto& attribute = std::get<AttributeItem>(insert.definition->items[1]);
        EXPECT_EQ(attribute.look->angleDeg, 0);
    }
}

TEST(Slab, CornersAreCutToHundredthsBeforeEveryComputation) {
    const ElementCreation creation = Create({10.999, -2.345, 0}, {310.999, 397.655, 0});
    const TSlabData slab = SlabOf(creation);
    EXPECT_EQ(slab.MinX, 10.99);
    EXPECT_EQ(slab.MinY, -2.34);
    EXPECT_EQ(slab.MaxX, 310.99);
    EXPECT_EQ(slab.MaxY, 397.65);
    EXPECT_DOUBLE_EQ(slab.Lx, 300);
    EXPECT_DOUBLE_EQ(slab.Ly, 399.99);
    EXPECT_DOUBLE_EQ(slab.CentroY, -2.34 + 399.99 / 2);
    EXPECT_EQ(InsertOf(creation).blockName, "Laje 300 x 399.99 x 12");
    EXPECT_EQ(creation.messages.front().text,
              "Laje: Laje inserida entre (10.99, -2.34) e (310.99, 397.65)");
}

TEST(Slab, SlabsOfEqualRoundedSizesShareTheBlockButShowTheirOwnLabels) {
    const InsertDrawing first = InsertOf(Create({0, 0, 0}, {400, 500, 0}, Buffer("L1")));
    const InsertDrawing second = InsertOf(Create({1000, 0, 0}, {1400.004, 500, 0}, Buffer("L2")));
    EXPECT_EQ(second.blockName, first.blockName);
    EXPECT_EQ(first.attribute.text, "L1 Lx: 400  Ly: 500  e: 12  ");
    EXPECT_EQ(second.attribute.text, "L2 Lx: 400  Ly: 500  e: 12  ");
}

TEST(Slab, TorsionFormulaOfTheProjectTakesBAsEachSideAndHAsTheThickness) {
    TProjectData project = NewProject();
    project.SlabIt = "b+1000*h";
    const TSlabData slab = SlabOf(Create({0, 0, 0}, {400, 500, 0}, Buffer(), project));
    EXPECT_DOUBLE_EQ(slab.Itx, 500 + 12000);
    EXPECT_DOUBLE_EQ(slab.Ity, 400 + 12000);
}

TEST(Slab, RubberBandShowsTheDiagonalAndBothSidesFromTheFirstCorner) {
    EXPECT_EQ(SlabRubberBand({0, 0, 1}, {400, 500, 2}),
              (std::vector<RubberLine>{
                  {{0, 0, 1}, {400, 500, 2}}, {{0, 0, 1}, {0, 500, 2}}, {{0, 0, 1}, {400, 0, 1}}}));
}

TEST(Slab, ListingAfterCreation) {
    const ElementCreation creation = Create({0, 0, 0}, {400, 500, 0});
    EXPECT_EQ(Texts(creation.messages),
              (std::vector<std::string>{
                  "Laje: Laje inserida entre (0.00, 0.00) e (400.00, 500.00)",
                  "*****Dados da Laje: Laje*****",
                  "Medidas a: 400.00 (cm), b: 500.00 (cm) e e: 12.00 (cm))",
                  "Carga Permanente: 1 (kN/m^2), Carga Acidental: 2 (kN/m^2), Peso Próprio da "
                  "Laje: 3 (kN/m^2), Carga Total: 6 (kN/m^2) ",
                  "Ix= 72000 , Itx= 144000",
                  "Iy= 57600 , Ity= 115200",
                  "Peso total P: 60.00 (KN)",
                  "*****Fim dados da Laje: Laje*****",
                  "",
              }));
    for (const auto& line : creation.messages) {
        EXPECT_EQ(line.channel, MessageChannel::Prompt);
    }
}

TEST(Slab, ListingOfARecordWithoutAreaShowsNoNaN) {
    TSlabData old; // a slab of equal corners from an earlier drawing
    old.Espessura = 12;
    for (const auto& line : Texts(SlabListing(old))) {
        EXPECT_EQ(line.find("NAN"), std::string::npos) << line;
    }
}

TEST(Slab, NameIsCutToFiftyCharacters) {
    const TSlabData buffer = Buffer(std::string(60, 'n'));
    EXPECT_EQ(buffer.Nome, std::string(50, 'n'));
}

TEST(Slab, RefusedInputCreatesNothing) {
    struct Case {
        const char* what;
        SlabCreationPanel panel;
        Refusal expected;
    };
    const auto panel = [](std::string e, std::string formula = "(b*h^3)/6") {
        SlabCreationPanel p;
        p.edtLh = std::move(e);
        p.edtSlabIt = std::move(formula);
        return p;
    };
    const Case cases[] = {
        {"zero thickness", panel("0"), ValidationRefusal(std::string(ThicknessError))},
        {"negative thickness", panel("-1"), ValidationRefusal(std::string(ThicknessError))},
        {"comma decimal", panel("1,5"), InputRefusal("'1,5' is not a valid floating point value")},
        {"formula that does not compile", panel("12", "(b*h"),
         InputRefusal("Missing brackets in expression")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RefusalOf(ReadSlabPanel(c.panel)), c.expected) << c.what;
    }
}

TEST(Slab, CommandRefusesCornersWithoutAreaAndABadBuffer) {
    const TProjectData project = NewProject();
    const TSlabData buffer = Buffer();
    for (const Point3 p2 : {Point3{0, 0, 0}, Point3{400, 0.004, 0}, Point3{0, 500, 0}}) {
        EXPECT_EQ(RefusalOf(CreateSlab(buffer, {0, 0, 0}, p2, project)),
                  ValidationRefusal(std::string(SizeError)));
    }
    TSlabData thin = buffer;
    thin.Espessura = 0; // a LAJE typed on the command line with a buffer never validated
    EXPECT_EQ(RefusalOf(CreateSlab(thin, {0, 0, 0}, {400, 500, 0}, project)),
              ValidationRefusal(std::string(ThicknessError)));
    TProjectData badFormula = project;
    badFormula.SlabIt = "1/(b-b)";
    EXPECT_EQ(RefusalOf(CreateSlab(buffer, {0, 0, 0}, {400, 500, 0}, badFormula)).kind,
              Refusal::Kind::Input);
    badFormula.SlabIt = "450-b"; // negative for Ly = 500 only
    EXPECT_EQ(RefusalOf(CreateSlab(buffer, {0, 0, 0}, {400, 500, 0}, badFormula)),
              ValidationRefusal("Erro Laje: A fórmula de It da laje deve dar It >= 0!"));
}

TEST(Slab, EditPanelFillAndClear) {
    const TSlabData slab = SlabOf(Create({0, 0, 0}, {400, 500, 0}));
    EXPECT_EQ(FillSlabPanel(slab, 77),
              (SlabPanel{true, "Laje", "12", "a:(400.00) x b:(500.00)", "77"}));
    EXPECT_EQ(ClearedSlabPanel(), (SlabPanel{false, "", "0", "0x0", "0000:0000"}));
}

TEST(Slab, SaveChangesThicknessAndNameAndWhatFollowsFromThem) {
    TProjectData project = NewProject();
    project.SlabIt = "b*h"; // the edit keeps the strip formula e³·L/6 whatever made the slab
    const TSlabData slab = SlabOf(Create({0, 0, 0}, {400, 500, 0}, Buffer(), project));
    SlabPanel panel = FillSlabPanel(slab, 77);
    panel.editLajeE = "20";
    panel.editLajeName = "L1";
    const auto edit = SaveSlabPanel(panel, slab, project);
    ASSERT_TRUE(edit.Ok());
    const auto& saved = std::get<TSlabData>(edit->record);
    EXPECT_EQ(saved.Espessura, 20);
    EXPECT_EQ(saved.Nome, "L1");
    EXPECT_DOUBLE_EQ(saved.Ix, 8000.0 * 500 / 12);
    EXPECT_DOUBLE_EQ(saved.Iy, 8000.0 * 400 / 12);
    EXPECT_DOUBLE_EQ(saved.Itx, 8000.0 * 500 / 6);
    EXPECT_DOUBLE_EQ(saved.Ity, 8000.0 * 400 / 6);
    EXPECT_DOUBLE_EQ(saved.PesoProprio, 100);
    TSlabData unchanged = saved; // every other field stays as the entity had it
    unchanged.Espessura = slab.Espessura;
    unchanged.Nome = slab.Nome;
    unchanged.Ix = slab.Ix;
    unchanged.Iy = slab.Iy;
    unchanged.Itx = slab.Itx;
    unchanged.Ity = slab.Ity;
    unchanged.PesoProprio = slab.PesoProprio;
    EXPECT_EQ(unchanged, slab);
    EXPECT_EQ(edit->attributeText, "L1 Lx: 400  Ly: 500  e: 20  ");
    EXPECT_EQ(edit->flags, FlagChange::Results);
    EXPECT_EQ(std::get<SlabPanel>(edit->panel), panel);
}

TEST(Slab, SaveCutsTheLabelOfALongNameTo50Characters) {
    const TSlabData slab = SlabOf(Create({0, 0, 0}, {400, 500, 0}));
    const std::string n40(40, 'n');
    const struct {
        std::string name;
        std::string label;
    } cases[] = {
        {n40, n40 + " Lx: 400  "},                    // the sizes cut short
        {std::string(60, 'n'), std::string(50, 'n')}, // the name itself is cut first
        {n40 + "çãéíóú", n40 + "çãéíóú Lx:"},         // characters, not bytes
    };
    for (const auto& c : cases) {
        SlabPanel panel = FillSlabPanel(slab, 77);
        panel.editLajeName = c.name;
        const auto edit = SaveSlabPanel(panel, slab, NewProject());
        ASSERT_TRUE(edit.Ok());
        EXPECT_EQ(edit->attributeText, c.label) << c.name;
    }
}

TEST(Slab, SaveRefusesAThicknessOfZeroOrLess) {
    const TSlabData slab = SlabOf(Create({0, 0, 0}, {400, 500, 0}));
    SlabPanel panel = FillSlabPanel(slab, 77);
    for (const char* e : {"0", "-12"}) {
        panel.editLajeE = e;
        EXPECT_EQ(RefusalOf(SaveSlabPanel(panel, slab, NewProject())),
                  ValidationRefusal(std::string(ThicknessError)));
    }
}

} // namespace
} // namespace quadrilo::elements
