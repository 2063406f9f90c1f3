// Reading and writing the editor's listings with their line ends and code page kept.
#include "results/ListingFile.h"

#include "common/AtomicFile.h"
#include "common/RecordCodec.h"
#include "results/FileBytes.h"

#include <cerrno>
#include <cstring>

namespace quadrilo::results {
namespace {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing past
// U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (std::size_t k = 0; k < text.size();) {
        const auto lead = static_cast<unsigned char>(text[k]);
        const int length = lead < 0x80                   ? 1
                           : lead >= 0xC2 && lead < 0xE0 ? 2
                           : lead >= 0xE0 && lead < 0xF0 ? 3
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                                                         : 0;
        if (length == 0 || k + length > text.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int b = 1; b < length; ++b) {
            const auto next = static_cast<unsigned char>(text[k + b]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        k += length;
    }
    return true;
}

std::string Replaced(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t start = 0;;) {
        const auto at = text.find(from, start);
        out.append(text.substr(start, at - start));
        if (at == std::string_view::npos)
            return out;
        out.append(to);
        start = at + from.size();
    }
}

} // namespace

ListingText ReadListingFile(const std::string& path) {
    const auto read = ReadFileBytes(path);
    if (!read)
        throw ListingReadError("Não foi possível ler o arquivo " + path + ": " +
                               std::strerror(errno));
    const auto& bytes = *read;
    ListingText listing;
    listing.CrLf = bytes.find('\n') == std::string::npos || bytes.find("\r\n") != std::string::npos;
    listing.Windows1252 = !IsUtf8(bytes);
    listing.Text = Replaced(listing.Windows1252 ? Windows1252ToUtf8(bytes) : bytes, "\r\n", "\n");
    return listing;
}

void WriteListingFile(const std::string& path, const ListingText& listing) {
    const auto text = listing.CrLf ? Replaced(listing.Text, "\n", "\r\n") : listing.Text;
    ReplaceFileContents(path, listing.Windows1252 ? Utf8ToWindows1252(text) : text);
}

} // namespace quadrilo::results
