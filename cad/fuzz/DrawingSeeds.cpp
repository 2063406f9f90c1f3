// drawing-seeds VECDIR CLIPDIR DRAWING...: the first inputs of vec-fuzz and clip-fuzz, taken from
// real drawings. Both targets wrap their input in a sound frame themselves, so each file holds
// what goes inside one: a drawing's stored tables, or the clipboard content of copying all of its
// entities, or one layer's.
#include "cad/Clipboard.h"
#include "cad/DrawingFile.h"

#include "common/AtomicFile.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace quadrilo;
using namespace quadrilo::cad;

namespace {

std::vector<std::uint8_t> payload(const char (&magic)[9], std::uint32_t version,
                                  const std::vector<std::uint8_t>& framed) {
    const auto [at, size] = unframe(magic, version, framed);
    return {framed.begin() + static_cast<std::ptrdiff_t>(at),
            framed.begin() + static_cast<std::ptrdiff_t>(at + size)};
}

std::vector<EntityId> entitiesOf(const Drawing& d, LayerId layer) {
    std::vector<EntityId> ids;
    for (EntityId e = d.firstInLayer(layer); e; e = d.nextEntity(e))
        ids.push_back(e);
    return ids;
}

// Returns the number of seeds written from one drawing.
int writeSeedsOf(const std::filesystem::path& drawingPath, const std::filesystem::path& vecDir,
                 const std::filesystem::path& clipDir) {
    const OpenResult opened = openDrawing(drawingPath.string());
    if (!opened.drawing)
        throw std::runtime_error(drawingPath.string() + ": " + opened.status.detail);
    const Drawing& d = *opened.drawing;
    const std::string stem = drawingPath.stem().string();
    ReplaceFileContents((vecDir / stem).string(),
                        payload(DrawingFileMagic, DrawingFormatVersion, encodeDrawing(d)));
    int count = 1;
    std::vector<EntityId> all;
    for (const LayerId layer : d.layerOrder()) {
        const std::vector<EntityId> ids = entitiesOf(d, layer);
        if (ids.empty())
            continue;
        all.insert(all.end(), ids.begin(), ids.end());
        ReplaceFileContents(
            (clipDir / (stem + "-layer" + std::to_string(layer.value))).string(),
            payload(ClipboardMagic, ClipboardFormatVersion, encodeEntities(d, ids)));
        ++count;
    }
    ReplaceFileContents((clipDir / (stem + "-all")).string(),
                        payload(ClipboardMagic, ClipboardFormatVersion, encodeEntities(d, all)));
    return count + 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: drawing-seeds VECDIR CLIPDIR DRAWING...\n");
        return 2;
    }
    try {
        const std::filesystem::path vecDir = argv[1], clipDir = argv[2];
        std::filesystem::create_directories(vecDir);
        std::filesystem::create_directories(clipDir);
        int count = 0;
        for (int i = 3; i < argc; ++i)
            count += writeSeedsOf(argv[i], vecDir, clipDir);
        std::printf("%d seeds in %s and %s\n", count, argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drawing-seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
