// libFuzzer target: any bytes as a calculation data file, read and, when readable, solved; the
// results that pass the field check are written, and every line then splits at blanks into its
// numbers as the results readers take them.
#include "CalculationDataReader.h"
#include "EndForces.h"
#include "GlobalStiffness.h"
#include "ResultsFile.h"
#include "SparseSolver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace quadrilo::engine;

namespace {

std::size_t FieldCount(std::string_view line) {
    std::size_t fields = 0;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] != ' ' && (i == 0 || line[i - 1] == ' '))
            ++fields;
    return fields;
}

// Node lines: number and three displacements. Bar lines: number, N1 and three end forces, then
// N2 and three end forces. The six header lines of each section hold no numbers to check.
void CheckResultLines(const TGrillageModel& model, std::string_view text) {
    const std::size_t firstNode = 6, lastNode = firstNode + model.NodeCount;
    const std::size_t firstBar = lastNode + 6;
    const std::size_t end = firstBar + 2 * static_cast<std::size_t>(model.BarCount);
    std::size_t start = 0;
    for (std::size_t index = 0; index < end; ++index) {
        const auto stop = text.find("\r\n", start);
        const auto line = text.substr(start, stop - start);
        start = stop + 2;
        std::size_t fields = 0;
        if (index >= firstBar)
            fields = (index - firstBar) % 2 == 0 ? 5 : 4;
        else if (index >= firstNode && index < lastNode)
            fields = 4;
        if (fields != 0 && FieldCount(line) != fields)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGrillageModel model;
    try {
        ParseCalculationData(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz",
                             model);
    } catch (const CalculationDataError&) {
        return 0; // refused with a message: the expected outcome for most inputs
    }
    if (model.NodeCount > 300 || FirstNodeWithOverflowingStiffness(model) != 0)
        return 0; // keep each run short; the driver refuses the overflow with a message
    auto system = ApplySupports(model);
    AssembleGlobalStiffness(model, system);
    if (!SolveDisplacements(model, system).Solved)
        return 0;
    ComputeEndForces(model);
    if (CheckResultsFit(model))
        return 0;
    std::string text;
    WriteNodalDisplacements(model, text);
    WriteEndForces(model, text);
    CheckResultLines(model, text);
    return 0;
}
