// Free-format token reader of the calculation data file, read as a stream.
#include "CalculationDataReader.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>

namespace quadrilo::engine {

CalculationDataError::CalculationDataError(const std::string& file, int line,
                                           const std::string& what)
    : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " +
                         what),
      m_line(line) {}

namespace {

// The longest value kept: a load of 1e308 written with three decimals takes 313 characters. A
// longer run of characters is no number of this file, and holding it would let a hostile file
// of one endless token take any amount of memory.
constexpr std::size_t MaxTokenLength = 1024;

// The file is read one block at a time, so memory follows what the file holds, not its size.
constexpr std::size_t FileBlockSize = 64 * 1024;

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads values the way the file's writer and hand-edited files expect: blanks, tabs, line ends
// (any character at or below the blank) before a value are skipped, a value runs to the next such
// character, and `NextLine` drops whatever the current line still holds. The text arrives in
// blocks: `refill` gives the next one, empty at the end of the source.
class TokenReader {
public:
    TokenReader(std::string_view firstBlock, std::function<std::string_view()> refill,
                const std::string& fileName)
        : m_block(firstBlock), m_refill(std::move(refill)), m_file(fileName) {}

    // `index` (a node, bar or material number), when given, follows `what` in messages.
    std::int64_t Integer(const char* what, std::int32_t index = 0) {
        const auto token = Token(what, index);
        std::int64_t value = 0;
        const char* first = token.data() + (token.front() == '+' ? 1 : 0);
        const auto res = std::from_chars(first, token.data() + token.size(), value);
        if (res.ec != std::errc{} || res.ptr != token.data() + token.size())
            Fail("esperado um número inteiro para " + Described(what, index) + ", encontrado \"" +
                 std::string(token) + "\"");
        return value;
    }

    // A real may run straight into the next one when the next is negative: the material fields
    // have only their sign position between them. The value then ends at that sign, and the rest
    // of the token is the next value.
    double Real(const char* what, std::int32_t index = 0) {
        const auto token = Token(what, index);
        double value = 0;
        const char* first = token.data() + (token.front() == '+' ? 1 : 0);
        const char* last = token.data() + token.size();
        const auto res = std::from_chars(first, last, value);
        const bool nextValueFollows =
            res.ec == std::errc{} && res.ptr != last && (*res.ptr == '-' || *res.ptr == '+');
        if (res.ec != std::errc{} || (res.ptr != last && !nextValueFollows) ||
            !std::isfinite(value))
            Fail("esperado um número real para " + Described(what, index) + ", encontrado \"" +
                 std::string(token) + "\"");
        m_pending.assign(res.ptr, last);
        return value;
    }

    void NextLine() {
        m_pending.clear();
        do {
            const auto end = m_block.find('\n', m_pos);
            if (end != std::string_view::npos) {
                m_pos = end + 1;
                ++m_line;
                return;
            }
            m_pos = m_block.size();
        } while (Refill());
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw CalculationDataError(m_file, m_tokenLine, what);
    }

private:
    static std::string Described(const char* what, std::int32_t index) {
        return index > 0 ? std::string(what) + " " + std::to_string(index) : std::string(what);
    }

    bool Refill() {
        m_block = m_refill ? m_refill() : std::string_view();
        m_pos = 0;
        return !m_block.empty();
    }

    void SkipSeparators() {
        do {
            for (; m_pos < m_block.size(); ++m_pos) {
                if (!IsSeparator(m_block[m_pos]))
                    return;
                if (m_block[m_pos] == '\n')
                    ++m_line;
            }
        } while (Refill());
    }

    // The next value's text: a view into the block when the value lies inside it, otherwise
    // gathered across blocks into `m_spill`. Valid until the next call.
    std::string_view Token(const char* what, std::int32_t index) {
        if (!m_pending.empty()) {
            m_spill.swap(m_pending);
            m_pending.clear();
            return m_spill;
        }
        SkipSeparators();
        m_tokenLine = m_line;
        if (m_pos >= m_block.size())
            Fail("o arquivo termina onde se esperava " + Described(what, index));
        m_spill.clear();
        for (;;) {
            const auto start = m_pos;
            while (m_pos < m_block.size() && !IsSeparator(m_block[m_pos]))
                ++m_pos;
            const auto piece = m_block.substr(start, m_pos - start);
            if (m_spill.size() + piece.size() > MaxTokenLength)
                Fail("esperado um número para " + Described(what, index) +
                     ", encontrado um valor de mais de " + std::to_string(MaxTokenLength) +
                     " caracteres");
            const bool ended = m_pos < m_block.size();
            if (ended && m_spill.empty())
                return piece;
            m_spill.append(piece);
            if (ended || !Refill())
                return m_spill;
        }
    }

    std::string_view m_block;
    std::function<std::string_view()> m_refill;
    const std::string& m_file;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_tokenLine = 1;
    std::string m_spill;   // a value that crosses a block boundary
    std::string m_pending; // the rest of a token after a real that ended at a sign
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

// Every array grows with the values actually read, never with the counts the file declares: a
// file that declares millions of nodes and holds none is refused where its data ends, in the
// memory of what it held.
void ReadModel(TokenReader& in, TGrillageModel& model) {
    model.MaterialCount = Count(in, "o número de materiais");
    in.NextLine();
    for (std::int32_t k = 1; k <= model.MaterialCount; ++k) {
        auto& m = model.Materials.emplace_back();
        m.E = in.Real("E do material", k);
        m.I = in.Real("I do material", k);
        m.G = in.Real("G do material", k);
        m.It = in.Real("It do material", k);
        in.NextLine();
    }

    model.NodeCount = Count(in, "o número de nós");
    model.BarCount = Count(in, "o número de barras");
    in.NextLine();
    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        model.X.push_back(in.Real("a coordenada X do nó", i));
        model.Y.push_back(in.Real("a coordenada Y do nó", i));
        in.NextLine();
    }

    for (std::int32_t b = 1; b <= model.BarCount; ++b) {
        auto& bar = model.Bars.emplace_back();
        bar.N1 = NumberInRange(in, "nó inicial", model.NodeCount, b);
        bar.N2 = NumberInRange(in, "nó final", model.NodeCount, b);
        bar.Material = NumberInRange(in, "material", model.MaterialCount, b);
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

    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        model.Loads.push_back(in.Real("o momento em X do nó", i));
        model.Loads.push_back(in.Real("o momento em Y do nó", i));
        model.Loads.push_back(in.Real("a força em Z do nó", i));
        in.NextLine();
    }

    for (std::int32_t i = 1; i <= model.NodeCount; ++i) {
        model.Restraints.push_back(in.Real("o código de restrição rx do nó", i));
        model.Restraints.push_back(in.Real("o código de restrição ry do nó", i));
        model.Restraints.push_back(in.Real("o código de restrição dz do nó", i));
        model.Springs.push_back(model.Restraints.back() == 0 ? in.Real("a mola do nó", i) : 0.0);
        in.NextLine();
    }
}

void Parse(TokenReader& in, TGrillageModel& model) {
    // Entry 0 of every array stays unused: numbers index the arrays directly.
    TGrillageModel read;
    read.Materials.resize(1);
    read.X.resize(1);
    read.Y.resize(1);
    read.Bars.resize(1);
    read.Loads.resize(1);
    read.Restraints.resize(1);
    read.Springs.resize(1);
    ReadModel(in, read);
    SizeResults(read);
    model = std::move(read);
}

} // namespace

void ParseCalculationData(std::string_view text, const std::string& fileName,
                          TGrillageModel& model) {
    TokenReader in(text, nullptr, fileName);
    Parse(in, model);
}

void ReadCalculationData(const std::string& fileName, TGrillageModel& model) {
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    if (std::filesystem::is_directory(status))
        throw CalculationDataError(fileName, 0, "é uma pasta, não um arquivo");
    // A device or a pipe may never end (/dev/zero is an endless run of separators).
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw CalculationDataError(fileName, 0, "não é um arquivo comum");
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        throw CalculationDataError(fileName, 0, "não foi possível abrir o arquivo");
    std::vector<char> buffer(FileBlockSize);
    auto refill = [&]() -> std::string_view {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (file.bad())
            throw CalculationDataError(fileName, 0, "erro de leitura");
        return {buffer.data(), static_cast<std::size_t>(file.gcount())};
    };
    TokenReader in({}, refill, fileName);
    Parse(in, model);
}

} // namespace quadrilo::engine
