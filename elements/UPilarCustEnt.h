// Pilar (column and support): creation panel and command, what it draws, its listing and its edit
// panel.
#pragma once

#include "elements/EditPanels.h"
#include "elements/ElementDrawing.h"
#include "elements/ElementOutcome.h"
#include "elements/TColumnData.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quadrilo::elements {

// Tab "3) Pilares": the texts and boxes of the creation panel, with their defaults (dz is always
// restrained: its box cannot be unchecked).
struct ColumnCreationPanel {
    std::string edtLadoA = "30";
    std::string edtLadoB = "30";
    std::string edthPilar = "300";
    std::string edtPName = "Pilar";
    bool chkDz = true;
    bool chkRx = false;
    bool chkRy = false;
    std::string edtMola = "0";
};

inline constexpr std::string_view ColumnPositionPrompt = "Entre as coordenadas do Pilar:";

// "Criar": the column buffer (sides, restraints, spring, then height and the typed name cut to 50
// characters). Refused for a side ≤ 0 or a negative spring.
[[nodiscard]] Outcome<TColumnData> ReadColumnPanel(const ColumnCreationPanel& panel);

// The column whose foot stands at the picked point (not rounded): box from the sides and height,
// Nome the block name, drawn as an insert on "Pilares". Refused as ReadColumnPanel refuses.
[[nodiscard]] Outcome<ElementCreation> CreateColumn(const TColumnData& buffer, Point3 at);

// "Pilar 30x30", or "Mola k= 5000: 30x30" for a column on a spring, cut to 50 characters.
[[nodiscard]] std::string ColumnBlockName(const TColumnData& column);

[[nodiscard]] MessageLines ColumnListing(const TColumnData& column);

[[nodiscard]] ColumnPanel FillColumnPanel(const TColumnData& column, std::int32_t entity);
[[nodiscard]] ColumnPanel ClearedColumnPanel();

// "Gravar": the record read from the column's own entity with the new name and restraints; its
// label shows the name. Sides, height and spring stay. The panel is cleared.
[[nodiscard]] ElementEdit SaveColumnPanel(const ColumnPanel& panel, const TColumnData& column);

// The column's record after its insert moved by d: X, Y and the plan box follow; Z stays.
[[nodiscard]] TColumnData MovedColumn(TColumnData column, Point3 d);
[[nodiscard]] std::string ColumnMovedText(const TColumnData& moved);

} // namespace quadrilo::elements
