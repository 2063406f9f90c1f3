// The std::visit visitor built from one lambda per alternative, with the deduction guide
// clang 14 still needs for an aggregate of lambdas.
#pragma once

namespace quadrilo::cad {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace quadrilo::cad
