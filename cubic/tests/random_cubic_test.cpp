// Every root the cubic solver shows must be a root of its equation to the shown precision.

#include "cubic/solver.h"
#include "root_check.h"

#include <gtest/gtest.h>

namespace cubic
{
namespace
{

using namespace closed_form_testing;

std::optional<Display> solved(std::vector<std::string> boxes)
{
    return SolveCubicEquation(std::move(boxes)).display;
}

TEST(RandomCubics, EveryShownRootIsARoot)
{
    EXPECT_EQ(CheckSolvedEquations(RandomEquations(20240611, 3, 360), solved, kCubicDialect.decimals), 0);
}

TEST(RandomQuadratics, EveryShownRootIsARoot)
{
    EXPECT_EQ(CheckSolvedEquations(RandomEquations(7321, 2, 240), solved, kCubicDialect.decimals, 1), 0);
}

// Equations that once showed roots off in their last digits: Cardano's u₀ losing its digits to
// cancellation (small P), a huge real root divided out from the leading end, a double root of a small
// equation stopped short by an absolute bisection bound, and a triple root of decimal coefficients.
TEST(HardCubics, EveryShownRootIsARoot)
{
    const std::vector<TypedEquation> equations = Typed({ { "-18.640", "-3.230", "-0.193", "-42.981" },
        { "-15.234", "17.412", "-6.637", "-44.101" },
        { "-0.003", "-17.471", "14.094", "-19.875" },
        { "-0.010", "-39.813", "-36.634", "-16.239" },
        { "0.01", "2e-04", "-4.000000000000001e-06", "-8.000000000000001e-08" },
        { "10", "-17.400000000000002", "10.092000000000002", "-1.9511200000000006" } });
    EXPECT_EQ(CheckSolvedEquations(equations, solved, kCubicDialect.decimals), 0);
}

} // namespace
} // namespace cubic
