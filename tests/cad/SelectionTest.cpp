// Selection: by polygon (window and crossing), fence, layer, picking under the cursor; results
// in the drawing's order.
#include "CadFixture.h"

class Selecting : public CadFixture {
protected:
    void polygon(std::initializer_list<CadPoint> points) {
        CadClearVertices(dwg);
        for (const CadPoint& p : points)
            CadAddVertex(dwg, p.x, p.y, p.z);
    }
};

TEST_F(Selecting, WindowTakesWhatLiesInsideAndCrossingAlsoWhatCrossesTheBoundary) {
    const CadHandle inside = CadAddLine(dwg, 10, 10, 0, 20, 20, 0);
    const CadHandle crossing = CadAddLine(dwg, 50, 50, 0, 150, 50, 0);
    const CadHandle outside = CadAddCircle(dwg, 500, 500, 0, 10);
    const CadHandle xline = CadAddXLine(dwg, 0, 60, 0, 1, 0, 0);
    polygon({{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}});

    EXPECT_EQ(CadSelectByPolygon(dwg, 0, 0, 1), 1);
    EXPECT_EQ(selection(), std::vector<CadHandle>{inside});
    CadSelClear(dwg);
    EXPECT_EQ(CadSelectByPolygon(dwg, 1, 0, 1), 3);
    EXPECT_EQ(selection(), (std::vector<CadHandle>{inside, crossing, xline}));
    EXPECT_EQ(CadSelectByPolygon(dwg, 1, 0, 0), 3) << "select 0 takes them out again";
    EXPECT_EQ(CadSelCount(dwg), 0);
    (void)outside;
}

TEST_F(Selecting, ConcavePolygonLeavesOutWhatLiesInItsNotch) {
    const CadHandle left = CadAddPoint(dwg, 10, 50, 0);
    const CadHandle notch = CadAddPoint(dwg, 50, 80, 0);
    // A U shape open at the top between x = 30 and x = 70.
    polygon({{0, 0, 0},
             {100, 0, 0},
             {100, 100, 0},
             {70, 100, 0},
             {70, 30, 0},
             {30, 30, 0},
             {30, 100, 0},
             {0, 100, 0}});
    EXPECT_EQ(CadSelectByPolygon(dwg, 0, 0, 1), 1);
    EXPECT_EQ(selection(), std::vector<CadHandle>{left});
    (void)notch;
}

TEST_F(Selecting, ResultsFollowLayerOrderThenEntityOrder) {
    CadAddLayer(dwg, "Quadrilo", 254, 0, -1);
    CadAddLayer(dwg, "Cargas", 5, 0, -1);
    CadSetCurLayerByName(dwg, "Cargas");
    const CadHandle load = CadAddPoint(dwg, 5, 5, 0);
    CadSetCurLayerByName(dwg, "Quadrilo");
    const CadHandle b2 = CadAddLine(dwg, 10, 0, 0, 20, 0, 0);
    const CadHandle b1 = CadAddLine(dwg, 0, 0, 0, 10, 0, 0);
    polygon({{-1, -1, 0}, {30, -1, 0}, {30, 30, 0}, {-1, 30, 0}});
    CadSelectByPolygon(dwg, 0, 0, 1);
    EXPECT_EQ(selection(), (std::vector<CadHandle>{b2, b1, load}));
}

TEST_F(Selecting, HiddenOrLockedEntitiesAndLayersAreNotSelectedOrPicked) {
    const CadHandle hidden = CadAddPoint(dwg, 1, 1, 0);
    CadEntityPutVisible(hidden, 0);
    const CadHandle axis = CadAddXLine(dwg, 0, 0, 0, 100, 0, 0);
    CadEntityPutLocked(axis, 1);
    CadAddLayer(dwg, "Quadrilo Deformada", 60, 0, -1);
    CadSetCurLayerByName(dwg, "Quadrilo Deformada");
    CadAddPoint(dwg, 2, 2, 0);
    CadLayerPutVisible(CadGetCurLayer(dwg), 0);
    polygon({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    EXPECT_EQ(CadSelectByPolygon(dwg, 1, 0, 1), 0);
    CadPutCursor(dwg, 2, 2, 0);
    EXPECT_EQ(CadGetEntityByCursor(dwg), 0);
    CadPutCursor(dwg, 50, 0, 0);
    EXPECT_EQ(CadGetEntityByCursor(dwg), 0) << "the locked axis";
    EXPECT_EQ(CadSelectByLayer(dwg), 1) << "by layer takes the layer's entities as they are";
}

TEST_F(Selecting, PickingTakesTheNearestWithinTheAperture) {
    const CadHandle bar = CadAddLine(dwg, 0, 0, 0, 100, 0, 0);
    const CadHandle node = CadAddPoint(dwg, 50, 0.4, 0);
    const CadHandle label = CadAddText(dwg, "B12", 50, 20, 0, 5, 0, 4);
    CadPutPickAperture(dwg, 1.0);
    CadPutCursor(dwg, 50, 0.3, 0);
    EXPECT_EQ(CadGetEntityByCursor(dwg), node);
    CadPutCursor(dwg, 20, -0.9, 0);
    EXPECT_EQ(CadGetEntityByCursor(dwg), bar);
    CadPutCursor(dwg, 51, 21, 0);
    EXPECT_EQ(CadGetEntityByCursor(dwg), label) << "inside a text's box";
    CadPutCursor(dwg, 20, -1.5, 0);
    EXPECT_EQ(CadGetEntityByCursor(dwg), 0);
}

TEST_F(Selecting, PickingFindsInsertsByTheirBlockContent) {
    const CadHandle block = CadAddBlock(dwg, "Laje 400 x 500 x 12", 200, 250, 0);
    CadBlockAddEntity(block, CadAddRect(dwg, 200, 250, 0, 400, 500, 0));
    const CadHandle slab = CadAddInsBlock(dwg, CadBlockGetID(block), 1200, 250, 0, 1, 0);
    CadPutCursor(dwg, 1000, 100, 0); // on the rectangle's left side, placed by the insert
    EXPECT_EQ(CadGetEntityByCursor(dwg), slab);

    // Content added to the block after the insert: the insert reaches it too.
    CadBlockAddEntity(block, CadAddLine(dwg, 200, 250, 0, 200, 2000, 0));
    CadPutCursor(dwg, 1200, 1900, 0);
    EXPECT_EQ(CadGetEntityByCursor(dwg), slab);
    CadUndo(dwg);
    CadUndo(dwg);
    EXPECT_EQ(CadGetEntityByCursor(dwg), 0) << "the undone line no longer counts";
}

TEST_F(Selecting, FenceByANewLineSelectsWhatItCrosses) {
    const CadHandle beam = CadAddLine(dwg, 50, -10, 0, 50, 10, 0);
    CadAddLine(dwg, 500, -10, 0, 500, 10, 0);
    const CadHandle wall = CadAddLine(dwg, 0, 0, 0, 100, 0, 0);
    EXPECT_EQ(CadSelectByPolyline(dwg, wall, 1), 2);
    EXPECT_EQ(selection(), (std::vector<CadHandle>{beam, wall}));
}

TEST_F(Selecting, ErasingTheSelectionEmptiesItAndIsOneUndoStep) {
    for (int i = 0; i < 10; ++i)
        CadAddPoint(dwg, i, 0, 0);
    EXPECT_EQ(CadSelectByLayer(dwg), 10);
    EXPECT_EQ(CadSelErase(dwg), 10);
    EXPECT_EQ(CadSelCount(dwg), 0);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 0);
    CadUndo(dwg);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 10);
}
