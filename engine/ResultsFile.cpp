// Text layout of the results file that the deformed grillage and the listings read back by line.
#include "ResultsFile.h"

#include "NumberText.h"

#include "common/Format.h"

#include <cmath>

namespace quadrilo::engine {
namespace {

constexpr const char* NewLine = "\r\n";

void AppendSectionHeader(std::string& out, int indent, const char* title, const char* columns) {
    out += NewLine;
    out.append(107, '*');
    out += NewLine;
    out.append(static_cast<std::size_t>(indent), ' ');
    out += title;
    out += NewLine;
    out += NewLine;
    out += columns;
    out += NewLine;
    out += NewLine;
}

std::string DisplacementName(std::int32_t dof) {
    const std::string direction = DofDirectionName(dof);
    return (direction == "dz" ? "o deslocamento " : "a rotação ") + direction + " do nó " +
           std::to_string(DofNode(dof));
}

std::string EndForceName(const TGrillageModel& model, std::size_t entry) {
    static const char* const quantities[] = {"o momento torçor", "o momento fletor",
                                             "o esforço cortante"};
    const auto bar = static_cast<std::int32_t>((entry + 5) / 6);
    const auto p = (entry - 1) % 6;
    const auto node = p < 3 ? model.Bars[bar].N1 : model.Bars[bar].N2;
    return std::string(quantities[p % 3]) + " da barra " + std::to_string(bar) + " no nó " +
           std::to_string(node);
}

std::string Unwritable(const std::string& what, double value, int width) {
    const std::string advice = "; verifique as cargas, os materiais e os apoios (o arquivo de "
                               "resultados não foi gravado)";
    if (!std::isfinite(value))
        return "Resultado inválido: " + what + " não é um número finito (" +
               (std::isnan(value) ? "NaN" : "infinito") + ")" + advice;
    return "Resultado grande demais: " + what + " vale " + FloatToStr(value) +
           " e não cabe no campo de " + std::to_string(width) +
           " caracteres do arquivo de resultados" + advice;
}

} // namespace

std::optional<std::string> CheckResultsFit(const TGrillageModel& model) {
    for (std::int32_t m = 1; m <= model.DofCount(); ++m) {
        const double value = model.Displacements[m];
        if (!FitsFixedField(value, DisplacementDecimals, DisplacementWidth))
            return Unwritable(DisplacementName(m), value, DisplacementWidth);
    }
    for (std::size_t e = 1; e < model.EndForces.size(); ++e) {
        const double value = model.EndForces[e];
        if (!FitsFixedField(value, EndForceDecimals, EndForceWidth))
            return Unwritable(EndForceName(model, e), value, EndForceWidth);
    }
    return std::nullopt;
}

void WriteNodalDisplacements(const TGrillageModel& model, std::string& out) {
    AppendSectionHeader(out, 48, "Deslocamento nodal",
                        "Nó            Rotação em torno do eixo X    Rotação em torno do eixo Y   "
                        "Deslocamentos na direção do eixo Z");
    out.reserve(out.size() + static_cast<std::size_t>(model.NodeCount) * 104);
    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        AppendInteger(out, i);
        out += "   ";
        for (std::int32_t m = 3 * i - 2; m <= 3 * i; ++m)
            AppendFixedField(out, model.Displacements[m], DisplacementDecimals, DisplacementWidth);
        out += NewLine;
    }
}

void WriteEndForces(const TGrillageModel& model, std::string& out) {
    AppendSectionHeader(
        out, 30, "Reações de extremidade",
        "Barra      Nó   Momento torçor (x)   Momento fletor (y)  Esforço cortante (z)");
    out.reserve(out.size() + static_cast<std::size_t>(model.BarCount) * 150);
    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        const double* f = &model.EndForces[6 * static_cast<std::size_t>(b) - 5];
        AppendInteger(out, b);
        out.append(10, ' ');
        AppendInteger(out, model.Bars[b].N1);
        for (int p = 0; p < 3; ++p)
            AppendFixedField(out, f[p], EndForceDecimals, EndForceWidth);
        out += NewLine;
        out.append(11, ' ');
        AppendInteger(out, model.Bars[b].N2);
        for (int p = 3; p < 6; ++p)
            AppendFixedField(out, f[p], EndForceDecimals, EndForceWidth);
        out += NewLine;
    }
    out += NewLine;
}

} // namespace quadrilo::engine
