// The request reader and the answer writer on their own.

#include "answer_writer.h"
#include "arc_length.h"
#include "list_input.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace
{

using engine::InputError;
using engine::ListReader;

TEST(ListReader, ValuesStartOnTheirOwnLineAndEndAtABlankCommaSlashOrLineEnd)
{
    ListReader input(
        "S extra\r\n\r\n  \r\n  42 ignored\n-7,8\n+3/\n1.5D2 x\n.5\n5.\n-2.5e-3\n( 1.5 , -2 )  rest\n(3,4)\n");
    EXPECT_EQ(input.readLetter(), 'S');
    EXPECT_EQ(input.readInteger(), 42) << "empty and blank lines are skipped";
    EXPECT_EQ(input.readInteger(), -7) << "the rest of the line is discarded";
    EXPECT_EQ(input.readInteger(), 3);
    EXPECT_EQ(input.readReal(), 150.0);
    EXPECT_EQ(input.readReal(), 0.5);
    EXPECT_EQ(input.readReal(), 5.0);
    EXPECT_EQ(input.readReal(), -2.5e-3);
    EXPECT_EQ(input.readComplex(), std::complex<double>(1.5, -2));
    EXPECT_EQ(input.readComplex(), std::complex<double>(3, 4));
    EXPECT_THROW(input.readReal(), InputError) << "past the end";
}

TEST(ListReader, AShortRequestNamesTheLineThatIsMissing)
{
    for (const auto &[text, message] : { std::pair { "", "request line 1: end of file while reading a letter" },
             std::pair { "S\r\nR\r\n", "request line 3: end of file while reading an integer" } }) {
        ListReader input(text);
        try {
            input.readLetter();
            input.readLetter();
            input.readInteger();
            ADD_FAILURE() << "no error for " << text;
        } catch (const InputError &error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

TEST(ListReader, AnEmptyLineReadsAsABlankLetter)
{
    ListReader input("\nL\n");
    EXPECT_EQ(input.readLetter(), ' ');
    EXPECT_EQ(input.readLetter(), 'L');
}

TEST(ListReader, ValuesOfTheWrongTypeAreRefused)
{
    for (const char *text : { "abc", "1.5", "1e3", "--1", "99999999999", "" }) {
        ListReader input(text);
        EXPECT_THROW(input.readInteger(), InputError) << text;
    }
    for (const char *text : { "abc", "1..2", "1e", "E5", ".", "+", "1e400", "nan", "inf", "0x10", "(1,2)" }) {
        ListReader input(text);
        EXPECT_THROW(input.readReal(), InputError) << text;
    }
    for (const char *text : { "1", "(1,2", "(1 2)", "(,2)", "(1,x)" }) {
        ListReader input(text);
        EXPECT_THROW(input.readComplex(), InputError) << text;
    }
}

TEST(AnswerWriter, ValuesReadBackExactlyInTheirShortestForm)
{
    EXPECT_EQ(engine::answerValue(1.0), "1");
    EXPECT_EQ(engine::answerValue(-0.5), "-0.5");
    EXPECT_EQ(engine::answerValue(1e-5), "1E-05");
    EXPECT_EQ(engine::answerValue(2.5e300), "2.5E+300");
    EXPECT_EQ(engine::answerValue(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(engine::answerValue(-0.0), "0");
    EXPECT_EQ(engine::answerValue(std::numeric_limits<double>::infinity()), "Infinity");

    std::mt19937_64 rng(3);
    for (int i = 0; i < 10000; ++i) {
        double value = 0;
        do {
            const std::uint64_t bits = rng();
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        double back = 0;
        ASSERT_TRUE(engine::parseReal(engine::answerValue(value), back)) << engine::answerValue(value);
        ASSERT_EQ(back, value == 0.0 ? 0.0 : value) << engine::answerValue(value);
    }
}

TEST(ArcLength, PolinomSumsEachPowerFromTheConstantTermUp)
{
    EXPECT_EQ(engine::POLINOM({ 1, -3, 2 }, 2, 0.0), 1.0);
    EXPECT_EQ(engine::POLINOM({ 1, -3, 2 }, 2, 2.0), 3.0);
    EXPECT_EQ(engine::POLINOM({ 0, 0, 0, 1 }, 3, -2.0), -8.0);
    EXPECT_EQ(engine::POLINOM({ 5 }, 0, 0.0), 5.0) << "x^0 is 1, also at 0";
}

TEST(ArcLength, AnAlmostStraightCurveStopsAtTheChordLimitWithTheFinestPolygon)
{
    // Curvature far below the rounding noise: the ratio of differences never reaches 4.
    const auto result = engine::arcLength({ 0.0, 1.0, 1e-19 }, 0.0, 1.0);
    EXPECT_TRUE(result.bounded);
    EXPECT_LE(result.chords, engine::maxChords * 2);
    EXPECT_NEAR(result.length, std::sqrt(2.0), 1e-10); // a quarter million chords' rounding
}

TEST(ArcLength, AnOverflowingCurveEndsAtOnceWithoutAFiniteLength)
{
    std::vector<double> huge(101, 0.0);
    huge[100] = 1e300;
    const auto result = engine::arcLength(huge, 0.0, 1e10);
    EXPECT_FALSE(std::isfinite(result.length)); // written as a non-number: the solver shows its overflow text
    EXPECT_FALSE(result.bounded);
}

TEST(ArcLength, SteepButFiniteCurvesKeepAFiniteLength)
{
    // y = 1e200 x on [0, 1]: the squares of the sides overflow, the chords do not.
    const auto result = engine::arcLength({ 0.0, 1e200 }, 0.0, 1.0);
    EXPECT_NEAR(result.length, 1e200, 1e186);
}

} // namespace
