// The calculation data generation: materials, loads and supports of the malha from its working
// lists, and the calculation data file ("gInput.txt") written whole.
#pragma once

#include "common/Messages.h"
#include "mesh/LoadDistribution.h"
#include "mesh/MeshWorkspace.h"
#include "project/TProjectData.h"

#include <stdexcept>
#include <string>

namespace quadrilo::mesh {

// Prepares the lists for writing: builds the material table (one material per viga, then four
// per laje), distributes the cargas locais, the vigas' weights and the lajes' loads, gives every
// bar its material and every node in a pilar its supports. Bars in no laje and on no viga take
// a last material of no stiffness, and the nodes that only such bars reach are held in all three
// directions with no load, with one "Atenção:" line for both. Changed records are marked for the
// caller to write back. Returns false, with an "Erro:" line, when there is no malha, when its
// nodes and bars are not the regular numbered grid, or when the materials cannot be numbered;
// the lists are then unchanged.
[[nodiscard]] bool GenerateCalculationData(MeshWorkspace& workspace, const TProjectData& project,
                                           MessageSink& sink);

// A load combination that fails at a node: names the node, the formula and the fault.
class LoadCombinationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The calculation data text of the prepared lists, section by section with its log line.
// Throws LoadCombinationError.
[[nodiscard]] std::string CalculationDataText(const MeshWorkspace& workspace,
                                              NodeLoadCombiner& combiner, MessageSink& sink);

// Compiles the project's load combination, builds the text and replaces the file at `path`
// whole, ending with "Arquivo criado...". Returns false, with an "Erro:" line, when the formula
// is empty or fails, or the file cannot be written; the previous file is then left as it was.
[[nodiscard]] bool WriteCalculationData(const MeshWorkspace& workspace, const TProjectData& project,
                                        const std::string& path, MessageSink& sink);

} // namespace quadrilo::mesh
