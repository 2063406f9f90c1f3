// File-name test for DWG documents.
#include "cad/dxf/DwgSupport.h"

#include <cctype>

namespace quadrilo::dxf {

bool IsDwgName(std::string_view fileName) {
    if (fileName.size() < 4)
        return false;
    const std::string_view end = fileName.substr(fileName.size() - 4);
    const auto lower = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    return end[0] == '.' && lower(end[1]) == 'd' && lower(end[2]) == 'w' && lower(end[3]) == 'g';
}

} // namespace quadrilo::dxf
