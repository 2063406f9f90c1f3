// The ".vec" drawing file: round trip of everything, safe saving, refusal of damaged files.
#include "CadFixture.h"

#include <fstream>
#include <iterator>
#include <random>

namespace {

std::vector<std::uint8_t> readAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

} // namespace

class DrawingFile : public CadFixture {
protected:
    TempDir dir;
};

TEST_F(DrawingFile, EveryKindRoundTripsWithIdsOrderAndEveryExtendedDataByte) {
    drawEveryKind(dwg);
    CadViewPutAngles(dwg, 0, 225, 35);
    CadSetCurLayerByName(dwg, "Vigas");
    const std::string path = dir.file("plan.vec");
    ASSERT_EQ(CadFileSaveAs(dwg, 0, path), 1) << CadGetErrorText(dwg);
    EXPECT_EQ(CadGetDirty(dwg), 0);
    const auto saved = snapshot();
    const CadHandle slab = CadLayerGetFirstEntity(CadGetLayerByName(dwg, "Lajes"));
    const auto slabRecord = exDataOf(slab);

    const CadHandle other = CadCreate();
    ASSERT_EQ(CadFileOpen(other, 0, path), 1) << CadGetErrorText(other);
    EXPECT_EQ(cad::encodeDrawing(engine.document(int(other))->drawing()),
              cad::encodeDrawing(document().drawing()));
    const CadHandle opened = CadGetEntityByID(other, CadEntityGetID(slab));
    EXPECT_EQ(exDataOf(opened), slabRecord);
    EXPECT_EQ(CadEntityGetUserData(opened), 2);
    EXPECT_EQ(CadAttGetValue(CadInsBlockGetFirstAtt(opened)), "L1 Lx: 400  Ly: 500  e: 12  ");
    EXPECT_EQ(CadViewGetAngleHor(other), 225);
    EXPECT_EQ(CadLayerGetName(CadGetCurLayer(other)), "Vigas");
    EXPECT_EQ(CadGetColor(other, 10), 0x123456u);

    // New entities after opening get new IDs, never one of the stored ones.
    const CadHandle fresh = CadAddPoint(other, 0, 0, 0);
    for (CadHandle l = CadGetFirstLayer(dwg); l; l = CadGetNextLayer(dwg, l))
        for (CadHandle e : layerEntities(l))
            EXPECT_NE(CadEntityGetID(e), CadEntityGetID(fresh));
    EXPECT_EQ(snapshot(), saved);
}

TEST_F(DrawingFile, SavingKeepsThePreviousVersionAsBak) {
    const std::string path = dir.file("plan.vec");
    CadAddPoint(dwg, 1, 1, 0);
    ASSERT_EQ(CadFileSaveAs(dwg, 0, path), 1);
    const auto first = readAll(path);
    CadAddPoint(dwg, 2, 2, 0);
    ASSERT_EQ(CadFileSave(dwg, 0), 1);
    EXPECT_EQ(readAll(path + ".bak"), first);
    EXPECT_NE(readAll(path), first);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(DrawingFile, AFailedSaveLeavesTheOldFileAndTheModifiedFlag) {
    const std::string path = dir.file("plan.vec");
    CadAddPoint(dwg, 1, 1, 0);
    ASSERT_EQ(CadFileSaveAs(dwg, 0, path), 1);
    const auto good = readAll(path);
    CadAddPoint(dwg, 2, 2, 0);
    EXPECT_EQ(CadFileSaveAs(dwg, 0, dir.file("missing/folder.vec")), 0);
    EXPECT_FALSE(CadGetErrorText(dwg).empty());
    EXPECT_EQ(CadFileSaveAs(dwg, 0, dir.file("plan.dxf")), 0);
    EXPECT_EQ(CadGetDirty(dwg), 1);
    EXPECT_EQ(CadGetFileName(dwg), path);
    EXPECT_EQ(readAll(path), good);
}

struct Damage {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> apply;
    const char* message; // part of the error text
};

class DamagedFile : public DrawingFile, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, IsRefusedWithAClearErrorAndTheOpenDrawingUntouched) {
    drawEveryKind(dwg);
    const std::string path = dir.file("plan.vec");
    ASSERT_EQ(CadFileSaveAs(dwg, 0, path), 1);
    auto bytes = readAll(path);
    GetParam().apply(bytes);
    writeAll(path, bytes);

    CadAddPoint(dwg, 7, 7, 0);
    const auto before = snapshot();
    CadSelectEntity(dwg, CadLayerGetFirstEntity(CadGetCurLayer(dwg)), 1);
    EXPECT_EQ(CadFileOpen(dwg, 0, path), 0);
    EXPECT_NE(CadGetErrorText(dwg).find(GetParam().message), std::string::npos)
        << CadGetErrorText(dwg);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(CadSelCount(dwg), 1);
    EXPECT_EQ(CadUndo(dwg), 1) << "the undo history stays too";
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedFile,
    ::testing::Values(Damage{"Truncated", [](auto& b) { b.resize(b.size() / 2); }, "truncated"},
                      Damage{"Empty", [](auto& b) { b.clear(); }, "not a Quadrilo drawing"},
                      Damage{"Foreign",
                             [](auto& b) {
                                 b.assign({'A', 'C', '1', '0', '1', '5', 0, 0, 0, 0});
                             },
                             "not a Quadrilo drawing"},
                      Damage{"FlippedByte", [](auto& b) { b[b.size() / 2] ^= 0x10; }, "checksum"},
                      Damage{"NewerVersion", [](auto& b) { b[8] = 9; }, "format version 9"},
                      Damage{"TrailingBytes", [](auto& b) { b.push_back(0); }, "damaged"},
                      // A consistent checksum over nonsense: the reader's own checks refuse it.
                      Damage{"ResealedNonsense",
                             [](auto& b) {
                                 std::vector<std::uint8_t> payload(b.begin() + 20, b.end() - 4);
                                 for (std::size_t i = 40; i < payload.size(); i += 3)
                                     payload[i] = 0xFF;
                                 char magic[9] = "QDRLVEC\x1a";
                                 b = cad::frame(magic, 1, payload);
                             },
                             "damaged"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawingFile, AMissingFileIsReported) {
    EXPECT_EQ(CadFileOpen(dwg, 0, dir.file("none.vec")), 0);
    EXPECT_NE(CadGetErrorText(dwg).find("none.vec"), std::string::npos);
}

TEST_F(DrawingFile, OpeningReplacesTheDrawingCancelsTheCommandAndClearsUndo) {
    const std::string path = dir.file("plan.vec");
    CadAddPoint(dwg, 1, 1, 0);
    ASSERT_EQ(CadFileSaveAs(dwg, 0, path), 1);
    CadAddLine(dwg, 0, 0, 0, 1, 1, 0);
    bool cancelled = false;
    CadAddCommand(dwg, 11002, "LAJE", "LJ", 0,
                  [&](CadHandle d) -> cad::CommandTask {
                      cancelled = co_await CadCmdUserInput(d) == CAD_INPUT_CANCEL;
                  },
                  {});
    CadExecute(dwg, 0, 11002);
    ASSERT_EQ(CadFileOpen(dwg, 0, path), 1);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 1);
    EXPECT_EQ(CadUndo(dwg), 0);
    EXPECT_EQ(CadGetDirty(dwg), 0);
    EXPECT_EQ(CadExecute(dwg, 0, 11002), 1) << "the drawing's commands stay registered";
    CadInputCancel(dwg);
}

TEST_F(DrawingFile, RandomlyDamagedButResealedFilesNeverCrashTheReader) {
    drawEveryKind(dwg);
    const auto good = cad::encodeDrawing(document().drawing());
    const std::vector<std::uint8_t> payload(good.begin() + 20, good.end() - 4);
    char magic[9] = "QDRLVEC\x1a";
    std::mt19937 random(2024);
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> bad = payload;
        const int changes = 1 + round % 4;
        for (int k = 0; k < changes; ++k)
            bad[random() % bad.size()] = static_cast<std::uint8_t>(random());
        if (round % 7 == 0)
            bad.resize(random() % bad.size());
        const cad::OpenResult result = cad::decodeDrawing(cad::frame(magic, 1, bad));
        EXPECT_EQ(result.drawing == nullptr, !result.error.empty());
        refused += result.drawing == nullptr;
    }
    EXPECT_GT(refused, 0);
}
