// Installing a language table in the engine's text table.
#include "app/texts/Language.h"

namespace quadrilo::app {

void InstallEngineTexts(cad::TextTable& texts, std::span<const EngineText> table) {
    // A straight pass: a later pair for the same identifier replaces the earlier text.
    for (const EngineText& entry : table)
        texts.set(entry.id, entry.text);
}

} // namespace quadrilo::app
