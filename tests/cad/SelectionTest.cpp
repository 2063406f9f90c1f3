// Selection: by window, crossing and polygon, fence, layer, picking under the cursor, results in
// the drawing's order; multi-line texts by the box of all their lines.
#include "CadFixture.h"

namespace quadrilo::cad::test {
namespace {

class Selecting : public CadFixture {
protected:
    using Ids = std::vector<EntityId>;
    Ids selection() { return doc.selection().entities(); }
};

const std::vector<Point3> square{{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}};

TEST_F(Selecting, WindowTakesWhatLiesInsideAndCrossingAlsoWhatCrossesTheBoundary) {
    const EntityId inside = add(LineShape{{10, 10, 0}, {20, 20, 0}});
    const EntityId crossing = add(LineShape{{50, 50, 0}, {150, 50, 0}});
    add(CircleShape{{500, 500, 0}, 10});
    const EntityId xline = add(XLineShape{{0, 60, 0}, {1, 0, 0}});

    EXPECT_EQ(doc.selectPolygon(square, false, true), 1u);
    EXPECT_EQ(selection(), Ids{inside});
    doc.clearSelection();
    EXPECT_EQ(doc.selectPolygon(square, true, true), 3u);
    EXPECT_EQ(selection(), (Ids{inside, crossing, xline}));
    EXPECT_EQ(doc.selectPolygon(square, true, false), 3u) << "off takes them out again";
    EXPECT_TRUE(selection().empty());
}

TEST_F(Selecting, ConcavePolygonLeavesOutWhatLiesInItsNotch) {
    const EntityId left = add(PointShape{{10, 50, 0}});
    add(PointShape{{50, 80, 0}});
    // A U shape open at the top between x = 30 and x = 70.
    EXPECT_EQ(doc.selectPolygon({{0, 0, 0},
                                 {100, 0, 0},
                                 {100, 100, 0},
                                 {70, 100, 0},
                                 {70, 30, 0},
                                 {30, 30, 0},
                                 {30, 100, 0},
                                 {0, 100, 0}},
                                false, true),
              1u);
    EXPECT_EQ(selection(), Ids{left});
}

TEST_F(Selecting, ResultsFollowLayerOrderThenEntityOrder) {
    const LayerId grid = addLayer("Quadrilo", 254);
    const LayerId loads = addLayer("Cargas", 5);
    const EntityId load = add(PointShape{{5, 5, 0}}, loads);
    const EntityId b2 = add(LineShape{{10, 0, 0}, {20, 0, 0}}, grid);
    const EntityId b1 = add(LineShape{{0, 0, 0}, {10, 0, 0}}, grid);
    doc.selectPolygon({{-1, -1, 0}, {30, -1, 0}, {30, 30, 0}, {-1, 30, 0}}, false, true);
    EXPECT_EQ(selection(), (Ids{b2, b1, load}));
}

TEST_F(Selecting, HiddenOrLockedEntitiesAndLayersAreNotSelectedOrPicked) {
    const EntityId hidden = add(PointShape{{1, 1, 0}});
    const EntityId axis = add(XLineShape{{0, 0, 0}, {100, 0, 0}});
    const LayerId deformed = addLayer("Quadrilo Deformada", 60);
    add(PointShape{{2, 2, 0}}, deformed);
    {
        Transaction tx(drawing());
        tx.setVisible(hidden, false);
        tx.edit(axis, [](Entity& e) { e.locked = true; });
        Layer l = *drawing().layer(deformed);
        l.visible = false;
        tx.changeLayer(deformed, l);
    }
    EXPECT_EQ(doc.selectPolygon({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, true, true), 0u);
    EXPECT_FALSE(doc.entityAt({2, 2, 0}, 1.0));
    EXPECT_FALSE(doc.entityAt({50, 0, 0}, 1.0)) << "the locked axis";
    EXPECT_EQ(doc.selectLayer(deformed, true), 1u)
        << "by layer takes the layer's entities as they are";
}

TEST_F(Selecting, PickingTakesTheNearestWithinTheAperture) {
    const EntityId bar = add(LineShape{{0, 0, 0}, {100, 0, 0}});
    const EntityId node = add(PointShape{{50, 0.4, 0}});
    const EntityId label = add(TextShape{{50, 20, 0}, "B12", {5, 0, 4}});
    EXPECT_EQ(doc.entityAt({50, 0.3, 0}, 1.0), node);
    EXPECT_EQ(doc.entityAt({20, -0.9, 0}, 1.0), bar);
    EXPECT_EQ(doc.entityAt({51, 21, 0}, 1.0), label) << "inside a text's box";
    EXPECT_FALSE(doc.entityAt({20, -1.5, 0}, 1.0));
}

TEST_F(Selecting, AMultiLineTextIsFoundByTheBoxOfAllItsLines) {
    // Top left at (0, 0), height 10: the second line's capitals stand from y -16.7 to -26.7,
    // the third, twice as high by its code, from -33.3 to -53.3.
    const EntityId note = add(MTextShape{{0, 0, 0}, "V1\\Pseção 20x50\\P\\H20;L", 10, 0, 0, 1});
    EXPECT_EQ(doc.entityAt({60, -22, 0}, 0.5), note) << "beyond the first line, on the second";
    EXPECT_EQ(doc.entityAt({5, -50, 0}, 0.5), note) << "on the taller last line";
    EXPECT_FALSE(doc.entityAt({5, -60, 0}, 0.5));
    EXPECT_EQ(doc.selectWindow({-1, -30, 100, 1}, false, true), 0u) << "the last line sticks out";
    EXPECT_EQ(doc.selectWindow({-1, -54, 100, 1}, false, true), 1u);
    const Extent e = drawing().extentOf(entity(note));
    EXPECT_NEAR(e.minY, -160.0 / 3, 1e-9);
    EXPECT_NEAR(e.maxX, 0.6 * 10 * 11, 1e-9) << "11 characters, an accented one among them";

    // Attached at its bottom right, the box lies left of and above the insertion point.
    const EntityId right = add(MTextShape{{0, 0, 0}, "V1\\PV2", 10, 0, 0, 9});
    const Extent r = drawing().extentOf(entity(right));
    EXPECT_NEAR(r.minX, -12, 1e-9);
    EXPECT_NEAR(r.maxY, 10 + 10 + 20.0 / 3, 1e-9);
    EXPECT_EQ(doc.entityAt({-2, 24, 0}, 0.5), right);
}

TEST_F(Selecting, PickingFindsInsertsByTheirBlockContent) {
    BlockId block;
    EntityId slab;
    {
        Transaction tx(drawing());
        block = tx.addBlock("Laje 400 x 500 x 12", {200, 250, 0});
        tx.addToBlock(block, Entity{.shape = rectangle({200, 250, 0}, 400, 500, 0)});
        slab = tx.add(Entity{.shape = *drawing().insertOf(block, {1200, 250, 0}, 1, 0)});
    }
    EXPECT_EQ(doc.entityAt({1000, 100, 0}, 1.0), slab) << "on the rectangle, placed by the insert";

    // Content added to the block after the insert: the insert reaches it too.
    Transaction(drawing()).addToBlock(block,
                                      Entity{.shape = LineShape{{200, 250, 0}, {200, 2000, 0}}});
    EXPECT_EQ(doc.entityAt({1200, 1900, 0}, 1.0), slab);
    doc.undo();
    EXPECT_FALSE(doc.entityAt({1200, 1900, 0}, 1.0)) << "the undone line no longer counts";
}

TEST_F(Selecting, FenceByALineSelectsWhatItCrosses) {
    const EntityId beam = add(LineShape{{50, -10, 0}, {50, 10, 0}});
    add(LineShape{{500, -10, 0}, {500, 10, 0}});
    const EntityId wall = add(LineShape{{0, 0, 0}, {100, 0, 0}});
    EXPECT_EQ(doc.selectFence({{{0, 0, 0}, {100, 0, 0}}}, true), 2u);
    EXPECT_EQ(selection(), (Ids{beam, wall}));
}

TEST_F(Selecting, ErasingTheSelectionEmptiesItAndIsOneUndoStep) {
    for (int i = 0; i < 10; ++i)
        add(PointShape{{double(i), 0, 0}});
    EXPECT_EQ(doc.selectLayer(current(), true), 10u);
    EXPECT_EQ(doc.eraseSelection(), 10u);
    EXPECT_TRUE(selection().empty());
    EXPECT_EQ(count(), 0u);
    doc.undo();
    EXPECT_EQ(count(), 10u);
}

} // namespace
} // namespace quadrilo::cad::test
