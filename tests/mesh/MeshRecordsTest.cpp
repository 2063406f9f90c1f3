// Byte layouts of the grillage node and bar records, field by field.
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include "common/ExpectedRecord.h"

#include <gtest/gtest.h>

namespace quadrilo {
namespace {

using test::ExpectedRecord;

TEST(MeshRecords, NodeFieldsAtTheirOffsets) {
    TNodeData node;
    ExpectedRecord block(152);
    node.X = block.Real(0, 120.5);
    node.Y = block.Real(8, -40.25);
    node.Number = static_cast<std::uint16_t>(block.Int(16, 0xBEEF, 2));
    node.Number2 = static_cast<std::uint16_t>(block.Int(18, 0x1234, 2));
    node.MomentX = block.Extended(24, 3.0e-3);
    node.MomentY = block.Extended(34, -1.75e12);
    node.FreeRx = static_cast<std::uint8_t>(block.Int(54, 1, 1));
    node.FreeRy = static_cast<std::uint8_t>(block.Int(55, 2, 1));
    node.FreeDz = static_cast<std::uint8_t>(block.Int(56, 3, 1));
    node.Rotx = block.Real(64, 1.5e-4);
    node.Roty = block.Real(72, -2.5e-4);
    node.dz = block.Real(80, -0.0125);
    node.Spring = block.Real(88, 25000.5);
    node.PLaje = block.Real(96, 1.5);
    node.PAcid = block.Real(104, 2.25);
    node.PPerm = block.Real(112, 3.125);
    node.PViga = block.Real(120, 4.0625);
    node.PParede = block.Real(128, 5.5);
    node.PPontual = block.Real(136, -10.75);
    node.EntityID = static_cast<std::int32_t>(block.Int(144, 0xFFFF'FFFEu, 4)); // -2
    node.Kind = static_cast<std::uint8_t>(block.Int(148, 2, 1));
    ASSERT_EQ(node.EntityID, -2);
    test::ExpectLayout(node, block);
}

TEST(MeshRecords, BarFieldsAtTheirOffsets) {
    TBarData bar;
    ExpectedRecord block(160);
    bar.X1 = block.Extended(0, 100.125);
    bar.Y1 = block.Extended(10, -200.0625);
    bar.X2 = block.Extended(32, 1e-200);
    bar.Y2 = block.Extended(42, 3.5e250);
    bar.N1 = static_cast<std::uint16_t>(block.Int(64, 0x0A0B, 2));
    bar.N2 = static_cast<std::uint16_t>(block.Int(66, 0xFFFF, 2));
    bar.Number = static_cast<std::uint16_t>(block.Int(68, 40000, 2));
    bar.N1EntityID = static_cast<std::int32_t>(block.Int(92, 0x1122'3344, 4));
    bar.N2EntityID = static_cast<std::int32_t>(block.Int(96, 0x5566'7788, 4));
    bar.EntityID = static_cast<std::int32_t>(block.Int(100, 0x7FFF'FFFF, 4));
    bar.MT1 = block.Real(104, 1.25);
    bar.MT2 = block.Real(112, -1.25);
    bar.MF1 = block.Real(120, 33.375);
    bar.MF2 = block.Real(128, -33.5);
    bar.V1 = block.Real(136, 12.0625);
    bar.V2 = block.Real(144, -12.125);
    bar.Material = static_cast<std::uint16_t>(block.Int(152, 0x0203, 2));
    bar.Orientation = static_cast<std::uint8_t>(block.Int(154, 2, 1));
    bar.BarType = static_cast<std::uint8_t>(block.Int(155, 1, 1));
    test::ExpectLayout(bar, block);
}

TEST(MeshRecords, BlocksOfAnyOtherSizeAreRefused) {
    test::ExpectWrongSizesRefused<TNodeData>("TNodeData");
    test::ExpectWrongSizesRefused<TBarData>("TBarData");
}

} // namespace
} // namespace quadrilo
