#include "tools/analysis/arc_length.h"
#include "tools/analysis/calculus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace tools::analysis;

namespace
{

using Lines = std::vector<std::string>;

TEST(Calculus, DerivativeTextsListAndFileOfACubic)
{
    // f(x) = 2x^3 - x + 5
    const CalculusResult d = Differentiate({ 5.0, -1.0, 0.0, 2.0 }, std::nullopt, 15);
    EXPECT_FALSE(d.overflow);
    EXPECT_EQ(d.line, "f'(x) = (6)*x^2 + (0)*x^1 + (-1)");
    EXPECT_EQ(d.list, (Lines { "6\t*x^2 + ", "0\t*x^1 + ", "-1\t= f'(x)" }));
    EXPECT_FALSE(d.pointValue);
    EXPECT_EQ(CalculusFileLines(CalculusKind::Derivative, d),
        (Lines { "2\tdegree of derivative's function", "6\t*x^2 + ", "0\t*x^1 + ", "-1\t= f'(x)" }));
}

TEST(Calculus, DerivativeOfALineIsItsSlope)
{
    const CalculusResult d = Differentiate({ 1.0, 1234.5 }, 7.0, 15);
    EXPECT_EQ(d.line, "f'(x) = (1,234.5)");
    EXPECT_EQ(d.list, (Lines { "1234.5\t= f'(x)" }));
    EXPECT_EQ(d.pointValue, "1,234.5");
    EXPECT_EQ(CalculusFileLines(CalculusKind::Derivative, d).front(), "0\tdegree of derivative's function");
}

TEST(Calculus, IntegralTextsListAndFile)
{
    // f(x) = 3x^2 + 1/3: F(x) = x^3 + x/3 + C
    const CalculusResult i = Integrate({ 1.0 / 3.0, 0.0, 3.0 }, std::nullopt, 4);
    EXPECT_EQ(i.line, "F(x) = (1)*x^3 + (0)*x^2 + (0.3333)*x^1 + C");
    EXPECT_EQ(i.list, (Lines { "1\t*x^3 + ", "0\t*x^2 + ", "0.333333333333333\t*x^1 + C = F(x)" }));
    EXPECT_EQ(CalculusFileLines(CalculusKind::Integral, i),
        (Lines {
            "3\tdegree of integral's function", "1\t*x^3 + ", "0\t*x^2 + ", "0.333333333333333\t*x^1 + C = F(x)" }));
}

TEST(Calculus, SlopeAndDefiniteIntegral)
{
    const std::vector<double> c { 0.1, 0.3, -2.0, 7.0 };
    EXPECT_EQ(Slope(c, 0.0), 0.3); // c_1 itself
    EXPECT_DOUBLE_EQ(*Slope(c, 2.0), 3 * 7.0 * 4.0 - 2 * 2.0 * 2.0 + 0.3);
    EXPECT_DOUBLE_EQ(*DefiniteIntegral({ 0.0, 0.0, 3.0 }, 1.0, 2.0), 7.0);
    // An odd polynomial from -1 to 1: zero up to rounding of terms of size about 1.
    const auto odd = DefiniteIntegral({ 0.0, 1.7, 0.0, -4.1, 0.0, 0.3 }, -1.0, 1.0);
    ASSERT_TRUE(odd);
    EXPECT_LE(std::fabs(*odd), 8 * std::numeric_limits<double>::epsilon());
    const CalculusResult area = Integrate({ 0.0, 0.0, 3.0 }, std::pair { 1.0, 2.0 }, 15);
    EXPECT_EQ(area.pointValue, "7");
}

TEST(Calculus, OverflowsAreReported)
{
    constexpr double big = std::numeric_limits<double>::max();
    EXPECT_TRUE(Differentiate({ 0.0, 0.0, big }, std::nullopt, 15).overflow); // coefficient 2 * big
    EXPECT_TRUE(Differentiate({ 0.0, 0.0, 1.0 }, 1e308, 15).overflow); // slope 2 * 1E308
    EXPECT_TRUE(Integrate({ 0.0, 0.0, 1.0 }, std::pair { 0.0, 1e200 }, 15).overflow);
    EXPECT_TRUE(Integrate({ big, 0.0 }, std::pair { -big, big }, 15).overflow); // A - B
    EXPECT_FALSE(Integrate({ 0.0, 0.0, big }, std::nullopt, 15).overflow); // dividing never overflows
}

struct IntegCase {
    const char *first;
    const char *second;
    CalculusProblem problem;
    std::size_t focus;
    bool conversionFailed;
    std::vector<std::size_t> zeroed;
};

class IntegRequestCases : public ::testing::TestWithParam<IntegCase>
{
};

TEST_P(IntegRequestCases, NameTheBoxToCorrect)
{
    const IntegCase &c = GetParam();
    const IntegRequest request = CheckIntegRequest(c.first, c.second);
    EXPECT_EQ(request.problem, c.problem);
    EXPECT_EQ(request.ConversionFailed, c.conversionFailed);
    EXPECT_EQ(request.zeroed, c.zeroed);
    if (c.problem != CalculusProblem::None) {
        EXPECT_EQ(request.focus, c.focus);
        EXPECT_FALSE(request.limits);
    }
}

using CP = CalculusProblem;
INSTANTIATE_TEST_SUITE_P(Checks,
    IntegRequestCases,
    ::testing::Values(IntegCase { "x", "x", CP::None, 0, false, {} },
        IntegCase { "x", "2", CP::FirstMissing, 0, false, {} },
        IntegCase { "2", "x", CP::SecondMissing, 1, false, {} },
        IntegCase { "3", "1/2", CP::SecondNotGreater, 1, false, {} },
        IntegCase { "0.5", "1/2", CP::SameValues, 1, false, {} },
        IntegCase { "abc", "1", CP::IntegInput, 0, false, {} },
        IntegCase { "0/1", "junk", CP::IntegInput, 1, false, { 0 } },
        IntegCase { "1", "1/0", CP::IntegInput, 1, true, {} },
        IntegCase { "", "1E999", CP::IntegInput, 1, false, { 0 } },
        IntegCase { "", "0", CP::SameValues, 1, false, { 0, 1 } }));

TEST(Calculus, DerivativeRequest)
{
    EXPECT_FALSE(CheckDiffRequest("x").x);
    EXPECT_EQ(CheckDiffRequest("x").problem, CalculusProblem::None);
    const DiffRequest empty = CheckDiffRequest("");
    EXPECT_TRUE(empty.zeroed);
    EXPECT_EQ(empty.x, 0.0);
    EXPECT_EQ(CheckDiffRequest("1/4").x, 0.25);
    EXPECT_EQ(CheckDiffRequest("xx").problem, CalculusProblem::DiffInput);
    EXPECT_TRUE(CheckDiffRequest("2/0").ConversionFailed);
}

TEST(IntegRequest, CarriesTheLimits)
{
    const IntegRequest request = CheckIntegRequest("-1", "1/2");
    ASSERT_TRUE(request.limits);
    EXPECT_EQ(request.limits->first, -1.0);
    EXPECT_EQ(request.limits->second, 0.5);
}

TEST(ArcLength, RequestChecks)
{
    const LengthRequest same = CheckLengthRequest("1", "1");
    EXPECT_EQ(same.problem, LengthProblem::SameValues);
    EXPECT_EQ(same.focus, 0u);
    const LengthRequest reversed = CheckLengthRequest("2", "1");
    EXPECT_EQ(reversed.problem, LengthProblem::SecondNotGreater);
    EXPECT_EQ(reversed.focus, 1u);
    const LengthRequest bad = CheckLengthRequest("0", "1/0");
    EXPECT_EQ(bad.problem, LengthProblem::Input);
    EXPECT_TRUE(bad.ConversionFailed);
    EXPECT_EQ(bad.focus, 1u);
    EXPECT_EQ(bad.zeroed, (std::vector<std::size_t> { 0 }));
    const LengthRequest good = CheckLengthRequest("", "1/2");
    EXPECT_EQ(good.problem, LengthProblem::None);
    EXPECT_EQ(good.x2, 0.5);
}

TEST(ArcLength, StraightLineAndTexts)
{
    // y = 2x + 1 from 0 to 3: sqrt(9 + 36)
    const std::vector<double> line { 1.0, 2.0 };
    EXPECT_EQ(StraightLineLength(0.0, *FindYValue(line, 0.0), 3.0, *FindYValue(line, 3.0), 15), "6.70820393249937");
    EXPECT_EQ(StraightLineLength(0.0, 0.0, 3e200, 4e200, 15), "5.E+200"); // the squares alone would overflow
    EXPECT_FALSE(StraightLineLength(-1.7e308, 0.0, 1.7e308, 0.0, 15));
    EXPECT_EQ(CoordinatesText("1/2", 2.0, 15), "[(1/2), (2)]");
    EXPECT_EQ(LengthCopyText("[(0), (1)]", "[(3), (7)]", "6.7"), "Arc length from [(0), (1)] to [(3), (7)] is 6.7");
}

} // namespace
