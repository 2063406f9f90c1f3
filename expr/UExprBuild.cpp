// The formula compiler: text preparation, the depth-first walk over the operation grid and
// the linking of the compiled list.
#include "UExprBuild.h"

#include "ExprRecognizer.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quadrilo::expr {

namespace {

constexpr int kDeepestLevel = 20; // levels 0 to 20
constexpr int kPositionsPerLevel = 50;

// Upper-cases a to z, trims blanks (character 32 only) and checks blanks and bracket counts.
std::string PrepareText(std::string_view formula) {
    std::string text(formula);
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    const std::size_t first = text.find_first_not_of(' ');
    text = first == std::string::npos ? std::string() : text.substr(first);
    text.erase(text.find_last_not_of(' ') + 1);
    if (text.find(' ') != std::string::npos)
        throw EExpressionHasBlanks();
    if (std::count(text.begin(), text.end(), '(') != std::count(text.begin(), text.end(), ')'))
        throw EMissMatchingBracket();
    return text;
}

} // namespace

// Builds the parse tree depth first and places one operation record per operation term in
// the grid, at the level and position of the term's children; then links the grid.
class ListBuilder {
public:
    explicit ListBuilder(Recognizer& recognizer) : m_recognizer(recognizer) {}

    CompiledExpression Build(Piece rootText) {
        m_terms.push_back({.text = rootText, .form = {}, .level = 0, .position = 1, .side = 1});
        SlotRecord(0, 1).emplace();
        Walk();
        Link();
        return std::move(m_list);
    }

private:
    struct Term {
        Piece text;
        std::optional<FormMatch> form; // set once the term is classified
        int level = 0;
        int position = 0;
        int side = 1;
        int firstChild = -1;
        int secondChild = -1;
        int parent = -1;
    };

    std::optional<OperationRecord>& SlotRecord(int level, int position) {
        return m_grid[static_cast<std::size_t>(level) * kPositionsPerLevel + position - 1];
    }

    // The term's value feeds the record of its parent, which sits in the term's own slot.
    void PutOperand(const Term& term, double* cell) {
        OperationRecord& record = *SlotRecord(term.level, term.position);
        (term.side == 1 ? record.firstOperand : record.secondOperand) = cell;
    }

    double* NewCell(double value) { return &m_list.m_cells.emplace_back(value); }

    bool Finished(const Term& term) const {
        return HasOneOperand(term.form->kind) || term.secondChild >= 0;
    }

    void Walk() {
        int current = 0;
        for (;;) {
            if (!m_terms[current].form)
                Classify(current);
            const TermKind kind = m_terms[current].form->kind;
            if (kind != TermKind::Variable && kind != TermKind::Constant) {
                if (m_terms[current].firstChild < 0)
                    MakeChild(current, 1);
                else if (HasOneOperand(kind))
                    throw EParserInternalError();
                else
                    MakeChild(current, 2);
            }
            const Term& term = m_terms[current];
            if (term.secondChild >= 0) {
                current = term.secondChild;
            } else if (term.firstChild >= 0) {
                current = term.firstChild;
            } else {
                if (current == 0)
                    return; // the whole formula is one variable or one number
                do
                    current = m_terms[current].parent;
                while (current != 0 && Finished(m_terms[current]));
                if (current == 0 && Finished(m_terms[0]))
                    return;
            }
        }
    }

    void Classify(int index) {
        Term& term = m_terms[index];
        OperandCandidates candidates;
        term.form = m_recognizer.Classify(term.text, candidates);
        if (!term.form)
            throw ESyntaxError(SyntaxMessage(term.text, candidates));
        if (term.form->kind == TermKind::Variable)
            PutOperand(term, term.form->variableCell);
        else if (term.form->kind == TermKind::Constant)
            PutOperand(term, NewCell(term.form->number));
    }

    std::string SyntaxMessage(Piece text, const OperandCandidates& candidates) const {
        std::string message = "Error parsing expression:\r";
        if (!candidates.first && !candidates.second)
            return message.append(m_recognizer.Text(text));
        const auto shown = [this](const std::optional<Piece>& piece) {
            return piece ? m_recognizer.Text(*piece) : std::string_view(" ");
        };
        return message.append(shown(candidates.first))
            .append("\r")
            .append(shown(candidates.second));
    }

    // The first child brings the term's record one level down; the second child shares the
    // position of the first, whose own subtree only used deeper levels.
    void MakeChild(int parentIndex, int side) {
        const int level = m_terms[parentIndex].level + 1;
        if (level > kDeepestLevel)
            throw ETooManyNestings();
        const int position = m_counter[level] + 1;
        if (position > kPositionsPerLevel)
            throw EExpressionTooComplex();
        const FormMatch form = *m_terms[parentIndex].form; // copied: the push below may move it
        m_terms.push_back({.text = side == 1 ? form.first : form.second,
                           .form = {},
                           .level = level,
                           .position = position,
                           .side = side,
                           .parent = parentIndex});
        const int child = static_cast<int>(m_terms.size()) - 1;
        m_deepest = std::max(m_deepest, level);
        if (side == 2) {
            m_terms[parentIndex].secondChild = child;
            ++m_counter[level];
            return;
        }
        m_terms[parentIndex].firstChild = child;
        OperationRecord& record = SlotRecord(level, position).emplace();
        record.kind = form.kind;
        record.result = NewCell(0);
        record.oneArgumentCall = form.oneArgumentCall;
        record.twoArgumentCall = form.twoArgumentCall;
        PutOperand(m_terms[parentIndex], record.result);
        if (HasOneOperand(form.kind))
            ++m_counter[level];
    }

    // Deepest level first, so that every record runs after those whose results it reads.
    void Link() {
        if (m_deepest == 0) {
            OperationRecord record = *SlotRecord(0, 1);
            record.result = record.firstOperand;
            m_list.m_records.push_back(record);
            return;
        }
        for (int level = m_deepest; level >= 1; --level)
            for (int position = 1; position <= m_counter[level]; ++position)
                m_list.m_records.push_back(*SlotRecord(level, position));
    }

    Recognizer& m_recognizer;
    CompiledExpression m_list;
    std::vector<Term> m_terms;
    std::vector<std::optional<OperationRecord>> m_grid =
        std::vector<std::optional<OperationRecord>>((kDeepestLevel + 1) * kPositionsPerLevel);
    std::array<int, kDeepestLevel + 1> m_counter{};
    int m_deepest = 0;
};

CompiledExpression CompileExpression(std::string_view formula, const VariableTable& variables,
                                     const OneArgumentTable& oneArgumentFunctions,
                                     const TwoArgumentTable& twoArgumentFunctions,
                                     bool pascalNumberFormat) {
    const std::string text = PrepareText(formula);
    Recognizer recognizer(text, variables, oneArgumentFunctions, twoArgumentFunctions,
                          pascalNumberFormat);
    const Piece root = recognizer.StripBrackets({0, static_cast<int>(text.size())});
    return ListBuilder(recognizer).Build(root);
}

} // namespace quadrilo::expr
