// Strings, colours and names between the drawing and DXF.
#include "cad/dxf/DxfText.h"
#include "cad/dxf/AciPalette.h"
#include "cad/dxf/DwgSupport.h"

#include <gtest/gtest.h>

namespace quadrilo::dxf {
namespace {

TEST(DxfStrings, Cp1252BytesAndUnicodeEscapesRoundTrip) {
    const struct {
        std::string utf8, dxf;
    } cases[] = {
        {"Linhas de Construção", "Linhas de Constru\xE7\xE3o"},
        {"Laje — 12 €", "Laje \x97 12 \x80"},       // dash and euro are Windows-1252 bytes
        {"σ = 25 kN/m²", "\\U+03C3 = 25 kN/m\xB2"}, // Greek is not
        {"linha 1\nlinha 2\r", "linha 1 linha 2 "}, // one string is one line of the file
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(EncodeDxfString(c.utf8), c.dxf);
    }
    for (const auto& c : std::vector(std::begin(cases), std::end(cases) - 1))
        EXPECT_EQ(DecodeDxfString(c.dxf, false), c.utf8);
}

TEST(DxfStrings, DecodingFollowsTheFileVersionAndTheBytes) {
    EXPECT_EQ(DecodeDxfString("Constru\xC3\xA7\xC3\xA3o", false),
              "Construção");                                             // UTF-8 in an old file
    EXPECT_EQ(DecodeDxfString("Constru\xE7\xE3o", false), "Construção"); // Windows-1252
    EXPECT_EQ(DecodeDxfString("Constru\xE7\xE3o", true), "Constru\uFFFD\uFFFDo"); // broken UTF-8
    EXPECT_EQ(DecodeDxfString("a\\U+00E7\\U+zz", true), "aç\\U+zz");
}

TEST(DxfStrings, MTextLineBreaksAndFormattingCodes) {
    EXPECT_EQ(MTextFromPlain("Nota 1\nNota 2"), "Nota 1\\PNota 2");
    EXPECT_EQ(PlainFromMText("{\\fArial|b1;Nota}\\P\\H2.5x;fim\\~\\\\ok\\{x\\}"),
              "Nota\nfim \\ok{x}");
    EXPECT_EQ(PlainFromMText("\\Lsublinhado\\l e \\C1;vermelho"), "sublinhado e vermelho");
}

TEST(AciColors, StandardEntriesStayOthersTakeTheNearest) {
    std::array<std::uint32_t, 256> palette = AciPalette();
    palette[10] = 0x00FF00; // pure green where ACI 10 is red
    palette[200] = 0x7E0000;
    const AciColorMap map(palette);
    EXPECT_EQ(map(1), 1);
    EXPECT_EQ(map(150), 150);
    EXPECT_EQ(map(10), 3);
    EXPECT_EQ(map(200), 14); // 0x7F0000
    EXPECT_EQ(map(AciByLayer), AciByLayer);
    EXPECT_EQ(map(AciByBlock), AciByBlock);
    EXPECT_EQ(map(-5), AciByLayer);
    EXPECT_EQ(NearestAci(0x000000), 7); // black on paper, white on a dark screen
}

TEST(Dwg, NamesAreRecognisedAndRefusalsPointToDxf) {
    EXPECT_TRUE(IsDwgName("planta.dwg"));
    EXPECT_TRUE(IsDwgName("/obra/PLANTA.DwG"));
    EXPECT_FALSE(IsDwgName("planta.dxf"));
    EXPECT_FALSE(IsDwgName("dwg"));
    EXPECT_NE(DwgExportRefusal.find("DXF"), std::string_view::npos);
    EXPECT_NE(DwgOpenRefusal.find("DXF"), std::string_view::npos);
}

} // namespace
} // namespace quadrilo::dxf
