// The canvas driven as a user drives it: commands typed on the command line, points picked with
// snaps, typed coordinates, Escape and the right button, window and crossing selection, grip
// drags, undo, wheel zoom and the context menu chosen.
#include "CanvasFixture.h"

#include "cad/DrawingTools.h"
#include "cad/canvas/CommandLine.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace quadrilo::cad::canvas::test {
namespace {

class CanvasInteraction : public CanvasFixture {
protected:
    QPlainTextEdit log;
    CommandLine line{*canvas, &log};

    void enter(const QString& text) {
        line.edit()->setText(text);
        QTest::keyClick(line.edit(), Qt::Key_Return);
    }
    EntityId addLine(double x1, double y1, double x2, double y2) {
        return add(LineShape{{x1, y1, 0}, {x2, y2, 0}});
    }
};

TEST_F(CanvasInteraction, PicksSnapToEndpointsAndIntersectionsOfConstructionLines) {
    addLine(100, 100, 300, 100);
    add(XLineShape{{500, 0, 0}, {0, 1, 0}});
    add(XLineShape{{0, 400, 0}, {1, 0, 0}});
    enter("LINE");
    EXPECT_EQ(line.prompt().toStdString(), "Specify a point:");
    click(296, 103); // near the line's end
    QTest::mouseMove(canvas.get(), px(503, 396));
    ASSERT_TRUE(canvas->currentSnap());
    EXPECT_EQ(canvas->currentSnap()->kind, SnapKind::Intersection);
    click(503, 396); // near the crossing of the two construction lines
    enter("@0,-50");
    QTest::keyClick(canvas.get(), Qt::Key_Escape);
    EXPECT_FALSE(doc.runner().active());
    const auto lines = shapes<LineShape>();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].start, (Point3{300, 100, 0}));
    EXPECT_EQ(lines[1].end, (Point3{500, 400, 0}));
    EXPECT_EQ(lines[2].end, (Point3{500, 350, 0}));
}

TEST_F(CanvasInteraction, RightButtonCancelsAndEnterRepeats) {
    enter("CIRCLE");
    click(200, 200);
    click(10, 10, Qt::RightButton);
    EXPECT_FALSE(doc.runner().active());
    EXPECT_EQ(entityCount(), 0u);
    QTest::keyClick(canvas.get(), Qt::Key_Return); // Enter on the canvas repeats CIRCLE
    EXPECT_EQ(doc.runner().activeId(), CmdCircle);
    click(200, 200);
    enter("50");
    EXPECT_EQ(shapes<CircleShape>().size(), 1u);
}

TEST_F(CanvasInteraction, OrthoConstrainsPicksWithoutObjectSnap) {
    canvas->setOrtho(true);
    canvas->snapSettings().modes = SnapObjects;
    enter("L");
    click(100, 100);
    click(300, 130); // more across than up: horizontal
    QTest::keyClick(canvas.get(), Qt::Key_Escape);
    const auto lines = shapes<LineShape>();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].end, (Point3{300, 100, 0}));
}

TEST_F(CanvasInteraction, WindowTakesWhatIsInsideCrossingAlsoWhatCrosses) {
    addLine(100, 100, 200, 100); // wholly inside the box below
    addLine(150, 150, 400, 150); // crosses its right side
    addLine(600, 500, 700, 500); // far away
    // Left to right: window.
    QTest::mousePress(canvas.get(), Qt::LeftButton, {}, px(50, 200));
    QTest::mouseMove(canvas.get(), px(250, 50));
    QTest::mouseRelease(canvas.get(), Qt::LeftButton, {}, px(250, 50));
    EXPECT_EQ(doc.selection().size(), 1u);
    QTest::keyClick(canvas.get(), Qt::Key_Escape); // clears the selection
    EXPECT_EQ(doc.selection().size(), 0u);
    // Right to left, as two clicks: crossing.
    click(250, 50);
    click(50, 200);
    EXPECT_EQ(doc.selection().size(), 2u);
    // Shift and a click removes one.
    click(300, 150, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(doc.selection().size(), 1u);
    EXPECT_EQ(canvas->contextMenuNumber(px(0, 0)), 2);
}

TEST_F(CanvasInteraction, GripDragMovesAnEndWithSnapAndUndoRestoresIt) {
    const EntityId moving = addLine(100, 100, 200, 100);
    addLine(300, 300, 400, 300);
    click(150, 100); // select by clicking on it
    ASSERT_EQ(doc.selection().size(), 1u);
    QTest::mousePress(canvas.get(), Qt::LeftButton, {}, px(200, 100));
    QTest::mouseMove(canvas.get(), px(297, 296));
    QTest::mouseRelease(canvas.get(), Qt::LeftButton, {}, px(297, 296));
    const auto end = [&] { return std::get<LineShape>(drawing().entity(moving)->shape).end; };
    EXPECT_EQ(end(), (Point3{300, 300, 0})); // snapped to the other's end
    enter("U");
    EXPECT_EQ(end(), (Point3{200, 100, 0}));
}

TEST_F(CanvasInteraction, AGripDragPreviewsTheEntityAsItWouldBeAndOnlyTheDropChangesIt) {
    const CircleShape circle{{400, 300, 0}, 50};
    const EntityId ring = add(circle);
    click(400, 250); // on the circle's south edge
    ASSERT_EQ(doc.selection().size(), 1u);
    canvas->snapSettings().modes = 0; // the radius follows the cursor, not a snap

    // The east quadrant pulled out to x = 520: a circle of radius 120, so far only shown.
    QTest::mousePress(canvas.get(), Qt::LeftButton, {}, px(450, 300));
    QTest::mouseMove(canvas.get(), px(520, 300));
    const auto preview = canvas->gripPreview();
    ASSERT_TRUE(preview);
    EXPECT_NEAR(std::get<CircleShape>(preview->shape).radius, 120.0, 1e-9);
    EXPECT_EQ(std::get<CircleShape>(drawing().entity(ring)->shape), circle);
    // The preview is painted: its west edge at x = 280 lies where nothing else is drawn.
    const QImage shown = canvas->grab().toImage();
    const QRgb band = QColor(255, 200, 0).rgb();
    int previewPixels = 0;
    for (int y = 290; y <= 310; ++y)
        for (int x = 276; x <= 284; ++x)
            previewPixels += shown.pixel(x, y) == band;
    EXPECT_GT(previewPixels, 3);

    QTest::mouseRelease(canvas.get(), Qt::LeftButton, {}, px(520, 300));
    EXPECT_FALSE(canvas->gripPreview()) << "no preview once dropped";
    EXPECT_NEAR(std::get<CircleShape>(drawing().entity(ring)->shape).radius, 120.0, 1e-9);

    // A line's midpoint grip carries the whole line.
    const EntityId moving = addLine(100, 100, 200, 100);
    click(120, 100);
    QTest::mousePress(canvas.get(), Qt::LeftButton, {}, px(150, 100));
    QTest::mouseMove(canvas.get(), px(150, 160));
    QTest::mouseRelease(canvas.get(), Qt::LeftButton, {}, px(150, 160));
    EXPECT_EQ(std::get<LineShape>(drawing().entity(moving)->shape),
              (LineShape{{100, 160, 0}, {200, 160, 0}}));
}

TEST_F(CanvasInteraction, WheelZoomsAroundTheCursorAndZoomExtentsFits) {
    const Point3 before = canvas->drawingPointAt(px(120, 80));
    QWheelEvent wheel(px(120, 80), canvas->mapToGlobal(px(120, 80)), {}, {0, 240}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas.get(), &wheel);
    EXPECT_NEAR(canvas->view().pixelsPerUnit(), 1.44, 1e-12);
    const Point3 after = canvas->drawingPointAt(px(120, 80));
    EXPECT_NEAR(after.x, before.x, 1e-9);
    EXPECT_NEAR(after.y, before.y, 1e-9);

    addLine(-1000, -1000, 3000, 1000);
    enter("ZE");
    const auto e = canvas->view().visibleExtent();
    EXPECT_LE(e.minX, -1000);
    EXPECT_GE(e.maxX, 3000);
    enter("ZP"); // back to the view before
    EXPECT_NEAR(canvas->view().pixelsPerUnit(), 1.44, 1e-12);
}

TEST_F(CanvasInteraction, KeysTypedOverTheCanvasGoToTheCommandLine) {
    QTest::keyClicks(canvas.get(), "rec");
    QTest::keyClick(canvas.get(), Qt::Key_Return);
    EXPECT_EQ(doc.runner().activeId(), CmdRectangle);
    QTest::keyClicks(line.edit(), "0,0");
    QTest::keyClick(line.edit(), Qt::Key_Return);
    QTest::keyClicks(line.edit(), "@30,40");
    QTest::keyClick(line.edit(), Qt::Key_Return);
    EXPECT_EQ(shapes<PolylineShape>().size(), 1u);
    EXPECT_TRUE(log.toPlainText().contains("@30,40"));
}

TEST_F(CanvasInteraction, ZoomWindowAndRealTimePanTakeTheirInputFromTheMouse) {
    enter("ZW");
    click(100, 100);
    click(300, 200); // 200 x 100 units into an 800 x 600 window
    EXPECT_NEAR(canvas->view().pixelsPerUnit(), 0.95 * 4.0, 1e-9);
    EXPECT_NEAR(canvas->view().centre().x, 200, 1e-9);
    EXPECT_NEAR(canvas->view().centre().y, 150, 1e-9);

    canvas->execute(CmdPanRealtime);
    const Point3 before = canvas->view().centre();
    QTest::mousePress(canvas.get(), Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseMove(canvas.get(), QPoint(438, 300));
    QTest::mouseRelease(canvas.get(), Qt::LeftButton, {}, QPoint(438, 300));
    EXPECT_NEAR(canvas->view().centre().x, before.x - 38 / 3.8, 1e-9); // the drawing follows
    EXPECT_EQ(entityCount(), 0u); // no point went to any command
    QTest::keyClick(canvas.get(), Qt::Key_Escape);
    EXPECT_FALSE(doc.runner().active());
}

TEST_F(CanvasInteraction, StandardViewsChangeTheViewAnglesKeptInTheDrawing) {
    enter("VIEWSW");
    EXPECT_NEAR(doc.drawing().settings().view.angleHor, 45.0, 1e-12);
    EXPECT_FALSE(canvas->view().isPlan());
    canvas->execute(131);
    EXPECT_DOUBLE_EQ(doc.drawing().settings().view.angleHor, 90.0);
    // Set from outside, as the application does for the deformed grillage.
    doc.setViewAngles(90.0, 0.0);
    EXPECT_DOUBLE_EQ(canvas->view().angles().ver, 0.0);
    // Turning left by ten degrees, as the isometric rotation buttons do.
    doc.setViewAngles(drawing().settings().view.angleHor + 10.0, 35.0);
    EXPECT_DOUBLE_EQ(canvas->view().angles().hor, 100.0);
    const QPointF yAxis = canvas->view().toScreenDirection({0, 1, 0});
    EXPECT_GT(yAxis.x(), 0.0); // +Y, straight ahead before: the view turned left of it
}

TEST_F(CanvasInteraction, PaintsWithoutCrashOnEveryEntityKind) {
    {
        Transaction tx(drawing());
        const auto put = [&](Shape shape) { tx.add(Entity{.shape = std::move(shape)}); };
        put(LineShape{{0, 0, 0}, {100, 100, 0}});
        put(XLineShape{{0, 0, 0}, {1, 1, 0}});
        put(RayShape{{10, 10, 0}, {0, 1, 0}});
        put(CircleShape{{50, 50, 0}, 20});
        put(TextShape{{10, 10, 0}, "L1", {12, 0.3, 4}});
        put(MTextShape{{10, 200, 0}, "a\\P\\H2x;b", 10, 100, 0, 5});
        put(DimensionShape{
            true, {0, 0, 0}, {100, 0, 0}, {50, -20, 0}, 0, drawing().settings().currentDimStyle});
        put(*drawing().mlineOf(drawing().settings().currentMlineStyle,
                               {{0, 300, 0}, {200, 300, 0}, {200, 500, 0}}, false));
        const BlockId block = tx.addBlock("B", {0, 0, 0});
        tx.addToBlock(block, Entity{.shape = CircleShape{{0, 0, 0}, 5}});
        put(*drawing().insertOf(block, {300, 300, 0}, 2.0, 0.5));
        drawing().settings().pointMode = 35;
        put(PointShape{{5, 5, 0}});
    }
    for (const int view : {131, 137, 133}) {
        canvas->execute(view);
        const QImage image = canvas->grab().toImage();
        EXPECT_EQ(image.size(), QSize(800, 600));
    }
}

} // namespace
} // namespace quadrilo::cad::canvas::test
