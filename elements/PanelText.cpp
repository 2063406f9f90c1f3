// Reading the texts of the element panels.
#include "elements/PanelText.h"

#include "common/Format.h"
#include "common/StringUtils.h"

#include <charconv>

namespace quadrilo::elements {

Outcome<double> ReadNumber(std::string_view text) {
    if (const auto value = ParseNumber(text)) {
        return *value;
    }
    return InputRefusal(Format("'%s' is not a valid floating point value", text));
}

std::string CutToCharacters(std::string_view utf8, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // A character starts at every byte that is not a UTF-8 continuation byte.
        const bool starts = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (starts && characters++ == count) {
            return std::string(utf8.substr(0, i));
        }
    }
    return std::string(utf8);
}

std::string CutName(std::string_view utf8) {
    constexpr std::size_t nameCapacity = 50;
    return CutToCharacters(utf8, nameCapacity);
}

std::string HandleText(std::int32_t id) {
    return std::to_string(id);
}

std::optional<std::int32_t> PanelHandle(std::string_view text) {
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc{} || end != text.data() + text.size() || id == 0) {
        return std::nullopt;
    }
    return id;
}

} // namespace quadrilo::elements
