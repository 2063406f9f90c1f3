// Free-format token reader of the calculation data file.
#include "CalculationDataReader.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

namespace quadrilo::engine {

CalculationDataError::CalculationDataError(const std::string& file, int line,
                                           const std::string& what)
    : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " +
                         what),
      m_line(line) {}

namespace {

// Reads values the way the file's writer and hand-edited files expect: blanks, tabs and line
// ends before a value are skipped, a value runs to the next character at or below the blank, and
// `NextLine` drops whatever the current line still holds.
class TokenReader {
public:
    TokenReader(std::string_view text, const std::string& fileName)
        : m_text(text), m_file(fileName) {}

    [[nodiscard]] std::size_t Remaining() const { return m_text.size() - m_pos; }

    std::int64_t Integer(const char* what) {
        const auto token = Token(what);
        std::int64_t value = 0;
        const char* first = token.data() + (token.front() == '+' ? 1 : 0);
        const auto res = std::from_chars(first, token.data() + token.size(), value);
        if (res.ec != std::errc{} || res.ptr != token.data() + token.size())
            Fail("esperado um número inteiro para " + std::string(what) + ", encontrado \"" +
                 std::string(token) + "\"");
        return value;
    }

    // A real may run straight into the next one when the next is negative: the material fields
    // have only their sign position between them. The value then ends at that sign.
    double Real(const char* what) {
        const auto token = Token(what);
        double value = 0;
        const char* first = token.data() + (token.front() == '+' ? 1 : 0);
        const char* last = token.data() + token.size();
        const auto res = std::from_chars(first, last, value);
        const bool nextValueFollows =
            res.ec == std::errc{} && res.ptr != last && (*res.ptr == '-' || *res.ptr == '+');
        if (res.ec != std::errc{} || (res.ptr != last && !nextValueFollows) ||
            !std::isfinite(value))
            Fail("esperado um número real para " + std::string(what) + ", encontrado \"" +
                 std::string(token) + "\"");
        m_pos -= static_cast<std::size_t>(last - res.ptr);
        return value;
    }

    void NextLine() {
        const auto end = m_text.find('\n', m_pos);
        m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
        if (end != std::string_view::npos)
            ++m_line;
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw CalculationDataError(m_file, m_tokenLine, what);
    }

private:
    std::string_view Token(const char* what) {
        while (m_pos < m_text.size() && static_cast<unsigned char>(m_text[m_pos]) <= ' ') {
            if (m_text[m_pos] == '\n')
                ++m_line;
            ++m_pos;
        }
        m_tokenLine = m_line;
        if (m_pos >= m_text.size())
            Fail("o arquivo termina onde se esperava " + std::string(what));
        const auto start = m_pos;
        while (m_pos < m_text.size() && static_cast<unsigned char>(m_text[m_pos]) > ' ')
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    std::string_view m_text;
    const std::string& m_file;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_tokenLine = 1;
};

std::int32_t Count(TokenReader& in, const char* what) {
    const auto value = in.Integer(what);
    if (value < 0)
        in.Fail(std::string(what) + " negativo: " + std::to_string(value));
    if (value > std::numeric_limits<std::int32_t>::max() / 6)
        in.Fail(std::string(what) + " grande demais: " + std::to_string(value));
    return static_cast<std::int32_t>(value);
}

std::int32_t NumberInRange(TokenReader& in, const char* what, std::int32_t last, int bar) {
    const auto value = in.Integer(what);
    if (value < 1 || value > last)
        in.Fail(std::string(what) + " " + std::to_string(value) + " da barra " +
                std::to_string(bar) + " fora do intervalo 1.." + std::to_string(last));
    return static_cast<std::int32_t>(value);
}

// Each value takes at least two characters (itself and a separator), so a count that the rest of
// the file cannot hold is refused before the model is sized for it.
void RequireRoom(const TokenReader& in, std::int64_t values, const char* what) {
    if (values > 0 && static_cast<std::uint64_t>(2 * values - 1) > in.Remaining())
        in.Fail("o arquivo termina antes dos dados de todos os " + std::string(what));
}

} // namespace

void ParseCalculationData(std::string_view text, const std::string& fileName,
                          TGrillageModel& model) {
    TokenReader in(text, fileName);

    const auto materials = Count(in, "o número de materiais");
    in.NextLine();
    RequireRoom(in, 4 * std::int64_t{materials}, "materiais");
    std::vector<TMaterialProps> props(static_cast<std::size_t>(materials) + 1);
    for (std::int32_t k = 1; k <= materials; ++k) {
        auto& m = props[k];
        m.E = in.Real("E do material");
        m.I = in.Real("I do material");
        m.G = in.Real("G do material");
        m.It = in.Real("It do material");
        in.NextLine();
    }

    const auto nodes = Count(in, "o número de nós");
    const auto bars = Count(in, "o número de barras");
    in.NextLine();
    // Coordinates, loads and restraints: at least 8 values per node; 3 per bar.
    RequireRoom(in, 8 * std::int64_t{nodes} + 3 * std::int64_t{bars}, "nós e barras");
    SizeModel(model, materials, nodes, bars);
    model.Materials = std::move(props);

    for (std::int32_t i = 1; i <= nodes; ++i) {
        model.X[i] = in.Real("a coordenada X do nó");
        model.Y[i] = in.Real("a coordenada Y do nó");
        in.NextLine();
    }

    for (std::int32_t b = 1; b <= bars; ++b) {
        auto& bar = model.Bars[b];
        bar.N1 = NumberInRange(in, "nó inicial", nodes, b);
        bar.N2 = NumberInRange(in, "nó final", nodes, b);
        bar.Material = NumberInRange(in, "material", materials, b);
        const double dx = model.X[bar.N2] - model.X[bar.N1];
        const double dy = model.Y[bar.N2] - model.Y[bar.N1];
        bar.Length = std::sqrt(dx * dx + dy * dy);
        if (bar.Length == 0)
            in.Fail("a barra " + std::to_string(b) + " tem comprimento nulo (nós " +
                    std::to_string(bar.N1) + " e " + std::to_string(bar.N2) + ")");
        bar.Cos = dx / bar.Length;
        bar.Sin = dy / bar.Length;
        in.NextLine();
    }

    for (std::int32_t i = 1; i <= nodes; ++i) {
        model.Loads[3 * i - 2] = in.Real("o momento em X do nó");
        model.Loads[3 * i - 1] = in.Real("o momento em Y do nó");
        model.Loads[3 * i] = in.Real("a força em Z do nó");
        in.NextLine();
    }

    for (std::int32_t i = 1; i <= nodes; ++i) {
        model.Restraints[3 * i - 2] = in.Real("o código de restrição rx do nó");
        model.Restraints[3 * i - 1] = in.Real("o código de restrição ry do nó");
        model.Restraints[3 * i] = in.Real("o código de restrição dz do nó");
        if (model.Restraints[3 * i] == 0)
            model.Springs[i] = in.Real("a mola do nó");
        in.NextLine();
    }
}

void ReadCalculationData(const std::string& fileName, TGrillageModel& model) {
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error))
        throw CalculationDataError(fileName, 0, "é uma pasta, não um arquivo");
    std::ifstream file(fileName, std::ios::binary | std::ios::ate);
    if (!file)
        throw CalculationDataError(fileName, 0, "não foi possível abrir o arquivo");
    const auto size = file.tellg();
    if (size < 0)
        throw CalculationDataError(fileName, 0, "erro de leitura");
    std::string text(static_cast<std::size_t>(size), '\0');
    file.seekg(0);
    if (!file.read(text.data(), static_cast<std::streamsize>(text.size())))
        throw CalculationDataError(fileName, 0, "erro de leitura");
    ParseCalculationData(text, fileName, model);
}

} // namespace quadrilo::engine
