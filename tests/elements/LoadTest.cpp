// Cargas nodais: choosing nodes, placing loads, the record and insert, the listing and the panel.
#include "elements/ULoads.h"

#include "ElementsFixture.h"

#include <gtest/gtest.h>

namespace quadrilo::elements {
namespace {

using test::RefusalOf;

constexpr std::string_view ZeroError = "Erro: vargas nodais devem ser <> 0!";

const std::vector<NodeSite> Grid = {
    {1, 0, 0}, {2, 100, 0}, {3, 200, 0}, {4, 0, 100}, {5, 100, 100}, {6, 200, 100},
};

TEST(Load, WindowTakesTheNodesInsideItEdgesIncluded) {
    const auto inside = NodesInWindow(Grid, {200, 100, 0}, {100, -50, 0});
    EXPECT_EQ(inside, (std::vector<NodeSite>{Grid[1], Grid[2], Grid[4], Grid[5]}));
    EXPECT_TRUE(NodesInWindow(Grid, {10, 10, 0}, {90, 90, 0}).empty());
}

TEST(Load, CursorPicksTheNearestNodeWithinTheAperture) {
    EXPECT_EQ(NodeUnderCursor(Grid, {97, 2, 0}, 5), Grid[1]);
    EXPECT_EQ(NodeUnderCursor(Grid, {148, 0, 0}, 60), Grid[1]);
    EXPECT_EQ(NodeUnderCursor(Grid, {50, 50, 0}, 5), std::nullopt);
}

TEST(Load, RubberBandIsTheClosedWindowAtTheCursorsZ) {
    EXPECT_EQ(LoadRubberBand({0, 0, 5}, {100, 50, 1}),
              (std::vector<RubberLine>{{{0, 0, 1}, {100, 0, 1}},
                                       {{100, 0, 1}, {100, 50, 1}},
                                       {{100, 50, 1}, {0, 50, 1}},
                                       {{0, 50, 1}, {0, 0, 1}}}));
}

TEST(Load, ThreeNodesAndTwoBarsWithMinusTen) {
    const std::vector<NodeSite> nodes = {{1, 100, 200}, {2, 150, 200}, {3, 200, 200}};
    const LoadPlacement placement = PlaceLoads(-10, 5, nodes);
    EXPECT_EQ(Texts(placement.messages),
              (std::vector<std::string>{"Entidades selecionadas: 5", "Cargas inseridas!"}));
    ASSERT_EQ(placement.loads.size(), 3u);
    const ElementDrawing& first = placement.loads[0];
    EXPECT_EQ(first.kind, ElementKind::NodalLoad);
    EXPECT_EQ(first.layer, "Cargas");
    const auto& load = std::get<TLoadData>(first.record);
    EXPECT_EQ(load.Valor, -10);
    EXPECT_EQ(load.X, 100);
    EXPECT_EQ(load.Y, 200);
    EXPECT_EQ(load.Z, 0);
    EXPECT_EQ(load.Descricao, "Carr. X(100.00)_Y(200.00) de (-10.00)kN");
    EXPECT_EQ(
        std::get<InsertDrawing>(first.shape),
        (InsertDrawing{"-Load", std::nullopt, {100, 200, 0}, 1.0, 0.0, {"CARGA", "-10_(kN)", 7}}));
    EXPECT_EQ(placement.flags, FlagChange::Results);
    EXPECT_TRUE(placement.generateData);
}

TEST(Load, NothingPlacedWithoutNodesOrWithValueZero) {
    const LoadPlacement noNode = PlaceLoads(5, 2, {});
    EXPECT_EQ(Texts(noNode.messages),
              (std::vector<std::string>{
                  "Entidades selecionadas: 2",
                  "Erro Carga Nodal: Nenhum nó foi ecolhido para a aplicação de cargas!"}));
    EXPECT_EQ(noNode.flags, FlagChange::None);
    EXPECT_FALSE(noNode.generateData);

    const LoadPlacement zero = PlaceLoads(0, 3, Grid);
    EXPECT_TRUE(zero.loads.empty());
    EXPECT_EQ(Texts(zero.messages), (std::vector<std::string>{std::string(ZeroError)}));
    EXPECT_EQ(CheckLoadValue(0), ValidationRefusal(std::string(ZeroError), MessageChannel::Prompt));
    EXPECT_EQ(CheckLoadValue(-0.5), std::nullopt);
}

TEST(Load, PositiveValueGoesOnThePlusBlock) {
    const TLoadData load = LoadOnNode(2.5, {7, 10, 20});
    EXPECT_EQ(LoadInsert(load).blockName, "+Load");
    EXPECT_EQ(LoadInsert(load).attribute.text, "2.5_(kN)");
}

TEST(Load, DescricaoIsCutToFiftyCharacters) {
    EXPECT_EQ(LoadDescricao(1e12, -1e12, -10).size(), 50u);
}

TEST(Load, EchoesAndListing) {
    EXPECT_EQ(FirstCornerEcho({1, 2.5, 0}), "Entrada: x1(1.00); y1(2.50); z1(0.00)");
    EXPECT_EQ(SecondCornerEcho({-1, 0, 3}), "Entrada: x2(-1.00); y2(0.00); z2(3.00)");
    EXPECT_EQ(Texts(LoadListing(LoadOnNode(-10, {1, 100, 200}))),
              (std::vector<std::string>{
                  "",
                  "*****Dados do Carregamento Nodal *****",
                  "Coord: X(100.00)_Y(200.00) Carga:(-10.00)kN",
                  "*****Fim Dados do Carregamento Nodal *****",
                  "",
              }));
}

TEST(Load, EditPanelFillClearAndSave) {
    const TLoadData load = LoadOnNode(-10, {1, 100, 200});
    const LoadPanel filled = FillLoadPanel(load, 40);
    EXPECT_EQ(filled, (LoadPanel{true, "-10", "40"}));
    EXPECT_EQ(ClearedLoadPanel(), (LoadPanel{false, "0", "0000:0000"}));

    LoadPanel panel = filled;
    panel.editcargaValor = "5";
    const auto edit = SaveLoadPanel(panel, load);
    ASSERT_TRUE(edit.Ok());
    const auto& saved = std::get<TLoadData>(edit->record);
    EXPECT_EQ(saved.Valor, 5);
    EXPECT_EQ(saved.X, 100);
    EXPECT_EQ(saved.Descricao, "Carr. X(100.00)_Y(200.00) de (5.00)kN");
    EXPECT_EQ(edit->blockName, "+Load");
    EXPECT_EQ(edit->attributeText, "5_(kN)");
    EXPECT_EQ(edit->flags, FlagChange::Results);
    EXPECT_EQ(std::get<LoadPanel>(edit->panel), ClearedLoadPanel());

    panel.editcargaValor = "0";
    EXPECT_EQ(RefusalOf(SaveLoadPanel(panel, load)),
              ValidationRefusal(std::string(ZeroError), MessageChannel::Prompt));
    panel.editcargaValor = "";
    EXPECT_EQ(RefusalOf(SaveLoadPanel(panel, load)).kind, Refusal::Kind::Input);
}

} // namespace
} // namespace quadrilo::elements
