// Splitting and checking DXF group pairs.
#include "cad/dxf/DxfGroups.h"

#include "common/StringUtils.h"

#include <charconv>
#include <limits>

namespace quadrilo::dxf {
namespace {

enum class ValueKind { Text, Real, Integer };

// The value type DXF gives each group code range.
ValueKind kindOf(int code) {
    const auto in = [&](int from, int to) { return code >= from && code <= to; };
    if (in(10, 59) || in(110, 149) || in(210, 239) || in(460, 469) || in(1010, 1059))
        return ValueKind::Real;
    if (in(60, 99) || in(170, 179) || in(270, 289) || in(370, 389) || in(400, 409) ||
        in(420, 429) || in(440, 459) || in(1060, 1071))
        return ValueKind::Integer;
    return ValueKind::Text;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::optional<long long> wholeNumber(std::string_view s) {
    s = trimmed(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    long long value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::string quoted(std::string_view s) {
    std::string shown(s.substr(0, 40));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    return "\"" + shown + (s.size() > 40 ? "...\"" : "\"");
}

// The longest prefix of at most max bytes that does not cut a UTF-8 sequence.
std::string cut(std::string_view s, std::size_t max) {
    if (s.size() <= max)
        return std::string(s);
    std::size_t n = max;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return std::string(s.substr(0, n));
}

// Per entity, the groups that make dxflib allocate or index arrays: a count must fit in what
// is left of the file, and an LWPOLYLINE bulge needs a vertex before it.
class CountGuard {
public:
    void entity(std::string_view type) {
        m_type = std::string(type);
        m_vertexCount = -1;
        m_vertices = 0;
    }
    void group(const DxfGroup& g, std::size_t groupsLeft) {
        const bool lwpolyline = m_type == "LWPOLYLINE";
        const bool counted = (lwpolyline && g.code == 90) ||
                             (m_type == "SPLINE" && g.code >= 72 && g.code <= 74) ||
                             (m_type == "LEADER" && g.code == 76);
        if (counted) {
            const long long n = *wholeNumber(g.value);
            if (n < 0 || static_cast<unsigned long long>(n) > groupsLeft)
                throw DxfFormatError(g.line, "a contagem " + std::to_string(n) + " do " + m_type +
                                                 " não cabe no resto do arquivo");
            if (lwpolyline)
                m_vertexCount = n;
        } else if (lwpolyline && g.code == 10) {
            ++m_vertices;
        } else if (lwpolyline && g.code == 42 && (m_vertexCount < 1 || m_vertices == 0)) {
            throw DxfFormatError(g.line, "curvatura (código 42) de LWPOLYLINE antes do vértice");
        }
    }

private:
    std::string m_type;
    long long m_vertexCount = -1;
    long long m_vertices = 0;
};

void refuseForeign(std::string_view text) {
    if (text.empty())
        throw DxfFormatError(0, "o arquivo está vazio");
    if (text.starts_with("AutoCAD Binary DXF"))
        throw DxfFormatError(0, "DXF binário não é lido: grave o desenho como DXF texto (ASCII)");
    if (text.starts_with("AC10") || text.starts_with("AC1.") || text.starts_with("AC2."))
        throw DxfFormatError(0, "é um desenho DWG, não um arquivo DXF");
}

} // namespace

DxfFormatError::DxfFormatError(std::size_t line, const std::string& what)
    : std::runtime_error(line ? "linha " + std::to_string(line) + ": " + what : what),
      m_line(line) {}

DxfGroups ScanDxfGroups(std::string_view text) {
    refuseForeign(text);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find('\0') != std::string_view::npos)
            throw DxfFormatError(lines.size() + 1, "dados binários: não é um arquivo DXF texto");
        lines.push_back(line);
        at = end + 1;
    }

    DxfGroups out;
    CountGuard guard;
    bool sawVersion = false;
    bool sawSection = false;
    std::string variable;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const std::size_t lineNo = i + 1;
        if (trimmed(lines[i]).empty() && i + 1 == lines.size())
            break; // a blank last line
        const auto code = wholeNumber(lines[i]);
        if (!code || *code < -5 || *code > 1071)
            throw DxfFormatError(lineNo, "esperado um código de grupo (número inteiro de -5 a "
                                         "1071), encontrado " +
                                             quoted(lines[i]));
        if (i + 1 >= lines.size())
            throw DxfFormatError(lineNo, "o código de grupo " + std::to_string(*code) +
                                             " não tem valor: o arquivo está incompleto");
        DxfGroup g{static_cast<int>(*code), std::string(trimmed(lines[i + 1])), lineNo};
        const ValueKind kind = kindOf(g.code);
        if (kind == ValueKind::Real && !IsNumber(g.value))
            throw DxfFormatError(lineNo + 1, "esperado um número para o código " +
                                                 std::to_string(g.code) + ", encontrado " +
                                                 quoted(g.value));
        if (kind == ValueKind::Integer) {
            const auto n = wholeNumber(g.value);
            if (!n || *n < std::numeric_limits<std::int32_t>::min() ||
                *n > std::numeric_limits<std::uint32_t>::max())
                throw DxfFormatError(lineNo + 1, "esperado um número inteiro para o código " +
                                                     std::to_string(g.code) + ", encontrado " +
                                                     quoted(g.value));
        }
        if (kind == ValueKind::Text)
            g.value = cut(g.value, MaxValueBytes);
        else if (g.value.size() > MaxValueBytes)
            throw DxfFormatError(lineNo + 1, "número longo demais");

        if (g.code != 999 && !sawSection && !(g.code == 0 && g.value == "SECTION"))
            throw DxfFormatError(lineNo, "não é um arquivo DXF: esperado \"0\" e \"SECTION\", "
                                         "encontrado " +
                                             quoted(lines[i]));
        sawSection |= g.code == 0 && g.value == "SECTION";
        if (g.code == 0)
            guard.entity(g.value);
        else
            guard.group(g, (lines.size() - i) / 2);
        if (g.code == 9)
            variable = g.value;
        else if (variable == "$ACADVER" && g.code == 1 && !sawVersion) {
            sawVersion = true;
            out.utf8 = g.value >= "AC1021";
        }
        const bool end = g.code == 0 && g.value == "EOF";
        out.groups.push_back(std::move(g));
        if (end)
            return out;
    }
    throw DxfFormatError(0, "o arquivo termina sem o marcador EOF: está incompleto");
}

std::string JoinDxfGroups(const std::vector<DxfGroup>& groups) {
    std::string text;
    for (const DxfGroup& g : groups) {
        char code[16];
        text.append(code, std::to_chars(code, code + sizeof code, g.code).ptr);
        text += '\n';
        text += g.value;
        text += '\n';
    }
    return text;
}

} // namespace quadrilo::dxf
