// Speed of the formula language: evaluating the load combination, and compiling formulas
// built to make the recognisers re-test the same pieces over and over.
#include "expr/UParser.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using quadrilo::expr::EMathParserError;
using quadrilo::expr::TParser;

// The default load combination, evaluated with new variable values each time, as for
// every node of a grillage.
void EvaluateLoadCombination(benchmark::State& state) {
    TParser parser;
    double& pp = parser.AssignVariable("pp", 0);
    double& ca = parser.AssignVariable("ca", 0);
    double& cp = parser.AssignVariable("cp", 0);
    double& cl = parser.AssignVariable("cl", 0);
    parser.SetExpression("pp+1.4*ca+1.4*cp+cl");
    double load = 1;
    for (auto _ : state) {
        pp = load;
        ca = load * 0.5;
        cp = load + 2;
        cl = load * 0.25;
        benchmark::DoNotOptimize(parser.Value());
        load += 1;
    }
}
BENCHMARK(EvaluateLoadCombination);

std::string Repeat(const std::string& piece, std::size_t length) {
    std::string text;
    while (text.size() + piece.size() <= length)
        text += piece;
    return text;
}

std::string Nest(const std::string& open, const std::string& inner, const std::string& close,
                 std::size_t length) {
    std::string text = inner;
    while (text.size() + open.size() + close.size() <= length)
        text = open + text + close;
    return text;
}

// Cuts the text until it fits in 255 characters with the ")" it lacks, then adds them.
std::string CloseBrackets(std::string text) {
    for (;;) {
        long missing = 0;
        for (char c : text)
            missing += c == '(' ? 1 : (c == ')' ? -1 : 0);
        if (text.size() + missing <= 255)
            return text + std::string(missing, ')');
        text.pop_back();
    }
}

// Adversarial formulas of at most 255 characters, the longest a project stores.
std::vector<std::pair<std::string, std::string>> AdversarialFormulas() {
    std::vector<std::pair<std::string, std::string>> formulas = {
        {"deep_brackets", Nest("(", "A", ")", 255)},
        {"deep_negations", Nest("-(", "A", ")", 255)},
        {"nested_calls", Nest("SIN(", "A", ")", 255)},
        {"nested_two_argument_calls", Nest("MAX(", "A", ",B)", 255)},
        {"nested_first_arguments", Nest("MIN(A,", "B", ")", 255)},
        {"comma_bracket_soup", "MAX(" + Repeat("(A,", 150) + Repeat(")", 50) + "A)"},
        {"sum_chain", Repeat("A+", 254) + "A"},
        {"difference_chain", Repeat("A-", 254) + "A"},
        {"mixed_chain", Repeat("A*B-C/D+", 250) + "A"},
        {"power_chain", Repeat("A^", 254) + "A"},
        {"word_chain", Repeat("ADIV", 252) + "A"},
        {"left_nested", Nest("(", "A", "+B)", 255)},
        {"right_nested", Nest("(A+", "B", ")", 255)},
        {"bracketed_terms", Repeat("(A)-(B)*", 250) + "(C)"},
        {"failing_tail", Repeat("(A+B)*", 250) + "+*"},
        {"negation_chain", Repeat("-A", 254)},
        {"long_number", Repeat("1", 255)},
        {"open_pieces", CloseBrackets(Repeat("((A+B", 255))},
        {"open_calls", CloseBrackets(Repeat("MAX(A,MIN(", 255))},
    };
    return formulas;
}

void Compile(benchmark::State& state, const std::string& formula) {
    TParser parser;
    for (auto _ : state) {
        try {
            parser.SetExpression(formula);
        } catch (const EMathParserError&) {
        }
    }
    state.SetLabel(std::to_string(formula.size()) + " characters");
}

} // namespace

int main(int argc, char** argv) {
    for (const auto& [name, formula] : AdversarialFormulas())
        benchmark::RegisterBenchmark(("Compile/" + name).c_str(), Compile, formula)
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
