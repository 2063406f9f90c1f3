// Diagrams along chosen bars: stations, ordinates, labels and title of the worked three-bar case.
#include "results/Diagram.h"

#include <gtest/gtest.h>

namespace quadrilo::results {
namespace {

// A bar of plan length 20 from (x, y) in the given direction, numbered `number`.
DiagramBar Bar(std::uint16_t number, double x, double y, double dx, double dy) {
    DiagramBar bar;
    bar.Record.Number = number;
    bar.Record.X1 = x;
    bar.Record.Y1 = y;
    bar.Record.X2 = x + dx;
    bar.Record.Y2 = y + dy;
    return bar;
}

// Three bars of length 20 (one of them slanted) whose diagram values at start and end are
// (1, 2), (2.2, 3) and (3, 0) for every kind: end-1 forces are stored with the opposite sign.
std::vector<DiagramBar> ThreeBars() {
    std::vector bars{Bar(7, 0, 0, 20, 0), Bar(12, 20, 0, 12, 16), Bar(3, 40, 40, 0, -20)};
    const double start[] = {1, 2.2, 3}, end[] = {2, 3, 0};
    for (int k = 0; k < 3; ++k) {
        auto& r = bars[k].Record;
        r.MF1 = r.V1 = r.MT1 = -start[k];
        r.MF2 = r.V2 = r.MT2 = end[k];
        bars[k].Dz1 = start[k];
        bars[k].Dz2 = end[k];
    }
    return bars;
}

const Point3 Insertion{100, 50, 5};

using Station = std::pair<double, double>; // abscissa from the insertion point, value

void ExpectStations(const DiagramDrawing& d, const std::vector<Station>& expected) {
    ASSERT_EQ(d.Stations.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(d.Stations[k].X - Insertion.X, expected[k].first, 1e-12) << "station " << k;
        EXPECT_NEAR(d.Stations[k].Value, expected[k].second, 1e-12) << "station " << k;
    }
}

TEST(Diagram, BendingMomentRunsThroughTheMeansAtTheJoints) {
    const auto bars = ThreeBars();
    const auto outcome = BuildDiagram(DiagramKind::BendingMoment, bars, Insertion, 5, 10000);
    ASSERT_TRUE(outcome.Error.empty());
    const auto& d = outcome.Drawing;

    ExpectStations(d, {{0, 1}, {20, 2.1}, {40, 3}, {60, 0}});
    const double ordinates[] = {5, 10.5, 15, 0};
    ASSERT_EQ(d.Ordinates.size(), 4u);
    ASSERT_EQ(d.Curve.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        const double x = Insertion.X + 20 * k;
        EXPECT_NEAR(d.Ordinates[k].Start.X, x, 1e-12);
        EXPECT_EQ(d.Ordinates[k].Start.Y, 50);
        EXPECT_NEAR(d.Ordinates[k].End.Y - Insertion.Y, ordinates[k], 1e-12);
        EXPECT_EQ(d.Curve[k], d.Ordinates[k].End);
        EXPECT_EQ(d.ValueLabels[k].At, d.Ordinates[k].End);
    }
    EXPECT_EQ(d.ValueLabels[1].Text, "(  2.1000)");

    ASSERT_EQ(d.BaseLines.size(), 3u);
    EXPECT_NEAR(d.BaseLines[2].Start.X, 140, 1e-12);
    EXPECT_NEAR(d.BaseLines[2].End.X, 160, 1e-12);
    EXPECT_EQ(d.BaseLines[2].End.Y, 50);
    EXPECT_EQ(d.BaseLines[2].End.Z, 5);
    ASSERT_EQ(d.BarLabels.size(), 3u);
    EXPECT_EQ(d.BarLabels[1].Text, "B(12)");
    EXPECT_EQ(d.BarLabels[1].At, (Point3{130, 53, 5}));

    EXPECT_NEAR(d.Title.At.X, 185, 1e-12); // 25 past the end of the last bar
    EXPECT_EQ(d.Title.At.Y, 50);
    EXPECT_EQ(d.Title.Text, "\\H5;\"Diagrama de Momento Fletor\"\\P Def: X (5)");
    EXPECT_EQ(d.Title.Width, 100);
    EXPECT_EQ(d.Title.Attachment, 1);
    EXPECT_EQ(d.Title.AngleDegrees, -90);
}

TEST(Diagram, ShearAndTorsionShowTheJumpBetweenBarsButNotAtTheLastJoint) {
    const auto bars = ThreeBars();
    for (const auto kind : {DiagramKind::Shear, DiagramKind::Torsion}) {
        const auto d = BuildDiagram(kind, bars, Insertion, 5, 10000).Drawing;
        ExpectStations(d, {{0, 1}, {20, 2}, {20, 2.2}, {40, 3}, {60, 0}});
        EXPECT_EQ(d.Ordinates.size(), 5u);
        EXPECT_EQ(d.Curve.size(), 5u);
    }
}

TEST(Diagram, DisplacementUsesTheDeformationFactorAndStoredSigns) {
    auto bars = ThreeBars();
    const auto d = BuildDiagram(DiagramKind::Displacement, bars, Insertion, 5, 10000).Drawing;
    EXPECT_EQ(d.Title.Text, "\\H5;\"Diagrama de Deslocamentos\"\\P Def: X (10000)");
    EXPECT_DOUBLE_EQ(d.Stations[0].Tip.Y, Insertion.Y + 10000 * 1.0);
    EXPECT_DOUBLE_EQ(d.Stations[1].Value, 2.1);
}

TEST(Diagram, ASingleBarHasItsStartAndEndStations) {
    const auto bars = std::vector{ThreeBars()[1]};
    const auto d = BuildDiagram(DiagramKind::Shear, bars, Insertion, 5, 10000).Drawing;
    ExpectStations(d, {{0, 2.2}, {20, 3}});
    EXPECT_EQ(d.ValueLabels[0].Text, "(  2.2000)");
    EXPECT_NEAR(d.Title.At.X, Insertion.X + 20 + 25, 1e-12);
}

TEST(Diagram, ValueLabelsUseEightColumnsAndFourDecimals) {
    auto bars = std::vector{ThreeBars()[0]};
    bars[0].Record.MF1 = -1.5;
    bars[0].Record.MF2 = -1234.56789;
    const auto d = BuildDiagram(DiagramKind::BendingMoment, bars, Insertion, 5, 1).Drawing;
    EXPECT_EQ(d.ValueLabels[0].Text, "(  1.5000)");
    EXPECT_EQ(d.ValueLabels[1].Text, "(-1234.5679)");
}

TEST(Diagram, WithoutGrillageBarsNothingIsDrawn) {
    const auto outcome = BuildDiagram(DiagramKind::BendingMoment, {}, Insertion, 5, 10000);
    EXPECT_EQ(outcome.Error, "Erro: Nenhuma barra selecionada!");
    EXPECT_TRUE(outcome.Drawing.Curve.empty());
    EXPECT_TRUE(outcome.Drawing.Title.Text.empty());
}

TEST(Diagram, PromptsNameTheTitle) {
    EXPECT_EQ(FirstCornerPrompt(DiagramKind::Shear),
              "Cmd: Entre 1ra coordenada de canto da seleção do \"Diagrama de Força Cortante\"");
    EXPECT_EQ(InsertionPrompt(DiagramKind::Torsion),
              "Cmd: Entre a coordenada de inserção do diagrama:\"Diagrama de Momento Torçor\"");
}

TEST(Diagram, SelectionWindowRunsFromTheSmallerToTheGreaterCorner) {
    const auto r = SelectionRectangle({300, 10, 1}, {100, 200, 2});
    EXPECT_EQ(r[0], (Point3{100, 10, 1}));
    EXPECT_EQ(r[1], (Point3{300, 10, 1}));
    EXPECT_EQ(r[2], (Point3{300, 200, 2}));
    EXPECT_EQ(r[3], (Point3{100, 200, 2}));
}

} // namespace
} // namespace quadrilo::results
