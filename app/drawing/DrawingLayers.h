// The layers every document gets when it opens, by which the whole program finds its entities.
#pragma once

#include <array>

namespace quadrilo::app {

inline constexpr char LayerConstructionLines[] = "Linhas de Construção";
inline constexpr char LayerColumns[] = "Pilares";
inline constexpr char LayerBeams[] = "Vigas";
inline constexpr char LayerWalls[] = "Paredes";
inline constexpr char LayerSlabs[] = "Lajes";
inline constexpr char LayerAnnotations[] = "Anotações";
inline constexpr char LayerMesh[] = "Quadrilo";
inline constexpr char LayerDeformed[] = "Quadrilo Deformada";
inline constexpr char LayerLoads[] = "Cargas";

struct ProgramLayer {
    const char* name;
    int color; // index of the drawing's palette
};

// In the order they are added; an existing layer of the same name is kept as it is.
inline constexpr std::array<ProgramLayer, 9> ProgramLayers{{
    {LayerConstructionLines, 7},
    {LayerColumns, 3},
    {LayerBeams, 1},
    {LayerWalls, 5},
    {LayerSlabs, 2},
    {LayerAnnotations, 256},
    {LayerMesh, 254},
    {LayerDeformed, 60},
    {LayerLoads, 5},
}};

// Kind code of a nodal load (the entity's user data).
inline constexpr int NodalLoadKind = 9;

// The palette entry the deformed grillage's layer takes once a project record is loaded, and the
// entry whose colour a new project starts from.
inline constexpr int DeformedColorIndex = 10;
inline constexpr int DefaultDeformedColorIndex = 60;

} // namespace quadrilo::app
