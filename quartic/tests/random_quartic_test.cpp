// Every root the quartic solver shows must be a root of its equation to the shown precision.

#include "quartic/solver.h"
#include "root_check.h"

#include <gtest/gtest.h>

namespace quartic
{
namespace
{

using namespace closed_form_testing;

std::optional<cubic::Display> solved(std::vector<std::string> boxes)
{
    return SolveQuarticEquation(std::move(boxes)).display;
}

TEST(RandomQuartics, EveryShownRootIsARoot)
{
    EXPECT_EQ(CheckSolvedEquations(RandomEquations(19680419, 4, 400), solved, kQuarticDialect.decimals), 0);
}

TEST(RandomQuartics, CubicsThroughTheQuarticSolver)
{
    EXPECT_EQ(CheckSolvedEquations(RandomEquations(555, 3, 200), solved, kQuarticDialect.decimals, 1), 0);
}

// Equations that once showed wrong roots or were refused: a huge root whose shift by B/4 cost the small
// roots their digits, and a symmetric quartic whose q is rounding noise, leaving the resolvent's
// positive root tiny.
TEST(HardQuartics, EveryShownRootIsARoot)
{
    const std::vector<TypedEquation> equations = Typed({ { "0.002", "35.749", "46.667", "-49.830", "-45.812" },
        { "-0.003", "-26.308", "28.454", "-18.244", "-42.805" },
        { "1e-04", "8e-06", "2.2999999999999997e-07", "2.7999999999999994e-09", "1.1999999999999996e-11" } });
    EXPECT_EQ(CheckSolvedEquations(equations, solved, kQuarticDialect.decimals), 0);
}

} // namespace
} // namespace quartic
