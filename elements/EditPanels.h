// The edit panels of tab "7) Edição dos Elementos" as plain texts (what each control shows), and
// what a panel's save changes.
#pragma once

#include "elements/ElementDrawing.h"
#include "elements/ElementEntity.h"
#include "elements/ElementKind.h"
#include "elements/ElementOutcome.h"

#include <optional>
#include <string>
#include <variant>

namespace quadrilo::elements {

// Group EditGroupLajes, caption "Lajes:".
struct SlabPanel {
    bool visible = false;
    std::string editLajeName;
    std::string editLajeE;
    std::string editlajelabel;
    std::string editLajeHandle;

    bool operator==(const SlabPanel&) const = default;
};

// Group editgroupVigas, caption "Vigas: ".
struct BeamPanel {
    bool visible = false;
    std::string editTextVigaName;
    std::string editVigaladoa;
    std::string editVigaLadoB;
    std::string editPnlVigaCoords;
    std::string editPnlVigaHandle;

    bool operator==(const BeamPanel&) const = default;
};

// Group editGroupPilares, caption "Pilares: ".
struct ColumnPanel {
    bool visible = false;
    std::string editPilarName;
    bool editChkDz = false;
    bool editChkRx = false;
    bool editChekRy = false;
    std::string editPnlPilarCoord;
    std::string editPnlPilarHandle;

    bool operator==(const ColumnPanel&) const = default;
};

// Group EditGroupCargas, caption "Cargas:".
struct LoadPanel {
    bool visible = false;
    std::string editcargaValor;
    std::string EditPnlCargaHandle;

    bool operator==(const LoadPanel&) const = default;
};

using EditPanel = std::variant<SlabPanel, BeamPanel, ColumnPanel, LoadPanel>;

// A save from an edit panel: the entity's new record and what its drawing shows of it.
struct ElementEdit {
    ElementRecord record;
    std::optional<std::string> attributeText; // the insert's first attribute, then regenerate
    std::optional<std::string> blockName;     // the insert's block changes (a load's sign)
    std::optional<MultilineWidth> width;      // a beam's multiline redrawn with its new width
    FlagChange flags = FlagChange::Results;
    EditPanel panel; // the panel after the save
};

} // namespace quadrilo::elements
