// libFuzzer target: any bytes as a DXF file, checked and read by dxflib into DXF content; what
// reads is built into a drawing for viewing, and that drawing saves to a file that reopens.
#include "cad/DrawingFile.h"
#include "cad/dxf/DrawingFromDxf.h"
#include "cad/dxf/DxfContentReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<quadrilo::cad::Drawing> drawing;
    try {
        std::size_t skipped = 0;
        drawing = quadrilo::dxf::BuildDrawing(quadrilo::dxf::ReadDxfContent(std::string_view(
                                                  reinterpret_cast<const char*>(data), size)),
                                              skipped);
    } catch (const std::exception&) {
        return 0; // refused with a message: the expected outcome for most inputs
    }
    const quadrilo::cad::OpenResult reopened =
        quadrilo::cad::decodeDrawing(quadrilo::cad::encodeDrawing(*drawing));
    if (!reopened.drawing) {
        std::fprintf(stderr, "an imported drawing saves to a file that does not reopen: %s\n",
                     reopened.status.detail.c_str());
        std::abort();
    }
    return 0;
}
