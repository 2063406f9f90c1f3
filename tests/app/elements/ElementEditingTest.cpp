// The edit panels of tab 7: filled on selection, cleared on deselection, and each save writing
// the edited fields into the record of the entity the panel names.
#include "ElementFixture.h"

#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TSlabData.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace quadrilo::app::test {
namespace {

using elements::ElementKind;

class ElementEditing : public ElementFixture {
protected:
    cad::EntityId draw(const QString& text, ElementKind kind) {
        script(text);
        const auto found = ofKind(kind);
        return found.empty() ? cad::EntityId{} : found.back()->id;
    }
    QString label(const char* name) { return control<QLabel>(name).text(); }
    QString edit(const char* name) { return control<QLineEdit>(name).text(); }
    bool shown(const char* group) { return !control<QGroupBox>(group).isHidden(); }
    static QString handle(cad::EntityId id) { return QString::number(id.value); }
};

TEST_F(ElementEditing, SlabPanelFillsAndItsSaveRecomputesTheRecordAndLabel) {
    const cad::EntityId slab = draw("LAJE\n0,0\n400,500\n", ElementKind::Slab);
    ASSERT_TRUE(document().select(slab, true));
    EXPECT_TRUE(shown("EditGroupLajes"));
    EXPECT_EQ(edit("editLajeName"), "Laje");
    EXPECT_EQ(edit("editLajeE"), "12");
    EXPECT_EQ(label("editlajelabel"), "a:(400.00) x b:(500.00)");
    EXPECT_EQ(label("editLajeHandle"), handle(slab));

    calculated();
    script("SET editLajeE 20\nSET editLajeName Piso\nDO actEditLajeSave\n");
    const TSlabData saved = recordOf<TSlabData>(slab);
    EXPECT_EQ(saved.Espessura, 20);
    EXPECT_EQ(saved.Nome, "Piso");
    EXPECT_DOUBLE_EQ(saved.Ix, 8000.0 * 500 / 12);
    EXPECT_DOUBLE_EQ(saved.Ity, 8000.0 * 400 / 6);
    EXPECT_DOUBLE_EQ(saved.PesoProprio, 400.0 * 500 * 20 * 25 / 1e6);
    EXPECT_EQ(insertOf(*drawing().entity(slab)).attributes[0].value,
              "Piso Lx: 400  Ly: 500  e: 20  ");
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_FALSE(flags().MeshOutdated) << "an edit changes the data, not the malha";
    EXPECT_TRUE(shown("EditGroupLajes")) << "the panel stays open";

    script("SET editLajeE 0\nDO actEditLajeSave\n");
    EXPECT_TRUE(logged("Erro Laje: A laje deve ter uma espessura e >0!"));
    EXPECT_EQ(recordOf<TSlabData>(slab).Espessura, 20) << "a refused save changes nothing";

    document().clearSelection();
    EXPECT_FALSE(shown("EditGroupLajes"));
    EXPECT_EQ(label("editLajeHandle"), "0000:0000");
}

TEST_F(ElementEditing, BeamSaveWritesNameAndSidesBackAndRedrawsTheWidth) {
    const cad::EntityId beam = draw("SET edtVLadoa 20\nSET edtVLadob 50\nDO SpeedButton15\n"
                                    "DO spdCalcViga_I\nDO spdCalcViga_It\nDO Criar Viga\n"
                                    "500,0\n0,0\n",
                                    ElementKind::Beam);
    ASSERT_TRUE(document().select(beam, true));
    EXPECT_TRUE(shown("editgroupVigas"));
    EXPECT_EQ(edit("editVigaladoa"), "20");
    EXPECT_EQ(label("editPnlVigaCoords"), "X1(0.00)_Y1(0.00) -> X2(500.00)_Y2(0.00)");

    calculated();
    script("SET editTextVigaName V1\nSET editVigaladoa 30\nSET editVigaLadoB 60\nDO Button5\n");
    const TBeamData saved = recordOf<TBeamData>(beam);
    EXPECT_EQ(saved.Nome, "V1");
    EXPECT_EQ((std::array{saved.LadoA, saved.LadoB, saved.Area}), (std::array{30.0, 60.0, 1800.0}));
    EXPECT_DOUBLE_EQ(saved.I, 60.0 * 60 * 60 * 30 / 12);
    EXPECT_DOUBLE_EQ(saved.It, 30.0 * 30 * 30 * 60 / 3) << "the beams' It formula";
    EXPECT_DOUBLE_EQ(saved.Peso, 1800.0 * 500 * 25 / 10000);
    const auto& mline = std::get<cad::MlineShape>(drawing().entity(beam)->shape);
    EXPECT_EQ((std::array{mline.lines[1].offset, mline.lines[2].offset}),
              (std::array{15.0, -15.0}));
    EXPECT_FALSE(flags().ResultsCurrent);

    script("SET editVigaladoa 0\nDO Button5\n");
    EXPECT_TRUE(logged("Erro Viga: As dimensões da viga (a e b) ou (I e It) devem ser <> 0!"));
    EXPECT_EQ(recordOf<TBeamData>(beam).LadoA, 30);
}

TEST_F(ElementEditing, ColumnSaveRereadsItsOwnRecordAndRenamesTheLabel) {
    const cad::EntityId a =
        draw("SET edtLadoA 20\nSET edtLadoB 40\nDO btn_CriaPilar\n100,200\n", ElementKind::Column);
    const cad::EntityId b =
        draw("SET edtLadoA 50\nSET edtLadoB 50\nDO btn_CriaPilar\n800,200\n", ElementKind::Column);
    ASSERT_TRUE(document().select(a, true));
    EXPECT_EQ(edit("editPilarName"), "Pilar 20x40");
    EXPECT_EQ(label("editPnlPilarCoord"), "X(100.00)_Y(200.00)");
    EXPECT_TRUE(control<QCheckBox>("editChkDz").isChecked());
    // The calculation uses the column buffer as scratch: the save must not take it for A.
    state->elements.column = recordOf<TColumnData>(b);

    calculated();
    script("SET editPilarName P1\nSET editChekRy 1\nDO Button3\n");
    const TColumnData saved = recordOf<TColumnData>(a);
    EXPECT_EQ(saved.Nome, "P1");
    EXPECT_EQ((std::array{saved.Dz, saved.Rx, saved.Ry}), (std::array<std::uint8_t, 3>{1, 0, 1}));
    EXPECT_EQ((std::array{saved.LadoA, saved.LadoB, saved.X}), (std::array{20.0, 40.0, 100.0}));
    EXPECT_EQ(insertOf(*drawing().entity(a)).attributes[0].value, "P1");
    EXPECT_EQ(recordOf<TColumnData>(b).Nome, "Pilar 50x50");
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_FALSE(shown("editGroupPilares")) << "the column save clears its panel";
}

TEST_F(ElementEditing, AClearedPanelSavesNothing) {
    const cad::EntityId slab = draw("LAJE\n0,0\n400,500\n", ElementKind::Slab);
    const auto before = drawing().entity(slab)->exData;
    calculated();
    script("DO actEditLajeSave\nDO Button5\nDO Button3\n");
    EXPECT_EQ(drawing().entity(slab)->exData, before);
    EXPECT_TRUE(flags().ResultsCurrent);
}

} // namespace
} // namespace quadrilo::app::test
