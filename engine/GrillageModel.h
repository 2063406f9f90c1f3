// The solver's in-memory grillage: materials, nodes, bars, loads, restraints and the results.
#pragma once

#include <cstdint>
#include <vector>

namespace quadrilo::engine {

// Material properties as read from the calculation data file (kN/m², m⁴).
struct TMaterialProps {
    double E = 0;
    double I = 0;
    double G = 0;
    double It = 0;
};

// A grillage bar: its end nodes, material and the geometry derived when the bar is read.
struct TBarProps {
    std::int32_t N1 = 0;
    std::int32_t N2 = 0;
    std::int32_t Material = 0;
    double Length = 0;
    double Cos = 0;
    double Sin = 0;
};

// All arrays are 1-based (entry 0 stays unused) so that node, bar, material and degree-of-freedom
// numbers index them directly: node i owns degrees of freedom 3i−2 (rx), 3i−1 (ry) and 3i (dz).
// The reader sizes the arrays to what the file holds; nothing here has a fixed capacity.
struct TGrillageModel {
    std::int32_t MaterialCount = 0;
    std::int32_t NodeCount = 0;
    std::int32_t BarCount = 0;

    std::vector<TMaterialProps> Materials; // MaterialCount + 1
    std::vector<double> X, Y;              // NodeCount + 1, metres
    std::vector<TBarProps> Bars;           // BarCount + 1
    std::vector<double> Loads;             // 3·NodeCount + 1: moment X, moment Y, force Z
    std::vector<double> Restraints;        // 3·NodeCount + 1: 0 = restrained, otherwise free
    std::vector<double> Springs;           // NodeCount + 1, kN/m on dz

    std::vector<double> Displacements; // 3·NodeCount + 1: rad, rad, m
    std::vector<double> EndForces;     // 6·BarCount + 1: torsion, bending, shear at N1 then N2

    [[nodiscard]] std::int32_t DofCount() const { return 3 * NodeCount; }
};

// Empties every array of the model and sizes it for the given counts, all values zero.
void ClearModel(TGrillageModel& model);
void SizeModel(TGrillageModel& model, std::int32_t materials, std::int32_t nodes,
               std::int32_t bars);
// Sizes the results (displacements and end forces, all zero) for the model's counts.
void SizeResults(TGrillageModel& model);

// The three directions of a node's degrees of freedom, as named in messages.
[[nodiscard]] const char* DofDirectionName(std::int32_t dof);
[[nodiscard]] inline std::int32_t DofNode(std::int32_t dof) {
    return (dof + 2) / 3;
}

} // namespace quadrilo::engine
