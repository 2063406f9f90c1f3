// calc-bench: "Calcular" in the program, headless, on a floor whose malha has 141 × 141 divisions
// (20 164 nodes, 40 044 bars and their labels), stage by stage, then the bare engine on the same
// "gInput.txt" in the same process. One figure a line as "name value"; best of three runs.
#include "FloorDrawing.h"

#include "app/ProgramState.h"
#include "app/mesh/GrillageActions.h"
#include "app/prompts/ScriptedPrompts.h"
#include "app/script/ScriptControls.h"
#include "app/window/TfrmAbout.h"
#include "app/window/TfrmMain.h"
#include "app/window/TfrmSaveAS.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using namespace quadrilo;
using namespace quadrilo::app;
using Clock = std::chrono::steady_clock;

constexpr int Divisions = 141;
constexpr double Side = 1410; // cm: a 10 cm grid
constexpr int Runs = 3;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Figures {
    double mesh = 1e300, data = 1e300, solve = 1e300, results = 1e300, total = 1e300,
           engine = 1e300;
};

// The program as a user has it: the main window started up, a fresh home.
struct Program {
    QTemporaryDir temp;
    ProgramState state{AppFolders{temp.filePath("program"), temp.filePath("home")}};
    ScriptedPrompts prompts;
    TfrmMain window{state, prompts};

    Program() {
        (void)state.folders.makeFolders();
        window.attach(*new TfrmSaveAS(&window), *new TfrmAbout(&window));
        window.show();
        while (!window.startedUp())
            QCoreApplication::processEvents();
    }
    ~Program() { window.skipCloseCheck(); }
};

// A square laje with a viga on each edge, a pilar at each corner and a carga local at its centre.
void DrawBenchFloor(Program& program) {
    using namespace quadrilo::app::test;
    SetControlText(FindControl(program.window, QStringLiteral("edtdX")),
                   QString::number(Divisions));
    SetControlText(FindControl(program.window, QStringLiteral("edtdY")),
                   QString::number(Divisions));
    DrawFloor(program.state.cad.drawing(), program.state.project, {{0, 0, Side, Side}},
              {{0, 0, Side, 0}, {Side, 0, Side, Side}, {0, Side, Side, Side}, {0, 0, 0, Side}},
              {{0, 0, true, true}, {Side, 0, false, false, 5000}, {0, Side}, {Side, Side}},
              {{700, 700, -10}});
}

void Run(Figures& best) {
    Program program;
    DrawBenchFloor(program);
    program.state.flags.MeshOutdated = true;
    program.state.flags.ResultsCurrent = false;
    auto* actions = program.window.findChild<GrillageActions*>();
    if (!actions)
        std::exit(2);

    const auto start = Clock::now();
    program.window.actions()["actCalculate"]->trigger();
    const double total = Since(start);
    if (!program.state.flags.ResultsCurrent) {
        std::fprintf(stderr, "calc-bench: the calculation failed\n");
        std::exit(3);
    }
    const GrillageTimings& t = actions->timings();
    best.mesh = std::min(best.mesh, t.Mesh);
    best.data = std::min(best.data, t.Data);
    best.solve = std::min(best.solve, t.Solve);
    best.results = std::min(best.results, t.Results);
    best.total = std::min(best.total, total);

    engine::GrillageCalculation bare;
    const auto engineStart = Clock::now();
    const auto outcome =
        bare.RunGrillageCalculation(program.state.folders.calculationInputPath().toStdString(),
                                    program.temp.filePath("bare-gOutput.txt").toStdString());
    if (!outcome.Succeeded)
        std::exit(4);
    best.engine = std::min(best.engine, Since(engineStart));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Figures best;
    for (int run = 0; run < Runs; ++run)
        Run(best);
    std::printf("mesh_s %.4f\n", best.mesh);       // grid records and entities into the layer
    std::printf("data_s %.4f\n", best.data);       // every data generation of the calculation
    std::printf("solve_s %.4f\n", best.solve);     // the engine off the window's thread
    std::printf("results_s %.4f\n", best.results); // "gOutput.txt" into the records
    std::printf("total_s %.4f\n", best.total);     // "Calcular", from the trigger to its end
    std::printf("engine_s %.4f\n", best.engine);   // the bare engine on the same "gInput.txt"
    std::printf("ratio %.2f\n", best.total / best.engine);
    return 0;
}
