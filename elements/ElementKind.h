// Kind codes that tell the floor's entities apart, and what a change of an element makes stale in
// the workflow.
#pragma once

#include <cstdint>

namespace quadrilo::elements {

// The integer user data of an entity.
enum class ElementKind : std::int32_t {
    None = 0, // texts (the malha's labels, annotations) and every other entity
    Beam = 1,
    Slab = 2,
    Wall = 3,
    Column = 4,
    GrillageBar = 5,
    GrillageNode = 6,
    DeformedNode = 7,
    DeformedBar = 8,
    NodalLoad = 9,
};

// The kind a user-data code names; codes outside the table are None.
[[nodiscard]] ElementKind KindOfCode(std::int32_t code);

// The user-data code that marks an entity of this kind.
[[nodiscard]] constexpr std::int32_t KindCode(ElementKind kind) {
    return static_cast<std::int32_t>(kind);
}

// The grillage and the deformed grillage: numbered entities that the calculation data and the
// results rely on, so the user may not erase or move them one by one.
[[nodiscard]] bool IsGrillageEntity(ElementKind kind);

// What a change leaves stale. Every change of an element makes the calculation data stale
// (ResultsCurrent cleared); a change of the floor's geometry also makes the malha stale
// (MeshOutdated set). No change of an element ever sets ResultsCurrent or clears MeshOutdated.
enum class FlagChange { None, Results, ResultsAndMesh };

// The stronger of two changes, for an operation that touches several entities.
[[nodiscard]] FlagChange Combine(FlagChange a, FlagChange b);

// Applies a change to the application's two workflow flags.
void ApplyFlagChange(FlagChange change, bool& meshOutdated, bool& resultsCurrent);

// The change that creating, erasing or restoring one entity of this kind makes: columns, beams,
// slabs and walls shape the malha and the data; a nodal load only the data; the grillage itself
// stops matching its records (so it is generated again); other entities change nothing.
[[nodiscard]] FlagChange StaleAfterChangeOf(ElementKind kind);

} // namespace quadrilo::elements
