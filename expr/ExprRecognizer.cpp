// Recognisers of the formula forms, with every answer remembered per piece and form.
#include "ExprRecognizer.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <numbers>

namespace quadrilo::expr {

namespace {

// Recogniser calls nest once per operator or bracket level of the piece being tested; far
// beyond anything a project stores, a deeper formula is refused before the stack runs out.
constexpr int kMaxNesting = 1000;

// Up to this length the remembered answers are kept in a dense table.
constexpr int kDenseMemoLength = 1023;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips one or more digits from `at`; returns false when there is none.
bool SkipDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at > start;
}

// A plain decimal real: optional sign, digits, optional separator with digits, optional
// exponent "E" with optional sign and digits. Returns the text with "." as separator.
std::optional<std::string> PlainDecimal(std::string_view text, std::string_view separator) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    if (!SkipDigits(text, at))
        return std::nullopt;
    std::size_t separatorAt = std::string_view::npos;
    if (!separator.empty() && text.substr(at, separator.size()) == separator) {
        separatorAt = at;
        at += separator.size();
        if (!SkipDigits(text, at))
            return std::nullopt;
    }
    if (at < text.size() && text[at] == 'E') {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (!SkipDigits(text, at))
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    if (separatorAt == std::string_view::npos)
        return std::string(text);
    std::string normalised(text.substr(0, separatorAt));
    normalised += '.';
    normalised += text.substr(separatorAt + separator.size());
    return normalised;
}

// Converts a checked decimal text exactly (nearest double), whatever the process locale.
// A number beyond the double range is not a number; one too small becomes 0 or a denormal.
std::optional<double> ConvertDecimal(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    const double value = strtod_l(text.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

// The kind of a power whose exponent is the constant `exponent`.
TermKind PowerKind(double exponent) {
    if (!(exponent >= -2147483648.0 && exponent < 2147483648.0) || std::trunc(exponent) != exponent)
        return TermKind::RealPower;
    switch (static_cast<std::int32_t>(exponent)) {
    case 2:
        return TermKind::Square;
    case 3:
        return TermKind::Cube;
    case 4:
        return TermKind::FourthPower;
    default:
        return TermKind::IntegerPower;
    }
}

} // namespace

Recognizer::Recognizer(std::string_view text, const VariableTable& variables,
                       const OneArgumentTable& oneArgumentFunctions,
                       const TwoArgumentTable& twoArgumentFunctions, bool pascalNumberFormat)
    : m_text(text), m_variables(variables), m_oneArgumentFunctions(oneArgumentFunctions),
      m_twoArgumentFunctions(twoArgumentFunctions), m_pascalNumberFormat(pascalNumberFormat) {
    const int length = static_cast<int>(text.size());
    m_openBefore.resize(length + 1);
    m_closeBefore.resize(length + 1);
    for (int i = 0; i < length; ++i) {
        m_openBefore[i + 1] = m_openBefore[i] + (text[i] == '(');
        m_closeBefore[i + 1] = m_closeBefore[i] + (text[i] == ')');
    }
    if (length <= kDenseMemoLength)
        m_denseMemo.assign(static_cast<std::size_t>(length + 1) * (length + 1), 0);
}

unsigned& Recognizer::Memo(Piece piece) {
    const long long key = static_cast<long long>(piece.begin) * (m_text.size() + 1) + piece.end;
    if (!m_denseMemo.empty())
        return m_denseMemo[static_cast<std::size_t>(key)];
    return m_sparseMemo[key];
}

bool Recognizer::Is(Form form, Piece piece) {
    if (piece.Length() <= 0)
        return false;
    const unsigned shift = 2 * form;
    if (const unsigned known = (Memo(piece) >> shift) & 3u; known != 0)
        return known == 2;
    if (++m_depth > kMaxNesting)
        throw EExpressionTooComplex();
    const bool yes = Test(form, piece, nullptr, nullptr);
    --m_depth;
    Memo(piece) |= (yes ? 2u : 1u) << shift; // the test may have rehashed the sparse table
    return yes;
}

// Two bits per form in the remembered word: 0 unknown, 1 no, 2 yes.
constexpr unsigned EvenBits(unsigned forms) {
    unsigned spread = 0;
    for (int form = 0; form < 16; ++form)
        if (forms & (1u << form))
            spread |= 1u << (2 * form);
    return spread;
}

bool Recognizer::Accepts(FormSet forms, Piece piece) {
    if (piece.Length() <= 0)
        return false;
    const unsigned known = Memo(piece);
    if (known & (EvenBits(forms) << 1))
        return true; // one of the forms is already known to match
    for (int form = 0; form < kFormCount; ++form)
        if ((forms & (1u << form)) && ((known >> (2 * form)) & 3u) == 0 &&
            Is(static_cast<Form>(form), piece))
            return true;
    return false;
}

Piece Recognizer::StripBrackets(Piece piece) {
    while (Is(kBracketed, piece))
        piece = {piece.begin + 1, piece.end - 1};
    return piece;
}

bool Recognizer::Balanced(Piece piece) const {
    return m_openBefore[piece.end] - m_openBefore[piece.begin] ==
           m_closeBefore[piece.end] - m_closeBefore[piece.begin];
}

int Recognizer::Find(std::string_view what, int from, int end) const {
    const std::string_view upToEnd = m_text.substr(0, end); // search the piece only
    const std::size_t at =
        what.size() == 1 ? upToEnd.find(what[0], from) : upToEnd.find(what, from);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::optional<FormMatch> Recognizer::Classify(Piece piece, OperandCandidates& candidates) {
    candidates = {};
    if (piece.Length() <= 0)
        return std::nullopt;
    for (int form = kVariable; form <= kTwoArgumentCall; ++form) {
        if (Is(static_cast<Form>(form), piece)) {
            FormMatch match;
            (void)Test(static_cast<Form>(form), piece, &match, nullptr);
            return match;
        }
    }
    for (int form = kVariable; form <= kTwoArgumentCall; ++form)
        (void)Test(static_cast<Form>(form), piece, nullptr, &candidates);
    return std::nullopt;
}

bool Recognizer::Test(Form form, Piece piece, FormMatch* match, OperandCandidates* trace) {
    constexpr FormSet kOperand = 1u << kVariable | 1u << kNumber | 1u << kBracketed |
                                 1u << kOneArgumentCall | 1u << kTwoArgumentCall;
    constexpr FormSet kFactor =
        1u << kIntegerQuotient | 1u << kRemainder | 1u << kQuotient | 1u << kPower;
    constexpr FormSet kTermLeft =
        kOperand | 1u << kNegation | 1u << kDifference | 1u << kProduct | kFactor;
    constexpr OperandRule kSumRule{kTermLeft, kOperand | 1u << kSum | 1u << kDifference |
                                                  1u << kProduct | kFactor};
    constexpr OperandRule kDifferenceRule{kTermLeft, kOperand | 1u << kProduct | kFactor};
    constexpr OperandRule kProductRule{kOperand | 1u << kNegation | kFactor,
                                       kOperand | 1u << kProduct | kFactor};
    constexpr OperandRule kFactorRule{kOperand | 1u << kNegation | kFactor,
                                      kOperand | 1u << kPower};
    switch (form) {
    case kVariable:
        return TestVariable(piece, match);
    case kNumber:
        return TestNumber(piece, match);
    case kNegation:
        return TestNegation(piece, match, trace);
    case kSum:
        return TestOperator(piece, "+", TermKind::Sum, kSumRule, match, trace);
    case kDifference:
        return TestOperator(piece, "-", TermKind::Difference, kDifferenceRule, match, trace);
    case kProduct:
        return TestOperator(piece, "*", TermKind::Product, kProductRule, match, trace);
    case kIntegerQuotient:
        return TestOperator(piece, "DIV", TermKind::IntegerQuotient, kFactorRule, match, trace);
    case kRemainder:
        return TestOperator(piece, "MOD", TermKind::Remainder, kFactorRule, match, trace);
    case kQuotient:
        return TestOperator(piece, "/", TermKind::Quotient, kFactorRule, match, trace);
    case kPower:
        return TestPower(piece, match, trace);
    case kOneArgumentCall:
        return TestOneArgumentCall(piece, match, trace);
    case kTwoArgumentCall:
        return TestTwoArgumentCall(piece, match, trace);
    case kBracketed:
        return TestBracketed(piece);
    case kValid:
        return TestValid(piece);
    case kFormCount:
        break;
    }
    return false;
}

// Valid: any form, or brackets around a valid expression. The bracket layers are peeled
// in a loop rather than by recursion, so deep brackets cost no stack.
bool Recognizer::TestValid(Piece piece) {
    constexpr FormSet kAnyButBracketed = (1u << kBracketed) - 1;
    for (;;) {
        if (Accepts(kAnyButBracketed, piece))
            return true;
        if (piece.Length() < 2 || m_text[piece.begin] != '(' || m_text[piece.end - 1] != ')')
            return false;
        piece = {piece.begin + 1, piece.end - 1};
    }
}

bool Recognizer::TestBracketed(Piece piece) {
    return piece.Length() >= 2 && m_text[piece.begin] == '(' && m_text[piece.end - 1] == ')' &&
           Is(kValid, {piece.begin + 1, piece.end - 1});
}

bool Recognizer::TestVariable(Piece piece, FormMatch* match) {
    const auto found = m_variables.find(Text(piece));
    if (found == m_variables.end())
        return false;
    if (match) {
        match->kind = TermKind::Variable;
        match->variableCell = found->second;
    }
    return true;
}

bool Recognizer::TestNumber(Piece piece, FormMatch* match) const {
    const std::string_view text = Text(piece);
    std::optional<double> value;
    if (text == "PI" || text == "-PI") {
        value = text[0] == '-' ? -std::numbers::pi : std::numbers::pi;
    } else {
        const std::string_view separator =
            m_pascalNumberFormat ? std::string_view(".") : std::localeconv()->decimal_point;
        if (const auto decimal = PlainDecimal(text, separator))
            value = ConvertDecimal(*decimal);
    }
    if (!value)
        return false;
    if (match) {
        match->kind = TermKind::Constant;
        match->number = *value;
    }
    return true;
}

bool Recognizer::TestNegation(Piece piece, FormMatch* match, OperandCandidates* trace) {
    constexpr FormSet kNegated = 1u << kBracketed | 1u << kVariable | 1u << kPower |
                                 1u << kOneArgumentCall | 1u << kTwoArgumentCall;
    if (m_text[piece.begin] != '-')
        return false;
    const Piece operand{piece.begin + 1, piece.end};
    if (trace)
        trace->first = operand;
    if (!Accepts(kNegated, operand))
        return false;
    if (match) {
        match->kind = TermKind::Negation;
        match->first = StripBrackets(operand);
    }
    return true;
}

// A two-operand form cut at the leftmost occurrence of its operator where both parts hold
// as many "(" as ")" and are acceptable operands. A character operator in first place
// rules the form out; a word operator there is skipped.
bool Recognizer::TestOperator(Piece piece, std::string_view op, TermKind kind, OperandRule rule,
                              FormMatch* match, OperandCandidates* trace) {
    const bool isWord = op.size() > 1;
    int at = Find(op, piece.begin, piece.end);
    if (!isWord && at == piece.begin)
        return false;
    for (; at >= 0; at = Find(op, at + 1, piece.end)) {
        if (at == piece.begin)
            continue;
        if (!isWord && at == piece.end - 1)
            return false;
        const Piece left{piece.begin, at};
        const Piece right{at + static_cast<int>(op.size()), piece.end};
        if (trace) {
            trace->first = left;
            trace->second = right;
        }
        if (Balanced(left) && Balanced(right) && Accepts(rule.left, left) &&
            Accepts(rule.right, right)) {
            if (match) {
                match->kind = kind;
                match->first = StripBrackets(left);
                match->second = StripBrackets(right);
            }
            return true;
        }
    }
    return false;
}

// A power takes plain operands only; a constant exponent chooses the kind of power.
bool Recognizer::TestPower(Piece piece, FormMatch* match, OperandCandidates* trace) {
    constexpr FormSet kOperand = 1u << kVariable | 1u << kNumber | 1u << kBracketed |
                                 1u << kOneArgumentCall | 1u << kTwoArgumentCall;
    if (!TestOperator(piece, "^", TermKind::RealPower, {kOperand, kOperand}, match, trace))
        return false;
    // A bracketed exponent ends before the piece does once stripped; it is never a number.
    if (match && match->second.end == piece.end) {
        FormMatch exponent;
        if (TestNumber(match->second, &exponent))
            match->kind = PowerKind(exponent.number);
    }
    return true;
}

bool Recognizer::TestOneArgumentCall(Piece piece, FormMatch* match, OperandCandidates* trace) {
    const int open = Find("(", piece.begin, piece.end);
    if (open <= piece.begin)
        return false;
    const auto function = m_oneArgumentFunctions.find(Text({piece.begin, open}));
    if (function == m_oneArgumentFunctions.end())
        return false;
    const Piece bracketed{open, piece.end};
    if (trace && m_text[piece.end - 1] == ')' && open < piece.end - 1)
        trace->first = Piece{open + 1, piece.end - 1};
    if (!Is(kBracketed, bracketed))
        return false;
    if (match) {
        match->kind = TermKind::OneArgumentCall;
        match->first = StripBrackets(bracketed);
        match->oneArgumentCall = function->second;
    }
    return true;
}

// The arguments are cut at the first comma where both parts are valid expressions.
bool Recognizer::TestTwoArgumentCall(Piece piece, FormMatch* match, OperandCandidates* trace) {
    const int open = Find("(", piece.begin, piece.end);
    if (open <= piece.begin || m_text[piece.end - 1] != ')')
        return false;
    const auto function = m_twoArgumentFunctions.find(Text({piece.begin, open}));
    if (function == m_twoArgumentFunctions.end())
        return false;
    const Piece inside{open + 1, piece.end - 1};
    int comma = Find(",", inside.begin, inside.end);
    if (comma < 0 || comma == inside.begin || comma == inside.end - 1)
        return false;
    for (; comma >= 0; comma = Find(",", comma + 1, inside.end)) {
        const Piece left{inside.begin, comma};
        const Piece right{comma + 1, inside.end};
        if (trace) {
            trace->first = left;
            trace->second = right;
        }
        if (Is(kValid, left) && Is(kValid, right)) {
            if (match) {
                match->kind = TermKind::TwoArgumentCall;
                match->first = StripBrackets(left);
                match->second = StripBrackets(right);
                match->twoArgumentCall = function->second;
            }
            return true;
        }
    }
    return false;
}

} // namespace quadrilo::expr
