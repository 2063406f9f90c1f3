// libFuzzer target: any bytes as a DXF file, checked and read by dxflib into DXF content.
#include "cad/dxf/DxfContentReader.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const quadrilo::dxf::DxfContent content = quadrilo::dxf::ReadDxfContent(
            std::string_view(reinterpret_cast<const char*>(data), size));
        (void)content;
    } catch (const std::exception&) {
        // refused with a message: the expected outcome for most inputs
    }
    return 0;
}
