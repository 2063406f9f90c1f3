// Little-endian byte codecs for the fixed binary records stored in the drawing file.
#include "common/RecordCodec.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace quadrilo {

namespace {

constexpr std::uint64_t Bit63 = std::uint64_t{1} << 63;
constexpr std::uint64_t DoubleFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr int DoubleBias = 1023;
constexpr int ExtendedBias = 16383;
constexpr int ExtendedMaxExponent = 0x7FFF;

// Code points of the Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the C1 controls of the same value, so that any byte survives a round trip.
constexpr std::array<char32_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<std::uint8_t> ToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<std::uint8_t>(cp);
    }
    const auto* found = std::find(Cp1252High.begin(), Cp1252High.end(), cp);
    if (found == Cp1252High.end()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(0x80 + (found - Cp1252High.begin()));
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at the front of `text`; nullopt for a malformed byte (overlong
// forms, surrogates and values past U+10FFFF included). `length` is the bytes consumed.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    length = 1;
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return lead;
    }
    std::size_t count = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        count = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < count) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < count; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    length = count;
    return cp;
}

// m / 2^shift rounded to nearest, ties to even, for any shift >= 1.
std::uint64_t ShiftRightRounded(std::uint64_t m, int shift) {
    if (shift > 64) {
        return 0;
    }
    if (shift == 64) {
        return m > Bit63 ? 1 : 0;
    }
    const std::uint64_t kept = m >> shift;
    const std::uint64_t rest = m & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    return (rest > half || (rest == half && (kept & 1) != 0)) ? kept + 1 : kept;
}

} // namespace

RecordSizeError::RecordSizeError(std::string_view record, std::size_t expected, std::size_t actual)
    : std::runtime_error(std::string(record) + ": a block of " + std::to_string(actual) +
                         " bytes cannot be read; the record has " + std::to_string(expected) +
                         " bytes"),
      m_expected(expected), m_actual(actual) {}

std::array<std::uint8_t, ExtendedSize> EncodeExtended(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & DoubleFractionMask;

    int extExponent = 0;
    std::uint64_t significand = 0;
    if (exponent == 0x7FF) { // infinity, or NaN with its payload kept
        extExponent = ExtendedMaxExponent;
        significand = Bit63 | (fraction << 11);
    } else if (exponent != 0) {
        extExponent = exponent - DoubleBias + ExtendedBias;
        significand = Bit63 | (fraction << 11);
    } else if (fraction != 0) { // denormal double: a normal Extended
        const int top = 63 - std::countl_zero(fraction);
        significand = fraction << (63 - top);
        extExponent = top - 1074 + ExtendedBias;
    }

    std::array<std::uint8_t, ExtendedSize> bytes{};
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    }
    const unsigned top16 = static_cast<unsigned>(extExponent) | (negative ? 0x8000u : 0u);
    bytes[8] = static_cast<std::uint8_t>(top16);
    bytes[9] = static_cast<std::uint8_t>(top16 >> 8);
    return bytes;
}

double DecodeExtended(std::span<const std::uint8_t, ExtendedSize> bytes) {
    std::uint64_t significand = 0;
    for (int i = 0; i < 8; ++i) {
        significand |= std::uint64_t{bytes[i]} << (8 * i);
    }
    const unsigned top16 = bytes[8] | (unsigned{bytes[9]} << 8);
    const std::uint64_t sign = std::uint64_t{top16 >> 15} << 63;
    const int exponent = static_cast<int>(top16 & 0x7FFF);

    if (exponent == ExtendedMaxExponent) {
        const std::uint64_t fraction = (significand >> 11) & DoubleFractionMask;
        if ((significand << 1) == 0) {
            return std::bit_cast<double>(sign | (std::uint64_t{0x7FF} << 52));
        }
        // NaN: keep the payload's top bits; a payload held only in the low bits becomes quiet.
        const std::uint64_t payload = fraction != 0 ? fraction : std::uint64_t{1} << 51;
        return std::bit_cast<double>(sign | (std::uint64_t{0x7FF} << 52) | payload);
    }
    if (significand == 0) {
        return std::bit_cast<double>(sign);
    }

    // value = significand * 2^(e - bias - 63), with denormals (and pseudo-denormals) at e = 1.
    const int leading = 63 - std::countl_zero(significand);
    const std::uint64_t normalised = significand << (63 - leading);
    const int power = std::max(exponent, 1) - ExtendedBias - 63 + leading;
    if (power > 1023) {
        return std::bit_cast<double>(sign | (std::uint64_t{0x7FF} << 52));
    }
    // The rounded significand is added to the exponent field, so a carry out of the significand
    // moves the exponent up (to infinity at the top, to the smallest normal from a denormal).
    if (power >= -1022) {
        const std::uint64_t rounded = ShiftRightRounded(normalised, 11);
        const auto field = static_cast<std::uint64_t>(power + DoubleBias - 1) << 52;
        return std::bit_cast<double>(sign | (field + rounded));
    }
    const std::uint64_t rounded = ShiftRightRounded(normalised, -1011 - power);
    return std::bit_cast<double>(sign | rounded);
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        std::size_t length = 1;
        const auto cp = NextCodePoint(utf8, length);
        const auto byte = cp ? ToCp1252(*cp) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
        utf8.remove_prefix(length);
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        AppendUtf8(out, (b >= 0x80 && b < 0xA0) ? Cp1252High[b - 0x80] : char32_t{b});
    }
    return out;
}

ByteWriter::ByteWriter(std::size_t size) : m_bytes(size, 0) {}

std::span<std::uint8_t> ByteWriter::Take(std::size_t count) {
    if (count > m_bytes.size() - m_position) {
        throw std::logic_error("record layout writes past the end of its block");
    }
    const std::span<std::uint8_t> field(m_bytes.data() + m_position, count);
    m_position += count;
    return field;
}

void ByteWriter::UInt8(std::uint8_t value) {
    Take(1)[0] = value;
}

void ByteWriter::UInt16(std::uint16_t value) {
    auto field = Take(2);
    field[0] = static_cast<std::uint8_t>(value);
    field[1] = static_cast<std::uint8_t>(value >> 8);
}

void ByteWriter::UInt32(std::uint32_t value) {
    auto field = Take(4);
    for (int i = 0; i < 4; ++i) {
        field[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void ByteWriter::Int32(std::int32_t value) {
    UInt32(static_cast<std::uint32_t>(value));
}

void ByteWriter::Double(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    auto field = Take(8);
    for (int i = 0; i < 8; ++i) {
        field[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

void ByteWriter::Extended(double value) {
    const auto bytes = EncodeExtended(value);
    std::copy(bytes.begin(), bytes.end(), Take(ExtendedSize).begin());
}

void ByteWriter::ShortString(std::string_view utf8, std::size_t capacity) {
    if (capacity > 255) {
        throw std::logic_error("a ShortString holds at most 255 characters");
    }
    auto field = Take(1 + capacity);
    // One Windows-1252 byte per character, so cutting the bytes cuts between characters.
    const std::string text = Utf8ToWindows1252(utf8).substr(0, capacity);
    field[0] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), field.begin() + 1);
}

void ByteWriter::Zeros(std::size_t count) {
    Take(count);
}

std::vector<std::uint8_t> ByteWriter::Finish() && {
    if (m_position != m_bytes.size()) {
        throw std::logic_error("record layout leaves bytes of its block unwritten");
    }
    return std::move(m_bytes);
}

ByteReader::ByteReader(std::span<const std::uint8_t> block, std::string_view record,
                       std::size_t size)
    : m_block(block) {
    if (block.size() != size) {
        throw RecordSizeError(record, size, block.size());
    }
}

std::span<const std::uint8_t> ByteReader::Take(std::size_t count) {
    if (count > m_block.size() - m_position) {
        throw std::logic_error("record layout reads past the end of its block");
    }
    const auto field = m_block.subspan(m_position, count);
    m_position += count;
    return field;
}

std::uint8_t ByteReader::UInt8() {
    return Take(1)[0];
}

std::uint16_t ByteReader::UInt16() {
    const auto field = Take(2);
    return static_cast<std::uint16_t>(field[0] | (field[1] << 8));
}

std::uint32_t ByteReader::UInt32() {
    const auto field = Take(4);
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= std::uint32_t{field[i]} << (8 * i);
    }
    return value;
}

std::int32_t ByteReader::Int32() {
    return static_cast<std::int32_t>(UInt32());
}

double ByteReader::Double() {
    const auto field = Take(8);
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits |= std::uint64_t{field[i]} << (8 * i);
    }
    return std::bit_cast<double>(bits);
}

double ByteReader::Extended() {
    return DecodeExtended(Take(ExtendedSize).first<ExtendedSize>());
}

std::string ByteReader::ShortString(std::size_t capacity) {
    const auto field = Take(1 + capacity);
    const std::size_t length = std::min<std::size_t>(field[0], capacity);
    const auto text = field.subspan(1, length);
    return Windows1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

void ByteReader::Skip(std::size_t count) {
    Take(count);
}

} // namespace quadrilo
