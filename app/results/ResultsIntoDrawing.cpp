// The results file read into the malha's records.
#include "app/results/ResultsIntoDrawing.h"

#include "cad/Transaction.h"

namespace quadrilo::app {
namespace {

template <class Record>
std::vector<Record> RecordsOf(const std::vector<mesh::WorkingItem<Record>>& items) {
    std::vector<Record> records;
    records.reserve(items.size());
    for (const auto& item : items)
        records.push_back(item.Data);
    return records;
}

template <class Record>
void Store(std::span<const Record> records, std::vector<mesh::WorkingItem<Record>>& items,
           cad::Transaction& tx) {
    for (std::size_t i = 0; i < items.size() && i < records.size(); ++i) {
        items[i].Data = records[i];
        (void)tx.setExtendedData(cad::EntityId{items[i].EntityID}, records[i].Encode());
    }
}

} // namespace

std::vector<TNodeData> NodeRecords(const mesh::WorkingLists& lists) {
    return RecordsOf(lists.NodeList);
}

std::vector<TBarData> BarRecords(const mesh::WorkingLists& lists) {
    return RecordsOf(lists.BarList);
}

void StoreRecords(std::span<const TNodeData> nodes, std::span<const TBarData> bars,
                  mesh::WorkingLists& lists, cad::Drawing& drawing) {
    cad::Transaction tx(drawing);
    Store(nodes, lists.NodeList, tx);
    Store(bars, lists.BarList, tx);
}

results::ResultsLoad LoadResultsIntoDrawing(const std::string& resultsPath,
                                            mesh::MeshWorkspace& workspace,
                                            cad::Drawing& drawing) {
    std::vector<TNodeData> nodes = NodeRecords(workspace.Lists);
    std::vector<TBarData> bars = BarRecords(workspace.Lists);
    results::ResultsLoad load = results::ReadResultsIntoRecords(resultsPath, nodes, bars);
    if (load.Loaded)
        StoreRecords(nodes, bars, workspace.Lists, drawing);
    return load;
}

} // namespace quadrilo::app
