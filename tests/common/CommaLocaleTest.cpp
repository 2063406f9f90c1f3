// Number texts stay with "." even when the process runs under a comma-decimal locale.
#include "common/Format.h"
#include "common/StringUtils.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

namespace quadrilo {
namespace {

class CommaLocale : public testing::Test {
protected:
    void SetUp() override {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/bootstrap.sh makes it)";
        }
        m_previous = std::locale::global(std::locale("de_DE.UTF-8"));
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::locale::global(m_previous);
    }

private:
    std::locale m_previous;
};

TEST_F(CommaLocale, FormatsWriteAPoint) {
    EXPECT_EQ(Format("%f|%8.4f|%n|%g", 1.5, 1.5, 1234.5, 2.5e-5), "1.50|  1.5000|1,234.50|2.5E-5");
    EXPECT_EQ(FloatToStr(0.15), "0.15");
    EXPECT_EQ(FormatFloat("Lx: #.##  ", 12.5), "Lx: 12.5  ");
}

TEST_F(CommaLocale, NumbersAreReadWithAPoint) {
    EXPECT_TRUE(IsNumber("1.5"));
    EXPECT_FALSE(IsNumber("1,5"));
    EXPECT_EQ(ParseNumber("-2.25"), -2.25);
    EXPECT_EQ(TruncTo2(1.239), 1.23);
    EXPECT_EQ(TruncTo2(-1.239), -1.23);
    const std::vector<std::string> words = {"1", "2.5", "x"};
    EXPECT_EQ(SplitWords("  1  2.5   x "), words);
}

} // namespace
} // namespace quadrilo
