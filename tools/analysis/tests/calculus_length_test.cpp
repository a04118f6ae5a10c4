#include "tools/analysis/arc_length.h"
#include "tools/analysis/calculus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
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

struct LimitsCase {
    const char *first;
    const char *second;
    LimitsProblem problem;
    std::size_t focus;
    bool conversionFailed;
    std::vector<std::size_t> zeroed;
};

void PrintTo(const LimitsCase &c, std::ostream *out)
{
    *out << '"' << c.first << "\" \"" << c.second << '"';
}

class LimitsCases : public ::testing::TestWithParam<LimitsCase>
{
};

// The integral sends equal limits to the second box, the arc length to the first.
TEST_P(LimitsCases, NameTheBoxToCorrect)
{
    const LimitsCase &c = GetParam();
    const IntegRequest integral = CheckIntegRequest(c.first, c.second);
    ASSERT_TRUE(integral.limits);
    for (const LimitsRequest &request : { *integral.limits, CheckLengthRequest(c.first, c.second) }) {
        EXPECT_EQ(request.problem, c.problem);
        EXPECT_EQ(request.ConversionFailed, c.conversionFailed);
        EXPECT_EQ(request.zeroed, c.zeroed);
    }
    if (c.problem == LimitsProblem::SameValues) {
        EXPECT_EQ(integral.limits->focus, 1u);
        EXPECT_EQ(CheckLengthRequest(c.first, c.second).focus, 0u);
    } else if (c.problem != LimitsProblem::None) {
        EXPECT_EQ(integral.limits->focus, c.focus);
        EXPECT_EQ(CheckLengthRequest(c.first, c.second).focus, c.focus);
    }
}

using LP = LimitsProblem;
INSTANTIATE_TEST_SUITE_P(Checks,
    LimitsCases,
    ::testing::Values(LimitsCase { "3", "1/2", LP::SecondNotGreater, 1, false, {} },
        LimitsCase { "0.5", "1/2", LP::SameValues, 1, false, {} },
        LimitsCase { "abc", "1", LP::Input, 0, false, {} },
        LimitsCase { "0/1", "junk", LP::Input, 1, false, { 0 } },
        LimitsCase { "1", "1/0", LP::Input, 1, true, {} },
        LimitsCase { "", "1E999", LP::Input, 1, false, { 0 } },
        LimitsCase { "", "0", LP::SameValues, 0, false, { 0, 1 } },
        LimitsCase { "-1", "1/2", LP::None, 0, false, {} }),
    [](const auto &info) {
        return std::to_string(info.index);
    });

TEST(Calculus, IntegralRequestWithoutOrMissingLimits)
{
    EXPECT_FALSE(CheckIntegRequest("x", "x").limits);
    EXPECT_EQ(CheckIntegRequest("x", "x").missing, MissingValue::None);
    EXPECT_EQ(CheckIntegRequest("x", "2").missing, MissingValue::First);
    EXPECT_EQ(CheckIntegRequest("2", "x").missing, MissingValue::Second);
    EXPECT_FALSE(CheckIntegRequest("2", "x").limits);
    const IntegRequest given = CheckIntegRequest("-1", "1/2");
    ASSERT_TRUE(given.limits);
    EXPECT_EQ(given.limits->x1, -1.0);
    EXPECT_EQ(given.limits->x2, 0.5);
}

TEST(Calculus, DerivativeRequest)
{
    EXPECT_FALSE(CheckDiffRequest("x").x);
    EXPECT_FALSE(CheckDiffRequest("x").EntryError);
    const DiffRequest empty = CheckDiffRequest("");
    EXPECT_TRUE(empty.zeroed);
    EXPECT_EQ(empty.x, 0.0);
    EXPECT_EQ(CheckDiffRequest("1/4").x, 0.25);
    EXPECT_TRUE(CheckDiffRequest("xx").EntryError);
    EXPECT_TRUE(CheckDiffRequest("2/0").ConversionFailed);
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
