// Reading of the calculation data file into the grillage model.
#pragma once

#include "GrillageModel.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrilo::engine {

// A calculation data file that cannot be used: names the file, the line and what was expected.
class CalculationDataError : public std::runtime_error {
public:
    CalculationDataError(const std::string& file, int line, const std::string& what);
    [[nodiscard]] int Line() const { return m_line; }

private:
    int m_line;
};

// Fills the model from the file: free-format tokens, the rest of each line skipped after its
// values, the spring read only for a restrained dz. The file is read as a stream and the model
// grows with the values it holds, so memory follows the content, not the declared counts.
// Rejects what the solver cannot use (missing values, bad tokens, negative counts, node or
// material numbers out of range, bars of zero length) and anything but a regular file. On a
// refusal the model is left as it was.
void ReadCalculationData(const std::string& fileName, TGrillageModel& model);

// The same on text already in memory; `fileName` only names the source in errors.
void ParseCalculationData(std::string_view text, const std::string& fileName,
                          TGrillageModel& model);

} // namespace quadrilo::engine
