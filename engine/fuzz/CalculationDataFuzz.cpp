// libFuzzer target: any bytes as a calculation data file, read and, when readable, solved.
#include "CalculationDataReader.h"
#include "EndForces.h"
#include "GlobalStiffness.h"
#include "ResultsFile.h"
#include "SparseSolver.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace quadrilo::engine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGrillageModel model;
    try {
        ParseCalculationData(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz",
                             model);
    } catch (const CalculationDataError&) {
        return 0; // refused with a message: the expected outcome for most inputs
    }
    if (model.NodeCount > 300) return 0; // keep each run short
    auto system = ApplySupports(model);
    AssembleGlobalStiffness(model, system);
    if (!SolveDisplacements(model, system).Solved) return 0;
    ComputeEndForces(model);
    std::string text;
    WriteNodalDisplacements(model, text);
    WriteEndForces(model, text);
    return 0;
}
