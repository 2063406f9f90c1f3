// Code page and escape handling of DXF strings.
#include "cad/dxf/DxfText.h"

#include <array>
#include <charconv>
#include <optional>

namespace quadrilo::dxf {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// Windows-1252 0x80-0x9F; the five unassigned bytes keep their Latin-1 control code.
constexpr std::array<char32_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t fromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> toCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < Cp1252High.size(); ++i)
        if (Cp1252High[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// The next code point of UTF-8 text; nullopt for a broken sequence (one byte is consumed).
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF5   ? -1
                      : lead >= 0xF0 ? 3
                      : lead >= 0xE0 ? 2
                      : lead >= 0xC2 ? 1
                                     : -1;
    if (extra < 0 || i + extra > s.size())
        return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (c < least[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return std::nullopt;
    i += extra;
    return c;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();)
        if (!nextUtf8(s, i))
            return false;
    return true;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// "\U+XXXX" at position i: the code point, or nullopt when the text there is not such an escape.
std::optional<char32_t> unicodeEscape(std::string_view s, std::size_t i) {
    if (s.substr(i, 3) != "\\U+" || i + 7 > s.size())
        return std::nullopt;
    unsigned value = 0;
    const char* first = s.data() + i + 3;
    const auto [end, ec] = std::from_chars(first, first + 4, value, 16);
    if (ec != std::errc() || end != first + 4)
        return std::nullopt;
    return static_cast<char32_t>(value);
}

} // namespace

std::string EncodeDxfString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = nextUtf8(utf8, i).value_or(Replacement);
        if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else if (const auto byte = toCp1252(c)) {
            out += static_cast<char>(*byte);
        } else {
            char hex[16];
            const unsigned shown = c > 0xFFFF ? unsigned{Replacement} : unsigned{c};
            const auto end = std::to_chars(hex, hex + sizeof hex, shown, 16).ptr;
            out += "\\U+" + std::string(4 - static_cast<std::size_t>(end - hex), '0');
            for (const char* p = hex; p != end; ++p)
                out += static_cast<char>(*p >= 'a' ? *p - 'a' + 'A' : *p);
        }
    }
    return out;
}

std::string DecodeDxfString(std::string_view raw, bool utf8File) {
    const bool utf8 = utf8File || isValidUtf8(raw);
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        if (const auto escaped = unicodeEscape(raw, i)) {
            appendUtf8(out, *escaped);
            i += 7;
        } else if (utf8) {
            appendUtf8(out, nextUtf8(raw, i).value_or(Replacement));
        } else {
            appendUtf8(out, fromCp1252(static_cast<unsigned char>(raw[i++])));
        }
    }
    return out;
}

std::string MTextFromPlain(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\P";
        else if (c == '\\' || c == '{' || c == '}')
            out += {'\\', c};
        else if (c != '\r')
            out += c;
    }
    return out;
}

std::string PlainFromMText(std::string_view mtext) {
    std::string out;
    for (std::size_t i = 0; i < mtext.size(); ++i) {
        const char c = mtext[i];
        if (c == '{' || c == '}')
            continue;
        if (c != '\\' || i + 1 == mtext.size()) {
            out += c;
            continue;
        }
        const char code = mtext[++i];
        switch (code) {
        case 'P':
            out += '\n';
            break;
        case '~':
            out += ' ';
            break;
        case '\\':
        case '{':
        case '}':
            out += code;
            break;
        case 'L':
        case 'l':
        case 'O':
        case 'o':
        case 'K':
        case 'k':
            break; // underline, overline, strike-through on or off
        default: {
            // A formatting code with an argument ends at ';' (\f, \H, \C, \T, \Q, \W, \A, \p, \S).
            const std::size_t end = mtext.find(';', i);
            i = end == std::string_view::npos ? mtext.size() : end;
        }
        }
    }
    return out;
}

} // namespace quadrilo::dxf
