// Splitting of "description|masks" filter texts.
#include "results/FileFilter.h"

namespace quadrilo::results {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

std::vector<FileFilter> ParseFileFilters(std::string_view text) {
    const auto parts = Split(text, '|');
    std::vector<FileFilter> filters;
    for (std::size_t k = 0; k + 1 < parts.size(); k += 2) {
        FileFilter filter{std::string(parts[k]), {}};
        for (const auto mask : Split(parts[k + 1], ';'))
            if (!mask.empty())
                filter.Masks.emplace_back(mask);
        if (!filter.Masks.empty())
            filters.push_back(std::move(filter));
    }
    return filters;
}

} // namespace quadrilo::results
