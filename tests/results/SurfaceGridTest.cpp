// The 3D view's grid: node positions, the colour range with 0 in it, the plan proportion, grids
// that are not a generated malha, and the colour coding.
#include "results/SurfaceGrid.h"

#include "GeneratedMalha.h"

#include <gtest/gtest.h>

namespace quadrilo::results {
namespace {

using fixtures::GenerateMalha;

TEST(SurfaceGrid, TwoByOneMalhaFillsTheLastRowFirst) {
    auto malha = GenerateMalha(2, 1, 300, 300);
    for (std::size_t k = 0; k < malha.Nodes.size(); ++k)
        malha.Nodes[k].dz = -0.001 * static_cast<double>(k + 1);

    const GridPosition expected[] = {{1, 2}, {2, 2}, {3, 2}, {1, 1}, {2, 1}, {3, 1}};
    const auto build = BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Dz);
    ASSERT_TRUE(build.Error.empty()) << build.Error;
    const auto& grid = build.Grid;
    EXPECT_EQ(grid.Columns, 3);
    EXPECT_EQ(grid.Rows, 2);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(NodeGridPosition(k, 3, 2), expected[k]);
        EXPECT_EQ(grid.At(expected[k].Column, expected[k].Row), malha.Nodes[k].dz);
    }
    EXPECT_DOUBLE_EQ(grid.ScaleFactX, 2); // 600 wide, 300 deep
    EXPECT_EQ(grid.XMax, 600);
    EXPECT_EQ(grid.YMax, 300);
}

TEST(SurfaceGrid, SizeComesFromTheMalhaWhateverItsProportion) {
    for (const auto& [nx, ny] : {std::pair{1, 1}, {4, 2}, {2, 5}, {6, 1}}) {
        const auto malha = GenerateMalha(nx, ny, 50, 80);
        const auto grid = BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Dz).Grid;
        EXPECT_EQ(grid.Columns, nx + 1) << nx << " x " << ny;
        EXPECT_EQ(grid.Rows, ny + 1) << nx << " x " << ny;
    }
}

struct ColourRange {
    const char* name;
    std::vector<double> values;
    double low, high;
};

class SurfaceColourRange : public ::testing::TestWithParam<ColourRange> {};

TEST_P(SurfaceColourRange, AlwaysContainsZero) {
    auto malha = GenerateMalha(2, 1, 100, 100);
    for (std::size_t k = 0; k < malha.Nodes.size(); ++k)
        malha.Nodes[k].Rotx = GetParam().values[k];
    const auto grid = BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Rotx).Grid;
    EXPECT_EQ(grid.ColorScaleLow, GetParam().low);
    EXPECT_EQ(grid.ColorScaleHigh, GetParam().high);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SurfaceColourRange,
    ::testing::Values(ColourRange{"AllNegative", {-1, -2, -3, -0.5, -4, -1}, -4, 0},
                      ColourRange{"AllZero", {0, 0, 0, 0, 0, 0}, 0, 0},
                      ColourRange{"AllPositive", {1, 2, 3, 0.5, 4, 1}, 0, 4},
                      ColourRange{"Mixed", {-1, 2, 3, 0.5, -4, 1}, -4, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SurfaceGrid, TheChosenResultIsPlotted) {
    auto malha = GenerateMalha(1, 1, 100, 100);
    malha.Nodes[2].Rotx = 0.5;
    malha.Nodes[2].Roty = -0.25;
    malha.Nodes[2].dz = 0.125;
    EXPECT_EQ(BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Dz).Grid.At(1, 1), 0.125);
    EXPECT_EQ(BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Rotx).Grid.At(1, 1), 0.5);
    EXPECT_EQ(BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Roty).Grid.At(1, 1), -0.25);
}

TEST(SurfaceGrid, APlanWithoutDepthKeepsItsWidthUnscaled) {
    // The generator refuses a laje box of no depth; records edited by hand can still leave
    // every node at one Y.
    auto malha = GenerateMalha(3, 2, 100, 100);
    for (auto& node : malha.Nodes)
        node.Y = 0;
    const auto build = BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Dz);
    ASSERT_TRUE(build.Error.empty()) << build.Error;
    EXPECT_EQ(build.Grid.Rows, 3);
    EXPECT_EQ(build.Grid.ScaleFactX, 1);
}

TEST(SurfaceGrid, NodesThatAreNotAGeneratedMalhaAreRefused) {
    EXPECT_EQ(BuildSurfaceGrid({}, SurfaceQuantity::Dz).Error,
              "Erro: Não há malha principal criada!");

    auto cut = GenerateMalha(3, 2, 100, 100).Nodes;
    cut.pop_back(); // not whole rows
    EXPECT_EQ(BuildSurfaceGrid(cut, SurfaceQuantity::Dz).Error,
              "Erro: Os 11 nós da malha não formam a grade da malha gerada; gere a malha "
              "novamente");

    auto shuffled = GenerateMalha(3, 2, 100, 100).Nodes;
    std::swap(shuffled[1], shuffled[6]);
    EXPECT_FALSE(BuildSurfaceGrid(shuffled, SurfaceQuantity::Dz).Error.empty());
}

TEST(SurfaceColourCoding, TwoColoursRunFromLowToHighAndThreePassTheMiddle) {
    const Rgb red{255, 0, 0}, yellow{255, 255, 0}, blue{0, 0, 255};
    ColourCoding coding{red, yellow, blue, ColorCodingMode::TwoColors};
    EXPECT_EQ(GradientStops(coding), (std::vector<GradientStop>{{0, red}, {1, blue}}));
    coding.Mode = ColorCodingMode::ThreeColors;
    EXPECT_EQ(GradientStops(coding),
              (std::vector<GradientStop>{{0, red}, {0.5, yellow}, {1, blue}}));
}

} // namespace
} // namespace quadrilo::results
