// What each kind of operation record computes, and the built-in functions of the language.
#pragma once

#include "UExprBuild.h"

#include <cstdint>

namespace quadrilo::expr {

// The routine that runs a record of the given kind.
[[nodiscard]] Routine RoutineFor(TermKind kind);

// x to the power n by repeated squaring, in extended precision; 0 to a negative power
// throws EZeroDivide.
[[nodiscard]] long double IntegerPower(long double x, std::int64_t n);

// Built-in functions; arguments and results in extended precision, angles in radians.
namespace builtin {
[[nodiscard]] long double Tan(long double x);
[[nodiscard]] long double Sin(long double x);
[[nodiscard]] long double Cos(long double x);
[[nodiscard]] long double Sinh(long double x);
[[nodiscard]] long double Cosh(long double x);
[[nodiscard]] long double ArcTan(long double x);
[[nodiscard]] long double Exp(long double x);
[[nodiscard]] long double Ln(long double x);
[[nodiscard]] long double Sqrt(long double x);
[[nodiscard]] long double Abs(long double x);
[[nodiscard]] long double Heav(long double x);
[[nodiscard]] long double Sign(long double x);
[[nodiscard]] long double Zero(long double x);
[[nodiscard]] long double Ph(long double x);
[[nodiscard]] long double Rnd(long double x);
[[nodiscard]] long double Max(long double a, long double b);
[[nodiscard]] long double Min(long double a, long double b);
} // namespace builtin

} // namespace quadrilo::expr
