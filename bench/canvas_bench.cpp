// canvas-bench: redraw and snap times of the canvas on a 141 x 141 grillage drawing (20 164
// node points, 40 044 bar lines, 60 208 labels), and on a chain of 16 nested blocks of four
// inserts each (4^15 lines). Prints "name value" lines.
#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/Transaction.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/Renderer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace quadrilo::cad;

namespace {

constexpr int divisions = 141;
constexpr double spacing = 10.0; // cm between grillage nodes
constexpr double labelHeight = 2.5;

void buildGrillage(Drawing& d) {
    Transaction tx(d);
    const LayerId layer = tx.addLayer(Layer{"Quadrilo", 5});
    d.settings().currentLayer = layer;
    const auto add = [&](Shape shape) { tx.add(Entity{.layer = layer, .shape = shape}); };
    int bar = 1;
    for (int i = 0; i <= divisions; ++i)
        for (int j = 0; j <= divisions; ++j) {
            const double x = i * spacing, y = j * spacing;
            add(PointShape{{x, y, 0}});
            add(TextShape{{x + 1, y + 1, 0},
                          std::to_string(i * (divisions + 1) + j + 1),
                          {labelHeight, 0, 0}});
            if (i < divisions) {
                add(LineShape{{x, y, 0}, {x + spacing, y, 0}});
                add(TextShape{
                    {x + spacing / 2, y + 1, 0}, std::to_string(bar++), {labelHeight, 0, 7}});
            }
            if (j < divisions) {
                add(LineShape{{x, y, 0}, {x, y + spacing, 0}});
                add(TextShape{
                    {x + 1, y + spacing / 2, 0}, std::to_string(bar++), {labelHeight, 1.5708, 7}});
            }
        }
}

// Sixteen blocks, each holding four inserts of the next, side by side; the last holds a line.
EntityId buildBlockChain(Drawing& d) {
    Transaction tx(d);
    BlockId inner = tx.addBlock("B16", {});
    tx.addToBlock(inner, Entity{.shape = LineShape{{0, 0, 0}, {10, 0, 0}}});
    for (int level = 15; level >= 1; --level) {
        const BlockId outer = tx.addBlock("B" + std::to_string(level), {});
        const double step = 20.0 * double(1 << (15 - level));
        for (const auto& [i, j] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}})
            tx.addToBlock(outer,
                          Entity{.shape = *d.insertOf(inner, {i * step, j * step, 0}, 1, 0)});
        inner = outer;
    }
    return tx.add(Entity{.shape = *d.insertOf(inner, {0, 0, 0}, 1, 0)});
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
double redrawMs(canvas::CadCanvas& canvas) {
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    return medianMs(9, [&] {
        image.fill(canvas.renderStyle().background);
        QPainter p(&image);
        canvas::Renderer renderer(canvas.document().drawing(), canvas.view(), canvas.renderStyle());
        renderer.draw(p, canvas::entitiesToDraw(canvas.document().drawing(), canvas.view()),
                      &canvas.document().selection());
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Engine engine;
    Document& doc = engine.createDocument();
    buildGrillage(doc.drawing());
    canvas::CadCanvas canvas(doc);
    canvas.resize(1200, 800);
    canvas.view().setViewport(canvas.size());
    canvas.zoomExtents();

    std::printf("redraw_full_ms %.2f\n", redrawMs(canvas));

    // Snapping at zoom extents, where the aperture holds the most geometry, on a node.
    const QPointF node = canvas.view().toScreen({700, 700, 0});
    canvas::SnapKind kind{};
    const double snap = medianMs(51, [&] {
        (void)canvas.inputPointAt(node + QPointF(2, 1));
        kind = canvas.currentSnap() ? canvas.currentSnap()->kind : canvas::SnapKind::Grid;
    });

    canvas.view().zoomAt(canvas.view().toScreen({700, 700, 0}), 10.0);
    canvas.commitView();
    std::printf("redraw_zoomed_ms %.2f\n", redrawMs(canvas));
    std::printf("snap_ms %.3f\n", snap);

    // The south-west isometric view of the whole grillage (no index: every entity is projected).
    canvas.setViewAngles(canvas::standardView(137));
    std::printf("redraw_iso_ms %.2f\n", redrawMs(canvas));

    // Snapping in the isometric view works on the projected entities: the first move after a
    // view change projects what the window shows, the next ones reuse it.
    const QPointF isoNode = canvas.view().toScreen({700, 700, 0});
    const auto first = std::chrono::steady_clock::now();
    (void)canvas.inputPointAt(isoNode + QPointF(2, 1));
    std::printf("snap_iso_first_ms %.2f\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - first)
                    .count());
    canvas::SnapKind isoKind{};
    const double isoSnap = medianMs(21, [&] {
        (void)canvas.inputPointAt(isoNode + QPointF(2, 1));
        isoKind = canvas.currentSnap() ? canvas.currentSnap()->kind : canvas::SnapKind::Grid;
    });
    std::printf("snap_iso_ms %.3f\n", isoSnap);

    // The block chain: each figure includes the first look at the blocks' extents.
    Document& chainDoc = engine.createDocument();
    const auto chainStart = std::chrono::steady_clock::now();
    const EntityId chain = buildBlockChain(chainDoc.drawing());
    const Extent chainExtent = chainDoc.drawing().extentOf(*chainDoc.drawing().entity(chain));
    std::printf(
        "chain_build_and_extent_ms %.2f\n",
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - chainStart)
            .count());
    canvas::CadCanvas chainCanvas(chainDoc);
    chainCanvas.resize(1200, 800);
    chainCanvas.view().setViewport(chainCanvas.size());
    chainCanvas.zoomExtents();
    std::printf("chain_redraw_full_ms %.2f\n", redrawMs(chainCanvas));
    chainCanvas.view().setCentre({(chainExtent.maxX) / 64, (chainExtent.maxY) / 64, 0});
    chainCanvas.view().setPixelsPerUnit(chainCanvas.view().pixelsPerUnit() * 32);
    chainCanvas.commitView();
    std::printf("chain_redraw_zoomed_ms %.2f\n", redrawMs(chainCanvas));
    chainCanvas.snapSettings().modes = canvas::SnapEndpoint;
    const QPointF lineEnd = chainCanvas.view().toScreen({10, 0, 0});
    std::printf("chain_snap_ms %.3f\n",
                medianMs(21, [&] { (void)chainCanvas.inputPointAt(lineEnd); }));
    std::printf("chain_pick_ms %.3f\n", medianMs(21, [&] {
                    (void)chainDoc.entityAt({5, 0, 0}, 1.0);
                }));
    chainCanvas.setViewAngles(canvas::standardView(137));
    std::printf("chain_redraw_iso_ms %.2f\n", redrawMs(chainCanvas));

    // Both snaps must have found the node.
    return kind == canvas::SnapKind::Grid || isoKind == canvas::SnapKind::Grid ? 1 : 0;
}
