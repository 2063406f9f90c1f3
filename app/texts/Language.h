// The CAD engine's texts in the program's two languages, and installing one of them.
#pragma once

#include "cad/EngineTexts.h"

#include <span>

namespace quadrilo::app {

// One text of a language table: the engine's identifier and what the engine shows for it.
struct EngineText {
    int id;
    const char* text;
};

// The two tables list the same identifiers in the same order: every text the engine shows, and
// a few it names without showing, grouped by topic. Texts are UTF-8 and keep the engine's markup
// ("%s", "%d", "|" between the parts of a file filter).
[[nodiscard]] std::span<const EngineText> PortugueseEngineTexts();
[[nodiscard]] std::span<const EngineText> EnglishEngineTexts();

// Gives the engine every text of the table, in table order.
void InstallEngineTexts(cad::TextTable& texts, std::span<const EngineText> table);

// The Portuguese table, installed at start-up and by "Português".
inline void EngineTextsPortuguese(cad::TextTable& texts) {
    InstallEngineTexts(texts, PortugueseEngineTexts());
}

// The English table, installed by "Inglês".
inline void EngineTextsEnglish(cad::TextTable& texts) {
    InstallEngineTexts(texts, EnglishEngineTexts());
}

} // namespace quadrilo::app
