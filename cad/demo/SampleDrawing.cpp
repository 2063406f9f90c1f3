// Sample floor: two bays by one, columns at the grid crossings, beams along the grid lines; the
// whole drawing is one transaction, each element created whole.
#include "cad/demo/SampleDrawing.h"

#include "cad/Transaction.h"

#include <cmath>
#include <numbers>
#include <string>

namespace quadrilo::cad::demo {

void buildSampleDrawing(Drawing& d) {
    const double xs[] = {0.0, 400.0, 800.0};
    const double ys[] = {0.0, 500.0};
    Transaction tx(d);

    const LayerId axes = tx.addLayer(Layer{"Linhas de Construção", 8});
    for (const double x : xs)
        tx.add(Entity{.layer = axes, .shape = XLineShape{{x, 0, 0}, {0, 1, 0}}});
    for (const double y : ys)
        tx.add(Entity{.layer = axes, .shape = XLineShape{{0, y, 0}, {1, 0, 0}}});

    // Column block: a 20 x 40 rectangle with its name as an attribute.
    const LayerId zero = d.layerByName("0");
    const BlockId column = tx.addBlock("PILAR", {0, 0, 0});
    tx.addToBlock(column, Entity{.layer = zero, .shape = rectangle({0, 0, 0}, 20, 40, 0)});
    tx.addToBlock(column,
                  Entity{.layer = zero, .shape = AttDefShape{{14, 22, 0}, "NOME", "P", {12}}});
    const LayerId columns = tx.addLayer(Layer{"Pilares", 1, 0, 50});
    int n = 1;
    for (const double y : ys)
        for (const double x : xs) {
            InsertShape insert = *d.insertOf(column, {x, y, 0}, 1.0, 0.0);
            insert.attributes[0].value = "P" + std::to_string(n++);
            tx.add(Entity{.layer = columns, .userData = 4, .shape = std::move(insert)});
        }

    const LayerId beams = tx.addLayer(Layer{"Vigas", 3, 0, 35});
    const MlineStyleId style = tx.addMlineStyle(MlineStyle{"V20", 0, {{10, 256}, {-10, 256}}});
    for (const double y : ys)
        tx.add(Entity{.layer = beams,
                      .userData = 1,
                      .shape = *d.mlineOf(style, {{xs[0], y, 0}, {xs[2], y, 0}}, false)});
    for (const double x : xs)
        tx.add(Entity{.layer = beams,
                      .userData = 1,
                      .shape = *d.mlineOf(style, {{x, ys[0], 0}, {x, ys[1], 0}}, false)});

    const LayerId slabs = tx.addLayer(Layer{"Lajes", 4});
    tx.add(Entity{.layer = slabs, .shape = rectangle({200, 250, 0}, 380, 480, 0)});
    tx.add(Entity{.layer = slabs, .shape = rectangle({600, 250, 0}, 380, 480, 0)});
    tx.add(Entity{.layer = slabs, .shape = TextShape{{200, 250, 0}, "L1 h=10", {20, 0, 4}}});
    tx.add(Entity{.layer = slabs, .shape = TextShape{{600, 250, 0}, "L2 h=12", {20, 0, 4}}});

    const LayerId notes = tx.addLayer(Layer{"Anotações", 2});
    const DimStyleId dims = d.settings().currentDimStyle;
    tx.add(Entity{
        .layer = notes,
        .shape = MTextShape{{0, -80, 0}, "Pavimento tipo\\P\\H14;Escala 1:50", 20, 300, 0, 1}});
    tx.add(Entity{.layer = notes,
                  .shape = DimensionShape{false, {0, 0, 0}, {400, 0, 0}, {200, -40, 0}, 0, dims}});
    tx.add(
        Entity{.layer = notes,
               .shape = DimensionShape{true, {800, 0, 0}, {800, 500, 0}, {860, 250, 0}, 0, dims}});
    tx.add(Entity{.layer = notes, .shape = CircleShape{{600, 250, 0}, 60}});
    tx.add(Entity{.layer = notes, .shape = PointShape{{200, 250, 0}}});

    // A deformed grillage over the first bay: Z is the scaled displacement.
    const LayerId deformed = tx.addLayer(Layer{"Quadrilo Deformada", 6});
    const int div = 8;
    const auto z = [&](int i, int j) {
        return -60.0 * std::sin(std::numbers::pi * i / div) * std::sin(std::numbers::pi * j / div);
    };
    std::vector<Entity> bars;
    for (int i = 0; i <= div; ++i)
        for (int j = 0; j <= div; ++j) {
            const double x = 400.0 * i / div, y = 500.0 * j / div;
            if (i < div)
                bars.push_back(Entity{
                    .userData = 8,
                    .shape = LineShape{{x, y, z(i, j)}, {400.0 * (i + 1) / div, y, z(i + 1, j)}}});
            if (j < div)
                bars.push_back(Entity{
                    .userData = 8,
                    .shape = LineShape{{x, y, z(i, j)}, {x, 500.0 * (j + 1) / div, z(i, j + 1)}}});
        }
    tx.replaceLayerContents(deformed, std::move(bars));
    d.settings().currentLayer = zero;
}

} // namespace quadrilo::cad::demo
