// Exceptions of the formula language: compile errors of the parser and arithmetic faults of a run.
#pragma once

#include <exception>
#include <string>

namespace quadrilo::expr {

// Root of every error that compiling a formula or naming a variable can raise.
class EMathParserError : public std::exception {
public:
    explicit EMathParserError(std::string message) : m_message(std::move(message)) {}
    [[nodiscard]] const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

class EExpressionHasBlanks : public EMathParserError {
public:
    EExpressionHasBlanks() : EMathParserError("Expression has blanks") {}
};

class EMissMatchingBracket : public EMathParserError {
public:
    EMissMatchingBracket() : EMathParserError("Missing brackets in expression") {}
};

class ESyntaxError : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

class ETooManyNestings : public EMathParserError {
public:
    ETooManyNestings() : EMathParserError("Expression contains too many nestings") {}
};

class EExpressionTooComplex : public EMathParserError {
public:
    EExpressionTooComplex() : EMathParserError("Expression is too complex") {}
};

class EParserInternalError : public EMathParserError {
public:
    EParserInternalError() : EMathParserError("TParser internal error") {}
};

// A variable name that is not an identifier; the message is the upper-cased name.
class EBadName : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

// Arithmetic faults met while a compiled formula runs, with the runtime's standard messages.
class EMathError : public std::exception {
public:
    explicit EMathError(const char* message) : m_message(message) {}
    [[nodiscard]] const char* what() const noexcept override { return m_message; }

private:
    const char* m_message;
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// Integer division (DIV, MOD) by zero.
class EDivByZero : public EMathError {
public:
    EDivByZero() : EMathError("Division by zero") {}
};

} // namespace quadrilo::expr
