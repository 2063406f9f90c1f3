// The CAD engine's entity events as pure routines over element records.
#include "elements/UEvents.h"

#include "common/Format.h"
#include "elements/ULajeCustEnt.h"
#include "elements/ULoads.h"
#include "elements/UMuroCustEnt.h"
#include "elements/UPilarCustEnt.h"
#include "elements/UVigaCustEnt.h"

namespace quadrilo::elements {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

MessageLines PromptLine(std::string text) {
    return {{MessageChannel::Prompt, std::move(text)}};
}

MoveOutcome Refused(std::string message) {
    return {Verdict::Refuse, std::nullopt, FlagChange::None, PromptLine(std::move(message))};
}

MoveOutcome GrillageMoveRefused() {
    return Refused("Erro: Barras e nós da grelha não podem ser movidos um a um.");
}

// The record of an element after its entity moved by d (a whole move when there is no grip).
MoveOutcome MoveRoutine(const EntityView& entity, Point3 d, std::optional<int> grip,
                        const TProjectData& project) {
    const ElementKind kind = KindOfCode(entity.kind);
    if (IsGrillageEntity(kind)) {
        return GrillageMoveRefused();
    }
    MoveOutcome outcome;
    if (d == Point3{}) {
        outcome.messages = PromptLine("Mover: cancelado");
        return outcome;
    }
    const auto record = DecodeElementRecord(entity);
    if (!record) {
        return outcome;
    }
    std::visit(Overloaded{
                   [&](const TBeamData& beam) {
                       const auto vertices = MovedBeamVertices(entity.vertices, d, grip);
                       const TBeamData moved = MovedBeam(beam, vertices, project);
                       outcome.record = moved;
                       outcome.messages = PromptLine(BeamMovedText(moved));
                   },
                   [&](const TSlabData& slab) {
                       const TSlabData moved = MovedSlab(slab, d);
                       outcome.record = moved;
                       outcome.messages = PromptLine(SlabMovedText(moved));
                   },
                   [&](const TColumnData& column) {
                       const TColumnData moved = MovedColumn(column, d);
                       outcome.record = moved;
                       outcome.messages = PromptLine(ColumnMovedText(moved));
                   },
                   [&](const TLoadData& load) {
                       const TLoadData moved = MovedLoad(load, d);
                       outcome.record = moved;
                       outcome.messages = PromptLine(LoadMovedText(load, moved));
                   },
                   [&](const TWallData& wall) { outcome.record = MovedWall(wall, d, grip); },
               },
               *record);
    outcome.flags = StaleAfterChangeOf(kind);
    return outcome;
}

} // namespace

std::optional<EditPanel> PanelOnSelect(const EntityView& entity, bool selected) {
    const ElementKind kind = KindOfCode(entity.kind);
    if (!selected) {
        switch (kind) {
        case ElementKind::Slab:
            return ClearedSlabPanel();
        case ElementKind::Beam:
            return ClearedBeamPanel();
        case ElementKind::Column:
            return ClearedColumnPanel();
        case ElementKind::NodalLoad:
            return ClearedLoadPanel();
        default:
            return std::nullopt;
        }
    }
    const auto record = DecodeElementRecord(entity);
    if (!record) {
        return std::nullopt;
    }
    return std::visit(Overloaded{
                          [&](const TSlabData& slab) -> std::optional<EditPanel> {
                              return FillSlabPanel(slab, entity.id);
                          },
                          [&](const TBeamData& beam) -> std::optional<EditPanel> {
                              return FillBeamPanel(beam, entity.id);
                          },
                          [&](const TColumnData& column) -> std::optional<EditPanel> {
                              return FillColumnPanel(column, entity.id);
                          },
                          [&](const TLoadData& load) -> std::optional<EditPanel> {
                              return FillLoadPanel(load, entity.id);
                          },
                          [](const TWallData&) -> std::optional<EditPanel> { return std::nullopt; },
                      },
                      *record);
}

MoveOutcome OnEntityMoved(const EntityView& entity, Point3 d, const TProjectData& project) {
    return MoveRoutine(entity, d, std::nullopt, project);
}

MoveOutcome OnGripDragged(const EntityView& entity, int grip, Point3 d,
                          const TProjectData& project) {
    switch (KindOfCode(entity.kind)) {
    case ElementKind::Beam:
    case ElementKind::Wall:
        return MoveRoutine(entity, d, grip, project);
    case ElementKind::Slab:
    case ElementKind::Column:
    case ElementKind::NodalLoad:
        if (grip != 0) {
            return {Verdict::Refuse, std::nullopt, FlagChange::None, {}};
        }
        return MoveRoutine(entity, d, std::nullopt, project);
    case ElementKind::GrillageBar:
    case ElementKind::GrillageNode:
    case ElementKind::DeformedNode:
    case ElementKind::DeformedBar:
        return GrillageMoveRefused();
    default:
        return {};
    }
}

EraseOutcome OnEntityErased(std::int32_t kind) {
    const ElementKind element = KindOfCode(kind);
    switch (element) {
    case ElementKind::Beam:
    case ElementKind::Slab:
    case ElementKind::Column:
    case ElementKind::NodalLoad:
        return {Verdict::Proceed, StaleAfterChangeOf(element), true, {}};
    case ElementKind::Wall:
        return {Verdict::Proceed, StaleAfterChangeOf(element), false, {}};
    case ElementKind::GrillageBar:
    case ElementKind::GrillageNode:
        return {Verdict::Refuse, FlagChange::None, false,
                PromptLine("Erro: Barras e nós da grelha não podem ser apagados um a um; use "
                           "\"Apagar Grelha\".")};
    case ElementKind::DeformedNode:
    case ElementKind::DeformedBar:
        return {Verdict::Refuse, FlagChange::None, false,
                PromptLine("Erro: Barras e nós da grelha deformada não podem ser apagados um a "
                           "um; use \"Apagar Grelha Def.\".")};
    default:
        return {};
    }
}

std::array<EditPanel, 4> PanelsClearedOnErase() {
    return {ClearedSlabPanel(), ClearedColumnPanel(), ClearedLoadPanel(), ClearedBeamPanel()};
}

PasteOutcome OnPasteCommand(bool clipboardHoldsEntities) {
    if (!clipboardHoldsEntities) {
        return {Verdict::Refuse, false, PromptLine("Nenhuma entidade no clipboard!")};
    }
    return {Verdict::Refuse, true,
            PromptLine("Selecione um ponto de origem para o deslocamento das entidades "
                       "coladas...")};
}

Listing ListingFor(std::int32_t kind) {
    switch (KindOfCode(kind)) {
    case ElementKind::Beam:
        return Listing::Beam;
    case ElementKind::Slab:
        return Listing::Slab;
    case ElementKind::Column:
        return Listing::Column;
    case ElementKind::NodalLoad:
        return Listing::Load;
    case ElementKind::GrillageBar:
    case ElementKind::DeformedBar:
        return Listing::Bar;
    case ElementKind::GrillageNode:
        return Listing::Node;
    case ElementKind::DeformedNode:
        return Listing::DeformedNode;
    default:
        return Listing::None;
    }
}

MessageLines ListElement(const EntityView& entity) {
    const auto record = DecodeElementRecord(entity);
    if (!record) {
        return {};
    }
    return std::visit(Overloaded{
                          [](const TSlabData& slab) { return SlabListing(slab); },
                          [&](const TBeamData& beam) { return BeamListing(beam, entity.vertices); },
                          [](const TColumnData& column) { return ColumnListing(column); },
                          [](const TLoadData& load) { return LoadListing(load); },
                          [](const TWallData&) { return MessageLines{}; },
                      },
                      *record);
}

DoubleClickOutcome OnDoubleClick(std::span<const EntityView> selection,
                                 const MeshListing& meshListing) {
    DoubleClickOutcome outcome;
    if (selection.empty()) {
        return outcome;
    }
    for (const EntityView& entity : selection) {
        switch (const Listing listing = ListingFor(entity.kind)) {
        case Listing::None:
            break;
        case Listing::Bar:
        case Listing::Node:
        case Listing::DeformedNode:
            if (meshListing) {
                Append(outcome.messages, meshListing(entity, listing));
            }
            break;
        default:
            Append(outcome.messages, ListElement(entity));
        }
    }
    outcome.handled = true;
    outcome.current = selection.back().id;
    outcome.panel = PanelOnSelect(selection.back(), false);
    return outcome;
}

std::string CursorPositionText(double x, double y) {
    return Format("X:_(%f) ; Y:_(%f)", x, y);
}

FlagChange FlagsAfterUndo(std::span<const std::int32_t> kinds) {
    FlagChange change = FlagChange::None;
    for (const std::int32_t kind : kinds) {
        change = Combine(change, StaleAfterChangeOf(KindOfCode(kind)));
    }
    return change;
}

} // namespace quadrilo::elements
