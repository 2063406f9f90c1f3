// Copy and paste through the clipboard abstraction: kind codes and extended data travel, the
// copies get new IDs and stay selected, foreign content is refused.
#include "CadFixture.h"

using Clipboard = CadFixture;

TEST_F(Clipboard, CopiesCarryKindCodesExtendedDataLayersAndBlocksIntoAnotherDrawing) {
    drawEveryKind(dwg);
    CadSelectByLayer(dwg, CadGetLayerByName(dwg, "Lajes"));
    CadSelectByLayer(dwg, CadGetLayerByName(dwg, "Vigas"));
    ASSERT_EQ(CadCbCopy(dwg), 1);
    EXPECT_EQ(CadCbHasEntities(), 1);
    const CadHandle slab = CadLayerGetFirstEntity(CadGetLayerByName(dwg, "Lajes"));

    const CadHandle other = CadCreate();
    ASSERT_EQ(CadCbPaste(other, 0, 10, 0, 0), 2);
    const CadHandle lajes = CadGetLayerByName(other, "Lajes");
    ASSERT_NE(lajes, 0);
    EXPECT_EQ(CadLayerGetColor(lajes), 2);
    const CadHandle copy = CadLayerGetFirstEntity(lajes);
    EXPECT_EQ(exDataOf(copy), exDataOf(slab));
    EXPECT_EQ(CadEntityGetUserData(copy), 2);
    EXPECT_EQ(CadEntityGetPoint(copy), (CadPoint{210, 250, 0}));
    EXPECT_EQ(CadAttGetValue(CadInsBlockGetFirstAtt(copy)), "L1 Lx: 400  Ly: 500  e: 12  ");
    EXPECT_NE(CadGetBlockByName(other, "Laje 400 x 500 x 12"), 0);
    EXPECT_EQ(CadSelCount(other), 2);
}

TEST_F(Clipboard, PasteInPlaceGivesNewIdsAndSelectsOnlyTheCopies) {
    const CadHandle node = CadAddPoint(dwg, 1, 2, 0);
    CadEntityPutUserData(node, 6);
    CadSelectEntity(dwg, node, 1);
    CadCbCopy(dwg);
    ASSERT_EQ(CadCbPaste(dwg, 0, 0, 0, 0), 1);
    ASSERT_EQ(CadSelCount(dwg), 1);
    const CadHandle copy = selection()[0];
    EXPECT_NE(CadEntityGetID(copy), CadEntityGetID(node));
    EXPECT_EQ(CadEntityGetPoint(copy), CadEntityGetPoint(node));
    EXPECT_EQ(CadEntityGetUserData(copy), 6);
    // Pasting again into a drawing with that layer and block reuses them.
    EXPECT_EQ(CadCbPaste(dwg, 0, 0, 0, 0), 1);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 3);
    CadUndo(dwg);
    CadUndo(dwg);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 1) << "each paste is one undo step";
}

TEST_F(Clipboard, ForeignOrDamagedContentIsRefusedWithoutChange) {
    cad::MemoryClipboard board;
    engine.setClipboard(&board);
    board.setData("text/plain", {'x'});
    EXPECT_EQ(CadCbHasEntities(), 0);
    EXPECT_EQ(CadCbPaste(dwg, 0, 0, 0, 0), 0);

    CadSelectEntity(dwg, CadAddPoint(dwg, 0, 0, 0), 1);
    CadCbCopy(dwg);
    auto payload = board.data(cad::EntityClipboardMime);
    payload[payload.size() / 2] ^= 1;
    board.setData(cad::EntityClipboardMime, payload);
    const auto before = snapshot();
    EXPECT_EQ(CadCbPaste(dwg, 0, 0, 0, 0), 0);
    EXPECT_NE(CadGetErrorText(dwg).find("checksum"), std::string::npos);
    EXPECT_EQ(snapshot(), before);
    engine.setClipboard(nullptr);
}

TEST_F(Clipboard, CopyWithNothingSelectedLeavesTheClipboard) {
    EXPECT_EQ(CadCbCopy(dwg), 0);
    EXPECT_EQ(CadCbHasEntities(), 0);
    CadExecute(dwg, 0, 304);
    EXPECT_EQ(CadCmdGetPrompt(dwg), CadGetString(int(cad::EngineText::NothingSelected)));
}
