// Object snap as a function: each kind, the priority at equal distance, the aperture, the
// fallbacks to nearest and grid, and ortho.
#include "cad/canvas/Snap.h"

#include <gtest/gtest.h>

namespace quadrilo::cad::canvas::test {
namespace {

// Two lines forming an L, a construction line through them, a circle, a ray and a point.
SnapGeometry sampleGeometry() {
    SnapGeometry g;
    g.segments = {{{0, 0, 0}, {100, 0, 0}}, {{100, 0, 0}, {100, 80, 0}}};
    g.lines = {{{50, -100, 0}, {0, 1, 0}, false}, {{-200, 40, 0}, {1, 0, 0}, true}};
    g.circles = {{{300, 0, 0}, 20}};
    g.nodes = {{200, 200, 0}};
    return g;
}

struct Case {
    const char* name;
    Point3 cursor;
    unsigned modes;
    std::optional<SnapResult> expected;
};

TEST(Snap, FindsEachKindWithinTheAperture) {
    const SnapGeometry g = sampleGeometry();
    const Case cases[] = {
        {"endpoint", {97, 2, 0}, SnapObjects, SnapResult{{100, 0, 0}, SnapKind::Endpoint}},
        {"midpoint",
         {48, 1, 0},
         SnapEndpoint | SnapMidpoint,
         SnapResult{{50, 0, 0}, SnapKind::Midpoint}},
        {"construction line meets line",
         {48, 1, 0},
         SnapObjects,
         SnapResult{{50, 0, 0}, SnapKind::Intersection}},
        {"construction line meets ray",
         {52, 43, 0},
         SnapObjects,
         SnapResult{{50, 40, 0}, SnapKind::Intersection}},
        {"ray meets line",
         {101, 38, 0},
         SnapObjects,
         SnapResult{{100, 40, 0}, SnapKind::Intersection}},
        {"centre", {303, 4, 0}, SnapObjects, SnapResult{{300, 0, 0}, SnapKind::Centre}},
        {"node", {205, 197, 0}, SnapObjects, SnapResult{{200, 200, 0}, SnapKind::Node}},
        {"ray start", {-197, 41, 0}, SnapObjects, SnapResult{{-200, 40, 0}, SnapKind::Endpoint}},
        {"nearest on a line", {30, 4, 0}, SnapNearest, SnapResult{{30, 0, 0}, SnapKind::Nearest}},
        {"nearest on a circle",
         {300, 27, 0},
         SnapNearest,
         SnapResult{{300, 20, 0}, SnapKind::Nearest}},
        {"nothing near", {400, 400, 0}, SnapObjects | SnapNearest, std::nullopt},
        {"no modes", {100, 0, 0}, 0u, std::nullopt},
        {"grid", {400, 396, 0}, SnapObjects | SnapGrid, SnapResult{{400, 400, 0}, SnapKind::Grid}},
    };
    for (const auto& c : cases) {
        SnapSettings s;
        s.modes = c.modes;
        s.aperture = 8.0;
        s.gridSpacingX = s.gridSpacingY = 25.0;
        const auto got = findSnap(c.cursor, g, s);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.name;
        if (!got)
            continue;
        EXPECT_EQ(got->kind, c.expected->kind) << c.name;
        EXPECT_NEAR(got->point.x, c.expected->point.x, 1e-9) << c.name;
        EXPECT_NEAR(got->point.y, c.expected->point.y, 1e-9) << c.name;
    }
}

TEST(Snap, NearerCandidateWinsAndPriorityBreaksTies) {
    SnapGeometry g;
    // Two lines meeting at (100, 0): that point is an endpoint and an intersection at once.
    g.segments = {{{0, 0, 0}, {100, 0, 0}}, {{100, 0, 0}, {100, 100, 0}}};
    SnapSettings s;
    s.aperture = 60.0;
    auto r = findSnap({99, 1, 0}, g, s);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kind, SnapKind::Endpoint);
    // A midpoint nearer than an endpoint wins although its kind ranks lower.
    r = findSnap({53, 1, 0}, g, s);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kind, SnapKind::Midpoint);
    EXPECT_EQ(r->point, (Point3{50, 0, 0}));
}

TEST(Snap, IntersectionsOutsideTheSegmentsOrBehindARayDoNotCount) {
    SnapGeometry g;
    g.segments = {{{0, 0, 0}, {10, 0, 0}}, {{20, -5, 0}, {20, 5, 0}}}; // would meet at (20, 0)
    g.lines = {{{30, 10, 0}, {0, 1, 0}, true}};                        // ray upwards from y = 10
    g.circles = {{{0, 100, 0}, 10}, {{15, 100, 0}, 10}};               // meet at (7.5, 100 +- 6.6)
    SnapSettings s;
    s.modes = SnapIntersection;
    s.aperture = 12.0;
    EXPECT_FALSE(findSnap({20, 0, 0}, g, s));
    SnapGeometry behindRay;
    behindRay.segments = {{{0, 0, 0}, {40, 0, 0}}}; // crosses the ray's line behind its start
    behindRay.lines = g.lines;
    EXPECT_FALSE(findSnap({30, 0, 0}, behindRay, s));
    const auto r = findSnap({8, 105, 0}, g, s);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->point.x, 7.5, 1e-9);
    EXPECT_NEAR(r->point.y, 100 + std::sqrt(100 - 7.5 * 7.5), 1e-9);
}

TEST(Snap, OrthoKeepsTheLargerComponent) {
    EXPECT_EQ(orthoConstrain({10, 10, 0}, {50, 14, 3}), (Point3{50, 10, 3}));
    EXPECT_EQ(orthoConstrain({10, 10, 0}, {12, -40, 0}), (Point3{10, -40, 0}));
}

} // namespace
} // namespace quadrilo::cad::canvas::test
