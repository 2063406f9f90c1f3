// Test support for binary records: expected bytes built by hand from the offset tables, without
// the codec under test, and the checks every record must pass.
#pragma once

#include "common/RecordCodec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::test {

// A record block under construction. Each setter writes a field at its offset and returns the
// value, so a fixture can fill the record and its expected bytes in one line:
//     slab.Lx = block.Real(0, 401.25);
class ExpectedRecord {
public:
    explicit ExpectedRecord(std::size_t size) : m_bytes(size, 0), m_significant(size, false) {}

    std::uint64_t Int(std::size_t offset, std::uint64_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) {
            Put(offset + i, static_cast<std::uint8_t>(value >> (8 * i)));
        }
        return value;
    }
    double Real(std::size_t offset, double value) {
        Int(offset, std::bit_cast<std::uint64_t>(value), 8);
        return value;
    }
    // A normal, non-zero double as x87 Extended, derived through frexp.
    double Extended(std::size_t offset, double value) {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent); // in [0.5, 1)
        const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        Int(offset, significand, 8);
        Int(offset + 8, (value < 0 ? 0x8000u : 0u) | static_cast<unsigned>(exponent - 1 + 16383),
            2);
        return value;
    }
    // A ShortString from its Windows-1252 bytes; only the length byte and the text count.
    void Text(std::size_t offset, std::string_view cp1252) {
        Put(offset, static_cast<std::uint8_t>(cp1252.size()));
        for (std::size_t i = 0; i < cp1252.size(); ++i) {
            Put(offset + 1 + i, static_cast<std::uint8_t>(cp1252[i]));
        }
    }

    [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

    // The same block with every padding, reserved and unused text byte set to garbage.
    [[nodiscard]] std::vector<std::uint8_t> WithGarbageInUnusedBytes() const {
        auto bytes = m_bytes;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (!m_significant[i]) {
                bytes[i] = 0xA5;
            }
        }
        return bytes;
    }

private:
    void Put(std::size_t offset, std::uint8_t value) {
        ASSERT_LT(offset, m_bytes.size());
        ASSERT_FALSE(m_significant[offset]) << "two fields at offset " << offset;
        m_bytes[offset] = value;
        m_significant[offset] = true;
    }

    std::vector<std::uint8_t> m_bytes;
    std::vector<bool> m_significant;
};

// Encoding gives exactly the expected block; decoding it, or the block with garbage in its
// unused bytes, gives the record back.
template <class Record> void ExpectLayout(const Record& record, const ExpectedRecord& expected) {
    const auto& want = expected.Bytes();
    ASSERT_EQ(want.size(), Record::Size);
    const auto got = record.Encode();
    ASSERT_EQ(got.size(), Record::Size);
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(int{got[i]}, int{want[i]}) << "byte at offset " << i;
    }
    EXPECT_EQ(Record::Decode(want), record);
    EXPECT_EQ(Record::Decode(expected.WithGarbageInUnusedBytes()), record);
}

// A block of any other size is refused with an error naming the record and both sizes.
template <class Record> void ExpectWrongSizesRefused(std::string_view name) {
    for (const std::size_t size :
         {std::size_t{0}, Record::Size - 1, Record::Size + 1, 2 * Record::Size}) {
        const std::vector<std::uint8_t> block(size, 0);
        try {
            (void)Record::Decode(block);
            ADD_FAILURE() << name << " decoded a block of " << size << " bytes";
        } catch (const RecordSizeError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(name), std::string::npos) << message;
            EXPECT_NE(message.find(std::to_string(size)), std::string::npos) << message;
            EXPECT_NE(message.find(std::to_string(Record::Size)), std::string::npos) << message;
        }
    }
}

} // namespace quadrilo::test
