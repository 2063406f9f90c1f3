// "Gerar Grelha Deformada" and its group on a calculated floor: the records against the results
// file, the lifted copy, the copies and their deletion as undo steps, the refusals, the colour,
// the visibility and the view turns.
#include "ResultsFixture.h"

#include "app/drawing/DrawingWindow.h"
#include "app/window/FormParts.h"

#include "cad/canvas/CadCanvas.h"
#include "common/StringUtils.h"

#include <QCheckBox>
#include <QFile>
#include <QSpinBox>
#include <QToolBar>

#include <fstream>
#include <map>

namespace quadrilo::app::test {
namespace {

using elements::ElementKind;
constexpr int DeformedNodeKind = KindCode(ElementKind::DeformedNode);
constexpr int DeformedBarKind = KindCode(ElementKind::DeformedBar);
constexpr int GrillageNodeKind = KindCode(ElementKind::GrillageNode);
constexpr int GrillageBarKind = KindCode(ElementKind::GrillageBar);

const QString DrawnLine = QStringLiteral("Info: Malha deformada criada....tempo: ");

// The numbers of each line of a results file's section: six header lines, then `lines` lines.
std::vector<std::vector<double>> Section(std::istream& in, std::size_t lines) {
    std::string line;
    for (int i = 0; i < 6; ++i)
        std::getline(in, line);
    std::vector<std::vector<double>> out;
    for (std::size_t i = 0; i < lines && std::getline(in, line); ++i) {
        std::vector<double> numbers;
        for (const std::string& word : SplitWords(line))
            numbers.push_back(*ParseNumber(word));
        out.push_back(numbers);
    }
    return out;
}

class DeformedGrillage : public ResultsFixture {
protected:
    void SetUp() override {
        ResultsFixture::SetUp();
        calculate();
    }
    std::size_t deformedCopies() { return inLayer(LayerDeformed, DeformedNodeKind).size(); }
};

TEST_F(DeformedGrillage, LoadsTheResultsFileIntoTheRecordsOfTheListsAndOfTheDrawing) {
    trigger("actDeformada");
    ASSERT_TRUE(logStartsWith(DrawnLine));

    const auto nodes = inLayer(LayerMesh, GrillageNodeKind);
    const auto bars = inLayer(LayerMesh, GrillageBarKind);
    ASSERT_EQ(nodes.size(), 54u);
    ASSERT_EQ(bars.size(), 93u);
    std::ifstream file(state->folders.calculationOutputPath().toStdString());
    const auto nodeLines = Section(file, nodes.size());
    const auto barLines = Section(file, 2 * bars.size());
    ASSERT_EQ(barLines.size(), 2 * bars.size());

    bool anyDisplaced = false;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const TNodeData node = TNodeData::Decode(nodes[i]->exData);
        const std::vector<double>& line = nodeLines[node.Number - 1];
        ASSERT_EQ(line[0], node.Number);
        EXPECT_EQ(node.Rotx, line[1]);
        EXPECT_EQ(node.Roty, line[2]);
        EXPECT_EQ(node.dz, line[3]);
        EXPECT_EQ(state->mesh.Lists.NodeList[i].Data.dz, node.dz);
        anyDisplaced = anyDisplaced || node.dz < 0;
    }
    EXPECT_TRUE(anyDisplaced);
    for (const cad::Entity* entity : bars) {
        const TBarData bar = TBarData::Decode(entity->exData);
        const std::vector<double>& end1 = barLines[2 * (bar.Number - 1)];
        const std::vector<double>& end2 = barLines[2 * (bar.Number - 1) + 1];
        ASSERT_EQ(end1[0], bar.Number);
        EXPECT_EQ(end1[1], bar.N1);
        EXPECT_EQ((std::vector<double>{bar.MT1, bar.MF1, bar.V1}),
                  (std::vector<double>{end1[2], end1[3], end1[4]}));
        EXPECT_EQ(end2[0], bar.N2);
        EXPECT_EQ((std::vector<double>{bar.MT2, bar.MF2, bar.V2}),
                  (std::vector<double>{end2[1], end2[2], end2[3]}));
    }
}

TEST_F(DeformedGrillage, LiftsEachNodeByItsDisplacementTimesTheFactor) {
    set("spndeffact", QStringLiteral("100000"));
    trigger("actDeformada");
    const auto points = shapes<cad::PointShape>();
    std::map<int, const TNodeData> byNumber;
    for (const cad::Entity* e : inLayer(LayerMesh, GrillageNodeKind)) {
        const TNodeData n = TNodeData::Decode(e->exData);
        byNumber.emplace(n.Number, n);
    }
    std::size_t lifted = 0;
    for (const auto& [entity, point] : points) {
        if (entity->userData != DeformedNodeKind)
            continue;
        const TNodeData record = TNodeData::Decode(entity->exData);
        const TNodeData& node = byNumber.at(record.Number);
        EXPECT_EQ(record.EntityID, node.EntityID); // the copy names the malha's own node
        EXPECT_EQ(point.at.x, node.X);
        EXPECT_EQ(point.at.y, node.Y);
        EXPECT_DOUBLE_EQ(point.at.z, node.dz * 100000);
        ++lifted;
    }
    EXPECT_EQ(lifted, 54u);
    // A line per bar between its two lifted ends.
    EXPECT_EQ(inLayer(LayerDeformed, DeformedBarKind).size(), 93u);
    EXPECT_EQ(cad().currentLayerName(), QString::fromUtf8(LayerDeformed));
}

TEST_F(DeformedGrillage, EachRunAddsACopyAndDeletingTakesThemAllEachOneUndoStep) {
    trigger("actDeformada");
    trigger("actDeformada");
    EXPECT_EQ(deformedCopies(), 2 * 54u);
    EXPECT_EQ(countInLayer(LayerDeformed), 2 * (54u + 93u));

    trigger("actDelDeformada");
    EXPECT_EQ(countInLayer(LayerDeformed), 0u);
    EXPECT_TRUE(logHas(QStringLiteral("Info: Malha apagada.")));
    // Deleting kept the results in the malha's records.
    EXPECT_NE(TNodeData::Decode(inLayer(LayerMesh, GrillageNodeKind)[10]->exData).dz, 0);

    ASSERT_TRUE(cad().document().undo()); // the deletion
    EXPECT_EQ(deformedCopies(), 2 * 54u);
    ASSERT_TRUE(cad().document().undo()); // the second copy
    EXPECT_EQ(deformedCopies(), 54u);
    ASSERT_TRUE(cad().document().undo()); // the first copy, with the results in the records
    EXPECT_EQ(deformedCopies(), 0u);
    EXPECT_EQ(TNodeData::Decode(inLayer(LayerMesh, GrillageNodeKind)[10]->exData).dz, 0);

    trigger("actDelDeformada");
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Não há malha deformada criada!"));
}

TEST_F(DeformedGrillage, AMissingOrForeignResultsFileStopsAfterItsErrorLineWithNothingChanged) {
    const QString output = state->folders.calculationOutputPath();
    const auto recordsNow = [&] {
        std::vector<std::vector<std::uint8_t>> out;
        for (const cad::Entity* e : inLayer(LayerMesh, GrillageNodeKind))
            out.push_back(e->exData);
        return out;
    };
    const auto before = recordsNow();
    struct Case {
        const char* what;
        QByteArray contents; // empty: no file
        QString error;       // how the error line starts
    };
    QFile solved(output);
    ASSERT_TRUE(solved.open(QIODevice::ReadOnly));
    const QByteArray text = solved.readAll();
    solved.close();
    // The same file cut short in its bar section: another model's results.
    const Case cases[] = {
        {"missing", {}, QStringLiteral("Erro: Não há listagem de resultados ainda")},
        {"short", text.left(text.size() * 2 / 3), QStringLiteral("Erro:")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(output);
        if (!c.contents.isEmpty()) {
            QFile file(output);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.contents);
        }
        state->log.clear();
        const std::size_t steps = drawing().undoSteps();
        trigger("actDeformada");
        ASSERT_FALSE(log().isEmpty());
        EXPECT_TRUE(log().back().startsWith(c.error)) << log().back().toStdString();
        EXPECT_FALSE(logStartsWith(DrawnLine));
        EXPECT_EQ(countInLayer(LayerDeformed), 0u);
        EXPECT_EQ(recordsNow(), before);
        EXPECT_EQ(drawing().undoSteps(), steps);
    }
}

TEST_F(DeformedGrillage, AChangeSinceTheCalculationIsCalculatedBeforeItIsDrawn) {
    state->flags.ResultsCurrent = false; // a change of the elements since the calculation
    trigger("actDeformada");
    EXPECT_TRUE(state->flags.ResultsCurrent) << "Calcular ran first";
    EXPECT_TRUE(logStartsWith(DrawnLine));
    EXPECT_GT(countInLayer(LayerDeformed), 0u);
}

TEST_F(DeformedGrillage, ChoosingTheColourRecoloursOnlyTheDeformedMalha) {
    // The layer dialog gave the deformed malha the beams' colour.
    cad().setLayerColor(QString::fromUtf8(LayerDeformed), 1);
    const std::uint32_t beams = cad().paletteColor(1);
    chosenColour = QColor(0x12, 0x34, 0x56);
    trigger("actColor");
    EXPECT_EQ(cad().paletteColor(1), beams);
    EXPECT_EQ(cad().layerColor(QString::fromUtf8(LayerDeformed)), 10);
    EXPECT_EQ(cad().paletteColor(10), 0x563412u); // 0x00BBGGRR
    EXPECT_EQ(state->project.DefColor, 0x563412u);
    EXPECT_EQ(control<ColorSwatch>("ShpColor").color(), QColor(0x12, 0x34, 0x56));

    chosenColour.reset(); // the dialog cancelled
    trigger("actColor");
    EXPECT_EQ(cad().paletteColor(10), 0x563412u);
}

TEST_F(DeformedGrillage, VisibleHidesTheLayerAloneAndTheViewTurnsByTenDegrees) {
    trigger("actDeformada");
    auto& box = control<QCheckBox>("ckDefVis");
    box.click();
    EXPECT_EQ(cad().layerShown(QString::fromUtf8(LayerDeformed)), false);
    EXPECT_FALSE(window->actions()["actLayerDefVis"]->isChecked());
    EXPECT_EQ(countInLayer(LayerDeformed), 54u + 93u);
    box.click();
    EXPECT_EQ(cad().layerShown(QString::fromUtf8(LayerDeformed)), true);

    cad::canvas::CadCanvas& canvas = window->drawingWindow()->canvas();
    canvas.setViewAngles({45, 35});
    for (int i = 0; i < 4; ++i)
        trigger("actViewLeft");
    EXPECT_DOUBLE_EQ(canvas.view().angles().hor, 85);
    trigger("actViewRight");
    trigger("actViewDown");
    EXPECT_DOUBLE_EQ(canvas.view().angles().hor, 75);
    EXPECT_DOUBLE_EQ(canvas.view().angles().ver, 25);
    trigger("actViewUp");
    trigger("actViewUp");
    EXPECT_DOUBLE_EQ(canvas.view().angles().ver, 45);
    EXPECT_TRUE(control<QToolBar>("ToolBar2").isVisible()) << "outside the plan view";
    trigger("actViewTop");
    EXPECT_EQ(canvas.view().angles(), (cad::canvas::ViewAngles{90, 90}));
    EXPECT_FALSE(control<QToolBar>("ToolBar2").isVisible()) << "the plan view";
}

TEST_F(ResultsFixture, WithoutAMalhaNothingIsDrawn) {
    state->flags.MeshOutdated = false;
    trigger("actDeformada");
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Não há malha principal criada!"));
    EXPECT_EQ(countInLayer(LayerDeformed), 0u);
}

} // namespace
} // namespace quadrilo::app::test
