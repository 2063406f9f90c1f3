// The grillage solve run off the window's thread, with the main progress bar advancing.
#pragma once

#include "engine/GrillageCalculation.h"

#include <functional>
#include <string>

class QProgressBar;

namespace quadrilo::app {

// Runs `RunGrillageCalculation` on a worker thread and waits for it in a local event loop, so
// that the window repaints and the progress bar moves while the solver works; user input waits
// until the run ends. The solver's progress and its message lines (`prompt`) reach the window on
// its own thread, in order. Returns the engine's outcome; the calculation keeps its model for the
// statics check.
[[nodiscard]] engine::CalculationOutcome
RunCalculationOffUiThread(engine::GrillageCalculation& calculation, QProgressBar& progress,
                          std::function<void(const std::string&)> prompt,
                          const std::string& inputFile, const std::string& outputFile);

} // namespace quadrilo::app
