// The whole grillage calculation: calculation data file in, results file out.
#pragma once

#include "GrillageModel.h"

#include <functional>
#include <string>

namespace quadrilo::engine {

// A progress bar the caller attaches: the main window's, a dialog's, or a terminal's.
class ProgressIndicator {
public:
    virtual ~ProgressIndicator() = default;
    [[nodiscard]] virtual int Maximum() const = 0;
    virtual void SetPosition(int position) = 0;
};

enum class SolverKind {
    Sparse, // CHOLMOD sparse direct factorisation
    Dense,  // the reference Gaussian elimination on the full matrix
};

// Seconds spent in each stage of the last run.
struct CalculationTimings {
    double Read = 0, Assemble = 0, Solve = 0, EndForces = 0, Write = 0;
    [[nodiscard]] double Total() const { return Read + Assemble + Solve + EndForces + Write; }
};

struct CalculationOutcome {
    bool Succeeded = false;
    std::string Error; // Portuguese text for the user; empty on success
};

// Holds the model of the last run (its displacements and end forces stay available until the
// next run), the file names it used, and the attached progress indicator and message sink.
class GrillageCalculation {
public:
    void AttachProgress(ProgressIndicator* indicator) { m_progress = indicator; }
    // Receives the informative lines of a run, such as the global stiffness matrix size.
    void SetMessageSink(std::function<void(const std::string&)> sink) { m_sink = std::move(sink); }
    void SetSolver(SolverKind solver) { m_solver = solver; }

    // Reads the input, assembles and solves, computes the end forces and writes the results
    // file. On any failure the results file is not touched and the outcome carries the reason.
    [[nodiscard]] CalculationOutcome RunGrillageCalculation(const std::string& inputFile,
                                                            const std::string& outputFile);

    // Moves the attached indicator (capped at its maximum); 100 returns it to 0.
    void SetCalculationProgress(int value);

    [[nodiscard]] const TGrillageModel& Model() const { return m_model; }
    [[nodiscard]] const std::string& LastInputFile() const { return m_inputFile; }
    [[nodiscard]] const std::string& LastOutputFile() const { return m_outputFile; }
    [[nodiscard]] const CalculationTimings& Timings() const { return m_timings; }

private:
    void Message(const std::string& text) const {
        if (m_sink)
            m_sink(text);
    }
    void Calculate(); // throws on failure

    TGrillageModel m_model;
    std::string m_inputFile, m_outputFile;
    ProgressIndicator* m_progress = nullptr;
    std::function<void(const std::string&)> m_sink;
    SolverKind m_solver = SolverKind::Sparse;
    CalculationTimings m_timings;
};

} // namespace quadrilo::engine
