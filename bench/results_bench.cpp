// results-bench: the results presentation on the 141 × 141-division malha (20 164 nodes, 40 044
// bars), solved once by the engine. Prints the best of five of: reading the results file into the
// records, lifting the deformed copy, a diagram along a 141-bar line of each kind, and laying the
// nodes on the 3D view's grid.
#include "GeneratedMalha.h"
#include "results/DeformedGrillage.h"
#include "results/Diagram.h"
#include "results/SurfaceGrid.h"

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

double BestSeconds(const std::function<void()>& work) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main() {
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
    std::printf("deformada_s %.4f (read and lift; the drawing's bulk placement is the caller's)\n",
                read + build);

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
        std::printf("diagram_s %.6f (kind %d, %zu stations)\n", seconds, static_cast<int>(kind),
                    stations);
    }

    const double grid = BestSeconds([&] {
        if (!BuildSurfaceGrid(malha.Nodes, SurfaceQuantity::Dz).Error.empty())
            std::exit(3);
    });
    std::printf("surface_grid_s %.6f\n", grid);
    fs::remove_all(folder);
    return 0;
}
