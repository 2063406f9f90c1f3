// Strings between the drawing (UTF-8) and DXF files: code page, unicode escapes, MTEXT codes.
#pragma once

#include <string>
#include <string_view>

namespace quadrilo::dxf {

// A drawing text as a DXF R2000 string: Windows-1252 bytes, "\U+XXXX" for characters outside
// it. Line breaks and other control characters become blanks: one string is one line of the file.
[[nodiscard]] std::string EncodeDxfString(std::string_view utf8);

// A DXF string as UTF-8, "\U+XXXX" escapes resolved. Files from AutoCAD 2007 on (utf8File) hold
// UTF-8; older ones a code page, taken as Windows-1252 unless the bytes are valid UTF-8 (some
// writers put UTF-8 into old versions). Broken sequences become U+FFFD.
[[nodiscard]] std::string DecodeDxfString(std::string_view raw, bool utf8File);

// A multi-line text in MTEXT's notation: line breaks as "\P", a backslash and braces escaped.
[[nodiscard]] std::string MTextFromPlain(std::string_view text);
// The plain text of an MTEXT value: "\P" a line break, "\~" a blank, escapes resolved,
// formatting codes (font, height, colour, stacking...) and grouping braces dropped.
[[nodiscard]] std::string PlainFromMText(std::string_view mtext);

} // namespace quadrilo::dxf
