#include "quartic/solver.h"
#include "solver_cases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace quartic
{
namespace
{

using cubic::Nature;
using cubic::Notice;
using namespace solver_cases;
using SolvedCase = solver_cases::SolvedCase<4>;

class SolvedQuarticTest : public ::testing::TestWithParam<SolvedCase>
{
};

TEST_P(SolvedQuarticTest, ShowsRootsColoursCaptionAndCopyLine)
{
    ExpectSolved(GetParam(), SolveQuarticEquation(GetParam().boxes), [](const QuarticOutcome &outcome) {
        return CopyLine(outcome, outcome.boxes, outcome.display->roots);
    });
}

INSTANTIATE_TEST_SUITE_P(Quartics,
    SolvedQuarticTest,
    ::testing::Values(SolvedCase { "ferrari_four_real",
                          { "1", "0", "-5", "0", "4" },
                          { "-2", "-1", "1", "2" },
                          { B, B, B, B },
                          Nature::FourRealRoots,
                          "{1x^4 + 0x^3 + -5x^2 + 0x + 4 = 0 | x = -2; -1; 1; 2}" },
        SolvedCase { "ferrari_four_complex",
            { "1", "0", "0", "0", "4" },
            { "-1 + i", "-1 - i", "1 + i", "1 - i" },
            { R, R, R, R },
            Nature::FourComplexRoots,
            "{1x^4 + 0x^3 + 0x^2 + 0x + 4 = 0 | x = -1 ± 1i; 1 ± 1i}" },
        SolvedCase { "fourth_roots",
            { "1", "0", "0", "0", "-16" },
            { "2", "-2", "+ 2i", "- 2i" },
            { B, B, R, R },
            Nature::TwoRealTwoComplexRoots,
            "{1x^4 + 0x^3 + 0x^2 + 0x + -16 = 0 | x = 2; -2; ± 2i}" },
        SolvedCase { "fourth_roots_of_one",
            { "1", "0", "0", "0", "-1" },
            { "1", "-1", "+ i", "- i" },
            { B, B, R, R },
            Nature::TwoRealTwoComplexRoots,
            "{1x^4 + 0x^3 + 0x^2 + 0x + -1 = 0 | x = 1; -1; ± i}" },
        SolvedCase { "double_zero_and_imaginary_pair",
            { "2", "0", "8", "0", "0" },
            { "0", "0", "+ 2i", "- 2i" },
            { B, B, R, R },
            Nature::TwoRealTwoComplexRoots,
            "{2x^4 + 0x^3 + 8x^2 + 0x + 0 = 0 | x = 0; 0; ± 2i}" },
        // c/a < 0: the two non-zero roots are real.
        SolvedCase { "double_zero_and_real_pair",
            { "2", "0", "-8", "0", "0" },
            { "0", "0", "2", "-2" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{2x^4 + 0x^3 + -8x^2 + 0x + 0 = 0 | x = 0; 0; 2; -2}" },
        SolvedCase { "x4_only",
            { "1", "0", "0", "0", "0" },
            { "0", "0", "0", "0" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{1x^4 + 0x^3 + 0x^2 + 0x + 0 = 0 | x = 0; 0; 0; 0}" },
        SolvedCase { "all_boxes_empty",
            { "", "", "", "", "" },
            { "0", "-1", "+ i", "- i" },
            { B, B, R, R },
            Nature::TwoRealTwoComplexRoots,
            "{1x^4 + 1x^3 + 1x^2 + 1x + 0 = 0 | x = 0; -1; ± i}" },
        // Biquadratics whose resolvent has no positive root split as a quadratic in x².
        SolvedCase { "biquadratic_four_imaginary",
            { "1", "0", "5", "0", "4" },
            { "+ i", "- i", "+ 2i", "- 2i" },
            { R, R, R, R },
            Nature::FourComplexRoots,
            "{1x^4 + 0x^3 + 5x^2 + 0x + 4 = 0 | x = ± i; ± 2i}" },
        SolvedCase { "biquadratic_real_and_imaginary",
            { "1", "0", "-3", "0", "-4" },
            { "2", "-2", "+ i", "- i" },
            { B, B, R, R },
            Nature::TwoRealTwoComplexRoots,
            "{1x^4 + 0x^3 + -3x^2 + 0x + -4 = 0 | x = 2; -2; ± i}" },
        SolvedCase { "biquadratic_double_pair",
            { "1", "0", "2", "0", "1" },
            { "+ i", "- i", "+ i", "- i" },
            { R, R, R, R },
            Nature::FourComplexRoots,
            "{1x^4 + 0x^3 + 2x^2 + 0x + 1 = 0 | x = ± i; ± i}" },
        SolvedCase { "shifted_biquadratic",
            { "1", "-4", "1", "6", "0" },
            { "-1", "0", "2", "3" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{1x^4 + -4x^3 + 1x^2 + 6x + 0 = 0 | x = -1; 0; 2; 3}" },
        SolvedCase { "complex_pair_then_real_pair",
            { "1", "0", "-3", "-6", "-2" },
            { "-1 + i", "-1 - i", "2.4142136", "-0.4142136" },
            { R, R, B, B },
            Nature::TwoComplexTwoRealRoots,
            "{1x^4 + 0x^3 + -3x^2 + -6x + -2 = 0 | x = -1 ± 1i; 2.4142136; -0.4142136}" },
        // The resolvent (z - 4)²(z - 1) has its double root largest: t = -1 must give z = 4.
        SolvedCase { "resolvent_double_root_largest",
            { "1", "0", "-4.5", "4", "-0.9375" },
            { "-2.5", "0.5", "0.5", "1.5" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{1x^4 + 0x^3 + -4.5x^2 + 4x + -0.9375 = 0 | x = -2.5; 0.5; 0.5; 1.5}" },
        // (x - 1)³(x + 3): the resolvent (z - 4)³ has a triple root.
        SolvedCase { "triple_root",
            { "1", "0", "-6", "8", "-3" },
            { "-3", "1", "1", "1" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{1x^4 + 0x^3 + -6x^2 + 8x + -3 = 0 | x = -3; 1; 1; 1}" },
        // ((x + 0.7)² + 1)²: q is rounding noise, not 0, and p² - 4r too.
        SolvedCase { "repeated_complex_pair",
            { "1", "2.8", "4.94", "4.172", "2.2201" },
            { "-0.7 + i", "-0.7 - i", "-0.7 + i", "-0.7 - i" },
            { R, R, R, R },
            Nature::FourComplexRoots,
            "{1x^4 + 2.8x^3 + 4.94x^2 + 4.172x + 2.2201 = 0 | x = -0.7 ± 1i; -0.7 ± 1i}" },
        // 2(x - 2.8)²(x² - 2x + 5): the factor of the double root is a square only up to rounding.
        SolvedCase { "double_root_beside_a_complex_pair",
            { "2", "-15.2", "48.08", "-87.36", "78.4" },
            { "1 + 2i", "1 - 2i", "2.8", "2.8" },
            { R, R, B, B },
            Nature::TwoComplexTwoRealRoots,
            "{2x^4 + -15.2x^3 + 48.08x^2 + -87.36x + 78.4 = 0 | x = 1 ± 2i; 2.8; 2.8}" },
        // -0.01(x + 0.06)²(x - 9)²: two double roots of decimals.
        SolvedCase { "two_double_roots_of_decimals",
            { "-0.01", "0.1788", "-0.788436", "-0.096552", "-0.002916" },
            { "-0.06", "9", "-0.06", "9" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{-0.01x^4 + 0.1788x^3 + -0.788436x^2 + -0.096552x + -0.002916 = 0 | x = -0.06; 9; -0.06; 9}" },
        // 0.4(x - 2)(x - 9.3)³: the resolvent has a triple root.
        SolvedCase { "triple_root_of_decimals",
            { "0.4", "-11.96", "126.108", "-529.3188", "643.4856" },
            { "2", "9.3", "9.3", "9.3" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{0.4x^4 + -11.96x^3 + 126.108x^2 + -529.3188x + 643.4856 = 0 | x = 2; 9.3; 9.3; 9.3}" },
        SolvedCase { "quadruple_root_of_decimals",
            { "1", "1.2", "0.54", "0.108", "0.0081" },
            { "-0.3", "-0.3", "-0.3", "-0.3" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{1x^4 + 1.2x^3 + 0.54x^2 + 0.108x + 0.0081 = 0 | x = -0.3; -0.3; -0.3; -0.3}" },
        SolvedCase { "quadruple_root",
            { "1", "-4", "6", "-4", "1" },
            { "1", "1", "1", "1" },
            { B, B, B, B },
            Nature::FourRealRoots,
            "{1x^4 + -4x^3 + 6x^2 + -4x + 1 = 0 | x = 1; 1; 1; 1}" }));

INSTANTIATE_TEST_SUITE_P(LowerDegrees,
    SolvedQuarticTest,
    ::testing::Values(SolvedCase { "cubic",
                          { "0", "1", "0", "0", "-8" },
                          { "2", "-1 + 1.7320508i", "-1 - 1.7320508i", "" },
                          { B, R, R, N },
                          Nature::OneRealTwoComplexRoots,
                          "{1x³ + 0x² + 0x + -8 = 0 | x = 2; -1 ± 1.7320508i}" },
        SolvedCase { "cubic_by_bisection",
            { "0", "1", "0", "-3", "2" },
            { "-2", "1", "1", "" },
            { B, B, B, N },
            Nature::ThreeRealRoots,
            "{1x³ + 0x² + -3x + 2 = 0 | x = -2; 1; 1}" },
        SolvedCase { "perfect_cube",
            { "0", "1", "3", "3", "1" },
            { "-1", "-1", "-1", "" },
            { B, B, B, N },
            Nature::ThreeRealRoots,
            "{1x³ + 3x² + 3x + 1 = 0 | x = -1; -1; -1}" },
        SolvedCase { "cubic_triple_root_of_decimals",
            { "0", "1", "0.9", "0.27", "0.027" },
            { "-0.3", "-0.3", "-0.3", "" },
            { B, B, B, N },
            Nature::ThreeRealRoots,
            "{1x³ + 0.9x² + 0.27x + 0.027 = 0 | x = -0.3; -0.3; -0.3}" },
        SolvedCase { "quadratic",
            { "0", "0", "1", "2", "2" },
            { "-1 + i", "-1 - i", "", "" },
            { R, R, N, N },
            Nature::TwoConjugateComplexRoots,
            "{1x² + 2x + 2 = 0 | x = -1 ± i}" },
        SolvedCase { "two_zero_roots",
            { "0", "0", "3", "0", "0" },
            { "0", "0", "", "" },
            { B, B, N, N },
            Nature::TwoRealRoots,
            "{3x² + 0x + 0 = 0 | x = 0; 0}" },
        SolvedCase { "linear",
            { "0", "0", "0", "2", "1" },
            { "-0.5", "", "", "" },
            { B, N, N, N },
            Nature::OneRealRoot,
            "{2x + 1 = 0 | x = -0.5}" }));

class RefusedQuarticTest : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(RefusedQuarticTest, EndsInTheErrorReport)
{
    const RefusedCase &expected = GetParam();
    const QuarticOutcome outcome = SolveQuarticEquation(expected.boxes);
    EXPECT_FALSE(outcome.display);
    EXPECT_FALSE(outcome.IsQuartic);
    EXPECT_EQ(outcome.notices, expected.notices);
}

INSTANTIATE_TEST_SUITE_P(Refused,
    RefusedQuarticTest,
    ::testing::Values(RefusedCase { "constant_only", { "0", "0", "0", "0", "3" }, { Notice::InputError } },
        RefusedCase {
            "zero_denominator", { "1", "2/0", "1", "1", "1" }, { Notice::DivisionByZero, Notice::InputError } },
        RefusedCase { "zero_denominator_in_constant",
            { "1", "1", "1", "1", "x/0" },
            { Notice::DivisionByZero, Notice::InputError } },
        RefusedCase { "lone_minus_in_constant_box", { "-", "-", "-", "-", "-" }, { Notice::InputError } },
        RefusedCase { "root_too_large_to_show", { "1", "0", "0", "0", "-1E120" }, { Notice::InputError } }));

TEST(SolveQuarticEquation, FillsEmptyBoxesAndLoneMinus)
{
    EXPECT_EQ(
        SolveQuarticEquation({ "", "-", "", "-", "" }).boxes, (std::vector<std::string> { "1", "-1", "1", "-1", "0" }));
}

TEST(SolveQuarticEquation, MarksExactlyOneOutcome)
{
    const QuarticOutcome outcome = SolveQuarticEquation({ "1", "0", "-3", "-6", "-2" });
    EXPECT_TRUE(outcome.FirstComplexSecondRealV);
    EXPECT_FALSE(outcome.FourRealV || outcome.FourComplexV || outcome.FirstRealSecondComplexV);
    const QuarticOutcome cubic = SolveQuarticEquation({ "0", "1", "0", "0", "-8" });
    EXPECT_TRUE(cubic.IsCubic);
    EXPECT_FALSE(cubic.IsQuartic);
}

TEST(CubicEquationRealRoot, GivesARootOfTheResolvent)
{
    EXPECT_NEAR(CubicEquationRealRoot(1, 0, 1, -2), 1.0, 1E-15); // Cardano
    EXPECT_NEAR(CubicEquationRealRoot(1, -10, 9, 0), 9.0, 1E-14); // largest of three
    EXPECT_EQ(CubicEquationRealRoot(1, -9, 24, -16), 4.0); // (z - 4)²(z - 1): t = -1
    // (z - 1)²(z - 4): t = 1, by bisection, which stops within 1E-14 · terms / slope = 1E-14 · 200 / 9.
    EXPECT_NEAR(CubicEquationRealRoot(1, -6, 9, -4), 4.0, 1E-14 * 200 / 9);
    EXPECT_EQ(CubicEquationRealRoot(1, -12, 48, -64), 4.0); // (z - 4)³
}

TEST(ACos2, IsZeroWhereUndefined)
{
    EXPECT_NEAR(ACos2(0.5), std::numbers::pi / 3, 1E-15);
    EXPECT_NEAR(ACos2(-0.5), 2 * std::numbers::pi / 3, 1E-15);
    EXPECT_EQ(ACos2(1), 0.0);
    EXPECT_EQ(ACos2(-1), 0.0);
    EXPECT_EQ(ACos2(1.5), 0.0);
}

TEST(CopySeparate, WritesTheComplexPairWithPlusMinus)
{
    EXPECT_EQ(CopySeparate("-1 + 0.5i"), "-1 ± 0.5i");
    EXPECT_EQ(CopySeparate("-1 + i"), "-1 ± 1i");
    EXPECT_EQ(CopySeparate("+ 2i"), "± 2i");
    EXPECT_EQ(CopySeparate("+ i"), "± i");
    EXPECT_EQ(CopySeparate("0.3333333 + 1.7320508i"), "0.3333333 ± 1.7320508i");
    EXPECT_EQ(CopySeparate("-0.0000123 + 2i"), "-1.23e-05 ± 2i");
}

TEST(CopyLine, QuarticLineReadsTheBoxesAsTheyStandNow)
{
    const QuarticOutcome outcome = SolveQuarticEquation({ "1", "0", "0", "0", "-16" });
    ASSERT_TRUE(outcome.display);
    EXPECT_EQ(CopyLine(outcome, { "2", "0", "0", "0", "-32" }, outcome.display->roots),
        "{2x^4 + 0x^3 + 0x^2 + 0x + -32 = 0 | x = 2; -2; ± 2i}");
}

} // namespace
} // namespace quartic
