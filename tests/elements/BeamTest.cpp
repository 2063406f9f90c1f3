// Viga: the calculation buttons, the creation panel, the record computed from two points, the
// multiline it draws, its listing and its edit panel.
#include "elements/UVigaCustEnt.h"

#include "ElementsFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quadrilo::elements {
namespace {

using test::NewProject;
using test::RefusalOf;

constexpr std::string_view ZeroError =
    "Erro Viga: As dimensões da viga (a e b) ou (I e It) devem ser <> 0!";
constexpr std::string_view NegativeError = "Erro Viga: Área, I e It da viga devem ser > 0!";

// The panel of a 20 × 50 beam with the values its calculation buttons give.
BeamCreationPanel Panel20By50() {
    BeamCreationPanel panel;
    panel.edtVLadoa = "20";
    panel.edtVLadob = "50";
    panel.edtVigaArea = "1000";
    panel.edt_I = "208333.333333333";
    panel.edt_It = "133333.333333333";
    return panel;
}

TBeamData Buffer20By50() {
    auto buffer = ReadBeamPanel(Panel20By50());
    EXPECT_TRUE(buffer.Ok());
    return buffer.Ok() ? *buffer : TBeamData{};
}

ElementCreation Create(Point3 p1, Point3 p2) {
    auto creation = CreateBeam(Buffer20By50(), p1, p2, NewProject());
    EXPECT_TRUE(creation.Ok()) << (creation.Ok() ? "" : creation.Error().message);
    return creation.Ok() ? *std::move(creation) : ElementCreation{};
}

TBeamData BeamOf(const ElementCreation& creation) {
    return std::get<TBeamData>(creation.drawing.record);
}

TEST(Beam, CalculationButtonsGiveAreaInertiaAndTorsionOfTheSides) {
    const BeamCreationPanel panel = Panel20By50();
    EXPECT_EQ(*BeamAreaText(panel), "1000");
    EXPECT_EQ(*BeamInertiaText(panel), "208333.333333333"); // 50³·20/12
    EXPECT_EQ(*BeamTorsionText(panel), "133333.333333333"); // 20³·50/3
    BeamCreationPanel other = panel;
    other.edtVigaIt = "b*1000+h"; // b is side a, h is side b
    EXPECT_EQ(*BeamTorsionText(other), "20050");
    other.edtVLadob = "x";
    EXPECT_EQ(RefusalOf(BeamTorsionText(other)),
              InputRefusal("'x' is not a valid floating point value"));
    other.edtVLadob = "50";
    other.edtVigaIt = "b*";
    EXPECT_EQ(RefusalOf(BeamTorsionText(other)).kind, Refusal::Kind::Input);
}

TEST(Beam, RecordFollowsItsEnds) {
    struct Case {
        Point3 p1, p2;
        std::uint8_t orientacao;
        double comprimento;
    };
    const Case cases[] = {
        {{0, 0, 0}, {300, 400, 0}, 2, 500},
        {{0, 0, 0}, {0, 500, 0}, 1, 500},
        {{500, 0, 0}, {0, 0, 0}, 0, 500},
        {{100, 100, 0}, {100, 100, 0}, 1, 0}, // both ends equal
        {{0, 0, 0}, {300, 400, 50}, 2, 500},  // Z is left out of the plan length
    };
    for (const Case& c : cases) {
        const TBeamData beam = BeamOf(Create(c.p1, c.p2));
        EXPECT_EQ(beam.Orientacao, c.orientacao);
        EXPECT_DOUBLE_EQ(beam.Comprimento, c.comprimento);
        EXPECT_EQ(beam.MinX, std::min(c.p1.x, c.p2.x));
        EXPECT_EQ(beam.MaxX, std::max(c.p1.x, c.p2.x));
        EXPECT_EQ(beam.CentroX, (c.p1.x + c.p2.x) / 2);
        EXPECT_EQ(beam.CentroZ, (c.p1.z + c.p2.z) / 2);
        // 1000 cm² × length × 25 kN/m³
        EXPECT_DOUBLE_EQ(beam.Peso, 1000 * c.comprimento * 25 / 10'000);
    }
}

TEST(Beam, DrawsAMultilineOfItsWidthBetweenTheCutPoints) {
    const ElementCreation creation = Create({10.999, -2.345, 0}, {300, 400, 0});
    const auto& multiline = std::get<MultilineDrawing>(creation.drawing.shape);
    EXPECT_EQ(multiline.style, "stVigas");
    EXPECT_EQ(multiline.vertices, (std::vector<Point3>{{10.99, -2.34, 0}, {300, 400, 0}}));
    EXPECT_EQ(multiline.width, (MultilineWidth{10, -10}));
    EXPECT_EQ(multiline.color, 1);
    EXPECT_EQ(creation.drawing.kind, ElementKind::Beam);
    EXPECT_EQ(creation.drawing.layer, "Vigas");
    EXPECT_EQ(creation.flags, FlagChange::ResultsAndMesh);
    EXPECT_EQ(BeamOf(creation).MinY, -2.34);
}

TEST(Beam, ListingAfterCreationShowsTheVerticesInDrawingOrder) {
    EXPECT_EQ(Texts(Create({500, 0, 0}, {0, 0, 0}).messages),
              (std::vector<std::string>{
                  "Viga: Viga, entre (500.00, 0.00) e (0.00, 0.00) inserida",
                  "*****Dados da Viga: Viga*****",
                  "Medidas a: 20.00 (cm), b: 50.00 (cm), compr.: 500.00 (cm), Peso: 1,250.00 (kg)",
                  "I= 208333.333333333 cm^4), It= 133333.333333333 cm^4), Área: 1000 (cm^2)",
                  "Orientação: Horizontal",
                  "Vértice 1 : x: (500)  y: (0) z: (0)",
                  "Vértice 2 : x: (0)  y: (0) z: (0)",
                  "*****Fim dados da Viga: Viga*****",
                  "",
              }));
}

TEST(Beam, SectionsWithoutStiffnessAreRefused) {
    struct Case {
        const char* field;
        std::string BeamCreationPanel::*text;
        const char* value;
        std::string_view message;
    };
    const Case cases[] = {
        {"a = 0", &BeamCreationPanel::edtVLadoa, "0", ZeroError},
        {"b < 0", &BeamCreationPanel::edtVLadob, "-50", ZeroError},
        {"Area = 0", &BeamCreationPanel::edtVigaArea, "0", ZeroError},
        {"I = 0", &BeamCreationPanel::edt_I, "0", ZeroError},
        {"It = 0", &BeamCreationPanel::edt_It, "0", ZeroError},
        {"Area < 0", &BeamCreationPanel::edtVigaArea, "-1000", NegativeError},
        {"I < 0", &BeamCreationPanel::edt_I, "-1", NegativeError},
        {"It < 0", &BeamCreationPanel::edt_It, "-1", NegativeError},
    };
    for (const Case& c : cases) {
        BeamCreationPanel panel = Panel20By50();
        panel.*c.text = c.value;
        EXPECT_EQ(RefusalOf(ReadBeamPanel(panel)), ValidationRefusal(std::string(c.message)))
            << c.field;
    }
    // A VIGA typed on the command line with a buffer that was never validated.
    EXPECT_EQ(RefusalOf(CreateBeam(TBeamData{}, {0, 0, 0}, {100, 0, 0}, NewProject())),
              ValidationRefusal(std::string(ZeroError)));
}

TEST(Beam, EditPanelFillAndClear) {
    const TBeamData beam = BeamOf(Create({500, 0, 0}, {0, 100, 0}));
    EXPECT_EQ(
        FillBeamPanel(beam, 12),
        (BeamPanel{true, "Viga", "20", "50", "X1(0.00)_Y1(0.00) -> X2(500.00)_Y2(100.00)", "12"}));
    EXPECT_EQ(
        ClearedBeamPanel(),
        (BeamPanel{false, "", "", "", "X1(0.00)_Y1(0.00) -> X2(0.00)_Y2(0.00)", "0000:0000"}));
}

TEST(Beam, SaveWritesNameAndSidesAndRecomputesTheSection) {
    const TBeamData beam = BeamOf(Create({0, 0, 0}, {300, 400, 0}));
    BeamPanel panel = FillBeamPanel(beam, 12);
    panel.editTextVigaName = "V1";
    panel.editVigaladoa = "15";
    panel.editVigaLadoB = "40";
    const auto edit = SaveBeamPanel(panel, beam, NewProject());
    ASSERT_TRUE(edit.Ok());
    const auto& saved = std::get<TBeamData>(edit->record);
    EXPECT_EQ(saved.Nome, "V1");
    EXPECT_EQ(saved.LadoA, 15);
    EXPECT_EQ(saved.LadoB, 40);
    EXPECT_EQ(saved.Area, 600);
    EXPECT_DOUBLE_EQ(saved.I, 40.0 * 40 * 40 * 15 / 12);
    EXPECT_DOUBLE_EQ(saved.It, 15.0 * 15 * 15 * 40 / 3);
    EXPECT_DOUBLE_EQ(saved.Peso, 600 * 500 * 25 / 10'000.0);
    EXPECT_EQ(saved.Comprimento, beam.Comprimento);
    EXPECT_EQ(saved.MinX, beam.MinX);
    EXPECT_EQ(saved.CargaAdicional, beam.CargaAdicional);
    EXPECT_EQ(edit->width, (MultilineWidth{7.5, -7.5}));
    EXPECT_EQ(edit->flags, FlagChange::Results);

    panel.editVigaladoa = "0";
    EXPECT_EQ(RefusalOf(SaveBeamPanel(panel, beam, NewProject())),
              ValidationRefusal(std::string(ZeroError)));
    TProjectData negativeIt = NewProject();
    negativeIt.VigaIt = "-b";
    panel.editVigaladoa = "15";
    EXPECT_EQ(RefusalOf(SaveBeamPanel(panel, beam, negativeIt)),
              ValidationRefusal(std::string(NegativeError)));
}

} // namespace
} // namespace quadrilo::elements
