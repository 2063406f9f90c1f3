// quadrilo-calc: runs the grillage calculation on any calculation data file.
#include "GrillageCalculation.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

using namespace quadrilo::engine;

namespace {

// A bar on standard error, drawn only once a run has lasted long enough to be worth watching.
class TerminalProgress : public ProgressIndicator {
public:
    int Maximum() const override { return 100; }
    void SetPosition(int position) override {
        const auto elapsed = std::chrono::steady_clock::now() - m_start;
        if (elapsed < std::chrono::milliseconds(500) && !m_drawn)
            return;
        if (position == 0) {
            if (m_drawn)
                std::fputs("\n", stderr);
            return;
        }
        const int filled = position * 40 / 100;
        std::fprintf(stderr, "\r[%.*s%*s] %3d%%", filled,
                     "########################################", 40 - filled, "", position);
        std::fflush(stderr);
        m_drawn = true;
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    bool m_drawn = false;
};

int Usage() {
    std::fputs("uso: quadrilo-calc ENTRADA SAIDA [--solver sparse|dense]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5)
        return Usage();
    SolverKind solver = SolverKind::Sparse;
    if (argc == 5) {
        if (std::strcmp(argv[3], "--solver") != 0)
            return Usage();
        if (std::strcmp(argv[4], "dense") == 0)
            solver = SolverKind::Dense;
        else if (std::strcmp(argv[4], "sparse") != 0)
            return Usage();
    }

    GrillageCalculation calculation;
    TerminalProgress progress;
    calculation.AttachProgress(&progress);
    calculation.SetSolver(solver);
    calculation.SetMessageSink(
        [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });

    const auto outcome = calculation.RunGrillageCalculation(argv[1], argv[2]);
    if (!outcome.Succeeded) {
        std::fprintf(stderr, "Erro: %s\n", outcome.Error.c_str());
        return 1;
    }

    const auto& model = calculation.Model();
    std::int32_t largestNode = 0;
    double largest = 0;
    for (std::int32_t i = 1; i <= model.NodeCount; ++i)
        if (std::fabs(model.Displacements[3 * i]) > std::fabs(largest)) {
            largest = model.Displacements[3 * i];
            largestNode = i;
        }
    std::printf("Resultados gravados em %s\n", argv[2]);
    std::printf("Nós: %d  Barras: %d  Matriz de rigidez: %d x %d\n", model.NodeCount,
                model.BarCount, model.DofCount() + 1, model.DofCount() + 1);
    if (largestNode > 0)
        std::printf("Maior |dz|: %.7f m no nó %d (x = %.3f m, y = %.3f m)\n", std::fabs(largest),
                    largestNode, model.X[largestNode], model.Y[largestNode]);
    std::printf("Tempo: %.3f s\n", calculation.Timings().Total());
    return 0;
}
