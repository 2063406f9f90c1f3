// results-bench: the results presentation on the 141 × 141-division malha (20 164 nodes, 40 044
// bars), solved once by the engine. Prints the best of five of: reading the results file into the
// records, lifting the deformed copy, a diagram along a 141-bar line of each kind, and laying the
// nodes on the 3D view's grid; then the program's own actions on the same floor calculated in a
// headless main window: "Gerar Grelha Deformada", a diagram and the 3D view's opening, and the
// automatic save of the drawing they leave.
#include "GeneratedMalha.h"
#include "app/tabs/CalculationTab.h"
#include "app/results/CalculatedFloor.h"
#include "app/recovery/Autosave.h"
#include "cad/Transaction.h"
#include "elements/ElementKind.h"
#include "results/DeformedGrillage.h"
#include "results/Diagram.h"
#include "results/SurfaceGrid.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

using namespace quadrilo;
using namespace quadrilo::results;
namespace fs = std::filesystem;

namespace {

constexpr int Divisions = 141;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double BestSeconds(const std::function<void()>& work, int runs = 5) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run)
        best = std::min(best, Seconds(work));
    return best;
}

// The one laje of 7050 × 7050 cm at 141 × 141 divisions of 50 cm, on four corner pilares.
mesh::test::Floor BenchFloor() {
    using namespace mesh::test;
    const double side = Divisions * 50.0;
    return {Project(Divisions, Divisions),
            {Slab(0, 0, side, side, 12, 2, 1)},
            {},
            {Column(0, 0, 1, 0, 0, 0), Column(side, 0, 1, 0, 0, 0), Column(0, side, 1, 0, 0, 0),
             Column(side, side, 1, 0, 0, 0)},
            {}};
}

// The program's actions in a main window started headless on the floor calculated in it.
int ProgramActions(const fs::path& folder) {
    using namespace quadrilo::app;
    app::test::RunningProgram program(QString::fromStdString(folder.string()));
    ProgramState& state = program.state;
    TfrmMain& window = *program.window;
    const ResultWindows& windows = program.windows;
    const double calculate = Seconds([&] {
        if (const std::string error = app::test::CalculateFloor(state, BenchFloor()); !error.empty())
            std::exit(5);
    });
    window.calculationTab().grpMalhaDeformada->setEnabled(true);
    std::printf("calculated floor (malha into the drawing, data, solve) %.3f s\n", calculate);

    const auto trigger = [&](const char* name) { window.actions()[name]->trigger(); };
    double deformada = 1e300;
    for (int run = 0; run < 3; ++run) {
        deformada = std::min(deformada, Seconds([&] { trigger("actDeformada"); }));
        trigger("actDelDeformada");
    }
    std::printf("deformada_s %.4f (actDeformada: read, records, deformed layer, redraw)\n",
                deformada);

    // The first row: the horizontal bars of the malha at Y = 0, selected before the command.
    std::vector<cad::EntityId> row;
    const cad::Drawing& drawing = state.cad.drawing();
    const cad::LayerId malha = drawing.layerByName("Quadrilo");
    for (cad::EntityId id = drawing.firstInLayer(malha); id && row.size() < Divisions;
         id = drawing.nextEntity(id)) {
        const cad::Entity& e = *drawing.entity(id);
        if (elements::KindOfCode(e.userData) == elements::ElementKind::GrillageBar &&
            TBarData::Decode(e.exData).Y2 == 0)
            row.push_back(id);
    }
    const double diagram = BestSeconds([&] {
        (void)state.cad.document().selectEntities(row, true);
        trigger("actDiagFletor");
        (void)state.cad.document().inputPoint({0, -500, 0});
    });
    std::printf("diagram_s %.4f (actDiagFletor along %zu bars, prior selection)\n", diagram,
                row.size());

    const double view3d = BestSeconds(
        [&] {
            trigger("actViewrender");
            QCoreApplication::processEvents();
            windows.view3D->close();
        },
        3);
    std::printf("view3d_s %.4f (actViewrender: grid and window shown)\n", view3d);

    // The window waits while the drawing is written to the recovery files: a pause the user
    // may feel every few minutes.
    Autosave& autosave = *window.autosave();
    double autosaved = 1e300;
    for (int run = 0; run < 3; ++run) {
        if (!state.cad.addConstructionLine({0, -1000.0 - run, 0}, {1, 0, 0}))
            std::exit(6);
        autosaved = std::min(autosaved, Seconds([&] {
            if (autosave.writeIfModified() != Autosave::Outcome::Written)
                std::exit(7);
        }));
    }
    const auto bytes = fs::file_size(autosave.session()->slot().drawingPath().toStdString());
    std::printf("autosave_s %.4f (the drawing, %.1f MB, to the recovery files)\n", autosaved,
                double(bytes) / 1e6);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const auto folder = fs::temp_directory_path() / "quadrilo-results-bench";
    fs::create_directories(folder);
    const auto output = (folder / "gOutput.txt").string();
    auto malha = fixtures::SolvedMalha(Divisions, Divisions, 5, folder);
    std::printf("malha %d x %d: %zu nodes, %zu bars\n", Divisions, Divisions, malha.Nodes.size(),
                malha.Bars.size());

    const double read = BestSeconds([&] {
        if (!ReadResultsIntoRecords(output, malha.Nodes, malha.Bars).Loaded)
            std::exit(2);
    });
    std::printf("results_read_s %.4f\n", read);

    std::size_t lifted = 0;
    const double build = BestSeconds(
        [&] { lifted = BuildDeformedGrillage(malha.Nodes, malha.Bars, 10000).Bars.size(); });
    std::printf("deformed_build_s %.4f (%zu bars)\n", build, lifted);

    // The first row of horizontal bars: 141 bars end to end.
    std::vector<DiagramBar> line;
    for (int k = 0; k < Divisions; ++k) {
        const auto& bar = malha.Bars[k];
        line.push_back({bar, malha.Nodes[bar.N1 - 1].dz, malha.Nodes[bar.N2 - 1].dz});
    }
    for (const auto kind : {DiagramKind::BendingMoment, DiagramKind::Shear, DiagramKind::Torsion,
                            DiagramKind::Displacement}) {
        std::size_t stations = 0;
        const double seconds = BestSeconds([&] {
            stations = BuildDiagram(kind, line, {0, -200, 0}, 5, 10000).Drawing.Stations.size();
        });
        std::printf("diagram_core_s %.6f (kind %d, %zu stations)\n", seconds,
                    static_cast<int>(kind), stations);
    }

    const double grid = BestSeconds([&] {
        if (!BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Dz).Error.empty())
            std::exit(3);
    });
    std::printf("surface_grid_s %.6f\n", grid);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int status = ProgramActions(folder);
    fs::remove_all(folder);
    return status;
}
