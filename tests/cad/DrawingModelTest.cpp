// The drawing model through the typed interface: ids of one kind that cannot stand for
// another, layers, entity order, blocks and attributes, multilines, extended and user data.
#include "CadFixture.h"

#include <type_traits>

namespace quadrilo::cad::test {
namespace {

// A layer id where an entity id belongs, or the other way round, does not compile.
template <class Id>
concept NamesAnEntity = requires(const Drawing& d, Id id) {
    d.entity(id);
};
template <class Id>
concept NamesALayer = requires(const Drawing& d, Id id) {
    d.layer(id);
};
static_assert(NamesAnEntity<EntityId> && !NamesAnEntity<LayerId> && !NamesAnEntity<BlockId>);
static_assert(NamesALayer<LayerId> && !NamesALayer<EntityId> && !NamesALayer<std::uint32_t>);
static_assert(!std::is_convertible_v<EntityId, LayerId> && !std::is_convertible_v<int, EntityId>);
static_assert(!std::is_invocable_v<decltype(&Transaction::setColor), Transaction&, LayerId, int>);

using Model = CadFixture;

TEST_F(Model, AnIdOfTheRightKindButNoObjectIsRefused) {
    const EntityId line = add(LineShape{{0, 0, 0}, {1, 0, 0}});
    Transaction tx(drawing());
    ASSERT_TRUE(tx.erase(line));
    EXPECT_FALSE(tx.setColor(line, 3)) << "a stale entity id";
    EXPECT_FALSE(tx.setAttributeValue(line, 0, "x")) << "not an insert";
    EXPECT_FALSE(tx.add(Entity{.layer = LayerId(42), .shape = PointShape{}})) << "no such layer";
}

TEST_F(Model, AddingAnExistingLayerKeepsItsColourAndEntities) {
    const LayerId first = addLayer("Vigas", 1);
    const EntityId line = add(LineShape{{0, 0, 0}, {1, 1, 0}}, first);
    const LayerId again = addLayer("Vigas", 5);
    EXPECT_EQ(again, first);
    EXPECT_EQ(drawing().layer(again)->color, 1);
    EXPECT_EQ(layerEntities(again), std::vector<EntityId>{line});
}

TEST_F(Model, LayersKeepTheirOrderAndEntitiesTheirs) {
    for (const char* name : {"Pilares", "Vigas", "Lajes"})
        addLayer(name, 3);
    std::vector<std::string> names;
    for (const LayerId l : drawing().layerOrder())
        names.push_back(drawing().layer(l)->name);
    EXPECT_EQ(names, (std::vector<std::string>{"0", "Pilares", "Vigas", "Lajes"}));

    const LayerId vigas = drawing().layerByName("Vigas");
    std::vector<EntityId> made;
    for (int i = 0; i < 5; ++i)
        made.push_back(add(PointShape{{double(i), 0, 0}}, vigas));
    Transaction(drawing()).erase(made[2]);
    made.erase(made.begin() + 2);
    EXPECT_EQ(layerEntities(vigas), made);
    EXPECT_EQ(drawing().layerCount(vigas), 4u);
}

TEST_F(Model, LayerZeroTheCurrentLayerAndLayersWithEntitiesAreKept) {
    const LayerId empty = addLayer("Vazia");
    const LayerId full = addLayer("Cheia");
    add(PointShape{}, full);
    Transaction tx(drawing());
    EXPECT_EQ(tx.eraseLayer(drawing().layerByName("0")), EraseLayerResult::LayerZero);
    EXPECT_EQ(tx.eraseLayer(full), EraseLayerResult::HoldsEntities);
    drawing().settings().currentLayer = empty;
    EXPECT_EQ(tx.eraseLayer(empty), EraseLayerResult::CurrentLayer);
    drawing().settings().currentLayer = full;
    EXPECT_EQ(tx.eraseLayer(empty), EraseLayerResult::Erased);
    EXPECT_EQ(tx.eraseLayer(empty), EraseLayerResult::NoSuchLayer);
}

TEST_F(Model, InsertsStartFromTheDefinitionTextAndEachKeepsItsOwn) {
    Transaction tx(drawing());
    const BlockId block = tx.addBlock("+Load", {0, 0, 0});
    ASSERT_TRUE(block);
    EXPECT_FALSE(tx.addBlock("+Load", {5, 5, 0}));
    EXPECT_EQ(drawing().blockByName("+Load"), block);
    const EntityId def = tx.addToBlock(
        block, Entity{.shape = AttDefShape{{0, 10, 0}, "CARGA", "-10_(kN)", {10, 0, 7}}});
    EXPECT_TRUE(layerEntities(current()).empty()) << "block content is on no layer's list";
    EXPECT_EQ(drawing().firstInBlock(block), def);

    const EntityId first = tx.add(Entity{.shape = *drawing().insertOf(block, {100, 200, 0}, 2, 0)});
    const auto& att = shape<InsertShape>(first).attributes.at(0);
    EXPECT_EQ(att.tag, "CARGA");
    EXPECT_EQ(att.value, "-10_(kN)");
    EXPECT_EQ(att.at, (Point3{100, 220, 0})) << "placed like the block's content";
    EXPECT_EQ(att.look.height, 20);

    tx.edit(def, [](Entity& e) { std::get<AttDefShape>(e.shape).defaultText = "5_(kN)"; });
    const EntityId second = tx.add(Entity{.shape = *drawing().insertOf(block, {}, 1, 0)});
    EXPECT_TRUE(tx.setAttributeValue(second, 0, "7_(kN)"));
    EXPECT_EQ(shape<InsertShape>(second).attributes[0].value, "7_(kN)");
    EXPECT_EQ(shape<InsertShape>(first).attributes[0].value, "-10_(kN)");
    EXPECT_FALSE(drawing().insertOf(BlockId(9), {}, 1, 0)) << "no such block";
}

TEST_F(Model, MultilinesKeepTheWidthTheyWereDrawnWith) {
    Transaction tx(drawing());
    const MlineStyleId style =
        tx.addMlineStyle(MlineStyle{"stVigas", 274, {{0, 1}, {6, 1}, {-6, 1}}});
    EXPECT_FALSE(tx.addMlineStyle(MlineStyle{"stVigas", 274, {}}));
    const EntityId narrow =
        tx.add(Entity{.shape = *drawing().mlineOf(style, {{500, 0, 0}, {0, 0, 0}}, false)});
    // Each beam sets the style to its own width before it is drawn.
    EXPECT_TRUE(
        tx.changeMlineStyle(style, MlineStyle{"stVigas", 274, {{0, 1}, {20, 1}, {-20, 1}}}));
    const EntityId wide =
        tx.add(Entity{.shape = *drawing().mlineOf(style, {{500, 0, 0}, {0, 0, 0}}, false)});
    EXPECT_EQ(shape<MlineShape>(narrow).lines[1].offset, 6.0);
    EXPECT_EQ(shape<MlineShape>(wide).lines[1].offset, 20.0);
    EXPECT_EQ(shape<MlineShape>(narrow).vertices[0], (Point3{500, 0, 0})) << "in drawn order";
    EXPECT_EQ(shape<MlineShape>(narrow).drawMode, 274);
}

TEST_F(Model, ExtendedAndUserDataComeBackUnchanged) {
    std::vector<std::uint8_t> record = bytes(152, 200);
    record[0] = 0;
    record[151] = 0xFF;
    const EntityId node = add(PointShape{{1, 2, 0}});
    {
        Transaction tx(drawing());
        ASSERT_TRUE(tx.setExtendedData(node, record));
        ASSERT_TRUE(tx.setKindCode(node, 6));
        tx.setDrawingData(bytes(1400, 1));
    }
    EXPECT_EQ(entity(node).exData, record);
    EXPECT_EQ(entity(node).userData, 6);
    EXPECT_EQ(drawing().data().exData, bytes(1400, 1));
}

} // namespace
} // namespace quadrilo::cad::test
