// The ".vec" drawing file: the stored bytes of earlier versions, round trip of everything, safe
// saving through the one atomic writer, saving a copy, typed refusal of damaged files.
#include "CadFixture.h"

#include <fstream>
#include <iterator>
#include <random>

namespace quadrilo::cad::test {
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

const std::string goldenFile = std::string(QUADRILO_CAD_FIXTURES) + "/every-kind-v1.vec";

class DrawingFile : public CadFixture {
protected:
    TempDir dir;

    // Saves a one-point drawing as path and returns the file's bytes; then adds a second point,
    // so that the drawing no longer matches the file.
    std::vector<std::uint8_t> saveThenChange(const std::string& path) {
        add(PointShape{{1, 1, 0}});
        EXPECT_TRUE(doc.save(path));
        auto saved = readAll(path);
        add(PointShape{{2, 2, 0}});
        return saved;
    }
};

TEST_F(DrawingFile, AFileOfFormatVersionOneOpensAndStoresItselfInTheSameBytes) {
    // Written by the engine before its interface was typed.
    const std::vector<std::uint8_t> golden = readAll(goldenFile);
    ASSERT_FALSE(golden.empty()) << goldenFile;
    const OpenResult opened = decodeDrawing(golden);
    ASSERT_TRUE(opened.drawing) << opened.status.detail;
    EXPECT_EQ(encodeDrawing(*opened.drawing), golden);

    // It holds the drawing of every kind, entity for entity. (That engine put each entity
    // moved into a block at the front of its content; entities made in a block now keep the
    // order they were made in.)
    drawEveryKind(doc);
    drawing().settings().view.angleHor = 225;
    drawing().settings().view.angleVer = 35;
    drawing().settings().currentLayer = drawing().layerByName("Vigas");
    const Drawing& stored = *opened.drawing;
    ASSERT_EQ(stored.nextId(), drawing().nextId());
    for (std::uint32_t id = 1; id < stored.nextId(); ++id) {
        ASSERT_TRUE(stored.entity(EntityId(id)) && drawing().entity(EntityId(id))) << id;
        EXPECT_EQ(*stored.entity(EntityId(id)), *drawing().entity(EntityId(id))) << id;
    }
    EXPECT_EQ(stored.layerOrder(), drawing().layerOrder());
    for (const LayerId l : stored.layerOrder())
        EXPECT_EQ(*stored.layer(l), *drawing().layer(l));
    EXPECT_EQ(stored.data(), drawing().data());
    EXPECT_EQ(stored.settings(), drawing().settings());
    EXPECT_EQ(*stored.mlineStyle(MlineStyleId(2)), *drawing().mlineStyle(MlineStyleId(2)));
}

TEST_F(DrawingFile, EveryKindRoundTripsWithIdsOrderAndEveryExtendedDataByte) {
    drawEveryKind(doc);
    drawing().settings().view.angleHor = 225;
    const std::string path = dir.file("plan.vec");
    ASSERT_TRUE(doc.save(path));
    EXPECT_FALSE(drawing().dirty());
    const EntityId slab = drawing().firstInLayer(drawing().layerByName("Lajes"));

    Document& other = engine.createDocument();
    ASSERT_TRUE(other.open(path));
    EXPECT_EQ(encodeDrawing(other.drawing()), encodeDrawing(drawing()));
    const Entity& opened = *other.drawing().entity(slab);
    EXPECT_EQ(opened.exData, bytes(232, 17));
    EXPECT_EQ(opened.userData, 2);
    EXPECT_EQ(std::get<InsertShape>(opened.shape).attributes[0].value,
              "L1 Lx: 400  Ly: 500  e: 12  ");

    // New entities after opening get new ids, never one of the stored ones.
    Transaction tx(other.drawing());
    EXPECT_GE(tx.add(Entity{.shape = PointShape{}}).value, drawing().nextId());
}

TEST_F(DrawingFile, SavingKeepsThePreviousVersionAsBakAndFollowsNoPlantedLink) {
    const std::string path = dir.file("plan.vec");
    const std::string elsewhere = dir.file("elsewhere");
    std::ofstream(elsewhere) << "not a drawing";
    std::filesystem::create_symlink(elsewhere, path + ".tmp");
    const auto first = saveThenChange(path);
    ASSERT_TRUE(doc.save(path));
    EXPECT_EQ(readAll(path + ".bak"), first);
    EXPECT_NE(readAll(path), first);
    EXPECT_TRUE(std::filesystem::is_symlink(path + ".tmp"));
    const std::vector<std::uint8_t> untouched{'n', 'o', 't', ' ', 'a', ' ', 'd',
                                              'r', 'a', 'w', 'i', 'n', 'g'};
    EXPECT_EQ(readAll(elsewhere), untouched);
}

TEST_F(DrawingFile, ACopyIsSavedWithoutRenamingTheDocumentOrClearingItsModifiedFlag) {
    const std::string path = dir.file("plan.vec");
    (void)saveThenChange(path);
    ASSERT_TRUE(drawing().dirty());
    const std::string copy = dir.file("export.VEC");
    ASSERT_TRUE(doc.saveCopy(copy));
    EXPECT_EQ(doc.fileName(), path);
    EXPECT_TRUE(drawing().dirty());
    EXPECT_EQ(readAll(copy), encodeDrawing(drawing()));
    EXPECT_FALSE(std::filesystem::exists(copy + ".bak")) << "a new file has no previous version";

    const FileResult dxf = doc.saveCopy(dir.file("export.dxf"));
    EXPECT_EQ(dxf.error, FileError::UnknownFormat);
    // A format added by the application is used by its extension.
    std::string written;
    engine.formats().add(".DXF", DrawingFormat{{}, [&](const Drawing&, const std::string& p) {
                                                   written = p;
                                                   return FileResult{FileError::None, p, {}};
                                               }});
    EXPECT_TRUE(doc.saveCopy(dir.file("export.dxf")));
    EXPECT_EQ(written, dir.file("export.dxf"));
    EXPECT_EQ(doc.open(dir.file("export.dxf")).error, FileError::UnknownFormat) << "no reader";
}

TEST_F(DrawingFile, AFailedSaveLeavesTheOldFileTheNameAndTheModifiedFlag) {
    const std::string path = dir.file("plan.vec");
    const auto good = saveThenChange(path);
    const FileResult failed = doc.save(dir.file("missing/folder.vec"));
    EXPECT_EQ(failed.error, FileError::CannotWrite);
    EXPECT_NE(describe(failed, engine.texts()).find("missing/folder.vec"), std::string::npos);
    EXPECT_EQ(doc.save("").error, FileError::NoFileName);
    EXPECT_TRUE(drawing().dirty());
    EXPECT_EQ(doc.fileName(), path);
    EXPECT_EQ(readAll(path), good);
}

struct Damage {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> apply;
    FileError error;
};

class DamagedFile : public DrawingFile, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, IsRefusedWithItsKindAndTheOpenDrawingUntouched) {
    drawEveryKind(doc);
    const std::string path = dir.file("plan.vec");
    ASSERT_TRUE(doc.save(path));
    auto bytes = readAll(path);
    GetParam().apply(bytes);
    writeAll(path, bytes);

    add(PointShape{{7, 7, 0}});
    const auto before = snapshot();
    doc.select(drawing().firstInLayer(current()), true);
    const FileResult result = doc.open(path);
    EXPECT_EQ(result.error, GetParam().error) << result.detail;
    EXPECT_EQ(result.path, path);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(doc.selection().size(), 1u);
    EXPECT_TRUE(doc.undo()) << "the undo history stays too";
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedFile,
    ::testing::Values(
        Damage{"Truncated", [](auto& b) { b.resize(b.size() / 2); }, FileError::Truncated},
        Damage{"Empty", [](auto& b) { b.clear(); }, FileError::NotADrawing},
        Damage{"Foreign",
               [](auto& b) {
                   b.assign({'A', 'C', '1', '0', '1', '5', 0, 0, 0, 0});
               },
               FileError::NotADrawing},
        Damage{"FlippedByte", [](auto& b) { b[b.size() / 2] ^= 0x10; }, FileError::Damaged},
        Damage{"NewerVersion", [](auto& b) { b[8] = 9; }, FileError::NewerVersion},
        Damage{"TrailingBytes", [](auto& b) { b.push_back(0); }, FileError::Damaged},
        // A consistent checksum over nonsense: the reader's own checks refuse it.
        Damage{"ResealedNonsense",
               [](auto& b) {
                   std::vector<std::uint8_t> payload(b.begin() + 20, b.end() - 4);
                   for (std::size_t i = 40; i < payload.size(); i += 3)
                       payload[i] = 0xFF;
                   char magic[9] = "QDRLVEC\x1a";
                   b = frame(magic, 1, payload);
               },
               FileError::Damaged}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawingFile, TheMessageOfAnErrorComesFromTheTextTable) {
    const FileResult missing = doc.open(dir.file("none.vec"));
    EXPECT_EQ(missing.error, FileError::CannotOpen);
    EXPECT_EQ(describe(missing, engine.texts()).rfind("Cannot open " + dir.file("none.vec"), 0),
              0u);
    engine.texts().set(int(TextId::FileCannotOpen), "Não abre %s (%s)");
    EXPECT_EQ(describe(missing, engine.texts()).rfind("Não abre " + dir.file("none.vec"), 0), 0u);
    EXPECT_EQ(describe({FileError::NewerVersion, "a.vec", "9"}, engine.texts()),
              "a.vec has format version 9, which this program cannot read.");
}

TEST_F(DrawingFile, OpeningReplacesTheDrawingCancelsTheCommandAndClearsUndo) {
    const std::string path = dir.file("plan.vec");
    add(PointShape{{1, 1, 0}});
    ASSERT_TRUE(doc.save(path));
    add(LineShape{{0, 0, 0}, {1, 1, 0}});
    bool cancelled = false;
    auto laje = doc.addCommand(CommandDef{11002, "LAJE", "LJ", 0, [&]() -> CommandTask {
                                              cancelled = co_await doc.runner().nextInput() ==
                                                          int(InputKind::Cancel);
                                          }});
    ASSERT_TRUE(doc.execute(11002));
    ASSERT_TRUE(doc.open(path));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(count(), 1u);
    EXPECT_FALSE(doc.undo());
    EXPECT_FALSE(drawing().dirty());
    EXPECT_TRUE(doc.execute(11002)) << "the document's commands stay registered";
    doc.cancelCommand();
}

TEST_F(DrawingFile, RandomlyDamagedButResealedFilesNeverCrashTheReader) {
    drawEveryKind(doc);
    const auto good = encodeDrawing(drawing());
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
        const OpenResult result = decodeDrawing(frame(magic, 1, bad));
        EXPECT_EQ(result.drawing == nullptr, !result.status);
        refused += result.drawing == nullptr;
    }
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace quadrilo::cad::test
