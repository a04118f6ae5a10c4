#include "frontend/core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace frontend::core;

namespace
{

struct ReadCase {
    const char *text;
    NumberValue::Kind kind;
    double value; // for numbers, texts and zero
    bool divisionByZero;
};

class ReadNumberCases : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadNumberCases, GivesTheLooselyTypedResult)
{
    const ReadCase &c = GetParam();
    const ReadOutcome read = ReadNumber(c.text);
    EXPECT_EQ(read.value.kind(), c.kind) << c.text;
    EXPECT_EQ(read.ConversionFailed, c.divisionByZero) << c.text;
    if (c.kind == NumberValue::Kind::Failed) {
        EXPECT_EQ(read.value.toText(), "abc");
    } else {
        EXPECT_DOUBLE_EQ(read.value.toDouble(), c.value) << c.text;
    }
}

using K = NumberValue::Kind;
INSTANTIATE_TEST_SUITE_P(Forms,
    ReadNumberCases,
    ::testing::Values(ReadCase { "", K::Zero, 0.0, false },
        ReadCase { "123.45678", K::Text, 123.45678, false },
        ReadCase { "12.345678E-5", K::Text, 12.345678e-5, false },
        ReadCase { " 12 ", K::Text, 12.0, false },
        ReadCase { "-.5", K::Text, -0.5, false },
        ReadCase { "+5.", K::Text, 5.0, false },
        ReadCase { "1/0", K::Failed, 0.0, true },
        ReadCase { "0/0", K::Failed, 0.0, true },
        ReadCase { "0/5", K::Number, 0.0, false },
        ReadCase { "1.5E-3/2", K::Number, 0.00075, false },
        ReadCase { " 1 / 4 ", K::Number, 0.25, false },
        ReadCase { "1/2/3", K::Failed, 0.0, false },
        ReadCase { "/2", K::Failed, 0.0, false },
        ReadCase { "2/", K::Failed, 0.0, false },
        ReadCase { "abc/0", K::Failed, 0.0, false },
        ReadCase { "12abc", K::Failed, 0.0, false },
        ReadCase { "abc", K::Failed, 0.0, false },
        ReadCase { "   ", K::Failed, 0.0, false },
        ReadCase { "1,5", K::Failed, 0.0, false },
        ReadCase { "1E", K::Failed, 0.0, false },
        ReadCase { "..5", K::Failed, 0.0, false },
        ReadCase { "inf", K::Failed, 0.0, false },
        ReadCase { "nan", K::Failed, 0.0, false },
        ReadCase { "0x10", K::Failed, 0.0, false },
        ReadCase { "1E400", K::Failed, 0.0, false },
        ReadCase { "1E300/1E-300", K::Failed, 0.0, false },
        ReadCase { "1E-400", K::Text, 0.0, false },
        ReadCase { "1E99999999999999999999", K::Failed, 0.0, false }));

TEST(ReadNumber, APlainNumberIsReturnedAsTypedBlanksIncluded)
{
    EXPECT_EQ(ReadNumber(" 12 ").value.toText(), " 12 ");
    EXPECT_EQ(ReadNumber("0.0").value.toText(), "0.0");
}

TEST(ReadNumber, EveryFractionFailureAsksForTheFileViewToBeMarked)
{
    EXPECT_TRUE(ReadNumber("1/0").conversionError);
    EXPECT_TRUE(ReadNumber("x/2").conversionError);
    EXPECT_TRUE(ReadNumber("1E308/1E-308").conversionError);
    // A plain text that is not a number is refused without an error being raised.
    EXPECT_FALSE(ReadNumber("12abc").conversionError);
}

TEST(ReadNumberStrict, EmptyTextIsAFailureOtherwiseAsReadNumber)
{
    EXPECT_TRUE(ReadNumberStrict("").value.isFailed());
    EXPECT_EQ(ReadNumberStrict("3").value.kind(), NumberValue::Kind::Text);
    EXPECT_DOUBLE_EQ(ReadNumberStrict("3/4").value.toDouble(), 0.75);
    EXPECT_TRUE(ReadNumberStrict("1/0").ConversionFailed);
}

TEST(ZeroComparison, TextsCompareAsTextNumbersNumerically)
{
    EXPECT_TRUE(ReadNumber("0").value.readsAsZero());
    EXPECT_TRUE(ReadNumber("").value.readsAsZero());
    EXPECT_TRUE(ReadNumber("0/1").value.readsAsZero());
    EXPECT_TRUE(ReadNumber("-0/1").value.readsAsZero());
    EXPECT_FALSE(ReadNumber("0.0").value.readsAsZero());
    EXPECT_FALSE(ReadNumber(" 0").value.readsAsZero());
    EXPECT_FALSE(ReadNumber("abc").value.readsAsZero());
    EXPECT_FALSE(ReadNumber("1/3").value.readsAsZero());
}

TEST(NumericTest, AcceptsThePlainFormsOnly)
{
    for (const char *yes : { "1", "-1", "+1", "1.", ".1", "1e5", "1E+05", "\t7\t", "0.000" }) {
        EXPECT_TRUE(isNumeric(yes)) << yes;
    }
    for (const char *no : { "", "abc", "1/2", "1 2", "- 1", "1e", "e5", "1.2.3", "1,000", "1d5", "--1" }) {
        EXPECT_FALSE(isNumeric(no)) << no;
    }
}

TEST(leadingNumber, TakesTheNumberAtTheStart)
{
    EXPECT_DOUBLE_EQ(leadingNumber("3\tdegree"), 3.0);
    EXPECT_DOUBLE_EQ(leadingNumber("  -2.5e1x"), -25.0);
    EXPECT_DOUBLE_EQ(leadingNumber("12E"), 12.0);
    EXPECT_DOUBLE_EQ(leadingNumber("x12"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0.0);
}

struct FormatCase {
    double value;
    std::size_t decimals;
    const char *text;
};

class FormatNumberCases : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatNumberCases, ShowsTheValueAtThePrecision)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.decimals), c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Patterns,
    FormatNumberCases,
    ::testing::Values(FormatCase { 2.0, 15, "2" },
        FormatCase { -0.5, 15, "-0.5" },
        FormatCase { 12345.678, 15, "12,345.678" },
        FormatCase { 3.0, 2, "3" },
        FormatCase { 1.0 / 3.0, 2, "0.33" },
        FormatCase { 2.0 / 3.0, 2, "0.67" },
        FormatCase { 1234567.0, 15, "1,234,567" },
        FormatCase { -1234567.891, 1, "-1,234,567.9" },
        FormatCase { 0.125, 2, "0.13" }, // half away from zero
        FormatCase { -0.125, 2, "-0.13" },
        FormatCase { 0.9999, 2, "1" },
        FormatCase { 999.9996, 3, "1,000" },
        FormatCase { -0.0001, 3, "0" }, // no "-0"
        FormatCase { 0.0, 15, "0" },
        FormatCase { 100.0, 15, "100" },
        FormatCase { 1e-20, 15, "1.E-20" }, // exponent form keeps its point
        FormatCase { -2.5e-7, 15, "-2.5E-07" },
        FormatCase { 1.23456e20, 2, "1.23E+20" },
        FormatCase { 9.999e-300, 2, "1.E-299" },
        FormatCase { 1e15, 15, "1.E+15" },
        FormatCase { 123456789012345.0, 15, "123,456,789,012,345" }));

TEST(FormatNumber, NeverShowsAFiniteValuePastTheLargestDouble)
{
    // ../shared/bench/regressions/display_near_dblmax.txt: rounded half up, 1.77E+308 at one decimal would be
    // 1.8E+308, which is no double at all (it read back as 0, and the root as real). The digits are cut instead.
    EXPECT_EQ(FormatNumber(1.7713e308, 1), "1.7E+308");
    EXPECT_EQ(FormatNumber(-1.7713e308, 1), "-1.7E+308");
    EXPECT_EQ(FormatNumber(1.7713e308, 2), "1.77E+308"); // rounding that stays below is kept
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(FormatNumber(largest, 15), "1.79769313486231E+308");
    EXPECT_EQ(FormatNumber(largest, 3), "1.797E+308");
    EXPECT_EQ(formatScientific(largest, 15), "1.79769313486231E+308");
    EXPECT_EQ(generalNumberText(largest), "1.79769313486231E+308");
    EXPECT_EQ(generalNumberText(-largest), "-1.79769313486231E+308");
    EXPECT_EQ(generalNumberText(1.5e308), "1.5E+308");
    for (std::size_t decimals = 1; decimals <= 15; ++decimals) {
        EXPECT_TRUE(textToDouble(FormatNumber(largest, decimals))) << decimals;
    }
}

TEST(formatScientific, OneIntegerDigitAndASignedTwoDigitExponent)
{
    EXPECT_EQ(formatScientific(0.00125, 15), "1.25E-03");
    EXPECT_EQ(formatScientific(2.0, 15), "2.E+00");
    EXPECT_EQ(formatScientific(-123456.0, 2), "-1.23E+05");
    EXPECT_EQ(formatScientific(9.996, 2), "1.E+01"); // rounding carries into the exponent
    EXPECT_EQ(formatScientific(1.5e-300, 3), "1.5E-300");
    EXPECT_EQ(formatScientific(0.0, 15), "0.E+00");
    EXPECT_EQ(formatScientific(-std::numeric_limits<double>::infinity(), 15), "-Infinity");
}

TEST(formatRequestNumber, AlwaysKeepsThePointAndNineteenDecimalsAtMost)
{
    EXPECT_EQ(formatRequestNumber(5.0), "5.");
    EXPECT_EQ(formatRequestNumber(0.5), "0.5");
    EXPECT_EQ(formatRequestNumber(-1.25), "-1.25");
    EXPECT_EQ(formatRequestNumber(-3.0), "-3.");
    EXPECT_EQ(formatRequestNumber(0.0), "0.");
    EXPECT_EQ(formatRequestNumber(-0.0), "0.");
    EXPECT_EQ(formatRequestNumber(1e-19), "0.0000000000000000001");
    EXPECT_EQ(formatRequestNumber(1234567.0), "1234567.");
    EXPECT_EQ(formatRequestNumber(1e22), "10000000000000000000000.");
}

TEST(formatRequestNumber, RoundsTheExactValueToNineteenDecimalsAsThePatternDoes)
{
    // The doubles nearest 1/3, 2/3 and 0.1 carry digits beyond their shortest texts; the pattern keeps 19.
    EXPECT_EQ(formatRequestNumber(1.0 / 3.0), "0.3333333333333333148");
    EXPECT_EQ(formatRequestNumber(2.0 / 3.0), "0.6666666666666666297");
    EXPECT_EQ(formatRequestNumber(-2.0 / 3.0), "-0.6666666666666666297");
    EXPECT_EQ(formatRequestNumber(0.1), "0.1000000000000000056");
    // 1 + 2^-20 is exactly 1.00000095367431640625: the twentieth decimal, a 5, rounds away from zero.
    EXPECT_EQ(formatRequestNumber(1.0 + std::ldexp(1.0, -20)), "1.0000009536743164063");
    EXPECT_EQ(formatRequestNumber(123456.789), "123456.7890000000043073669");
}

TEST(formatRequestNumber, ValuesNineteenDecimalsWouldLoseGoInExactExponentForm)
{
    EXPECT_EQ(formatRequestNumber(1e-25), "1E-25");
    EXPECT_EQ(formatRequestNumber(-4e-20), "-4E-20");
    EXPECT_EQ(formatRequestNumber(1.2345678e-17), "1.2345678E-17");
    EXPECT_EQ(formatRequestNumber(1.2345678e-7), "0.00000012345678"); // nineteen decimals hold it all
    EXPECT_EQ(formatRequestNumber(1.5e-19), "1.5E-19");
    EXPECT_EQ(formatRequestNumber(5e-324), "5E-324");
}

TEST(formatRequestNumber, EveryTextReadsBackAsTheSameDouble)
{
    for (const double value : { 1.0 / 3.0,
             -2.0 / 7.0,
             1e-25,
             1.2345678e-7,
             6e-20,
             0.30000000000000004,
             123456.789e-10,
             1.7976931348623157e308,
             -2.2250738585072014e-308 }) {
        const std::string text = formatRequestNumber(value);
        EXPECT_EQ(textToDouble(text), value) << text;
    }
}

TEST(generalNumberText, FifteenSignificantDigitsThenExponentForm)
{
    EXPECT_EQ(generalNumberText(0.5), "0.5");
    EXPECT_EQ(generalNumberText(-3.0), "-3");
    EXPECT_EQ(generalNumberText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(generalNumberText(1e20), "1E+20");
    EXPECT_EQ(generalNumberText(-0.0), "0");
}

TEST(FilterKey, LetsEveryKeyThrough)
{
    for (int key : { 0, 8, 13, int('/'), int('a'), int('E'), 0x20AC }) {
        EXPECT_EQ(FilterKey(key), key);
    }
}

} // namespace
