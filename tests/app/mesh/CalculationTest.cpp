// "Gerar Grelha Principal", "Apagar Grelha" and "Calcular" in the program, on floors drawn into
// its drawing: the calculation data file line by line against worked numbers, the results file
// in equilibrium, undo steps, refusals and solver errors.
#include "FloorDrawing.h"
#include "app/AppFixture.h"

#include "app/tabs/CalculationTab.h"
#include "cad/Transaction.h"
#include "elements/Layers.h"
#include "results/FileBytes.h"

#include <QFile>
#include <QGroupBox>
#include <QProgressBar>

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
              const std::vector<ColumnSpec>& columns = {},
              const std::vector<LoadSpec>& loads = {}) {
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
    bool deformedGroupEnabled() { return window->calculationTab().grpMalhaDeformada->isEnabled(); }
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
    // The solver moves the bar from its own thread while the other actions wait.
    std::vector<int> progress;
    bool othersWaited = true;
    QObject::connect(&window->mainProgress(), &QProgressBar::valueChanged, [&](int value) {
        progress.push_back(value);
        othersWaited = othersWaited && !window->actions()["actDelMesh"]->isEnabled();
    });
    trigger("actCalculate");
    EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 50, 70, 80, 90, 0}));
    EXPECT_TRUE(othersWaited);
    EXPECT_TRUE(window->actions()["actDelMesh"]->isEnabled());

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
        {s.coordinate(1), "0.000 0.000"},
        {s.coordinate(21), "4.000 0.000"},
        {s.coordinate(22), "0.000 0.250"},
        {s.coordinate(441), "4.000 5.000"},
        {s.bar(1), "1 2 4"},                // bottom row: horizontal lateral
        {s.bar(21), "1 22 3"},              // first vertical: vertical lateral
        {s.bar(22), "2 23 1"},              // vertical internal
        {s.bar(42), "22 23 2"},             // horizontal internal
        {s.load(1), "0.000 0.000 -0.075"},  // corner: a quarter of 0.15 + 0.1 + 0.05
        {s.load(2), "0.000 0.000 -0.150"},  // lateral: half, kept whole (0.075 + 0.05 + 0.025)
        {s.load(23), "0.000 0.000 -0.300"}, // internal
        {s.restraint(1), "0 0 0  0.000"},
        {s.restraint(21), "1 1 0 5000.000"},
        {s.restraint(421), "1 1 0  0.000"},
        {s.restraint(441), "1 1 0  0.000"},
        {s.restraint(2), FreeNode},
        {s.restraint(23), FreeNode},
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

// An L of two lajes, (0, 0)–(400, 500) and (400, 0)–(800, 300), at 40 × 20 divisions (StepX 20,
// StepY 25); a viga 20 × 50 along y = 0 under the first; a carga local on a node and one off the
// grid; the empty corner x > 400, y > 300 is no structure.
TEST_F(Calculation, LShapedFloorWithBeamAndLoadsLeavesTheEmptyCornerWithoutStiffness) {
    divisions(40, 20);
    draw({{0, 0, 400, 500}, {400, 0, 800, 300}}, {{0, 0, 400, 0}},
         {{0, 0}, {800, 0}, {800, 300}, {400, 300}, {400, 500}, {0, 500}},
         {{200, 250, -10}, {201, 250, -5}});
    trigger("actCalculate");

    const auto lines = inputLines();
    const Sections s{10, 861, 1660};
    ASSERT_EQ(lines.size(), 1 + 10 + 1 + 3 * 861 + 1660);
    EXPECT_EQ(lines[0], "10") << "one viga, four per laje and the material of no stiffness";
    EXPECT_EQ(lines[10], " 0.00000000000000E+0000 0.00000000000000E+0000 0.00000000000000E+0000"
                         " 0.00000000000000E+0000");
    EXPECT_EQ(lines[11], "861 1660");
    // Node (i, j) is i·41 + j + 1; the viga weighs 10 kN over 400 cm: 0.25 kN at each end of a
    // 20 cm bar.
    const std::vector<std::pair<std::size_t, std::string>> rows = {
        {s.bar(1), "1 2 1"},                  // on the viga
        {s.bar(21), "21 22 9"},               // second laje, bottom row: horizontal lateral
        {s.bar(1660), "860 861 10"},          // over the empty corner
        {s.load(1), "0.000 0.000 -0.325"},    // corner 0.075 + viga end 0.25
        {s.load(2), "0.000 0.000 -0.650"},    // lateral 0.15 + two viga ends
        {s.load(21), "0.000 0.000 -0.400"},   // where the viga ends
        {s.load(22), "0.000 0.000 -0.150"},   // second laje only
        {s.load(421), "0.000 0.000 -10.300"}, // (200, 250): internal and the carga local
        {s.load(861), "0.000 0.000 0.000"},   // held, without load
        {s.restraint(861), "0 0 0  0.000"},
        {s.restraint(513), "1 1 0  0.000"},
        {s.restraint(533), "1 1 0  0.000"},
        {s.restraint(532), FreeNode},
    };
    for (const auto& [line, text] : rows)
        EXPECT_EQ(lines.at(line), text) << "line " << line + 1;

    EXPECT_TRUE(logged(QStringLiteral(
        "Atenção: 320 barras fora de lajes e vigas ficam sem rigidez (material 10 nulo) e 160 nós "
        "ligados só a elas ficam fixos, sem carga.")));
    EXPECT_EQ(countLogged(QStringLiteral("Atenção: Carregamento sem nó em X(201.00) Y(250.00)")), 2)
        << "each data generation reports it";
    EXPECT_EQ(layerCount(elements::LoadLayer), 2u) << "the load off the grid stays in the drawing";
    EXPECT_EQ(countLogged(QStringLiteral("Info: Equilíbrio vertical")), 1);
    EXPECT_EQ(countLogged(QStringLiteral("Atenção:")), 4) << "no imbalance";
    EXPECT_TRUE(state->flags.ResultsCurrent);
}

// The results reach the records in the drawing, and a floor saved, reopened and calculated again
// gives both files byte for byte.
TEST_F(Calculation, ReopenedFloorCalculatesToTheSameFiles) {
    divisions(20, 20);
    draw({{0, 0, 400, 500}}, {}, {{0, 0}, {400, 0}, {0, 500}, {400, 500}});
    trigger("actCalculate");
    const auto input1 = results::ReadFileBytes(input());
    const auto output1 = results::ReadFileBytes(output());
    ASSERT_TRUE(input1 && output1);

    // The centre node, 441 / 2 + 1, sags: its record holds the displacement of the results file.
    const auto& node = state->mesh.Lists.NodeList.at(220);
    const auto stored = TNodeData::Decode(drawing().entity(cad::EntityId(node.EntityID))->exData);
    EXPECT_LT(stored.dz, 0);
    EXPECT_EQ(stored.dz, node.Data.dz);

    // Nothing changed: the same file is solved again without a new data generation.
    const int generations = countLogged(QStringLiteral("Criando novas listas..."));
    trigger("actCalculate");
    EXPECT_EQ(countLogged(QStringLiteral("Criando novas listas...")), generations);
    EXPECT_EQ(countLogged(QStringLiteral("***************** Cálculo Terminado")), 2);

    const QString path = temp.filePath(QStringLiteral("piso.vec"));
    ASSERT_TRUE(window->documents().saveAs(path));
    ASSERT_TRUE(window->documents().open(path));
    EXPECT_TRUE(state->flags.MeshOutdated);
    trigger("actCalculate");
    EXPECT_EQ(results::ReadFileBytes(input()), input1);
    EXPECT_EQ(results::ReadFileBytes(output()), output1);
}

// Generating and deleting the malha are one cheap undo step each, at 141 × 141 divisions too.
TEST_F(Calculation, GeneratingAndDeletingTheMeshAreOneCheapUndoStepEach) {
    divisions(141, 141);
    draw({{0, 0, 1410, 1410}}, {}, {{0, 0}, {1410, 0}, {0, 1410}, {1410, 1410}});
    const std::size_t grid = 2 * (20164 + 40044); // every node and bar with its label
    const auto stepWorth = [this](const char* action) {
        const std::size_t steps = drawing().undoSteps(), records = drawing().undoRecords();
        trigger(action);
        EXPECT_EQ(drawing().undoSteps(), steps + 1) << action;
        EXPECT_LT(drawing().undoRecords() - records, 20u) << action;
    };
    stepWorth("actMalha");
    EXPECT_EQ(layerCount(elements::GrillageLayer), grid);
    stepWorth("actDelMesh");
    EXPECT_EQ(layerCount(elements::GrillageLayer), 0u);
    EXPECT_TRUE(logged(QStringLiteral("Info: Malha apagada.")));
    EXPECT_TRUE(state->flags.MeshOutdated);

    ASSERT_TRUE(drawing().undo());
    EXPECT_EQ(layerCount(elements::GrillageLayer), grid);
    ASSERT_TRUE(drawing().undo());
    EXPECT_EQ(layerCount(elements::GrillageLayer), 0u);
}

// Refusals come before the old malha is touched; only lajes of the right kind and record count.
TEST_F(Calculation, RefusedGridsLeaveTheOldMesh) {
    divisions(4, 4);
    draw({{0, 0, 400, 500}}, {}, {{0, 0}, {400, 0}, {0, 500}, {400, 500}});
    trigger("actMalha");
    const std::size_t grid = layerCount(elements::GrillageLayer);
    ASSERT_EQ(grid, 2u * (25 + 40));

    divisions(0, 4);
    trigger("actMalha");
    EXPECT_TRUE(log().back().startsWith(QStringLiteral("Erro: n dX = 0 recusado")))
        << log().back().toStdString();
    EXPECT_EQ(layerCount(elements::GrillageLayer), grid);
    // Nor is the old malha solved in place of the one refused.
    state->flags.MeshOutdated = true;
    trigger("actCalculate");
    EXPECT_FALSE(logged(QStringLiteral("Processando grelha...")));
    EXPECT_FALSE(state->flags.ResultsCurrent);

    // A laje's kind code on a text, and a record of the wrong size, are no lajes.
    divisions(4, 4);
    {
        cad::Transaction tx(drawing());
        const cad::LayerId lajes = drawing().layerByName(std::string(elements::SlabLayer));
        const cad::EntityId slab = drawing().firstInLayer(lajes);
        (void)tx.setExtendedData(slab, {1, 2, 3});
        (void)tx.add(cad::Entity{
            .layer = lajes, .userData = 2, .shape = cad::TextShape{{0, 0, 0}, "Laje", {}}});
    }
    trigger("actMalha");
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Não há uma laje lançada."));
    EXPECT_EQ(layerCount(elements::GrillageLayer), grid);
}

// A floor on no support: the engine's message names the node and direction, the results stay
// stale and the deformed malha's group stays off.
TEST_F(Calculation, UnstableFloorReportsTheNodeAndKeepsResultsStale) {
    divisions(4, 4);
    draw({{0, 0, 400, 500}});
    trigger("actCalculate");
    const QString error = log().filter(QStringLiteral("Erro: Estrutura")).value(0);
    EXPECT_TRUE(error.contains(QStringLiteral("nó"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("dz")) || error.contains(QStringLiteral("rx")) ||
                error.contains(QStringLiteral("ry")))
        << error.toStdString();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(output())));
    EXPECT_FALSE(logged(QStringLiteral("***************** Cálculo Terminado *******************")));
    EXPECT_FALSE(state->flags.ResultsCurrent);
    EXPECT_FALSE(deformedGroupEnabled());
    EXPECT_TRUE(window->actions()["actCalculate"]->isEnabled()) << "the busy guard let go";
}

} // namespace
} // namespace quadrilo::app::test
