// Grid grillage generators shared by the engine tests and the engine benchmark.
#include "GrillageFixtures.h"

#include "CalculationDataReader.h"
#include "CalculationDataWriter.h"

#include <vector>

namespace quadrilo::engine::fixtures {
namespace {

struct GridBar {
    std::int32_t n1, n2, material;
};

std::int32_t NodeNumber(int i, int j, int nx) {
    return j * (nx + 1) + i + 1;
}

std::vector<GridBar> GridBars(int nx, int ny, auto materialOf) {
    std::vector<GridBar> bars;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i < nx; ++i)
            bars.push_back(
                {NodeNumber(i, j, nx), NodeNumber(i + 1, j, nx), materialOf(i, j, true)});
    for (int i = 0; i <= nx; ++i)
        for (int j = 0; j < ny; ++j)
            bars.push_back(
                {NodeNumber(i, j, nx), NodeNumber(i, j + 1, nx), materialOf(i, j, false)});
    return bars;
}

bool IsCorner(int i, int j, int nx, int ny) {
    return (i == 0 || i == nx) && (j == 0 || j == ny);
}

} // namespace

std::string GridCalculationData(int nx, int ny, double spacing) {
    const double E = 2.38e7, G = 0.4 * E, h = 0.10;
    const double strip = h * h * h * spacing;
    CalculationDataWriter out;
    out.MaterialCount(2);
    out.Material(E, strip / 12, G, strip / 6);  // internal strips
    out.Material(E, strip / 24, G, strip / 12); // boundary half strips
    const auto bars = GridBars(nx, ny, [nx, ny](int i, int j, bool alongX) {
        const bool boundary = alongX ? (j == 0 || j == ny) : (i == 0 || i == nx);
        return boundary ? 2 : 1;
    });
    out.Counts((nx + 1) * (ny + 1), static_cast<std::int32_t>(bars.size()));
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            out.Coordinates(i * spacing, j * spacing);
    for (const auto& b : bars)
        out.Bar(b.n1, b.n2, b.material);
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            out.Loads(0, 0, -7.7 * spacing * spacing);
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            out.Restraint(1, 1, IsCorner(i, j, nx, ny) ? 0 : 1, 0);
    return out.Text();
}

std::string RandomCalculationData(std::mt19937& rng, bool negativeInertia) {
    std::uniform_int_distribution<int> divisions(2, 6), pick(0, 99);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int nx = divisions(rng), ny = divisions(rng);
    const double sx = 0.2 + unit(rng), sy = 0.2 + unit(rng);

    constexpr int materials = 4;
    CalculationDataWriter out;
    out.MaterialCount(materials);
    for (int k = 0; k < materials; ++k) {
        const double E = 2e7 + 1e7 * unit(rng);
        const double I = (1e-5 + 1e-3 * unit(rng)) * (negativeInertia && k == 3 ? -0.05 : 1.0);
        out.Material(E, I, 0.4 * E, 1e-5 + 5e-4 * unit(rng));
    }
    const auto bars = GridBars(nx, ny, [&](int, int, bool) {
        // The negative-inertia material stays rare so that the structure stays non-singular.
        return pick(rng) < 3 ? 4 : 1 + pick(rng) % 3;
    });
    out.Counts((nx + 1) * (ny + 1), static_cast<std::int32_t>(bars.size()));
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            out.Coordinates(i * sx, j * sy);
    for (const auto& b : bars)
        out.Bar(b.n1, b.n2, b.material);
    for (int n = 0; n < (nx + 1) * (ny + 1); ++n)
        out.Loads(unit(rng) - 0.5, unit(rng) - 0.5, -10 * unit(rng));
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) {
            const int kind = IsCorner(i, j, nx, ny) ? pick(rng) % 3 : pick(rng) % 12;
            const double spring = 1e3 + 1e5 * unit(rng);
            switch (kind) {
            case 0:
                out.Restraint(1, 1, 0, 0);
                break; // rigid vertical support
            case 1:
                out.Restraint(1, 1, 0, spring);
                break; // elastic vertical support
            case 2:
                out.Restraint(0, 0, 0, 0);
                break; // fixed
            case 3:
                out.Restraint(0, 1, 0, spring);
                break; // restrained rx beside a spring
            default:
                out.Restraint(1, 1, 1, 0);
                break; // free
            }
        }
    return out.Text();
}

TGrillageModel ModelFromText(const std::string& text) {
    TGrillageModel model;
    ParseCalculationData(text, "teste", model);
    return model;
}

} // namespace quadrilo::engine::fixtures
