// DXF reading: checked groups, dxflib, then the drawing.
#include "cad/dxf/DxfImport.h"

#include "cad/dxf/DrawingFromDxf.h"
#include "cad/dxf/DxfContentReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace quadrilo::dxf {

DxfReadResult ReadDxfText(std::string_view text, const std::string& fileName) {
    DxfReadResult result;
    try {
        result.drawing = BuildDrawing(ReadDxfContent(text), result.skipped);
    } catch (const std::bad_alloc&) {
        result.error = fileName + ": memória insuficiente para ler o arquivo";
    } catch (const std::exception& e) {
        result.error = fileName + ": " + e.what();
    }
    return result;
}

DxfReadResult ReadDxfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        DxfReadResult refused;
        refused.error = path + ": não foi possível abrir o arquivo: " + std::strerror(errno);
        return refused;
    }
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg()));
    if (size > MaxDxfBytes) {
        DxfReadResult refused;
        refused.error = path + ": arquivo grande demais (" + std::to_string(size >> 20) + " MB)";
        return refused;
    }
    in.seekg(0);
    std::string text(size, '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    if (!in) {
        DxfReadResult refused;
        refused.error = path + ": não foi possível ler o arquivo";
        return refused;
    }
    return ReadDxfText(text, path);
}

} // namespace quadrilo::dxf
