// The editor's text files: read whole, written back in the form they came in.
#pragma once

#include <stdexcept>
#include <string>

namespace quadrilo::results {

class ListingReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A listing as the editor holds it: UTF-8 text with "\n" line ends, and how the file wrote it.
// The program's calculation files end their lines with CR LF; a hand-written file may use LF or
// the Windows-1252 code page of older data files.
struct ListingText {
    std::string Text;
    bool CrLf = true;
    bool Windows1252 = false;
};

// Throws ListingReadError naming the file when it cannot be read.
[[nodiscard]] ListingText ReadListingFile(const std::string& path);

// Writes through the atomic writer (temporary file, then rename): the previous file stays whole
// when writing fails. Throws FileWriteError.
void WriteListingFile(const std::string& path, const ListingText& listing);

} // namespace quadrilo::results
