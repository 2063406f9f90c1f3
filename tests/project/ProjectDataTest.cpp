// Byte layout of the project record and the defaults of a new project.
#include "project/TProjectData.h"

#include "common/ExpectedRecord.h"

#include <gtest/gtest.h>

namespace quadrilo {
namespace {

using test::ExpectedRecord;

TEST(ProjectData, FieldsAtTheirOffsets) {
    TProjectData data;
    ExpectedRecord block(1400);
    data.fck = static_cast<std::uint8_t>(block.Int(0, 255, 1));
    data.Ec = block.Real(8, 32000000.5);
    data.Gc = block.Real(16, 12800000.25);
    data.XMax = block.Real(24, 850.125);
    data.XMin = block.Real(32, -10.0625);
    data.YMax = block.Real(40, 620.75);
    data.YMin = block.Real(48, -20.375);
    data.nDX = static_cast<std::uint16_t>(block.Int(56, 65535, 2));
    data.nDY = static_cast<std::uint16_t>(block.Int(58, 0x0102, 2));
    data.StepX = block.Real(64, 86.01875);
    data.StepY = block.Real(72, 2.5e-3);
    data.PEConcreto = block.Real(80, 25.5);
    data.PELaje = block.Real(88, 24.75);
    data.PEParede = block.Real(96, 13.125);
    data.DefFact = static_cast<std::int32_t>(block.Int(104, 1'000'000'000, 4));
    data.DiagDef = static_cast<std::int32_t>(block.Int(108, 0xFFFF'FFFBu, 4)); // -5
    data.DefColor = static_cast<std::uint32_t>(block.Int(112, 0x00C0'8040, 4));
    data.Memo = "Obra: edifício São João\r\nPavimento tipo\r\n";
    block.Text(116, "Obra: edif\xED"
                    "cio S\xE3o Jo\xE3o\r\nPavimento tipo\r\n");
    data.LoadFact = "pp+1.4*ca+1.4*cp+cl";
    block.Text(372, "pp+1.4*ca+1.4*cp+cl");
    data.GcFactor = "Ec*0.4";
    block.Text(628, "Ec*0.4");
    data.VigaIt = std::string(255, 'v');
    block.Text(884, std::string(255, 'v'));
    data.SlabIt = "(b*h^3)/6";
    block.Text(1140, "(b*h^3)/6");
    test::ExpectLayout(data, block);
}

TEST(ProjectData, BlocksOfAnyOtherSizeAreRefused) {
    test::ExpectWrongSizesRefused<TProjectData>("TProjectData");
}

TEST(ProjectData, TextsAreCutTo255Characters) {
    TProjectData data;
    data.Memo = std::string(300, 'm');
    EXPECT_EQ(TProjectData::Decode(data.Encode()).Memo, std::string(255, 'm'));
}

TEST(ProjectData, ResetGivesNewProjectDefaultsAndKeepsTheGrid) {
    TProjectData data;
    data.XMax = 800;
    data.XMin = -5;
    data.YMax = 600;
    data.YMin = -6;
    data.StepX = 80.5;
    data.StepY = 60.6;
    data.Memo = "old notes";
    data.LoadFact = "pp";
    const TProjectData gridOnly = data;

    ResetProjectData(data, 0x00FF8000);

    EXPECT_EQ(data.fck, 20);
    EXPECT_EQ(data.nDX, 10);
    EXPECT_EQ(data.nDY, 10);
    EXPECT_EQ(data.LoadFact, "pp+ca+cp+cl");
    EXPECT_EQ(data.GcFactor, "Ec*0.4");
    EXPECT_EQ(data.VigaIt, "(b^3*h)/3");
    EXPECT_EQ(data.SlabIt, "(b*h^3)/6");
    EXPECT_EQ(data.PEConcreto, 25);
    EXPECT_EQ(data.PELaje, 25);
    EXPECT_EQ(data.PEParede, 13);
    EXPECT_EQ(data.DefFact, 10000);
    EXPECT_EQ(data.DiagDef, 5);
    EXPECT_EQ(data.Ec, 32000000);
    EXPECT_EQ(data.Gc, 12800000);
    EXPECT_EQ(data.DefColor, 0x00FF8000u);
    EXPECT_EQ(data.Memo, "");
    EXPECT_EQ(data.XMax, gridOnly.XMax);
    EXPECT_EQ(data.XMin, gridOnly.XMin);
    EXPECT_EQ(data.YMax, gridOnly.YMax);
    EXPECT_EQ(data.YMin, gridOnly.YMin);
    EXPECT_EQ(data.StepX, gridOnly.StepX);
    EXPECT_EQ(data.StepY, gridOnly.StepY);
}

} // namespace
} // namespace quadrilo
