// Tests of the formula compiler: compiled records, precedence, limits and syntax errors.
#include "expr/ExprRoutines.h"
#include "expr/UExprBuild.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

namespace quadrilo::expr {
namespace {

class CompilerTest : public ::testing::Test {
protected:
    CompiledExpression Compile(std::string_view formula) {
        return CompileExpression(formula, variables, oneArgument, twoArgument);
    }

    std::vector<TermKind> Kinds(std::string_view formula) {
        std::vector<TermKind> kinds;
        const CompiledExpression list = Compile(formula);
        for (const OperationRecord& record : list.Records())
            kinds.push_back(record.kind);
        return kinds;
    }

    double pp = 0, ca = 0, cp = 0, cl = 0, a = 0, b = 0, c = 0, h = 0, x = 0, y = 0, ec = 0;
    VariableTable variables{{"PP", &pp}, {"CA", &ca}, {"CP", &cp}, {"CL", &cl},
                            {"A", &a},   {"B", &b},   {"C", &c},   {"H", &h},
                            {"X", &x},   {"Y", &y},   {"EC", &ec}};
    OneArgumentTable oneArgument{{"SIN", builtin::Sin}, {"SQRT", builtin::Sqrt}};
    TwoArgumentTable twoArgument{{"MAX", builtin::Max}, {"MIN", builtin::Min}};
};

TEST_F(CompilerTest, LoadCombinationCompilesToTheFiveRecordsInRunOrder) {
    const CompiledExpression list = Compile("pp+1.4*ca+1.4*cp+cl");
    const auto records = list.Records();
    ASSERT_EQ(records.size(), 5u);
    // slot (4,1): 1.4 * CP
    EXPECT_EQ(records[0].kind, TermKind::Product);
    EXPECT_EQ(*records[0].firstOperand, 1.4);
    EXPECT_EQ(records[0].secondOperand, &cp);
    // slot (3,1): 1.4 * CA
    EXPECT_EQ(records[1].kind, TermKind::Product);
    EXPECT_EQ(*records[1].firstOperand, 1.4);
    EXPECT_EQ(records[1].secondOperand, &ca);
    // slot (3,2): r1 + CL
    EXPECT_EQ(records[2].kind, TermKind::Sum);
    EXPECT_EQ(records[2].firstOperand, records[0].result);
    EXPECT_EQ(records[2].secondOperand, &cl);
    // slot (2,1): r2 + r3
    EXPECT_EQ(records[3].kind, TermKind::Sum);
    EXPECT_EQ(records[3].firstOperand, records[1].result);
    EXPECT_EQ(records[3].secondOperand, records[2].result);
    // slot (1,1): PP + r4
    EXPECT_EQ(records[4].kind, TermKind::Sum);
    EXPECT_EQ(records[4].firstOperand, &pp);
    EXPECT_EQ(records[4].secondOperand, records[3].result);
}

TEST_F(CompilerTest, SlabTorsionFormulaCompilesToCubeProductQuotient) {
    const CompiledExpression list = Compile("(b*h^3)/6");
    const auto records = list.Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].kind, TermKind::Cube);
    EXPECT_EQ(records[0].firstOperand, &h);
    EXPECT_EQ(records[0].secondOperand, nullptr);
    EXPECT_EQ(records[1].kind, TermKind::Product);
    EXPECT_EQ(records[1].firstOperand, &b);
    EXPECT_EQ(records[1].secondOperand, records[0].result);
    EXPECT_EQ(records[2].kind, TermKind::Quotient);
    EXPECT_EQ(records[2].firstOperand, records[1].result);
    EXPECT_EQ(*records[2].secondOperand, 6.0);
}

TEST_F(CompilerTest, SingleVariableOrNumberIsOneRecordOverItsOwnCell) {
    const CompiledExpression variable = Compile("x");
    ASSERT_EQ(variable.Records().size(), 1u);
    EXPECT_EQ(variable.Records()[0].result, &x);

    const CompiledExpression number = Compile("((2.5))");
    ASSERT_EQ(number.Records().size(), 1u);
    EXPECT_EQ(*number.Records()[0].result, 2.5);
}

TEST_F(CompilerTest, EnclosingBracketsAndOuterBlanksChangeNothing) {
    for (const char* formula : {"((a+b))", " a+b ", "(((A)+B))", "((a)+(b))"}) {
        const CompiledExpression list = Compile(formula);
        ASSERT_EQ(list.Records().size(), 1u) << formula;
        EXPECT_EQ(list.Records()[0].kind, TermKind::Sum) << formula;
        EXPECT_EQ(list.Records()[0].firstOperand, &a) << formula;
        EXPECT_EQ(list.Records()[0].secondOperand, &b) << formula;
    }
}

TEST_F(CompilerTest, SumIsCutAtItsLeftmostPlusDifferenceGroupsToTheLeft) {
    // a+b+c is a+(b+c): the record of the root comes last and reads A directly.
    const CompiledExpression sum = Compile("a+b+c");
    EXPECT_EQ(sum.Records().back().firstOperand, &a);
    EXPECT_EQ(sum.Records().front().firstOperand, &b);
    // a-b-c is (a-b)-c: the root reads C directly.
    const CompiledExpression difference = Compile("a-b-c");
    EXPECT_EQ(difference.Records().back().secondOperand, &c);
    EXPECT_EQ(difference.Records().front().firstOperand, &a);
}

struct KindCase {
    const char* formula;
    std::vector<TermKind> kinds;
};

TEST_F(CompilerTest, FormulasCompileToTheseKinds) {
    using K = TermKind;
    const KindCase cases[] = {
        {"x^2", {K::Square}},
        {"x^3", {K::Cube}},
        {"x^4", {K::FourthPower}},
        {"x^2.0", {K::Square}},
        {"x^5", {K::IntegerPower}},
        {"x^0", {K::IntegerPower}},
        {"x^-1", {K::IntegerPower}},
        {"x^-2147483648", {K::IntegerPower}},
        {"x^2147483648", {K::RealPower}},
        {"x^0.5", {K::RealPower}},
        {"x^y", {K::RealPower}},
        {"x^(2)", {K::RealPower}},
        {"x^pi", {K::RealPower}},
        {"(2^3)^2", {K::Cube, K::Square}},
        {"2^(3^2)", {K::Square, K::RealPower}},
        {"-a+b", {K::Negation, K::Sum}},
        {"(-a)-b", {K::Negation, K::Difference}},
        {"-a*b", {K::Negation, K::Product}},
        {"-a^2", {K::Square, K::Negation}},
        {"a*-2", {K::Product}},
        {"a*(-b)", {K::Negation, K::Product}},
        {"-2", {K::Variable}},
        {"7DIV2", {K::IntegerQuotient}},
        {"7mod2", {K::Remainder}},
        {"a*b/c", {K::Quotient, K::Product}},
        {"a/b*c", {K::Quotient, K::Product}},
        {"sin(x)", {K::OneArgumentCall}},
        {"SIN((X))", {K::OneArgumentCall}},
        {"MAX(a,MIN(b,c))", {K::TwoArgumentCall, K::TwoArgumentCall}},
        {"MAX(MIN(a,b),c)", {K::TwoArgumentCall, K::TwoArgumentCall}},
    };
    for (const KindCase& test : cases)
        EXPECT_EQ(Kinds(test.formula), test.kinds) << test.formula;
}

TEST_F(CompilerTest, PiIsTheNearestDoubleInAnyCase) {
    for (const char* formula : {"pi", "Pi", "PI"})
        EXPECT_EQ(*Compile(formula).Records()[0].result, 0x1.921fb54442d18p+1) << formula;
    EXPECT_EQ(*Compile("-PI").Records()[0].result, -0x1.921fb54442d18p+1);
}

TEST_F(CompilerTest, NumbersFollowThePlainDecimalFormat) {
    const struct {
        const char* text;
        double value;
    } numbers[] = {{"1E-5", 1e-5}, {"2.5E+3", 2500},
                   {"+7", 7},      {"0.1", 0.1},
                   {"1e-400", 0},  {"123456789012345678901", 1.2345678901234568e20}};
    for (const auto& number : numbers)
        EXPECT_EQ(*Compile(number.text).Records()[0].result, number.value) << number.text;
    for (const char* notNumber : {"2E", "1.", ".5", "1E999", "0X10", "1,5", "INF", "NAN"})
        EXPECT_THROW((void)Compile(notNumber), ESyntaxError) << notNumber;
}

struct ErrorCase {
    std::string formula;
    const std::type_info& type;
    std::string message;
};

std::string Repeated(const std::string& piece, int times, const std::string& separator) {
    std::string text = piece;
    for (int i = 1; i < times; ++i)
        text += separator + piece;
    return text;
}

// A full binary tree of sums `depth` levels deep: ((A+A)+(A+A))...
std::string SumTree(int depth) {
    return depth == 0 ? "A" : "(" + SumTree(depth - 1) + "+" + SumTree(depth - 1) + ")";
}

TEST_F(CompilerTest, FaultyFormulasRaiseTheseErrors) {
    const std::string parse = "Error parsing expression:\r";
    const ErrorCase cases[] = {
        {"a + b", typeid(EExpressionHasBlanks), "Expression has blanks"},
        {"7 DIV 2", typeid(EExpressionHasBlanks), "Expression has blanks"},
        {"(a+b", typeid(EMissMatchingBracket), "Missing brackets in expression"},
        {"a+b))", typeid(EMissMatchingBracket), "Missing brackets in expression"},
        {")a+b(", typeid(ESyntaxError), parse + ")A\rB("},
        {"a+*b", typeid(ESyntaxError), parse + "A+\rB"},
        {"-a-b", typeid(ESyntaxError), parse + "A-B\r "},
        {"--2", typeid(ESyntaxError), parse + "-2\r "},
        {"a*-b", typeid(ESyntaxError), parse + "A\r-B"},
        {"2^3^2", typeid(ESyntaxError), parse + "2^3\r2"},
        {"Ec*0,4", typeid(ESyntaxError), parse + "EC\r0,4"},
        {"7DIV", typeid(ESyntaxError), parse + "7\r"},
        {"zz", typeid(ESyntaxError), parse + "ZZ"},
        {"   ", typeid(ESyntaxError), parse},
        {"a+", typeid(ESyntaxError), parse + "A+"},
        {"SQRT(a,b)", typeid(ESyntaxError), parse + "A,B\r "},
        {"MAX(,a)", typeid(ESyntaxError), parse + "MAX(,A)"},
        {"MAX(a)", typeid(ESyntaxError), parse + "MAX(A)"},
        {Repeated("1", 21, "+"), typeid(EMathParserError), ""}, // compiles: see below
        {Repeated("1", 22, "+"), typeid(ETooManyNestings), "Expression contains too many nestings"},
        {SumTree(6), typeid(EMathParserError), ""},
        {SumTree(7), typeid(EExpressionTooComplex), "Expression is too complex"},
    };
    for (const ErrorCase& test : cases) {
        if (test.message.empty()) {
            EXPECT_NO_THROW((void)Compile(test.formula)) << test.formula;
            continue;
        }
        try {
            (void)Compile(test.formula);
            ADD_FAILURE() << test.formula << " compiled";
        } catch (const EMathParserError& error) {
            EXPECT_EQ(typeid(error), test.type) << test.formula;
            EXPECT_EQ(error.what(), test.message) << test.formula;
        }
    }
}

TEST_F(CompilerTest, NameMustBeInTheTableWhenCompiled) {
    EXPECT_THROW((void)Compile("late*2"), ESyntaxError);
    double late = 3;
    variables.emplace("LATE", &late);
    EXPECT_EQ(Compile("late*2").Records()[0].firstOperand, &late);
}

// Formulas whose pieces the recognisers would re-test exponentially often without
// remembering answers; each must still give the right answer (speed: see expr-bench).
TEST_F(CompilerTest, AdversarialFormulasGiveTheirOrdinaryResult) {
    const std::string deepBrackets = std::string(120, '(') + "A" + std::string(120, ')');
    EXPECT_EQ(Compile(deepBrackets).Records()[0].result, &a);

    std::string nestedCalls = "A";
    for (int i = 0; i < 20; ++i)
        nestedCalls = "MAX(" + nestedCalls + ",A)";
    EXPECT_EQ(Compile(nestedCalls).Records().size(), 20u);

    const std::string chain = "(" + Repeated("A-B*C/X", 40, "+") + ")";
    EXPECT_THROW((void)Compile(chain), ETooManyNestings);

    const std::string commas = "MAX(" + Repeated("(A", 60, ",") + std::string(60, ')') + ")";
    EXPECT_THROW((void)Compile(commas), ESyntaxError);

    // Far longer than a project can store: refused without exhausting the stack.
    const std::string huge = Repeated("-(A", 3000, "") + std::string(3000, ')');
    EXPECT_THROW((void)Compile(huge), EExpressionTooComplex);
}

} // namespace
} // namespace quadrilo::expr
