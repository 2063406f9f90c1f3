// DXF export: the file ezdxf audits without errors and reads back entity by entity.
#include "cad/dxf/DxfExport.h"
#include "DxfFixture.h"
#include "Ezdxf.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace quadrilo::dxf::test
