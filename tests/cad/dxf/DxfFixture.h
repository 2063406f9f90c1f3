// Drawings for the DXF tests, built through the drawing's own interface.
#pragma once

#include "cad/Drawing.h"
#include "cad/Transaction.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace quadrilo::dxf::test {

inline cad::EntityId Add(cad::Drawing& d, cad::LayerId layer, cad::Shape shape, int color = 256) {
    cad::Transaction tx(d);
    return tx.add(cad::Entity{.layer = layer, .color = color, .shape = std::move(shape)});
}

// A floor plan's annotation with every entity kind the export knows, a block with an attribute
// definition inserted with its value, and layers of standard and non-standard colours.
inline void DrawEveryKind(cad::Drawing& d) {
    using namespace cad;
    Transaction tx(d);
    const LayerId notes = tx.addLayer(Layer{"Anotações", 7});
    const LayerId construction = tx.addLayer(Layer{"Linhas de Construção", 3});
    const LayerId beams = tx.addLayer(Layer{"Vigas", 1});
    const LayerId slabs = tx.addLayer(Layer{"Lajes", 40}); // not an ACI colour in our palette

    const BlockId column = tx.addBlock("Pilar", {0, 0, 0});
    const TextLook look{10.0, 0.0, 4};
    for (Shape s :
         {Shape{PolylineShape{{{-10, -10, 0}, {10, -10, 0}, {10, 10, 0}, {-10, 10, 0}}, true}},
          Shape{LineShape{{-10, -10, 0}, {10, 10, 0}}},
          Shape{AttDefShape{{0, -20, 0}, "NOME", "P?", look}}})
        (void)tx.addToBlock(column, Entity{.layer = beams, .shape = std::move(s)});

    Add(d, notes, PointShape{{1, 2, 0}});
    Add(d, notes, LineShape{{0, 0, 0}, {100, 50, 0}}, 5);
    Add(d, notes, CircleShape{{50, 50, 0}, 25});
    Add(d, notes, TextShape{{0, 100, 0}, "Laje L1 — h=12", TextLook{12.0, 0.5, 0}});
    Add(d, notes, MTextShape{{0, 200, 0}, "Nota 1\nNota 2", 8.0, 200.0, 0.0, 1});
    Add(d, notes, DimensionShape{false, {0, 0, 0}, {300, 0, 0}, {0, -40, 0}, 0.0, {}});
    Add(d, notes, DimensionShape{true, {0, 0, 0}, {300, 400, 0}, {-40, 30, 0}, 0.0, {}});
    Add(d, notes,
        PolylineShape{{{200, 100, 0}, {240, 100, 0}, {240, 120, 0}, {200, 120, 0}}, true});
    Add(d, notes, PolylineShape{{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}, false});
    Add(d, construction, XLineShape{{0, 0, 0}, {3, 4, 0}});
    Add(d, construction, RayShape{{5, 5, 0}, {0, 1, 0}});
    Add(d, beams,
        MlineShape{{{0, 0, 0}, {500, 0, 0}, {500, 400, 0}},
                   false,
                   "stVigas",
                   0,
                   {{10.0, 256}, {-10.0, 1}}});
    Add(d, beams,
        InsertShape{
            column, {500, 400, 0}, 1.0, 0.0, {Attribute{"NOME", "P1", {500, 380, 0}, look}}});
    Add(d, slabs, PolylineShape{{{0, 0, 0}, {500, 0, 0}, {500, 400, 0}, {0, 400, 0}}, true}, 40);
}

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("quadrilo-dxf-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace quadrilo::dxf::test
