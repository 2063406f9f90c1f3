// The results file read into the malha's records: the working lists and the node and bar
// entities of "Quadrilo".
#pragma once

#include "mesh/MeshWorkspace.h"
#include "results/ResultsReader.h"

#include <span>
#include <string>
#include <vector>

namespace quadrilo::cad {
class Drawing;
}

namespace quadrilo::app {

// Reads the results file into NodeList and BarList (matched by node and bar number) and writes
// each changed record back to its entity, in one undo step. A refused file leaves the lists and
// the drawing as they were. "Calcular" calls it after every successful run, so that the diagrams
// and the 3D view never show an earlier run's numbers.
[[nodiscard]] results::ResultsLoad LoadResultsIntoDrawing(const std::string& resultsPath,
                                                          mesh::MeshWorkspace& workspace,
                                                          cad::Drawing& drawing);

// The records of the working lists, in list order, and back.
[[nodiscard]] std::vector<TNodeData> NodeRecords(const mesh::WorkingLists& lists);
[[nodiscard]] std::vector<TBarData> BarRecords(const mesh::WorkingLists& lists);
// Gives each list item its record and writes it to the item's entity (inside the caller's
// transaction, when there is one).
void StoreRecords(std::span<const TNodeData> nodes, std::span<const TBarData> bars,
                  mesh::WorkingLists& lists, cad::Drawing& drawing);

} // namespace quadrilo::app
