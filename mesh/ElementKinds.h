// Kind codes (the entities' user data) of the malha's entities, and their colour.
#pragma once

#include <cstdint>

namespace quadrilo::mesh {

namespace kind {
inline constexpr std::int32_t Label = 0; // texts: node and bar labels, annotations
inline constexpr std::int32_t Beam = 1;
inline constexpr std::int32_t Slab = 2;
inline constexpr std::int32_t Wall = 3;
inline constexpr std::int32_t Column = 4;
inline constexpr std::int32_t GrillageBar = 5;
inline constexpr std::int32_t GrillageNode = 6;
inline constexpr std::int32_t DeformedNode = 7;
inline constexpr std::int32_t DeformedBar = 8;
inline constexpr std::int32_t NodalLoad = 9;
} // namespace kind

// Colour index of every entity of the malha: nodes, bars and their labels.
inline constexpr int GrillageColour = 6;

} // namespace quadrilo::mesh
