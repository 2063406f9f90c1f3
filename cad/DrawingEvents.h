// What a drawing tells its listeners. Every change goes through a Transaction, which raises one
// event for it here: entities created whole, erasures, moves and grip drags that a handler may
// refuse, other changes of entities, layers, blocks, styles and drawing data; undo, redo and
// roll-back name what came back and what went.
#pragma once

#include "cad/Entity.h"
#include "cad/Signal.h"

#include <vector>

namespace quadrilo::cad {

enum class HistoryKind { Undo, Redo, RollBack };

// The entities an undo, redo or roll-back touched.
struct HistoryStep {
    HistoryKind kind = HistoryKind::Undo;
    std::vector<EntityId> cameBack;  // back in the drawing
    std::vector<const Entity*> went; // out of it, as they were; readable during the event
    std::vector<EntityId> changed;   // in it before and after, in another state
};

// A layer's whole contents replaced at once (the grillage regenerated from the elements).
struct LayerReplacement {
    LayerId layer;
    std::vector<const Entity*> went; // the previous contents, readable during the event
    std::vector<EntityId> added;     // the new contents, in drawing order
};

struct DrawingEvents {
    // A finished entity entered the drawing (kind code, record, layer and colour all set).
    Signal<EntityId> created;
    // About to erase, move or drag a grip of an entity, which is still as it was. A handler may
    // change the displacement, or refuse.
    VerdictSignal<EntityId> erasing;
    VerdictSignal<EntityId, Point3&> moving;
    VerdictSignal<EntityId, int, Point3&> gripping;
    // Any other change of an entity: properties, kind code, record, vertices, attributes.
    Signal<EntityId> entityChanged;
    Signal<const LayerReplacement&> layerReplaced;
    Signal<LayerId> layerChanged; // added, changed, moved in the order or erased
    Signal<BlockId> blockAdded;
    Signal<> stylesChanged;
    Signal<> dataChanged; // the drawing's extended data or palette
    Signal<const HistoryStep&> historyStepped;
    // A transaction, undo, redo or roll-back ended with the drawing changed.
    Signal<> completed;
};

} // namespace quadrilo::cad
