// Reading the results file back into the malha's node and bar records.
#pragma once

#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::results {

// The message of a results file that is not there yet (also the listing's refusal).
inline constexpr const char* NoResultsMessage = "Erro: Não há listagem de resultados ainda";

// A refused results file comes back as one "Erro:" line for the message log.
struct ResultsLoad {
    bool Loaded = false;
    std::string Error;
};

// Reads the results file at `path` and gives every node record its rotations and vertical
// displacement and every bar record its six end forces. Lines are matched to records by node and
// bar number, and each bar line must join the bar's own nodes; a file with other counts, another
// topology, a short section or a word that is not a number is refused and the records are left
// exactly as they were. A missing file gives `NoResultsMessage`.
[[nodiscard]] ResultsLoad ReadResultsIntoRecords(const std::string& path,
                                                 std::vector<TNodeData>& nodes,
                                                 std::vector<TBarData>& bars);

// The same on text already read; `fileName` only names the file in messages.
[[nodiscard]] ResultsLoad LoadResultsText(std::string_view text, const std::string& fileName,
                                          std::vector<TNodeData>& nodes,
                                          std::vector<TBarData>& bars);

} // namespace quadrilo::results
