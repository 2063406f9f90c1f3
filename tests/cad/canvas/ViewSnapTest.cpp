// Snapping as the screen shows it: on the floor's plane in plan, on the projected entities in
// other views, and the marker where the point that will be used lies.
#include "CanvasFixture.h"

#include "cad/DrawingTools.h"

namespace quadrilo::cad::canvas::test {
namespace {

class ViewSnap : public CanvasFixture {};

TEST_F(ViewSnap, InPlanSnappedPointsLieOnTheFloorsPlane) {
    // The deformed grillage under a beam end: its nodes lie at z = -55.
    add(LineShape{{100, 100, -55}, {100, 300, -55}});
    ASSERT_TRUE(doc.execute(CmdLine));
    click(101, 101);
    click(99, 299);
    doc.cancelCommand();
    const auto lines = shapes<LineShape>();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].start, (Point3{100, 100, 0}));
    EXPECT_EQ(lines[1].end, (Point3{100, 300, 0}));
}

TEST_F(ViewSnap, InAnIsometricViewSnapsFindWhatTheScreenShows) {
    const EntityId low = add(LineShape{{100, 100, -300}, {200, 100, -300}});
    canvas->view().setAngles(standardView(137));
    canvas->commitView();
    // The cursor over the lowered end on the screen, far from it in plan on z = 0.
    const QPointF onScreen = canvas->view().toScreen({200, 100, -300});
    const Point3 onFloor = canvas->view().toDrawing(onScreen);
    ASSERT_GT(std::hypot(onFloor.x - 200, onFloor.y - 100), 100.0);
    ASSERT_TRUE(doc.execute(CmdLine));
    const Point3 p = canvas->inputPointAt(onScreen + QPointF(3, -2));
    EXPECT_NEAR(p.x, 200, 1e-9);
    EXPECT_NEAR(p.y, 100, 1e-9);
    EXPECT_NEAR(p.z, -300, 1e-9);
    ASSERT_TRUE(canvas->currentSnap());
    EXPECT_EQ(canvas->currentSnap()->kind, SnapKind::Endpoint);
    // A point along the segment keeps its place along it: the midpoint snap.
    const Point3 mid = canvas->inputPointAt(canvas->view().toScreen({150, 100, -300}));
    EXPECT_NEAR(mid.x, 150, 1e-9);
    EXPECT_NEAR(mid.z, -300, 1e-9);
    // Moved away, the geometry follows the entity.
    doc.cancelCommand();
    Transaction(drawing()).move(low, {0, 0, 300});
    ASSERT_TRUE(doc.execute(CmdLine));
    const Point3 raised = canvas->inputPointAt(canvas->view().toScreen({200, 100, 0}));
    EXPECT_NEAR(raised.z, 0, 1e-9);
    EXPECT_NEAR(raised.x, 200, 1e-9);
}

TEST_F(ViewSnap, WithOrthoAndGridTheMarkerShowsThePointUsed) {
    canvas->setOrtho(true);
    canvas->snapSettings().modes = SnapGrid;
    ASSERT_TRUE(doc.execute(CmdLine));
    click(100, 100);
    const Point3 used = canvas->inputPointAt(QPointF(px(243, 118)));
    EXPECT_EQ(used, (Point3{240, 100, 0}));
    ASSERT_TRUE(canvas->currentSnap());
    EXPECT_EQ(canvas->currentSnap()->point, used);
}

} // namespace
} // namespace quadrilo::cad::canvas::test
