// The CAD engine's texts in the program's two languages, and installing one of them.
#pragma once

#include "cad/EngineTexts.h"

#include <QString>

#include <initializer_list>
#include <span>
#include <string_view>

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

// The program's own texts in the tables, so that they follow the language in force: identifiers of
// the file messages' group that the engine itself never shows.
enum class ProgramText : int {
    RecoveryQuestion = 140, // the drawing's name, the time of the automatic save
    RecoveryUnnamed = 141,  // stands for the name of a drawing never saved
    RecoveryRecover = 142,
    RecoveryDiscard = 143,
    RecoveryDamaged = 144, // the drawing's name, what is wrong, where the file was kept
    AutosaveFailed = 145,  // what went wrong
    RecoveryDone = 146,    // the drawing's name
};

// The program's text in the table in force, its "%s" filled with the UTF-8 arguments in order.
[[nodiscard]] inline QString ProgramTextOf(const cad::TextTable& texts, ProgramText id,
                                           std::initializer_list<std::string_view> args = {}) {
    return QString::fromStdString(cad::fillPlaceholders(texts.text(static_cast<int>(id)), args));
}

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
