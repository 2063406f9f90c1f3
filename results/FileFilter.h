// File-type filters written as "description|masks|description|masks", as the program's dialogs
// and file lists name them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::results {

struct FileFilter {
    std::string Description;        // "Arq. Texto (*.txt)"
    std::vector<std::string> Masks; // "*.txt"; a pair may list several masks apart by ";"
    bool operator==(const FileFilter&) const = default;
};

// The pairs of the filter text in order; a description without its masks is dropped.
[[nodiscard]] std::vector<FileFilter> ParseFileFilters(std::string_view text);

} // namespace quadrilo::results
