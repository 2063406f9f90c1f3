// DXF reading: checked groups, dxflib, then the drawing.
#include "cad/dxf/DxfImport.h"

#include "cad/dxf/DrawingFromDxf.h"
#include "cad/dxf/DxfCollector.h"
#include "cad/dxf/DxfGroups.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <locale>
#include <optional>
#include <sstream>

namespace quadrilo::dxf {
namespace {

// dxflib reads numbers with string streams of the global C++ locale: under a comma-decimal
// locale "0.5" would read as 5. The classic locale holds while dxflib reads; a process whose
// global locale already is the classic one is left alone.
class ClassicNumbers {
public:
    ClassicNumbers() {
        if (std::locale() != std::locale::classic())
            m_previous = std::locale::global(std::locale::classic());
    }
    ~ClassicNumbers() {
        if (m_previous)
            std::locale::global(*m_previous);
    }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    std::optional<std::locale> m_previous;
};

} // namespace

DxfReadResult ReadDxfText(std::string_view text, const std::string& fileName) {
    DxfReadResult result;
    try {
        const DxfGroups groups = ScanDxfGroups(text);
        std::stringstream checked(JoinDxfGroups(groups.groups));
        DxfCollector collector(groups.utf8);
        DL_Dxf reader;
        const ClassicNumbers numbers;
        if (!reader.in(checked, &collector))
            throw DxfFormatError(0, "dxflib não leu o arquivo");
        result.drawing = BuildDrawing(collector.take(), result.skipped);
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
