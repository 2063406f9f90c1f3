// A fresh engine made current, with one empty drawing, for each test.
#pragma once

#include "CadApi.h"
#include "Document.h"
#include "DrawingFile.h"
#include "Engine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

class CadFixture : public ::testing::Test {
protected:
    cad::Engine engine;
    CadEngineScope scope{engine};
    CadHandle dwg = CadCreate();

    cad::Document& document() { return *engine.document(static_cast<int>(dwg)); }
    // The drawing's whole stored form: equal bytes mean equal drawings. The next free ID and
    // the checksum are left out: IDs are never handed out twice, even after undo.
    std::vector<std::uint8_t> snapshot() {
        std::vector<std::uint8_t> b = cad::encodeDrawing(document().drawing());
        std::fill(b.begin() + 20, b.begin() + 24, 0);
        b.resize(b.size() - 4);
        return b;
    }

public:
    static std::vector<std::uint8_t> bytes(std::size_t size, std::uint8_t first) {
        std::vector<std::uint8_t> b(size);
        for (std::size_t i = 0; i < size; ++i)
            b[i] = static_cast<std::uint8_t>(first + i * 7);
        return b;
    }

protected:
    static std::vector<std::uint8_t> exDataOf(CadHandle entity) {
        std::vector<std::uint8_t> b(static_cast<std::size_t>(CadEntityGetExDataSize(entity)));
        CadEntityGetExData(entity, b.data());
        return b;
    }
    static std::vector<CadHandle> layerEntities(CadHandle layer) {
        std::vector<CadHandle> out;
        for (CadHandle e = CadLayerGetFirstEntity(layer); e; e = CadLayerGetNextEntity(layer, e))
            out.push_back(e);
        return out;
    }
    std::vector<CadHandle> selection() {
        std::vector<CadHandle> out;
        for (CadHandle p = CadSelGetFirstPtr(dwg); p; p = CadSelGetNextPtr(dwg, p))
            out.push_back(CadGetEntityByPtr(dwg, p));
        return out;
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
// drawing extended data: what the structural program stores.
inline void drawEveryKind(CadHandle dwg) {
    CadAddLayer(dwg, "Vigas", 1, 0, -1);
    CadAddLayer(dwg, "Lajes", 2, 0, -1);
    CadAddLayer(dwg, "Anotações", 256, 0, -1);
    const CadHandle style = CadAddMlineStyle(dwg, "stVigas", 3, 274);
    CadMlineStylePutOffset(style, 1, 10.0);
    CadMlineStylePutOffset(style, 2, -10.0);
    CadSetColor(dwg, 10, 0x123456);
    const std::vector<std::uint8_t> project = CadFixture::bytes(1400, 3);
    CadPutExData(dwg, project.data(), 1400);

    CadSetCurLayerByName(dwg, "Anotações");
    CadAddPoint(dwg, 1, 2, 3);
    CadAddLine(dwg, 0, 0, 0, 100, 50, 0);
    CadAddXLine(dwg, 0, 0, 0, 100, 0, 0);
    CadAddRay(dwg, 5, 5, 0, 0, 1, 0);
    CadAddCircle(dwg, 50, 50, 0, 25);
    CadAddRect(dwg, 200, 100, 0, 40, 20, 0.3);
    CadClearVertices(dwg);
    CadAddVertex(dwg, 0, 0, 0);
    CadAddVertex(dwg, 10, 0, 0);
    CadAddVertex(dwg, 10, 10, 0);
    CadAddPolyline(dwg, 201, 0);
    CadAddText(dwg, "B1", 30, 40, 0, 5, 0.0, 4);
    CadAddMText(dwg, "\\H5;\"Diagrama\"", 70, 0, 0, 100, 1, -1.5707963267948966);
    CadAddDimLinear(dwg, {0, 0, 0}, {100, 0, 0}, {50, -20, 0}, 0.0);
    CadAddDimAligned(dwg, {0, 0, 0}, {30, 40, 0}, {10, 50, 0});

    CadSetCurLayerByName(dwg, "Vigas");
    CadSetCurMlineStyleByName(dwg, "stVigas");
    CadClearVertices(dwg);
    CadAddVertex(dwg, 0, 0, 0);
    CadAddVertex(dwg, 500, 0, 0);
    const CadHandle beam = CadAddMline(dwg, 0);
    CadEntityPutColor(beam, 1);
    CadEntityPutUserData(beam, 1);
    const std::vector<std::uint8_t> beamRecord = CadFixture::bytes(192, 9);
    CadEntityPutExData(beam, beamRecord.data(), 192);
    CadClearVertices(dwg);

    CadSetCurLayerByName(dwg, "Lajes");
    const CadHandle block = CadAddBlock(dwg, "Laje 400 x 500 x 12", 200, 250, 0);
    const CadHandle rect = CadAddRect(dwg, 200, 250, 0, 400, 500, 0);
    const CadHandle att = CadAddAttrib(dwg, "LAJE", "Laje Lx: 400", 200, 250, 0);
    CadTextPutHeight(att, 12.5);
    CadTextPutAlign(att, 4);
    CadEntityPutColor(rect, 2);
    CadBlockAddEntity(block, rect);
    CadBlockAddEntity(block, att);
    const CadHandle slab = CadAddInsBlock(dwg, CadBlockGetID(block), 200, 250, 0, 1.0, 0.0);
    CadEntityPutUserData(slab, 2);
    const std::vector<std::uint8_t> slabRecord = CadFixture::bytes(232, 17);
    CadEntityPutExData(slab, slabRecord.data(), 232);
    CadAttPutValue(CadInsBlockGetFirstAtt(slab), "L1 Lx: 400  Ly: 500  e: 12  ");
}
