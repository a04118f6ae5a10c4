#include "cubic/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace cubic
{
namespace
{

struct ReadCase {
    const char *text;
    double value;
    bool StringError;
    bool DivisionByZero;
};

class FracToDecTest : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(FracToDecTest, ReadsAsTheCubicSolverDoes)
{
    const ReadCase &expected = GetParam();
    const Reading reading = FracToDec(expected.text, ZeroDenominator::ReadAsZero);
    EXPECT_EQ(reading.StringError, expected.StringError);
    EXPECT_EQ(reading.DivisionByZero, expected.DivisionByZero);
    EXPECT_DOUBLE_EQ(reading.value, expected.value);
}

INSTANTIATE_TEST_SUITE_P(Forms,
    FracToDecTest,
    ::testing::Values(ReadCase { "", 0, false, false },
        ReadCase { "1.23", 1.23, false, false },
        ReadCase { "-4", -4, false, false },
        ReadCase { ".5", 0.5, false, false },
        ReadCase { "5.", 5, false, false },
        ReadCase { "+3", 3, false, false },
        ReadCase { "1.2E-3", 0.0012, false, false },
        ReadCase { "2e+2", 200, false, false },
        ReadCase { "  7", 7, false, false },
        ReadCase { "7 ", 7, false, false },
        ReadCase { "1/2.3", 1 / 2.3, false, false },
        ReadCase { "-3/4", -0.75, false, false },
        ReadCase { "1E-400", 0, false, false }));

INSTANTIATE_TEST_SUITE_P(Unreadable,
    FracToDecTest,
    ::testing::Values(ReadCase { "abc", 0, true, false },
        ReadCase { "-", 0, true, false },
        ReadCase { "1.2.3", 0, true, false },
        ReadCase { "1E", 0, true, false },
        ReadCase { "E5", 0, true, false },
        ReadCase { "--1", 0, true, false },
        ReadCase { "1,5", 0, true, false },
        ReadCase { "0x10", 0, true, false },
        ReadCase { "1 2", 0, true, false },
        ReadCase { "1E400", 0, true, false },
        ReadCase { "1/2/3", 0, true, false },
        ReadCase { "/2", 0, true, false },
        ReadCase { "3/", 0, true, false },
        ReadCase { "1E300/1E-300", 0, true, false }));

INSTANTIATE_TEST_SUITE_P(ZeroDenominator,
    FracToDecTest,
    ::testing::Values(ReadCase { "2/0", 0, false, true },
        ReadCase { "x/0", 0, false, true },
        ReadCase { "1/0.0", 0, false, true },
        ReadCase { "1/0E5", 0, false, true },
        ReadCase { "0/0", 0, false, true }));

TEST(FracToDec, QuarticSolverRefusesAZeroDenominator)
{
    const Reading reading = FracToDec("2/0", ZeroDenominator::Refuse);
    EXPECT_TRUE(reading.DivisionByZero);
    EXPECT_TRUE(reading.StringError);
    EXPECT_FALSE(FracToDec("1/2", ZeroDenominator::Refuse).StringError);
}

struct FormatCase {
    double value;
    int decimals;
    const char *shown;
};

class FormatNumTest : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatNumTest, ShowsTheNumber)
{
    const FormatCase &expected = GetParam();
    EXPECT_EQ(FormatNum(expected.value, expected.decimals), std::optional<std::string>(expected.shown))
        << "value " << expected.value;
}

INSTANTIATE_TEST_SUITE_P(NineDecimals,
    FormatNumTest,
    ::testing::Values(FormatCase { 2, 9, "2" },
        FormatCase { -0.5, 9, "-0.5" },
        FormatCase { 0.866025403784, 9, "0.866025404" },
        FormatCase { 1.0 / 3, 9, "0.333333333" },
        FormatCase { 2.0 / 3, 9, "0.666666667" },
        FormatCase { 1 / 2.3, 9, "0.434782609" },
        FormatCase { 0.0012, 9, "0.0012" },
        FormatCase { 1.5E-12, 9, "0" },
        FormatCase { -1.5E-12, 9, "0" },
        FormatCase { -0.0, 9, "0" },
        FormatCase { 5E-10, 9, "0.000000001" },
        FormatCase { 0.9999999999, 9, "1" },
        FormatCase { -9.9999999999, 9, "-10" },
        FormatCase { 123456789012.0, 9, "123456789012" },
        FormatCase { 123456789.123456789, 9, "123456789.123457" },
        // Kept to 15 significant digits first, then rounded.
        FormatCase { 0.12345678949999999, 9, "0.12345679" },
        FormatCase { 1E20, 9, "100000000000000000000" },
        FormatCase { -7.9E28, 9, "-79000000000000000000000000000" }));

INSTANTIATE_TEST_SUITE_P(SevenDecimals,
    FormatNumTest,
    ::testing::Values(FormatCase { std::numbers::sqrt3, 7, "1.7320508" },
        FormatCase { 1.0 / 3, 7, "0.3333333" },
        FormatCase { -2.00000004, 7, "-2" },
        FormatCase { 0.00000005, 7, "0.0000001" }));

TEST(FormatNum, CannotShowTwoToTheNinetySixOrMore)
{
    const double limit = std::ldexp(1.0, 96);
    EXPECT_FALSE(FormatNum(limit, 9));
    EXPECT_FALSE(FormatNum(-limit, 7));
    EXPECT_TRUE(FormatNum(std::nextafter(limit, 0.0), 9));
    EXPECT_FALSE(FormatNum(std::numeric_limits<double>::infinity(), 9));
    EXPECT_FALSE(FormatNum(std::numeric_limits<double>::quiet_NaN(), 9));
}

TEST(ReadBack, ReadsShownTexts)
{
    EXPECT_EQ(ReadBack("0.866025404"), 0.866025404);
    EXPECT_EQ(ReadBack("-1"), -1.0);
    EXPECT_EQ(ReadBack("0"), 0.0);
}

} // namespace
} // namespace cubic
