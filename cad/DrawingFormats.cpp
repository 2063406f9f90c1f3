// The registry of drawing formats by extension.
#include "cad/DrawingFormats.h"

#include <cctype>
#include <filesystem>

namespace quadrilo::cad {
namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
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
