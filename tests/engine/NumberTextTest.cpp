// Number fields of the engine's text files: rounding, signs, widths.
#include "NumberText.h"

#include "common/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace quadrilo::engine {
namespace {

struct FixedCase {
    double value;
    int decimals;
    int width;
    const char* text;
};

TEST(NumberText, FixedFieldsRoundHalfAwayFromZeroOnTheDecimalValue) {
    const FixedCase cases[] = {
        {0.125, 2, 0, "0.13"}, // an exact binary tie rounds away from zero
        {-0.125, 2, 0, "-0.13"},
        {0.00390625, 7, 0, "0.0039063"},
        {1.005, 2, 0, "1.01"}, // rounded as written, not as stored (1.00499…)
        {12.3456, 3, 0, "12.346"},
        {9.9996, 3, 0, "10.000"},
        {0.0005, 3, 0, "0.001"},
        {0.0004, 3, 0, "0.000"},
        {-0.0004, 3, 0, "0.000"}, // rounds to zero: no minus sign
        {-1e-12, 7, 30, "                     0.0000000"},
        {0, 3, 6, " 0.000"},
        {-0.385, 3, 0, "-0.385"},
        {123456.5, 0, 0, "123457"},
        {1e20, 3, 0, "100000000000000000000.000"},
        {-1.2345678, 7, 30, "                    -1.2345678"},
        {-123456789012345.0, 4, 18, "-123456789012345.0000"}, // wider than its field: never cut
    };
    for (const auto& c : cases) {
        std::string out;
        if (c.width > 0)
            AppendFixedField(out, c.value, c.decimals, c.width);
        else
            AppendFixed(out, c.value, c.decimals);
        EXPECT_EQ(out, c.text) << c.value;
    }
}

// The fast binary rounding of usual magnitudes must agree with the decimal-digit rounding that
// every other number of the program uses.
TEST(NumberText, FixedFieldsAgreeWithTheMessageFormatOnRandomValues) {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-9, 9), decimals(0, 8), cents(-100000, 100000);
    for (int i = 0; i < 200000; ++i) {
        // Half of the values are decimal ties or near them, the hard cases of the fast path.
        const int d = decimals(rng);
        const double value = i % 2 ? mantissa(rng) * std::pow(10.0, exponent(rng))
                                   : (cents(rng) + 0.5) / std::pow(10.0, d);
        std::string out;
        AppendFixed(out, value, d);
        ASSERT_EQ(out, Format("%." + std::to_string(d) + "f", value)) << value << " " << d;
    }
}

// A results field holds a number only when at least one blank is left before it.
TEST(NumberText, AFieldHoldsFiniteNumbersThatLeaveABlank) {
    struct FitCase {
        double value;
        int decimals;
        int width;
        bool fits;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const FitCase cases[] = {
        {1e20, 7, 30, true},  // 21 digits, point, 7 decimals: 29 characters
        {1e21, 7, 30, false}, // 30 characters: no blank left
        {-9.9e19, 7, 30, true},
        {-1e20, 7, 30, false}, // the sign takes the blank
        {999999999999.9999, 4, 18, true},
        {-999999999999.9999, 4, 18, false},
        {-99999999999.9999, 4, 18, true},
        {-99999999999.99996, 4, 18, false}, // rounding to 4 decimals adds a digit
        {-1e-9, 4, 18, true},               // "0.0000"
        {1e300, 7, 30, false},
        {std::nan(""), 7, 30, false},
        {inf, 4, 18, false},
        {-inf, 4, 18, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitsFixedField(c.value, c.decimals, c.width), c.fits) << c.value;
}

TEST(NumberText, MaterialFieldHasFifteenDigitsAndAFourDigitExponent) {
    const std::pair<double, const char*> cases[] = {
        {3.2e7, " 3.20000000000000E+0007"},
        {0.0, " 0.00000000000000E+0000"},
        {-1e-4, "-1.00000000000000E-0004"},
        {1.0 / 60000, " 1.66666666666667E-0005"},
        {9.999999999999999, " 1.00000000000000E+0001"},
        {2.5e-300, " 2.50000000000000E-0300"},
    };
    for (const auto& [value, text] : cases) {
        std::string out;
        AppendMaterialField(out, value);
        EXPECT_EQ(out, text);
        EXPECT_EQ(out.size(), 23u);
    }
}

} // namespace
} // namespace quadrilo::engine
