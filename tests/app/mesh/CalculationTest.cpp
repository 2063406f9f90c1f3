// "Gerar Grelha Principal", "Apagar Grelha" and "Calcular" in the program, on floors drawn into
// its drawing: the calculation data file line by line against worked numbers, the results file
// in equilibrium, undo steps, refusals and solver errors.
#include "FloorDrawing.h"
#include "app/AppFixture.h"

#include "app/tabs/CalculationTab.h"
#include "elements/Layers.h"
#include "results/FileBytes.h"

#include <QFile>
#include <QGroupBox>

#include <cmath>

namespace quadrilo::app::test {
namespace {

constexpr char FreeNode[] = "1 1 1  0.000";

class Calculation : public AppFixture {
protected:
    std::string input() const { return state->folders.calculationInputPath().toStdString(); }
    std::string output() const { return state->folders.calculationOutputPath().toStdString(); }
    std::vector<std::string> inputLines() const { return FileLines(input()); }

    void divisions(int dx, int dy) {
        set("edtdX", QString::number(dx));
        set("edtdY", QString::number(dy));
    }
    void draw(const std::vector<SlabSpec>& slabs, const std::vector<BeamSpec>& beams = {},
              const std::vector<ColumnSpec>& columns = {}, const std::vector<LoadSpec>& loads = {}) {
        DrawFloor(drawing(), state->project, slabs, beams, columns, loads);
        state->flags.MeshOutdated = true; // as creating the elements leaves it
        state->flags.ResultsCurrent = false;
    }
    std::size_t layerCount(std::string_view layer) {
        return drawing().layerCount(drawing().layerByName(std::string(layer)));
    }
    bool logged(const QString& line) const { return log().contains(line); }
    int countLogged(const QString& start) const {
        int n = 0;
        for (const QString& line : log())
            n += line.startsWith(start);
        return n;
    }
    bool deformedGroupEnabled() {
        return window->calculationTab().grpMalhaDeformada->isEnabled();
    }
};

// Section offsets of a calculation data file with M materials and N nodes.
struct Sections {
    std::size_t materials, nodes, bars;
    std::size_t coordinate(std::size_t n) const { return 1 + materials + 1 + (n - 1); }
    std::size_t bar(std::size_t b) const { return 1 + materials + 1 + nodes + (b - 1); }
    std::size_t load(std::size_t n) const { return 1 + materials + 1 + nodes + bars + (n - 1); }
    std::size_t restraint(std::size_t n) const { return load(n) + nodes; }
};

// The sum of the vertical forces of the loads section.
double TotalLoad(const std::vector<std::string>& lines, const Sections& s) {
    double total = 0;
    for (std::size_t n = 1; n <= s.nodes; ++n)
        total += std::stod(lines[s.load(n)].substr(lines[s.load(n)].rfind(' ') + 1));
    return total;
}

// One 400 × 500 laje, h = 12 cm, 2 and 1 kN/m², at 20 × 20 divisions (StepX 20, StepY 25); pilares
// at the corners: one held in every direction, one on a spring of 5000 kN/m, two holding dz only.
TEST_F(Calculation, OneSlabWithCornerColumnsWritesTheWorkedNumbers) {
    divisions(20, 20);
    draw({{0, 0, 400, 500}}, {},
         {{0, 0, true, true}, {400, 0, false, false, 5000}, {0, 500}, {400, 500}});
    trigger("actCalculate");

    const auto lines = inputLines();
    const Sections s{4, 441, 840};
    ASSERT_EQ(lines.size(), 1 + 4 + 1 + 3 * 441 + 840);
    EXPECT_EQ(lines[0], "4");
    // Ec 32 000 000, Gc 0.4 Ec; vertical internal strips I = 12³·20/12 = 2880 cm⁴, It twice that.
    EXPECT_EQ(lines[1], " 3.20000000000000E+0007 2.88000000000000E-0005 1.28000000000000E+0007"
                        " 5.76000000000000E-0005");
    EXPECT_EQ(lines[2], " 3.20000000000000E+0007 3.60000000000000E-0005 1.28000000000000E+0007"
                        " 7.20000000000000E-0005");
    EXPECT_EQ(lines[5], "441 840");

    struct Row {
        std::size_t line;
        std::string text;
    };
    const std::vector<Row> rows = {
        {s.coordinate(1), "0.000 0.000"},   {s.coordinate(21), "4.000 0.000"},
        {s.coordinate(22), "0.000 0.250"},  {s.coordinate(441), "4.000 5.000"},
        {s.bar(1), "1 2 4"},                // bottom row: horizontal lateral
        {s.bar(21), "1 22 3"},              // first vertical: vertical lateral
        {s.bar(22), "2 23 1"},              // vertical internal
        {s.bar(42), "22 23 2"},             // horizontal internal
        {s.load(1), "0.000 0.000 -0.075"},  // corner: a quarter of 0.15 + 0.1 + 0.05
        {s.load(2), "0.000 0.000 -0.150"},  // lateral: half, kept whole (0.075 + 0.05 + 0.025)
        {s.load(23), "0.000 0.000 -0.300"}, // internal
        {s.restraint(1), "0 0 0  0.000"},   {s.restraint(21), "1 1 0 5000.000"},
        {s.restraint(421), "1 1 0  0.000"}, {s.restraint(441), "1 1 0  0.000"},
        {s.restraint(2), FreeNode},         {s.restraint(23), FreeNode},
    };
    for (const auto& row : rows)
        EXPECT_EQ(lines.at(row.line), row.text) << "line " << row.line + 1;
    // 20 m² of 3 + 2 + 1 kN/m²: nothing lost to rounding.
    EXPECT_NEAR(TotalLoad(lines, s), -120.0, 1e-9);

    EXPECT_TRUE(logged(QStringLiteral("Malha gerada com 840 Barras e 441 nós")));
    // The malha's own data generation, then the calculation's: each builds the lists twice.
    EXPECT_EQ(countLogged(QStringLiteral("Nós: 441")), 4);
    EXPECT_EQ(countLogged(QStringLiteral("Atenção:")), 0);
    EXPECT_EQ(countLogged(QStringLiteral("Info: Equilíbrio vertical: cargas -120.000 kN")), 1);
    EXPECT_TRUE(logged(QStringLiteral("***************** Cálculo Terminado *******************")));
    EXPECT_TRUE(state->flags.ResultsCurrent);
    EXPECT_FALSE(state->flags.MeshOutdated);
    EXPECT_TRUE(deformedGroupEnabled());
}

} // namespace
} // namespace quadrilo::app::test
