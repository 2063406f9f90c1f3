// Driver of the calculation, stage by stage with progress.
#include "GrillageCalculation.h"

#include "common/AtomicFile.h"
#include "CalculationDataReader.h"
#include "DenseSolver.h"
#include "EndForces.h"
#include "GlobalStiffness.h"
#include "ResultsFile.h"
#include "SparseSolver.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace quadrilo::engine {
namespace {

class SingularStructure : public std::runtime_error {
public:
    explicit SingularStructure(std::int32_t dof)
        : std::runtime_error("Estrutura instável: o nó " + std::to_string(DofNode(dof)) +
                             " não tem rigidez na direção " + DofDirectionName(dof) +
                             " (faltam apoios ou barras nesse nó, ou um material tem "
                             "propriedades nulas)") {}
};

class OverflowingStiffness : public std::runtime_error {
public:
    explicit OverflowingStiffness(std::int32_t node)
        : std::runtime_error("Rigidez grande demais no nó " + std::to_string(node) +
                             ": os materiais ou o comprimento das suas barras, ou a sua mola, dão "
                             "valores que os números reais não representam") {}
};

// Adds the seconds since construction (or the last lap) to a stage's timer.
class Stopwatch {
public:
    void Lap(double& stage) {
        const auto now = std::chrono::steady_clock::now();
        stage += std::chrono::duration<double>(now - m_last).count();
        m_last = now;
    }

private:
    std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
};

} // namespace

void GrillageCalculation::SetCalculationProgress(int value) {
    if (!m_progress)
        return;
    m_progress->SetPosition(std::min(value, m_progress->Maximum()));
    if (value == 100)
        m_progress->SetPosition(0);
}

CalculationOutcome GrillageCalculation::RunGrillageCalculation(const std::string& inputFile,
                                                               const std::string& outputFile) {
    SetCalculationProgress(0);
    SetCalculationProgress(10);
    ClearModel(m_model);
    m_inputFile = inputFile;
    m_outputFile = outputFile;
    m_timings = {};
    CalculationOutcome outcome;
    try {
        Calculate();
        outcome.Succeeded = true;
    } catch (const std::bad_alloc&) {
        outcome.Error = "Memória insuficiente para o cálculo da grelha";
    } catch (const std::exception& e) {
        outcome.Error = e.what();
    }
    SetCalculationProgress(100);
    return outcome;
}

void GrillageCalculation::Calculate() {
    Stopwatch clock;
    SetCalculationProgress(20);
    ReadCalculationData(m_inputFile, m_model);
    clock.Lap(m_timings.Read);

    const auto size = m_model.DofCount() + 1;
    Message("Tamanho da Matriz de Rigidez Global: [" + std::to_string(size) + " x " +
            std::to_string(size) + "]");

    SetCalculationProgress(30);
    if (const auto node = FirstNodeWithOverflowingStiffness(m_model))
        throw OverflowingStiffness(node);
    if (m_solver == SolverKind::Dense) {
        SetCalculationProgress(50);
        const auto status = SolveDenseReference(m_model);
        clock.Lap(m_timings.Solve);
        if (!status.Solved)
            throw SingularStructure(status.SingularDof);
    } else {
        auto system = ApplySupports(m_model);
        AssembleGlobalStiffness(m_model, system);
        clock.Lap(m_timings.Assemble);
        SetCalculationProgress(40);
        SetCalculationProgress(50);
        const auto status = SolveDisplacements(m_model, system);
        clock.Lap(m_timings.Solve);
        if (!status.Solved)
            throw SingularStructure(status.SingularDof);
    }

    SetCalculationProgress(70);
    ComputeEndForces(m_model);
    if (const auto unwritable = CheckResultsFit(m_model))
        throw std::runtime_error(*unwritable);
    clock.Lap(m_timings.EndForces);

    SetCalculationProgress(80);
    std::string text;
    WriteNodalDisplacements(m_model, text);
    SetCalculationProgress(90);
    WriteEndForces(m_model, text);
    ReplaceFileContents(m_outputFile, text);
    clock.Lap(m_timings.Write);
}

} // namespace quadrilo::engine
