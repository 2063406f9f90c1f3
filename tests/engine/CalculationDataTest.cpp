// Reading and writing the calculation data file.
#include "CalculationDataReader.h"
#include "CalculationDataWriter.h"
#include "GrillageFixtures.h"
#include "ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace quadrilo::engine {
namespace {

using fixtures::ModelFromText;
using fixtures::ReadBytes;
using fixtures::WriteBytes;
using ::testing::HasSubstr;

const std::string ExampleFile = std::string(QUADRILO_EXAMPLES_DIR) + "/laje-400x500.txt";

TEST(CalculationData, ReadsTheBundledExampleAndWritesItBackByteForByte) {
    TGrillageModel model;
    ReadCalculationData(ExampleFile, model);
    EXPECT_EQ(model.MaterialCount, 5);
    EXPECT_EQ(model.NodeCount, 441);
    EXPECT_EQ(model.BarCount, 840);
    EXPECT_DOUBLE_EQ(model.Materials[1].E, 2.38e7);
    EXPECT_DOUBLE_EQ(model.Materials[1].I, 8e-4);
    EXPECT_DOUBLE_EQ(model.X[441], 4.0);
    EXPECT_DOUBLE_EQ(model.Y[441], 5.0);
    const auto& firstVertical = model.Bars[20 * 21 + 1]; // bars along Y follow those along X
    EXPECT_DOUBLE_EQ(firstVertical.Length, 0.25);
    EXPECT_DOUBLE_EQ(firstVertical.Cos, 0.0);
    EXPECT_DOUBLE_EQ(firstVertical.Sin, 1.0);
    EXPECT_EQ(model.Restraints[3], 0.0); // corner column: dz restrained
    EXPECT_EQ(model.Restraints[1], 1.0);

    EXPECT_EQ(FormatCalculationData(model), ReadBytes(ExampleFile));
}

TEST(CalculationData, WriterLinesHaveTheirFixedFormats) {
    CalculationDataWriter out;
    out.MaterialCount(1);
    out.Material(3.2e7, 1.6666666666666667e-5, 1.28e7, 0);
    out.Counts(2, 1);
    out.Coordinates(12.3456, -0.0001);
    out.Bar(1, 2, 1);
    out.Loads(0, 0, -0.385);
    out.Restraint(1, 1, 1, 0);
    out.Restraint(1, 1, 0, 1234.5);
    out.Restraint(0, 0, 0, 123456.789);
    EXPECT_EQ(out.Text(), "1\r\n"
                          " 3.20000000000000E+0007 1.66666666666667E-0005 1.28000000000000E+0007"
                          " 0.00000000000000E+0000\r\n"
                          "2 1\r\n"
                          "12.346 0.000\r\n"
                          "1 2 1\r\n"
                          "0.000 0.000 -0.385\r\n"
                          "1 1 1  0.000\r\n"
                          "1 1 0 1234.500\r\n"
                          "0 0 0 123456.789\r\n");
}

TEST(CalculationData, ReaderSkipsLineRestsAndTakesShortLinesFromTheNextOnes) {
    // Extra text after the values is skipped; a load line split over two lines continues on the
    // next and the skip happens where its last value was found; LF-only line ends.
    const auto model = ModelFromText("1 materiais\n"
                                     "1e7 2.5E-3\n3 4 resto\n"
                                     "2 1 contagens\n"
                                     "\t0 0\n1.5 0 x y z\n"
                                     "1 2 1 comentário\n"
                                     "1 2\n-3 ignorado\n4 5 6\n"
                                     "1 1 0 7.5 ignorado\n"
                                     "1 1 1 99\n");
    EXPECT_DOUBLE_EQ(model.Materials[1].E, 1e7);
    EXPECT_DOUBLE_EQ(model.Materials[1].I, 2.5e-3);
    EXPECT_DOUBLE_EQ(model.Materials[1].G, 3);
    EXPECT_DOUBLE_EQ(model.Materials[1].It, 4);
    EXPECT_DOUBLE_EQ(model.Bars[1].Length, 1.5);
    EXPECT_DOUBLE_EQ(model.Loads[3], -3);
    EXPECT_DOUBLE_EQ(model.Loads[4], 4);
    EXPECT_DOUBLE_EQ(model.Springs[1], 7.5); // dz restrained: the spring is read
    EXPECT_DOUBLE_EQ(model.Springs[2], 0);   // dz free: the value on the line is ignored
}

// A negative inertia, which a user may type, leaves no blank between two material fields.
TEST(CalculationData, MaterialFieldsNeedNoBlankBeyondTheSignPosition) {
    const auto model = ModelFromText("1\n 3.20000000000000E+0007-1.00000000000000E-0004"
                                     " 1.28000000000000E+0007 2.00000000000000E-0004\n0 0\n");
    EXPECT_DOUBLE_EQ(model.Materials[1].I, -1e-4);
    EXPECT_DOUBLE_EQ(model.Materials[1].It, 2e-4);
}

TEST(CalculationData, EmptySectionsAndUnusedNodesAreAccepted) {
    const auto model = ModelFromText("0\n1 0\n0 0\n0 0 -1\n1 1 0 0\n");
    EXPECT_EQ(model.MaterialCount, 0);
    EXPECT_EQ(model.BarCount, 0);
    EXPECT_DOUBLE_EQ(model.Loads[3], -1);
}

struct BadFile {
    const char* text;
    int line;
    const char* message;
};

TEST(CalculationData, BadFilesAreRefusedNamingTheLine) {
    const BadFile cases[] = {
        {"1\n1 2 3 4\n2 1\n0 0\n1 0\n1 2 1\n0 0 0\n", 8,
         "o arquivo termina onde se esperava o momento em X do nó"},
        {"1\n1 2 3 4\n2 1\n0 0\n1 0\n1 2.0 1\n0 0 0\n0 0 0\n1 1 1\n1 1 1\n", 6,
         "esperado um número inteiro para nó final, encontrado \"2.0\""},
        {"1\n1 2 abc 4\n0 0\n", 2, "esperado um número real para G do material"},
        {"-1\n", 1, "o número de materiais negativo"},
        {"1\n1 2 3 4\n2 1\n0 0\n1 0\n1 3 1\n0 0 0\n0 0 0\n1 1 1\n1 1 1\n", 6,
         "nó final 3 da barra 1 fora do intervalo 1..2"},
        {"1\n1 2 3 4\n2 1\n0 0\n1 0\n1 2 2\n0 0 0\n0 0 0\n1 1 1\n1 1 1\n", 6,
         "material 2 da barra 1 fora do intervalo 1..1"},
        {"1\n1 2 3 4\n2 1\n0 0\n0 0\n1 2 1\n0 0 0\n0 0 0\n1 1 1\n1 1 1\n", 6,
         "a barra 1 tem comprimento nulo"},
        {"1\n1 2 3 4\n99999999 1\n", 4,
         "o arquivo termina onde se esperava a coordenada X do nó 1"},
        {"1\n1 2 3 nan\n0 0\n", 2, "encontrado \"nan\""},
        {"", 1, "onde se esperava o número de materiais"},
    };
    for (const auto& c : cases) {
        try {
            (void)ModelFromText(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const CalculationDataError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_THAT(e.what(), HasSubstr(c.message));
            EXPECT_THAT(e.what(), HasSubstr("teste:" + std::to_string(c.line) + ": "));
        }
    }
}

TEST(CalculationData, OnlyRegularFilesAreRead) {
    const std::pair<const char*, const char*> cases[] = {
        {"/nonexistent/gInput.txt", "/nonexistent/gInput.txt: não foi possível abrir o arquivo"},
        {"/tmp", "/tmp: é uma pasta, não um arquivo"},
        {"/dev/zero", "/dev/zero: não é um arquivo comum"}, // an endless run of separators
    };
    for (const auto& [path, message] : cases) {
        TGrillageModel model;
        try {
            ReadCalculationData(path, model);
            ADD_FAILURE() << "accepted: " << path;
        } catch (const CalculationDataError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

// The file is read a block at a time: whatever a block boundary cuts (a count, a value, a
// negative material value that runs into the one before it, the rest of a line), the model is
// the one read from the same text in memory.
TEST(CalculationData, FileReadInBlocksGivesTheModelOfTheTextInMemory) {
    std::mt19937 rng(7);
    const auto text = fixtures::RandomCalculationData(rng, true);
    ASSERT_NE(text.find("E+0007-"), std::string::npos); // materials with no blank between
    const auto expected = FormatCalculationData(ModelFromText(text));

    const auto path = std::filesystem::temp_directory_path() / "quadrilo-blocks.txt";
    constexpr std::size_t block = 64 * 1024;
    for (std::size_t cut = 0; cut < 400; ++cut) { // the counts and the four material lines
        // Blank lines before the first count are separators: they move the block boundary.
        WriteBytes(path, std::string(block - cut, '\n') + text);
        TGrillageModel model;
        ReadCalculationData(path.string(), model);
        ASSERT_EQ(FormatCalculationData(model), expected) << "cut at " << cut;
    }
    std::filesystem::remove(path);
}

// A load of 1e308 written with its three decimals takes 313 characters and reads back; a token
// that no number of the file can be is refused without being held whole.
TEST(CalculationData, LongValuesReadBackAndEndlessTokensAreRefused) {
    CalculationDataWriter out;
    out.MaterialCount(0);
    out.Counts(1, 0);
    out.Coordinates(0, 0);
    out.Loads(0, 0, -1e308);
    out.Restraint(1, 1, 1, 0);
    EXPECT_EQ(ModelFromText(out.Text()).Loads[3], -1e308);

    const auto endless = "1\n" + std::string(5000, '7') + " 1 1 1\n0 0\n";
    try {
        (void)ModelFromText(endless);
        ADD_FAILURE() << "accepted a 5000-character value";
    } catch (const CalculationDataError& e) {
        EXPECT_THAT(e.what(), HasSubstr("teste:2: esperado um número para E do material 1, "
                                        "encontrado um valor de mais de 1024 caracteres"));
    }
}

} // namespace
} // namespace quadrilo::engine
