// Command "DDIAG" in the program: the three-bar example of each kind, a window over a calculated
// floor's row, and the refusals.
#include "ResultsFixture.h"

#include "cad/Transaction.h"

#include <QSpinBox>

namespace quadrilo::app::test {
namespace {

constexpr int GrillageBarKind = KindCode(elements::ElementKind::GrillageBar);
constexpr int GrillageNodeKind = KindCode(elements::ElementKind::GrillageNode);

struct Station {
    double x, y;
};

class Diagrams : public ResultsFixture {
protected:
    std::vector<cad::EntityId> bars;

    // Three bars of 20 along X whose start and end values are (1, 2), (2.2, 3) and (3, 0) for
    // bending moment and shear alike, selected before the command starts.
    void selectThreeBars() {
        const double values[3][2] = {{1, 2}, {2.2, 3}, {3, 0}};
        cad::Transaction tx(drawing());
        for (int k = 0; k < 3; ++k) {
            TBarData bar;
            bar.Number = std::uint16_t(k + 1);
            bar.X1 = 20.0 * k;
            bar.X2 = 20.0 * (k + 1);
            bar.MF1 = bar.V1 = -values[k][0];
            bar.MF2 = bar.V2 = values[k][1];
            bars.push_back(tx.add({.layer = drawing().layerByName(LayerMesh),
                                   .userData = GrillageBarKind,
                                   .exData = bar.Encode(),
                                   .shape = cad::LineShape{{bar.X1, 0, 0}, {bar.X2, 0, 0}}}));
        }
    }
    void selectBefore() {
        for (const cad::EntityId id : bars)
            cad().document().select(id, true);
    }
    std::vector<std::pair<const cad::Entity*, cad::PolylineShape>> curves() {
        return shapes<cad::PolylineShape>();
    }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const auto& [entity, text] : shapes<cad::TextShape>())
            if (layerOf(*entity) == LayerAnnotations)
                out.push_back(text.text);
        return out;
    }
};

TEST_F(Diagrams, ThreeBarsGiveTheStationsOfEachKind) {
    struct Case {
        const char* action;
        std::vector<Station> stations; // relative to the insertion point (100, 200)
        std::string title;
    };
    const Case cases[] = {
        {"actDiagFletor",
         {{0, 5}, {20, 10.5}, {40, 15}, {60, 0}},
         "\\H5;\"Diagrama de Momento Fletor\"\\P Def: X (5)"},
        // Shear shows its jump between the first two bars; the last bar starts at the mean.
        {"actDiagCortante",
         {{0, 5}, {20, 10}, {20, 11}, {40, 15}, {60, 0}},
         "\\H5;\"Diagrama de Força Cortante\"\\P Def: X (5)"},
    };
    selectThreeBars();
    set("spnDiagDef", QStringLiteral("5"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        const std::size_t before = countInLayer(LayerAnnotations);
        const std::size_t steps = drawing().undoSteps();
        selectBefore();
        trigger(c.action);
        // A prior selection skips the corners: the command asks for the insertion at once.
        EXPECT_TRUE(log().back().startsWith(
            QStringLiteral("Cmd: Entre a coordenada de inserção do diagrama:")));
        pick(100, 200);

        const auto drawn = curves();
        ASSERT_FALSE(drawn.empty());
        const auto& [entity, curve] = drawn.back();
        EXPECT_EQ(entity->color, 4);
        ASSERT_EQ(curve.vertices.size(), c.stations.size());
        for (std::size_t i = 0; i < c.stations.size(); ++i) {
            EXPECT_DOUBLE_EQ(curve.vertices[i].x, 100 + c.stations[i].x) << i;
            EXPECT_DOUBLE_EQ(curve.vertices[i].y, 200 + c.stations[i].y) << i;
        }
        const auto titles = shapes<cad::MTextShape>();
        ASSERT_FALSE(titles.empty());
        EXPECT_EQ(titles.back().second.text, c.title);
        EXPECT_DOUBLE_EQ(titles.back().second.at.x, 100 + 60 + 25);
        // Base lines, bar labels, ordinates, value labels, curve and title: one undo step.
        EXPECT_EQ(countInLayer(LayerAnnotations) - before,
                  3 + 3 + 2 * c.stations.size() + 2);
        EXPECT_EQ(drawing().undoSteps(), steps + 1);
        EXPECT_TRUE(cad().document().selection().empty());
    }
    const std::vector<std::string> labels = texts();
    EXPECT_NE(std::find(labels.begin(), labels.end(), "B(2)"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "(  2.1000)"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "(  2.2000)"), labels.end());
    EXPECT_EQ(cad().currentLayerName(), QString::fromUtf8(LayerAnnotations));
}

TEST_F(Diagrams, AWindowOverARowDrawsItsDisplacementsAtTheDeformationFactor) {
    calculate();
    trigger("actDeformada");
    trigger("actDiagDZ");
    pick(-10, -10);
    pick(810, 10);
    EXPECT_TRUE(logHas(QStringLiteral("Entrada: x2(810.00); y2(10.00); z2(0.00)")));
    EXPECT_TRUE(logStartsWith(QStringLiteral("Entidades selecionadas: ")));
    pick(0, -300);

    // The eight bars of the first row, stations at every node of it (means of equal values).
    std::vector<double> dz;
    for (const cad::Entity* e : inLayer(LayerMesh, GrillageNodeKind)) {
        const TNodeData node = TNodeData::Decode(e->exData);
        if (node.Y == 0)
            dz.push_back(node.dz);
    }
    ASSERT_EQ(dz.size(), 9u);
    const auto drawn = curves();
    ASSERT_EQ(drawn.size(), 1u);
    const std::vector<cad::Point3>& v = drawn.front().second.vertices;
    ASSERT_EQ(v.size(), 9u);
    const double factor = state->project.DefFact;
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_DOUBLE_EQ(v[k].x, 100.0 * k);
        EXPECT_NEAR(v[k].y, -300 + factor * dz[k], 1e-9) << k;
    }
    EXPECT_LT(v[4].y, -300); // the row sags between its supports
    const auto titles = shapes<cad::MTextShape>();
    EXPECT_EQ(titles.back().second.text,
              "\\H5;\"Diagrama de Deslocamentos\"\\P Def: X (" + std::to_string(int(factor)) + ")");
}

TEST_F(Diagrams, RefusalsDrawNothingAndClearTheSelection) {
    cad::EntityId line;
    {
        cad::Transaction tx(drawing());
        line = tx.add({.layer = drawing().layerByName(LayerAnnotations),
                       .shape = cad::LineShape{{0, 0, 0}, {50, 0, 0}}});
    }
    const std::size_t before = countInLayer(LayerAnnotations);

    // A selection without grillage bars.
    cad().document().select(line, true);
    trigger("actDiagFletor");
    pick(0, 100);
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Nenhuma barra selecionada!"));

    // A window that selects nothing.
    trigger("actDiagCortante");
    pick(1000, 1000);
    pick(1100, 1100);
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Nenhuma entidade selecionada!"));

    // A cancelled corner.
    selectThreeBars();
    trigger("actDiagNormal");
    pick(-5, -5);
    cad().document().cancelCommand();

    EXPECT_EQ(countInLayer(LayerAnnotations), before);
    EXPECT_TRUE(cad().document().selection().empty());
    EXPECT_FALSE(cad().document().runner().active());
}

} // namespace
} // namespace quadrilo::app::test
