// Tests of the parser component: values of formulas, arithmetic faults, variables, states.
#include "expr/UParser.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <numbers>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace quadrilo::expr {
namespace {

using Assignments = std::vector<std::pair<const char*, double>>;

// A parser with the variables that the program defines at start-up.
class ParserTest : public ::testing::Test {
protected:
    ParserTest() {
        for (const char* name : {"pp", "ca", "cp", "cl", "Ec", "It", "b", "h"})
            parser.AssignVariable(name, 0);
    }

    double Evaluate(const std::string& formula, const Assignments& assignments) {
        for (const auto& [name, value] : assignments)
            parser.AssignVariable(name, value);
        parser.SetExpression(formula);
        return parser.Value();
    }

    TParser parser;
};

struct ValueCase {
    std::string formula;
    Assignments assignments;
    double value;
};

TEST_F(ParserTest, FormulasEvaluateToTheseValues) {
    const double pi = std::numbers::pi;
    const ValueCase cases[] = {
        {"Ec*0.4", {{"Ec", 2}}, 0.8},
        {"(b^3*h)/3", {{"b", 3}, {"h", 2}}, 18},
        {"pp+1.4*ca+1.4*cp+cl", {{"pp", 1}, {"ca", 10}, {"cp", 5}, {"cl", 4}}, 26},
        {"7DIV2", {}, 3},
        {"-7DIV2", {}, -3},
        {"7MOD-2", {}, 1},
        {"-7MOD2", {}, -1},
        {"7.9DIV2", {}, 3},
        {"-9223372036854775808DIV-1", {}, 9223372036854775808.0},
        {"-9223372036854775808MOD-1", {}, 0},
        {"2^-1", {}, 0.5},
        {"0^0", {}, 1},
        {"x^0.5", {{"x", 0}}, 0},
        {"x^0.5", {{"x", 2.25}}, 1.5},
        {"x^y", {{"x", 2}, {"y", 10}}, 1024},
        {"x^y", {{"x", -2}, {"y", 3}}, -8},
        {"x^-2147483648", {{"x", 1}}, 1},
        {"10^-400", {}, 0},
        {"1E-300*1E-300", {}, 0},
        {"a-b-c", {{"a", 10}, {"b", 3}, {"c", 2}}, 5},
        {"a/b/c", {{"a", 12}, {"b", 3}, {"c", 2}}, 2},
        {"a/b*c", {{"a", 12}, {"b", 3}, {"c", 2}}, 8},
        {"aDIVbDIVc", {{"a", 12}, {"b", 3}, {"c", 2}}, 2},
        {"-a^2", {{"a", 3}}, -9},
        {"-a*b", {{"a", 3}, {"b", 2}}, -6},
        {"a*-2", {{"a", 3}}, -6},
        {"a*(-b)", {{"a", 3}, {"b", 2}}, -6},
        {"(2^3)^2", {}, 64},
        {"2^(3^2)", {}, 512},
        {"x^5", {{"x", 2}}, 32},
        {"x^4", {{"x", 3}}, 81},
        {"pi", {}, pi},
        {"2*pi", {}, 2 * pi},
        {"-PI", {}, -pi},
        {"SIGN(0)", {}, 0},
        {"SIGN(-3)", {}, -1},
        {"HEAV(0)", {}, 1},
        {"HEAV(-1E-300)", {}, 0},
        {"ZERO(0)", {}, 0},
        {"ZERO(5)", {}, 1},
        {"MIN(2,2)", {}, 2},
        {"MAX(2,2)", {}, 2},
        {"MAX(a,MIN(b,c))", {{"a", 1}, {"b", 5}, {"c", 3}}, 3},
        {"MAX(MIN(a,b),c)", {{"a", 1}, {"b", 5}, {"c", 0}}, 1},
        {"PH(1)", {}, (1.5707963267948966 - 2) * 6.283185307179586},
        {"SIN(1E19)", {}, 0},
        {"COS(-1E19)", {}, 0},
        {"COS(0)", {}, 1},
        {"SINH(1)", {}, std::sinh(1.0)},
        {"COSH(1)", {}, std::cosh(1.0)},
        {"ARCTAN(1)", {}, pi / 4},
        {"LN(EXP(2))", {}, 2},
        {"SQRT(ABS(-16))", {}, 4},
        {"EXP(-1000)", {}, 0},
        {"RND(0.9)", {}, 0},
    };
    for (const ValueCase& test : cases)
        EXPECT_DOUBLE_EQ(Evaluate(test.formula, test.assignments), test.value) << test.formula;
}

TEST_F(ParserTest, RandomNumberStaysBelowTheIntegralPartOfItsArgument) {
    parser.SetExpression("RND(10.7)");
    for (int i = 0; i < 100; ++i) {
        const double value = parser.Value();
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 10);
    }
}

struct FaultCase {
    std::string formula;
    Assignments assignments;
    const std::type_info& type;
    std::string message;
};

TEST_F(ParserTest, ArithmeticFaultsRaiseTheRuntimeErrors) {
    const std::string invalid = "Invalid floating point operation";
    const std::string zeroDivide = "Floating point division by zero";
    const std::string overflow = "Floating point overflow";
    const FaultCase cases[] = {
        {"x^0.5", {{"x", -4}}, typeid(EInvalidOp), invalid},
        {"SQRT(-1)", {}, typeid(EInvalidOp), invalid},
        {"LN(-1)", {}, typeid(EInvalidOp), invalid},
        {"0/0", {}, typeid(EInvalidOp), invalid},
        {"1E19DIV2", {}, typeid(EInvalidOp), invalid},
        {"2MOD-1E19", {}, typeid(EInvalidOp), invalid},
        {"1/0", {}, typeid(EZeroDivide), zeroDivide},
        {"LN(0)", {}, typeid(EZeroDivide), zeroDivide},
        {"0^-1", {}, typeid(EZeroDivide), zeroDivide},
        {"0^-0.5", {}, typeid(EZeroDivide), zeroDivide},
        {"1E308*10", {}, typeid(EOverflow), overflow},
        {"10^400", {}, typeid(EOverflow), overflow},
        {"EXP(1000)", {}, typeid(EOverflow), overflow},
        {"SINH(800)", {}, typeid(EOverflow), overflow},
        {"x^2", {{"x", 1e200}}, typeid(EOverflow), overflow},
        {"7DIV0", {}, typeid(EDivByZero), "Division by zero"},
        {"7MOD0.5", {}, typeid(EDivByZero), "Division by zero"},
    };
    for (const FaultCase& test : cases) {
        try {
            const double value = Evaluate(test.formula, test.assignments);
            ADD_FAILURE() << test.formula << " gave " << value;
        } catch (const EMathError& error) {
            EXPECT_EQ(typeid(error), test.type) << test.formula;
            EXPECT_EQ(error.what(), test.message) << test.formula;
        }
    }
}

TEST_F(ParserTest, FaultLeavesTheFormulaReadyForTheNextValues) {
    parser.SetExpression("1/x");
    parser.AssignVariable("x", 0);
    EXPECT_THROW((void)parser.Value(), EZeroDivide);
    parser.AssignVariable("x", 4);
    EXPECT_EQ(parser.Value(), 0.25);
}

TEST_F(ParserTest, ValueFollowsTheVariablesWithoutRecompiling) {
    parser.SetExpression("(b*h^3)/6");
    double& b = parser.AssignVariable("b", 30);
    parser.AssignVariable("h", 10);
    EXPECT_DOUBLE_EQ(parser.Value(), 5000);
    b = 60;
    EXPECT_DOUBLE_EQ(parser.Value(), 10000);
    parser.SetB(3);
    EXPECT_DOUBLE_EQ(parser.Value(), 500);
}

TEST_F(ParserTest, VariableNamesAreCaseInsensitiveAndPredefinedCellsShared) {
    double& lower = parser.AssignVariable("pp", 1);
    double& upper = parser.AssignVariable("PP", 2);
    EXPECT_EQ(&lower, &upper);
    EXPECT_EQ(lower, 2);

    parser.AssignVariable("b", 2);
    EXPECT_EQ(parser.B(), 2);
    parser.SetT(7);
    parser.SetExpression("t");
    EXPECT_EQ(parser.Value(), 7);

    parser.AssignVariable("_len2", 4);
    parser.SetExpression("_LEN2*2");
    EXPECT_EQ(parser.Value(), 8);
}

TEST_F(ParserTest, BadVariableNamesRaiseTheirUpperCasedName) {
    for (const auto& [name, message] : {std::pair{"1x", "1X"}, std::pair{"a-b", "A-B"},
                                        std::pair{"", ""}, std::pair{"x y", "X Y"}}) {
        try {
            parser.AssignVariable(name, 1);
            ADD_FAILURE() << name << " was accepted";
        } catch (const EBadName& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
    EXPECT_THROW(parser.SetExpression("1X"), ESyntaxError);
}

TEST_F(ParserTest, NoFormulaGivesZero) {
    EXPECT_EQ(parser.Value(), 0);
    parser.SetExpression("2+3");
    EXPECT_EQ(parser.Value(), 5);
    parser.SetExpression("");
    EXPECT_EQ(parser.Value(), 0);
    EXPECT_EQ(parser.Expression(), "");
}

TEST_F(ParserTest, FailedCompileLeavesNoFormulaButKeepsTheText) {
    parser.SetExpression("2+3");
    EXPECT_THROW(parser.SetExpression("Ec*0,4"), ESyntaxError);
    EXPECT_TRUE(parser.Failed());
    EXPECT_EQ(parser.Expression(), "Ec*0,4");
    EXPECT_EQ(parser.Value(), 0);

    parser.SetExpression("Ec*0.4");
    EXPECT_FALSE(parser.Failed());
    EXPECT_EQ(parser.Expression(), "Ec*0.4");
}

TEST_F(ParserTest, ErrorHandlerReceivesCompileErrorsInsteadOfTheCaller) {
    std::vector<std::string> received;
    parser.SetOnParserError([&](TCustomParser& sender, const EMathParserError& error) {
        EXPECT_EQ(&sender, &parser);
        received.push_back(error.what());
    });
    EXPECT_NO_THROW(parser.SetExpression("(a+b"));
    EXPECT_NO_THROW(parser.SetExpression("a + b"));
    EXPECT_EQ(received, (std::vector<std::string>{"Missing brackets in expression",
                                                  "Expression has blanks"}));
    EXPECT_TRUE(parser.Failed());
    EXPECT_EQ(parser.Value(), 0);
}

TEST_F(ParserTest, LaterVariableDoesNotRepairAFailedFormula) {
    EXPECT_THROW(parser.SetExpression("q*2"), ESyntaxError);
    parser.AssignVariable("q", 3);
    EXPECT_EQ(parser.Value(), 0);
    parser.SetExpression("q*2");
    EXPECT_EQ(parser.Value(), 6);
}

TEST_F(ParserTest, DuplicateFunctionNameIsRefused) {
    EXPECT_THROW(parser.DefineFunction(
                     "sin", +[](long double x) { return x; }),
                 EMathParserError);
    parser.DefineFunction(
        "twice", +[](long double x) { return 2 * x; });
    parser.SetExpression("TWICE(4)");
    EXPECT_EQ(parser.Value(), 8);
}

// Restores the process's numeric locale when a test ends.
class NumericLocale {
public:
    explicit NumericLocale(const char* name)
        : m_previous(std::setlocale(LC_NUMERIC, nullptr)),
          m_active(std::setlocale(LC_NUMERIC, name) != nullptr) {}
    ~NumericLocale() { std::setlocale(LC_NUMERIC, m_previous.c_str()); }
    [[nodiscard]] bool Active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active;
};

TEST_F(ParserTest, NumberFormatFlagChoosesTheDecimalSeparator) {
    const NumericLocale german("de_DE.UTF-8");
    if (!german.Active())
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    parser.AssignVariable("Ec", 2);
    EXPECT_TRUE(parser.PascalNumberformat());
    parser.SetExpression("Ec*0.4");
    EXPECT_DOUBLE_EQ(parser.Value(), 0.8);
    EXPECT_THROW(parser.SetExpression("Ec*0,4"), ESyntaxError);

    parser.SetPascalNumberformat(false);
    parser.SetExpression("Ec*0,4");
    EXPECT_DOUBLE_EQ(parser.Value(), 0.8);
    EXPECT_THROW(parser.SetExpression("Ec*0.4"), ESyntaxError);
}

} // namespace
} // namespace quadrilo::expr
