// The malha's actions on tab "6) Cálculos e Malha": "Gerar Grelha Principal", "Apagar Grelha",
// "Gerar Dados Iniciais" and "Calcular".
#pragma once

#include "cad/Transaction.h"
#include "engine/GrillageCalculation.h"

#include <QObject>

namespace quadrilo::app {

class ProgramState;
class TfrmMain;

// Seconds each stage took in the last action: the grid, the calculation data (every generation
// the action ran), the solve and the results read into the records.
struct GrillageTimings {
    double Mesh = 0, Data = 0, Solve = 0, Results = 0;
};

// Connects and enables `actMalha`, `actDelMesh`, `actGerarDados` and `actCalculate` of the
// window. Each action is one undo step: the work it chains (a calculation generating the malha
// and the data, say) joins that step. Long work keeps the other actions out (BusyGuard).
class GrillageActions : public QObject {
    Q_OBJECT
public:
    explicit GrillageActions(TfrmMain& window);

    // The actions' work; each returns whether it went through to its end.
    bool GenerateMesh();
    bool DeleteMesh();
    bool GenerateData();
    bool Calculate();

    // The solver's model of the last run.
    [[nodiscard]] const engine::GrillageCalculation& calculation() const;
    [[nodiscard]] const GrillageTimings& timings() const { return m_timings; }

private:
    // Runs the work as one undo step while the other actions wait.
    bool asOneStep(bool (GrillageActions::*work)(cad::Transaction&));
    // The same work inside a step already open.
    bool generateMesh(cad::Transaction& tx);
    bool deleteMesh(cad::Transaction& tx);
    bool generateData(cad::Transaction& tx);
    bool calculate(cad::Transaction& tx);
    // Reads the lists from the drawing and stores the project record.
    bool buildWorkingLists(cad::Transaction& tx);
    bool solve();
    // "gOutput.txt" into the node and bar records, in the lists and in the drawing.
    void loadResults(cad::Transaction& tx);
    void log(const std::string& line);

    TfrmMain& m_window;
    ProgramState& m_state;
    GrillageTimings m_timings;
};

} // namespace quadrilo::app
