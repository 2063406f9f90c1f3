// engine-bench: the grillage calculation, stage by stage, on square grids of growing size.
//
// Each size runs in a child process so that its peak memory is its own. Prints one line per size:
// the stage times of a whole run (read the file to results file written), the bare CHOLMOD
// analyse + factorise + solve of the same matrix, their ratio, peak memory, and the dense
// reference solution where it is affordable, with its time over the sparse solve stage. Times are
// the best of three.
#include "CalculationDataReader.h"
#include "GlobalStiffness.h"
#include "GrillageCalculation.h"
#include "GrillageFixtures.h"
#include "SparseSolver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quadrilo::engine;
namespace fs = std::filesystem;

namespace {

struct Figures {
    CalculationTimings stages;
    double bareCholmod = 0;
    double peakMb = 0;
    double dense = -1;
};

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double PeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The bare analyse + factorise + solve of the file's stiffness matrix, in seconds.
double BareCholmodSeconds(const fs::path& input) {
    TGrillageModel model;
    ReadCalculationData(input, model);
    auto system = ApplySupports(model);
    AssembleGlobalStiffness(model, system);
    const auto start = std::chrono::steady_clock::now();
    SparseCholesky cholesky;
    if (!cholesky.Factorize(system).Solved)
        std::exit(4);
    const auto d = cholesky.Solve(system.Load);
    return Seconds(start);
}

Figures Measure(const fs::path& input, const fs::path& output, bool dense) {
    Figures f;
    GrillageCalculation calculation;
    // One unmeasured run first, so that the measured ones find the allocator and the caches
    // warm; then whole runs and bare solutions alternate and the best of each counts, which keeps
    // the ratio honest on a machine shared with other work.
    if (!calculation.RunGrillageCalculation(input, output).Succeeded)
        std::exit(3);
    constexpr int repetitions = 3;
    f.bareCholmod = 1e300;
    double bestTotal = 1e300;
    for (int run = 0; run < repetitions; ++run) {
        if (!calculation.RunGrillageCalculation(input, output).Succeeded)
            std::exit(3);
        if (calculation.Timings().Total() < bestTotal) {
            bestTotal = calculation.Timings().Total();
            f.stages = calculation.Timings();
        }
        f.bareCholmod = std::min(f.bareCholmod, BareCholmodSeconds(input));
    }
    f.peakMb = PeakMb();

    if (dense) {
        calculation.SetSolver(SolverKind::Dense);
        if (!calculation.RunGrillageCalculation(input, output).Succeeded)
            std::exit(5);
        f.dense = calculation.Timings().Solve;
    }
    return f;
}

// Runs Measure in a child process and reads its figures back through a pipe.
Figures MeasureInChild(const fs::path& input, const fs::path& output, bool dense) {
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(2);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const auto f = Measure(input, output, dense);
        if (write(fds[1], &f, sizeof f) != sizeof f)
            _exit(6);
        _exit(0);
    }
    close(fds[1]);
    Figures f;
    const auto got = read(fds[0], &f, sizeof f);
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got != sizeof f || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "measurement failed for %s\n", input.c_str());
        std::exit(1);
    }
    return f;
}

} // namespace

int main(int argc, char** argv) {
    int denseMaxNodes = 2601;
    for (int a = 1; a < argc; ++a) {
        if (std::strcmp(argv[a], "--dense-max") == 0 && a + 1 < argc)
            denseMaxNodes = std::atoi(argv[++a]);
        else {
            std::fprintf(stderr, "uso: engine-bench [--dense-max NÓS]\n");
            return 2;
        }
    }
    const fs::path dir = fs::temp_directory_path() / ("engine-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);

    std::printf("%7s %7s %8s %8s %8s %8s %8s %8s %8s %7s %8s %9s %9s\n", "nodes", "dofs", "read",
                "assemble", "solve", "forces", "write", "total", "cholmod", "ratio", "peak_mb",
                "dense_s", "speedup");
    for (const int divisions : {20, 50, 100, 141, 250}) {
        const int nodes = (divisions + 1) * (divisions + 1);
        const auto input = dir / "gInput.txt";
        std::ofstream(input, std::ios::binary)
            << fixtures::GridCalculationData(divisions, divisions, 0.2);
        const auto f = MeasureInChild(input, dir / "gOutput.txt", nodes <= denseMaxNodes);
        const auto& s = f.stages;
        std::printf("%7d %7d %8.4f %8.4f %8.4f %8.4f %8.4f %8.4f %8.4f %7.2f %8.1f", nodes,
                    3 * nodes, s.Read, s.Assemble, s.Solve, s.EndForces, s.Write, s.Total(),
                    f.bareCholmod, s.Total() / f.bareCholmod, f.peakMb);
        if (f.dense >= 0)
            std::printf(" %9.3f %9.0f\n", f.dense, f.dense / s.Solve);
        else
            std::printf(" %9s %9s\n", "-", "-");
        std::fflush(stdout);
    }
    fs::remove_all(dir);
    return 0;
}
