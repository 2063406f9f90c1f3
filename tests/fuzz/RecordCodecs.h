// The binary codecs the records fuzz target exercises, numbered by the selector byte that starts
// each fuzz input; the seed writer numbers its seeds the same way.
#pragma once

#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TLoadData.h"
#include "elements/TSlabData.h"
#include "elements/TWallData.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"
#include "project/TProjectData.h"

#include <cstdint>
#include <tuple>

namespace quadrilo::fuzz {

// Selectors 0 .. size−1: the records, each decoded from the rest of the input.
using Records = std::tuple<TSlabData, TBeamData, TColumnData, TWallData, TLoadData, TNodeData,
                           TBarData, TProjectData>;
// Then the x87 Extended codec on 10 bytes, and the Windows-1252 text codec on any bytes.
inline constexpr std::uint8_t ExtendedSelector = std::tuple_size_v<Records>;
inline constexpr std::uint8_t TextSelector = ExtendedSelector + 1;
inline constexpr std::uint8_t SelectorCount = TextSelector + 1;

} // namespace quadrilo::fuzz
