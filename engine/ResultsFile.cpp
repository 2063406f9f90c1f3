// Text layout of the results file that the deformed grillage and the listings read back by line.
#include "ResultsFile.h"

#include "NumberText.h"

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

} // namespace

void WriteNodalDisplacements(const TGrillageModel& model, std::string& out) {
    AppendSectionHeader(out, 48, "Deslocamento nodal",
                        "Nó            Rotação em torno do eixo X    Rotação em torno do eixo Y   "
                        "Deslocamentos na direção do eixo Z");
    out.reserve(out.size() + static_cast<std::size_t>(model.NodeCount) * 104);
    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        AppendInteger(out, i);
        out += "   ";
        for (std::int32_t m = 3 * i - 2; m <= 3 * i; ++m)
            AppendFixedField(out, model.Displacements[m], 7, 30);
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
            AppendFixedField(out, f[p], 4, 18);
        out += NewLine;
        out.append(11, ' ');
        AppendInteger(out, model.Bars[b].N2);
        for (int p = 3; p < 6; ++p)
            AppendFixedField(out, f[p], 4, 18);
        out += NewLine;
    }
    out += NewLine;
}

} // namespace quadrilo::engine
