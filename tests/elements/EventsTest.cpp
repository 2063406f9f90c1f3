// Entity events: selection fills panels, moves and grip drags update records (or are refused),
// erasures mark the workflow stale, pastes take their own IDs, double clicks list by kind.
#include "elements/UEvents.h"

#include "elements/ULajeCustEnt.h"
#include "elements/ULoads.h"
#include "elements/UMuroCustEnt.h"
#include "elements/UPilarCustEnt.h"
#include "elements/UVigaCustEnt.h"

#include "ElementsFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace quadrilo::elements {
namespace {

using test::NewProject;
using test::Stored;
using test::StoredEntity;

StoredEntity Slab400By500(std::int32_t id = 21) {
    TSlabData buffer;
    buffer.Nome = "L1";
    buffer.Espessura = 12;
    return Stored(CreateSlab(buffer, {0, 0, 0}, {400, 500, 0}, NewProject())->drawing, id);
}

StoredEntity BeamFrom(Point3 p1, Point3 p2, std::int32_t id = 11) {
    TBeamData buffer;
    buffer.Nome = "V1";
    buffer.LadoA = 20;
    buffer.LadoB = 50;
    buffer.Area = 1000;
    buffer.I = buffer.It = 1;
    return Stored(CreateBeam(buffer, p1, p2, NewProject())->drawing, id);
}

StoredEntity Column20By40(std::int32_t id = 31) {
    TColumnData buffer;
    buffer.LadoA = 20;
    buffer.LadoB = 40;
    buffer.Altura = 300;
    buffer.Dz = 1;
    return Stored(CreateColumn(buffer, {100, 200, 0})->drawing, id);
}

StoredEntity LoadAt100And200(std::int32_t id = 91) {
    return Stored(PlaceLoads(-10, 1, std::vector<NodeSite>{{1, 100, 200}}).loads.at(0), id);
}

StoredEntity Wall(std::int32_t id = 41) {
    return Stored(CreateWall({0, 0, 0}, {100, 0, 0}).drawing, id);
}

StoredEntity Grillage(ElementKind kind, std::int32_t id = 61) {
    return {id, KindCode(kind), std::vector<std::uint8_t>(152, 0), {}};
}

template <class Record> Record RecordOf(const MoveOutcome& outcome) {
    EXPECT_TRUE(outcome.record);
    return outcome.record ? std::get<Record>(*outcome.record) : Record{};
}

TEST(Events, SelectingFillsThePanelFromTheEntitysOwnRecord) {
    const StoredEntity slab = Slab400By500(21);
    EXPECT_EQ(PanelOnSelect(slab.View(), true),
              EditPanel(FillSlabPanel(std::get<TSlabData>(*DecodeElementRecord(slab.View())), 21)));
    EXPECT_EQ(PanelOnSelect(slab.View(), false), EditPanel(ClearedSlabPanel()));
    EXPECT_EQ(PanelOnSelect(Column20By40().View(), false), EditPanel(ClearedColumnPanel()));
    EXPECT_EQ(PanelOnSelect(LoadAt100And200().View(), true),
              EditPanel(LoadPanel{true, "-10", "91"}));
    EXPECT_EQ(PanelOnSelect(Wall().View(), true), std::nullopt);
    EXPECT_EQ(PanelOnSelect(Grillage(ElementKind::GrillageNode).View(), true), std::nullopt);
    StoredEntity damaged = slab;
    damaged.bytes.resize(100);
    EXPECT_EQ(PanelOnSelect(damaged.View(), true), std::nullopt);
}

TEST(Events, ColumnMoveChangesXAndItsBoxButNotZ) {
    const MoveOutcome outcome = OnEntityMoved(Column20By40().View(), {10, 0, 5}, NewProject());
    const auto column = RecordOf<TColumnData>(outcome);
    EXPECT_EQ(column.X, 110);
    EXPECT_EQ(column.MinX, 100);
    EXPECT_EQ(column.MaxX, 120);
    EXPECT_EQ(column.Z, 0);
    EXPECT_EQ(column.MinZ, 0);
    EXPECT_EQ(column.MaxZ, 300);
    EXPECT_EQ(outcome.verdict, Verdict::Proceed);
    EXPECT_EQ(outcome.flags, FlagChange::ResultsAndMesh);
    EXPECT_EQ(Texts(outcome.messages),
              (std::vector<std::string>{"Pilar 20x40 movido para: 110  200"}));
}

TEST(Events, WholeBeamMoveShiftsBothCornersOfABeamDrawnRightToLeft) {
    const MoveOutcome outcome =
        OnEntityMoved(BeamFrom({500, 0, 0}, {0, 0, 0}).View(), {10, 20, 0}, NewProject());
    const auto beam = RecordOf<TBeamData>(outcome);
    EXPECT_EQ(beam.MinX, 10);
    EXPECT_EQ(beam.MaxX, 510);
    EXPECT_EQ(beam.MinY, 20);
    EXPECT_EQ(beam.MaxY, 20);
    EXPECT_EQ(beam.CentroX, 260);
    EXPECT_EQ(beam.Comprimento, 500);
    EXPECT_EQ(beam.Orientacao, 0);
    EXPECT_EQ(beam.EntityID, 11);
    EXPECT_EQ(outcome.flags, FlagChange::ResultsAndMesh);
    EXPECT_EQ(Texts(outcome.messages),
              (std::vector<std::string>{
                  "V1 movido para P1:(10.00, 20.00, 0.00); P2:(510.00, 20.00, 0.00) "}));
}

TEST(Events, BeamGripMovesOneEndAndTheWholeRecordFollows) {
    // Grip 0 is the first vertex (500, 0): the beam becomes a diagonal from (500, 300) to (0, 0).
    const MoveOutcome outcome =
        OnGripDragged(BeamFrom({500, 0, 0}, {0, 0, 0}).View(), 0, {0, 300, 0}, NewProject());
    EXPECT_EQ(outcome.verdict, Verdict::Proceed);
    const auto beam = RecordOf<TBeamData>(outcome);
    EXPECT_EQ(beam.MinX, 0);
    EXPECT_EQ(beam.MaxX, 500);
    EXPECT_EQ(beam.MaxY, 300);
    EXPECT_DOUBLE_EQ(beam.Comprimento, std::hypot(500, 300));
    EXPECT_EQ(beam.Orientacao, 2);
    EXPECT_DOUBLE_EQ(beam.Peso, 1000 * std::hypot(500, 300) * 25 / 10'000);
    EXPECT_EQ(beam.CentroY, 150);

    const auto other = RecordOf<TBeamData>(
        OnGripDragged(BeamFrom({0, 0, 0}, {0, 500, 0}).View(), 1, {0, -100, 0}, NewProject()));
    EXPECT_EQ(other.Comprimento, 400);
    EXPECT_EQ(other.Orientacao, 1);
}

TEST(Events, SlabAndWallRecordsFollowTheirMoves) {
    const MoveOutcome slabMove = OnEntityMoved(Slab400By500().View(), {100, -50, 0}, NewProject());
    const auto slab = RecordOf<TSlabData>(slabMove);
    EXPECT_EQ(slab.CentroX, 300);
    EXPECT_EQ(slab.CentroY, 200);
    EXPECT_EQ(slab.MinX, 100);
    EXPECT_EQ(slab.MaxY, 450);
    EXPECT_EQ(slab.Lx, 400);
    EXPECT_EQ(slabMove.flags, FlagChange::ResultsAndMesh);
    EXPECT_EQ(Texts(slabMove.messages), (std::vector<std::string>{"L1 movida para: 300  200"}));

    const MoveOutcome wallMove = OnEntityMoved(Wall().View(), {5, 5, 0}, NewProject());
    const auto wall = RecordOf<TWallData>(wallMove);
    EXPECT_EQ(wall.X1, 5);
    EXPECT_EQ(wall.X2, 105);
    EXPECT_EQ(wall.Y2, 5);
    EXPECT_EQ(wallMove.flags, FlagChange::ResultsAndMesh);
    EXPECT_TRUE(wallMove.messages.empty());

    const auto dragged =
        RecordOf<TWallData>(OnGripDragged(Wall().View(), 1, {0, 50, 0}, NewProject()));
    EXPECT_EQ(dragged.X1, 0);
    EXPECT_EQ(dragged.Y1, 0);
    EXPECT_EQ(dragged.Y2, 50);

    // The middle grip carries the whole wall, as it carries the line.
    const auto middle =
        RecordOf<TWallData>(OnGripDragged(Wall().View(), 2, {0, 50, 0}, NewProject()));
    EXPECT_EQ((std::array{middle.Y1, middle.Y2, middle.X1, middle.X2}),
              (std::array{50.0, 50.0, 0.0, 100.0}));
}

TEST(Events, LoadMoveKeepsItsValueAndTellsWhereItWent) {
    const MoveOutcome outcome = OnEntityMoved(LoadAt100And200().View(), {10, 0, 0}, NewProject());
    const auto load = RecordOf<TLoadData>(outcome);
    EXPECT_EQ(load.X, 110);
    EXPECT_EQ(load.Valor, -10);
    EXPECT_EQ(load.Descricao, "Carr. X(110.00)_Y(200.00) de (-10.00)kN");
    EXPECT_EQ(outcome.flags, FlagChange::Results);
    EXPECT_EQ(Texts(outcome.messages),
              (std::vector<std::string>{"Carr. X(100.00)_Y(200.00) de (-10.00)kN movida para: "
                                        "110  200"}));
}

TEST(Events, NoDisplacementCancelsTheMove) {
    const MoveOutcome outcome = OnEntityMoved(Column20By40().View(), {0, 0, 0}, NewProject());
    EXPECT_EQ(outcome.verdict, Verdict::Proceed);
    EXPECT_FALSE(outcome.record);
    EXPECT_EQ(outcome.flags, FlagChange::None);
    EXPECT_EQ(Texts(outcome.messages), (std::vector<std::string>{"Mover: cancelado"}));
}

TEST(Events, GripVerdicts) {
    struct Case {
        const char* what;
        StoredEntity entity;
        int grip;
        Verdict verdict;
        bool recordChanges;
    };
    const Case cases[] = {
        {"column grip 0 moves the column", Column20By40(), 0, Verdict::Proceed, true},
        {"column grip 1", Column20By40(), 1, Verdict::Refuse, false},
        {"load grip 0 moves the load", LoadAt100And200(), 0, Verdict::Proceed, true},
        {"load grip 1", LoadAt100And200(), 1, Verdict::Refuse, false},
        {"slab grip 1", Slab400By500(), 1, Verdict::Refuse, false},
        {"grillage node", Grillage(ElementKind::GrillageNode), 0, Verdict::Refuse, false},
        {"deformed bar", Grillage(ElementKind::DeformedBar), 1, Verdict::Refuse, false},
        {"annotation", {1, 0, {}, {}}, 0, Verdict::Proceed, false},
    };
    for (const Case& c : cases) {
        const MoveOutcome outcome =
            OnGripDragged(c.entity.View(), c.grip, {10, 0, 0}, NewProject());
        EXPECT_EQ(outcome.verdict, c.verdict) << c.what;
        EXPECT_EQ(outcome.record.has_value(), c.recordChanges) << c.what;
        if (c.verdict == Verdict::Refuse) {
            EXPECT_EQ(outcome.flags, FlagChange::None) << c.what;
        }
    }
}

TEST(Events, GrillageEntitiesCannotBeMovedOrErasedOneByOne) {
    for (const ElementKind kind : {ElementKind::GrillageBar, ElementKind::GrillageNode,
                                   ElementKind::DeformedNode, ElementKind::DeformedBar}) {
        const MoveOutcome move = OnEntityMoved(Grillage(kind).View(), {10, 0, 0}, NewProject());
        EXPECT_EQ(move.verdict, Verdict::Refuse);
        EXPECT_FALSE(move.record);
        ASSERT_EQ(move.messages.size(), 1u);
        EXPECT_EQ(move.messages[0].text.rfind("Erro:", 0), 0u);

        const EraseOutcome erase = OnEntityErased(KindCode(kind));
        EXPECT_EQ(erase.verdict, Verdict::Refuse);
        EXPECT_EQ(erase.flags, FlagChange::None);
        ASSERT_EQ(erase.messages.size(), 1u);
        EXPECT_EQ(erase.messages[0].text.rfind("Erro:", 0), 0u);
    }
}

TEST(Events, ErasingAnElementMarksTheWorkflowStaleAndClearsThePanels) {
    struct Case {
        ElementKind kind;
        FlagChange flags;
        bool clearPanels;
    };
    const Case cases[] = {
        {ElementKind::Beam, FlagChange::ResultsAndMesh, true},
        {ElementKind::Slab, FlagChange::ResultsAndMesh, true},
        {ElementKind::Column, FlagChange::ResultsAndMesh, true},
        {ElementKind::NodalLoad, FlagChange::Results, true}, // a load leaves the malha as it is
        {ElementKind::Wall, FlagChange::ResultsAndMesh, false},
        {ElementKind::None, FlagChange::None, false},
    };
    for (const Case& c : cases) {
        const EraseOutcome erase = OnEntityErased(KindCode(c.kind));
        EXPECT_EQ(erase.verdict, Verdict::Proceed);
        EXPECT_EQ(erase.flags, c.flags);
        EXPECT_EQ(erase.clearPanels, c.clearPanels);
    }
    const auto panels = PanelsClearedOnErase();
    EXPECT_EQ(panels[0], EditPanel(ClearedSlabPanel()));
    EXPECT_EQ(panels[1], EditPanel(ClearedColumnPanel()));
    EXPECT_EQ(panels[2], EditPanel(ClearedLoadPanel()));
    EXPECT_EQ(panels[3], EditPanel(ClearedBeamPanel()));
}

TEST(Events, FlagChangesOnTheWorkflowFlags) {
    bool meshOutdated = false;
    bool resultsCurrent = true;
    ApplyFlagChange(FlagChange::Results, meshOutdated, resultsCurrent);
    EXPECT_FALSE(resultsCurrent);
    EXPECT_FALSE(meshOutdated);
    resultsCurrent = true;
    ApplyFlagChange(FlagChange::ResultsAndMesh, meshOutdated, resultsCurrent);
    EXPECT_FALSE(resultsCurrent);
    EXPECT_TRUE(meshOutdated);
}

TEST(Events, UndoOfElementsMakesTheWorkflowStale) {
    const std::int32_t loads[] = {9, 9};
    const std::int32_t beamAndLoad[] = {9, 1};
    const std::int32_t deformed[] = {7, 8, 0};
    EXPECT_EQ(FlagsAfterUndo(loads), FlagChange::Results);
    EXPECT_EQ(FlagsAfterUndo(beamAndLoad), FlagChange::ResultsAndMesh);
    EXPECT_EQ(FlagsAfterUndo(deformed), FlagChange::None);
}

TEST(Events, PasteReplacesTheEnginesOwnPaste) {
    const PasteOutcome text = OnPasteCommand(false);
    EXPECT_EQ(text.verdict, Verdict::Refuse);
    EXPECT_FALSE(text.pasteInPlaceThenMove);
    EXPECT_EQ(Texts(text.messages), (std::vector<std::string>{"Nenhuma entidade no clipboard!"}));
    const PasteOutcome entities = OnPasteCommand(true);
    EXPECT_EQ(entities.verdict, Verdict::Refuse);
    EXPECT_TRUE(entities.pasteInPlaceThenMove);
    EXPECT_EQ(Texts(entities.messages),
              (std::vector<std::string>{
                  "Selecione um ponto de origem para o deslocamento das entidades coladas..."}));
}

TEST(Events, PastedCopiesTakeTheirOwnEntityId) {
    StoredEntity copy = Slab400By500(21); // the source's record, ID 21
    copy.id = 87;
    const auto own = RecordWithOwnEntityId(copy.View());
    ASSERT_TRUE(own);
    TSlabData expected = std::get<TSlabData>(*DecodeElementRecord(Slab400By500(21).View()));
    expected.EntityID = 87;
    EXPECT_EQ(std::get<TSlabData>(*own), expected);

    StoredEntity beamCopy = BeamFrom({0, 0, 0}, {100, 0, 0}, 11);
    beamCopy.id = 88;
    EXPECT_EQ(std::get<TBeamData>(*RecordWithOwnEntityId(beamCopy.View())).EntityID, 88);
    EXPECT_EQ(RecordWithOwnEntityId(Slab400By500(21).View()), std::nullopt); // already its own
    EXPECT_EQ(RecordWithOwnEntityId(Column20By40().View()), std::nullopt);   // names no entity
}

TEST(Events, DoubleClickListsBySelectionOrderAndSkipsWalls) {
    const StoredEntity slab = Slab400By500();
    const StoredEntity wall = Wall();
    const StoredEntity node = Grillage(ElementKind::GrillageNode, 61);
    const EntityView selection[] = {slab.View(), wall.View(), node.View()};
    std::vector<std::int32_t> meshListed;
    const DoubleClickOutcome outcome =
        OnDoubleClick(selection, [&](const EntityView& entity, Listing listing) {
            EXPECT_EQ(listing, Listing::Node);
            meshListed.push_back(entity.id);
            return PromptLines({"nó"});
        });
    EXPECT_TRUE(outcome.handled);
    MessageLines expected = SlabListing(std::get<TSlabData>(*DecodeElementRecord(slab.View())));
    Append(expected, PromptLines({"nó"}));
    EXPECT_EQ(outcome.messages, expected);
    EXPECT_EQ(meshListed, (std::vector<std::int32_t>{61}));
    EXPECT_EQ(outcome.current, 61);
    EXPECT_EQ(outcome.panel, std::nullopt);

    const StoredEntity beam = BeamFrom({0, 0, 0}, {100, 0, 0});
    const EntityView beamLast[] = {beam.View()};
    EXPECT_EQ(OnDoubleClick(beamLast, {}).panel, EditPanel(ClearedBeamPanel()));
    EXPECT_FALSE(OnDoubleClick({}, {}).handled);
}

TEST(Events, ListingChoiceByKind) {
    EXPECT_EQ(ListingFor(5), Listing::Bar);
    EXPECT_EQ(ListingFor(8), Listing::Bar);
    EXPECT_EQ(ListingFor(6), Listing::Node);
    EXPECT_EQ(ListingFor(7), Listing::DeformedNode);
    EXPECT_EQ(ListingFor(3), Listing::None);
    EXPECT_EQ(ListingFor(42), Listing::None);
}

TEST(Events, MouseMoveText) {
    EXPECT_EQ(CursorPositionText(12.345, -3), "X:_(12.35) ; Y:_(-3.00)");
}

TEST(Wall, RecordAndLineAsPicked) {
    const ElementCreation creation = CreateWall({0.123, 1, 0}, {100, 50.555, 2});
    const auto& wall = std::get<TWallData>(creation.drawing.record);
    EXPECT_EQ(wall.X1, 0.123);
    EXPECT_EQ(wall.Y2, 50.555);
    EXPECT_EQ(wall.Z2, 2);
    EXPECT_EQ(wall.Nome, "Parede");
    EXPECT_EQ(std::get<LineDrawing>(creation.drawing.shape),
              (LineDrawing{{0.123, 1, 0}, {100, 50.555, 2}, 5, 60, 2.0}));
    EXPECT_EQ(creation.drawing.kind, ElementKind::Wall);
    EXPECT_EQ(creation.drawing.layer, ""); // the layer current when it is drawn
    EXPECT_TRUE(creation.messages.empty());
}

} // namespace
} // namespace quadrilo::elements
