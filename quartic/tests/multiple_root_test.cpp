// Quartics with multiple roots of a few decimals (and cubics typed into the quartic solver): the rows show
// exactly those roots, each with its kind, and the caption names them. Distinct roots stay distinct.

#include "multiple_roots.h"
#include "quartic/solver.h"

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

class RootedQuartics : public ::testing::TestWithParam<Structure>
{
};

TEST_P(RootedQuartics, AreShownExactly)
{
    const auto seed = 1610 + static_cast<unsigned>(GetParam());
    EXPECT_EQ(CountInexactSolves(GetParam(), FamilyCases(300), seed, solved, kQuarticDialect.decimals), 0);
}

INSTANTIATE_TEST_SUITE_P(Structures,
    RootedQuartics,
    ::testing::Values(Structure::DoubleAndTwoReal,
        Structure::DoubleAndPair,
        Structure::TripleAndSimple,
        Structure::TwoDoubles,
        Structure::DoublePair,
        Structure::Quadruple,
        Structure::FourDistinct),
    TestNameOf);

class RootedCubicsInTheQuarticSolver : public ::testing::TestWithParam<Structure>
{
};

TEST_P(RootedCubicsInTheQuarticSolver, AreShownExactly)
{
    const auto seed = 1620 + static_cast<unsigned>(GetParam());
    EXPECT_EQ(CountInexactSolves(GetParam(), FamilyCases(200), seed, solved, kQuarticDialect.decimals, 1), 0);
}

INSTANTIATE_TEST_SUITE_P(Structures,
    RootedCubicsInTheQuarticSolver,
    ::testing::Values(Structure::DoubleReal, Structure::TripleReal, Structure::ThreeDistinct),
    TestNameOf);

TEST(RootedQuadraticsInTheQuarticSolver, DoubleRootsAreShownExactly)
{
    EXPECT_EQ(CountInexactDoubleRoots(FamilyCases(200), 1640, solved, 2), 0);
}

} // namespace
} // namespace quartic
