// The CAD engine's entity events as pure routines over element records: each returns the verdict,
// the new record, the flag change, the panel and the message lines for the integration to apply.
#pragma once

#include "elements/EditPanels.h"
#include "elements/ElementEntity.h"
#include "elements/ElementKind.h"
#include "elements/ElementOutcome.h"
#include "project/TProjectData.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace quadrilo::elements {

// A handler's answer to the engine: let its own handling go on, or stop it.
enum class Verdict { Proceed, Refuse };

// Select or deselect: the edit panel of a slab, beam, column or load filled from the entity's
// own record, or cleared; nullopt for any other entity (no panel changes).
[[nodiscard]] std::optional<EditPanel> PanelOnSelect(const EntityView& entity, bool selected);

// A move or grip drag: the element's new record (nullopt when it keeps its record), the flags
// and the lines that tell it. Refused for the grillage's own entities.
struct MoveOutcome {
    Verdict verdict = Verdict::Proceed;
    std::optional<ElementRecord> record;
    FlagChange flags = FlagChange::None;
    MessageLines messages;
};

// The entity is about to move by d as a whole. For a beam, `entity.vertices` are the multiline's
// vertices before the move: the record is recomputed from the moved ends. Slabs and walls follow
// their drawing like columns and loads do.
[[nodiscard]] MoveOutcome OnEntityMoved(const EntityView& entity, Point3 d,
                                        const TProjectData& project);

// A grip of the entity is about to be dragged by d. A beam's grip is one of its ends; a wall's
// grip 0 or 1 one of its ends, its middle grip the whole wall; grip 0 of a slab, column or load
// (its insertion point) moves the whole element and any other grip of theirs is refused.
[[nodiscard]] MoveOutcome OnGripDragged(const EntityView& entity, int grip, Point3 d,
                                        const TProjectData& project);

// The user is about to erase one entity. An element's erasure makes the data (and for all but
// loads the malha) stale and clears the four edit panels; a single entity of the grillage or of
// the deformed grillage is refused, since the calculation data and the results rely on their
// numbering (each is erased whole by its own action).
struct EraseOutcome {
    Verdict verdict = Verdict::Proceed;
    FlagChange flags = FlagChange::None;
    bool clearPanels = false; // PanelsClearedOnErase, in its order
    MessageLines messages;
};
[[nodiscard]] EraseOutcome OnEntityErased(std::int32_t kind);

// The slab, column, load and beam panels, cleared, in the order an erasure clears them.
[[nodiscard]] std::array<EditPanel, 4> PanelsClearedOnErase();

// The engine's paste (command 305): the program pastes in place and then runs the engine's move
// on the copies, so each copy goes through OnEntityMoved; each pasted slab and beam then takes
// its own identifier (RecordWithOwnEntityId). The engine's own paste never runs.
struct PasteOutcome {
    Verdict verdict = Verdict::Refuse;
    bool pasteInPlaceThenMove = false;
    MessageLines messages;
};
[[nodiscard]] PasteOutcome OnPasteCommand(bool clipboardHoldsEntities);

inline constexpr int PasteCommandId = 305;

// Which listing a double click runs for an entity of this kind: the element listings here, the
// node and bar listings of the malha, or none (walls and everything else are skipped).
enum class Listing { None, Beam, Slab, Column, Load, Bar, Node, DeformedNode };
[[nodiscard]] Listing ListingFor(std::int32_t kind);

// The listing of a slab, beam, column or load from its own record; empty for anything else.
[[nodiscard]] MessageLines ListElement(const EntityView& entity);

// The malha's listing of a bar or node entity (Listing Bar, Node or DeformedNode).
using MeshListing = std::function<MessageLines(const EntityView&, Listing)>;

// A double click lists the selection in order. Then the selection is cleared and the last entity
// (the current element) is deselected, which clears its panel.
struct DoubleClickOutcome {
    bool handled = false; // nothing was selected: the engine's own handling goes on
    MessageLines messages;
    std::int32_t current = 0;
    std::optional<EditPanel> panel; // the current element's panel, cleared
};
[[nodiscard]] DoubleClickOutcome OnDoubleClick(std::span<const EntityView> selection,
                                               const MeshListing& meshListing);

// "X:_(…) ; Y:_(…)": the cursor position for the main window's Label14.
[[nodiscard]] std::string CursorPositionText(double x, double y);

// An undo or redo that brought back or took away entities of these kinds: the data, and the
// malha when the geometry changed, are stale again.
[[nodiscard]] FlagChange FlagsAfterUndo(std::span<const std::int32_t> kinds);

} // namespace quadrilo::elements
