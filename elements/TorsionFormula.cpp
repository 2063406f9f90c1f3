// A torsion formula of slabs or beams with its own compiled parser.
#include "elements/TorsionFormula.h"

#include "expr/UExprErrors.h"
#include "expr/UParser.h"

namespace quadrilo::elements {

TorsionFormula::TorsionFormula() : m_parser(std::make_unique<expr::TParser>()) {
    // The cells stay put for the parser's life, so the compiled list reads them directly.
    m_b = &m_parser->AssignVariable("b", 0);
    m_h = &m_parser->AssignVariable("h", 0);
}

TorsionFormula::TorsionFormula(TorsionFormula&&) noexcept = default;
TorsionFormula& TorsionFormula::operator=(TorsionFormula&&) noexcept = default;
TorsionFormula::~TorsionFormula() = default;

Outcome<TorsionFormula> TorsionFormula::Compile(std::string_view text) {
    TorsionFormula formula;
    try {
        formula.m_parser->SetExpression(text);
    } catch (const expr::EMathParserError& error) {
        return InputRefusal(error.what());
    }
    return formula;
}

Outcome<double> TorsionFormula::Evaluate(double b, double h) {
    *m_b = b;
    *m_h = h;
    try {
        return m_parser->Value();
    } catch (const expr::EMathError& error) {
        return InputRefusal(error.what());
    }
}

} // namespace quadrilo::elements
