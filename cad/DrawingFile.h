// The ".vec" drawing file: a versioned binary format with a magic header and a CRC-32, written
// through the one atomic writer, with the previous version kept as ".bak".
#pragma once

#include "cad/ByteIo.h"
#include "cad/Drawing.h"
#include "cad/FileResult.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quadrilo::cad {

inline constexpr std::uint32_t DrawingFormatVersion = 1;
// The first bytes of every drawing file, before its version.
inline constexpr char DrawingFileMagic[9] = "QDRLVEC\x1a";

struct OpenResult {
    std::unique_ptr<Drawing> drawing; // null on failure
    FileResult status;
};

[[nodiscard]] std::vector<std::uint8_t> encodeDrawing(const Drawing& drawing);
[[nodiscard]] OpenResult decodeDrawing(const std::vector<std::uint8_t>& bytes);

// The previous file stays as path + ".bak"; on failure the previous file is left as it was.
[[nodiscard]] FileResult saveDrawing(const Drawing& drawing, const std::string& path);
[[nodiscard]] OpenResult openDrawing(const std::string& path);
// Refuses (CannotOpen, named) a path that is missing or not a regular file: a folder, a device.
[[nodiscard]] FileResult checkRegularFile(const std::string& path);

// A frame around a payload: magic, version, payload size, payload, CRC-32 of all before it.
// Used by the drawing file and the clipboard. beginFrame writes the head, the caller appends
// the payload, sealFrame fills in the size and appends the checksum.
void beginFrame(ByteWriter& out, const char (&magic)[9], std::uint32_t version);
void sealFrame(ByteWriter& out);
std::vector<std::uint8_t> frame(const char (&magic)[9], std::uint32_t version,
                                const std::vector<std::uint8_t>& payload);
// Checks the head of a frame of `total` bytes from its first bytes in `head` (all of it, or at
// least the head's size) and returns the payload size it states; throws FormatError as unframe.
std::uint64_t checkFrameHead(const char (&magic)[9], std::uint32_t version,
                             const std::vector<std::uint8_t>& head, std::uint64_t total);
// Checks the frame and returns the payload's position and size; throws FormatError of the
// kind found (not a drawing, truncated, newer version, damaged).
std::pair<std::size_t, std::size_t> unframe(const char (&magic)[9], std::uint32_t version,
                                            const std::vector<std::uint8_t>& bytes);

} // namespace quadrilo::cad
