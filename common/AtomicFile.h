// Whole-file replacement that never leaves a half-written file behind.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrilo {

class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the text to a temporary file beside `path` and renames it into place, so readers see
// either the previous file or the new one. Throws FileWriteError; the previous file is then intact.
void ReplaceFileContents(const std::string& path, std::string_view text);

} // namespace quadrilo
