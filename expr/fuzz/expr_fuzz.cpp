// Fuzz target: compiles arbitrary formula text and evaluates it with arbitrary variable values.
// Input: the formula, then optionally a zero byte followed by the raw values of variables.
#include "expr/UParser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace quadrilo::expr;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view formula = input.substr(0, split);
    const std::string_view values =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    TParser parser;
    double* cells[] = {&parser.AssignVariable("pp", 0), &parser.AssignVariable("ca", 0),
                       &parser.AssignVariable("Ec", 0), &parser.AssignVariable("h", 0),
                       &parser.AssignVariable("x", 0),  &parser.AssignVariable("y", 0)};
    for (std::size_t i = 0; i < std::size(cells) && (i + 1) * 8 <= values.size(); ++i)
        std::memcpy(cells[i], values.data() + i * 8, 8);
    parser.SetPascalNumberformat(values.size() % 2 == 0);

    try {
        parser.SetExpression(formula);
    } catch (const EMathParserError&) {
        if (!parser.Failed() || parser.Value() != 0)
            std::abort(); // a failed compile must leave no formula
        return 0;
    }
    const auto outcome = [&parser]() -> std::string {
        try {
            const double value = parser.Value();
            return std::isnan(value) ? "nan" : std::to_string(value);
        } catch (const EMathError& error) {
            return error.what();
        }
    };
    const std::string first = outcome();
    // A formula that compiles compiles the same inside one more pair of brackets.
    std::string upper(formula);
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    if (formula.empty() || formula.size() > 255 || upper.find("RND") != std::string::npos ||
        formula.front() == ' ' || formula.back() == ' ')
        return 0;
    parser.SetExpression("(" + std::string(formula) + ")");
    if (outcome() != first)
        std::abort();
    return 0;
}
