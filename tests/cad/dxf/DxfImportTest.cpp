// DXF reading for viewing: a file made by ezdxf, our own export read back, damaged files refused.
#include "cad/dxf/DxfImport.h"
#include "DxfFixture.h"
#include "Ezdxf.h"
#include "cad/dxf/AciPalette.h"
#include "cad/dxf/DxfExport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <locale>
#include <numbers>

namespace quadrilo::dxf::test {
namespace {

using Kinds = std::map<std::string, std::map<cad::EntityKind, int>>; // layer -> kind -> count

Kinds modelKinds(const cad::Drawing& d) {
    Kinds kinds;
    for (cad::LayerId layer : d.layerOrder())
        for (cad::EntityId e = d.firstInLayer(layer); e; e = d.nextEntity(e))
            ++kinds[d.layer(layer)->name][d.entity(e)->kind()];
    return kinds;
}

template <class T> std::vector<T> shapesOf(const cad::Drawing& d, const std::string& layer) {
    std::vector<T> out;
    for (cad::EntityId e = d.firstInLayer(d.layerByName(layer)); e; e = d.nextEntity(e))
        if (const auto* s = std::get_if<T>(&d.entity(e)->shape))
            out.push_back(*s);
    return out;
}

// A small plan drawn by ezdxf: every kind we show, two we do not, a block with an attribute.
constexpr const char* EzdxfPlan = R"(
import sys, ezdxf
version = sys.argv[1].rsplit('-', 1)[1].split('.')[0]
doc = ezdxf.new(version)
doc.layers.add('Vigas', color=1)
doc.layers.add('Lajes', color=40)
doc.layers.add('Escondida', color=5).off()
msp = doc.modelspace()
msp.add_line((0, 0), (100, 50), dxfattribs={'layer': 'Vigas'})
msp.add_circle((50, 50), 25, dxfattribs={'layer': 'Vigas', 'color': 3})
msp.add_arc((0, 0), 10, 0, 90, dxfattribs={'layer': 'Lajes'})
msp.add_lwpolyline([(0, 0, 0, 0, 1), (10, 0)], close=True, dxfattribs={'layer': 'Lajes'})
msp.add_polyline2d([(0, 0), (5, 0), (5, 5)], dxfattribs={'layer': 'Lajes'})
msp.add_text('Viga V1 — ç', dxfattribs={'layer': 'Vigas', 'height': 12, 'rotation': 90}).set_placement(
    (20, 30), align=ezdxf.enums.TextEntityAlignment.MIDDLE_CENTER)
msp.add_mtext('Nota\\Pfim', dxfattribs={'layer': 'Vigas', 'char_height': 5, 'insert': (1, 2)})
msp.add_point((7, 8))
msp.add_xline((0, 0), (1, 0))
msp.add_ray((1, 1), (0, 1))
msp.add_ellipse((0, 0), (10, 0), 0.5)
block = doc.blocks.new('PILAR', base_point=(1, 1))
block.add_line((0, 0), (10, 10))
block.add_attdef('NOME', (0, -5), dxfattribs={'height': 3})
insert = msp.add_blockref('PILAR', (200, 100), dxfattribs={'layer': 'Vigas', 'xscale': 2, 'yscale': 2, 'zscale': 2, 'rotation': 30})
insert.add_attrib('NOME', 'P1', (200, 90))
msp.add_linear_dim(base=(0, -20), p1=(0, 0), p2=(300, 0), dxfattribs={'layer': 'Vigas'}).render()
msp.add_aligned_dim(p1=(0, 0), p2=(30, 40), distance=10, dxfattribs={'layer': 'Vigas'}).render()
doc.saveas(sys.argv[1])
)";

class DxfRead : public ::testing::Test {
protected:
    TempFolder folder;

    std::string writeFile(const std::string& name, const std::string& bytes) {
        const std::string path = folder.file(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

TEST_F(DxfRead, AnEzdxfPlanOfEitherEncodingShowsItsEntities) {
    if (const std::string why = EzdxfMissing(); !why.empty())
        GTEST_SKIP() << why;
    for (const std::string version : {"R2000", "R2018"}) { // code page, then UTF-8
        SCOPED_TRACE(version);
        const std::string path = folder.file("plan-" + version + ".dxf");
        ASSERT_EQ(RunPython(EzdxfPlan, path), "");
        const DxfReadResult read = ReadDxfFile(path);
        ASSERT_TRUE(read.drawing) << read.error;
        const cad::Drawing& d = *read.drawing;
        EXPECT_EQ(read.skipped, 1u); // the ellipse

        using K = cad::EntityKind;
        Kinds kinds = modelKinds(d);
        EXPECT_EQ(kinds["Vigas"], (std::map<K, int>{{K::Line, 1},
                                                    {K::Circle, 1},
                                                    {K::Text, 1},
                                                    {K::MText, 1},
                                                    {K::Insert, 1},
                                                    {K::Dimension, 2}}));
        EXPECT_EQ(kinds["Lajes"], (std::map<K, int>{{K::Polyline, 3}}));
        EXPECT_EQ(kinds["0"], (std::map<K, int>{{K::Point, 1}, {K::XLine, 1}, {K::Ray, 1}}));

        EXPECT_EQ(d.layer(d.layerByName("Vigas"))->color, 1);
        EXPECT_EQ(d.layer(d.layerByName("Lajes"))->color, 40);
        EXPECT_FALSE(d.layer(d.layerByName("Escondida"))->visible);
        EXPECT_EQ(d.data().palette, AciPalette()); // colour indices are ACI, shown as such

        const auto texts = shapesOf<cad::TextShape>(d, "Vigas");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, "Viga V1 — ç");
        EXPECT_EQ(texts[0].at, (cad::Point3{20, 30, 0}));
        EXPECT_EQ(texts[0].look.align, static_cast<int>(cad::TextAlign::MiddleCentre));
        EXPECT_NEAR(texts[0].look.angle, std::numbers::pi / 2, 1e-12);
        EXPECT_EQ(shapesOf<cad::MTextShape>(d, "Vigas").at(0).text, "Nota\nfim");

        const auto inserts = shapesOf<cad::InsertShape>(d, "Vigas");
        ASSERT_EQ(inserts.size(), 1u);
        EXPECT_EQ(d.block(inserts[0].block)->name, "PILAR");
        EXPECT_EQ(d.block(inserts[0].block)->base, (cad::Point3{1, 1, 0}));
        EXPECT_EQ(inserts[0].scale, 2.0);
        EXPECT_NEAR(inserts[0].angle, std::numbers::pi / 6, 1e-12);
        ASSERT_EQ(inserts[0].attributes.size(), 1u);
        EXPECT_EQ(inserts[0].attributes[0].tag, "NOME");
        EXPECT_EQ(inserts[0].attributes[0].value, "P1");
        EXPECT_EQ(d.blockCount(inserts[0].block), 1u); // the line; ATTDEF is not read

        const auto dims = shapesOf<cad::DimensionShape>(d, "Vigas");
        ASSERT_EQ(dims.size(), 2u);
        EXPECT_FALSE(dims[0].aligned);
        EXPECT_EQ(dims[0].second, (cad::Point3{300, 0, 0}));
        EXPECT_NEAR(dims[0].linePos.y, -20, 1e-9);
        EXPECT_NEAR(dims[1].angle, std::atan2(40.0, 30.0), 1e-9); // ezdxf rotates a linear one

        // The arc and the bulge (a half circle from (0,0) to (10,0)) become vertex paths on
        // their circles.
        const auto polylines = shapesOf<cad::PolylineShape>(d, "Lajes");
        ASSERT_EQ(polylines.size(), 3u);
        for (const cad::Point3& p : polylines[0].vertices)
            EXPECT_NEAR(std::hypot(p.x, p.y), 10.0, 1e-9);
        EXPECT_TRUE(polylines[1].closed);
        for (const cad::Point3& p : polylines[1].vertices)
            EXPECT_NEAR(std::hypot(p.x - 5, p.y), 5.0, 1e-9);
        EXPECT_EQ(polylines[2].vertices.size(), 3u);
    }
}

TEST_F(DxfRead, OurExportReadsBackAsItWasDrawn) {
    cad::Drawing drawn;
    DrawEveryKind(drawn);
    const std::string path = folder.file("planta.dxf");
    ASSERT_TRUE(WriteDxfFile(drawn, path).ok);
    const DxfReadResult read = ReadDxfFile(path);
    ASSERT_TRUE(read.drawing) << read.error;
    const cad::Drawing& d = *read.drawing;
    EXPECT_EQ(read.skipped, 0u);

    using K = cad::EntityKind;
    Kinds kinds = modelKinds(d);
    EXPECT_EQ(kinds["Anotações"], (std::map<K, int>{{K::Point, 1},
                                                    {K::Line, 1},
                                                    {K::Circle, 1},
                                                    {K::Text, 1},
                                                    {K::MText, 1},
                                                    {K::Dimension, 2},
                                                    {K::Polyline, 2}}));
    EXPECT_EQ(kinds["Linhas de Construção"], (std::map<K, int>{{K::XLine, 1}, {K::Ray, 1}}));
    EXPECT_EQ(kinds["Vigas"], (std::map<K, int>{{K::Polyline, 2}, {K::Insert, 1}}));

    const auto text = shapesOf<cad::TextShape>(d, "Anotações").at(0);
    EXPECT_EQ(text.text, "Laje L1 — h=12");
    EXPECT_NEAR(text.look.angle, 0.5, 1e-12);
    EXPECT_EQ(shapesOf<cad::MTextShape>(d, "Anotações").at(0).text, "Nota 1\nNota 2");
    const auto xline = shapesOf<cad::XLineShape>(d, "Linhas de Construção").at(0);
    EXPECT_NEAR(xline.dir.x, 0.6, 1e-12);
    EXPECT_NEAR(xline.dir.y, 0.8, 1e-12);

    // The multiline's two lines, 10 to the left and 10 to the right of its path, mitred at the
    // corner (500, 0).
    const auto beams = shapesOf<cad::PolylineShape>(d, "Vigas");
    ASSERT_EQ(beams.size(), 2u);
    EXPECT_EQ(beams[0].vertices,
              (std::vector<cad::Point3>{{0, 10, 0}, {490, 10, 0}, {490, 400, 0}}));
    EXPECT_EQ(beams[1].vertices,
              (std::vector<cad::Point3>{{0, -10, 0}, {510, -10, 0}, {510, 400, 0}}));
    EXPECT_EQ(d.entity(d.nextEntity(d.firstInLayer(d.layerByName("Vigas"))))->color, 1);

    const auto insert = shapesOf<cad::InsertShape>(d, "Vigas").at(0);
    EXPECT_EQ(insert.at, (cad::Point3{500, 400, 0}));
    ASSERT_EQ(insert.attributes.size(), 1u);
    EXPECT_EQ(insert.attributes[0].value, "P1");
    EXPECT_EQ(insert.attributes[0].look.align, static_cast<int>(cad::TextAlign::MiddleCentre));

    const auto dims = shapesOf<cad::DimensionShape>(d, "Anotações");
    ASSERT_EQ(dims.size(), 2u);
    EXPECT_EQ(dims[0].first, (cad::Point3{0, 0, 0}));
    EXPECT_EQ(dims[0].second, (cad::Point3{300, 0, 0}));
    EXPECT_EQ(dims[0].linePos, (cad::Point3{300, -40, 0})); // the foot of the second point
    EXPECT_TRUE(dims[1].aligned);
    // Lajes' colour 40 of our palette is pure green: ACI 3.
    EXPECT_EQ(d.layer(d.layerByName("Lajes"))->color, 3);
}

TEST_F(DxfRead, NumbersReadTheSameUnderACommaLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/bootstrap.sh makes it)";
    const std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
    cad::Drawing drawn;
    Add(drawn, drawn.layerByName("0"), cad::LineShape{{0.5, 1.25, 0}, {1234.5, -2.75, 0}});
    const std::string path = folder.file("virgula.dxf");
    const bool written = WriteDxfFile(drawn, path).ok;
    const DxfReadResult read = ReadDxfFile(path);
    std::setlocale(LC_ALL, "C");
    std::locale::global(previous);
    ASSERT_TRUE(written);
    ASSERT_TRUE(read.drawing) << read.error;
    const auto lines = shapesOf<cad::LineShape>(*read.drawing, "0");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (cad::LineShape{{0.5, 1.25, 0}, {1234.5, -2.75, 0}}));
}

// A minimal file around one entity's groups.
std::string withEntity(const std::string& groups) {
    return "0\nSECTION\n2\nENTITIES\n" + groups + "0\nENDSEC\n0\nEOF\n";
}

TEST_F(DxfRead, DamagedAndForeignFilesAreRefusedWithTheirReason) {
    const struct {
        const char* what;
        std::string bytes;
        std::string error; // after the file name
    } cases[] = {
        {"empty", "", "o arquivo está vazio"},
        {"binary DXF", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "DXF binário"},
        {"a DWG", "AC1015\0\0\0\0", "é um desenho DWG"},
        {"a text file", "Relatório de cargas\nlaje L1\n", "linha 1: esperado um código de grupo"},
        {"a code that is no number", withEntity("0\nLINE\nx\n8\n"), "linha 7: esperado um código"},
        {"a coordinate that is no number", withEntity("0\nLINE\n10\n1,5\n"),
         "linha 8: esperado um número para o código 10"},
        {"an integer that is no number", withEntity("0\nLINE\n62\nred\n"),
         "linha 8: esperado um número inteiro para o código 62"},
        {"cut short", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1.0\n",
         "o arquivo termina sem o marcador EOF"},
        {"a code without value", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n",
         "linha 7: o código de grupo 10 não tem valor"},
        {"not starting with a section", "999\nfeito à mão\n0\nLINE\n0\nEOF\n",
         "linha 3: não é um arquivo DXF"},
        {"binary data", withEntity(std::string("0\nLINE\n1\na\0b\n", 13)),
         "linha 8: dados binários"},
        {"a vertex count beyond the file",
         withEntity("0\nLWPOLYLINE\n90\n1073741825\n10\n0\n20\n0\n"),
         "linha 7: a contagem 1073741825"},
        {"a bulge before any vertex", withEntity("0\nLWPOLYLINE\n90\n2\n42\n1.0\n10\n0\n20\n0\n"),
         "linha 9: curvatura"},
        {"a bulge of a polyline without vertices",
         withEntity("0\nLWPOLYLINE\n90\n0\n10\n0\n42\n1.0\n"), "linha 11: curvatura"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = writeFile("ruim.dxf", c.bytes);
        const DxfReadResult read = ReadDxfFile(path);
        EXPECT_FALSE(read.drawing);
        EXPECT_EQ(read.error.rfind(path + ": " + c.error, 0), 0u) << read.error;
    }
}

TEST_F(DxfRead, AMissingFileIsNamedInTheError) {
    const std::string path = folder.file("nao-existe.dxf");
    const DxfReadResult read = ReadDxfFile(path);
    EXPECT_FALSE(read.drawing);
    EXPECT_EQ(read.error, path + ": não foi possível abrir o arquivo: No such file or directory");
}

TEST_F(DxfRead, AnInsertOfItsOwnBlockAndOfAMissingBlockAreLeftOut) {
    const std::string text =
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n0\n20\n0\n30\n0\n"
        "0\nINSERT\n2\nB\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nENDBLK\n"
        "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n10\n5\n20\n5\n"
        "0\nINSERT\n2\nNADA\n10\n0\n20\n0\n0\nENDSEC\n0\nEOF\n";
    const DxfReadResult read = ReadDxfText(text, "blocos.dxf");
    ASSERT_TRUE(read.drawing) << read.error;
    const cad::BlockId block = read.drawing->blockByName("B");
    EXPECT_EQ(read.drawing->blockCount(block), 1u); // the line
    EXPECT_EQ(read.drawing->layerCount(read.drawing->layerByName("0")), 1u);
    EXPECT_EQ(read.skipped, 2u);
}

} // namespace
} // namespace quadrilo::dxf::test
