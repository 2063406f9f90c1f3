// Reading the results file into the malha's records: a grillage solved by the engine, lines matched
// by number, and every kind of file that must be refused without touching the records.
#include "results/ResultsReader.h"
#include "results/DeformedGrillage.h"

#include "GeneratedMalha.h"
#include "TempFolder.h"
#include "engine/GrillageCalculation.h"

#include <gtest/gtest.h>

#include <functional>

namespace quadrilo::results {
namespace {

using fixtures::GenerateMalha;
using fixtures::ReadBytes;
using fixtures::TempFolder;
using fixtures::WriteBytes;

// A 3 × 2 malha solved by the engine into "gOutput.txt"; the refusal cases below derive their
// files from it.
class SolvedMalha : public ::testing::Test {
public:
    void SetUp() override {
        WriteBytes(folder.Path() / "gInput.txt", fixtures::CalculationDataOf(malha));
        const auto outcome = calculation.RunGrillageCalculation(folder.File("gInput.txt"), output);
        ASSERT_TRUE(outcome.Succeeded) << outcome.Error;
        text = ReadBytes(output);
    }

    [[nodiscard]] std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < text.size();) {
            const auto end = text.find("\r\n", start);
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    static std::string Joined(const std::vector<std::string>& lines) {
        std::string out;
        for (const auto& line : lines)
            out += line + "\r\n";
        return out;
    }

    // The results file with one line (numbered from 1) replaced by what `change` makes of it.
    std::string WithLine(int number, const std::function<std::string(std::string)>& change) {
        auto lines = Lines();
        lines[number - 1] = change(lines[number - 1]);
        return Joined(lines);
    }

    TempFolder folder;
    fixtures::GeneratedMalha malha = GenerateMalha(3, 2, 200, 150);
    std::string output = folder.File("gOutput.txt");
    engine::GrillageCalculation calculation;
    std::string text;
};

constexpr int FirstNodeLine = 7;
constexpr int NodeCount = 12;
constexpr int FirstBarLine = FirstNodeLine + NodeCount + 6;

TEST_F(SolvedMalha, RecordsReceiveTheFileResultsAndKeepEverythingElse) {
    auto nodes = malha.Nodes;
    auto bars = malha.Bars;
    const auto load = ReadResultsIntoRecords(output, nodes, bars);
    ASSERT_TRUE(load.Loaded) << load.Error;

    const auto& model = calculation.Model();
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const auto i = 3 * (k + 1);
        EXPECT_NEAR(nodes[k].Rotx, model.Displacements[i - 2], 5e-8);
        EXPECT_NEAR(nodes[k].Roty, model.Displacements[i - 1], 5e-8);
        EXPECT_NEAR(nodes[k].dz, model.Displacements[i], 5e-8);
        auto unchanged = nodes[k];
        unchanged.Rotx = unchanged.Roty = unchanged.dz = 0;
        EXPECT_EQ(unchanged, malha.Nodes[k]);
    }
    for (std::size_t k = 0; k < bars.size(); ++k) {
        const double* f = &model.EndForces[6 * (k + 1) - 5];
        const auto& bar = bars[k];
        const double got[] = {bar.MT1, bar.MF1, bar.V1, bar.MT2, bar.MF2, bar.V2};
        for (int p = 0; p < 6; ++p)
            EXPECT_NEAR(got[p], f[p], 5e-5) << "bar " << k + 1 << " force " << p;
        // Each bar is in equilibrium: shears and torsions cancel.
        EXPECT_NEAR(bar.V1 + bar.V2, 0, 1e-4);
        EXPECT_NEAR(bar.MT1 + bar.MT2, 0, 1e-4);
    }
    // The corners are supported; the middle of the slab sags.
    EXPECT_DOUBLE_EQ(nodes[0].dz, 0);
    EXPECT_LT(nodes[5].dz, 0);
}

TEST_F(SolvedMalha, LinesAreMatchedByNumberNotByPosition) {
    auto inOrder = malha.Nodes;
    auto inOrderBars = malha.Bars;
    ASSERT_TRUE(ReadResultsIntoRecords(output, inOrder, inOrderBars).Loaded);

    // The first two node lines and the first two bars (two lines each) swapped in the file.
    auto lines = Lines();
    std::swap(lines[FirstNodeLine - 1], lines[FirstNodeLine]);
    std::swap(lines[FirstBarLine - 1], lines[FirstBarLine + 1]);
    std::swap(lines[FirstBarLine], lines[FirstBarLine + 2]);
    const auto swapped = Joined(lines);

    auto nodes = malha.Nodes;
    auto bars = malha.Bars;
    const auto load = LoadResultsText(swapped, "gOutput.txt", nodes, bars);
    ASSERT_TRUE(load.Loaded) << load.Error;
    EXPECT_EQ(nodes, inOrder);
    EXPECT_EQ(bars, inOrderBars);
}

struct Refusal {
    const char* name;
    std::function<std::string(SolvedMalha&)> file; // the text offered as the results file
    const char* says;                              // what the error line must contain
};

class ResultsRefusal : public SolvedMalha, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ResultsRefusal, IsReportedAndLeavesTheRecordsAsTheyWere) {
    auto nodes = malha.Nodes;
    auto bars = malha.Bars;
    nodes[4].dz = -0.25; // results of an earlier run stay
    bars[2].MF1 = 7.5;
    const auto before = std::make_pair(nodes, bars);

    const auto load = LoadResultsText(GetParam().file(*this), "gOutput.txt", nodes, bars);
    EXPECT_FALSE(load.Loaded);
    EXPECT_EQ(load.Error.rfind("Erro: gOutput.txt", 0), 0u) << load.Error;
    EXPECT_NE(load.Error.find(GetParam().says), std::string::npos) << load.Error;
    EXPECT_EQ(std::make_pair(nodes, bars), before);
}

std::string ResultsOfAnotherMalha(int nx, int ny) {
    TempFolder other;
    const auto malha = GenerateMalha(nx, ny, 100, 100);
    WriteBytes(other.Path() / "in.txt", fixtures::CalculationDataOf(malha));
    engine::GrillageCalculation calculation;
    (void)calculation.RunGrillageCalculation(other.File("in.txt"), other.File("out.txt"));
    return ReadBytes(other.Path() / "out.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ResultsRefusal,
    ::testing::Values(
        Refusal{"AnotherMalha", [](SolvedMalha&) { return ResultsOfAnotherMalha(4, 2); },
                "o arquivo traz resultados de 15 nós e a malha tem 12"},
        Refusal{"CutInTheBarSection",
                [](SolvedMalha& t) { return t.text.substr(0, t.text.find("\r\n           5")); },
                "termina antes da segunda linha da barra"},
        Refusal{"CutInTheNodeSection",
                [](SolvedMalha& t) { return t.text.substr(0, t.text.find("\r\n5   ")); },
                ":11: o arquivo termina antes das reações de extremidade"},
        Refusal{"WordThatIsNoNumber",
                [](SolvedMalha& t) {
                    return t.WithLine(FirstNodeLine + 2, [](std::string s) {
                        return s.replace(s.size() - 4, 4, "x12y");
                    });
                },
                "x12y\" não é um número (esperado o deslocamento em Z)"},
        Refusal{"DecimalComma",
                [](SolvedMalha& t) {
                    return t.WithLine(FirstBarLine, [](std::string s) {
                        return s.replace(s.rfind('.'), 1, ",");
                    });
                },
                "não é um número (esperado o esforço cortante em N1)"},
        Refusal{"BarJoiningOtherNodes",
                [](SolvedMalha& t) {
                    return t.WithLine(FirstBarLine + 1,
                                      [](std::string s) { return s.replace(11, 1, "3"); });
                },
                "a barra 1 liga os nós 1 e 3 no arquivo e 1 e 2 na malha"},
        Refusal{"NodeTwice",
                [](SolvedMalha& t) {
                    return t.WithLine(FirstNodeLine + 1,
                                      [](std::string s) { return s.replace(0, 1, "1"); });
                },
                ":8: nó 1 aparece duas vezes"},
        Refusal{"MissingWord",
                [](SolvedMalha& t) {
                    return t.WithLine(FirstNodeLine,
                                      [](std::string s) { return s.substr(0, s.size() - 12); });
                },
                ":7: esperado o número do nó, a rotação em X"},
        Refusal{"CalculationDataInstead",
                [](SolvedMalha& t) { return fixtures::CalculationDataOf(t.malha); },
                ":3: esperado o título \"Deslocamento nodal\""},
        Refusal{"EmptyFile", [](SolvedMalha&) { return std::string(); },
                ":1: o arquivo termina antes do título"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolvedMalha, AMissingFileIsNoResultsYetAndDrawsNothing) {
    auto nodes = malha.Nodes;
    auto bars = malha.Bars;
    const auto load = LoadDeformedGrillage(folder.File("absent.txt"), nodes, bars, 10000);
    EXPECT_FALSE(load.Results.Loaded);
    EXPECT_EQ(load.Results.Error, NoResultsMessage);
    EXPECT_TRUE(load.Geometry.Nodes.empty());
    EXPECT_TRUE(load.Geometry.Bars.empty());
    EXPECT_EQ(nodes, malha.Nodes);
}

TEST_F(SolvedMalha, DeformedCopyIsLiftedByTheFactorAndCarriesTheRecords) {
    auto nodes = malha.Nodes;
    auto bars = malha.Bars;
    const auto load = LoadDeformedGrillage(output, nodes, bars, 100000);
    ASSERT_TRUE(load.Results.Loaded) << load.Results.Error;
    const auto& copy = load.Geometry;
    ASSERT_EQ(copy.Nodes.size(), nodes.size());
    ASSERT_EQ(copy.Bars.size(), bars.size());
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        EXPECT_EQ(copy.Nodes[k].Record, nodes[k]); // results and the node point's EntityID
        EXPECT_EQ(copy.Nodes[k].At, (Point3{nodes[k].X, nodes[k].Y, nodes[k].dz * 100000}));
    }
    // Bar 4 rises from node 1 to node 5 (the first vertical bar of a 3 × 2 malha).
    const auto& rising = copy.Bars[3];
    EXPECT_EQ(rising.Record, bars[3]);
    EXPECT_EQ(rising.Start, copy.Nodes[0].At);
    EXPECT_EQ(rising.End, copy.Nodes[4].At);
}

TEST(DeformedGrillage, FactorOneKeepsTheTrueDisplacementAndALargeOneMagnifiesIt) {
    TNodeData node;
    node.X = 40;
    node.Y = 25;
    node.Number = 1;
    node.dz = 0.0001;
    const std::vector nodes{node};
    EXPECT_DOUBLE_EQ(BuildDeformedGrillage(nodes, {}, 1).Nodes[0].At.Z, 0.0001);
    EXPECT_DOUBLE_EQ(BuildDeformedGrillage(nodes, {}, 100000).Nodes[0].At.Z, 10);
}

} // namespace
} // namespace quadrilo::results
