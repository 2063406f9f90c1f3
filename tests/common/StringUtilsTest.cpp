// Rounding to hundredths, number recognition, word splitting, flags and elapsed times.
#include "common/StringUtils.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quadrilo {
namespace {

TEST(TruncTo2, CutsToHundredthsForgivingRepresentationError) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {0.29, 0.29},    {1.239, 1.23},   {-1.239, -1.23}, {0.004, 0.0},
        {10.999, 10.99}, {-2.345, -2.34}, {0.57, 0.57},    {1.1, 1.1},
        {-0.29, -0.29},  {400.0, 400.0},  {0.0, 0.0},      {1e300, 1e300},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TruncTo2(c.value), c.expected) << c.value;
    }
    EXPECT_FALSE(std::signbit(TruncTo2(-0.004))) << "a value cut to zero has no sign";
}

TEST(IsNumber, AcceptsOnlyPointDecimals) {
    for (const char* text : {"12", "-1.5", "+2", ".5", "5.", "1e5", "2.5E-5", " 3 ", "007"}) {
        EXPECT_TRUE(IsNumber(text)) << text;
    }
    for (const char* text : {"", " ", "1,5", "abc", "1.5x", "x1", "1 2", "inf", "nan", "0x10",
                             "1e999", "--1", "+-1", "++1", "+", "-", ".", "1.2.3", "\t1"}) {
        EXPECT_FALSE(IsNumber(text)) << text;
    }
    EXPECT_EQ(ParseNumber(" -12.5 "), -12.5);
    EXPECT_EQ(ParseNumber("+0.25"), 0.25);
    EXPECT_EQ(ParseNumber("1,5"), std::nullopt);
}

TEST(SplitWords, SplitsOnBlanksAndLineBreaksKeepingQuotedBlanks) {
    const struct {
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"   1    2.5 \r\n  x  ", {"1", "2.5", "x"}},
        {"", {}},
        {" \r\n ", {}},
        {"a 'b c' d", {"a", "'b c'", "d"}},
        {"\"x y\"z w", {"\"x y\"z", "w"}},
        {"'a \" b' c", {"'a \" b'", "c"}},
        {"a 'b c", {"a", "'b c"}},
        {"1\n2\r3", {"1", "2", "3"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitWords(c.text), c.words) << c.text;
    }
}

TEST(FlagText, ShowsTrueAsZero) {
    EXPECT_EQ(FlagText(true), "(0)");
    EXPECT_EQ(FlagText(false), "(1)");
}

TEST(ElapsedText, ShowsHoursMinutesAndWholeSeconds) {
    using namespace std::chrono;
    EXPECT_EQ(ElapsedText(seconds(0)), "00:00:00");
    EXPECT_EQ(ElapsedText(milliseconds(1999)), "00:00:01");
    EXPECT_EQ(ElapsedText(hours(1) + minutes(2) + seconds(5)), "01:02:05");
    EXPECT_EQ(ElapsedText(hours(25)), "25:00:00");
    EXPECT_EQ(ElapsedText(seconds(-3)), "00:00:00");
}

TEST(WorkTimer, StoppedTimerKeepsItsReading) {
    WorkTimer timer;
    timer.StartTimer();
    timer.StopTimer();
    EXPECT_EQ(timer.ElapsedText(), "00:00:00");
}

} // namespace
} // namespace quadrilo
