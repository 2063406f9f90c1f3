// libFuzzer target of the drawing file. The bytes are read twice: as a whole file, which searches
// the frame's own checks, and as the stored tables inside a sound frame, which lets them past the
// checksum to the table reader. Whatever reads must save, reopen, and save again to the same bytes.
#include "cad/DrawingFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace quadrilo::cad;

[[noreturn]] void fail(const char* what, const FileResult& status) {
    std::fprintf(stderr, "%s: %s\n", what, status.detail.c_str());
    std::abort();
}

void checkSaveReopenSave(const std::vector<std::uint8_t>& file) {
    const OpenResult opened = decodeDrawing(file);
    if (!opened.drawing)
        return; // refused with a reason: the expected outcome for most inputs
    const std::vector<std::uint8_t> saved = encodeDrawing(*opened.drawing);
    const OpenResult reopened = decodeDrawing(saved);
    if (!reopened.drawing)
        fail("a saved drawing does not reopen", reopened.status);
    if (encodeDrawing(*reopened.drawing) != saved)
        fail("a reopened drawing saves to other bytes", reopened.status);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    checkSaveReopenSave(bytes);
    checkSaveReopenSave(frame(DrawingFileMagic, DrawingFormatVersion, bytes));
    return 0;
}
