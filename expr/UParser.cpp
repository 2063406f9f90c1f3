// The parser component: variable table, function tables, compiling and evaluating formulas.
#include "UParser.h"

#include "ExprRoutines.h"

namespace quadrilo::expr {

namespace {

std::string UpperCase(std::string_view name) {
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsLetterOrUnderscore(char c) {
    return (c >= 'A' && c <= 'Z') || c == '_';
}

// An upper-cased identifier: a letter or underscore, then letters, digits and underscores.
bool IsIdentifier(std::string_view name) {
    if (name.empty() || !IsLetterOrUnderscore(name[0]))
        return false;
    for (char c : name)
        if (!IsLetterOrUnderscore(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

template <typename Table, typename Function>
void AddFunction(Table& table, std::string_view name, Function function) {
    if (!table.emplace(UpperCase(name), function).second)
        throw EMathParserError("Function " + UpperCase(name) + " is already defined");
}

} // namespace

void TCustomParser::SetExpression(std::string_view text) {
    m_compiled.reset();
    m_expression = text;
    if (text.empty())
        return;
    try {
        m_compiled.emplace(CompileExpression(text, m_variables, m_oneArgumentFunctions,
                                             m_twoArgumentFunctions, m_pascalNumberFormat));
        m_failed = false;
    } catch (const EMathParserError& error) {
        m_failed = true;
        if (!m_onParserError)
            throw;
        m_onParserError(*this, error);
        return;
    }
    for (OperationRecord& record : m_compiled->Records())
        record.routine = RoutineFor(record.kind);
}

double& TCustomParser::AssignVariable(std::string_view name, double value) {
    std::string upper = UpperCase(name);
    if (const auto found = m_variables.find(upper); found != m_variables.end())
        return *found->second = value;
    double* cell = nullptr;
    if (upper.size() == 1) {
        switch (upper[0]) {
        case 'A':
            cell = &m_A;
            break;
        case 'B':
            cell = &m_B;
            break;
        case 'C':
            cell = &m_C;
            break;
        case 'D':
            cell = &m_D;
            break;
        case 'E':
            cell = &m_E;
            break;
        case 'T':
            cell = &m_T;
            break;
        case 'X':
            cell = &m_X;
            break;
        case 'Y':
            cell = &m_Y;
            break;
        default:
            break;
        }
    }
    if (!cell) {
        if (!IsIdentifier(upper))
            throw EBadName(upper);
        cell = &m_variableCells.emplace_back();
    }
    *cell = value;
    m_variables.emplace(std::move(upper), cell);
    return *cell;
}

void TCustomParser::DefineFunction(std::string_view name, OneArgumentFunction function) {
    AddFunction(m_oneArgumentFunctions, name, function);
}

void TCustomParser::DefineFunction(std::string_view name, TwoArgumentFunction function) {
    AddFunction(m_twoArgumentFunctions, name, function);
}

TParser::TParser() {
    for (const char* name : {"A", "B", "C", "D", "E", "X", "Y", "T"})
        AssignVariable(name, 0);
    using namespace builtin;
    const std::pair<const char*, OneArgumentFunction> oneArgument[] = {
        {"TAN", Tan},       {"SIN", Sin},   {"COS", Cos},   {"SINH", Sinh}, {"COSH", Cosh},
        {"ARCTAN", ArcTan}, {"EXP", Exp},   {"LN", Ln},     {"SQRT", Sqrt}, {"ABS", Abs},
        {"HEAV", Heav},     {"SIGN", Sign}, {"ZERO", Zero}, {"PH", Ph},     {"RND", Rnd}};
    for (const auto& [name, function] : oneArgument)
        DefineFunction(name, function);
    DefineFunction("MAX", Max);
    DefineFunction("MIN", Min);
}

} // namespace quadrilo::expr
