// View transform: plan mapping both ways, zoom about the cursor, fitting, standard views.
#include "cad/canvas/ViewTransform.h"

#include <gtest/gtest.h>

namespace quadrilo::cad::canvas::test {
namespace {

ViewTransform planView() {
    ViewTransform v;
    v.setViewport({800, 600});
    v.setCentre({100, 50, 0});
    v.setPixelsPerUnit(2.0);
    return v;
}

TEST(ViewTransform, PlanMapsYUpwardsAndBack) {
    const ViewTransform v = planView();
    const QPointF c = v.toScreen({100, 50, 0});
    EXPECT_DOUBLE_EQ(c.x(), 400);
    EXPECT_DOUBLE_EQ(c.y(), 300);
    const QPointF p = v.toScreen({110, 60, 0});
    EXPECT_DOUBLE_EQ(p.x(), 420);
    EXPECT_DOUBLE_EQ(p.y(), 280); // +Y is up on the screen
    const Point3 back = v.toDrawing({420, 280});
    EXPECT_NEAR(back.x, 110, 1e-12);
    EXPECT_NEAR(back.y, 60, 1e-12);
    EXPECT_EQ(back.z, 0.0);
    const cad::Extent e = v.visibleExtent();
    EXPECT_DOUBLE_EQ(e.minX, -100);
    EXPECT_DOUBLE_EQ(e.maxY, 200);
}

TEST(ViewTransform, ZoomKeepsThePointUnderTheCursor) {
    for (const bool plan : {true, false}) {
        ViewTransform v = planView();
        if (!plan)
            v.setAngles(standardView(137));
        const QPointF cursor(130, 470);
        const Point3 before = v.toDrawing(cursor);
        v.zoomAt(cursor, 3.7);
        const QPointF after = v.toScreen(before);
        EXPECT_NEAR(after.x(), cursor.x(), 1e-9);
        EXPECT_NEAR(after.y(), cursor.y(), 1e-9);
        EXPECT_DOUBLE_EQ(v.pixelsPerUnit(), 7.4);
    }
    ViewTransform v = planView();
    v.zoomAt({0, 0}, 0.0); // refused, not a collapse of the view
    v.zoomAt({0, 0}, std::nan(""));
    EXPECT_DOUBLE_EQ(v.pixelsPerUnit(), 2.0);
}

TEST(ViewTransform, FitShowsTheWholeExtentInEveryView) {
    for (int command = 130; command <= 139; ++command) {
        ViewTransform v = planView();
        v.setAngles(standardView(command));
        const cad::Extent e{-500, 200, 1500, 900};
        v.fit(e, -80, 0);
        for (const double x : {e.minX, e.maxX})
            for (const double y : {e.minY, e.maxY})
                for (const double z : {-80.0, 0.0}) {
                    const QPointF s = v.toScreen({x, y, z});
                    EXPECT_GE(s.x(), -1e-6) << command;
                    EXPECT_LE(s.x(), 800 + 1e-6) << command;
                    EXPECT_GE(s.y(), -1e-6) << command;
                    EXPECT_LE(s.y(), 600 + 1e-6) << command;
                }
    }
}

// Where the axes point on the screen in each standard view (screen y grows downwards).
TEST(ViewTransform, StandardViewsOrientTheAxes) {
    struct Case {
        int command;
        int xRight, yUp, zUp; // signs of the screen images of +X (right), +Y (up), +Z (up)
    };
    const Case cases[] = {
        {131, +1, +1, 0},  // top: plan, Z towards the viewer
        {132, +1, -1, 0},  // bottom: seen from below, Y downwards
        {135, +1, 0, +1},  // front: X right, Z up
        {136, -1, 0, +1},  // back
        {133, 0, 0, +1},   // left: Y goes to the right
        {137, +1, +1, +1}, // south-west isometric
        {139, -1, -1, +1}, // north-east
    };
    for (const auto& c : cases) {
        ViewTransform v;
        v.setAngles(standardView(c.command));
        const auto sign = [](double s) { return s > 1e-9 ? 1 : (s < -1e-9 ? -1 : 0); };
        EXPECT_EQ(sign(v.toScreenDirection({1, 0, 0}).x()), c.xRight) << c.command;
        EXPECT_EQ(sign(-v.toScreenDirection({0, 1, 0}).y()), c.yUp) << c.command;
        EXPECT_EQ(sign(-v.toScreenDirection({0, 0, 1}).y()), c.zUp) << c.command;
    }
    ViewTransform v;
    v.setAngles(standardView(131));
    EXPECT_TRUE(v.isPlan());
    v.setAngles(standardView(138));
    EXPECT_FALSE(v.isPlan());
}

} // namespace
} // namespace quadrilo::cad::canvas::test
