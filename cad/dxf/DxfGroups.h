// The group pairs of an ASCII DXF file, checked before dxflib sees them: dxflib trusts counts
// and line lengths, so a damaged file could make it write out of bounds or never finish.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::dxf {

// What was wrong with a file, with the line where it was found (0: the file as a whole).
class DxfFormatError : public std::runtime_error {
public:
    DxfFormatError(std::size_t line, const std::string& what);
    std::size_t line() const { return m_line; }

private:
    std::size_t m_line;
};

struct DxfGroup {
    int code = 0;
    std::string value;
    std::size_t line = 0; // of the group code
};

struct DxfGroups {
    std::vector<DxfGroup> groups; // up to and with the closing "EOF"
    bool utf8 = false;            // AutoCAD 2007 and later write UTF-8
};

// dxflib reads at most this many bytes of a line; longer values are cut (texts only: a number
// or a code that long is refused).
inline constexpr std::size_t MaxValueBytes = 1000;

// Splits and checks the file's text: every code a whole number, numbers where the code wants
// one, a first SECTION and a closing EOF, vertex and point counts the file can hold. Throws
// DxfFormatError.
[[nodiscard]] DxfGroups ScanDxfGroups(std::string_view text);

// The groups again as text with one code and one value a line, as dxflib reads it.
[[nodiscard]] std::string JoinDxfGroups(const std::vector<DxfGroup>& groups);

} // namespace quadrilo::dxf
