// The engine's texts: every identifier listed once with its English default, a text installed by
// identifier changes what the user reads, placeholders filled in order.
#include "CadFixture.h"

#include <set>

namespace quadrilo::cad::test {
namespace {

TEST(EngineTexts, EveryIdentifierIsListedOnceWithItsDefault) {
    std::set<int> ids;
    const TextTable table;
    for (const BuiltinText& t : builtinTexts()) {
        EXPECT_TRUE(ids.insert(static_cast<int>(t.id)).second) << static_cast<int>(t.id);
        EXPECT_NE(std::string(t.english), "") << static_cast<int>(t.id);
        EXPECT_EQ(table.text(t.id), t.english) << static_cast<int>(t.id);
    }
    // The identifiers the application's tables give for the same texts.
    for (const TextId id :
         {TextId::SaveChanges, TextId::NothingToUndo, TextId::SelectObjects,
          TextId::SelectObjectsFound, TextId::MenuZoomExtents, TextId::LayerZeroKept,
          TextId::Cancel, TextId::CurrentLayerIs, TextId::SpecifyPoint})
        EXPECT_TRUE(ids.count(static_cast<int>(id)));
    EXPECT_EQ(static_cast<int>(TextId::NothingToUndo), 107);
    EXPECT_EQ(static_cast<int>(TextId::SpecifyPoint), 29201);
}

using Texts = CadFixture;

TEST_F(Texts, AnEngineTextIsReplacedByItsTableIdentifier) {
    doc.execute(CmdUndo);
    EXPECT_EQ(doc.promptText(), "Undo buffer is empty");
    engine.texts().set(107, "Buffer Desfazer está vazio");
    doc.execute(CmdUndo);
    EXPECT_EQ(doc.promptText(), "Buffer Desfazer está vazio");

    engine.texts().set(301, "Selecione objetos (Botão direito - cancela)");
    engine.texts().set(302, "Selecione objetos: %d encontrados, %d total");
    doc.execute(CmdMove);
    EXPECT_EQ(doc.promptText(), "Selecione objetos (Botão direito - cancela)");
    add(PointShape{{5, 5, 0}});
    doc.inputPoint({5, 5, 0});
    EXPECT_EQ(doc.promptText(), "Selecione objetos: 1 encontrados, 1 total");
    doc.cancelCommand();
    EXPECT_EQ(engine.texts().text(TextId::SaveChanges), "Save changes in the file '%s'?");
    EXPECT_EQ(engine.texts().text(1), "") << "an identifier the engine does not show";
    engine.texts().set(1, "Projeto CadBox");
    EXPECT_EQ(engine.texts().text(1), "Projeto CadBox") << "kept though never shown";
}

TEST(EngineTexts, PlaceholdersAreFilledInOrderWhateverTheirLetter) {
    EXPECT_EQ(fillPlaceholders("Select objects: %d found, %d total", {"2", "5"}),
              "Select objects: 2 found, 5 total");
    EXPECT_EQ(fillPlaceholders("%s in %s", {"100%s", "b"}), "100%s in b")
        << "an argument is not read again";
    EXPECT_EQ(fillPlaceholders("Camada ativa:  %s", {}), "Camada ativa:  %s");
}

} // namespace
} // namespace quadrilo::cad::test
