// Nodal loads on the nodes of a malha: the three ways of choosing nodes, the refusals, the
// inserts and records, their edit panel and moves.
#include "ElementFixture.h"

#include "elements/TLoadData.h"

#include "common/Format.h"

#include <QGroupBox>
#include <QLabel>

namespace quadrilo::app::test {
namespace {

using elements::ElementKind;

class NodalLoads : public ElementFixture {
protected:
    void SetUp() override {
        ElementFixture::SetUp();
        layGrillage();
        script("SET pControl 5\n");
        flags() = WorkflowFlags{false, true};
    }
    std::vector<const cad::Entity*> loads() { return ofKind(ElementKind::NodalLoad); }
};

TEST_F(NodalLoads, AWindowPutsALoadOnEveryNodeInsideIt) {
    script("SET edtNodalLoad -10\nDO actDrawWeight\n50,50\n350,150\n");
    EXPECT_TRUE(logged("Entidades selecionadas: 5")) << "three nodes and two bars";
    EXPECT_TRUE(logged("Cargas inseridas!"));
    const auto placed = loads();
    ASSERT_EQ(placed.size(), 3u);
    const std::array xs{100.0, 200.0, 300.0};
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const cad::Entity& e = *placed[i];
        EXPECT_EQ(layerOf(e), "Cargas");
        EXPECT_EQ(blockName(e), "-Load");
        const cad::InsertShape& insert = insertOf(e);
        EXPECT_EQ(insert.at, (cad::Point3{xs[i], 100, 0}));
        ASSERT_EQ(insert.attributes.size(), 1u);
        EXPECT_EQ(insert.attributes[0].value, "-10_(kN)");
        EXPECT_EQ(insert.attributes[0].look.align, 7);
        const TLoadData load = recordOf<TLoadData>(e);
        EXPECT_EQ((std::array{load.Valor, load.X, load.Y, load.Z}),
                  (std::array{-10.0, xs[i], 100.0, 0.0}));
        EXPECT_EQ(load.Descricao, Format("Carr. X(%f)_Y(%f) de (%f)kN", xs[i], 100.0, -10.0));
    }
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_FALSE(flags().MeshOutdated) << "loads leave the malha as it is";
    EXPECT_EQ(cad().currentLayerName(), "Quadrilo") << "the layer in use before comes back";
    EXPECT_EQ(cad().selectionCount(), 0u);
}

TEST_F(NodalLoads, ANodeUnderTheCursorTakesTheLoadAlone) {
    script("SET edtNodalLoad 7.5\nDO actDrawWeight\n200,200\n");
    EXPECT_TRUE(logged("Entrada: x1(200.00); y1(200.00); z1(0.00)"));
    EXPECT_TRUE(logged("Entidades selecionadas: 1"));
    ASSERT_EQ(loads().size(), 1u);
    EXPECT_EQ(blockName(*loads()[0]), "+Load");
    EXPECT_EQ(insertOf(*loads()[0]).attributes[0].value, "7.5_(kN)");
    EXPECT_FALSE(document().runner().active()) << "no second corner is asked";
}

TEST_F(NodalLoads, ASelectionMadeBeforeIsTakenAsItStands) {
    ASSERT_TRUE(document().select(nodeAt(0, 0)->id, true));
    ASSERT_TRUE(document().select(nodeAt(400, 400)->id, true));
    script("SET edtNodalLoad 3\nDO actDrawWeight\n");
    EXPECT_TRUE(logged("Entidades selecionadas: 2"));
    EXPECT_EQ(loads().size(), 2u);
    EXPECT_FALSE(logged(QString::fromUtf8(
        "Cmd: 1ra coordenada de seleção para os nós onde serão aplicadas as cargas nodais:")));
}

// Each refusal places nothing and leaves the data current.
TEST_F(NodalLoads, RefusalsPlaceNothing) {
    const struct {
        const char* script;
        const char* message;
    } cases[] = {
        {"SET edtNodalLoad 0\nDO actDrawWeight\n", "Erro: vargas nodais devem ser <> 0!"},
        {"SET edtNodalLoad 5\nDO actDrawWeight\n1000,1000\n1200,1200\n",
         "Erro: Nenhuma entidade selecionada!"},
        {"SET edtNodalLoad 5\nDO actDrawWeight\n990,-10\n1110,10\n",
         "Erro Carga Nodal: Nenhum nó foi ecolhido para a aplicação de cargas!"},
    };
    // A wall away from the malha: a window round it holds no node.
    script("PAREDE\n1000,0\n1100,0\n");
    document().clearSelection();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        state->log.clear();
        flags().ResultsCurrent = true;
        script(QString::fromUtf8(c.script));
        EXPECT_TRUE(logged(QString::fromUtf8(c.message))) << log().join('\n').toStdString();
        EXPECT_FALSE(logged("Cargas inseridas!"));
        EXPECT_TRUE(loads().empty());
        EXPECT_TRUE(flags().ResultsCurrent);
    }
}

TEST_F(NodalLoads, EditPanelChangesTheValueSignAndTextOfTheLoad) {
    script("SET edtNodalLoad -10\nDO actDrawWeight\n200,200\n");
    const cad::EntityId load = loads().at(0)->id;
    ASSERT_TRUE(document().select(load, true));
    EXPECT_FALSE(control<QGroupBox>("EditGroupCargas").isHidden());
    EXPECT_EQ(control<QLineEdit>("editcargaValor").text(), "-10");
    EXPECT_EQ(control<QLabel>("EditPnlCargaHandle").text(), QString::number(load.value));
    flags().ResultsCurrent = true;
    script("SET editcargaValor 5\nDO actEditLoadSave\n");
    const TLoadData saved = recordOf<TLoadData>(load);
    EXPECT_EQ(saved.Valor, 5);
    EXPECT_EQ(saved.Descricao, Format("Carr. X(%f)_Y(%f) de (%f)kN", 200.0, 200.0, 5.0));
    EXPECT_EQ(blockName(*drawing().entity(load)), "+Load");
    EXPECT_EQ(insertOf(*drawing().entity(load)).attributes[0].value, "5_(kN)");
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_TRUE(control<QGroupBox>("EditGroupCargas").isHidden());
}

TEST_F(NodalLoads, AMovedLoadCarriesItsPositionAndRefusesOtherGrips) {
    script("SET edtNodalLoad -10\nDO actDrawWeight\n200,200\n");
    const cad::EntityId load = loads().at(0)->id;
    const std::string before = recordOf<TLoadData>(load).Descricao;
    flags().ResultsCurrent = true;
    ASSERT_EQ(document().moveEntities({load}, {10, 0, 0}), 1u);
    const TLoadData moved = recordOf<TLoadData>(load);
    EXPECT_EQ((std::array{moved.X, moved.Y}), (std::array{210.0, 200.0}));
    EXPECT_TRUE(logged(QString::fromStdString(before + " movida para: 210  200")));
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_FALSE(flags().MeshOutdated);
    if (document().grips(load).size() > 1) {
        EXPECT_FALSE(document().dragGrip(load, 1, {5, 0, 0}));
    }
}

} // namespace
} // namespace quadrilo::app::test
