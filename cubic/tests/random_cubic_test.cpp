// Every root the cubic solver shows must be a root of its equation to the shown precision.

#include "cubic/solver.h"
#include "root_check.h"

#include <gtest/gtest.h>

namespace cubic
{
namespace
{

using namespace closed_form_testing;

// Checks the shown rows of `display` against `coefficients` (leading first, all of them non-zero
// leading); returns the number of rows found wanting.
int checkShownRoots(const TypedEquation &equation, const std::vector<double> &coefficients, const Display &display)
{
    const std::size_t degree = coefficients.size() - 1;
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
        const RootCheck check = CheckShownRoot(coefficients, *root, kCubicDialect.decimals);
        if (!check.ok) {
            ADD_FAILURE() << equation.describe() << ": row " << row + 1 << " \"" << display.roots[row] << "\" leaves "
                          << check.residual << ", more than " << check.tolerance;
            ++faults;
        }
    }
    if (roots.size() == degree && !SumMatches(coefficients, roots, kCubicDialect.decimals)) {
        ADD_FAILURE() << equation.describe() << ": the shown roots do not add up to -b/a";
        ++faults;
    }
    return faults;
}

TEST(RandomCubics, EveryShownRootIsARoot)
{
    std::mt19937 engine(20240611);
    int faults = 0;
    for (int i = 0; i < 360; ++i) {
        const TypedEquation equation = RandomEquation(engine, 3, i);
        const SolveOutcome outcome = SolveCubicEquation(equation.texts);
        ASSERT_TRUE(outcome.display) << equation.describe() << " was refused";
        faults += checkShownRoots(equation, equation.values, *outcome.display);
    }
    EXPECT_EQ(faults, 0);
}

// Equations that once showed roots off in their last digits: Cardano's u₀ losing its digits to
// cancellation (small P), a huge real root divided out from the leading end, a double root of a small
// equation stopped short by an absolute bisection bound, and a triple root of decimal coefficients.
TEST(HardCubics, EveryShownRootIsARoot)
{
    const std::vector<std::vector<std::string>> equations { { "-18.640", "-3.230", "-0.193", "-42.981" },
        { "-15.234", "17.412", "-6.637", "-44.101" },
        { "-0.003", "-17.471", "14.094", "-19.875" },
        { "-0.010", "-39.813", "-36.634", "-16.239" },
        { "0.01", "2e-04", "-4.000000000000001e-06", "-8.000000000000001e-08" },
        { "10", "-17.400000000000002", "10.092000000000002", "-1.9511200000000006" } };
    int faults = 0;
    for (const std::vector<std::string> &texts : equations) {
        const TypedEquation equation = Typed(texts);
        const SolveOutcome outcome = SolveCubicEquation(texts);
        ASSERT_TRUE(outcome.display) << equation.describe() << " was refused";
        faults += checkShownRoots(equation, equation.values, *outcome.display);
    }
    EXPECT_EQ(faults, 0);
}

TEST(RandomQuadratics, EveryShownRootIsARoot)
{
    std::mt19937 engine(7321);
    int faults = 0;
    for (int i = 0; i < 240; ++i) {
        TypedEquation equation = RandomEquation(engine, 2, i);
        equation.texts.insert(equation.texts.begin(), "0");
        const SolveOutcome outcome = SolveCubicEquation(equation.texts);
        ASSERT_TRUE(outcome.display) << equation.describe() << " was refused";
        faults += checkShownRoots(equation, equation.values, *outcome.display);
    }
    EXPECT_EQ(faults, 0);
}

} // namespace
} // namespace cubic
