// cad-bench: builds a 141 x 141 grillage drawing through the typed interface, as the mesh
// generator does (each node, bar and label created whole with its record), and prints one
// figure a line as "name value".
#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/Transaction.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>
#include <vector>

using namespace quadrilo::cad;

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

// Heap in use: what the program holds now, freed memory not counted.
double heapMb() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

constexpr int Divisions = 141;
constexpr double Step = 50.0; // cm

// The grillage's entities, handed to `take` one by one: a node point and its label per
// crossing, a bar line and its label per segment, each with its 152- or 160-byte record.
// `shift` moves it, as a regeneration after the slabs changed would.
template <class Take> void grillage(double shift, Take take) {
    const std::vector<std::uint8_t> node(152, 0x5A);
    const std::vector<std::uint8_t> bar(160, 0xA5);
    auto make = [&](int kind, const std::vector<std::uint8_t>& record, Shape shape) {
        take(Entity{.color = 6, .userData = kind, .exData = record, .shape = std::move(shape)});
    };
    int n = 0;
    for (int i = 0; i <= Divisions; ++i) {
        for (int j = 0; j <= Divisions; ++j) {
            const double x = j * Step + shift;
            const double y = i * Step;
            make(6, node, PointShape{{x, y, 0}});
            make(0, node,
                 TextShape{{x, y, 0}, "_" + std::to_string(++n), {Step / 10, 0.785398, 0}});
        }
    }
    int b = 0;
    for (int i = 0; i <= Divisions; ++i) {
        for (int j = 0; j < Divisions; ++j) {
            const double x = j * Step + shift;
            const double y = i * Step;
            make(5, bar, LineShape{{x, y, 0}, {x + Step, y, 0}});
            make(0, bar,
                 TextShape{{x + Step / 2, y, 0}, "B" + std::to_string(++b), {Step / 10, 0, 4}});
            make(5, bar, LineShape{{y + shift, x - shift, 0}, {y + shift, x - shift + Step, 0}});
            make(0, bar,
                 TextShape{{y + shift, x - shift + Step / 2, 0},
                           "B" + std::to_string(++b),
                           {Step / 10, 0, 4}});
        }
    }
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

bool pickOnce(Document& doc) {
    return bool(doc.entityAt({10, 10, 0}, 1.0));
}

} // namespace

int main() {
    Engine engine;
    Document& doc = engine.createDocument();

    // Creating the grillage entity by entity, one transaction, as mesh generation does.
    auto start = Clock::now();
    {
        Transaction tx(doc.drawing());
        const LayerId layer = tx.addLayer(Layer{"Quadrilo", 254});
        grillage(0.0, [&](Entity e) {
            e.layer = layer;
            (void)tx.add(std::move(e));
        });
    }
    const double createMs = msSince(start);
    const double memoryMb = residentMb();

    const std::string path =
        (std::filesystem::temp_directory_path() / "quadrilo-cad-bench.vec").string();
    start = Clock::now();
    if (const FileResult saved = doc.save(path); !saved) {
        std::fprintf(stderr, "save failed: %s\n", describe(saved, engine.texts()).c_str());
        return 1;
    }
    const double saveMs = msSince(start);

    Document& opened = engine.createDocument();
    start = Clock::now();
    if (const FileResult read = opened.open(path); !read) {
        std::fprintf(stderr, "open failed: %s\n", describe(read, engine.texts()).c_str());
        return 1;
    }
    const double openMs = msSince(start);

    // The first query after opening builds the spatial index; it is shown on its own.
    start = Clock::now();
    (void)pickOnce(opened);
    const double indexMs = msSince(start);

    const double half = Divisions * Step / 2;
    std::size_t selected = 0;
    const double windowMs = medianMs(9, [&] {
        opened.clearSelection();
        selected = opened.selectPolygon(
            {{-1, -1, 0}, {half, -1, 0}, {half, half, 0}, {-1, half, 0}}, false, true);
    });

    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0.0, Divisions * Step);
    constexpr int picks = 1000;
    int found = 0;
    start = Clock::now();
    for (int k = 0; k < picks; ++k)
        found += bool(opened.entityAt({coordinate(random), coordinate(random), 0}, 1.0));
    const double pickMs = msSince(start) / picks;

    // Erasing the whole grillage through the selection, as the user would, and undoing that.
    const LayerId layer = opened.drawing().layerByName("Quadrilo");
    start = Clock::now();
    opened.clearSelection();
    opened.selectLayer(layer, true);
    opened.eraseSelection();
    (void)pickOnce(opened);
    const double eraseMs = msSince(start);
    start = Clock::now();
    opened.undo();
    (void)pickOnce(opened);
    const double undoEraseMs = msSince(start);
    const double memoryAfterOpenMb = residentMb();

    // Regenerating the grillage: the layer's contents replaced by a new grillage in one step,
    // then undone. The new entities are built first: the heap the pair takes beyond them is the
    // undo memory (records, the drawing's tables for the new ids, the spatial index).
    std::vector<Entity> regenerated;
    grillage(Step / 2, [&](Entity e) { regenerated.push_back(std::move(e)); });
    const double beforeReplaceMb = heapMb();
    start = Clock::now();
    {
        Transaction tx(opened.drawing());
        (void)tx.replaceLayerContents(layer, std::move(regenerated));
    }
    (void)pickOnce(opened);
    const double replaceMs = msSince(start);
    start = Clock::now();
    opened.undo();
    (void)pickOnce(opened);
    const double replaceUndoMs = msSince(start);
    const double replaceUndoMb = heapMb() - beforeReplaceMb;
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".bak");

    std::printf("create_ms %.1f\n", createMs);
    std::printf("save_ms %.1f\n", saveMs);
    std::printf("open_ms %.1f\n", openMs);
    std::printf("window_select_ms %.2f\n", windowMs);
    std::printf("pick_ms %.4f\n", pickMs);
    std::printf("memory_mb %.1f\n", memoryMb);
    std::printf("index_build_ms %.1f\n", indexMs);
    std::printf("entities %zu\n", opened.drawing().layerCount(layer));
    std::printf("window_selected %zu\n", selected);
    std::printf("picks_hit %d\n", found);
    std::printf("memory_after_open_mb %.1f\n", memoryAfterOpenMb);
    std::printf("erase_all_ms %.1f\n", eraseMs);
    std::printf("undo_erase_all_ms %.1f\n", undoEraseMs);
    std::printf("grillage_replace_ms %.1f\n", replaceMs);
    std::printf("grillage_replace_undo_ms %.1f\n", replaceUndoMs);
    std::printf("grillage_replace_undo_mb %.1f\n", replaceUndoMb);
    return 0;
}
