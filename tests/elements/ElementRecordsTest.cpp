// Byte layouts of the slab, beam, column, wall and load records, field by field.
#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TLoadData.h"
#include "elements/TSlabData.h"
#include "elements/TWallData.h"

#include "common/ExpectedRecord.h"

#include <gtest/gtest.h>

namespace quadrilo {
namespace {

using test::ExpectedRecord;

TEST(ElementRecords, SlabFieldsAtTheirOffsets) {
    TSlabData slab;
    ExpectedRecord block(232);
    slab.Lx = block.Real(0, 401.25);
    slab.Ly = block.Real(8, 502.5);
    slab.CargaAcidental = block.Real(16, 2.125);
    slab.CargaPermanente = block.Real(24, 1.0625);
    slab.Espessura = block.Real(32, 12.75);
    slab.Ix = block.Real(40, 1.1e5);
    slab.Iy = block.Real(48, 2.2e5);
    slab.Itx = block.Real(56, 3.3e5);
    slab.Ity = block.Real(64, 4.4e5);
    slab.PesoProprio = block.Real(72, 64.0001);
    slab.TotalAcidental = block.Real(80, 428000.5);
    slab.TotalPermanente = block.Real(88, -214000.25);
    slab.CentroX = block.Real(96, 200.625);
    slab.CentroY = block.Real(104, 251.25);
    slab.CentroZ = block.Real(112, -3.5);
    slab.MinX = block.Real(120, -0.01);
    slab.MinY = block.Real(128, 0.02);
    slab.MinZ = block.Real(136, -7.0);
    slab.MaxX = block.Real(144, 401.24);
    slab.MaxY = block.Real(152, 502.49);
    slab.MaxZ = block.Real(160, 1e-300);
    slab.Nome = "Laje ção nº1";
    block.Text(176, "Laje \xE7\xE3o n\xBA"
                    "1");
    slab.EntityID = static_cast<std::int32_t>(block.Int(228, 0x8765'4321u, 4)); // negative
    ASSERT_LT(slab.EntityID, 0);
    test::ExpectLayout(slab, block);
}

TEST(ElementRecords, BeamFieldsAtTheirOffsets) {
    TBeamData beam;
    ExpectedRecord block(192);
    beam.LadoA = block.Real(0, 15.5);
    beam.LadoB = block.Real(8, 40.25);
    beam.Area = block.Real(16, 623.875);
    beam.Comprimento = block.Real(24, 500.125);
    beam.CentroX = block.Real(32, 150.5);
    beam.CentroY = block.Real(40, 200.75);
    beam.CentroZ = block.Real(48, 0.125);
    beam.MinX = block.Real(56, 0.25);
    beam.MinY = block.Real(64, 0.5);
    beam.MinZ = block.Real(72, -1.5);
    beam.MaxX = block.Real(80, 300.75);
    beam.MaxY = block.Real(88, 400.875);
    beam.MaxZ = block.Real(96, 2.5);
    beam.I = block.Real(104, 82677.0833);
    beam.It = block.Real(112, 41338.5);
    beam.CargaAdicional = block.Real(120, -3.25);
    beam.Peso = block.Real(128, 7.796875);
    beam.Nome = "Viga contínua — V1";
    block.Text(136, "Viga cont\xEDnua \x97 V1");
    beam.Orientacao = static_cast<std::uint8_t>(block.Int(187, 2, 1));
    beam.EntityID = static_cast<std::int32_t>(block.Int(188, 0x0102'0304, 4));
    test::ExpectLayout(beam, block);
}

TEST(ElementRecords, ColumnFieldsAtTheirOffsets) {
    TColumnData column;
    ExpectedRecord block(168);
    column.LadoA = block.Real(0, 30.5);
    column.LadoB = block.Real(8, 20.25);
    column.Altura = block.Real(16, 280.125);
    column.X = block.Real(24, 100.0625);
    column.Y = block.Real(32, -50.5);
    column.Z = block.Real(40, 3.75);
    column.MinX = block.Real(48, 84.8125);
    column.MinY = block.Real(56, -60.625);
    column.MinZ = block.Real(64, 3.875);
    column.MaxX = block.Real(72, 115.3125);
    column.MaxY = block.Real(80, -40.375);
    column.MaxZ = block.Real(88, 283.5);
    column.Dz = static_cast<std::uint8_t>(block.Int(96, 1, 1));
    column.Rx = static_cast<std::uint8_t>(block.Int(97, 0, 1));
    column.Ry = static_cast<std::uint8_t>(block.Int(98, 0xFF, 1));
    column.Mola = block.Real(104, 12500.5);
    column.Nome = "Mola k= 12500.5: 30.5x20.25";
    block.Text(112, "Mola k= 12500.5: 30.5x20.25");
    test::ExpectLayout(column, block);
}

TEST(ElementRecords, WallFieldsAtTheirOffsets) {
    TWallData wall;
    ExpectedRecord block(136);
    wall.X1 = block.Real(32, 10.999);
    wall.Y1 = block.Real(40, -2.345);
    wall.Z1 = block.Real(48, 0.5);
    wall.X2 = block.Real(56, 410.25);
    wall.Y2 = block.Real(64, 300.125);
    wall.Z2 = block.Real(72, -0.75);
    block.Text(80, "Parede");
    test::ExpectLayout(wall, block);
}

TEST(ElementRecords, LoadFieldsAtTheirOffsets) {
    TLoadData load;
    ExpectedRecord block(88);
    load.Valor = block.Real(0, -10.5);
    load.X = block.Real(8, 100.25);
    load.Y = block.Real(16, 200.125);
    load.Z = block.Real(24, 0.0625);
    load.Descricao = "Carr. X(100.25)_Y(200.13) de (-10.50)kN";
    block.Text(32, "Carr. X(100.25)_Y(200.13) de (-10.50)kN");
    test::ExpectLayout(load, block);
}

TEST(ElementRecords, BlocksOfAnyOtherSizeAreRefused) {
    test::ExpectWrongSizesRefused<TSlabData>("TSlabData");
    test::ExpectWrongSizesRefused<TBeamData>("TBeamData");
    test::ExpectWrongSizesRefused<TColumnData>("TColumnData");
    test::ExpectWrongSizesRefused<TWallData>("TWallData");
    test::ExpectWrongSizesRefused<TLoadData>("TLoadData");
}

TEST(ElementRecords, NamesAreCutToFiftyCharacters) {
    TSlabData slab;
    slab.Nome = std::string(60, 'L');
    EXPECT_EQ(TSlabData::Decode(slab.Encode()).Nome, std::string(50, 'L'));
}

} // namespace
} // namespace quadrilo
