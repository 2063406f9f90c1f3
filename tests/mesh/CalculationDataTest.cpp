// The calculation data generation: materials, bar materials, supports, the empty corner of an
// L-shaped floor, and "gInput.txt" written whole or not at all.
#include "mesh/CalculationData.h"

#include "mesh/MeshFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quadrilo::mesh {
namespace {

namespace fs = std::filesystem;
using namespace test; // the floors' builders
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF";
    return lines;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Generates the data and returns the file's lines, with nothing logged but the writing.
std::vector<std::string> GeneratedLines(MeshWorkspace& workspace, const TProjectData& project,
                                        CollectingSink& log) {
    EXPECT_TRUE(GenerateCalculationData(workspace, project, log));
    NodeLoadCombiner combiner(project.LoadFact);
    return Lines(CalculationDataText(workspace, combiner, log));
}

const std::string SlabStripMaterial = // h = 12 cm, StepX = 20 cm: I = 2880 cm⁴, It = 5760 cm⁴
    " 3.20000000000000E+0007 2.88000000000000E-0005 1.28000000000000E+0007 5.76000000000000E-0005";

struct Floor400x500 : ::testing::Test {
    // A viga along the laje's lower edge, one pilar at each lower corner: one fully held, one on
    // a spring with free rotations; and a pair of overlapping pilares at the upper left corner.
    Floor floor{Project(20, 20),
                {Slab(0, 0, 400, 500, 12, 2, 1)},
                {Beam(0, 0, 400, 0, 20, 50, 30000)},
                {Column(0, 0, 1, 1, 1, 0), Column(400, 0, 1, 0, 0, 5000),
                 Column(0, 500, 1, 0, 1, 0), Column(5, 500, 1, 1, 1, 0)},
                {}};
    MeshWorkspace workspace = test::BuildWorkspace(floor);
    CollectingSink log;
    const TBarData& Bar(int b) const { return workspace.Lists.BarList.at(b - 1).Data; }
};

TEST_F(Floor400x500, MaterialsOneBeamThenFourPerSlab) {
    const auto lines = GeneratedLines(workspace, floor.Project, log);
    EXPECT_THAT(Texts(log.Lines),
                ElementsAre("Escrevendo Materiais...", "Escrevendo Numero de nós e barras...",
                            "Escrevendo coordenadas...", "Escrevendo dados de barras...",
                            "Escrevendo dados de carregamento...",
                            "Escrevendo restrições dos nós..."));
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "5");
    EXPECT_EQ(lines[1], " 3.20000000000000E+0007 2.08333333333333E-0003 1.28000000000000E+0007 "
                        "3.00000000000000E-0004"); // 20·50³/12 cm⁴
    EXPECT_EQ(lines[2], SlabStripMaterial);
    EXPECT_EQ(lines[3], " 3.20000000000000E+0007 3.60000000000000E-0005 1.28000000000000E+0007 "
                        "7.20000000000000E-0005"); // StepY = 25 cm
    EXPECT_EQ(lines[4], " 3.20000000000000E+0007 1.44000000000000E-0005 1.28000000000000E+0007 "
                        "2.88000000000000E-0005"); // half strips on the boundary
    EXPECT_EQ(lines[5], " 3.20000000000000E+0007 1.80000000000000E-0005 1.28000000000000E+0007 "
                        "3.60000000000000E-0005");
    EXPECT_EQ(lines[6], "441 840");
    EXPECT_EQ(lines.size(), 1 + 5 + 1 + 441 + 840 + 441 + 441u);
}

TEST_F(Floor400x500, BarsTakeTheirBeamOrTheirStripOfSlab) {
    ASSERT_TRUE(GenerateCalculationData(workspace, floor.Project, log));
    struct Case {
        int bar;
        std::uint16_t material;
    };
    for (const auto [b, material] : {Case{1, 1},     // on the viga, though inside the laje
                                     Case{20, 1},    //
                                     Case{42, 3},    // horizontal internal
                                     Case{821, 5},   // horizontal lateral (top row)
                                     Case{22, 2},    // vertical internal
                                     Case{21, 4},    // vertical lateral (j = 0)
                                     Case{41, 4}}) { // vertical lateral (j = nDX)
        EXPECT_EQ(Bar(b).Material, material) << b;
        EXPECT_TRUE(workspace.Lists.BarList[b - 1].Changed);
    }
    EXPECT_THAT(log.Lines, IsEmpty());
}

TEST_F(Floor400x500, PilaresGiveTheirNodesRestraintLines) {
    const auto lines = GeneratedLines(workspace, floor.Project, log);
    const auto restraint = [&lines](int node) { return lines.at(lines.size() - 441 + node - 1); };
    EXPECT_EQ(restraint(1), "0 0 0  0.000");
    EXPECT_EQ(restraint(21), "1 1 0 5000.000");
    EXPECT_EQ(restraint(421), "1 0 0  0.000"); // the first of two overlapping pilares
    EXPECT_EQ(restraint(23), "1 1 1  0.000");
    const auto& spring = workspace.Lists.NodeList[20];
    EXPECT_EQ(spring.Data.Spring, 5000);
    EXPECT_TRUE(spring.Changed);
}

TEST_F(Floor400x500, SelfWeightReachesTheFileWhole) {
    floor.Project.LoadFact = "pp";
    floor.Beams.clear();
    auto unloaded = test::BuildWorkspace(floor);
    const auto lines = GeneratedLines(unloaded, floor.Project, log);
    double total = 0;
    for (std::size_t k = lines.size() - 2 * 441; k < lines.size() - 441; ++k)
        total += std::stod(lines[k].substr(lines[k].rfind(' ') + 1));
    // 361 × 0.150 + 76 × 0.075 + 4 × 0.038 (0.0375 written with 3 decimals)
    EXPECT_NEAR(total, -(361 * 0.15 + 76 * 0.075 + 4 * 0.038), 1e-9);
    EXPECT_EQ(lines[lines.size() - 2 * 441 + 1], "0.000 0.000 -0.075");
}

// The small floor's "gInput.txt", line by line.
const std::vector<std::string> SmallFloorFile{
    "5",
    " 3.20000000000000E+0007 1.06666666666667E-0003 1.28000000000000E+0007 3.00000000000000E-0004",
    " 3.20000000000000E+0007 8.33333333333333E-0005 1.28000000000000E+0007 1.66666666666667E-0004",
    " 3.20000000000000E+0007 8.33333333333333E-0005 1.28000000000000E+0007 1.66666666666667E-0004",
    " 3.20000000000000E+0007 4.16666666666667E-0005 1.28000000000000E+0007 8.33333333333333E-0005",
    " 3.20000000000000E+0007 4.16666666666667E-0005 1.28000000000000E+0007 8.33333333333333E-0005",
    "6 7",
    "0.000 0.000",
    "1.000 0.000",
    "2.000 0.000",
    "0.000 1.000",
    "1.000 1.000",
    "2.000 1.000",
    "1 2 1",
    "2 3 1",
    "1 4 4",
    "2 5 2",
    "3 6 4",
    "4 5 5",
    "5 6 5",
    // corners 0.625 kN of self-weight, laterals 1.25; 2 kN of viga per bar, half to each end
    "0.000 0.000 -2.675",
    "0.000 0.000 -5.350",
    "0.000 0.000 -2.675",
    "0.000 0.000 -1.675",
    "0.000 0.000 -13.350",
    "0.000 0.000 -1.675",
    "0 0 0  0.000",
    "1 1 1  0.000",
    "1 1 0 5000.000",
    "1 1 0  0.000",
    "1 1 1  0.000",
    "1 1 0  0.000",
};

struct FileTest : ::testing::Test {
    test::ScratchDir dir{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    std::string input() const { return dir.File("gInput.txt"); }
};

TEST_F(FileTest, SmallFloorWrittenLineByLine) {
    auto floor = SmallFloor();
    auto workspace = test::BuildWorkspace(floor);
    CollectingSink log;
    ASSERT_TRUE(test::GenerateAndWrite(workspace, floor.Project, input(), log));
    EXPECT_THAT(Lines(ReadBytes(input())), ElementsAreArray(SmallFloorFile));
    EXPECT_EQ(log.Lines.back().text, "Arquivo criado...");
}

TEST_F(FileTest, RecordsWrittenBackAndReadAgainGiveTheSameFile) {
    // A data generation on its own, without a new grid, works on the records the last one left.
    for (auto floor : {SmallFloor(), LShapedFloor()}) {
        auto first = test::BuildWorkspace(floor);
        CollectingSink log;
        ASSERT_TRUE(test::GenerateAndWrite(first, floor.Project, input(), log));
        const auto once = ReadBytes(input());

        auto again = test::ReadBack(first);
        ASSERT_TRUE(test::GenerateAndWrite(again, floor.Project, input(), log));
        EXPECT_EQ(ReadBytes(input()), once);
    }
}

TEST_F(FileTest, AFailureLeavesThePreviousFileAsItWas) {
    auto floor = SmallFloor();
    auto workspace = test::BuildWorkspace(floor);
    CollectingSink log;
    ASSERT_TRUE(GenerateCalculationData(workspace, floor.Project, log));
    std::ofstream(input(), std::ios::binary) << "previous";

    struct Case {
        std::string formula, path, error;
    };
    const std::vector<Case> cases{
        {"pp+", input(), "Erro: Fórmula de combinação de cargas \"pp+\": "},
        {"", input(), "Erro: A fórmula de combinação de cargas está vazia."},
        {"ln(cl)", input(), "Erro: Combinação de cargas no nó 1: "},
        {"pp", (dir.Path() / "missing" / "gInput.txt").string(),
         "Erro: Não foi possível gravar os dados de cálculo: "},
    };
    for (const auto& c : cases) {
        auto project = floor.Project;
        project.LoadFact = c.formula;
        log.Lines.clear();
        EXPECT_FALSE(WriteCalculationData(workspace, project, c.path, log)) << c.formula;
        ASSERT_FALSE(log.Lines.empty());
        EXPECT_THAT(log.Lines.back().text, ::testing::StartsWith(c.error));
        EXPECT_EQ(ReadBytes(input()), "previous");
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "missing"));
}

TEST(CalculationData, EmptyCornerOfAnLShapedFloorIsNoStructure) {
    auto floor = LShapedFloor();
    auto workspace = test::BuildWorkspace(floor);
    auto& lists = workspace.Lists;
    lists.BarList[72].Data.Material = 1; // bar 73 kept a material from an earlier generation
    CollectingSink log;
    const auto lines = GeneratedLines(workspace, floor.Project, log);
    EXPECT_EQ(log.Lines.front().text,
              "Atenção: 16 barras fora de lajes e vigas ficam sem rigidez "
              "(material 9 nulo) e 8 nós ligados só a elas ficam fixos, sem "
              "carga.");

    ASSERT_EQ(lines[0], "9");
    EXPECT_EQ(lines[9], " 0.00000000000000E+0000 0.00000000000000E+0000 0.00000000000000E+0000 "
                        "0.00000000000000E+0000");
    EXPECT_EQ(lines[10], "54 93"); // the regular numbering is kept
    const auto bar = [&lines](int b) { return lines.at(10 + 54 + b); };
    const auto load = [&lines](int n) { return lines.at(10 + 54 + 93 + n); };
    const auto restraint = [&lines](int n) { return lines.at(10 + 54 + 93 + 54 + n); };
    EXPECT_EQ(bar(73), "41 42 9"); // (400, 400)–(500, 400), over the empty corner
    EXPECT_EQ(bar(65), "33 42 9"); // (500, 300)–(500, 400)
    EXPECT_EQ(bar(56), "32 33 6"); // (400, 300)–(500, 300): the edge of the second laje
    EXPECT_EQ(bar(72), "40 41 2"); // (300, 400)–(400, 400), inside the first laje
    EXPECT_EQ(restraint(42), "0 0 0  0.000");   // (500, 400): reached only by empty bars
    EXPECT_EQ(restraint(54), "0 0 0  0.000");   // (800, 500)
    EXPECT_EQ(restraint(33), "1 1 1  0.000");   // (500, 300) stands on the second laje's edge
    EXPECT_EQ(load(42), "0.000 0.000 0.000");   // its carga local goes straight to the support
    EXPECT_EQ(load(21), "0.000 0.000 -16.000"); // (200, 200): 3 + 2 + 1 of laje, 10 local
    int held = 0, empty = 0;
    for (const auto& node : lists.NodeList)
        held += node.Data.FreeDz == 0 && node.Data.FreeRx == 0 && node.Data.FreeRy == 0;
    for (const auto& b : lists.BarList)
        empty += b.Data.Material == 9;
    EXPECT_EQ(held, 8);
    EXPECT_EQ(empty, 16);
}

TEST(CalculationData, RefusedWithoutARegularGrid) {
    auto floor = LShapedFloor();
    CollectingSink log;
    MeshWorkspace none;
    EXPECT_FALSE(GenerateCalculationData(none, floor.Project, log));
    // An error line goes to the message log only, not to the CAD prompt.
    EXPECT_THAT(log.Lines, ElementsAre(MessageLine{MessageChannel::Log,
                                                   "Erro: Não há malha principal criada!"}));

    auto workspace = test::BuildWorkspace(floor);
    workspace.Lists.NodeList.erase(workspace.Lists.NodeList.begin() + 10); // a node erased by hand
    workspace.CountMeshFromLists();
    const auto before = workspace.Lists.NodeList[20].Data;
    log.Lines.clear();
    EXPECT_FALSE(GenerateCalculationData(workspace, floor.Project, log));
    EXPECT_THAT(Texts(log.Lines), ElementsAre("Erro: A malha principal está incompleta ou fora de "
                                              "ordem; gere a grelha principal novamente."));
    EXPECT_EQ(workspace.Lists.NodeList[20].Data, before);
    EXPECT_EQ(workspace.Materials.Count(), 0u);
}

TEST(CalculationData, MaterialsOfAPastedCopyAreThoseOfItsOriginal) {
    // A copy keeps the EntityID of the laje it was copied from; with the original gone its bars
    // find no material and count as outside every laje.
    auto floor = LShapedFloor();
    auto workspace = test::BuildWorkspace(floor);
    workspace.Lists.SlabList[1].Data.EntityID = 999;
    CollectingSink log;
    ASSERT_TRUE(GenerateCalculationData(workspace, floor.Project, log));
    EXPECT_THAT(log.Lines.front().text, HasSubstr("(material 9 nulo)"));
    EXPECT_EQ(workspace.Lists.BarList[0].Data.Material, 4); // bar 1, on the first laje's edge
    EXPECT_EQ(workspace.Lists.BarList[7].Data.Material, 9); // bar 8, under the orphaned copy
}

} // namespace
} // namespace quadrilo::mesh
