// Transactions and undo: every kind of change undone back to the identical drawing, a
// transaction left by an exception leaving drawing and history as they were, the same rules
// inside a transaction as outside, and the bulk replacement of a layer as one cheap record.
#include "CadFixture.h"

#include <stdexcept>

namespace quadrilo::cad::test {
namespace {

using Transactions = CadFixture;

TEST_F(Transactions, MixedSequenceUndoesToTheIdenticalDrawingAndRedoesToTheFinalOne) {
    const auto empty = snapshot();
    drawEveryKind(doc);
    // Changes of every kind on top: erase, move, grips, data, attribute, layer, palette.
    const LayerId lajes = drawing().layerByName("Lajes");
    const LayerId notesLayer = drawing().layerByName("Anotações");
    const EntityId slab = drawing().firstInLayer(lajes);
    const std::vector<EntityId> notes = layerEntities(notesLayer);
    const auto step = [&](const std::function<void(Transaction&)>& change) {
        Transaction tx(drawing());
        change(tx);
    };
    step([&](Transaction& tx) { EXPECT_TRUE(tx.erase(notes[3])); });
    step([&](Transaction& tx) { EXPECT_TRUE(tx.move(notes[1], {10, 20, 0})); });
    step([&](Transaction& tx) { EXPECT_TRUE(tx.dragGrip(notes[1], 1, {5, 5, 0})); });
    step([&](Transaction& tx) { EXPECT_TRUE(tx.setExtendedData(slab, bytes(232, 99))); });
    step([&](Transaction& tx) { EXPECT_TRUE(tx.setKindCode(slab, 9)); });
    step([&](Transaction& tx) { EXPECT_TRUE(tx.setAttributeValue(slab, 0, "renamed")); });
    step([&](Transaction& tx) {
        Layer l = *drawing().layer(lajes);
        l.color = 44;
        EXPECT_TRUE(tx.changeLayer(lajes, l));
    });
    step([&](Transaction& tx) {
        Layer l = *drawing().layer(notesLayer);
        l.visible = false;
        l.name = "Notas";
        EXPECT_TRUE(tx.changeLayer(notesLayer, l));
    });
    step([&](Transaction& tx) { EXPECT_TRUE(tx.setLayer(notes[0], lajes)); });
    step([&](Transaction& tx) { EXPECT_TRUE(tx.setPaletteColor(10, 0xABCDEF)); });
    step([&](Transaction& tx) { tx.setDrawingData(bytes(1400, 77)); });
    const auto final = snapshot();

    int steps = 0;
    while (doc.undo())
        ++steps;
    EXPECT_EQ(steps, 12);
    // The current layer and style are working settings, not undone: undoing the layer's
    // creation fell back to layer "0", which redo leaves current.
    EXPECT_EQ(drawing().layer(current())->name, "0");
    EXPECT_EQ(snapshot(), empty);
    for (int i = 0; i < steps; ++i)
        ASSERT_TRUE(doc.redo());
    EXPECT_FALSE(doc.redo());
    drawing().settings().currentLayer = lajes;
    drawing().settings().currentMlineStyle = drawing().mlineStyleByName("stVigas");
    EXPECT_EQ(snapshot(), final);
}

TEST_F(Transactions, AnExceptionLeavesTheDrawingAndTheUndoHistoryAsTheyWere) {
    add(PointShape{{0, 0, 0}});
    const EntityId kept = add(PointShape{{1, 0, 0}});
    add(PointShape{{2, 0, 0}});
    ASSERT_TRUE(doc.undo()); // a redo step waits
    const auto before = snapshot();
    const std::size_t steps = drawing().undoSteps();
    try {
        Transaction tx(drawing());
        tx.add(Entity{.shape = LineShape{{0, 0, 0}, {5, 5, 0}}});
        EXPECT_TRUE(tx.erase(kept));
        tx.addLayer(Layer{"Quadrilo", 254});
        tx.setDrawingData(bytes(8, 1));
        throw std::runtime_error("parser error");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(drawing().undoSteps(), steps);
    EXPECT_FALSE(drawing().inTransaction()) << "no group left open for later changes to join";
    EXPECT_TRUE(doc.redo()) << "the redo step is still there";
    EXPECT_EQ(count(), 3u);
    add(PointShape{{3, 0, 0}});
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(count(), 3u) << "a later change is a step of its own";
}

TEST_F(Transactions, AnInnerRollBackTakesOnlyItsOwnChanges) {
    Transaction outer(drawing());
    const EntityId first = outer.add(Entity{.shape = PointShape{{1, 1, 0}}});
    {
        Transaction inner(drawing());
        inner.add(Entity{.shape = PointShape{{2, 2, 0}}});
        EXPECT_TRUE(inner.setColor(first, 3));
        inner.rollback();
    }
    EXPECT_EQ(count(), 1u);
    EXPECT_EQ(entity(first).color, ByLayerColor) << "an edit in place is taken back too";
    EXPECT_FALSE(doc.undo()) << "no undo while a transaction is open";
}

TEST_F(Transactions, AnInvalidChangeIsRefusedWholeInsideATransactionAsOutside) {
    const EntityId line = add(LineShape{{0, 0, 0}, {1, 0, 0}});
    Transaction tx(drawing());
    const EntityId fresh = tx.add(Entity{.shape = PointShape{{5, 5, 0}}});
    for (const EntityId id : {line, fresh}) {
        EXPECT_FALSE(tx.edit(id, [](Entity& e) {
            e.color = 3;
            e.layer = LayerId(99); // no such layer
        }));
        EXPECT_EQ(entity(id).color, ByLayerColor) << "no half change kept";
    }
}

struct InvalidCase {
    const char* name;
    Shape shape;
};

class InvalidShapes : public CadFixture, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidShapes, AreRefusedOnAddAndOnEdit) {
    const EntityId point = add(PointShape{});
    Transaction tx(drawing());
    EXPECT_FALSE(tx.add(Entity{.shape = GetParam().shape}));
    EXPECT_FALSE(tx.edit(point, [&](Entity& e) { e.shape = GetParam().shape; }));
    EXPECT_TRUE(tx.replaceLayerContents(current(), {Entity{.shape = GetParam().shape}}).empty());
    EXPECT_EQ(layerEntities(current()), std::vector<EntityId>{point});
}

const double nan = std::nan("");
INSTANTIATE_TEST_SUITE_P(
    Table, InvalidShapes,
    ::testing::Values(InvalidCase{"XLineWithoutDirection", XLineShape{{0, 0, 0}, {0, 0, 0}}},
                      InvalidCase{"RayWithoutDirection", RayShape{{0, 0, 0}, {0, 0, 0}}},
                      InvalidCase{"CircleWithoutRadius", CircleShape{{0, 0, 0}, 0}},
                      InvalidCase{"NotANumber", LineShape{{nan, 0, 0}, {1, 1, 0}}},
                      InvalidCase{"OneVertex", PolylineShape{{{0, 0, 0}}, false, 0}},
                      InvalidCase{"NegativeTextHeight", TextShape{{0, 0, 0}, "x", {-1, 0, 0}}},
                      InvalidCase{"MissingBlock", InsertShape{BlockId(7), {}, 1, 0, {}}},
                      InvalidCase{"ZeroScale", InsertShape{BlockId(1), {}, 0, 0, {}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transactions, ABlockCannotHoldAnInsertOfItself) {
    Transaction tx(drawing());
    const BlockId a = tx.addBlock("A", {});
    const BlockId b = tx.addBlock("B", {});
    EXPECT_TRUE(tx.addToBlock(b, Entity{.shape = *drawing().insertOf(a, {}, 1, 0)}));
    EXPECT_FALSE(tx.addToBlock(a, Entity{.shape = *drawing().insertOf(b, {}, 1, 0)}));
    EXPECT_FALSE(tx.addToBlock(a, Entity{.shape = *drawing().insertOf(a, {}, 1, 0)}));
    EXPECT_FALSE(tx.addBlock("A", {})) << "block names are unique";
}

TEST_F(Transactions, ErasedEntityComesBackInItsPlaceInTheLayer) {
    std::vector<EntityId> points;
    for (int i = 0; i < 4; ++i)
        points.push_back(add(PointShape{{double(i), 0, 0}}));
    for (const int i : {1, 2}) {
        Transaction tx(drawing());
        tx.erase(points[i]);
    }
    doc.undo();
    doc.undo();
    EXPECT_EQ(layerEntities(current()), points);
}

TEST_F(Transactions, ATransactionIsOneStepAndUndoMarksTheDrawingModified) {
    drawing().setDirty(false);
    {
        Transaction tx(drawing());
        for (int i = 0; i < 100; ++i)
            tx.add(Entity{.shape = PointShape{{double(i), double(i), 0}}});
        tx.addLayer(Layer{"Quadrilo", 254});
    }
    EXPECT_TRUE(drawing().dirty());
    drawing().setDirty(false);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(count(), 0u);
    EXPECT_FALSE(drawing().layerByName("Quadrilo"));
    EXPECT_TRUE(drawing().dirty());
    EXPECT_FALSE(doc.undo());
    { Transaction nothing(drawing()); }
    EXPECT_TRUE(doc.redo()) << "a transaction that changed nothing leaves the redo step";
}

TEST_F(Transactions, ANewChangeAfterUndoDropsTheRedoSteps) {
    add(PointShape{});
    const EntityId second = add(PointShape{{1, 0, 0}});
    doc.undo();
    add(PointShape{{2, 0, 0}});
    EXPECT_FALSE(doc.redo());
    EXPECT_EQ(drawing().entity(second), nullptr);
    EXPECT_EQ(count(), 2u);
}

TEST_F(Transactions, UndoAndRedoRunAsCommandsWithTheirMessageWhenEmpty) {
    add(PointShape{});
    ASSERT_TRUE(doc.execute(CmdUndo));
    EXPECT_EQ(count(), 0u);
    doc.execute(CmdUndo);
    EXPECT_EQ(doc.promptText(), "Undo buffer is empty");
    doc.execute(CmdRedo);
    EXPECT_EQ(count(), 1u);
}

TEST_F(Transactions, TheOldestStepsGoWhenTheLogIsFullAndTheRestStillUndoes) {
    drawing().setUndoLimit(10);
    for (int i = 0; i < 30; ++i)
        add(PointShape{{double(i), 0, 0}});
    EXPECT_LE(drawing().undoSteps(), 11u);
    int undone = 0;
    while (doc.undo())
        ++undone;
    EXPECT_EQ(count(), 30u - undone);
    for (int i = 0; i < undone; ++i)
        doc.redo();
    EXPECT_EQ(count(), 30u);
}

TEST_F(Transactions, EntitiesCreatedAndChangedInOneTransactionComeBackAsLastChanged) {
    const LayerId quadrilo = addLayer("Quadrilo", 254);
    const auto before = snapshot();
    {
        Transaction tx(drawing());
        const BlockId block = tx.addBlock("+Load", {0, 0, 0});
        for (int i = 0; i < 5; ++i) {
            const EntityId node = tx.add(Entity{.shape = PointShape{{double(i), 0, 0}}});
            tx.setExtendedData(node, bytes(152, static_cast<std::uint8_t>(i)));
            tx.setKindCode(node, 6);
            tx.move(node, {0, 10, 0});
            tx.setLayer(node, quadrilo);
            if (i == 2)
                tx.erase(node);
        }
        tx.addToBlock(block, Entity{.shape = PointShape{}});
    }
    const auto after = snapshot();
    EXPECT_EQ(drawing().undoRecords(), 1u + 1 + 5 + 1 + 1) << "no record for the edits";
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(snapshot(), before);
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(snapshot(), after);
    EXPECT_EQ(drawing().layerCount(quadrilo), 4u);
}

TEST_F(Transactions, ReplacingALayerIsOneRecordThatUndoesToTheIdenticalDrawing) {
    const LayerId grid = addLayer("Quadrilo", 254);
    const LayerId other = addLayer("Cargas", 5);
    const EntityId load = add(PointShape{{5, 5, 0}}, other);
    std::vector<EntityId> old;
    {
        Transaction tx(drawing());
        for (int i = 0; i < 50; ++i)
            old.push_back(tx.add(Entity{.layer = grid,
                                        .userData = 6,
                                        .exData = bytes(152, std::uint8_t(i)),
                                        .shape = PointShape{{double(i), 0, 0}}}));
    }
    doc.select(old[3], true);
    const auto before = snapshot();
    const std::size_t records = drawing().undoRecords();
    std::vector<Entity> regenerated;
    for (int i = 0; i < 80; ++i)
        regenerated.push_back(Entity{.layer = other, // the layer replaced wins
                                     .userData = 5,
                                     .exData = bytes(160, std::uint8_t(i)),
                                     .shape = LineShape{{double(i), 0, 0}, {i + 1.0, 0, 0}}});
    std::vector<EntityId> added;
    {
        Transaction tx(drawing());
        added = tx.replaceLayerContents(grid, std::move(regenerated));
    }
    EXPECT_EQ(drawing().undoRecords(), records + 1);
    EXPECT_EQ(layerEntities(grid), added);
    EXPECT_EQ(added.size(), 80u);
    EXPECT_EQ(entity(added[7]).exData, bytes(160, 7));
    EXPECT_EQ(doc.selection().size(), 0u) << "what went is no longer selected";
    EXPECT_EQ(doc.entityAt({40.5, 0, 0}, 0.1), added[40]) << "picked from the new contents";
    EXPECT_EQ(layerEntities(other), std::vector<EntityId>{load});

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(layerEntities(grid), old);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(doc.entityAt({3, 0, 0}, 0.1), old[3]);
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(layerEntities(grid), added);
    EXPECT_EQ(entity(doc.entityAt({3, 0, 0}, 0.1)).userData, 5) << "a new bar, not the old node";
}

TEST_F(Transactions, GripsDragEndsMidpointsCentresAndRadiiEachAsOneStep) {
    const LineShape line{{0, 0, 0}, {100, 0, 0}};
    const CircleShape circle{{50, 50, 0}, 20};
    EXPECT_EQ(gripPoints(line), (std::vector<Point3>{{0, 0, 0}, {100, 0, 0}, {50, 0, 0}}))
        << "the ends keep grips 0 and 1; the midpoint comes after them";
    EXPECT_EQ(
        gripPoints(circle),
        (std::vector<Point3>{{50, 50, 0}, {70, 50, 0}, {50, 70, 0}, {30, 50, 0}, {50, 30, 0}}))
        << "the centre keeps grip 0; the quadrants east, north, west, south follow";

    struct Case {
        const char* what;
        Shape before;
        int grip;
        Point3 d;
        Shape after;
    } cases[] = {
        {"line end", line, 1, {0, 30, 0}, LineShape{{0, 0, 0}, {100, 30, 0}}},
        {"line midpoint moves the whole line",
         line,
         2,
         {10, 20, 0},
         LineShape{{10, 20, 0}, {110, 20, 0}}},
        {"circle centre moves the circle", circle, 0, {5, 5, 0}, CircleShape{{55, 55, 0}, 20}},
        {"east quadrant pulled outwards", circle, 1, {10, 0, 0}, CircleShape{{50, 50, 0}, 30}},
        {"north quadrant pulled inwards", circle, 2, {0, -15, 0}, CircleShape{{50, 50, 0}, 5}},
        {"west quadrant across the centre", circle, 3, {30, 0, 0}, CircleShape{{50, 50, 0}, 10}},
        {"south quadrant sideways: the radius reaches where it went",
         circle,
         4,
         {15, 0, 0},
         CircleShape{{50, 50, 0}, 25}},
    };
    for (const Case& c : cases) {
        const EntityId id = add(c.before);
        const std::size_t steps = drawing().undoSteps();
        ASSERT_TRUE(doc.dragGrip(id, c.grip, c.d)) << c.what;
        EXPECT_EQ(entity(id).shape, c.after) << c.what;
        EXPECT_EQ(drawing().undoSteps(), steps + 1) << c.what;
        ASSERT_TRUE(doc.undo());
        EXPECT_EQ(entity(id).shape, c.before) << c.what;
    }

    // A quadrant dragged onto the centre would leave no circle: refused, nothing changes.
    const EntityId id = add(circle);
    EXPECT_FALSE(doc.dragGrip(id, 1, {-20, 0, 0}));
    EXPECT_FALSE(doc.dragGrip(id, 5, {1, 1, 0})) << "no sixth grip";
    EXPECT_EQ(shape<CircleShape>(id), circle);
}

} // namespace
} // namespace quadrilo::cad::test
