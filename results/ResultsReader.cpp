// Results file reader: parses both sections whole, checks them against the malha, then fills the
// records, so that a refused file changes nothing.
#include "results/ResultsReader.h"

#include "common/Format.h"
#include "common/StringUtils.h"
#include "results/FileBytes.h"

#include <charconv>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace quadrilo::results {
namespace {

// The reason a results file is refused, already worded as its log line.
class ResultsFileError : public std::runtime_error {
public:
    ResultsFileError(const std::string& file, int line, const std::string& what)
        : std::runtime_error("Erro: " + file + (line > 0 ? ":" + std::to_string(line) : "") + ": " +
                             what) {}
};

struct NodeLine {
    int Line = 0;
    std::int32_t Number = 0;
    double Rotx = 0, Roty = 0, dz = 0;
};

struct BarLines {
    int Line = 0; // of the first of its two lines
    std::int32_t Number = 0, N1 = 0, N2 = 0;
    double MT1 = 0, MF1 = 0, V1 = 0, MT2 = 0, MF2 = 0, V2 = 0;
};

struct ResultsTable {
    std::vector<NodeLine> Nodes;
    std::vector<BarLines> Bars;
};

// Hands out the file's lines one by one, numbered from 1, without their line ends.
class LineCursor {
public:
    LineCursor(std::string_view text, const std::string& file) : m_text(text), m_file(file) {}

    [[nodiscard]] bool AtEnd() const { return m_pos >= m_text.size(); }
    [[nodiscard]] int Line() const { return m_line; }

    std::string_view Next(std::string_view expected) {
        if (AtEnd())
            Fail(m_line + 1, "o arquivo termina antes " + std::string(expected));
        auto end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos)
            end = m_text.size();
        auto line = m_text.substr(m_pos, end - m_pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_pos = end + 1;
        ++m_line;
        return line;
    }

    void Skip(int count, const char* expected) {
        for (int k = 0; k < count; ++k)
            (void)Next(expected);
    }

    [[noreturn]] void Fail(int line, const std::string& what) const {
        throw ResultsFileError(m_file, line, what);
    }

private:
    std::string_view m_text;
    const std::string& m_file;
    std::size_t m_pos = 0;
    int m_line = 0;
};

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// The blank-separated words of one line, each taken as the quantity it stands for.
class LineWords {
public:
    LineWords(std::string_view line, std::size_t expected, const char* layout,
              const LineCursor& cursor)
        : m_words(SplitWords(line)), m_cursor(cursor) {
        if (m_words.size() != expected)
            m_cursor.Fail(m_cursor.Line(), Format("esperado %s; encontrado \"%s\"", layout,
                                                  std::string(Trimmed(line))));
    }

    std::int32_t Number(std::size_t index, const char* what) const {
        const auto& word = m_words[index];
        std::int32_t value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc{} || end != word.data() + word.size() || value < 1)
            m_cursor.Fail(m_cursor.Line(),
                          Format("\"%s\" não é um número de %s", word, std::string(what)));
        return value;
    }

    double Real(std::size_t index, const char* what) const {
        const auto value = ParseNumber(m_words[index]);
        if (!value)
            m_cursor.Fail(m_cursor.Line(), Format("\"%s\" não é um número (esperado %s)",
                                                  m_words[index], std::string(what)));
        return *value;
    }

private:
    static std::string_view Trimmed(std::string_view line) {
        const auto first = line.find_first_not_of(' ');
        return first == std::string_view::npos
                   ? std::string_view()
                   : line.substr(first, line.find_last_not_of(' ') - first + 1);
    }

    std::vector<std::string> m_words;
    const LineCursor& m_cursor;
};

void ExpectTitle(LineCursor& in, std::string_view title) {
    const auto line = in.Next("do título");
    if (line.find(title) == std::string_view::npos)
        in.Fail(in.Line(), Format("esperado o título \"%s\"; este não é um arquivo de resultados "
                                  "da grelha",
                                  std::string(title)));
}

NodeLine ParseNodeLine(std::string_view line, const LineCursor& in) {
    const LineWords words(
        line, 4, "o número do nó, a rotação em X, a rotação em Y e o deslocamento em Z", in);
    NodeLine node;
    node.Line = in.Line();
    node.Number = words.Number(0, "nó");
    node.Rotx = words.Real(1, "a rotação em X");
    node.Roty = words.Real(2, "a rotação em Y");
    node.dz = words.Real(3, "o deslocamento em Z");
    return node;
}

BarLines ParseBarLines(std::string_view first, LineCursor& in) {
    BarLines bar;
    {
        const LineWords words(first, 5,
                              "o número da barra, o nó N1 e o momento torçor, o momento fletor "
                              "e o esforço cortante em N1",
                              in);
        bar.Line = in.Line();
        bar.Number = words.Number(0, "barra");
        bar.N1 = words.Number(1, "nó");
        bar.MT1 = words.Real(2, "o momento torçor em N1");
        bar.MF1 = words.Real(3, "o momento fletor em N1");
        bar.V1 = words.Real(4, "o esforço cortante em N1");
    }
    const auto second = in.Next(Format("da segunda linha da barra %d", bar.Number));
    const LineWords words(second, 4,
                          "o nó N2 e o momento torçor, o momento fletor e o esforço cortante em "
                          "N2",
                          in);
    bar.N2 = words.Number(0, "nó");
    bar.MT2 = words.Real(1, "o momento torçor em N2");
    bar.MF2 = words.Real(2, "o momento fletor em N2");
    bar.V2 = words.Real(3, "o esforço cortante em N2");
    return bar;
}

// The layout of the engine's results file: six header lines, a line per node, six header lines,
// two lines per bar, an empty line. Each node section ends at its first empty line.
ResultsTable ParseResults(LineCursor& in) {
    ResultsTable table;
    in.Skip(2, "do título");
    ExpectTitle(in, "Deslocamento nodal");
    in.Skip(3, "dos deslocamentos nodais");
    for (auto line = in.Next("das reações de extremidade"); !IsBlank(line);
         line = in.Next("das reações de extremidade"))
        table.Nodes.push_back(ParseNodeLine(line, in));
    in.Skip(1, "do título");
    ExpectTitle(in, "Reações de extremidade");
    in.Skip(3, "das reações de extremidade");
    while (!in.AtEnd()) {
        const auto line = in.Next("das reações de extremidade");
        if (IsBlank(line))
            break;
        table.Bars.push_back(ParseBarLines(line, in));
    }
    return table;
}

// For each record number, the position of its record in the list.
template <class Record>
std::vector<std::int32_t> IndexByNumber(const std::vector<Record>& records, const char* kind,
                                        const LineCursor& in) {
    std::vector<std::int32_t> index(std::numeric_limits<std::uint16_t>::max() + 1, -1);
    for (std::size_t k = 0; k < records.size(); ++k) {
        auto& slot = index[records[k].Number];
        if (slot >= 0)
            in.Fail(0, Format("a malha tem dois registros de %s de número %d", std::string(kind),
                              records[k].Number));
        slot = static_cast<std::int32_t>(k);
    }
    return index;
}

// Where each line of the file goes: the record of the same number, each record exactly once.
template <class Line, class Record>
std::vector<std::int32_t> MatchByNumber(const std::vector<Line>& lines,
                                        const std::vector<Record>& records, const char* kind,
                                        const LineCursor& in) {
    if (lines.size() != records.size())
        in.Fail(0, Format("o arquivo traz resultados de %d %s e a malha tem %d; os resultados são "
                          "de outra grelha",
                          lines.size(), std::string(kind) + "s", records.size()));
    const auto index = IndexByNumber(records, kind, in);
    std::vector<std::int32_t> target(lines.size());
    std::vector<bool> taken(records.size(), false);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const auto number = lines[k].Number;
        const auto slot = number < static_cast<std::int32_t>(index.size()) ? index[number] : -1;
        if (slot < 0)
            in.Fail(lines[k].Line, Format("%s %d não existe na malha; os resultados são de outra "
                                          "grelha",
                                          std::string(kind), number));
        if (taken[slot])
            in.Fail(lines[k].Line, Format("%s %d aparece duas vezes", std::string(kind), number));
        taken[slot] = true;
        target[k] = slot;
    }
    return target;
}

void CheckBarEnds(const std::vector<BarLines>& lines, const std::vector<std::int32_t>& target,
                  const std::vector<TBarData>& bars, const LineCursor& in) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const auto& line = lines[k];
        const auto& bar = bars[target[k]];
        if (line.N1 != bar.N1 || line.N2 != bar.N2)
            in.Fail(line.Line, Format("a barra %d liga os nós %d e %d no arquivo e %d e %d na "
                                      "malha; os resultados são de outra grelha",
                                      line.Number, line.N1, line.N2, bar.N1, bar.N2));
    }
}

void Store(const NodeLine& line, TNodeData& node) {
    node.Rotx = line.Rotx;
    node.Roty = line.Roty;
    node.dz = line.dz;
}

void Store(const BarLines& line, TBarData& bar) {
    bar.MT1 = line.MT1;
    bar.MF1 = line.MF1;
    bar.V1 = line.V1;
    bar.MT2 = line.MT2;
    bar.MF2 = line.MF2;
    bar.V2 = line.V2;
}

template <class Line, class Record>
void StoreAll(const std::vector<Line>& lines, const std::vector<std::int32_t>& target,
              std::vector<Record>& records) {
    for (std::size_t k = 0; k < lines.size(); ++k)
        Store(lines[k], records[target[k]]);
}

} // namespace

ResultsLoad LoadResultsText(std::string_view text, const std::string& fileName,
                            std::vector<TNodeData>& nodes, std::vector<TBarData>& bars) {
    LineCursor in(text, fileName);
    try {
        const auto table = ParseResults(in);
        const auto nodeTarget = MatchByNumber(table.Nodes, nodes, "nó", in);
        const auto barTarget = MatchByNumber(table.Bars, bars, "barra", in);
        CheckBarEnds(table.Bars, barTarget, bars, in);

        StoreAll(table.Nodes, nodeTarget, nodes);
        StoreAll(table.Bars, barTarget, bars);
    } catch (const ResultsFileError& e) {
        return {false, e.what()};
    }
    return {true, {}};
}

ResultsLoad ReadResultsIntoRecords(const std::string& path, std::vector<TNodeData>& nodes,
                                   std::vector<TBarData>& bars) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {false, NoResultsMessage};
    const auto text = ReadFileBytes(path);
    if (!text)
        return {false, "Erro: " + path + ": não foi possível ler o arquivo de resultados"};
    return LoadResultsText(*text, path, nodes, bars);
}

} // namespace quadrilo::results
