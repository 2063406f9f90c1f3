// The document's events on elements: moves and grip drags update the records, the grillage's
// entities refuse single moves and erasures, erasures make the calculation stale, paste puts
// copies in place with their own IDs and moves them, a double click lists the selection.
#include "ElementFixture.h"

#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "mesh/TBarData.h"
#include "elements/TSlabData.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMimeData>

#include <cmath>

namespace quadrilo::app::test {
namespace {

using elements::ElementKind;

class ElementEvents : public ElementFixture {
protected:
    cad::EntityId only(ElementKind kind) {
        const auto found = ofKind(kind);
        EXPECT_EQ(found.size(), 1u);
        return found.empty() ? cad::EntityId{} : found[0]->id;
    }
};

TEST_F(ElementEvents, ColumnMovesInPlanOnlyAndRefusesAllButItsInsertionGrip) {
    script("SET edtLadoA 20\nSET edtLadoB 40\nDO btn_CriaPilar\n100,200\n");
    const cad::EntityId column = only(ElementKind::Column);
    calculated();
    ASSERT_EQ(document().moveEntities({column}, {10, 0, 5}), 1u);
    TColumnData moved = recordOf<TColumnData>(column);
    EXPECT_EQ((std::array{moved.X, moved.MinX, moved.MaxX, moved.Y, moved.MinY}),
              (std::array{110.0, 100.0, 120.0, 200.0, 180.0}));
    EXPECT_EQ((std::array{moved.Z, moved.MinZ, moved.MaxZ}), (std::array{0.0, 0.0, 300.0}))
        << "Z and its bounds stay";
    EXPECT_TRUE(logged("Pilar 20x40 movido para: 110  200"));
    EXPECT_TRUE(flags().MeshOutdated);
    EXPECT_FALSE(flags().ResultsCurrent);

    const std::size_t grips = document().grips(column).size();
    for (int grip = 1; grip < int(grips); ++grip)
        EXPECT_FALSE(document().dragGrip(column, grip, {5, 5, 0})) << "grip " << grip;
    EXPECT_EQ(recordOf<TColumnData>(column).X, 110);
    EXPECT_TRUE(document().dragGrip(column, 0, {0, 50, 0}));
    EXPECT_EQ(recordOf<TColumnData>(column).Y, 250);

    (void)document().moveEntities({column}, {0, 0, 0});
    EXPECT_TRUE(logged("Mover: cancelado"));
}

TEST_F(ElementEvents, BeamRecordFollowsItsEndsThroughMovesAndGrips) {
    script("SET edtVLadoa 20\nSET edtVLadob 50\nDO SpeedButton15\nDO spdCalcViga_I\n"
           "DO spdCalcViga_It\nDO Criar Viga\n500,0\n0,0\n");
    const cad::EntityId beam = only(ElementKind::Beam);
    ASSERT_EQ(document().moveEntities({beam}, {0, 100, 0}), 1u);
    TBeamData moved = recordOf<TBeamData>(beam);
    EXPECT_EQ((std::array{moved.MinX, moved.MaxX, moved.MinY, moved.MaxY}),
              (std::array{0.0, 500.0, 100.0, 100.0}))
        << "a beam drawn right to left shifts both corners alike";
    EXPECT_EQ(moved.Orientacao, 0);

    // Grip 1 is the second end, (0, 100): dragged up, the beam turns diagonal.
    ASSERT_TRUE(document().dragGrip(beam, 1, {0, 300, 0}));
    moved = recordOf<TBeamData>(beam);
    EXPECT_EQ(std::get<cad::MlineShape>(drawing().entity(beam)->shape).vertices[1],
              (cad::Point3{0, 400, 0}));
    EXPECT_DOUBLE_EQ(moved.Comprimento, std::hypot(500.0, 300.0));
    EXPECT_EQ(moved.Orientacao, 2);
    EXPECT_EQ((std::array{moved.MinY, moved.MaxY, moved.CentroY}),
              (std::array{100.0, 400.0, 250.0}));
    EXPECT_DOUBLE_EQ(moved.Peso, 1000 * moved.Comprimento * 25 / 10000);
}

TEST_F(ElementEvents, SlabRecordMovesWithItsInsert) {
    script("LAJE\n0,0\n400,500\n");
    const cad::EntityId slab = only(ElementKind::Slab);
    calculated();
    ASSERT_EQ(document().moveEntities({slab}, {100, -50, 0}), 1u);
    const TSlabData moved = recordOf<TSlabData>(slab);
    EXPECT_EQ(
        (std::array{moved.CentroX, moved.CentroY, moved.MinX, moved.MinY, moved.MaxX, moved.MaxY}),
        (std::array{300.0, 200.0, 100.0, -50.0, 500.0, 450.0}));
    EXPECT_TRUE(flags().MeshOutdated);
    EXPECT_FALSE(flags().ResultsCurrent);
}

TEST_F(ElementEvents, ErasingAnElementMakesEverythingStaleAndClearsThePanels) {
    script("LAJE\n0,0\n400,500\n");
    const cad::EntityId slab = only(ElementKind::Slab);
    ASSERT_TRUE(document().select(slab, true));
    calculated();
    ASSERT_EQ(document().eraseSelection(), 1u);
    EXPECT_TRUE(flags().MeshOutdated);
    EXPECT_FALSE(flags().ResultsCurrent);
    EXPECT_TRUE(control<QGroupBox>("EditGroupLajes").isHidden());
}

TEST_F(ElementEvents, SingleGrillageEntitiesRefuseMovesAndErasuresButTheLayerIsReplacedWhole) {
    layGrillage();
    const cad::Entity* node = nodeAt(100, 100);
    ASSERT_NE(node, nullptr);
    const cad::EntityId id = node->id;
    const auto bars = ofKind(ElementKind::GrillageBar);
    ASSERT_FALSE(bars.empty());
    const cad::EntityId bar = bars[0]->id;
    calculated();
    EXPECT_EQ(document().moveEntities({id}, {10, 0, 0}), 0u);
    EXPECT_FALSE(document().dragGrip(bar, 0, {10, 0, 0}));
    ASSERT_TRUE(document().select(id, true) && document().select(bar, true));
    EXPECT_EQ(document().eraseSelection(), 0u);
    EXPECT_NE(drawing().entity(id), nullptr);
    EXPECT_TRUE(logged("Erro: Barras e nós da grelha não podem ser movidos um a um."));
    EXPECT_EQ(log().filter(QStringLiteral("não podem ser apagados um a um")).size(), 1)
        << "one erase action tells its refusal once";
    EXPECT_TRUE(flags().ResultsCurrent);

    // The program's own work on the malha goes through.
    {
        const GrillageWork work(state->elements);
        ASSERT_TRUE(document().select(id, true));
        EXPECT_EQ(document().eraseSelection(), 1u);
    }
    // Its regeneration and deletion replace the layer in one step.
    cad::Transaction tx(drawing());
    EXPECT_TRUE(
        tx.replaceLayerContents(drawing().layerByName(std::string(elements::GrillageLayer)), {})
            .empty());
    EXPECT_TRUE(ofKind(ElementKind::GrillageBar).empty());
}

TEST_F(ElementEvents, PasteCopiesInPlaceWithOwnIdsThenMovesThem) {
    script("LAJE\n0,0\n400,500\nSET edtVLadoa 20\nSET edtVLadob 50\nDO SpeedButton15\n"
           "DO spdCalcViga_I\nDO spdCalcViga_It\nDO Criar Viga\n0,0\n400,0\n");
    const cad::EntityId slab = only(ElementKind::Slab);
    const cad::EntityId beam = only(ElementKind::Beam);
    ASSERT_TRUE(document().select(slab, true) && document().select(beam, true));
    ASSERT_TRUE(document().copySelection());
    document().clearSelection();
    script("PASTECLIP\n0,0\n1000,0\n");
    EXPECT_TRUE(
        logged("Selecione um ponto de origem para o deslocamento das entidades coladas..."));
    const auto slabs = ofKind(ElementKind::Slab);
    const auto beams = ofKind(ElementKind::Beam);
    ASSERT_EQ(slabs.size(), 2u);
    ASSERT_EQ(beams.size(), 2u);
    const TSlabData copy = recordOf<TSlabData>(*slabs[1]);
    EXPECT_EQ(copy.EntityID, static_cast<std::int32_t>(slabs[1]->id.value));
    EXPECT_EQ(copy.CentroX, 1200) << "the copy's record went with its move";
    EXPECT_EQ(recordOf<TSlabData>(slab).CentroX, 200) << "the source stays";
    const TBeamData beamCopy = recordOf<TBeamData>(*beams[1]);
    EXPECT_EQ(beamCopy.EntityID, static_cast<std::int32_t>(beams[1]->id.value));
    EXPECT_EQ((std::array{beamCopy.MinX, beamCopy.MaxX}), (std::array{1000.0, 1400.0}));
}

TEST_F(ElementEvents, PasteOfAnythingButEntitiesPastesNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("texto"));
    script("PASTECLIP\n");
    EXPECT_TRUE(logged("Nenhuma entidade no clipboard!"));
    EXPECT_FALSE(document().runner().active()) << "no move waits";
}

TEST_F(ElementEvents, DoubleClickListsTheSelectionByKindSkippingWalls) {
    layGrillage();
    script("PAREDE\n500,0\n500,400\n");
    const cad::EntityId slab = only(ElementKind::Slab);
    const cad::EntityId wall = only(ElementKind::Wall);
    document().clearSelection();
    ASSERT_TRUE(document().select(slab, true) && document().select(wall, true) &&
                document().select(nodeAt(100, 100)->id, true));
    const qsizetype before = log().size();
    script("DBLCLICK 800,800\n");
    const QStringList listed = logFrom(before);
    EXPECT_TRUE(listed.contains("*****Dados da Laje: Laje*****"));
    EXPECT_EQ(listed.filter("*****Dados da Laje").size(), 1);
    EXPECT_FALSE(listed.filter("Nó").isEmpty()) << listed.join('\n').toStdString();
    EXPECT_EQ(listed.filter("*****Dados").size(), 2)
        << "the slab and the node; the wall is skipped";
    EXPECT_EQ(cad().selectionCount(), 0u);
}

TEST_F(ElementEvents, DoubleClickOnABarListsItsMaterialFromTheCurrentTable) {
    layGrillage();
    const cad::EntityId bar = ofKind(ElementKind::GrillageBar).front()->id;
    TBarData record = recordOf<TBarData>(bar);
    record.Material = 2; // the second material of the table, as the data generation numbers them
    {
        cad::Transaction tx(drawing());
        ASSERT_TRUE(tx.edit(bar, [&](cad::Entity& e) { e.exData = record.Encode(); }));
    }
    (void)state->mesh.Materials.Add({.E = 1, .I = 1, .G = 1, .It = 1});
    (void)state->mesh.Materials.Add({.E = 2800, .I = 416667, .G = 1200, .It = 300000});
    document().clearSelection();
    ASSERT_TRUE(document().select(bar, true));
    const qsizetype before = log().size();
    script("DBLCLICK 800,800\n");
    EXPECT_TRUE(logFrom(before).contains(
        "Ec: 2800 (cm^3); Gc: 1200 (cm^3); I: 416667 (cm^4); It: 300000 (cm^4)"))
        << logFrom(before).join('\n').toStdString();
}

} // namespace
} // namespace quadrilo::app::test
