// DXF export: the file ezdxf audits without errors and reads back entity by entity.
#include "cad/dxf/DxfExport.h"
#include "DxfFixture.h"
#include "Ezdxf.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <set>
#include <sstream>

namespace quadrilo::dxf::test {
namespace {

TEST(DxfExport, EveryKindPassesTheAuditWithItsCountsPerLayer) {
    if (const std::string why = EzdxfMissing(); !why.empty())
        GTEST_SKIP() << why;
    cad::Drawing drawing;
    DrawEveryKind(drawing);
    TempFolder folder;
    const std::string path = folder.file("planta.dxf");
    const DxfExportResult result = WriteDxfFile(drawing, path);
    ASSERT_TRUE(result.ok) << result.error;

    EzdxfView view = ReadWithEzdxf(path);
    EXPECT_TRUE(view.errors.empty()) << view.raw;
    EXPECT_TRUE(view.fixes.empty()) << view.raw;
    using Counts = std::map<std::string, int>;
    EXPECT_EQ(view.modelCounts["Anotações"], (Counts{{"POINT", 1},
                                                     {"LINE", 1},
                                                     {"CIRCLE", 1},
                                                     {"TEXT", 1},
                                                     {"MTEXT", 1},
                                                     {"DIMENSION", 2},
                                                     {"LWPOLYLINE", 2}}))
        << view.raw;
    EXPECT_EQ(view.modelCounts["Linhas de Construção"], (Counts{{"XLINE", 1}, {"RAY", 1}}));
    EXPECT_EQ(view.modelCounts["Vigas"], (Counts{{"LWPOLYLINE", 2}, {"INSERT", 1}}));
    EXPECT_EQ(view.modelCounts["Lajes"], (Counts{{"LWPOLYLINE", 1}}));
    EXPECT_EQ(view.blockCounts["Pilar"], (Counts{{"LWPOLYLINE", 1}, {"LINE", 1}, {"ATTDEF", 1}}));
    EXPECT_EQ(view.modelCounts.size(), 4u) << view.raw;
}

// A line break in a text would end its DXF line early and shift every group after it; a
// coordinate that is not a number would make the file unreadable. The drawing refuses such
// coordinates, but a multiline's mitred corner may still lie beyond the largest number.
TEST(DxfExport, LineBreaksAndBadNumbersCannotBreakTheFile) {
    if (const std::string why = EzdxfMissing(); !why.empty())
        GTEST_SKIP() << why;
    cad::Drawing drawing;
    const cad::LayerId layer = cad::Transaction(drawing).addLayer(cad::Layer{"Anotações\nnova", 7});
    Add(drawing, layer, cad::TextShape{{0, 0, 0}, "Viga\nV1", {}});
    const double widest = std::numeric_limits<double>::max();
    ASSERT_TRUE(Add(drawing, layer,
                    cad::MlineShape{{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, false, "", 0, {{widest}}}));
    ASSERT_FALSE(Add(drawing, layer,
                     cad::LineShape{{0, 0, 0}, {std::numeric_limits<double>::quiet_NaN(), 1, 0}}));
    Add(drawing, layer, cad::LineShape{{0, 0, 0}, {1, 1, 0}});
    TempFolder folder;
    const std::string path = folder.file("textos.dxf");
    const DxfExportResult result = WriteDxfFile(drawing, path);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.skipped, 1u);

    EzdxfView view = ReadWithEzdxf(path);
    EXPECT_TRUE(view.errors.empty()) << view.raw;
    EXPECT_EQ(view.modelCounts["Anotações nova"],
              (std::map<std::string, int>{{"TEXT", 1}, {"LINE", 1}}))
        << view.raw;
}

TEST(DxfExport, AFailedWriteSaysWhyAndLeavesNoFile) {
    cad::Drawing drawing;
    TempFolder folder;
    const std::string path = folder.file("falta/planta.dxf");
    const DxfExportResult result = WriteDxfFile(drawing, path);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
    EXPECT_FALSE(std::filesystem::exists(folder.file("falta")));
}

TEST(DxfExport, NumbersAreWrittenWithAPointAndHandlesStayUnique) {
    cad::Drawing drawing;
    for (int i = 0; i < 100; ++i) // past every fixed handle dxflib writes
        Add(drawing, drawing.layerByName("0"), cad::LineShape{{0.5, 1e20, 0}, {i + 0.25, -2.0, 0}});
    const std::string text = DrawingToDxf(drawing);
    EXPECT_NE(text.find(" 10\n0.5\n 20\n1e+20\n 30\n0.0\n"), std::string::npos);
    std::istringstream lines(text);
    std::set<unsigned long> handles;
    unsigned long seed = 0;
    for (std::string code, value, previous; std::getline(lines, code) && std::getline(lines, value);
         previous = value) {
        if (code == "  5" && previous == "$HANDSEED")
            seed = std::stoul(value, nullptr, 16);
        else if ((code == "  5" || code == "105") &&
                 !handles.insert(std::stoul(value, nullptr, 16)).second)
            ADD_FAILURE() << "handle " << value << " used twice";
    }
    ASSERT_FALSE(handles.empty());
    EXPECT_GT(seed, *handles.rbegin()); // new objects of a CAD program must not clash
}

} // namespace
} // namespace quadrilo::dxf::test
