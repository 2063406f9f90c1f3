// The string-backed DXF writer.
#include "cad/dxf/DxfSink.h"

#include <charconv>
#include <cmath>

namespace quadrilo::dxf {

// The file stream of DL_WriterA stays closed: an empty name opens nothing.
DxfSink::DxfSink() : DL_WriterA("", DL_Codes::AC1015) {
    // dxflib gives the tables and objects it writes fixed handles up to 0x4F; the handles it
    // hands out start above them so that none is used twice.
    m_handle = 0x50;
}

void DxfSink::groupCode(int gc) const {
    // Group codes right-aligned in three columns, as AutoCAD writes them.
    if (gc >= 0 && gc < 100)
        m_text.append(gc < 10 ? "  " : " ");
    char buf[16];
    m_text.append(buf, std::to_chars(buf, buf + sizeof buf, gc).ptr);
    m_text += '\n';
}

void DxfSink::dxfReal(int gc, double value) const {
    if (!std::isfinite(value)) {
        ++m_nonFinite;
        value = 0.0;
    }
    groupCode(gc);
    char buf[32];
    // Shortest text that reads back to the same double; to_chars ignores the locale.
    char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    m_text.append(buf, end);
    if (std::string_view(buf, end).find_first_of(".e") == std::string_view::npos)
        m_text.append(".0"); // a real stays recognisable as one
    m_text += '\n';
}

void DxfSink::dxfInt(int gc, int value) const {
    groupCode(gc);
    char buf[16];
    m_text.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
    m_text += '\n';
}

void DxfSink::dxfHex(int gc, int value) const {
    groupCode(gc);
    char buf[16];
    char* end = std::to_chars(buf, buf + sizeof buf, static_cast<unsigned>(value), 16).ptr;
    for (char* p = buf; p != end; ++p)
        if (*p >= 'a')
            *p = static_cast<char>(*p - 'a' + 'A');
    m_text.append(buf, end);
    m_text += '\n';
}

void DxfSink::dxfString(int gc, const char* value) const {
    groupCode(gc);
    // One value is one line: a line break inside it would shift every later group.
    for (const char* p = value ? value : ""; *p; ++p)
        m_text += *p == '\n' || *p == '\r' ? ' ' : *p;
    m_text += '\n';
}

void DxfSink::dxfString(int gc, const std::string& value) const {
    dxfString(gc, value.c_str());
}

void DxfSink::rollBack(const Mark& to) const {
    m_text.resize(to.size);
    m_nonFinite = to.nonFinite;
}

} // namespace quadrilo::dxf
