// libFuzzer target of the clipboard payload: the bytes, inside a sound frame, are pasted into an
// empty drawing and then once more, where every layer, block and dimension style they name
// already exists. A refused paste leaves the drawing as it was; undo after a paste gives back the
// drawing as it was before it.
#include "cad/Clipboard.h"
#include "cad/Document.h"
#include "cad/DrawingFile.h"
#include "cad/Engine.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace quadrilo::cad;

// The drawing's stored tables without the next free entity id: ids are never handed out twice,
// so undo leaves that counter where the paste took it.
std::vector<std::uint8_t> storedTables(const Drawing& drawing) {
    const std::vector<std::uint8_t> file = encodeDrawing(drawing);
    const auto [at, size] = unframe(DrawingFileMagic, DrawingFormatVersion, file);
    constexpr std::size_t nextIdSize = 4;
    return {file.begin() + static_cast<std::ptrdiff_t>(at + nextIdSize),
            file.begin() + static_cast<std::ptrdiff_t>(at + size)};
}

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// Pastes, and when the paste changed the drawing, undoes it; either way the drawing must end as
// it began. Returns whether the paste was accepted.
bool pasteAndUndo(Document& doc, const Point3& offset) {
    const std::vector<std::uint8_t> before = storedTables(doc.drawing());
    const std::uint64_t revision = doc.drawing().revision();
    const PasteResult result = doc.paste(offset);
    if (result.error == PasteError::None && doc.drawing().revision() != revision)
        require(doc.undo(), "a paste left no undo step");
    require(storedTables(doc.drawing()) == before,
            result.error == PasteError::None ? "undo after a paste left the drawing changed"
                                             : "a refused paste changed the drawing");
    return result.error == PasteError::None;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Engine engine;
    Document& doc = engine.createDocument();
    engine.clipboard().setData(EntityClipboardMime,
                               frame(ClipboardMagic, ClipboardFormatVersion,
                                     std::vector<std::uint8_t>(data, data + size)));
    if (!pasteAndUndo(doc, {0, 0, 0}))
        return 0;
    // Paste for good, so that the next paste meets every name it brings.
    require(doc.paste({0, 0, 0}).error == PasteError::None,
            "the same paste was refused the second time");
    pasteAndUndo(doc, {125.5, -40, 0});
    return 0;
}
