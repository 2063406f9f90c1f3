// The engine's language tables: complete, parallel and grouped by topic, the Portuguese one in
// force from start-up, and "Inglês" and "Português" switching every text.
#include "../AppFixture.h"

#include "app/drawing/DrawingWindow.h"
#include "app/texts/Language.h"

#include "cad/canvas/CommandLine.h"

#include <QAction>
#include <QMenu>

#include <map>
#include <set>

namespace quadrilo::app::test {
namespace {

std::map<int, std::string> asMap(std::span<const EngineText> table) {
    std::map<int, std::string> texts;
    for (const EngineText& entry : table)
        texts[entry.id] = entry.text;
    return texts;
}

// The topic groups in table order. A group nested in another's range (the layer list and the
// multiline styles inside the options, the clipboard image inside the hatch and layer group)
// takes its own identifiers.
struct IdRange {
    int first;
    int last;
};
constexpr IdRange Groups[] = {
    {1, 11},        {101, 153},     {301, 304},     {27151, 27214}, {27301, 27633}, {27541, 27547},
    {28481, 28798}, {27411, 27417}, {29001, 29104}, {29199, 29312}, {29401, 29459}, {29601, 29652},
    {1001, 1023},   {401, 503},     {3001, 3406},   {3501, 3809},   {4420, 4421},   {3901, 4204},
    {4301, 4713},   {4801, 5409},   {5501, 5815},   {5901, 6430}};

// The narrowest group whose range holds the identifier; -1 for none.
int groupOf(int id) {
    int found = -1;
    for (int g = 0; g < int(std::size(Groups)); ++g) {
        const IdRange& r = Groups[g];
        if (id >= r.first && id <= r.last &&
            (found < 0 || r.last - r.first < Groups[found].last - Groups[found].first))
            found = g;
    }
    return found;
}

TEST(LanguageTables, ListTheSameIdentifiersInTheSameOrderGroupedByTopic) {
    const auto portuguese = PortugueseEngineTexts();
    const auto english = EnglishEngineTexts();
    ASSERT_EQ(portuguese.size(), english.size());
    int group = 0;
    int previous = 0;
    for (std::size_t i = 0; i < portuguese.size(); ++i) {
        const int id = portuguese[i].id;
        EXPECT_EQ(english[i].id, id) << "entry " << i;
        EXPECT_NE(std::string(portuguese[i].text), "") << id;
        EXPECT_NE(std::string(english[i].text), "") << id;
        const int g = groupOf(id);
        ASSERT_GE(g, 0) << id << " is in no group";
        EXPECT_GE(g, group) << id << " comes after a later group";
        if (g == group) {
            EXPECT_GT(id, previous) << "identifiers rise within a group, each once";
        }
        group = g;
        previous = id;
    }
}

TEST(LanguageTables, CoverEveryTextTheEngineShowsAndEnglishIsTheEnginesOwn) {
    const auto portuguese = asMap(PortugueseEngineTexts());
    const auto english = asMap(EnglishEngineTexts());
    for (const cad::BuiltinText& t : cad::builtinTexts()) {
        const int id = static_cast<int>(t.id);
        EXPECT_TRUE(portuguese.count(id)) << id << " has no Portuguese text";
        ASSERT_TRUE(english.count(id)) << id << " has no English text";
        EXPECT_EQ(english.at(id), t.english) << id;
    }
}

TEST(LanguageTables, KeepTheEnginesKnownWording) {
    const auto portuguese = asMap(PortugueseEngineTexts());
    const auto english = asMap(EnglishEngineTexts());
    const struct {
        int id;
        const char* portuguese;
        const char* english;
    } rows[] = {
        {1, "Projeto CadBox", "CadBox Project"},
        {11, "Desenho CadBox (*.vec)|*.vec|", "CadBox drawing  (*.vec)|*.vec|"},
        {105, "Salvar as alterações no arquivo'%s'?", "Save changes in the file '%s'?"},
        {107, "Buffer Desfazer está vazio", "Undo buffer is empty"},
        {112, "Regenerando o modelo.", "Regenerating model."},
        {301, "Selecione objetos (Botão direito - cancela)",
         "Select objects (right button - stop)"},
        {302, "Selecione objetos: %d encontrados, %d total", "Select objects: %d found, %d total"},
        {403, "Zoom Extensão", "Zoom Extents"},
        {1011, "Não posso apagar camada 0", "Can't delete layer 0"},
        {3002, "Cancela", "Cancel"},
        {27411, "Camada ativa:  %s", "Current Layer:  %s"},
        {29201, "Especifique um ponto:", "Specify a point:"},
        {29601, "Trazeira esquerda", "Bottom left"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(portuguese.count(row.id) && english.count(row.id)) << row.id;
        EXPECT_EQ(portuguese.at(row.id), row.portuguese) << row.id;
        EXPECT_EQ(english.at(row.id), row.english) << row.id;
    }
}

class EngineLanguage : public AppFixture {
protected:
    // Every text the tables or the engine know, by identifier.
    std::map<int, std::string> engineTexts() {
        const cad::TextTable& texts = cad().engine().texts();
        std::set<int> ids;
        for (const EngineText& entry : PortugueseEngineTexts())
            ids.insert(entry.id);
        for (const cad::BuiltinText& t : cad::builtinTexts())
            ids.insert(static_cast<int>(t.id));
        std::map<int, std::string> out;
        for (const int id : ids)
            out[id] = texts.text(id);
        return out;
    }
    // What the program's command line answers an undo with nothing to undo.
    QString emptyUndoAnswer() {
        std::vector<std::string> shown;
        const cad::Subscription watch = cad().document().events().prompted.subscribe(
            [&shown](const std::string& text) { shown.push_back(text); });
        EXPECT_TRUE(cad().typeCommandLine(QStringLiteral("UNDO")));
        return shown.empty() ? QString() : QString::fromStdString(shown.front());
    }
};

TEST_F(EngineLanguage, TheEngineSpeaksPortugueseFromStartUp) {
    EXPECT_EQ(engineTexts(), asMap(PortugueseEngineTexts()));
    EXPECT_EQ(emptyUndoAnswer(), QStringLiteral("Buffer Desfazer está vazio"));
    EXPECT_EQ(cad().ui().messageTitle(), QStringLiteral("CadBox:"));

    QMenu& language = control<QMenu>("mnuLingua");
    EXPECT_EQ(language.title(), QStringLiteral("Língua"));
    EXPECT_FALSE(language.menuAction()->isVisible());
    EXPECT_TRUE(control<QMenu>("mnuFerramentas").actions().contains(language.menuAction()));
    const std::pair<const char*, const char*> actions[] = {{"actPortLanguage", "Português"},
                                                           {"actEnglish", "Inglês"}};
    ASSERT_EQ(language.actions().size(), qsizetype(std::size(actions)));
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        QAction* action = window->actions()[actions[i].first];
        EXPECT_EQ(language.actions()[qsizetype(i)], action);
        EXPECT_EQ(action->text(), QString::fromUtf8(actions[i].second));
        EXPECT_TRUE(action->isEnabled()) << actions[i].first;
    }
}

TEST_F(EngineLanguage, EnglishThenPortugueseGivesBackTheStartUpState) {
    const std::map<int, std::string> startUp = engineTexts();
    trigger("actEnglish");
    EXPECT_EQ(engineTexts(), asMap(EnglishEngineTexts()));
    EXPECT_EQ(emptyUndoAnswer(), QStringLiteral("Undo buffer is empty"));
    trigger("actPortLanguage");
    EXPECT_EQ(engineTexts(), startUp);
    EXPECT_EQ(emptyUndoAnswer(), QStringLiteral("Buffer Desfazer está vazio"));
}

} // namespace
} // namespace quadrilo::app::test
