// Little-endian byte codecs for the fixed binary records stored in the drawing file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo {

// A record block whose size is not the record's size: the block is refused, never guessed at.
class RecordSizeError : public std::runtime_error {
public:
    RecordSizeError(std::string_view record, std::size_t expected, std::size_t actual);
    [[nodiscard]] std::size_t Expected() const { return m_expected; }
    [[nodiscard]] std::size_t Actual() const { return m_actual; }

private:
    std::size_t m_expected;
    std::size_t m_actual;
};

// The 10-byte x87 Extended: 64-bit significand with explicit integer bit, 15-bit exponent biased
// by 16383, sign in the top bit. Every double, NaN payloads included, survives a round trip;
// Extended values finer or larger than a double round to nearest, ties to even.
inline constexpr std::size_t ExtendedSize = 10;
[[nodiscard]] std::array<std::uint8_t, ExtendedSize> EncodeExtended(double value);
[[nodiscard]] double DecodeExtended(std::span<const std::uint8_t, ExtendedSize> bytes);

// Text inside the program is UTF-8; the records hold Windows-1252. Characters that
// Windows-1252 cannot hold, and malformed UTF-8 bytes, become "?". The five bytes the code page
// leaves undefined read as the control characters of the same value, so every byte round-trips.
[[nodiscard]] std::string Utf8ToWindows1252(std::string_view utf8);
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view bytes);

// Writes a record front to back into a zero-filled block of exactly its size.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t size);

    void Double(double value);
    void Extended(double value);
    void UInt8(std::uint8_t value);
    void UInt16(std::uint16_t value);
    void Int32(std::int32_t value);
    void UInt32(std::uint32_t value);
    // ShortString: a length byte, then `capacity` bytes of Windows-1252 text cut at `capacity`
    // characters; the unused tail stays zero.
    void ShortString(std::string_view utf8, std::size_t capacity);
    // Padding and reserved bytes.
    void Zeros(std::size_t count);

    // The finished block; every byte must have been written (a layout mistake otherwise).
    [[nodiscard]] std::vector<std::uint8_t> Finish() &&;

private:
    std::span<std::uint8_t> Take(std::size_t count);

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

// Reads a record front to back from a block that must have exactly the record's size.
class ByteReader {
public:
    // Throws RecordSizeError naming `record` when the block is not `size` bytes long.
    ByteReader(std::span<const std::uint8_t> block, std::string_view record, std::size_t size);

    [[nodiscard]] double Double();
    [[nodiscard]] double Extended();
    [[nodiscard]] std::uint8_t UInt8();
    [[nodiscard]] std::uint16_t UInt16();
    [[nodiscard]] std::int32_t Int32();
    [[nodiscard]] std::uint32_t UInt32();
    // A length byte beyond `capacity` (a damaged record) is read as `capacity`.
    [[nodiscard]] std::string ShortString(std::size_t capacity);
    // Padding and reserved bytes: their content is ignored.
    void Skip(std::size_t count);

private:
    std::span<const std::uint8_t> Take(std::size_t count);

    std::span<const std::uint8_t> m_block;
    std::size_t m_position = 0;
};

} // namespace quadrilo
