// Checked groups through dxflib into DxfContent.
#include "cad/dxf/DxfContentReader.h"

#include "cad/dxf/DxfCollector.h"
#include "cad/dxf/DxfGroups.h"

#include <dxflib/dl_dxf.h>

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

DxfContent ReadDxfContent(std::string_view text) {
    const DxfGroups groups = ScanDxfGroups(text);
    std::stringstream checked(JoinDxfGroups(groups.groups));
    DxfCollector collector(groups.utf8);
    DL_Dxf reader;
    const ClassicNumbers numbers;
    if (!reader.in(checked, &collector))
        throw DxfFormatError(0, "dxflib não leu o arquivo");
    return collector.take();
}

} // namespace quadrilo::dxf
