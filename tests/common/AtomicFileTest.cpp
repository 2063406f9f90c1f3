// The one atomic file writer: whole replacement or none, the backup copy, binary contents,
// and no link followed under a temporary name.
#include "common/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

class AtomicFile : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("quadrilo-atomic-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const char* name) const { return (dir / name).string(); }
    static std::string read(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
};

TEST_F(AtomicFile, ReplacesTheWholeFileAndKeepsTheOldOneAsBakWhenAsked) {
    const std::string path = file("plan.vec");
    quadrilo::ReplaceFileContents(path, std::string_view("first"));
    quadrilo::ReplaceFileContents(path, std::string_view("second"), quadrilo::KeepBackup::Yes);
    EXPECT_EQ(read(path), "second");
    EXPECT_EQ(read(path + ".bak"), "first");
    const std::uint8_t binary[] = {0x00, 0xFF, 0x0A, 0x0D, 0x00};
    quadrilo::ReplaceFileContents(path, std::span<const std::uint8_t>(binary));
    EXPECT_EQ(read(path), std::string("\0\xFF\n\r\0", 5));
    EXPECT_EQ(entries(), 2u) << "no temporary file left behind";
}

TEST_F(AtomicFile, ALinkPlantedAtTheTemporaryNameIsNeverFollowed) {
    const std::string target = file("elsewhere.txt");
    std::ofstream(target) << "not yours";
    const std::string path = file("plan.vec");
    fs::create_symlink(target, path + ".tmp");
    quadrilo::ReplaceFileContents(path, std::string_view("drawing"));
    EXPECT_EQ(read(path), "drawing");
    EXPECT_EQ(read(target), "not yours");
    EXPECT_TRUE(fs::is_symlink(path + ".tmp"));
}

TEST_F(AtomicFile, FailuresNameTheStepAndLeaveTheOldFile) {
    try {
        quadrilo::ReplaceFileContents(file("missing/plan.vec"), std::string_view("x"));
        FAIL() << "a missing folder cannot be written";
    } catch (const quadrilo::FileWriteError& e) {
        EXPECT_EQ(e.stage(), quadrilo::FileWriteError::Stage::CreateTemporary);
        EXPECT_EQ(e.code(), std::errc::no_such_file_or_directory);
        EXPECT_NE(std::string(e.what()).find("missing/plan.vec"), std::string::npos);
    }
    // A folder where the file should be: the new contents cannot take its place.
    fs::create_directory(file("taken"));
    std::ofstream(file("taken/inside")) << "kept";
    try {
        quadrilo::ReplaceFileContents(file("taken"), std::string_view("x"));
        FAIL() << "a folder cannot be replaced by a file";
    } catch (const quadrilo::FileWriteError& e) {
        EXPECT_EQ(e.stage(), quadrilo::FileWriteError::Stage::Replace);
    }
    EXPECT_EQ(read(file("taken/inside")), "kept");
    EXPECT_EQ(entries(), 1u) << "the temporary file is removed again";
}

} // namespace
