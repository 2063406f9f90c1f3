// The drawing's and the document's events: created entities seen finished, one event per
// change whatever the path, verdicts that refuse or change a move, multicast subscriptions
// ended by their tokens, selection, history and command notifications.
#include "CadFixture.h"

#include "cad/DrawingTools.h"

#include <sstream>

namespace quadrilo::cad::test {
namespace {

class Events : public CadFixture {
protected:
    std::vector<Subscription> tools = registerDrawingTools(doc);
    std::vector<std::string> log;
    std::vector<Subscription> tokens;

    template <class... Args> void note(const char* what, Args... args) {
        std::ostringstream s;
        s << what;
        ((s << ' ' << args), ...);
        log.push_back(s.str());
    }
    // Every entity event, logged by name and entity id.
    void logEntityEvents() {
        auto& ev = doc.events();
        tokens.push_back(ev.created.subscribe([this](EntityId e) { note("created", e.value); }));
        tokens.push_back(ev.erasing.subscribe([this](EntityId e) {
            note("erasing", e.value);
            return Verdict::Proceed;
        }));
        tokens.push_back(ev.moving.subscribe([this](EntityId e, Point3& d) {
            note("moving", e.value, d.x, d.y);
            return Verdict::Proceed;
        }));
        tokens.push_back(ev.gripping.subscribe([this](EntityId e, int grip, Point3&) {
            note("gripping", e.value, grip);
            return Verdict::Proceed;
        }));
        tokens.push_back(
            ev.entityChanged.subscribe([this](EntityId e) { note("changed", e.value); }));
        tokens.push_back(ev.layerReplaced.subscribe([this](const LayerReplacement& r) {
            note("replaced", r.layer.value, r.went.size(), r.added.size());
        }));
        tokens.push_back(ev.layerChanged.subscribe([this](LayerId l) { note("layer", l.value); }));
        tokens.push_back(ev.blockAdded.subscribe([this](BlockId b) { note("block", b.value); }));
        tokens.push_back(ev.stylesChanged.subscribe([this] { note("styles"); }));
        tokens.push_back(ev.dataChanged.subscribe([this] { note("data"); }));
    }
};

TEST_F(Events, ACreatedEntityIsSeenFinished) {
    const LayerId vigas = addLayer("Vigas", 1);
    Entity seen;
    tokens.push_back(doc.events().created.subscribe([&](EntityId e) { seen = entity(e); }));
    Transaction tx(drawing());
    tx.add(Entity{.layer = vigas,
                  .color = 1,
                  .userData = 1,
                  .exData = bytes(192, 9),
                  .shape = MlineShape{{{0, 0, 0}, {500, 0, 0}}, false, "stVigas", 274, {}}});
    EXPECT_EQ(seen.userData, 1);
    EXPECT_EQ(seen.exData, bytes(192, 9));
    EXPECT_EQ(seen.layer, vigas);
    EXPECT_EQ(seen.color, 1);
}

struct Path {
    const char* name;
    std::function<void(Document&, EntityId line, EntityId insert)> act;
    const char* expected; // the events it raises, in the form of the log
};

class EveryPath : public Events, public ::testing::WithParamInterface<Path> {};

TEST_P(EveryPath, RaisesItsEventExactlyOnce) {
    const EntityId line = add(LineShape{{0, 0, 0}, {100, 0, 0}});
    EntityId insert;
    {
        Transaction setup(drawing());
        const BlockId block = setup.addBlock("PILAR", {});
        setup.addToBlock(block, Entity{.shape = AttDefShape{{0, 10, 0}, "NOME", "P?", {}}});
        insert = setup.add(Entity{.shape = *drawing().insertOf(block, {}, 1, 0)});
    }
    logEntityEvents();
    GetParam().act(doc, line, insert);
    std::string joined;
    for (const std::string& l : log)
        joined += (joined.empty() ? "" : "; ") + l;
    EXPECT_EQ(joined, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EveryPath,
    ::testing::Values(
        Path{"Create",
             [](Document& d, EntityId, EntityId) {
                 Transaction(d.drawing()).add(Entity{.shape = PointShape{}});
             },
             "created 4"},
        Path{"Erase",
             [](Document& d, EntityId line, EntityId) {
                 d.select(line, true);
                 d.eraseSelection();
             },
             "erasing 1"},
        Path{"Move",
             [](Document& d, EntityId line, EntityId) {
                 d.moveEntities({line}, {5, 0, 0});
             },
             "moving 1 5 0"},
        Path{"Grip",
             [](Document& d, EntityId line, EntityId) {
                 d.dragGrip(line, 1, {0, 5, 0});
             },
             "gripping 1 1"},
        Path{"Property",
             [](Document& d, EntityId line, EntityId) {
                 Transaction(d.drawing()).setColor(line, 3);
             },
             "changed 1"},
        Path{"ExtendedData",
             [](Document& d, EntityId line, EntityId) {
                 Transaction(d.drawing()).setExtendedData(line, bytes(160, 1));
             },
             "changed 1"},
        Path{"Attribute",
             [](Document& d, EntityId, EntityId insert) {
                 Transaction(d.drawing()).setAttributeValue(insert, 0, "P1");
             },
             "changed 3"},
        Path{"VertexTool",
             [](Document& d, EntityId, EntityId) {
                 Transaction(d.drawing())
                     .add(Entity{.shape = PolylineShape{{{0, 50, 0}, {100, 50, 0}}, false, 0}});
                 d.typeText("VERTEXINSERT");
                 d.typeText("50,50");
             },
             "created 4; changed 4"},
        Path{"Paste",
             [](Document& d, EntityId line, EntityId) {
                 d.select(line, true);
                 d.copySelection();
                 d.paste({0, 10, 0});
             },
             "created 4"},
        Path{"Layer",
             [](Document& d, EntityId, EntityId) {
                 Transaction(d.drawing()).addLayer(Layer{"Lajes", 2});
             },
             "layer 2"},
        Path{"Block",
             [](Document& d, EntityId, EntityId) { Transaction(d.drawing()).addBlock("LAJE", {}); },
             "block 2"},
        Path{"Style",
             [](Document& d, EntityId, EntityId) {
                 Transaction(d.drawing()).addMlineStyle(MlineStyle{"stVigas", 274, {{0, 1}}});
             },
             "styles"},
        Path{"DrawingData",
             [](Document& d, EntityId, EntityId) {
                 Transaction(d.drawing()).setDrawingData(bytes(1400, 1));
             },
             "data"},
        Path{"ReplaceLayer",
             [](Document& d, EntityId, EntityId) {
                 Transaction(d.drawing())
                     .replaceLayerContents(d.drawing().settings().currentLayer,
                                           {Entity{.shape = PointShape{}}});
             },
             "replaced 1 2 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Events, HandlersRefuseErasuresMovesAndGripsAndMayChangeTheDisplacement) {
    const EntityId column = add(PointShape{{0, 0, 0}});
    const EntityId node = add(PointShape{{50, 0, 0}});
    {
        Transaction tx(drawing());
        tx.setKindCode(column, 4);
        tx.setKindCode(node, 6);
    }
    tokens.push_back(doc.events().moving.subscribe([&](EntityId e, Point3& d) {
        if (entity(e).userData == 4)
            d.z = 0; // a column keeps its Z
        return Verdict::Proceed;
    }));
    tokens.push_back(doc.events().gripping.subscribe([&](EntityId e, int, Point3&) {
        return entity(e).userData == 6 ? Verdict::Refuse : Verdict::Proceed; // grillage
    }));
    tokens.push_back(doc.events().erasing.subscribe(
        [&](EntityId e) { return entity(e).userData == 6 ? Verdict::Refuse : Verdict::Proceed; }));

    EXPECT_EQ(doc.moveEntities({column, node}, {10, 0, 5}), 2u);
    EXPECT_EQ(shape<PointShape>(column).at, (Point3{10, 0, 0}));
    EXPECT_EQ(shape<PointShape>(node).at, (Point3{60, 0, 5}));
    EXPECT_FALSE(doc.dragGrip(node, 0, {1, 1, 0}));
    EXPECT_TRUE(doc.dragGrip(column, 0, {1, 1, 0}));
    doc.select(column, true);
    doc.select(node, true);
    EXPECT_EQ(doc.eraseSelection(), 1u);
    EXPECT_TRUE(drawing().entity(node)) << "refused";
    EXPECT_EQ(doc.selection().size(), 0u);
}

TEST_F(Events, SubscriptionsAreMulticastAndEndWithTheirToken) {
    int first = 0, second = 0;
    Subscription a = doc.events().created.subscribe([&](EntityId) { ++first; });
    {
        Subscription b = doc.events().created.subscribe([&](EntityId) { ++second; });
        add(PointShape{});
    }
    add(PointShape{});
    a.reset();
    add(PointShape{});
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 1);
    // A token that outlives its document is harmless.
    Document& other = engine.createDocument();
    Subscription late = other.events().created.subscribe([](EntityId) {});
    ASSERT_TRUE(engine.deleteDocument(other));
    EXPECT_FALSE(late);
}

TEST_F(Events, EverySelectionActionRaisesOneEventWithTheEntitiesItChanged) {
    const EntityId inside = add(LineShape{{10, 10, 0}, {20, 20, 0}});
    const EntityId crossing = add(LineShape{{50, 50, 0}, {150, 50, 0}});
    const EntityId far = add(CircleShape{{500, 500, 0}, 10});
    std::vector<SelectionChange> changes;
    tokens.push_back(doc.events().selectionChanged.subscribe(
        [&](const SelectionChange& c) { changes.push_back(c); }));
    const Extent box{0, 0, 100, 100};
    using Ids = std::vector<EntityId>;

    doc.selectWindow(box, false, true);
    doc.selectWindow(box, true, true); // crossing: only the new one changes
    doc.selectWindow(box, true, true); // nothing changes: no event
    doc.clearSelection();
    doc.selectPolygon({{-10, -10, 0}, {600, -10, 0}, {600, 400, 0}, {300, 600, 0}, {-10, 600, 0}},
                      false, true);
    doc.selectLayer(current(), false);
    EXPECT_TRUE(doc.select(far, true));
    EXPECT_EQ(doc.selectEntities({crossing, EntityId(99), inside}, true), 2u);
    ASSERT_EQ(changes.size(), 7u);
    EXPECT_EQ(changes[0].selected, Ids{inside});
    EXPECT_EQ(changes[1].selected, Ids{crossing});
    EXPECT_EQ(changes[2].deselected, (Ids{inside, crossing}));
    EXPECT_EQ(changes[3].selected, (Ids{inside, crossing})) << "in drawing order";
    EXPECT_EQ(changes[4].deselected, (Ids{inside, crossing}));
    EXPECT_EQ(changes[5].selected, Ids{far});
    EXPECT_EQ(changes[6].selected, (Ids{inside, crossing})) << "a stale id skipped";
}

TEST_F(Events, UndoAndRedoNameWhatCameBackAndWhatWent) {
    const EntityId kept = add(PointShape{});
    {
        Transaction tx(drawing());
        tx.setKindCode(kept, 4);
    }
    EntityId created;
    {
        Transaction tx(drawing());
        created = tx.add(Entity{.userData = 1, .shape = PointShape{{1, 1, 0}}});
        tx.erase(kept);
    }
    std::vector<std::string> seen;
    tokens.push_back(doc.events().historyStepped.subscribe([&](const HistoryStep& s) {
        std::ostringstream o;
        o << (s.kind == HistoryKind::Undo ? "undo" : s.kind == HistoryKind::Redo ? "redo" : "back");
        for (EntityId id : s.cameBack)
            o << " back " << id.value << " kind " << entity(id).userData;
        for (const Entity* e : s.went)
            o << " went " << e->id.value << " kind " << e->userData;
        for (EntityId id : s.changed)
            o << " changed " << id.value;
        seen.push_back(o.str());
    }));
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.redo());
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    const std::string late = std::to_string(drawing().nextId());
    try {
        Transaction tx(drawing());
        tx.setColor(kept, 3);
        tx.add(Entity{.userData = 7, .shape = PointShape{}});
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    const std::string c = std::to_string(created.value);
    EXPECT_EQ(seen, (std::vector<std::string>{"undo back 1 kind 4 went " + c + " kind 1",
                                              "redo back " + c + " kind 1 went 1 kind 4",
                                              "undo back 1 kind 4 went " + c + " kind 1",
                                              "undo changed 1",
                                              "back went " + late + " kind 7 changed 1"}));
}

TEST_F(Events, ACommandThatEndsAtItsFirstPromptIsToldEndedWhenItEnds) {
    std::vector<int> ended;
    tokens.push_back(doc.events().commandEnded.subscribe([&](int id) { ended.push_back(id); }));
    ASSERT_TRUE(doc.execute(CmdLine)); // the line waits for its first point
    EXPECT_TRUE(ended.empty());
    doc.typeText("0,0");
    doc.typeText("10,0");
    doc.cancelCommand();
    doc.execute(CmdUndo);
    EXPECT_EQ(ended, (std::vector<int>{CmdLine, CmdUndo}));
}

TEST_F(Events, PasteTakenOverByTheExecuteHandlerPastesInPlaceThenMovesEachCopy) {
    const EntityId load = add(PointShape{{100, 200, 0}});
    {
        Transaction tx(drawing());
        tx.setKindCode(load, 9);
        tx.setExtendedData(load, bytes(88, 5));
    }
    doc.select(load, true);
    ASSERT_TRUE(doc.execute(CmdCopy));
    // The structural program's paste: in place, then moved, and never the engine's own.
    tokens.push_back(doc.events().executing.subscribe([&](int id) {
        note("execute", id);
        if (id != CmdPaste)
            return Verdict::Proceed;
        if (clipboardHoldsEntities(engine.clipboard())) {
            (void)doc.paste({0, 0, 0});
            doc.execute(CmdMove);
        }
        return Verdict::Refuse;
    }));
    logEntityEvents();
    ASSERT_TRUE(doc.execute(CmdPaste));
    ASSERT_EQ(doc.runner().activeId(), CmdMove) << "the move waits for its base point";
    ASSERT_EQ(doc.selection().size(), 1u);
    const EntityId copy = doc.selection().entities()[0];
    EXPECT_NE(copy, load);
    EXPECT_EQ(shape<PointShape>(copy).at, (Point3{100, 200, 0})) << "pasted over its source";
    doc.inputPoint({100, 200, 0});
    doc.inputPoint({150, 200, 0});
    const std::string c = std::to_string(copy.value);
    EXPECT_EQ(log, (std::vector<std::string>{"execute 305", "created " + c, "execute 313",
                                             "moving " + c + " 50 0"}));
    EXPECT_EQ(entity(copy).exData, bytes(88, 5));
    EXPECT_EQ(entity(copy).userData, 9);
}

TEST_F(Events, PointerEventsCarryDrawingCoordinates) {
    tokens.push_back(
        doc.events().mouseMoved.subscribe([&](const Point3& p) { note("mouse", p.x); }));
    tokens.push_back(doc.events().doubleClicked.subscribe([&](const Point3& p) {
        note("double", p.x);
        return Verdict::Refuse;
    }));
    doc.reportMouseMove({1.5, 2.5, 0});
    EXPECT_TRUE(doc.reportDoubleClick({3, 4, 0}));
    EXPECT_EQ(log, (std::vector<std::string>{"mouse 1.5", "double 3"}));
}

} // namespace
} // namespace quadrilo::cad::test
