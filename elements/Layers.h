// The drawing's layers, by the exact names through which every part of the program finds its
// entities, in the order each opening of a document adds them.
#pragma once

#include <string_view>

namespace quadrilo::elements {

inline constexpr std::string_view ConstructionLineLayer = "Linhas de Construção";
inline constexpr std::string_view ColumnLayer = "Pilares";
inline constexpr std::string_view BeamLayer = "Vigas";
inline constexpr std::string_view WallLayer = "Paredes";
inline constexpr std::string_view SlabLayer = "Lajes";
inline constexpr std::string_view AnnotationLayer = "Anotações"; // free drawing and texts
inline constexpr std::string_view GrillageLayer = "Quadrilo";    // the malha's nodes and bars
inline constexpr std::string_view DeformedGrillageLayer = "Quadrilo Deformada";
inline constexpr std::string_view LoadLayer = "Cargas"; // nodal loads

} // namespace quadrilo::elements
