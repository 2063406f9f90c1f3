// The drawing model through the flat API: layers, entity order, blocks and attributes,
// multilines, extended and user data.
#include "CadFixture.h"

#include <numeric>

using Model = CadFixture;

TEST_F(Model, AddingAnExistingLayerKeepsItsColourAndEntities) {
    const CadHandle first = CadAddLayer(dwg, "Vigas", 1, 0, -1);
    CadSetCurLayer(dwg, first);
    const CadHandle line = CadAddLine(dwg, 0, 0, 0, 1, 1, 0);

    const CadHandle again = CadAddLayer(dwg, "Vigas", 5, 0, -1);

    EXPECT_EQ(again, first);
    EXPECT_EQ(CadLayerGetColor(again), 1);
    EXPECT_EQ(layerEntities(again), std::vector<CadHandle>{line});
}

TEST_F(Model, LayersKeepTheirOrderAndEntitiesTheirs) {
    for (const char* name : {"Pilares", "Vigas", "Lajes"})
        CadAddLayer(dwg, name, 3, 0, -1);
    std::vector<std::string> names;
    for (CadHandle l = CadGetFirstLayer(dwg); l; l = CadGetNextLayer(dwg, l))
        names.push_back(CadLayerGetName(l));
    EXPECT_EQ(names, (std::vector<std::string>{"0", "Pilares", "Vigas", "Lajes"}));

    CadSetCurLayerByName(dwg, "Vigas");
    std::vector<CadHandle> made;
    for (int i = 0; i < 5; ++i)
        made.push_back(CadAddPoint(dwg, i, 0, 0));
    CadEntityErase(made[2], 1);
    made.erase(made.begin() + 2);
    EXPECT_EQ(layerEntities(CadGetLayerByName(dwg, "Vigas")), made);
    EXPECT_EQ(CadLayerGetCount(CadGetLayerByName(dwg, "Vigas")), 4);
}

TEST_F(Model, BlockNamesAreUniqueAndInsertsStartFromTheDefinitionText) {
    const CadHandle block = CadAddBlock(dwg, "+Load", 0, 0, 0);
    ASSERT_NE(block, 0);
    EXPECT_EQ(CadAddBlock(dwg, "+Load", 5, 5, 0), 0);
    EXPECT_EQ(CadGetBlockByName(dwg, "+Load"), block);

    const CadHandle def = CadAddAttrib(dwg, "CARGA", "?", 0, 10, 0);
    CadBlockAddEntity(block, def);
    ASSERT_EQ(CadBlockGetAttDef(block, "CARGA"), def);
    CadAttPutDefValue(def, "-10_(kN)");
    CadTextPutAlign(def, 7);

    const CadHandle ins = CadAddInsBlock(dwg, CadBlockGetID(block), 100, 200, 0, 1.0, 0.0);
    const CadHandle att = CadInsBlockGetFirstAtt(ins);
    EXPECT_EQ(CadAttGetTag(att), "CARGA");
    EXPECT_EQ(CadAttGetValue(att), "-10_(kN)");
    EXPECT_EQ(CadInsBlockGetNextAtt(ins, att), 0);
    // The definition moved into the block is no longer on a layer.
    EXPECT_TRUE(layerEntities(CadGetCurLayer(dwg)) == std::vector<CadHandle>{ins});

    CadAttPutDefValue(def, "5_(kN)");
    const CadHandle second = CadAddInsBlock(dwg, CadBlockGetID(block), 0, 0, 0, 1.0, 0.0);
    EXPECT_EQ(CadAttGetValue(CadInsBlockGetFirstAtt(second)), "5_(kN)");
    EXPECT_EQ(CadAttGetValue(att), "-10_(kN)") << "an insert keeps its own attribute value";
}

TEST_F(Model, MultilinesKeepTheWidthTheyWereDrawnWith) {
    const CadHandle style = CadAddMlineStyle(dwg, "stVigas", 3, 274);
    EXPECT_EQ(CadAddMlineStyle(dwg, "stVigas", 3, 274), 0);
    EXPECT_EQ(CadSetCurMlineStyleByName(dwg, "stVigas"), style);
    auto beam = [&](double a) {
        CadMlineStylePutOffset(style, 1, a / 2);
        CadMlineStylePutOffset(style, 2, -a / 2);
        CadClearVertices(dwg);
        CadAddVertex(dwg, 500, 0, 0);
        CadAddVertex(dwg, 0, 0, 0);
        return CadAddMline(dwg, 0);
    };
    const CadHandle narrow = beam(12);
    const CadHandle wide = beam(40);

    const auto& shape = std::get<cad::MlineShape>(
        document().drawing().entity(cad::EntityId(CadEntityGetID(narrow)))->shape);
    EXPECT_EQ(shape.lines[1].offset, 6.0);
    EXPECT_NE(narrow, wide);
    ASSERT_EQ(CadMlineGetNumVers(narrow), 2);
    EXPECT_EQ(CadMlineGetVer(narrow, 0), (CadPoint{500, 0, 0})) << "vertices in drawing order";
    EXPECT_EQ(CadMlineGetVer(narrow, 2), (CadPoint{}));
}

TEST_F(Model, ExtendedAndUserDataComeBackUnchanged) {
    const CadHandle node = CadAddPoint(dwg, 1, 2, 0);
    std::vector<std::uint8_t> record = bytes(152, 200);
    record[0] = 0;
    record[151] = 0xFF;
    ASSERT_EQ(CadEntityPutExData(node, record.data(), 152), 1);
    CadEntityPutUserData(node, 6);
    EXPECT_EQ(exDataOf(node), record);
    EXPECT_EQ(CadEntityGetUserData(node), 6);

    const std::vector<std::uint8_t> project = bytes(1400, 1);
    CadPutExData(dwg, project.data(), 1400);
    ASSERT_EQ(CadGetExDataSize(dwg), 1400);
    std::vector<std::uint8_t> back(1400);
    CadGetExData(dwg, back.data());
    EXPECT_EQ(back, project);
    EXPECT_EQ(CadEntityPutExData(node, nullptr, 10), 0);
}

TEST_F(Model, HandlesOfOtherKindsOrStaleOnesAreRefused) {
    const CadHandle line = CadAddLine(dwg, 0, 0, 0, 1, 0, 0);
    CadEntityErase(line, 1);
    EXPECT_EQ(CadEntityGetID(line), 0);
    EXPECT_EQ(CadEntityPutColor(line, 3), 0);
    EXPECT_EQ(CadAttPutValue(line, "x"), 0);
    EXPECT_EQ(CadAddXLine(dwg, 0, 0, 0, 0, 0, 0), 0) << "a construction line needs a direction";
    EXPECT_EQ(CadAddCircle(dwg, 0, 0, 0, -1), 0);
    EXPECT_EQ(CadEntityGetID(CadAddPoint(dwg + 7, 0, 0, 0)), 0);
}
