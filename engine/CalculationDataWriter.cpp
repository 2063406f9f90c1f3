// The calculation data file's line formats.
#include "CalculationDataWriter.h"

#include "NumberText.h"

namespace quadrilo::engine {

void CalculationDataWriter::MaterialCount(std::int32_t count) {
    AppendInteger(m_text, count);
    EndLine();
}

void CalculationDataWriter::Material(double E, double I, double G, double It) {
    for (const double value : {E, I, G, It})
        AppendMaterialField(m_text, value);
    EndLine();
}

void CalculationDataWriter::Counts(std::int32_t nodes, std::int32_t bars) {
    AppendInteger(m_text, nodes);
    m_text += ' ';
    AppendInteger(m_text, bars);
    EndLine();
}

void CalculationDataWriter::Coordinates(double x, double y) {
    AppendFixed(m_text, x, 3);
    m_text += ' ';
    AppendFixed(m_text, y, 3);
    EndLine();
}

void CalculationDataWriter::Bar(std::int32_t n1, std::int32_t n2, std::int32_t material) {
    AppendInteger(m_text, n1);
    m_text += ' ';
    AppendInteger(m_text, n2);
    m_text += ' ';
    AppendInteger(m_text, material);
    EndLine();
}

void CalculationDataWriter::Loads(double momentX, double momentY, double forceZ) {
    AppendFixed(m_text, momentX, 3);
    m_text += ' ';
    AppendFixed(m_text, momentY, 3);
    m_text += ' ';
    AppendFixed(m_text, forceZ, 3);
    EndLine();
}

void CalculationDataWriter::Restraint(int rx, int ry, int dz, double spring) {
    for (const int code : {rx, ry, dz}) {
        AppendInteger(m_text, code);
        m_text += ' ';
    }
    AppendFixedField(m_text, spring, 3, 6);
    EndLine();
}

std::string FormatCalculationData(const TGrillageModel& model) {
    CalculationDataWriter out;
    out.MaterialCount(model.MaterialCount);
    for (std::int32_t k = 1; k <= model.MaterialCount; ++k) {
        const auto& m = model.Materials[k];
        out.Material(m.E, m.I, m.G, m.It);
    }
    out.Counts(model.NodeCount, model.BarCount);
    for (std::int32_t i = 1; i <= model.NodeCount; ++i)
        out.Coordinates(model.X[i], model.Y[i]);
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        const auto& bar = model.Bars[b];
        out.Bar(bar.N1, bar.N2, bar.Material);
    }
    for (std::int32_t i = 1; i <= model.NodeCount; ++i)
        out.Loads(model.Loads[3 * i - 2], model.Loads[3 * i - 1], model.Loads[3 * i]);
    auto code = [&model](std::int32_t dof) { return model.Restraints[dof] == 0 ? 0 : 1; };
    for (std::int32_t i = 1; i <= model.NodeCount; ++i)
        out.Restraint(code(3 * i - 2), code(3 * i - 1), code(3 * i), model.Springs[i]);
    return out.Text();
}

} // namespace quadrilo::engine
