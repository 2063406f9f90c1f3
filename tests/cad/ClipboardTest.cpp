// Copy and paste through the clipboard abstraction: kind codes and extended data travel, the
// copies get new ids and stay selected, foreign content is refused.
#include "CadFixture.h"

namespace quadrilo::cad::test {
namespace {

using Clipboard = CadFixture;

TEST_F(Clipboard, CopiesCarryKindCodesExtendedDataLayersAndBlocksIntoAnotherDrawing) {
    drawEveryKind(doc);
    doc.selectLayer(drawing().layerByName("Lajes"), true);
    doc.selectLayer(drawing().layerByName("Vigas"), true);
    ASSERT_TRUE(doc.copySelection());
    EXPECT_TRUE(clipboardHoldsEntities(engine.clipboard()));
    const EntityId slab = drawing().firstInLayer(drawing().layerByName("Lajes"));

    Document& other = engine.createDocument();
    const PasteResult pasted = other.paste({10, 0, 0});
    ASSERT_EQ(pasted.pasted, 2u);
    const LayerId lajes = other.drawing().layerByName("Lajes");
    ASSERT_TRUE(lajes);
    EXPECT_EQ(other.drawing().layer(lajes)->color, 2);
    const Entity& copy = *other.drawing().entity(other.drawing().firstInLayer(lajes));
    EXPECT_EQ(copy.exData, entity(slab).exData);
    EXPECT_EQ(copy.userData, 2);
    const auto& insert = std::get<InsertShape>(copy.shape);
    EXPECT_EQ(insert.at, (Point3{210, 250, 0}));
    EXPECT_EQ(insert.attributes[0].value, "L1 Lx: 400  Ly: 500  e: 12  ");
    EXPECT_EQ(other.drawing().blockByName("Laje 400 x 500 x 12"), insert.block);
    EXPECT_EQ(other.selection().size(), 2u);
}

TEST_F(Clipboard, PasteInPlaceGivesNewIdsAndSelectsOnlyTheCopies) {
    const EntityId node = add(PointShape{{1, 2, 0}});
    Transaction(drawing()).setKindCode(node, 6);
    doc.select(node, true);
    doc.copySelection();
    ASSERT_EQ(doc.paste({}).pasted, 1u);
    ASSERT_EQ(doc.selection().size(), 1u);
    const EntityId copy = doc.selection().entities()[0];
    EXPECT_NE(copy, node);
    EXPECT_EQ(shape<PointShape>(copy).at, shape<PointShape>(node).at);
    EXPECT_EQ(entity(copy).userData, 6);
    // Pasting again into a drawing with that layer reuses it.
    EXPECT_EQ(doc.paste({}).pasted, 1u);
    EXPECT_EQ(count(), 3u);
    doc.undo();
    doc.undo();
    EXPECT_EQ(count(), 1u) << "each paste is one undo step";
}

TEST_F(Clipboard, ForeignOrDamagedContentIsRefusedWithoutChange) {
    MemoryClipboard board;
    engine.setClipboard(&board);
    board.setData("text/plain", {'x'});
    EXPECT_FALSE(clipboardHoldsEntities(engine.clipboard()));
    EXPECT_EQ(doc.paste({}).error, PasteError::NothingToPaste);

    doc.select(add(PointShape{}), true);
    doc.copySelection();
    auto payload = board.data(EntityClipboardMime);
    payload[payload.size() / 2] ^= 1;
    board.setData(EntityClipboardMime, payload);
    const auto before = snapshot();
    const PasteResult damaged = doc.paste({});
    EXPECT_EQ(damaged.error, PasteError::Damaged);
    EXPECT_EQ(damaged.detail, "checksum mismatch");
    EXPECT_EQ(snapshot(), before);
    doc.execute(CmdPaste);
    EXPECT_EQ(doc.promptText(), "The clipboard content is damaged (checksum mismatch).");
    engine.setClipboard(nullptr);
}

TEST_F(Clipboard, CopyWithNothingSelectedLeavesTheClipboard) {
    EXPECT_FALSE(doc.copySelection());
    EXPECT_FALSE(clipboardHoldsEntities(engine.clipboard()));
    doc.execute(CmdCopy);
    EXPECT_EQ(doc.promptText(), "Nothing selected.");
}

} // namespace
} // namespace quadrilo::cad::test
