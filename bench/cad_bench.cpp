// cad-bench: builds a 141 x 141 grillage drawing through the flat API, as the mesh generator
// does, and prints one figure a line as "name value".
#include "CadApi.h"
#include "Engine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double residentMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0.0;
}

constexpr int Divisions = 141;
constexpr double Step = 50.0; // cm

void buildGrillage(CadHandle dwg) {
    const std::vector<std::uint8_t> node(152, 0x5A);
    const std::vector<std::uint8_t> bar(160, 0xA5);
    CadSetCurLayer(dwg, CadAddLayer(dwg, "Quadrilo", 254, 0, -1));
    CadUndoBegin(dwg);
    auto attach = [](CadHandle e, int kind, const std::vector<std::uint8_t>& record) {
        CadEntityPutColor(e, 6);
        CadEntityPutUserData(e, kind);
        CadEntityPutExData(e, record.data(), static_cast<int>(record.size()));
    };
    int n = 0;
    for (int i = 0; i <= Divisions; ++i) {
        for (int j = 0; j <= Divisions; ++j) {
            const double x = j * Step;
            const double y = i * Step;
            attach(CadAddPoint(dwg, x, y, 0), 6, node);
            attach(CadAddText(dwg, "_" + std::to_string(++n), x, y, 0, Step / 10, 0.785398, 0), 0,
                   node);
        }
    }
    int b = 0;
    for (int i = 0; i <= Divisions; ++i) {
        for (int j = 0; j < Divisions; ++j) {
            const double x = j * Step;
            const double y = i * Step;
            attach(CadAddLine(dwg, x, y, 0, x + Step, y, 0), 5, bar);
            attach(CadAddText(dwg, "B" + std::to_string(++b), x + Step / 2, y, 0, Step / 10, 0, 4),
                   0, bar);
            attach(CadAddLine(dwg, y, x, 0, y, x + Step, 0), 5, bar);
            attach(CadAddText(dwg, "B" + std::to_string(++b), y, x + Step / 2, 0, Step / 10, 0, 4),
                   0, bar);
        }
    }
    CadUndoEnd(dwg);
}

template <class F> double medianMs(int runs, F f) {
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const auto start = Clock::now();
        f();
        times.push_back(msSince(start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    cad::Engine engine;
    CadEngineScope scope(engine);
    const CadHandle dwg = CadCreate();

    auto start = Clock::now();
    buildGrillage(dwg);
    const double createMs = msSince(start);
    const double memoryMb = residentMb();

    const std::string path =
        (std::filesystem::temp_directory_path() / "quadrilo-cad-bench.vec").string();
    start = Clock::now();
    if (!CadFileSaveAs(dwg, 0, path)) {
        std::fprintf(stderr, "save failed: %s\n", CadGetErrorText(dwg).c_str());
        return 1;
    }
    const double saveMs = msSince(start);

    const CadHandle opened = CadCreate();
    start = Clock::now();
    if (!CadFileOpen(opened, 0, path)) {
        std::fprintf(stderr, "open failed: %s\n", CadGetErrorText(opened).c_str());
        return 1;
    }
    const double openMs = msSince(start);

    // The first query after opening builds the spatial index; it is shown on its own.
    CadPutPickAperture(opened, 1.0);
    start = Clock::now();
    CadPutCursor(opened, 10, 10, 0);
    (void)CadGetEntityByCursor(opened);
    const double indexMs = msSince(start);

    const double half = Divisions * Step / 2;
    int selected = 0;
    const double windowMs = medianMs(9, [&] {
        CadSelClear(opened);
        CadClearVertices(opened);
        CadAddVertex(opened, -1, -1, 0);
        CadAddVertex(opened, half, -1, 0);
        CadAddVertex(opened, half, half, 0);
        CadAddVertex(opened, -1, half, 0);
        selected = CadSelectByPolygon(opened, 0, 0, 1);
    });

    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0.0, Divisions * Step);
    constexpr int picks = 1000;
    int found = 0;
    start = Clock::now();
    for (int k = 0; k < picks; ++k) {
        CadPutCursor(opened, coordinate(random), coordinate(random), 0);
        found += CadGetEntityByCursor(opened) != 0;
    }
    const double pickMs = msSince(start) / picks;

    // Erasing the whole grillage, as a new mesh generation does first, and undoing that.
    start = Clock::now();
    CadSelClear(opened);
    CadSelectByLayer(opened, CadGetLayerByName(opened, "Quadrilo"));
    CadSelErase(opened);
    CadPutCursor(opened, 10, 10, 0);
    (void)CadGetEntityByCursor(opened);
    const double eraseMs = msSince(start);
    start = Clock::now();
    CadUndo(opened);
    (void)CadGetEntityByCursor(opened);
    const double undoEraseMs = msSince(start);
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".bak");

    std::printf("create_ms %.1f\n", createMs);
    std::printf("save_ms %.1f\n", saveMs);
    std::printf("open_ms %.1f\n", openMs);
    std::printf("window_select_ms %.2f\n", windowMs);
    std::printf("pick_ms %.4f\n", pickMs);
    std::printf("memory_mb %.1f\n", memoryMb);
    std::printf("index_build_ms %.1f\n", indexMs);
    std::printf("entities %d\n",
                2 * (Divisions + 1) * (Divisions + 1) + 4 * Divisions * (Divisions + 1));
    std::printf("window_selected %d\n", selected);
    std::printf("picks_hit %d\n", found);
    std::printf("memory_after_open_mb %.1f\n", residentMb());
    std::printf("erase_all_ms %.1f\n", eraseMs);
    std::printf("undo_erase_all_ms %.1f\n", undoEraseMs);
    return 0;
}
