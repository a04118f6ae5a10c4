// Every root the quartic solver shows must be a root of its equation to the shown precision.

#include "quartic/solver.h"
#include "root_check.h"

#include <gtest/gtest.h>

namespace quartic
{
namespace
{

using namespace closed_form_testing;

int checkShownRoots(const TypedEquation &equation, const cubic::Display &display)
{
    const std::size_t degree = equation.values.size() - 1;
    std::vector<std::complex<double>> roots;
    int faults = 0;
    for (std::size_t row = 0; row < degree; ++row) {
        const std::optional<std::complex<double>> root = ParseShownRoot(display.roots[row]);
        if (!root) {
            ADD_FAILURE() << equation.describe() << ": row " << row + 1 << " shows \"" << display.roots[row] << "\"";
            ++faults;
            continue;
        }
        roots.push_back(*root);
        const RootCheck check = CheckShownRoot(equation.values, *root, kQuarticDialect.decimals);
        if (!check.ok) {
            ADD_FAILURE() << equation.describe() << ": row " << row + 1 << " \"" << display.roots[row] << "\" leaves "
                          << check.residual << ", more than " << check.tolerance;
            ++faults;
        }
    }
    if (roots.size() == degree && !SumMatches(equation.values, roots, kQuarticDialect.decimals)) {
        ADD_FAILURE() << equation.describe() << ": the shown roots do not add up to -b/a";
        ++faults;
    }
    return faults;
}

TEST(RandomQuartics, EveryShownRootIsARoot)
{
    std::mt19937 engine(19680419);
    int faults = 0;
    for (int i = 0; i < 400; ++i) {
        const TypedEquation equation = RandomEquation(engine, 4, i);
        const QuarticOutcome outcome = SolveQuarticEquation(equation.texts);
        ASSERT_TRUE(outcome.display) << equation.describe() << " was refused";
        faults += checkShownRoots(equation, *outcome.display);
    }
    EXPECT_EQ(faults, 0);
}

// Equations that once showed wrong roots or were refused: a huge root whose shift by B/4 cost the small
// roots their digits, and a symmetric quartic whose q is rounding noise, leaving the resolvent's
// positive root tiny.
TEST(HardQuartics, EveryShownRootIsARoot)
{
    const std::vector<std::vector<std::string>> equations { { "0.002", "35.749", "46.667", "-49.830", "-45.812" },
        { "-0.003", "-26.308", "28.454", "-18.244", "-42.805" },
        { "1e-04", "8e-06", "2.2999999999999997e-07", "2.7999999999999994e-09", "1.1999999999999996e-11" } };
    int faults = 0;
    for (const std::vector<std::string> &texts : equations) {
        const TypedEquation equation = Typed(texts);
        const QuarticOutcome outcome = SolveQuarticEquation(texts);
        ASSERT_TRUE(outcome.display) << equation.describe() << " was refused";
        faults += checkShownRoots(equation, *outcome.display);
    }
    EXPECT_EQ(faults, 0);
}

TEST(RandomQuartics, CubicsThroughTheQuarticSolver)
{
    std::mt19937 engine(555);
    int faults = 0;
    for (int i = 0; i < 200; ++i) {
        const TypedEquation equation = RandomEquation(engine, 3, i);
        std::vector<std::string> boxes = equation.texts;
        boxes.insert(boxes.begin(), "0");
        const QuarticOutcome outcome = SolveQuarticEquation(boxes);
        ASSERT_TRUE(outcome.display) << equation.describe() << " was refused";
        faults += checkShownRoots(equation, *outcome.display);
    }
    EXPECT_EQ(faults, 0);
}

} // namespace
} // namespace quartic
