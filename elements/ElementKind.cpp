// Kind codes of the floor's entities and the workflow flags their changes touch.
#include "elements/ElementKind.h"

#include <algorithm>

namespace quadrilo::elements {

ElementKind KindOfCode(std::int32_t code) {
    return code >= 1 && code <= 9 ? static_cast<ElementKind>(code) : ElementKind::None;
}

bool IsGrillageEntity(ElementKind kind) {
    return kind == ElementKind::GrillageBar || kind == ElementKind::GrillageNode ||
           kind == ElementKind::DeformedNode || kind == ElementKind::DeformedBar;
}

FlagChange Combine(FlagChange a, FlagChange b) {
    return std::max(a, b);
}

void ApplyFlagChange(FlagChange change, bool& meshOutdated, bool& resultsCurrent) {
    if (change != FlagChange::None) {
        resultsCurrent = false;
    }
    if (change == FlagChange::ResultsAndMesh) {
        meshOutdated = true;
    }
}

FlagChange StaleAfterChangeOf(ElementKind kind) {
    switch (kind) {
    case ElementKind::Beam:
    case ElementKind::Slab:
    case ElementKind::Wall:
    case ElementKind::Column:
    case ElementKind::GrillageBar:
    case ElementKind::GrillageNode:
        return FlagChange::ResultsAndMesh;
    case ElementKind::NodalLoad:
        return FlagChange::Results;
    default:
        return FlagChange::None;
    }
}

} // namespace quadrilo::elements
