// DXF and DWG as the engine's drawing formats: a document opens and exports ".dxf" by its name,
// and ".dwg" is refused both ways with the reason.
#include "cad/dxf/DxfFormats.h"
#include "DxfFixture.h"

#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/dxf/DwgSupport.h"

#include <gtest/gtest.h>

namespace quadrilo::dxf::test {
namespace {

class DxfFormats : public ::testing::Test {
protected:
    cad::Engine engine;
    cad::Document& doc = engine.createDocument();
    TempFolder folder;

    DxfFormats() { AddDxfFormats(engine.formats()); }
};

TEST_F(DxfFormats, ADocumentExportsAndOpensDxfByItsName) {
    DrawEveryKind(doc.drawing());
    const std::string vec = folder.file("planta.vec");
    ASSERT_TRUE(doc.save(vec));
    const std::string dxf = folder.file("planta.DXF");
    ASSERT_TRUE(doc.saveCopy(dxf));
    EXPECT_EQ(doc.fileName(), vec) << "a copy leaves the document's name";

    const cad::FileResult opened = doc.open(dxf);
    ASSERT_TRUE(opened) << describe(opened, engine.texts());
    EXPECT_EQ(doc.fileName(), dxf);
    EXPECT_FALSE(doc.drawing().dirty());
    const cad::LayerId beams = doc.drawing().layerByName("Vigas");
    EXPECT_EQ(doc.drawing().layerCount(beams), 3u) << "two lines of the multiline, the insert";
}

TEST_F(DxfFormats, ARefusedFileKeepsTheDrawingAndSaysWhy) {
    DrawEveryKind(doc.drawing());
    const std::uint64_t before = doc.drawing().revision();
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {folder.file("nada.dxf"),
         folder.file("nada.dxf") + ": não foi possível abrir o arquivo: No such file or directory"},
        {folder.file("planta.dwg"), std::string(DwgOpenRefusal)},
    };
    for (const auto& c : cases) {
        const cad::FileResult refused = doc.open(c.path);
        EXPECT_EQ(refused.error, cad::FileError::Refused) << c.path;
        EXPECT_EQ(describe(refused, engine.texts()), c.message);
    }
    EXPECT_EQ(doc.drawing().revision(), before);

    const cad::FileResult dwg = doc.saveCopy(folder.file("planta.dwg"));
    EXPECT_EQ(describe(dwg, engine.texts()), DwgExportRefusal);
    EXPECT_FALSE(std::filesystem::exists(folder.file("planta.dwg")));
    const cad::FileResult unwritable = doc.saveCopy(folder.file("falta/planta.dxf"));
    EXPECT_EQ(unwritable.error, cad::FileError::Refused);
    EXPECT_NE(describe(unwritable, engine.texts()).find(folder.file("falta/planta.dxf")),
              std::string::npos);
}

} // namespace
} // namespace quadrilo::dxf::test
