// Byte codecs of the records: x87 Extended, Windows-1252 text, ShortString, writer and reader.
#include "common/RecordCodec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace quadrilo {
namespace {

using Bytes10 = std::array<std::uint8_t, ExtendedSize>;

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// On x86 the compiler's long double is the x87 Extended itself: an independent reference.
constexpr bool HasX87LongDouble = std::numeric_limits<long double>::digits == 64 &&
                                  std::numeric_limits<long double>::max_exponent == 16384;

Bytes10 HardwareExtended(long double value) {
    Bytes10 bytes{};
    std::memcpy(bytes.data(), &value, ExtendedSize);
    return bytes;
}

long double FromHardwareBytes(const Bytes10& bytes) {
    long double value = 0;
    std::memcpy(&value, bytes.data(), ExtendedSize);
    return value;
}

TEST(Extended, KnownEncodings) {
    const double minDenormal = std::numeric_limits<double>::denorm_min();
    const double maxDouble = std::numeric_limits<double>::max();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        Bytes10 bytes;
    } cases[] = {
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 0x00}},
        {-0.0, {0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 0x80}},
        {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-1.5, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xBF}},
        {100.0, {0, 0, 0, 0, 0, 0, 0, 0xC8, 0x05, 0x40}},
        // 2^-1074: exponent 16383 - 1074 = 0x3BCD
        {minDenormal, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}},
        {maxDouble, {0, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x43}},
        {inf, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-inf, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeExtended(c.value), c.bytes) << c.value;
        EXPECT_EQ(Bits(DecodeExtended(c.bytes)), Bits(c.value)) << c.value;
    }
}

TEST(Extended, EveryDoubleOfALargeSampleRoundTripsBitForBit) {
    std::mt19937_64 random(20261210);
    std::vector<double> sample = {
        std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::min() - std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::quiet_NaN(),
        -std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::signaling_NaN(),
        std::bit_cast<double>(std::uint64_t{0x7FF0'0000'0000'0001}), // NaN, lowest payload
        std::bit_cast<double>(std::uint64_t{0xFFF8'0000'DEAD'BEEF}),
    };
    for (int i = 0; i < 2'000'000; ++i) {
        sample.push_back(std::bit_cast<double>(random())); // every exponent, NaNs and denormals
    }
    std::uniform_real_distribution<double> drawingRange(-1e5, 1e5);
    for (int i = 0; i < 200'000; ++i) {
        sample.push_back(drawingRange(random));
    }
    for (const double value : sample) {
        const auto bytes = EncodeExtended(value);
        ASSERT_EQ(Bits(DecodeExtended(bytes)), Bits(value)) << std::hex << Bits(value);
        if constexpr (HasX87LongDouble) {
            if (!std::isnan(value)) { // the hardware sets the quiet bit of signalling NaNs
                ASSERT_EQ(bytes, HardwareExtended(static_cast<long double>(value))) << value;
            }
        }
    }
}

TEST(Extended, ValuesBeyondDoubleRoundLikeTheHardware) {
    if constexpr (!HasX87LongDouble) {
        GTEST_SKIP() << "no x87 long double to compare with";
    }
    std::mt19937_64 random(7);
    // Exponents around the whole double range, its denormals and both overflow edges.
    std::uniform_int_distribution<int> exponent(16383 - 1140, 16383 + 1030);
    for (int i = 0; i < 1'000'000; ++i) {
        Bytes10 bytes{};
        std::uint64_t significand = random() | (std::uint64_t{1} << 63);
        if (i % 4 == 0) { // ties and near-ties of the 53-bit rounding
            significand &= ~std::uint64_t{0x7FF};
            significand |= (random() & 1) ? 0x400 : 0x3FF;
        }
        const unsigned top = static_cast<unsigned>(exponent(random)) | ((i & 1) ? 0x8000u : 0u);
        for (int b = 0; b < 8; ++b) {
            bytes[b] = static_cast<std::uint8_t>(significand >> (8 * b));
        }
        bytes[8] = static_cast<std::uint8_t>(top);
        bytes[9] = static_cast<std::uint8_t>(top >> 8);
        const double expected = static_cast<double>(FromHardwareBytes(bytes));
        ASSERT_EQ(Bits(DecodeExtended(bytes)), Bits(expected))
            << std::hex << significand << " exp " << top;
    }
}

TEST(Extended, NonDoubleEncodingsDecodeSafely) {
    // A NaN whose payload lies below the double's fraction stays a NaN.
    const Bytes10 lowPayloadNaN = {1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
    EXPECT_TRUE(std::isnan(DecodeExtended(lowPayloadNaN)));
    // An Extended denormal is far below the smallest double.
    const Bytes10 extendedDenormal = {0, 0, 0, 0, 0, 0, 0, 0x40, 0x00, 0x00};
    EXPECT_EQ(DecodeExtended(extendedDenormal), 0.0);
    // An unnormal (integer bit clear) still reads as its value: 0.5 x 2^1 = 1.
    const Bytes10 unnormalOne = {0, 0, 0, 0, 0, 0, 0, 0x40, 0x00, 0x40};
    EXPECT_EQ(DecodeExtended(unnormalOne), 1.0);
}

TEST(Windows1252, PortugueseAndSymbolsRoundTrip) {
    const struct {
        const char* utf8;
        const char* cp1252;
    } cases[] = {
        {"Laje ção", "Laje \xE7\xE3o"},
        {"ÁÉÍÓÚ âêô ãõ àü", "\xC1\xC9\xCD\xD3\xDA \xE2\xEA\xF4 \xE3\xF5 \xE0\xFC"},
        {"30 € — “V1” nº 2 m²", "30 \x80 \x97 \x93V1\x94 n\xBA 2 m\xB2"},
        {"abc\r\ndef", "abc\r\ndef"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.cp1252) << c.utf8;
        EXPECT_EQ(Windows1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    }
}

TEST(Windows1252, UnmappableAndMalformedTextBecomesQuestionMarks) {
    const struct {
        std::string utf8;
        std::string cp1252;
    } cases[] = {
        {"日本 Ω", "?? ?"},      {"emoji 🙂!", "emoji ?!"},
        {"cut \xC3", "cut ?"},   // sequence cut short
        {"a\xC3(b", "a?(b"},     // bad continuation
        {"\xC0\xAF", "??"},      // overlong "/"
        {"\xED\xA0\x80", "???"}, // surrogate
        {"e\xCC\x81", "e?"},     // decomposed accent
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.cp1252) << c.utf8;
    }
}

TEST(Windows1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(ByteCodec, ShortStringIsCutAtItsCapacityOnACharacterBoundary) {
    std::string name;
    for (int i = 0; i < 60; ++i) {
        name += "ç"; // two UTF-8 bytes, one Windows-1252 byte
    }
    ByteWriter w(51);
    w.ShortString(name, 50);
    const auto bytes = std::move(w).Finish();
    EXPECT_EQ(bytes[0], 50);
    EXPECT_EQ(bytes[50], 0xE7);

    ByteReader r(bytes, "test", 51);
    EXPECT_EQ(r.ShortString(50), name.substr(0, 100));
}

TEST(ByteCodec, DamagedLengthByteReadsNoFurtherThanTheField) {
    std::vector<std::uint8_t> bytes(6, 'x');
    bytes[0] = 200; // a ShortString of capacity 3, followed by two other bytes
    ByteReader r(bytes, "test", 6);
    EXPECT_EQ(r.ShortString(3), "xxx");
    EXPECT_EQ(r.UInt16(), 0x7878);
}

TEST(ByteCodec, IntegersAreLittleEndian) {
    ByteWriter w(11);
    w.UInt8(0xAB);
    w.UInt16(0x1234);
    w.Int32(-2);
    w.UInt32(0xA1B2C3D4);
    const auto bytes = std::move(w).Finish();
    const std::vector<std::uint8_t> expected = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF,
                                                0xFF, 0xD4, 0xC3, 0xB2, 0xA1};
    EXPECT_EQ(bytes, expected);

    ByteReader r(bytes, "test", 11);
    EXPECT_EQ(r.UInt8(), 0xAB);
    EXPECT_EQ(r.UInt16(), 0x1234);
    EXPECT_EQ(r.Int32(), -2);
    EXPECT_EQ(r.UInt32(), 0xA1B2C3D4u);
}

TEST(ByteCodec, LayoutMistakesAreCaught) {
    ByteWriter tooShort(8);
    tooShort.Zeros(7);
    EXPECT_THROW((void)std::move(tooShort).Finish(), std::logic_error);

    ByteWriter tooLong(8);
    tooLong.Zeros(4);
    EXPECT_THROW(tooLong.Double(1.0), std::logic_error);

    const std::vector<std::uint8_t> block(4, 0);
    ByteReader reader(block, "test", 4);
    EXPECT_THROW((void)reader.Double(), std::logic_error);
}

TEST(ByteCodec, WrongBlockSizeNamesRecordAndSizes) {
    const std::vector<std::uint8_t> block(1399, 0);
    try {
        ByteReader reader(block, "TProjectData", 1400);
        FAIL() << "a 1399-byte block was accepted";
    } catch (const RecordSizeError& error) {
        EXPECT_EQ(error.Expected(), 1400u);
        EXPECT_EQ(error.Actual(), 1399u);
        EXPECT_STREQ(error.what(),
                     "TProjectData: a block of 1399 bytes cannot be read; the record has 1400 "
                     "bytes");
    }
}

} // namespace
} // namespace quadrilo
