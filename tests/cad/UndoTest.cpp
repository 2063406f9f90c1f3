// Undo and redo of every kind of change, back to the identical drawing.
#include "CadFixture.h"

using Undo = CadFixture;

TEST_F(Undo, MixedSequenceUndoesToTheIdenticalDrawingAndRedoesToTheFinalOne) {
    const auto empty = snapshot();
    drawEveryKind(dwg);
    // Changes of every kind on top: erase, move, grips, data, attribute, layer, palette.
    const CadHandle lajes = CadGetLayerByName(dwg, "Lajes");
    const CadHandle slab = CadLayerGetFirstEntity(lajes);
    const CadHandle anot = CadGetLayerByName(dwg, "Anotações");
    const std::vector<CadHandle> notes = layerEntities(anot);
    CadEntityErase(notes[3], 1);
    CadEntityMove(notes[1], 10, 20, 0);
    CadGripDrag(notes[1], 1, 5, 5, 0);
    const std::vector<std::uint8_t> record = bytes(232, 99);
    CadEntityPutExData(slab, record.data(), 232);
    CadEntityPutUserData(slab, 9);
    CadAttPutValue(CadInsBlockGetFirstAtt(slab), "renamed");
    CadLayerPutColor(lajes, 44);
    CadLayerPutVisible(anot, 0);
    CadLayerPutName(anot, "Notas");
    CadEntityPutLayer(notes[0], lajes);
    CadSetColor(dwg, 10, 0xABCDEF);
    const std::vector<std::uint8_t> project = bytes(1400, 77);
    CadPutExData(dwg, project.data(), 1400);
    const auto final = snapshot();

    int steps = 0;
    while (CadUndo(dwg))
        ++steps;
    EXPECT_GT(steps, 30);
    EXPECT_EQ(snapshot(), empty);
    for (int i = 0; i < steps; ++i)
        ASSERT_EQ(CadRedo(dwg), 1);
    EXPECT_EQ(CadRedo(dwg), 0);
    // The current layer and style are working settings, not undone: undoing the layer's
    // creation fell back to layer "0", which redo leaves current.
    EXPECT_EQ(CadLayerGetName(CadGetCurLayer(dwg)), "0");
    CadSetCurLayerByName(dwg, "Lajes");
    CadSetCurMlineStyleByName(dwg, "stVigas");
    EXPECT_EQ(snapshot(), final);
}

TEST_F(Undo, ErasedEntityComesBackInItsPlaceInTheLayer) {
    std::vector<CadHandle> points;
    for (int i = 0; i < 4; ++i)
        points.push_back(CadAddPoint(dwg, i, 0, 0));
    CadEntityErase(points[1], 1);
    CadEntityErase(points[2], 1);
    CadUndo(dwg);
    CadUndo(dwg);
    EXPECT_EQ(layerEntities(CadGetCurLayer(dwg)), points);
    EXPECT_EQ(CadEntityGetID(points[1]), points[1]) << "the same entity, same ID";
}

TEST_F(Undo, ANewChangeAfterUndoDropsTheRedoSteps) {
    CadAddPoint(dwg, 0, 0, 0);
    const CadHandle second = CadAddPoint(dwg, 1, 0, 0);
    CadUndo(dwg);
    CadAddPoint(dwg, 2, 0, 0);
    EXPECT_EQ(CadRedo(dwg), 0);
    EXPECT_EQ(CadEntityGetID(second), 0);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 2);
}

TEST_F(Undo, AGroupIsOneStepAndUndoMarksTheDrawingModified) {
    CadPutDirty(dwg, 0);
    CadUndoBegin(dwg);
    for (int i = 0; i < 100; ++i)
        CadAddPoint(dwg, i, i, 0);
    CadAddLayer(dwg, "Quadrilo", 254, 0, -1);
    CadUndoEnd(dwg);
    EXPECT_EQ(CadGetDirty(dwg), 1);
    CadPutDirty(dwg, 0);
    ASSERT_EQ(CadUndo(dwg), 1);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 0);
    EXPECT_EQ(CadGetLayerByName(dwg, "Quadrilo"), 0);
    EXPECT_EQ(CadGetDirty(dwg), 1);
    EXPECT_EQ(CadUndo(dwg), 0);
}

TEST_F(Undo, UndoAndRedoRunAsCommandsWithAMessageWhenEmpty) {
    CadAddPoint(dwg, 0, 0, 0);
    ASSERT_EQ(CadExecute(dwg, 0, 301), 1);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 0);
    CadExecute(dwg, 0, 301);
    EXPECT_EQ(CadCmdGetPrompt(dwg), CadGetString(int(cad::EngineText::NothingToUndo)));
    CadExecute(dwg, 0, 302);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 1);
}

TEST_F(Undo, TheOldestStepsGoWhenTheLogIsFullAndTheRestStillUndoes) {
    document().drawing().setUndoLimit(10);
    for (int i = 0; i < 30; ++i)
        CadAddPoint(dwg, i, 0, 0);
    EXPECT_LE(document().drawing().undoSteps(), 11u);
    int undone = 0;
    while (CadUndo(dwg))
        ++undone;
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 30 - undone);
    for (int i = 0; i < undone; ++i)
        CadRedo(dwg);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 30);
}

TEST_F(Undo, EntitiesCreatedAndChangedInOneGroupComeBackAsLastChanged) {
    CadAddLayer(dwg, "Quadrilo", 254, 0, -1);
    const auto before = snapshot();
    CadUndoBegin(dwg);
    const CadHandle block = CadAddBlock(dwg, "+Load", 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        const CadHandle node = CadAddPoint(dwg, i, 0, 0);
        const std::vector<std::uint8_t> record = bytes(152, static_cast<std::uint8_t>(i));
        CadEntityPutExData(node, record.data(), 152);
        CadEntityPutUserData(node, 6);
        CadEntityMove(node, 0, 10, 0);
        CadEntityPutLayer(node, CadGetLayerByName(dwg, "Quadrilo"));
        if (i == 4)
            CadBlockAddEntity(block, node);
        if (i == 2)
            CadEntityErase(node, 1);
    }
    CadUndoEnd(dwg);
    const auto after = snapshot();
    ASSERT_EQ(CadUndo(dwg), 1);
    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(CadRedo(dwg), 1);
    EXPECT_EQ(snapshot(), after);
    EXPECT_EQ(CadLayerGetCount(CadGetLayerByName(dwg, "Quadrilo")), 3);
}
