// A DXF file's bytes into DxfContent: the groups checked, then read by dxflib.
#pragma once

#include "cad/dxf/DxfContent.h"

#include <string_view>

namespace quadrilo::dxf {

// Throws DxfFormatError for a damaged or foreign file (and whatever dxflib throws).
[[nodiscard]] DxfContent ReadDxfContent(std::string_view text);

} // namespace quadrilo::dxf
