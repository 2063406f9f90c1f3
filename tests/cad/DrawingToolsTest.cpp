// The drawing tools driven by scripted input: picks, typed coordinates and values, Enter,
// cancel; each command is one undo step.
#include "CadFixture.h"

#include "cad/DrawingTools.h"

#include <numbers>

namespace quadrilo::cad::test {
namespace {

class DrawingTools : public CadFixture {
protected:
    std::vector<Subscription> tools = registerDrawingTools(doc);
    void type(const std::string& text) { (void)doc.typeText(text); }
};

TEST_F(DrawingTools, LineChainsPointsAndTypedCoordinatesUntilCancel) {
    ASSERT_TRUE(doc.execute(CmdLine));
    doc.inputPoint({0, 0, 0});
    type("100,0");
    type("@0,50");
    doc.inputPoint({0, 50, 0}); // a point picked after typed ones chains from the last
    doc.cancelCommand();
    const auto lines = shapes<LineShape>();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].end, (Point3{100, 0, 0}));
    EXPECT_EQ(lines[1].end, (Point3{100, 50, 0}));
    EXPECT_EQ(lines[2].start, (Point3{100, 50, 0}));
    EXPECT_FALSE(doc.runner().active());
    // The whole chain is one undo step.
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(count(), 0u);
}

TEST_F(DrawingTools, EnterRepeatsTheLastCommandAndNamesStartCommands) {
    type("C");
    type("10,10");
    type("25"); // typed radius
    EXPECT_FALSE(doc.runner().active());
    type(""); // Enter: circle again
    EXPECT_EQ(doc.runner().activeId(), CmdCircle);
    type("0,0");
    type("-3"); // refused, still asking
    EXPECT_TRUE(doc.runner().active());
    doc.inputPoint({0, 7, 0}); // radius by a point
    const auto circles = shapes<CircleShape>();
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_DOUBLE_EQ(circles[0].radius, 25);
    EXPECT_DOUBLE_EQ(circles[1].radius, 7);
}

TEST_F(DrawingTools, ConstructionLinesThroughPointsOrHorizontalAndVertical) {
    type("XL");
    type("0,0");
    type("100,100");
    type("0,100");
    doc.cancelCommand();
    type("XL");
    type("H");
    type("0,250");
    type("0,500");
    doc.cancelCommand();
    const auto xl = shapes<XLineShape>();
    ASSERT_EQ(xl.size(), 4u);
    EXPECT_EQ(xl[0].dir, (Point3{100, 100, 0}));
    EXPECT_EQ(xl[1].dir, (Point3{0, 100, 0}));
    EXPECT_EQ(xl[3].base, (Point3{0, 500, 0}));
    EXPECT_EQ(xl[3].dir, (Point3{1, 0, 0}));
}

TEST_F(DrawingTools, TextAsksHeightAngleAndContent) {
    type("T");
    type("10,20");
    type("");   // default height
    type("90"); // degrees
    type("Viga V1");
    const auto texts = shapes<TextShape>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Viga V1");
    EXPECT_DOUBLE_EQ(texts[0].look.height, doc.drawing().settings().textHeight);
    EXPECT_NEAR(texts[0].look.angle, std::numbers::pi / 2, 1e-12);
    // Escape in the middle leaves nothing behind.
    type("T");
    type("0,0");
    type("5");
    doc.cancelCommand();
    EXPECT_EQ(shapes<TextShape>().size(), 1u);
}

TEST_F(DrawingTools, RectangleDimensionsAndInsert) {
    type("REC");
    type("0,0");
    type("@200,100");
    const auto rects = shapes<PolylineShape>();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(rects[0].closed);
    EXPECT_EQ(rects[0].vertices[2], (Point3{200, 100, 0}));

    type("DLI");
    type("0,0");
    type("200,100");
    type("100,-30"); // pulled below: the horizontal distance
    type("DLI");
    type("0,0");
    type("200,100");
    type("260,50"); // pulled sideways: the vertical distance
    const auto dims = shapes<DimensionShape>();
    ASSERT_EQ(dims.size(), 2u);
    EXPECT_DOUBLE_EQ(dims[0].angle, 0.0);
    EXPECT_DOUBLE_EQ(dims[1].angle, std::numbers::pi / 2);

    {
        Transaction tx(drawing());
        const BlockId block = tx.addBlock("PILAR", {0, 0, 0});
        tx.addToBlock(block, Entity{.shape = AttDefShape{{0, 30, 0}, "NOME", "P?", {}}});
    }
    type("I");
    type("NOPE"); // unknown: asked again
    EXPECT_TRUE(doc.runner().active());
    type("PILAR");
    type("400,500");
    const auto inserts = shapes<InsertShape>();
    ASSERT_EQ(inserts.size(), 1u);
    ASSERT_EQ(inserts[0].attributes.size(), 1u);
    EXPECT_EQ(inserts[0].attributes[0].value, "P?");
    EXPECT_EQ(inserts[0].attributes[0].at, (Point3{400, 530, 0}));
}

TEST_F(DrawingTools, VertexCommandsEditPolylines) {
    type("REC");
    type("0,0");
    type("100,100");
    const auto vertices = [&] { return shapes<PolylineShape>().at(0).vertices; };
    doc.setPickAperture(2);
    type("VERTEXINSERT");
    type("50,0.5"); // on the bottom edge
    ASSERT_EQ(vertices().size(), 5u);
    EXPECT_EQ(vertices()[1], (Point3{50, 0.5, 0}));
    type("VERTEXEDIT");
    type("50,0");
    type("50,-20");
    EXPECT_EQ(vertices()[1], (Point3{50, -20, 0}));
    type("VERTEXDELETE");
    type("100,100");
    ASSERT_EQ(vertices().size(), 4u);
    EXPECT_EQ(vertices()[3], (Point3{0, 100, 0}));
}

} // namespace
} // namespace quadrilo::cad::test
