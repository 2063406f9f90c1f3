// The results file's fixed layout, byte for byte.
#include "ResultsFile.h"

#include <gtest/gtest.h>

namespace quadrilo::engine {
namespace {

const std::string Stars(107, '*');

std::string Header(int indent, const std::string& title, const std::string& columns) {
    return "\r\n" + Stars + "\r\n" + std::string(indent, ' ') + title + "\r\n\r\n" + columns +
           "\r\n\r\n";
}

const std::string DisplacementHeader = Header(
    48, "Deslocamento nodal",
    "Nó            Rotação em torno do eixo X    Rotação em torno do eixo Y   Deslocamentos na "
    "direção do eixo Z");
const std::string EndForceHeader =
    Header(30, "Reações de extremidade",
           "Barra      Nó   Momento torçor (x)   Momento fletor (y)  Esforço cortante (z)");

TEST(ResultsFile, SectionsAreLaidOutInFixedColumns) {
    TGrillageModel model;
    SizeModel(model, 1, 2, 1);
    model.Bars[1] = {1, 2, 1, 1.0, 1.0, 0.0};
    model.Displacements = {0, 0.00012345678, -1e-9, -0.0123456749, 1.5, 0, 1.5e25};
    model.EndForces = {0, 1.23456, -2.5, 0, -1.23456, 99999999999999.0, -0.00004};

    std::string text;
    WriteNodalDisplacements(model, text);
    WriteEndForces(model, text);

    EXPECT_EQ(text,
              DisplacementHeader + "1   " + std::string(21, ' ') + "0.0001235" +
                  std::string(21, ' ') + "0.0000000" + std::string(20, ' ') + "-0.0123457\r\n" +
                  "2   " + std::string(21, ' ') + "1.5000000" + std::string(21, ' ') + "0.0000000" +
                  "15000000000000000000000000.0000000\r\n" + EndForceHeader + "1          1" +
                  std::string(12, ' ') + "1.2346" + std::string(11, ' ') + "-2.5000" +
                  std::string(12, ' ') + "0.0000\r\n" + "           2" + std::string(11, ' ') +
                  "-1.2346" + "99999999999999.0000" + std::string(12, ' ') + "0.0000\r\n" + "\r\n");
}

TEST(ResultsFile, WithoutBarsTheEndForceSectionIsItsHeaderAndAnEmptyLine) {
    TGrillageModel model;
    SizeModel(model, 0, 1, 0);
    std::string text;
    WriteEndForces(model, text);
    EXPECT_EQ(text, EndForceHeader + "\r\n");
}

} // namespace
} // namespace quadrilo::engine
