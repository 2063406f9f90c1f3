// Hostile drawings and payloads: folders, blocks inserting each other, deep nesting, an id
// counter at its end; each is refused with a reason, never hangs or writes an unreadable file.
#include "CadFixture.h"

#include "cad/BlockNesting.h"
#include "cad/Clipboard.h"

#include <algorithm>
#include <filesystem>

namespace quadrilo::cad::test {
namespace {

class Hostile : public CadFixture {
protected:
    // A chain of blocks, each holding `inserts` inserts of the one before; the last is returned.
    BlockId chain(int blocks, int inserts) {
        Transaction tx(drawing());
        BlockId inner = tx.addBlock("B0", {});
        (void)tx.addToBlock(inner, Entity{.shape = LineShape{{0, 0, 0}, {1, 1, 0}}});
        for (int i = 1; i < blocks; ++i) {
            const BlockId outer = tx.addBlock("B" + std::to_string(i), {});
            for (int k = 0; k < inserts; ++k)
                if (!tx.addToBlock(outer, Entity{.shape = *drawing().insertOf(
                                                     inner, {double(k), 0, 0}, 1, 0)}))
                    return BlockId();
            inner = outer;
        }
        return inner;
    }
};

TEST_F(Hostile, AFolderIsRefusedByName) {
    const std::string folder =
        (std::filesystem::temp_directory_path() / "quadrilo-folder.vec").string();
    std::filesystem::create_directories(folder);
    const FileResult r = doc.open(folder);
    EXPECT_EQ(r.error, FileError::CannotOpen);
    EXPECT_NE(describe(r, engine.texts()).find(folder), std::string::npos);
    EXPECT_FALSE(openDrawing(folder).drawing);
    std::filesystem::remove(folder);
}

TEST_F(Hostile, ANextIdAtTheEndOfTheRangeIsRefused) {
    add(PointShape{{1, 1, 0}});
    auto b = encodeDrawing(drawing());
    std::vector<std::uint8_t> payload(b.begin() + 20, b.end() - 4);
    for (std::uint32_t next : {0x7FFFFFFFu, MaxNextEntityId}) {
        for (int i = 0; i < 4; ++i)
            payload[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(next >> (8 * i));
        const OpenResult r = decodeDrawing(frame(DrawingFileMagic, DrawingFormatVersion, payload));
        if (next > MaxNextEntityId) {
            EXPECT_FALSE(r.drawing);
            continue;
        }
        // The last counter reads, refuses new entities, and saves what reads back.
        ASSERT_TRUE(r.drawing) << r.status.detail;
        {
            Transaction tx(*r.drawing);
            EXPECT_FALSE(tx.add(Entity{.shape = PointShape{{2, 2, 0}}}));
        }
        EXPECT_TRUE(decodeDrawing(encodeDrawing(*r.drawing)).drawing);
    }
}

TEST_F(Hostile, BlocksNestAtMostTheLimitAndNeverInACycle) {
    const BlockId top = chain(MaxBlockNesting, 4);
    ASSERT_TRUE(top);
    {
        Transaction tx(drawing());
        const BlockId b0 = drawing().blockByName("B0");
        EXPECT_FALSE(tx.addToBlock(b0, Entity{.shape = *drawing().insertOf(top, {}, 1, 0)}))
            << "a cycle";
        const BlockId deeper = tx.addBlock("deeper", {});
        EXPECT_FALSE(tx.addToBlock(deeper, Entity{.shape = *drawing().insertOf(top, {}, 1, 0)}))
            << "one level too deep";
    }
    // 4^15 lines when expanded: extent and picking cost the blocks' size.
    const EntityId ins = add(*drawing().insertOf(top, {0, 0, 0}, 1, 0));
    const Extent e = drawing().extentOf(entity(ins));
    EXPECT_DOUBLE_EQ(e.maxX, 3.0 * (MaxBlockNesting - 1) + 1);
    EXPECT_FALSE(drawing().entitiesMeeting(Extent{0, 0, 1, 1}).empty());

    // Copy and paste agree: all of it travels and pastes into another drawing.
    doc.select(ins, true);
    ASSERT_TRUE(doc.copySelection());
    Document& other = engine.createDocument();
    EXPECT_EQ(other.paste({}).pasted, 1u);
}

// No transaction lets blocks insert each other, so the file is spliced from two sound ones with
// the same blocks: "Primeiro" inserting "Segundo" from the first, "Segundo" inserting "Primeiro"
// from the second. Block contents are stored block by block, each from its head: id, name.
TEST_F(Hostile, AFileWhoseBlocksInsertEachOtherIsRefused) {
    const auto drawingWith = [this](bool firstInsertsSecond) {
        Document& d = engine.createDocument();
        {
            Transaction tx(d.drawing());
            const BlockId first = tx.addBlock("Primeiro", {});
            const BlockId second = tx.addBlock("Segundo", {});
            const auto content = [&](BlockId of, BlockId inserted, bool insert) {
                (void)tx.addToBlock(
                    of, Entity{.shape = insert ? Shape(*d.drawing().insertOf(inserted, {}, 1, 0))
                                               : Shape(PointShape{{0, 0, 0}})});
            };
            content(first, second, firstInsertsSecond);
            content(second, first, !firstInsertsSecond);
        }
        return encodeDrawing(d.drawing());
    };
    const std::vector<std::uint8_t> a = drawingWith(true), b = drawingWith(false);
    const auto secondHead = [](const std::vector<std::uint8_t>& file) {
        const std::string name = "Segundo";
        const auto at = std::search(file.begin(), file.end(), name.begin(), name.end());
        return at - file.begin() - 8; // the block's id and the name's length come first
    };
    std::vector<std::uint8_t> payload(a.begin() + 20, a.begin() + secondHead(a));
    payload.insert(payload.end(), b.begin() + secondHead(b), b.end() - 4);
    const OpenResult r = decodeDrawing(frame(DrawingFileMagic, DrawingFormatVersion, payload));
    EXPECT_FALSE(r.drawing);
    EXPECT_EQ(r.status.error, FileError::Damaged);
    EXPECT_EQ(r.status.detail, nestingProblem(NestingVerdict::Cycle));
}

TEST_F(Hostile, APasteThatWouldNestTooDeepIsRefusedWithItsReason) {
    // The payload's top block inserts "B0", which this drawing holds nested deep already.
    const BlockId top = chain(2, 1);
    doc.select(add(*drawing().insertOf(top, {}, 1, 0)), true);
    ASSERT_TRUE(doc.copySelection());
    Document& other = engine.createDocument();
    {
        Transaction tx(other.drawing());
        BlockId inner = tx.addBlock("X0", {});
        (void)tx.addToBlock(inner, Entity{.shape = PointShape{{0, 0, 0}}});
        for (int i = 1; i < MaxBlockNesting; ++i) {
            const BlockId outer = i + 1 == MaxBlockNesting
                                      ? tx.addBlock("B0", {})
                                      : tx.addBlock("X" + std::to_string(i), {});
            ASSERT_TRUE(
                tx.addToBlock(outer, Entity{.shape = *other.drawing().insertOf(inner, {}, 1, 0)}));
            inner = outer;
        }
    }
    const auto before = encodeDrawing(other.drawing());
    const PasteResult r = other.paste({});
    EXPECT_EQ(r.error, PasteError::Refused);
    EXPECT_EQ(r.detail, nestingProblem(NestingVerdict::TooDeep));
    EXPECT_EQ(encodeDrawing(other.drawing()), before);
}

} // namespace
} // namespace quadrilo::cad::test
