// Parede (wall): the command's prompts, the record and the line it draws.
#pragma once

#include "elements/ElementDrawing.h"
#include "elements/TWallData.h"

#include <optional>
#include <string_view>

namespace quadrilo::elements {

// The wall command prompts on the engine's prompt line only; it writes nothing to the log.
inline constexpr std::string_view WallFirstPointPrompt = "Input first corner of \"Parede\":";
inline constexpr std::string_view WallSecondPointPrompt = "Input second Muro corner:";

// The wall between two picked points (as picked): a thick line of colour 5 on the layer current
// when it is drawn. Walls are counted by the calculation data, so a new one makes them stale.
[[nodiscard]] ElementCreation CreateWall(Point3 point1, Point3 point2);

// The wall's record after its line moved by d (no grip, or its middle grip) or one end was
// dragged (grip 0 or 1).
[[nodiscard]] TWallData MovedWall(TWallData wall, Point3 d, std::optional<int> grip);

} // namespace quadrilo::elements
