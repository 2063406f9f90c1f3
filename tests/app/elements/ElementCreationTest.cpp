// Slabs, beams, columns and walls drawn with typed coordinates, from their panels and from the
// command line: every record field, what is drawn, the listings, the refusals, one undo step.
#include "ElementFixture.h"

#include "app/drawing/DrawingWindow.h"
#include "app/elements/ElementCommandSet.h"

#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TSlabData.h"
#include "elements/TWallData.h"

#include <numbers>

namespace quadrilo::app::test {
namespace {

using elements::ElementKind;

class ElementCreation : public ElementFixture {};

TEST_F(ElementCreation, SlabFromItsPanelIsOneFinishedInsertWithItsRecord) {
    calculated();
    script(QStringLiteral("SET pControl 4\nDO Cria Laje\n100,200\n500,700\n"));
    const auto slabs = ofKind(ElementKind::Slab);
    ASSERT_EQ(slabs.size(), 1u);
    const cad::Entity& e = *slabs[0];
    EXPECT_EQ(layerOf(e), "Lajes");
    EXPECT_EQ(blockName(e), "Laje 400 x 500 x 12");

    const cad::InsertShape& insert = insertOf(e);
    EXPECT_EQ(insert.at, (cad::Point3{300, 450, 0}));
    ASSERT_EQ(insert.attributes.size(), 1u);
    const cad::Attribute& label = insert.attributes[0];
    EXPECT_EQ(label.tag, "LAJE");
    EXPECT_EQ(label.value, "Laje Lx: 400  Ly: 500  e: 12  ");
    EXPECT_DOUBLE_EQ(label.look.height, 12.5);
    EXPECT_DOUBLE_EQ(label.look.angle, std::numbers::pi / 2) << "Lx < Ly turns the label";
    EXPECT_EQ(label.look.align, 4);
    const auto content = blockContent(e);
    ASSERT_EQ(content.size(), 2u);
    EXPECT_EQ(content[0]->color, 2) << "the rectangle first, in colour 2";
    EXPECT_EQ(std::get<cad::PolylineShape>(content[0]->shape).vertices.size(), 4u);

    const TSlabData slab = recordOf<TSlabData>(e);
    EXPECT_EQ(
        (std::array{slab.Lx, slab.Ly, slab.Espessura, slab.CargaAcidental, slab.CargaPermanente}),
        (std::array{400.0, 500.0, 12.0, 2.0, 1.0}));
    EXPECT_DOUBLE_EQ(slab.Ix, 12.0 * 12 * 12 * 500 / 12);
    EXPECT_DOUBLE_EQ(slab.Iy, 12.0 * 12 * 12 * 400 / 12);
    EXPECT_DOUBLE_EQ(slab.Itx, 12.0 * 12 * 12 * 500 / 6) << "the default formula (b*h^3)/6";
    EXPECT_DOUBLE_EQ(slab.Ity, 12.0 * 12 * 12 * 400 / 6);
    EXPECT_DOUBLE_EQ(slab.PesoProprio, 400.0 * 500 * 12 * 25 / 1e6);
    EXPECT_DOUBLE_EQ(slab.TotalAcidental, 400.0 * 500 * 2);
    EXPECT_EQ((std::array{slab.CentroX, slab.CentroY, slab.MinX, slab.MinY, slab.MaxX, slab.MaxY}),
              (std::array{300.0, 450.0, 100.0, 200.0, 500.0, 700.0}));
    EXPECT_EQ(slab.Nome, "Laje");
    EXPECT_EQ(slab.EntityID, static_cast<std::int32_t>(e.id.value));

    EXPECT_TRUE(flags().MeshOutdated);
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_TRUE(logged("Laje: Laje inserida entre (100.00, 200.00) e (500.00, 700.00)"));
    const QStringList listing{
        "*****Dados da Laje: Laje*****",
        "Medidas a: 400.00 (cm), b: 500.00 (cm) e e: 12.00 (cm))",
        "Carga Permanente: 1 (kN/m^2), Carga Acidental: 2 (kN/m^2), Peso Próprio da Laje: 3 "
        "(kN/m^2), Carga Total: 6 (kN/m^2) ",
        "Ix= 72000 , Itx= 144000",
        "Iy= 57600 , Ity= 115200",
        "Peso total P: 60.00 (KN)",
        "*****Fim dados da Laje: Laje*****",
        ""};
    EXPECT_EQ(log().mid(log().indexOf(listing[0]), listing.size()), listing);
}

TEST_F(ElementCreation, SlabsOfEqualSizesShareTheirBlockButEachShowsItsOwnLabel) {
    script(QStringLiteral("SET pControl 4\nDO Cria Laje\n0,0\n400,500\n"
                          "SET edtLName L2\nDO Cria Laje\n1000,0\n1400,500\n"));
    const auto slabs = ofKind(ElementKind::Slab);
    ASSERT_EQ(slabs.size(), 2u);
    EXPECT_EQ(insertOf(*slabs[0]).block, insertOf(*slabs[1]).block);
    EXPECT_EQ(insertOf(*slabs[1]).attributes[0].value, "L2 Lx: 400  Ly: 500  e: 12  ");
    EXPECT_EQ(insertOf(*slabs[0]).attributes[0].value, "Laje Lx: 400  Ly: 500  e: 12  ");
}

TEST_F(ElementCreation, TypedSlabTakesTheBufferAndCutsItsCornersToHundredths) {
    calculated();
    script(QStringLiteral("LAJE\n10.999,-2.345\n60,60\n"));
    const auto slabs = ofKind(ElementKind::Slab);
    ASSERT_EQ(slabs.size(), 1u);
    const TSlabData slab = recordOf<TSlabData>(*slabs[0]);
    EXPECT_DOUBLE_EQ(slab.MinX, 10.99);
    EXPECT_DOUBLE_EQ(slab.MinY, -2.34);
    EXPECT_DOUBLE_EQ(slab.Lx, 60 - 10.99);
    EXPECT_DOUBLE_EQ(slab.Ly, 60 + 2.34);
    EXPECT_EQ(slab.Espessura, 12) << "the buffer starts with the panel's defaults";
    EXPECT_TRUE(flags().MeshOutdated) << "a typed slab makes the malha stale too";
    EXPECT_FALSE(flags().ResultsCurrent);
}

TEST_F(ElementCreation, BeamFromItsPanelWithItsCalculatedSection) {
    calculated();
    script(QStringLiteral("SET pControl 3\nSET edtVLadoa 20\nSET edtVLadob 50\n"
                          "DO SpeedButton15\nDO spdCalcViga_I\nDO spdCalcViga_It\n"
                          "PRINT edtVigaArea\nPRINT edt_I\nPRINT edt_It\n"
                          "DO Criar Viga\n0,0\n300,400\n"));
    EXPECT_TRUE(out.contains("edtVigaArea = 1000\n"));
    EXPECT_TRUE(out.contains("edt_I = 208333.333333333\n")) << "50³·20/12";
    EXPECT_TRUE(out.contains("edt_It = 133333.333333333\n")) << "20³·50/3";
    const auto beams = ofKind(ElementKind::Beam);
    ASSERT_EQ(beams.size(), 1u);
    const cad::Entity& e = *beams[0];
    EXPECT_EQ(layerOf(e), "Vigas");
    EXPECT_EQ(e.color, 1);
    const auto& mline = std::get<cad::MlineShape>(e.shape);
    EXPECT_EQ(mline.style, "stVigas");
    EXPECT_EQ(mline.vertices, (std::vector<cad::Point3>{{0, 0, 0}, {300, 400, 0}}));
    ASSERT_EQ(mline.lines.size(), 3u);
    EXPECT_EQ(mline.lines[1].offset, 10) << "a/2 each side of the axis";
    EXPECT_EQ(mline.lines[2].offset, -10);
    const TBeamData beam = recordOf<TBeamData>(e);
    EXPECT_EQ(beam.Orientacao, 2);
    EXPECT_DOUBLE_EQ(beam.Comprimento, 500);
    EXPECT_DOUBLE_EQ(beam.Area, 1000);
    EXPECT_DOUBLE_EQ(beam.Peso, 1000.0 * 500 * 25 / 10000);
    EXPECT_EQ((std::array{beam.CentroX, beam.CentroY, beam.MaxX, beam.MaxY}),
              (std::array{150.0, 200.0, 300.0, 400.0}));
    EXPECT_EQ(beam.EntityID, static_cast<std::int32_t>(e.id.value));
    EXPECT_TRUE(flags().MeshOutdated);
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_TRUE(logged("Viga: Viga, entre (0.00, 0.00) e (300.00, 400.00) inserida"));
    EXPECT_TRUE(logged("Vértice 2 : x: (300)  y: (400) z: (0)"));
    EXPECT_TRUE(logged("Orientação: Diagonal"));
}

TEST_F(ElementCreation, ColumnStandsAtItsPointWithItsBoxAndLabel) {
    script(QStringLiteral("SET pControl 2\nSET edtLadoA 20\nSET edtLadoB 40\nSET edtPName P9\n"
                          "DO btn_CriaPilar\n100,200\n"));
    const auto columns = ofKind(ElementKind::Column);
    ASSERT_EQ(columns.size(), 1u);
    const cad::Entity& e = *columns[0];
    EXPECT_EQ(layerOf(e), "Pilares");
    const TColumnData column = recordOf<TColumnData>(e);
    EXPECT_EQ((std::array{column.MinX, column.MinY, column.MaxX, column.MaxY, column.MaxZ}),
              (std::array{90.0, 180.0, 110.0, 220.0, 300.0}));
    EXPECT_EQ(column.Nome, "Pilar 20x40") << "the block name, not the typed one";
    EXPECT_EQ((std::array{column.Dz, column.Rx, column.Ry}),
              (std::array<std::uint8_t, 3>{1, 0, 0}));
    const cad::Attribute& label = insertOf(e).attributes.at(0);
    EXPECT_EQ(label.tag, "PILAR");
    EXPECT_EQ(label.value, "(Pilar 20x40)");
    EXPECT_EQ(label.at, (cad::Point3{113, 220, 0}));
    for (const cad::Entity* part : blockContent(e))
        EXPECT_EQ(part->color, 3);
    EXPECT_TRUE(logged("Restrições: dz= (1), rx= (0), ry= (0)")) << "1 for a restraint";
}

TEST_F(ElementCreation, SpringColumnIsNamedByItsSpringAndDrawnInColour247) {
    script(QStringLiteral("SET pControl 2\nSET edtMola 5000\nSET chkRx 1\n"
                          "DO btn_CriaPilar\n300,300\nDO btn_CriaPilar\n600,300\n"));
    const auto columns = ofKind(ElementKind::Column);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(blockName(*columns[0]), "Mola k= 5000: 30x30");
    EXPECT_EQ(insertOf(*columns[0]).block, insertOf(*columns[1]).block);
    EXPECT_EQ(insertOf(*columns[0]).attributes.at(0).tag, "MOLA");
    for (const cad::Entity* part : blockContent(*columns[0]))
        EXPECT_EQ(part->color, 247);
    const TColumnData column = recordOf<TColumnData>(*columns[0]);
    EXPECT_EQ(column.Mola, 5000);
    EXPECT_EQ(column.Rx, 1);
    EXPECT_TRUE(logged("Pilar é uma mola: k= 5,000.00)"));
    EXPECT_TRUE(logged("Restrições: dz= (1), rx= (1), ry= (0)"));
}

TEST_F(ElementCreation, WallLiesOnTheCurrentLayerAndLogsNothing) {
    script(QStringLiteral("SET pControl 4\n"));
    const qsizetype before = log().size();
    script(QStringLiteral("PAREDE\n0,0\n100,50\n"));
    const auto walls = ofKind(ElementKind::Wall);
    ASSERT_EQ(walls.size(), 1u);
    const cad::Entity& e = *walls[0];
    EXPECT_EQ(layerOf(e), "Lajes");
    EXPECT_EQ((std::tuple{e.color, e.lineweight, e.ltScale}), (std::tuple{5, 60, 2.0}));
    EXPECT_EQ(std::get<cad::LineShape>(e.shape), (cad::LineShape{{0, 0, 0}, {100, 50, 0}}));
    const TWallData wall = recordOf<TWallData>(e);
    EXPECT_EQ((std::array{wall.X1, wall.Y1, wall.X2, wall.Y2}),
              (std::array{0.0, 0.0, 100.0, 50.0}));
    EXPECT_EQ(log().size(), before);
    EXPECT_EQ(document().promptText(), "Input second Muro corner:");
}

// Each refusal logs its line and draws nothing.
TEST_F(ElementCreation, InvalidElementsAreRefusedWithTheirKindsMessage) {
    const struct {
        const char* script;
        const char* message;
        ElementKind kind;
    } cases[] = {
        {"SET pControl 4\nSET edtLh 0\nDO Cria Laje\n",
         "Erro Laje: A laje deve ter uma espessura e >0!", ElementKind::Slab},
        {"LAJE\n100,100\n100,300\n", "Erro Laje: As dimensões da laje (Lx e Ly) devem ser > 0!",
         ElementKind::Slab},
        {"SET pControl 3\nSET edtVLadoa 20\nDO Criar Viga\n",
         "Erro Viga: As dimensões da viga (a e b) ou (I e It) devem ser <> 0!", ElementKind::Beam},
        {"SET pControl 3\nSET edtVLadoa 20\nSET edtVLadob 50\nSET edtVigaArea 1000\n"
         "SET edt_I -5\nSET edt_It 10\nDO Criar Viga\n",
         "Erro Viga: Área, I e It da viga devem ser > 0!", ElementKind::Beam},
        {"VIGA\n0,0\n100,0\n",
         "Erro Viga: As dimensões da viga (a e b) ou (I e It) devem ser <> 0!", ElementKind::Beam},
        {"SET pControl 2\nSET edtLadoA 0\nDO btn_CriaPilar\n",
         "Erro Pilar: As dimensões do pilar devem ser > 0!", ElementKind::Column},
        {"SET pControl 2\nSET edtLadoA 30\nSET edtMola -1\nDO btn_CriaPilar\n",
         "Erro Pilar: A mola do pilar (Kz) deve ser >= 0!", ElementKind::Column},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        calculated();
        (void)run(QString::fromUtf8(c.script), false);
        EXPECT_TRUE(logged(QString::fromUtf8(c.message)));
        EXPECT_TRUE(ofKind(c.kind).empty());
        EXPECT_TRUE(flags().ResultsCurrent) << "nothing changed";
        state->log.clear();
    }
}

TEST_F(ElementCreation, OneUndoTakesAWholeCreationBack) {
    script(QStringLiteral("SET pControl 2\nDO btn_CriaPilar\n100,200\nLAJE\n0,0\n400,500\n"));
    ASSERT_EQ(ofKind(ElementKind::Slab).size(), 1u);
    calculated();
    ASSERT_TRUE(document().undo());
    EXPECT_TRUE(ofKind(ElementKind::Slab).empty());
    EXPECT_EQ(ofKind(ElementKind::Column).size(), 1u) << "the earlier column stays";
    EXPECT_TRUE(flags().MeshOutdated) << "an undo of an element makes the malha stale";
    EXPECT_FALSE(flags().ResultsCurrent);
    calculated();
    ASSERT_TRUE(document().redo());
    EXPECT_EQ(ofKind(ElementKind::Slab).size(), 1u);
    EXPECT_FALSE(flags().ResultsCurrent);
}

TEST_F(ElementCreation, CancellingACornerLeavesNothing) {
    calculated();
    (void)run(QStringLiteral("LAJE\n0,0\n"), false);
    document().cancelCommand();
    EXPECT_TRUE(ofKind(ElementKind::Slab).empty());
    EXPECT_TRUE(flags().ResultsCurrent);
}

TEST_F(ElementCreation, EachCommandTheEngineRefusesIsToldInAMessageBox) {
    // The program's commands hold their ids and names already: a second set is refused whole.
    ElementHost host(*window);
    ElementCommandSet again(host);
    for (int i = 0; i < 5; ++i)
        answer(AnswerOk);
    // The diagram's place is between the wall and the load.
    QString lastBeforeLoad;
    again.registerCommands(window->drawingWindow()->canvas(), prompts,
                           [&] { lastBeforeLoad = prompts.asked().back(); });
    EXPECT_EQ(lastBeforeLoad, "Erro: Falha ao criar o comando: Parede");
    EXPECT_EQ(prompts.asked().mid(prompts.asked().size() - 5),
              (QStringList{
                  "Erro: Falha ao criar o comando: Viga", "Erro: Falha ao criar o comando: Laje",
                  "Erro: Falha ao criar o comando: Pilar", "Erro: Falha ao criar o comando: Parede",
                  "Erro: Falha ao criar o comando: Carga Local"}));
    script("LAJE\n0,0\n100,100\n");
    EXPECT_EQ(ofKind(ElementKind::Slab).size(), 1u) << "the program's own commands stay";
}

} // namespace
} // namespace quadrilo::app::test
