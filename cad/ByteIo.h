// Little-endian field-by-field writing and bounds-checked reading of binary records.
#pragma once

#include "cad/FileResult.h"
#include "cad/Geometry.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace quadrilo::cad {

// Raised by ByteReader on data that runs short or breaks a rule; caught where a file or a
// clipboard payload is read, never let through to callers. what() names what is wrong.
class FormatError : public std::runtime_error {
public:
    explicit FormatError(const std::string& detail, FileError kind = FileError::Damaged)
        : std::runtime_error(detail), m_kind(kind) {}
    FileError kind() const { return m_kind; }

private:
    FileError m_kind;
};

// Unlike common/RecordCodec.h (records of one fixed size), this stream grows as it is written.
class ByteWriter {
public:
    std::vector<std::uint8_t>& bytes() { return m_bytes; }

    void u8(std::uint8_t v) { m_bytes.push_back(v); }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void f64(double v) { u64(std::bit_cast<std::uint64_t>(v)); }
    void point(const Point3& p) {
        f64(p.x);
        f64(p.y);
        f64(p.z);
    }
    void blob(const std::vector<std::uint8_t>& data) {
        u32(static_cast<std::uint32_t>(data.size()));
        m_bytes.insert(m_bytes.end(), data.begin(), data.end());
    }
    void str(const std::string& s) {
        u32(static_cast<std::uint32_t>(s.size()));
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
    }
    void raw(const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        m_bytes.insert(m_bytes.end(), p, p + size);
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t remaining() const { return m_size - m_pos; }
    std::uint8_t u8() { return *take(1); }
    std::uint32_t u32() {
        const std::uint8_t* p = take(4);
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
               std::uint32_t(p[3]) << 24;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint64_t u64() {
        const std::uint64_t lo = u32();
        return lo | std::uint64_t(u32()) << 32;
    }
    double f64() { return std::bit_cast<double>(u64()); }
    Point3 point() {
        Point3 p;
        p.x = f64();
        p.y = f64();
        p.z = f64();
        return p;
    }
    bool flag() {
        const std::uint8_t v = u8();
        if (v > 1)
            throw FormatError("invalid flag value");
        return v == 1;
    }
    std::vector<std::uint8_t> blob() {
        const std::uint32_t n = u32();
        const std::uint8_t* p = take(n);
        return {p, p + n};
    }
    std::string str() {
        const std::uint32_t n = u32();
        const std::uint8_t* p = take(n);
        return {reinterpret_cast<const char*>(p), n};
    }
    // A count of items each at least minItemBytes long: refuses counts the data cannot hold.
    std::uint32_t count(std::size_t minItemBytes) {
        const std::uint32_t n = u32();
        if (minItemBytes > 0 && n > remaining() / minItemBytes)
            throw FormatError("item count exceeds the data");
        return n;
    }
    const std::uint8_t* take(std::size_t n) {
        if (n > remaining())
            throw FormatError("data ends early");
        const std::uint8_t* p = m_data + m_pos;
        m_pos += n;
        return p;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace quadrilo::cad
