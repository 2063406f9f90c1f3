// Recognisers of the formula forms, working on pieces of the prepared formula text.
#pragma once

#include "UExprBuild.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quadrilo::expr {

// A piece of the prepared text: characters [begin, end).
struct Piece {
    int begin = 0;
    int end = 0;
    [[nodiscard]] int Length() const { return end - begin; }
};

// The form a term matched, with its operand pieces (outer brackets already removed).
struct FormMatch {
    TermKind kind = TermKind::Variable;
    Piece first;
    Piece second;
    double* variableCell = nullptr;
    double number = 0;
    OneArgumentFunction oneArgumentCall = nullptr;
    TwoArgumentFunction twoArgumentCall = nullptr;
};

// Operand texts that the forms stored while trying a term; unset stands for the blank " ".
struct OperandCandidates {
    std::optional<Piece> first;
    std::optional<Piece> second;
};

// Tests pieces of one prepared formula against the forms of the language. Every test of a
// piece depends on the piece alone, so each answer is remembered: without that, nested
// brackets and long chains make the same sub-texts be re-tested exponentially often.
class Recognizer {
public:
    Recognizer(std::string_view text, const VariableTable& variables,
               const OneArgumentTable& oneArgumentFunctions,
               const TwoArgumentTable& twoArgumentFunctions, bool pascalNumberFormat);

    [[nodiscard]] std::string_view Text(Piece piece) const {
        return m_text.substr(piece.begin, piece.Length());
    }

    // Removes enclosing brackets as long as what they enclose is a valid expression.
    [[nodiscard]] Piece StripBrackets(Piece piece);

    // The first form, in classification order, that matches the piece; when none does,
    // `candidates` holds the operand texts stored by the last form that got far enough.
    [[nodiscard]] std::optional<FormMatch> Classify(Piece piece, OperandCandidates& candidates);

private:
    enum Form : int {
        kVariable,
        kNumber,
        kNegation,
        kSum,
        kDifference,
        kProduct,
        kIntegerQuotient,
        kRemainder,
        kQuotient,
        kPower,
        kOneArgumentCall,
        kTwoArgumentCall,
        kBracketed,
        kValid,
        kFormCount
    };
    using FormSet = unsigned;
    struct OperandRule {
        FormSet left;
        FormSet right;
    };

    [[nodiscard]] bool Is(Form form, Piece piece);
    [[nodiscard]] bool Accepts(FormSet forms, Piece piece);
    [[nodiscard]] bool Test(Form form, Piece piece, FormMatch* match, OperandCandidates* trace);
    [[nodiscard]] bool TestValid(Piece piece);
    [[nodiscard]] bool TestBracketed(Piece piece);
    [[nodiscard]] bool TestVariable(Piece piece, FormMatch* match);
    [[nodiscard]] bool TestNumber(Piece piece, FormMatch* match) const;
    [[nodiscard]] bool TestNegation(Piece piece, FormMatch* match, OperandCandidates* trace);
    [[nodiscard]] bool TestOperator(Piece piece, std::string_view op, TermKind kind,
                                    OperandRule rule, FormMatch* match, OperandCandidates* trace);
    [[nodiscard]] bool TestPower(Piece piece, FormMatch* match, OperandCandidates* trace);
    [[nodiscard]] bool TestOneArgumentCall(Piece piece, FormMatch* match, OperandCandidates* trace);
    [[nodiscard]] bool TestTwoArgumentCall(Piece piece, FormMatch* match, OperandCandidates* trace);
    [[nodiscard]] bool Balanced(Piece piece) const;
    [[nodiscard]] int Find(std::string_view what, int from, int end) const;

    std::string_view m_text;
    const VariableTable& m_variables;
    const OneArgumentTable& m_oneArgumentFunctions;
    const TwoArgumentTable& m_twoArgumentFunctions;
    bool m_pascalNumberFormat;
    std::vector<int> m_openBefore;  // count of "(" before each index
    std::vector<int> m_closeBefore; // count of ")" before each index

    // Remembered answers: two bits per form (unknown, no, yes) for each piece. Dense for
    // formulas of ordinary length, hashed for very long ones.
    [[nodiscard]] unsigned& Memo(Piece piece);
    std::vector<unsigned> m_denseMemo;
    std::unordered_map<long long, unsigned> m_sparseMemo;
    int m_depth = 0; // nesting of recogniser calls, bounded to keep the stack safe
};

} // namespace quadrilo::expr
