// The calculation driver: messages, progress, the results file and failures that leave no trace.
#include "GrillageCalculation.h"
#include "ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace quadrilo::engine {
namespace {

namespace fs = std::filesystem;
using fixtures::ReadBytes;
using fixtures::WriteBytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string ExampleFile = std::string(QUADRILO_EXAMPLES_DIR) + "/laje-400x500.txt";

class RecordingProgress : public ProgressIndicator {
public:
    explicit RecordingProgress(int maximum) : m_maximum(maximum) {}
    int Maximum() const override { return m_maximum; }
    void SetPosition(int position) override { positions.push_back(position); }
    std::vector<int> positions;

private:
    int m_maximum;
};

using GrillageCalculationTest = fixtures::ScratchFolderTest;

TEST_F(GrillageCalculationTest, ExampleRunsWithItsMessageAndProgress) {
    GrillageCalculation calculation;
    RecordingProgress progress(90); // a dialog's bar stops at 90: later steps show as full
    std::vector<std::string> messages;
    calculation.AttachProgress(&progress);
    calculation.SetMessageSink([&](const std::string& m) { messages.push_back(m); });

    const auto output = dir / "gOutput.txt";
    const auto outcome = calculation.RunGrillageCalculation(ExampleFile, output.string());
    ASSERT_TRUE(outcome.Succeeded) << outcome.Error;
    EXPECT_THAT(messages, ElementsAre("Tamanho da Matriz de Rigidez Global: [1324 x 1324]"));
    EXPECT_THAT(progress.positions, ElementsAre(0, 10, 20, 30, 40, 50, 70, 80, 90, 90, 0));
    EXPECT_EQ(calculation.LastInputFile(), ExampleFile);
    EXPECT_EQ(calculation.LastOutputFile(), output.string());

    // 6 header lines, 441 node lines, 6 more, two lines per bar, the final empty line; the
    // text is split at CR LF, so the piece after the last line end is empty too.
    const auto text = ReadBytes(output);
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 6u + 441 + 6 + 2 * 840 + 1 + 1);
    EXPECT_THAT(lines[6], HasSubstr("1   "));
    EXPECT_EQ(lines[6 + 441 + 2], std::string(30, ' ') + "Reações de extremidade");

    // The slab sags between its corner columns: every free node moves down, the columns not.
    const auto& model = calculation.Model();
    EXPECT_EQ(model.Displacements[3], 0.0);
    EXPECT_LT(model.Displacements[3 * 221], 0.0); // centre node
}

TEST_F(GrillageCalculationTest, ProgressWithoutIndicatorDoesNothing) {
    GrillageCalculation calculation;
    calculation.SetCalculationProgress(50);
    calculation.SetCalculationProgress(100);
}

TEST_F(GrillageCalculationTest, DenseAndSparseWriteTheSameResults) {
    const auto sparseOut = dir / "sparse.txt", denseOut = dir / "dense.txt";
    GrillageCalculation calculation;
    ASSERT_TRUE(calculation.RunGrillageCalculation(ExampleFile, sparseOut.string()).Succeeded);
    calculation.SetSolver(SolverKind::Dense);
    ASSERT_TRUE(calculation.RunGrillageCalculation(ExampleFile, denseOut.string()).Succeeded);
    EXPECT_EQ(ReadBytes(sparseOut), ReadBytes(denseOut));
}

TEST_F(GrillageCalculationTest, FailedRunsLeaveTheEarlierResultsUntouched) {
    const auto output = dir / "gOutput.txt";
    WriteBytes(output, "earlier results");
    const auto unstable = dir / "unstable.txt"; // a bar on a single vertical support
    WriteBytes(unstable, "1\n1 1 1 1\n2 1\n0 0\n1 0\n1 2 1\n0 0 0\n0 0 -1\n1 1 0 0\n1 1 1\n");
    const auto truncated = dir / "truncated.txt";
    WriteBytes(truncated, ReadBytes(ExampleFile).substr(0, 5000));

    const std::pair<fs::path, const char*> cases[] = {
        {unstable, "Estrutura instável: o nó "},
        {truncated, "truncated.txt:"},
        {dir / "missing.txt", "não foi possível abrir o arquivo"},
    };
    for (const auto solver : {SolverKind::Sparse, SolverKind::Dense}) {
        for (const auto& [input, message] : cases) {
            GrillageCalculation calculation;
            calculation.SetSolver(solver);
            const auto outcome =
                calculation.RunGrillageCalculation(input.string(), output.string());
            EXPECT_FALSE(outcome.Succeeded);
            EXPECT_THAT(outcome.Error, HasSubstr(message));
            EXPECT_EQ(ReadBytes(output), "earlier results");
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 3);
}

// A bar of length L along X, clamped at node 1, with the vertical force P at its free node 2.
std::string Cantilever(const std::string& material, const std::string& L, const std::string& P) {
    return "1\n" + material + "\n2 1\n0 0\n" + L + " 0\n1 2 1\n0 0 0\n0 0 " + P +
           "\n0 0 0 0\n1 1 1\n";
}

// NaN in the results file, or numbers run together into the neighbouring column, would be read
// back as wrong results: such a run must stop with the result named and write nothing.
TEST_F(GrillageCalculationTest, ResultsTheFileCannotHoldStopTheRun) {
    struct Case {
        std::string input;
        const char* message;
    };
    const Case cases[] = {
        // P·L²/(2EI) = 2e308: beyond the doubles, and the solution turns to NaN and infinity
        // (at node 2 for one solver, at the clamped node 1 for the other).
        {Cantilever("1 1 1 1", "2", "1e308"), "não é um número finito (NaN)"},
        // Rotations of 5e299 rad: 300 digits.
        {Cantilever("1 1 1 1", "1", "1e300"),
         "Resultado grande demais: a rotação ry do nó 2 vale -5E299"},
        // P·L²/(2EI) = 5e24 rad: 25 digits in a field of 30 with 7 decimals.
        {Cantilever("1 1 1 1", "1", "1e25"),
         "Resultado grande demais: a rotação ry do nó 2 vale -5E24 e não cabe no campo de 30 "
         "caracteres"},
        // Displacements of a third of a metre, but a clamping moment P·L = 1e12 kN·m: 13 digits
        // in a field of 18 with 4 decimals.
        {Cantilever("1e12 1 1e12 1", "1", "1e12"),
         "Resultado grande demais: o momento fletor da barra 1 no nó 1 vale 1000000000000 e não "
         "cabe no campo de 18 caracteres"},
        // 12·E·I/L³ overflows before anything is solved.
        {Cantilever("1e308 10 1 1", "1", "-1"), "Rigidez grande demais no nó 1"},
    };
    const auto output = dir / "gOutput.txt";
    WriteBytes(output, "earlier results");
    for (const auto solver : {SolverKind::Sparse, SolverKind::Dense}) {
        for (const auto& c : cases) {
            const auto input = dir / "hostile.txt";
            WriteBytes(input, c.input);
            GrillageCalculation calculation;
            calculation.SetSolver(solver);
            const auto outcome =
                calculation.RunGrillageCalculation(input.string(), output.string());
            EXPECT_FALSE(outcome.Succeeded) << c.input;
            EXPECT_THAT(outcome.Error, HasSubstr(c.message));
            EXPECT_EQ(ReadBytes(output), "earlier results");
        }
    }
}

TEST_F(GrillageCalculationTest, UnwritableOutputIsAnErrorNamingTheFile) {
    GrillageCalculation calculation;
    const auto output = dir / "no-such-folder" / "gOutput.txt";
    const auto outcome = calculation.RunGrillageCalculation(ExampleFile, output.string());
    EXPECT_FALSE(outcome.Succeeded);
    EXPECT_THAT(outcome.Error, HasSubstr(output.string()));
}

TEST_F(GrillageCalculationTest, SecondRunReplacesTheWholeFile) {
    const auto output = dir / "gOutput.txt";
    WriteBytes(output, std::string(1'000'000, '#'));
    const auto small = dir / "small.txt";
    WriteBytes(small, "1\n1 1 1 1\n2 1\n0 0\n1 0\n1 2 1\n0 0 0\n0 0 -1\n0 0 0 0\n1 1 1\n");
    GrillageCalculation calculation;
    ASSERT_TRUE(calculation.RunGrillageCalculation(small.string(), output.string()).Succeeded);
    EXPECT_EQ(ReadBytes(output).find('#'), std::string::npos);
}

} // namespace
} // namespace quadrilo::engine
