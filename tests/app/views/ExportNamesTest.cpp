// The export's names: the type's extension appended or put in place, the bitmap's scale.
#include "app/views/ExportNames.h"

#include <gtest/gtest.h>

namespace quadrilo::app::test {
namespace {

TEST(ExportNames, TheChosenTypesExtensionIsAppendedOrTakesThePlaceOfAnother) {
    const struct {
        const char* chosen;
        ExportType type;
        const char* written;
    } cases[] = {
        {"/obra/planta", ExportType::Bitmap, "/obra/planta.bmp"},
        {"/obra/planta.txt", ExportType::Bitmap, "/obra/planta.bmp"},
        {"/obra/planta.BMP", ExportType::Bitmap, "/obra/planta.BMP"},
        {"/obra/planta.vec", ExportType::Dxf, "/obra/planta.dxf"},
        {"/obra/planta.rev2.txt", ExportType::Dwg, "/obra/planta.rev2.dwg"},
        {"/obra.2024/planta", ExportType::Drawing, "/obra.2024/planta.vec"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExportFileName(QString::fromUtf8(c.chosen), c.type), QString::fromUtf8(c.written))
            << c.chosen;
}

TEST(ExportNames, ANameAsksForItsTypeAndAnyOtherNameIsABitmap) {
    EXPECT_EQ(ExportTypeOfName(QStringLiteral("a.DXF")), ExportType::Dxf);
    EXPECT_EQ(ExportTypeOfName(QStringLiteral("a.dwg")), ExportType::Dwg);
    EXPECT_EQ(ExportTypeOfName(QStringLiteral("a.vec")), ExportType::Drawing);
    EXPECT_EQ(ExportTypeOfName(QStringLiteral("a.txt")), ExportType::Bitmap);
    EXPECT_EQ(ExportTypeOfName(QStringLiteral("a")), ExportType::Bitmap);
    // The dialog's filters in their order.
    EXPECT_EQ(ExportTypeAt(1), ExportType::Dxf);
    EXPECT_EQ(ExportTypeAt(3), ExportType::Drawing);
    EXPECT_EQ(ExportDialogFilter(),
              QStringLiteral("Arquivo Bitmap (*.bmp);;Arquivo DXF (Drawing Exchange Format) "
                             "(*.dxf);;Arquivo DWG (Autodesk Drawing 2007) (*.dwg);;Arquivo VEC "
                             "(CadBox Vector Graphic) (*.vec)"));
}

TEST(ExportNames, AWindow250UnitsWideGives20PixelsPerUnit) {
    EXPECT_DOUBLE_EQ(BitmapScale({-100, 0, 150, 80}), 20.0);
    EXPECT_DOUBLE_EQ(BitmapScale({0, 0, 5000, 1}), 1.0);
}

} // namespace
} // namespace quadrilo::app::test
