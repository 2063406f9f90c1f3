// Reading a DXF file into a drawing the canvas shows (viewing only: it is not a structural
// drawing), and the answer to DWG files.
#pragma once

#include "cad/Drawing.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace quadrilo::dxf {

struct DxfReadResult {
    std::unique_ptr<cad::Drawing> drawing; // null when the file was refused
    std::string error;                     // "file: line N: what was wrong"
    std::size_t skipped = 0;               // entities of kinds the canvas does not draw
};

// Reads with dxflib after checking every group; a damaged or foreign file is refused whole.
[[nodiscard]] DxfReadResult ReadDxfFile(const std::string& path);
// The same for a file's bytes; fileName only names it in the error.
[[nodiscard]] DxfReadResult ReadDxfText(std::string_view text, const std::string& fileName);

// The largest DXF file read (a floor plan is a few megabytes).
inline constexpr std::size_t MaxDxfBytes = 512u << 20;

} // namespace quadrilo::dxf
