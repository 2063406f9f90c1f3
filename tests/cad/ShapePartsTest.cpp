// The lines multilines and dimensions are drawn with: mitred offset paths, and a dimension's
// extension lines, arrowheads and value.
#include "cad/ShapeParts.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <numbers>

namespace quadrilo::cad::test {
namespace {

void expectNear(const Point3& got, const Point3& want) {
    EXPECT_NEAR(got.x, want.x, 1e-9) << "y " << got.y;
    EXPECT_NEAR(got.y, want.y, 1e-9) << "x " << got.x;
}

void expectPath(const std::vector<Point3>& got, const std::vector<Point3>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        expectNear(got[i], want[i]);
}

TEST(MlinePaths, EachLineIsOffsetWithMitredCornersAndKeepsItsColour) {
    const MlineShape beam{{{0, 0, 0}, {500, 0, 0}, {500, 400, 0}},
                          false,
                          "stVigas",
                          0,
                          {{10.0, ByLayerColor}, {-10.0, 1}}};
    const std::vector<MlinePath> paths = mlinePaths(beam);
    ASSERT_EQ(paths.size(), 2u);
    expectPath(paths[0].points, {{0, 10, 0}, {490, 10, 0}, {490, 400, 0}}); // left of travel
    expectPath(paths[1].points, {{0, -10, 0}, {510, -10, 0}, {510, 400, 0}});
    EXPECT_EQ(paths[0].color, ByLayerColor);
    EXPECT_EQ(paths[1].color, 1);
}

TEST(MlinePaths, AClosedOneRepeatsNoPointAndATurnBackIsSquaredOff) {
    const MlineShape square{
        {{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}}, true, "", 0, {{10.0, 256}}};
    expectPath(mlinePaths(square).at(0).points,
               {{10, 10, 0}, {90, 10, 0}, {90, 90, 0}, {10, 90, 0}});

    const MlineShape back{{{0, 0, 0}, {100, 0, 0}, {0, 0, 0}}, false, "", 0, {{10.0, 256}}};
    expectPath(mlinePaths(back).at(0).points, {{0, 10, 0}, {100, -10, 0}, {0, -10, 0}});

    EXPECT_TRUE(mlinePaths(MlineShape{{{0, 0, 0}}, false, "", 0, {{10.0, 256}}}).empty());
}

TEST(DimensionParts, ALinearDimensionHasItsFeetExtensionsArrowsAndValueAbove) {
    const DimStyle style{"Grelha", 10.0, 5.0, 2.0, 3.0, 2};
    const DimensionParts d =
        dimensionParts(DimensionShape{false, {0, 0, 0}, {300, 20, 0}, {0, -40, 0}, 0.0, {}}, style);
    expectNear(d.lineFrom, {0, -40, 0});
    expectNear(d.lineTo, {300, -40, 0});
    EXPECT_DOUBLE_EQ(d.value, 300.0);
    expectNear(d.ext1From, {0, -2, 0});
    expectNear(d.ext1To, {0, -43, 0});
    expectNear(d.ext2From, {300, 18, 0});
    expectNear(d.ext2To, {300, -43, 0});
    ASSERT_EQ(d.arrows.size(), 4u);
    const Point3 wings[] = {{5, -38.5, 0}, {5, -41.5, 0}, {295, -38.5, 0}, {295, -41.5, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        expectNear(d.arrows[i].first, i < 2 ? d.lineFrom : d.lineTo);
        expectNear(d.arrows[i].second, wings[i]);
    }
    expectNear(d.textAt, {150, -32, 0}); // 0.8 of the text height above the line
    EXPECT_DOUBLE_EQ(d.textAngle, 0.0);
}

TEST(DimensionParts, TheValueReadsUpwardsAndALengthOfNothingHasNoArrows) {
    const DimStyle style;
    const DimensionParts down =
        dimensionParts(DimensionShape{true, {0, 100, 0}, {0, 0, 0}, {20, 50, 0}, 0.0, {}}, style);
    EXPECT_NEAR(down.textAngle, std::numbers::pi / 2, 1e-12);
    expectNear(down.textAt, {20 - 8, 50, 0}); // the upper side, read from the right
    const DimensionParts none =
        dimensionParts(DimensionShape{true, {5, 5, 0}, {5, 5, 0}, {5, 9, 0}, 0.0, {}}, style);
    EXPECT_EQ(none.value, 0.0);
    EXPECT_TRUE(none.arrows.empty());
}

TEST(DimensionParts, TheValueHasTheStylesDecimalsAndAPointInAnyLocale) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{300.0, 2, "300.00"},
                 {12.345, 1, "12.3"},
                 {0.4, 0, "0"},
                 {1.5, -3, "2"},
                 {1.0 / 3, 12, "0.33333333"}};
    // Under a comma locale where one is installed (scripts/bootstrap.sh makes de_DE.UTF-8).
    (void)std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    for (const auto& c : cases) {
        DimStyle style;
        style.decimals = c.decimals;
        EXPECT_EQ(dimensionText(c.value, style), c.text) << c.value << " " << c.decimals;
    }
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
} // namespace quadrilo::cad::test
