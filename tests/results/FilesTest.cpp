// The listings' files, the dialogs' filters and the calculation tool's file names.
#include "results/CalculationFiles.h"
#include "results/FileFilter.h"
#include "results/ListingFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace quadrilo::results {
namespace {

namespace fs = std::filesystem;
using fixtures::ReadBytes;
using fixtures::TempFolder;
using fixtures::WriteBytes;

TEST(FileFilter, PairsOfDescriptionAndMasks) {
    EXPECT_EQ(ParseFileFilters("Arq. Texto (*.txt)|*.txt|Qualquer tipo (*.*)|*.*"),
              (std::vector<FileFilter>{{"Arq. Texto (*.txt)", {"*.txt"}},
                                       {"Qualquer tipo (*.*)", {"*.*"}}}));
    EXPECT_EQ(ParseFileFilters("Dados (*.txt;*.dat)|*.txt;*.dat|Sem máscara"),
              (std::vector<FileFilter>{{"Dados (*.txt;*.dat)", {"*.txt", "*.dat"}}}));
    EXPECT_TRUE(ParseFileFilters("").empty());
}

struct ListingForm {
    const char* name;
    std::string bytes;
    bool crLf, windows1252;
    std::string text; // as the editor shows it
};

class ListingRoundTrip : public ::testing::TestWithParam<ListingForm> {};

TEST_P(ListingRoundTrip, ReadsAsTextAndWritesBackTheSameBytes) {
    TempFolder folder;
    const auto path = folder.File("listing.txt");
    WriteBytes(path, GetParam().bytes);
    const auto listing = ReadListingFile(path);
    EXPECT_EQ(listing.Text, GetParam().text);
    EXPECT_EQ(listing.CrLf, GetParam().crLf);
    EXPECT_EQ(listing.Windows1252, GetParam().windows1252);

    WriteListingFile(folder.File("copy.txt"), listing);
    EXPECT_EQ(ReadBytes(folder.File("copy.txt")), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ListingRoundTrip,
    ::testing::Values(ListingForm{"CrLf", "\r\n***\r\nNó   1\r\n", true, false, "\n***\nNó   1\n"},
                      ListingForm{"CrLfWithoutLastLineEnd", "a\r\nb", true, false, "a\nb"},
                      ListingForm{"Lf", "1\n2 3\n", false, false, "1\n2 3\n"},
                      ListingForm{"Windows1252", "Rota\xE7\xE3o\r\n", true, true, "Rotação\n"},
                      ListingForm{"Empty", "", true, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListingFile, AnUnreadableFileNamesItself) {
    TempFolder folder;
    try {
        (void)ReadListingFile(folder.File("absent.txt"));
        FAIL() << "read a missing file";
    } catch (const ListingReadError& e) {
        EXPECT_NE(std::string(e.what()).find("absent.txt"), std::string::npos);
    }
}

TEST(CalculationFiles, TypedNamesResolveInTheShownFolder) {
    EXPECT_EQ(ResolveFileName("dados.txt", "/obra/calc"), fs::path("/obra/calc/dados.txt"));
    EXPECT_EQ(ResolveFileName("/tmp/x.txt", "/obra/calc"), fs::path("/tmp/x.txt"));
}

TEST(CalculationFiles, OneFileUnderTwoNamesIsTheSameFile) {
    TempFolder folder;
    WriteBytes(folder.Path() / "dados.txt", "1\r\n");
    fs::create_directory(folder.Path() / "sub");
    const auto data = folder.Path() / "dados.txt";
    EXPECT_TRUE(SameFile(data, folder.Path() / "sub" / ".." / "dados.txt"));
    EXPECT_TRUE(SameFile(data, folder.Path() / "DADOS.TXT"));
    EXPECT_TRUE(SameFile(folder.Path() / "novo.txt", folder.Path() / "./Novo.txt"));
    EXPECT_FALSE(SameFile(data, folder.Path() / "saida.txt"));
    fs::create_symlink(data, folder.Path() / "atalho.txt");
    EXPECT_TRUE(SameFile(data, folder.Path() / "atalho.txt"));
}

TEST(CalculationFiles, TheProgramsOwnFilesAreKnownWhateverTheirCase) {
    const fs::path program = "/opt/quadrilo";
    EXPECT_TRUE(IsProgramCalculationFile("/opt/quadrilo/gOutput.txt", program));
    EXPECT_TRUE(IsProgramCalculationFile("/opt/quadrilo/GINPUT.TXT", program));
    EXPECT_FALSE(IsProgramCalculationFile("/opt/quadrilo/outro.txt", program));
    EXPECT_FALSE(IsProgramCalculationFile("/home/gOutput.txt", program));
}

} // namespace
} // namespace quadrilo::results
