// The registry of drawing formats by extension.
#include "cad/DrawingFormats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace quadrilo::cad {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

} // namespace

DrawingFormats::DrawingFormats() {
    add(".vec", DrawingFormat{openDrawing, saveDrawing});
}

void DrawingFormats::add(const std::string& extension, DrawingFormat format) {
    m_formats[lower(extension)] = std::move(format);
}

const DrawingFormat* DrawingFormats::forPath(const std::string& path) const {
    const auto it = m_formats.find(lower(std::filesystem::path(path).extension().string()));
    return it == m_formats.end() ? nullptr : &it->second;
}

} // namespace quadrilo::cad
