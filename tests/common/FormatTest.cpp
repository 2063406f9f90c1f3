// The Pascal-style format patterns of messages, labels and listings.
#include "common/Format.h"

#include <gtest/gtest.h>

#include <limits>

namespace quadrilo {
namespace {

TEST(Format, Directives) {
    const struct {
        std::string got;
        const char* expected;
    } cases[] = {
        {Format("%d", 441), "441"},
        {Format("%d", std::uint16_t{65535}), "65535"},
        {Format("%d", -7), "-7"},
        {Format("%s e %s", "Laje", std::string("Viga")), "Laje e Viga"},
        {Format("%f", 100.0), "100.00"},
        {Format("%f", -10.0), "-10.00"},
        {Format("%f", 3), "3.00"},
        {Format("%8.4f", 1.5), "  1.5000"},
        {Format("%.3f", 2.0 / 3.0), "0.667"},
        {Format("%.0f", 2.5), "3"},
        {Format("%n", 1000.0), "1,000.00"},
        {Format("%n", 500.0), "500.00"},
        {Format("%n", -1234567.891), "-1,234,567.89"},
        {Format("%.1n", 999999.96), "1,000,000.0"},
        {Format("%g", 2880.0), "2880"},
        {Format("%g", 0.15), "0.15"},
        {Format("%g", 2.5e-5), "2.5E-5"},
        {Format("%g", 1e20), "1E20"},
        {Format("%g", 0.0), "0"},
        {Format("%g", -0.0), "0"},
        {Format("%g", 0.0001), "0.0001"},
        {Format("%g", -0.00012), "-0.00012"},
        {Format("%g", 0.00001), "1E-5"},
        {Format("%g", 0.1 + 0.2), "0.3"},
        {Format("%g", 123456789012345.0), "123456789012345"},
        {Format("%g", 1234567890123456.0), "1.23456789012346E15"},
        {Format("%g", -1.5e-7), "-1.5E-7"},
        {Format("%g", 1e-300), "1E-300"},
        {Format("%G", 12800000.0), "12800000"},
        {Format("%.3g", 3.14159), "3.14"},
        {Format("%5d|%-5d|", 42, 42), "   42|42   |"},
        {Format("%6s|", "ção"), "   ção|"},
        {Format("100%% de %d", 3), "100% de 3"},
        {Format("%f %g", std::numeric_limits<double>::infinity(),
                std::numeric_limits<double>::quiet_NaN()),
         "INF NAN"},
        {Format("Laje: %s inserida entre (%f, %f) e (%f, %f)", "L1", 0, 0, 400.5, -2.34),
         "Laje: L1 inserida entre (0.00, 0.00) e (400.50, -2.34)"},
        {Format("Medidas a: %n (cm), b: %n (cm) e e: %n (cm))", 400.0, 1500.0, 12.0),
         "Medidas a: 400.00 (cm), b: 1,500.00 (cm) e e: 12.00 (cm))"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.got, c.expected);
    }
}

TEST(Format, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.125, "0.13"},  {-0.125, "-0.13"}, {1.005, "1.01"},  {2.675, "2.68"},
        {9.999, "10.00"}, {0.994, "0.99"},   {-0.001, "0.00"}, {-0.005, "-0.01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format("%.2f", c.value), c.expected) << c.value;
    }
    EXPECT_EQ(Format("%g", 0.99999999999999999), "1");
    EXPECT_EQ(Format("%g", 1.000000000000005), "1.00000000000001");
}

TEST(Format, FloatToStrIsGeneralFormat) {
    EXPECT_EQ(FloatToStr(12800000), "12800000");
    EXPECT_EQ(FloatToStr(0.4), "0.4");
    EXPECT_EQ(FloatToStr(-10), "-10");
    EXPECT_EQ(FloatToStr(30), "30");
}

TEST(Format, MismatchedPatternsAreErrors) {
    EXPECT_THROW((void)Format("%d", 1.5), FormatError);
    EXPECT_THROW((void)Format("%s", 3), FormatError);
    EXPECT_THROW((void)Format("%f", "x"), FormatError);
    EXPECT_THROW((void)Format("%d %d", 1), FormatError);
    EXPECT_THROW((void)Format("%d", 1, 2), FormatError);
    EXPECT_THROW((void)Format("%q", 1), FormatError);
    EXPECT_THROW((void)Format("50%", 1), FormatError);
    EXPECT_THROW((void)Format("%.2d", 1), FormatError);
}

TEST(FormatFloat, Pictures) {
    const struct {
        const char* pattern;
        double value;
        const char* expected;
    } cases[] = {
        {"#.##", 400, "400"},
        {"#.##", 12.5, "12.5"},
        {"#.##", 0.5, ".5"},
        {"#.##", 0, ""},
        {"#.##", -0.001, ""},
        {"#.##", 12.345, "12.35"},
        {"#.##", 12.344, "12.34"},
        {"#.##", -12.5, "-12.5"},
        {"#.##", 0.999, "1"},
        {"Lx: #.##  ", 400, "Lx: 400  "},
        {"e: #.##  ", 12, "e: 12  "},
        {"0.00", 0.5, "0.50"},
        {"#,##0.00", 1234567.5, "1,234,567.50"},
        {"#", 2.5, "3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.expected) << c.pattern << " " << c.value;
    }
    EXPECT_THROW((void)FormatFloat("abc", 1), FormatError);
    EXPECT_THROW((void)FormatFloat("#.# x #.#", 1), FormatError);
}

} // namespace
} // namespace quadrilo
