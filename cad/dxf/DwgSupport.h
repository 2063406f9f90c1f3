// What the program says to DWG files: no DWG writer or clean DWG reader is at hand on Debian,
// so DXF, which every CAD program reads and writes, is the way in and out.
#pragma once

#include <string>
#include <string_view>

namespace quadrilo::dxf {

// Shown when the export is asked for ".dwg".
inline constexpr std::string_view DwgExportRefusal =
    "O formato DWG não pode ser gravado: não há gravador de DWG disponível. Exporte como "
    "\"Arquivo DXF (Drawing Exchange Format)\" (.dxf), que o AutoCAD e os demais programas de "
    "CAD abrem.";

// Shown when a ".dwg" file is opened.
inline constexpr std::string_view DwgOpenRefusal =
    "Arquivos DWG não podem ser abertos: grave o desenho como DXF no programa de CAD de origem e "
    "abra o arquivo .dxf.";

// Whether a file name ends in ".dwg", in any mix of capitals.
[[nodiscard]] bool IsDwgName(std::string_view fileName);

} // namespace quadrilo::dxf
