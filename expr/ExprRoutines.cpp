// Routines of the operation records and the built-in functions. Nothing traps arithmetic
// faults in C++, so each routine detects them and throws the runtime's error instead.
#include "ExprRoutines.h"

#include <cmath>
#include <random>

namespace quadrilo::expr {

namespace {

// Rounds an extended result to its double cell: a NaN is an invalid operation and a value
// beyond the double range an overflow; an underflow quietly gives 0 or a denormal.
double Stored(long double value) {
    if (std::isnan(value))
        throw EInvalidOp();
    const double rounded = static_cast<double>(value);
    if (std::isinf(rounded))
        throw EOverflow();
    return rounded;
}

// DIV and MOD work on the operands truncated toward zero to 64-bit signed integers.
std::int64_t Truncated64(long double x) {
    const long double whole = std::trunc(x);
    if (!(whole >= -0x1p63L && whole < 0x1p63L))
        throw EInvalidOp();
    return static_cast<std::int64_t>(whole);
}

long double A(const OperationRecord& r) {
    return *r.firstOperand;
}
long double B(const OperationRecord& r) {
    return *r.secondOperand;
}

void Nothing(const OperationRecord&) {}
void Negation(const OperationRecord& r) {
    *r.result = Stored(-A(r));
}
void Sum(const OperationRecord& r) {
    *r.result = Stored(A(r) + B(r));
}
void Difference(const OperationRecord& r) {
    *r.result = Stored(A(r) - B(r));
}
void Product(const OperationRecord& r) {
    *r.result = Stored(A(r) * B(r));
}

void Quotient(const OperationRecord& r) {
    if (B(r) == 0) {
        if (A(r) == 0 || std::isnan(A(r)))
            throw EInvalidOp(); // 0/0 has no value at all
        throw EZeroDivide();
    }
    *r.result = Stored(A(r) / B(r));
}

void Remainder(const OperationRecord& r) {
    const std::int64_t a = Truncated64(A(r));
    const std::int64_t b = Truncated64(B(r));
    if (b == 0)
        throw EDivByZero();
    *r.result = b == -1 ? 0.0 : static_cast<double>(a % b); // b = -1 would overflow for the least a
}

void IntegerQuotient(const OperationRecord& r) {
    const std::int64_t a = Truncated64(A(r));
    const std::int64_t b = Truncated64(B(r));
    if (b == 0)
        throw EDivByZero();
    // The least 64-bit integer divided by -1 is 2^63, which a double holds exactly.
    *r.result = b == -1 ? Stored(-static_cast<long double>(a)) : static_cast<double>(a / b);
}

void IntegerPowerRoutine(const OperationRecord& r) {
    *r.result = Stored(IntegerPower(A(r), static_cast<std::int32_t>(std::trunc(B(r)))));
}

// An integral exponent within the 32-bit range is an integer power; otherwise e^(b ln a).
void RealPower(const OperationRecord& r) {
    const long double a = A(r);
    const long double b = B(r);
    if (std::trunc(b) == b && std::fabs(b) <= 2147483647.0L) {
        *r.result = Stored(IntegerPower(a, static_cast<std::int64_t>(b)));
    } else if (a == 0) {
        if (b < 0)
            throw EZeroDivide(); // 0 to a negative power is infinite, as 0^-1 is
        *r.result = 0;
    } else {
        if (a < 0)
            throw EInvalidOp();
        *r.result = Stored(std::exp(b * std::log(a)));
    }
}

void Square(const OperationRecord& r) {
    *r.result = Stored(A(r) * A(r));
}
void Cube(const OperationRecord& r) {
    *r.result = Stored(A(r) * A(r) * A(r));
}

void FourthPower(const OperationRecord& r) {
    const long double square = A(r) * A(r);
    *r.result = Stored(square * square);
}

void OneArgumentCall(const OperationRecord& r) {
    *r.result = Stored(r.oneArgumentCall(A(r)));
}

void TwoArgumentCall(const OperationRecord& r) {
    *r.result = Stored(r.twoArgumentCall(A(r), B(r)));
}

} // namespace

Routine RoutineFor(TermKind kind) {
    switch (kind) {
    case TermKind::Variable:
    case TermKind::Constant:
        return Nothing;
    case TermKind::Negation:
        return Negation;
    case TermKind::Sum:
        return Sum;
    case TermKind::Difference:
        return Difference;
    case TermKind::Product:
        return Product;
    case TermKind::Quotient:
        return Quotient;
    case TermKind::Remainder:
        return Remainder;
    case TermKind::IntegerQuotient:
        return IntegerQuotient;
    case TermKind::IntegerPower:
        return IntegerPowerRoutine;
    case TermKind::RealPower:
        return RealPower;
    case TermKind::Square:
        return Square;
    case TermKind::Cube:
        return Cube;
    case TermKind::FourthPower:
        return FourthPower;
    case TermKind::OneArgumentCall:
        return OneArgumentCall;
    case TermKind::TwoArgumentCall:
        return TwoArgumentCall;
    }
    return Nothing;
}

long double IntegerPower(long double x, std::int64_t n) {
    if (n == 0)
        return 1;
    long double power = 1;
    for (std::int64_t m = n < 0 ? -n : n;;) {
        if (m % 2 != 0)
            power = x * power;
        m /= 2;
        if (m == 0)
            break;
        x = x * x;
    }
    if (n > 0)
        return power;
    if (power == 0)
        throw EZeroDivide();
    return 1 / power;
}

namespace builtin {

namespace {
constexpr long double kTwoToThe63 = 0x1p63L;
} // namespace

long double Tan(long double x) {
    return std::tan(x);
}
long double Sin(long double x) {
    return std::fabs(x) >= kTwoToThe63 ? 0 : std::sin(x);
}
long double Cos(long double x) {
    return std::fabs(x) >= kTwoToThe63 ? 0 : std::cos(x);
}
long double Sinh(long double x) {
    return (std::exp(x) - std::exp(-x)) * 0.5L;
}
long double Cosh(long double x) {
    return (std::exp(x) + std::exp(-x)) * 0.5L;
}
long double ArcTan(long double x) {
    return std::atan(x);
}
long double Exp(long double x) {
    return std::exp(x);
}

long double Ln(long double x) {
    if (x == 0)
        throw EZeroDivide();
    if (x < 0)
        throw EInvalidOp();
    return std::log(x);
}

long double Sqrt(long double x) {
    if (x < 0)
        throw EInvalidOp();
    return std::sqrt(x);
}

long double Abs(long double x) {
    return std::fabs(x);
}
long double Heav(long double x) {
    return x >= 0 ? 1 : 0;
}
long double Sign(long double x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}
long double Zero(long double x) {
    return x == 0 ? 0 : 1;
}

// Phase folded into one turn: x in units of 2/pi, less the nearest whole number (ties to
// even), times 2 pi.
long double Ph(long double x) {
    const double units = Stored(x / 0.6366197723675813431L);
    return (units - std::nearbyint(units)) * 6.283185307179586477L;
}

long double Rnd(long double x) {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    const long double uniform = static_cast<long double>(generator() >> 11) * 0x1p-53L; // [0, 1)
    return std::trunc(x) * uniform;
}

long double Max(long double a, long double b) {
    return a >= b ? a : b;
}
long double Min(long double a, long double b) {
    return a < b ? a : b;
}

} // namespace builtin

} // namespace quadrilo::expr
