// How the command line's lines reach a waiting command: text answers as typed, typos re-asked,
// the command's own keywords, the point entry forms, and what MOVE and paste leave behind.
#include "CadFixture.h"

#include "cad/DrawingTools.h"

namespace quadrilo::cad::test {
namespace {

class TypedInput : public CadFixture {
protected:
    std::vector<Subscription> tools = registerDrawingTools(doc);
    std::vector<std::string> prompts;
    Subscription listen =
        doc.events().prompted.subscribe([this](const std::string& p) { prompts.push_back(p); });

    void type(const std::string& text) { (void)doc.typeText(text); }
    void type(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            type(line);
    }
    const std::string& said(TextId id) { return doc.texts().text(id); }
};

TEST_F(TypedInput, ATextAnswerIsTheTextEvenWhenItReadsAsACommandOrAPoint) {
    add(rectangle({0, 0, 0}, 10, 10, 0));
    for (const char* content : {"U", "L", "3,5", "C", "MOVE"}) {
        type({"TEXT", "0,0", "", ""});
        type(content);
        EXPECT_FALSE(doc.runner().active()) << content;
    }
    const auto texts = shapes<TextShape>();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, "U");
    EXPECT_EQ(texts[2].text, "3,5");
    EXPECT_EQ(shapes<PolylineShape>().size(), 1u); // U undid nothing
    // The lines of a multi-line text, and a block name, are text too.
    type({"MTEXT", "0,0", "100,50", "C", "3,5", ""});
    ASSERT_EQ(shapes<MTextShape>().size(), 1u);
    EXPECT_EQ(shapes<MTextShape>()[0].text, "C\\P3,5");
    type({"INSERT", "L"});
    EXPECT_EQ(doc.runner().activeId(), CmdInsertBlock);
    EXPECT_EQ(prompts[prompts.size() - 2], doc.texts().format(TextId::UnknownBlock, {"L"}));
}

TEST_F(TypedInput, ATypoAtAPromptSaysWhatWasWrongAndAsksAgain) {
    type({"LINE", "100;200"});
    EXPECT_EQ(doc.runner().activeId(), CmdLine);
    ASSERT_GE(prompts.size(), 2u);
    EXPECT_EQ(prompts[prompts.size() - 2], said(TextId::InvalidPoint));
    EXPECT_EQ(doc.promptText(), said(TextId::SpecifyPoint));
    type({"0,0", "10;0", "10,0"});
    EXPECT_EQ(shapes<LineShape>().size(), 1u);
    doc.cancelCommand();

    // Text heights must be positive: 0, a negative one and a word are refused.
    type({"TEXT", "0,0", "0", "-2", "alto"});
    EXPECT_EQ(doc.runner().activeId(), CmdText);
    EXPECT_EQ(std::count(prompts.begin(), prompts.end(), said(TextId::InvalidValue)), 3);
    type({"2.5", "", "V1"});
    ASSERT_EQ(shapes<TextShape>().size(), 1u);
    EXPECT_DOUBLE_EQ(shapes<TextShape>()[0].look.height, 2.5);
}

TEST_F(TypedInput, UInLineTakesBackTheLastSegmentAndGoesOn) {
    type({"LINE", "U"}); // nothing drawn yet: a point is still wanted
    EXPECT_EQ(doc.runner().activeId(), CmdLine);
    type({"0,0", "10,0", "10,10", "U"});
    EXPECT_EQ(doc.runner().activeId(), CmdLine);
    EXPECT_EQ(shapes<LineShape>().size(), 1u);
    type("u"); // the first segment too; then nothing more to take back
    type("U");
    EXPECT_EQ(prompts[prompts.size() - 2], said(TextId::NothingToUndo));
    EXPECT_EQ(doc.runner().activeId(), CmdLine);
    type({"0,20", ""});
    const auto lines = shapes<LineShape>();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].start, (Point3{0, 0, 0}));
    EXPECT_EQ(lines[0].end, (Point3{0, 20, 0}));
    // U after the command ended is the ordinary undo of the whole run.
    type("U");
    EXPECT_TRUE(shapes<LineShape>().empty());
}

TEST_F(TypedInput, PolarBareDistanceAndRelativeFirstPoints) {
    type({"LINE", "10,10", "@10<90"});
    doc.reportMouseMove({40, 60, 0}); // the cursor points along (3, 4) from (10, 20)
    type({"5", ""});
    // The first point of the next command may be relative to the last one.
    type({"LINE", "@1,1", "@0,-1", ""});
    const auto lines = shapes<LineShape>();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NEAR(lines[0].end.x, 10, 1e-12);
    EXPECT_NEAR(lines[0].end.y, 20, 1e-12);
    EXPECT_NEAR(lines[1].end.x, 13, 1e-12);
    EXPECT_NEAR(lines[1].end.y, 24, 1e-12);
    EXPECT_NEAR(lines[2].start.x, 14, 1e-12);
    EXPECT_NEAR(lines[2].start.y, 25, 1e-12);
    EXPECT_NEAR(lines[2].end.y, 24, 1e-12);
}

TEST_F(TypedInput, ACancelledPasteLeavesTheDrawingAsItWas) {
    const EntityId source = add(LineShape{{0, 0, 0}, {10, 0, 0}});
    doc.select(source, true);
    ASSERT_TRUE(doc.copySelection());
    doc.clearSelection();
    const auto before = snapshot();
    for (const int stage : {0, 1}) { // cancelled at the base point, then at the second point
        ASSERT_TRUE(doc.execute(CmdPaste));
        if (stage == 1)
            doc.inputPoint({0, 0, 0});
        doc.cancelCommand();
        EXPECT_EQ(snapshot(), before) << stage;
        EXPECT_TRUE(doc.selection().empty()) << stage;
    }
    ASSERT_TRUE(doc.undo()); // the only step is the source's
    EXPECT_EQ(count(), 0u);
}

TEST_F(TypedInput, MoveTakesAWindowOrACrossingAndPreviewsTheMovingEntities) {
    const EntityId inside = add(LineShape{{10, 10, 0}, {20, 10, 0}});
    const EntityId across = add(LineShape{{10, 40, 0}, {60, 40, 0}});
    ASSERT_TRUE(doc.execute(CmdMove));
    type({"0,0", "50,50"}); // left to right: only what lies wholly inside
    EXPECT_TRUE(doc.selection().contains(inside));
    EXPECT_FALSE(doc.selection().contains(across));
    type({"50,30", "0,50"}); // right to left: also what crosses
    EXPECT_TRUE(doc.selection().contains(across));
    type({"", "0,0"});
    const auto bands = doc.runner().drag({5, 0, 0});
    // The line from the base point, then each entity's outline moved with the cursor.
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[1].points[0], (Point3{15, 10, 0}));
    EXPECT_EQ(bands[2].points[1], (Point3{65, 40, 0}));
    type("5,0");
    EXPECT_EQ(shape<LineShape>(inside).start, (Point3{15, 10, 0}));
    EXPECT_EQ(shape<LineShape>(across).end, (Point3{65, 40, 0}));
}

TEST_F(TypedInput, AnOpenedOrNewlyBuiltDrawingStartsAnEmptyUndoHistory) {
    TempDir dir;
    drawEveryKind(doc);
    ASSERT_TRUE(doc.save(dir.file("d.vec")));
    ASSERT_TRUE(doc.open(dir.file("d.vec")));
    EXPECT_FALSE(doc.undo());
    add(PointShape{{1, 1, 0}}); // a program's own set-up after opening
    doc.beginHistory();
    EXPECT_FALSE(doc.undo());
    type("U");
    EXPECT_EQ(doc.promptText(), said(TextId::NothingToUndo));
}

} // namespace
} // namespace quadrilo::cad::test
