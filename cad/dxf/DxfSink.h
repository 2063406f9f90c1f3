// dxflib's writer aimed at a string instead of a file, so that the export is written whole by
// the atomic file writer; numbers always with "." whatever the locale.
#pragma once

#include <dxflib/dl_writer_ascii.h>

#include <cstddef>
#include <string>

namespace quadrilo::dxf {

class DxfSink : public DL_WriterA {
public:
    DxfSink();

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

    // Where the text stands and how many non-finite numbers were asked for so far: an entity
    // written with one is taken back with rollBack.
    struct Mark {
        std::size_t size;
        std::size_t nonFinite;
    };
    [[nodiscard]] Mark mark() const { return {m_text.size(), m_nonFinite}; }
    [[nodiscard]] bool wroteNonFinite(const Mark& since) const {
        return m_nonFinite > since.nonFinite;
    }
    void rollBack(const Mark& to) const;

    [[nodiscard]] std::string& text() const { return m_text; }

private:
    void groupCode(int gc) const;

    mutable std::string m_text;
    mutable std::size_t m_nonFinite = 0;
};

} // namespace quadrilo::dxf
