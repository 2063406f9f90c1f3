// Writing of the calculation data file, line by line in its fixed number formats.
#pragma once

#include "GrillageModel.h"

#include <cstdint>
#include <string>

namespace quadrilo::engine {

// Builds the file's text section by section; the caller writes the lines in the file's order:
// material count, materials, counts, coordinates, bars, loads, restraints. Units are those of the
// file: metres, kN, kN·m, kN/m², m⁴.
class CalculationDataWriter {
public:
    void MaterialCount(std::int32_t count);
    void Material(double E, double I, double G, double It); // four 23-character fields
    void Counts(std::int32_t nodes, std::int32_t bars);
    void Coordinates(double x, double y); // 3 decimals
    void Bar(std::int32_t n1, std::int32_t n2, std::int32_t material);
    void Loads(double momentX, double momentY, double forceZ); // 3 decimals
    void Restraint(int rx, int ry, int dz, double spring);     // spring in 6 characters

    [[nodiscard]] const std::string& Text() const { return m_text; }

private:
    void EndLine() { m_text += "\r\n"; }
    std::string m_text;
};

// The whole model as calculation data text (restraint codes written as 0 restrained, 1 free).
[[nodiscard]] std::string FormatCalculationData(const TGrillageModel& model);

} // namespace quadrilo::engine
