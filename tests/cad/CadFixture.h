// A fresh engine with one empty document for each test, and the drawing of every kind the
// structural program stores.
#pragma once

#include "cad/Document.h"
#include "cad/DrawingFile.h"
#include "cad/Engine.h"
#include "cad/Transaction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quadrilo::cad::test {

// Bytes that differ from position to position, so that a shifted or cut record shows.
inline std::vector<std::uint8_t> bytes(std::size_t size, std::uint8_t first) {
    std::vector<std::uint8_t> b(size);
    for (std::size_t i = 0; i < size; ++i)
        b[i] = static_cast<std::uint8_t>(first + i * 7);
    return b;
}

class CadFixture : public ::testing::Test {
protected:
    Engine engine;
    Document& doc = engine.createDocument();
    Drawing& drawing() { return doc.drawing(); }

    // One entity in its own transaction, on the current layer unless told.
    EntityId add(Shape shape, LayerId layer = {}) {
        Transaction tx(drawing());
        return tx.add(Entity{.layer = layer, .shape = std::move(shape)});
    }
    LayerId addLayer(const std::string& name, int color = 7) {
        Transaction tx(drawing());
        return tx.addLayer(Layer{name, color});
    }
    const Entity& entity(EntityId id) { return *drawing().entity(id); }
    template <class S> const S& shape(EntityId id) { return std::get<S>(entity(id).shape); }
    std::vector<EntityId> layerEntities(LayerId layer) {
        std::vector<EntityId> out;
        for (EntityId e = drawing().firstInLayer(layer); e; e = drawing().nextEntity(e))
            out.push_back(e);
        return out;
    }
    template <class S> std::vector<S> shapes() {
        std::vector<S> out;
        for (const LayerId layer : drawing().layerOrder())
            for (EntityId id = drawing().firstInLayer(layer); id; id = drawing().nextEntity(id))
                if (const auto* s = std::get_if<S>(&entity(id).shape))
                    out.push_back(*s);
        return out;
    }
    LayerId current() { return drawing().settings().currentLayer; }
    std::size_t count() { return drawing().layerCount(current()); }
    // The drawing's whole stored form: equal bytes mean equal drawings. The next free id and
    // the checksum are left out: ids are never handed out twice, even after undo.
    std::vector<std::uint8_t> snapshot() {
        std::vector<std::uint8_t> b = encodeDrawing(drawing());
        std::fill(b.begin() + 20, b.begin() + 24, 0);
        b.resize(b.size() - 4);
        return b;
    }
};

// A folder of its own under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir() {
        m_path =
            std::filesystem::temp_directory_path() /
            ("quadrilo-cad-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// A drawing with every entity kind, layers, a block with an attribute, styles, palette and
// drawing extended data: what the structural program stores. Built in the order the golden
// file "fixtures/every-kind-v1.vec" was, so that it encodes to the same bytes.
inline void drawEveryKind(Document& doc) {
    Drawing& d = doc.drawing();
    Transaction tx(d);
    tx.addLayer(Layer{"Vigas", 1});
    const LayerId lajes = tx.addLayer(Layer{"Lajes", 2});
    const LayerId notes = tx.addLayer(Layer{"Anotações", 256});
    const MlineStyleId style =
        tx.addMlineStyle(MlineStyle{"stVigas", 274, {{0, 256}, {10, 256}, {-10, 256}}});
    tx.setPaletteColor(10, 0x123456);
    tx.setDrawingData(bytes(1400, 3));

    const auto note = [&](Shape shape) { tx.add(Entity{.layer = notes, .shape = shape}); };
    note(PointShape{{1, 2, 3}});
    note(LineShape{{0, 0, 0}, {100, 50, 0}});
    note(XLineShape{{0, 0, 0}, {100, 0, 0}});
    note(RayShape{{5, 5, 0}, {0, 1, 0}});
    note(CircleShape{{50, 50, 0}, 25});
    note(rectangle({200, 100, 0}, 40, 20, 0.3));
    note(PolylineShape{{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}, false, 201});
    note(TextShape{{30, 40, 0}, "B1", {5, 0.0, 4}});
    note(MTextShape{{70, 0, 0}, "\\H5;\"Diagrama\"", 10, 100, -1.5707963267948966, 1});
    const DimStyleId dims = d.settings().currentDimStyle;
    note(DimensionShape{false, {0, 0, 0}, {100, 0, 0}, {50, -20, 0}, 0.0, dims});
    note(DimensionShape{true, {0, 0, 0}, {30, 40, 0}, {10, 50, 0}, 0.0, dims});

    tx.add(Entity{.layer = d.layerByName("Vigas"),
                  .color = 1,
                  .userData = 1,
                  .exData = bytes(192, 9),
                  .shape = *d.mlineOf(style, {{0, 0, 0}, {500, 0, 0}}, false)});

    const BlockId block = tx.addBlock("Laje 400 x 500 x 12", {200, 250, 0});
    tx.addToBlock(
        block, Entity{.layer = lajes, .color = 2, .shape = rectangle({200, 250, 0}, 400, 500, 0)});
    tx.addToBlock(
        block, Entity{.layer = lajes,
                      .shape = AttDefShape{{200, 250, 0}, "LAJE", "Laje Lx: 400", {12.5, 0, 4}}});
    InsertShape slab = *d.insertOf(block, {200, 250, 0}, 1.0, 0.0);
    slab.attributes[0].value = "L1 Lx: 400  Ly: 500  e: 12  ";
    tx.add(Entity{.layer = lajes, .userData = 2, .exData = bytes(232, 17), .shape = slab});
    d.settings().currentLayer = lajes;
    d.settings().currentMlineStyle = style;
}

} // namespace quadrilo::cad::test
