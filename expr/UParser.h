// The parser component: variables, function tables, the current formula and its value.
#pragma once

#include "UExprBuild.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quadrilo::expr {

class TCustomParser;

// Receives compile errors in place of the writer of the formula.
using TParserExceptionEvent =
    std::function<void(TCustomParser& sender, const EMathParserError& error)>;

// Holds the variable table and the function tables, compiles the formula given to
// SetExpression and evaluates it on Value. Variable cells never move while the parser
// lives, so the parser can be neither copied nor moved.
//
// States: no formula (Value gives 0), compiled, or failed (Value gives 0, Failed() is true
// and Expression() still returns the failed text).
class TCustomParser {
public:
    TCustomParser() = default;
    virtual ~TCustomParser() = default;
    TCustomParser(const TCustomParser&) = delete;
    TCustomParser& operator=(const TCustomParser&) = delete;

    // Runs the compiled formula over the current variable values; 0 without a formula.
    // No allocation, lookup or text work. Throws EMathError on an arithmetic fault.
    [[nodiscard]] double Value() const { return m_compiled ? m_compiled->Run() : 0.0; }

    // Stores the text and compiles it (an empty text leaves no formula). A compile error
    // goes to OnParserError when one is set, else it is thrown.
    void SetExpression(std::string_view text);
    [[nodiscard]] const std::string& Expression() const { return m_expression; }

    // Whether the last non-empty formula failed to compile.
    [[nodiscard]] bool Failed() const { return m_failed; }

    // "." as the decimal separator of numbers (the default); when false, the separator of
    // the process's C locale. Takes effect at the next SetExpression.
    void SetPascalNumberformat(bool pascal) { m_pascalNumberFormat = pascal; }
    [[nodiscard]] bool PascalNumberformat() const { return m_pascalNumberFormat; }

    void SetOnParserError(TParserExceptionEvent handler) { m_onParserError = std::move(handler); }
    [[nodiscard]] const TParserExceptionEvent& OnParserError() const { return m_onParserError; }

    // Sets a variable, defining it first when its upper-cased name is new (A, B, C, D, E, T,
    // X and Y use the predefined cells). Returns the variable's cell, which stays valid for
    // the parser's lifetime. Throws EBadName when the name is not an identifier.
    double& AssignVariable(std::string_view name, double value);

    // Adds a function to the one- or two-argument table; throws EMathParserError when the
    // upper-cased name is already there.
    void DefineFunction(std::string_view name, OneArgumentFunction function);
    void DefineFunction(std::string_view name, TwoArgumentFunction function);

protected:
    // The predefined variables, held inside the parser.
    double m_A = 0, m_B = 0, m_C = 0, m_D = 0, m_E = 0, m_X = 0, m_Y = 0, m_T = 0;

private:
    std::string m_expression;
    bool m_pascalNumberFormat = true;
    bool m_failed = false;
    VariableTable m_variables;
    std::deque<double> m_variableCells; // cells of the variables that are not predefined
    std::optional<CompiledExpression> m_compiled;
    TParserExceptionEvent m_onParserError;
    OneArgumentTable m_oneArgumentFunctions;
    TwoArgumentTable m_twoArgumentFunctions;
};

// The parser with the predefined variables A, B, C, D, E, X, Y, T and every built-in
// function: TAN, SIN, COS, SINH, COSH, ARCTAN, EXP, LN, SQRT, ABS, HEAV, SIGN, ZERO, PH, RND
// with one argument, MAX and MIN with two.
class TParser : public TCustomParser {
public:
    TParser();

    [[nodiscard]] double A() const { return m_A; }
    [[nodiscard]] double B() const { return m_B; }
    [[nodiscard]] double C() const { return m_C; }
    [[nodiscard]] double D() const { return m_D; }
    [[nodiscard]] double E() const { return m_E; }
    [[nodiscard]] double T() const { return m_T; }
    [[nodiscard]] double X() const { return m_X; }
    [[nodiscard]] double Y() const { return m_Y; }
    void SetA(double value) { m_A = value; }
    void SetB(double value) { m_B = value; }
    void SetC(double value) { m_C = value; }
    void SetD(double value) { m_D = value; }
    void SetE(double value) { m_E = value; }
    void SetT(double value) { m_T = value; }
    void SetX(double value) { m_X = value; }
    void SetY(double value) { m_Y = value; }
};

} // namespace quadrilo::expr
