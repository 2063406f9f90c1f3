// A torsion formula of slabs or beams with its own compiled parser.
#pragma once

#include "elements/ElementOutcome.h"

#include <memory>
#include <string_view>

namespace quadrilo::expr {
class TParser;
}

namespace quadrilo::elements {

// One formula in the variables b and h (sides of a section, cm), compiled once into a parser of
// its own: no other formula of the program can take its place between the compile and the two
// evaluations of a laje, or the one of a viga.
class TorsionFormula {
public:
    // The formula compiled; a parser error (an unknown name, a syntax error) is an input
    // refusal with the parser's message. An empty text gives the value 0.
    [[nodiscard]] static Outcome<TorsionFormula> Compile(std::string_view text);

    TorsionFormula(TorsionFormula&&) noexcept;
    TorsionFormula& operator=(TorsionFormula&&) noexcept;
    ~TorsionFormula();

    // The value for these sides; an arithmetic fault is an input refusal with its message.
    [[nodiscard]] Outcome<double> Evaluate(double b, double h);

private:
    TorsionFormula();

    std::unique_ptr<expr::TParser> m_parser;
    double* m_b = nullptr;
    double* m_h = nullptr;
};

} // namespace quadrilo::elements
