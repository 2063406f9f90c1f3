// Reading the texts of the element panels: numbers, names cut to their record's length, and the
// entity handle an edit panel carries.
#pragma once

#include "elements/ElementOutcome.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrilo::elements {

// The number a panel text holds ("." decimals); otherwise the conversion error that stops the
// action, for the application's error report.
[[nodiscard]] Outcome<double> ReadNumber(std::string_view text);

// Several panel texts read in order; the first that is not a number stops the reading.
template <std::size_t N>
[[nodiscard]] Outcome<std::array<double, N>>
ReadNumbers(const std::array<std::string_view, N>& texts) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = ReadNumber(texts[i]);
        if (!value) {
            return value.Error();
        }
        values[i] = *value;
    }
    return values;
}

// The first `count` characters of a UTF-8 text (names: 50, the length their records hold).
[[nodiscard]] std::string CutToCharacters(std::string_view utf8, std::size_t count);
[[nodiscard]] std::string CutName(std::string_view utf8);

// What a cleared edit panel shows in place of an entity handle.
inline constexpr std::string_view ClearedHandleText = "0000:0000";

// An entity handle as the filled edit panels show it: a decimal integer.
[[nodiscard]] std::string HandleText(std::int32_t id);

// The entity an edit panel names, read back by its save; nullopt for a cleared panel or a text
// that names no entity, so that such a save changes nothing.
[[nodiscard]] std::optional<std::int32_t> PanelHandle(std::string_view text);

} // namespace quadrilo::elements
