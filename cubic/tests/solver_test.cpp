#include "cubic/solver.h"
#include "solver_cases.h"

#include <gtest/gtest.h>

namespace cubic
{
namespace
{

using namespace solver_cases;
using SolvedCase = solver_cases::SolvedCase<3>;

class SolvedCubicTest : public ::testing::TestWithParam<SolvedCase>
{
};

TEST_P(SolvedCubicTest, ShowsRootsColoursCaptionAndCopyLine)
{
    ExpectSolved(GetParam(), SolveCubicEquation(GetParam().boxes), [](const SolveOutcome &outcome) {
        return CopyLine(outcome, outcome.boxes, outcome.display->roots);
    });
}

INSTANTIATE_TEST_SUITE_P(Cubics,
    SolvedCubicTest,
    ::testing::Values(SolvedCase { "trigonometric",
                          { "1", "-6", "11", "-6" },
                          { "3", "1", "2" },
                          { B, B, B },
                          Nature::ThreeRealRoots,
                          "{1x³ + -6x² + 11x + -6 = 0 | x = 3; 1; 2}" },
        SolvedCase { "cardano_x3_plus_1",
            { "1", "0", "0", "1" },
            { "-1", "0.5 + 0.866025404i", "0.5 - 0.866025404i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{1x³ + 0x² + 0x + 1 = 0 | x = -1; 0.5 ± 0.866025404i}" },
        SolvedCase { "cardano_x3_minus_8",
            { "1", "0", "0", "-8" },
            { "2", "-1 + 1.732050808i", "-1 - 1.732050808i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{1x³ + 0x² + 0x + -8 = 0 | x = 2; -1 ± 1.732050808i}" },
        SolvedCase { "zero_root",
            { "1", "0", "-1", "0" },
            { "0", "1", "-1" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + 0x² + -1x + 0 = 0 | x = 0; 1; -1}" },
        SolvedCase { "double_root_by_bisection",
            { "1", "0", "-3", "2" },
            { "-2", "1", "1" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + 0x² + -3x + 2 = 0 | x = -2; 1; 1}" },
        SolvedCase { "bisection_ends_at_its_bound",
            { "1", "0", "-0.75", "0.25" },
            { "-1", "0.5", "0.5" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + 0x² + -0.75x + 0.25 = 0 | x = -1; 0.5; 0.5}" },
        SolvedCase { "perfect_cube_x_plus_1",
            { "1", "3", "3", "1" },
            { "-1", "-1", "-1" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + 3x² + 3x + 1 = 0 | x = -1; -1; -1}" },
        SolvedCase { "perfect_cube_x_minus_1",
            { "1", "-3", "3", "-1" },
            { "1", "1", "1" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + -3x² + 3x + -1 = 0 | x = 1; 1; 1}" },
        SolvedCase { "times_x_squared_plus_1",
            { "1", "2", "1", "2" },
            { "-2", "+ i", "- i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{1x³ + 2x² + 1x + 2 = 0 | x = -2; ± i}" },
        SolvedCase { "pure_imaginary_pair",
            { "1", "1", "4", "4" },
            { "-1", "+ 2i", "- 2i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{1x³ + 1x² + 4x + 4 = 0 | x = -1; ± 2i}" },
        SolvedCase { "all_boxes_empty",
            { "", "", "", "" },
            { "0", "-0.5 + 0.866025404i", "-0.5 - 0.866025404i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{1x³ + 1x² + 1x + 0 = 0 | x = 0; -0.5 ± 0.866025404i}" },
        SolvedCase { "lone_minus_reads_minus_one",
            { "1", "-", "0", "0" },
            { "0", "1", "0" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + -1x² + 0x + 0 = 0 | x = 0; 1; 0}" },
        // The deflation reads a, b and c again, so the zero denominator is reported twice.
        SolvedCase { "zero_denominator_reads_as_zero",
            { "1", "0", "2/0", "-8" },
            { "2", "-1 + 1.732050808i", "-1 - 1.732050808i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{1x³ + 0x² + 2/0x + -8 = 0 | x = 2; -1 ± 1.732050808i}",
            { Notice::DivisionByZero, Notice::DivisionByZero } },
        // Close roots are not merged into a double root (roots 0, 1 and 1.005; x(x - 1)(x + 1)/1000).
        SolvedCase { "close_roots_stay_apart",
            { "1", "-2.005", "1.005", "0" },
            { "0", "1.005", "1" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + -2.005x² + 1.005x + 0 = 0 | x = 0; 1.005; 1}" },
        // P = Q = 0, while rounding keeps q²/(p·r) just off 3.
        SolvedCase { "perfect_cube_of_a_decimal_root",
            { "10000", "53700", "96123", "57353.39" },
            { "-1.79", "-1.79", "-1.79" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{10000x³ + 53700x² + 96123x + 57353.39 = 0 | x = -1.79; -1.79; -1.79}" },
        // 0.1(x - 0.05)²(x + 0.03): the bisection must not stop at a value that is only small in absolute terms.
        SolvedCase { "double_root_of_small_equation",
            { "0.1", "-0.007", "-0.00005", "0.0000075" },
            { "-0.03", "0.05", "0.05" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{0.1x³ + -0.007x² + -0.00005x + 0.0000075 = 0 | x = -0.03; 0.05; 0.05}" },
        // (x + 0.3)³: the rounding of the decimal coefficients leaves P, Q and Delta slightly off 0.
        SolvedCase { "triple_root_of_decimal_coefficients",
            { "1", "0.9", "0.27", "0.027" },
            { "-0.3", "-0.3", "-0.3" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{1x³ + 0.9x² + 0.27x + 0.027 = 0 | x = -0.3; -0.3; -0.3}" },
        // 489(x - 0.13)(x + 0.8)²: the simple root first, then the double root.
        SolvedCase { "double_root_of_decimal_coefficients",
            { "489", "718.83", "211.248", "-40.6848" },
            { "0.13", "-0.8", "-0.8" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{489x³ + 718.83x² + 211.248x + -40.6848 = 0 | x = 0.13; -0.8; -0.8}" },
        // (x + 1)(1E-6·x² + 1): an absolute tolerance on the deflated discriminant (-4E-6) would make ±1000i a
        // double root 0.
        SolvedCase { "small_leading_coefficient_keeps_its_pair",
            { "0.000001", "0.000001", "1", "1" },
            { "-1", "+ 1000i", "- 1000i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{0.000001x³ + 0.000001x² + 1x + 1 = 0 | x = -1; ± 1000i}" },
        // Rounding puts the arc-cosine's argument just outside [-1, 1], so the bisection finds the real root;
        // the deflated pair is complex and is shown and marked as such.
        SolvedCase { "bisection_root_with_a_complex_pair",
            { "1", "1000000", "1", "1" },
            { "-999999.999999018", "-0.0000005 + 0.001i", "-0.0000005 - 0.001i" },
            { B, R, R },
            Nature::OneRealTwoComplexRoots,
            "{1x³ + 1000000x² + 1x + 1 = 0 | x = -999999.999999018; -0.0000005 ± 0.001i}" },
        SolvedCase { "small_coefficients_keep_their_roots",
            { "0.001", "0", "-0.001", "0" },
            { "0", "1", "-1" },
            { B, B, B },
            Nature::ThreeRealRoots,
            "{0.001x³ + 0x² + -0.001x + 0 = 0 | x = 0; 1; -1}" }));

INSTANTIATE_TEST_SUITE_P(LowerDegrees,
    SolvedCubicTest,
    ::testing::Values(SolvedCase { "linear",
                          { "0", "0", "2", "1" },
                          { "-0.5", "", "" },
                          { B, N, N },
                          Nature::OneRealRoot,
                          "{2x + 1 = 0 | x = -0.5}" },
        SolvedCase { "two_zero_roots",
            { "0", "1", "0", "0" },
            { "0", "0", "" },
            { B, B, N },
            Nature::TwoRealRoots,
            "{1x² + 0x + 0 = 0 | x = 0; 0}" },
        SolvedCase { "two_different_real_roots",
            { "0", "1", "-3", "2" },
            { "2", "1", "" },
            { B, B, N },
            Nature::TwoDifferentRealRoots,
            "{1x² + -3x + 2 = 0 | x = 2; 1}" },
        SolvedCase { "two_equal_real_roots",
            { "0", "1", "-2", "1" },
            { "1", "1", "" },
            { B, B, N },
            Nature::TwoEqualRealRoots,
            "{1x² + -2x + 1 = 0 | x = 1; 1}" },
        // Double roots of decimals: the discriminant misses 0 by rounding, of either sign.
        SolvedCase { "double_root_of_decimals_not_a_pair",
            { "0", "1", "1.4", "0.49" },
            { "-0.7", "-0.7", "" },
            { B, B, N },
            Nature::TwoEqualRealRoots,
            "{1x² + 1.4x + 0.49 = 0 | x = -0.7; -0.7}" },
        SolvedCase { "double_root_of_decimals_not_two_roots",
            { "0", "1", "-0.2", "0.01" },
            { "0.1", "0.1", "" },
            { B, B, N },
            Nature::TwoEqualRealRoots,
            "{1x² + -0.2x + 0.01 = 0 | x = 0.1; 0.1}" },
        // Roots that the decimals do tell apart stay apart: 0.1 and 0.1000001, -0.7 ± 0.000316228i.
        SolvedCase { "close_roots_stay_apart",
            { "0", "1", "-0.2000001", "0.01000001" },
            { "0.1000001", "0.1", "" },
            { B, B, N },
            Nature::TwoDifferentRealRoots,
            "{1x² + -0.2000001x + 0.01000001 = 0 | x = 0.1000001; 0.1}" },
        SolvedCase { "narrow_pair_stays_complex",
            { "0", "1", "1.4", "0.4900001" },
            { "-0.7 + 0.000316228i", "-0.7 - 0.000316228i", "" },
            { R, R, N },
            Nature::TwoConjugateComplexRoots,
            "{1x² + 1.4x + 0.4900001 = 0 | x = -0.7 ± 0.000316228i}" },
        SolvedCase { "complex_pair_unit_imaginary",
            { "0", "1", "2", "2" },
            { "-1 + i", "-1 - i", "" },
            { R, R, N },
            Nature::TwoConjugateComplexRoots,
            "{1x² + 2x + 2 = 0 | x = -1 ± i}" },
        SolvedCase { "complex_pair",
            { "0", "1", "2", "5" },
            { "-1 + 2i", "-1 - 2i", "" },
            { R, R, N },
            Nature::TwoConjugateComplexRoots,
            "{1x² + 2x + 5 = 0 | x = -1 ± 2i}" },
        SolvedCase { "pure_imaginary_unit_pair",
            { "0", "1", "0", "1" },
            { "+ i", "- i", "" },
            { R, R, N },
            Nature::TwoConjugateComplexRoots,
            "{1x² + 0x + 1 = 0 | x = ± i}" },
        SolvedCase { "pure_imaginary_pair",
            { "0", "1", "0", "4" },
            { "+ 2i", "- 2i", "" },
            { R, R, N },
            Nature::TwoConjugateComplexRoots,
            "{1x² + 0x + 4 = 0 | x = ± 2i}" },
        // A negative leading coefficient makes w negative: the copy keeps "1i".
        SolvedCase { "negative_leading_unit_pair",
            { "0", "-1", "0", "-1" },
            { "+ i", "- i", "" },
            { R, R, N },
            Nature::TwoConjugateComplexRoots,
            "{-1x² + 0x + -1 = 0 | x = ± 1i}" },
        // The imaginary part rounds to 0: the rows and the copy show the value, not
        // nothing or an earlier solve's pair.
        SolvedCase { "pair_too_small_to_show",
            { "0", "1", "0", "1E-20" },
            { "0", "0", "" },
            { R, R, N },
            Nature::TwoConjugateComplexRoots,
            "{1x² + 0x + 1E-20 = 0 | x = 0}" },
        SolvedCase { "zero_denominator_in_leading_box",
            { "1/0", "1", "-3", "2" },
            { "2", "1", "" },
            { B, B, N },
            Nature::TwoDifferentRealRoots,
            "{1x² + -3x + 2 = 0 | x = 2; 1}",
            { Notice::DivisionByZero } },
        SolvedCase { "zero_denominator_tested_before_numerator",
            { "0", "0", "1", "x/0" },
            { "0", "", "" },
            { B, N, N },
            Nature::OneRealRoot,
            "{1x + x/0 = 0 | x = 0}",
            { Notice::DivisionByZero } }));

class RefusedCubicTest : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(RefusedCubicTest, EndsInTheErrorReport)
{
    const RefusedCase &expected = GetParam();
    const SolveOutcome outcome = SolveCubicEquation(expected.boxes);
    EXPECT_FALSE(outcome.display);
    EXPECT_EQ(outcome.notices, expected.notices);
}

INSTANTIATE_TEST_SUITE_P(Refused,
    RefusedCubicTest,
    ::testing::Values(RefusedCase { "constant_only", { "0", "0", "0", "5" }, { Notice::InputError } },
        RefusedCase { "lone_minus_in_constant_box", { "1", "1", "1", "-" }, { Notice::InputError } },
        RefusedCase { "unreadable", { "1", "abc", "1", "1" }, { Notice::InputError } },
        RefusedCase { "first_unreadable_box_stops",
            { "1/0", "1/2/3", "/2", "3/" },
            { Notice::DivisionByZero, Notice::InputError } },
        // x/0 reads as 0, which leaves 0x + 1: no equation.
        RefusedCase { "zero_denominator_leaves_no_equation",
            { "0", "0", "x/0", "1" },
            { Notice::DivisionByZero, Notice::InputError } },
        RefusedCase { "root_too_large_to_show", { "1", "-1E30", "0", "0" }, { Notice::InputError } },
        RefusedCase { "linear_root_overflows", { "0", "0", "1E-300", "1E300" }, { Notice::InputError } }));

TEST(FillEmptyBoxes, FillsAndCompletesLoneMinus)
{
    std::vector<std::string> cubic { "", "-", "", "" };
    FillEmptyBoxes(cubic);
    EXPECT_EQ(cubic, (std::vector<std::string> { "1", "-1", "1", "0" }));
    std::vector<std::string> quartic { "-", "", "-", "", "-" };
    FillEmptyBoxes(quartic);
    EXPECT_EQ(quartic, (std::vector<std::string> { "-1", "1", "-1", "1", "-" }));
}

TEST(SolveCubicEquation, ShowsTheFilledInBoxes)
{
    EXPECT_EQ(SolveCubicEquation({ "", "", "", "" }).boxes, (std::vector<std::string> { "1", "1", "1", "0" }));
}

TEST(SolveApprox, FindsTheRealRootInsideTheBound)
{
    // x³ - 3x + 2: positive at 0, so the root -2 is looked for in [-5, 0].
    EXPECT_NEAR(SolveApprox(1, 0, -3, 2), -2.0, 1E-13);
    // u = 1 exactly: the bound is 1 and P(-1) = 0 ends the search at once.
    EXPECT_EQ(SolveApprox(1, 0, -0.75, 0.25), -1.0);
    // Negative at 0: the root is looked for in [0, Limit]. The search stops once the value is below
    // 1E-14 of the size of the terms (20 at x = 2), which with the slope 5 there is 4E-14 from the root.
    EXPECT_NEAR(SolveApprox(2, -4, 2, -4), 2.0, 1E-14 * 20 / 5);
}

TEST(MaxVal, GivesTheLargerOrTheCommonValue)
{
    EXPECT_EQ(MaxVal(1, 2), 2);
    EXPECT_EQ(MaxVal(3, -2), 3);
    EXPECT_EQ(MaxVal(1, 1), 1);
}

TEST(CopyLine, LinearAndQuadraticLinesReadTheBoxesAsTheyStandNow)
{
    const SolveOutcome outcome = SolveCubicEquation({ "0", "1", "-3", "2" });
    ASSERT_TRUE(outcome.display);
    EXPECT_EQ(CopyLine(outcome, { "0", "2", "-6", "4" }, outcome.display->roots), "{2x² + -6x + 4 = 0 | x = 2; 1}");
    // A cubic keeps the line of the boxes as they were solved.
    const SolveOutcome cubic = SolveCubicEquation({ "1", "0", "-1", "0" });
    ASSERT_TRUE(cubic.display);
    EXPECT_EQ(
        CopyLine(cubic, { "9", "9", "9", "9" }, cubic.display->roots), "{1x³ + 0x² + -1x + 0 = 0 | x = 0; 1; -1}");
}

} // namespace
} // namespace cubic
