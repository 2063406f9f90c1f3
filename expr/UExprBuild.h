// The formula compiler: turns a formula text into a flat list of operations over value cells.
#pragma once

#include "UExprErrors.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::expr {

// Kind codes of a term and of the operation record it compiles to.
enum class TermKind : std::uint8_t {
    Variable = 0,
    Constant = 1,
    Negation = 2,
    Sum = 3,
    Difference = 4,
    Product = 5,
    Quotient = 6,
    Remainder = 7,
    IntegerQuotient = 8,
    IntegerPower = 9,
    RealPower = 10,
    Square = 11,
    Cube = 12,
    FourthPower = 13,
    OneArgumentCall = 14,
    TwoArgumentCall = 15,
};

// Kinds whose term has a single operand (and whose record has no second operand cell).
[[nodiscard]] constexpr bool HasOneOperand(TermKind kind) {
    return kind == TermKind::Negation || kind == TermKind::Square || kind == TermKind::Cube ||
           kind == TermKind::FourthPower || kind == TermKind::OneArgumentCall;
}

// Built-in functions compute in extended precision; the routine rounds the result to a cell.
using OneArgumentFunction = long double (*)(long double x);
using TwoArgumentFunction = long double (*)(long double a, long double b);

struct OperationRecord;
// Reads the record's operand cells and writes its result cell; throws EMathError on a fault.
using Routine = void (*)(const OperationRecord& record);

// One step of a compiled formula.
struct OperationRecord {
    double* firstOperand = nullptr;
    double* secondOperand = nullptr; // none for the one-operand kinds
    double* result = nullptr;
    Routine routine = nullptr;                     // bound by the parser after the compile
    OneArgumentFunction oneArgumentCall = nullptr; // the called function of kind 14
    TwoArgumentFunction twoArgumentCall = nullptr; // the called function of kind 15
    TermKind kind = TermKind::Variable;
};

// Name tables: upper-case names, sorted, looked up exactly.
using VariableTable = std::map<std::string, double*, std::less<>>;
using OneArgumentTable = std::map<std::string, OneArgumentFunction, std::less<>>;
using TwoArgumentTable = std::map<std::string, TwoArgumentFunction, std::less<>>;

// A compiled formula: its records in run order and the constant and result cells it owns.
// Variable cells stay with the variable table. Moving the list keeps every cell in place.
class CompiledExpression {
public:
    [[nodiscard]] std::span<const OperationRecord> Records() const { return m_records; }
    [[nodiscard]] std::span<OperationRecord> Records() { return m_records; }

    // Runs every record once, in order, and returns the last result. Routines must be bound.
    [[nodiscard]] double Run() const {
        for (const OperationRecord& record : m_records)
            record.routine(record);
        return *m_records.back().result;
    }

private:
    friend class ListBuilder;
    std::vector<OperationRecord> m_records;
    std::deque<double> m_cells; // a deque never moves its elements as it grows
};

// Compiles a formula. pascalNumberFormat selects "." as the decimal separator of numbers;
// when false, numbers use the decimal separator of the process's C locale.
// Throws an EMathParserError; after an error nothing built by the compile remains.
[[nodiscard]] CompiledExpression CompileExpression(std::string_view formula,
                                                   const VariableTable& variables,
                                                   const OneArgumentTable& oneArgumentFunctions,
                                                   const TwoArgumentTable& twoArgumentFunctions,
                                                   bool pascalNumberFormat = true);

} // namespace quadrilo::expr
