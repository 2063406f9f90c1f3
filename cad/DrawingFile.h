// The ".vec" drawing file: a versioned binary format with a magic header and a CRC-32, written
// through a temporary file and a rename, with the previous version kept as ".bak".
#pragma once

#include "ByteIo.h"
#include "Drawing.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cad {

inline constexpr std::uint32_t DrawingFormatVersion = 1;

struct SaveResult {
    bool ok = false;
    std::string error;
};

struct OpenResult {
    std::unique_ptr<Drawing> drawing; // null on failure
    std::string error;
};

[[nodiscard]] std::vector<std::uint8_t> encodeDrawing(const Drawing& drawing);
[[nodiscard]] OpenResult decodeDrawing(const std::vector<std::uint8_t>& bytes);

[[nodiscard]] SaveResult saveDrawing(const Drawing& drawing, const std::string& path);
[[nodiscard]] OpenResult openDrawing(const std::string& path);

// Writes bytes to path through a temporary file in the same folder, keeping the previous file
// as path + ".bak"; on failure the previous file is left as it was.
[[nodiscard]] SaveResult writeFileSafely(const std::string& path,
                                         const std::vector<std::uint8_t>& bytes);

// A frame around a payload: magic, version, payload size, payload, CRC-32 of all before it.
// Used by the drawing file and the clipboard. beginFrame writes the head, the caller appends
// the payload, sealFrame fills in the size and appends the checksum.
void beginFrame(ByteWriter& out, const char (&magic)[9], std::uint32_t version);
void sealFrame(ByteWriter& out);
std::vector<std::uint8_t> frame(const char (&magic)[9], std::uint32_t version,
                                const std::vector<std::uint8_t>& payload);
// Checks the frame and returns the payload's position and size; throws FormatError with a
// message for the user.
std::pair<std::size_t, std::size_t> unframe(const char (&magic)[9], std::uint32_t version,
                                            const std::vector<std::uint8_t>& bytes,
                                            const std::string& what);

} // namespace cad
