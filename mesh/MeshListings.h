// The listings of a malha node or bar, line by line, for the message log and the CAD prompt.
#pragma once

#include "mesh/MaterialTable.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quadrilo::mesh {

// The node's data, framed by empty lines; `kindCode` 7 (a deformed node) changes the titles.
[[nodiscard]] std::vector<std::string> ShowNodeData(const TNodeData& node, std::int32_t kindCode);

// The bar's data with E, G, I and It of its material in the table (zeros when it has none),
// framed by empty lines.
[[nodiscard]] std::vector<std::string> ShowBarData(const TBarData& bar,
                                                   const MaterialTable& materials);

} // namespace quadrilo::mesh
