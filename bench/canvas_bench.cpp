// canvas-bench: redraw and snap times of the canvas on a 141 x 141 grillage drawing (20 164
// node points, 40 044 bar lines, 60 208 labels). Prints "name value" lines.
#include "CadApi.h"
#include "CadCanvas.h"
#include "Document.h"
#include "Engine.h"
#include "Renderer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int divisions = 141;
constexpr double spacing = 10.0; // cm between grillage nodes
constexpr double labelHeight = 2.5;

void buildGrillage(CadHandle d) {
    CadAddLayer(d, "Quadrilo", 5, 0, -1);
    CadSetCurLayerByName(d, "Quadrilo");
    char label[32];
    int bar = 1;
    for (int i = 0; i <= divisions; ++i)
        for (int j = 0; j <= divisions; ++j) {
            const double x = i * spacing, y = j * spacing;
            CadAddPoint(d, x, y, 0);
            std::snprintf(label, sizeof label, "%d", i * (divisions + 1) + j + 1);
            CadAddText(d, label, x + 1, y + 1, 0, labelHeight, 0, 0);
            if (i < divisions) {
                CadAddLine(d, x, y, 0, x + spacing, y, 0);
                std::snprintf(label, sizeof label, "%d", bar++);
                CadAddText(d, label, x + spacing / 2, y + 1, 0, labelHeight, 0, 7);
            }
            if (j < divisions) {
                CadAddLine(d, x, y, 0, x, y + spacing, 0);
                std::snprintf(label, sizeof label, "%d", bar++);
                CadAddText(d, label, x + 1, y + spacing / 2, 0, labelHeight, 1.5708, 7);
            }
        }
}

template <class F> double medianMs(int runs, F&& f) {
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// What the canvas does to rebuild its picture: find, order and paint the entities.
double redrawMs(cad::canvas::CadCanvas& canvas) {
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    return medianMs(9, [&] {
        image.fill(canvas.renderStyle().background);
        QPainter p(&image);
        cad::canvas::Renderer renderer(canvas.document().drawing(), canvas.view(),
                                       canvas.renderStyle());
        renderer.draw(p, cad::canvas::entitiesToDraw(canvas.document().drawing(), canvas.view()),
                      &canvas.document().selection());
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cad::Engine engine;
    CadEngineScope scope(engine);
    const CadHandle drawing = CadCreate();
    buildGrillage(drawing);
    cad::canvas::CadCanvas canvas(*engine.document(static_cast<int>(drawing)));
    canvas.resize(1200, 800);
    canvas.view().setViewport(canvas.size());
    canvas.zoomExtents();

    std::printf("redraw_full_ms %.2f\n", redrawMs(canvas));

    // Snapping at zoom extents, where the aperture holds the most geometry, on a node.
    const QPointF node = canvas.view().toScreen({700, 700, 0});
    cad::canvas::SnapKind kind{};
    const double snap = medianMs(51, [&] {
        (void)canvas.inputPointAt(node + QPointF(2, 1));
        kind = canvas.currentSnap() ? canvas.currentSnap()->kind : cad::canvas::SnapKind::Grid;
    });

    canvas.view().zoomAt(canvas.view().toScreen({700, 700, 0}), 10.0);
    canvas.commitView();
    std::printf("redraw_zoomed_ms %.2f\n", redrawMs(canvas));
    std::printf("snap_ms %.3f\n", snap);

    // The south-west isometric view of the whole grillage (no index: every entity is projected).
    canvas.setViewAngles(cad::canvas::standardView(137));
    std::printf("redraw_iso_ms %.2f\n", redrawMs(canvas));
    return kind == cad::canvas::SnapKind::Grid ? 1 : 0; // the snap must have found the node
}
