// Cubics with a double or triple root of a few decimals: the rows show exactly those roots and the caption
// names them real, whatever rounding the decimal coefficients leave in the discriminant. Distinct roots
// stay distinct.

#include "cubic/depressed_cubic.h"
#include "cubic/polynomial.h"
#include "cubic/solver.h"
#include "multiple_roots.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace cubic
{
namespace
{

using namespace closed_form_testing;

std::optional<Display> solved(std::vector<std::string> boxes)
{
    return SolveCubicEquation(std::move(boxes)).display;
}

class RootedCubics : public ::testing::TestWithParam<Structure>
{
};

TEST_P(RootedCubics, AreShownExactly)
{
    const auto seed = 1600 + static_cast<unsigned>(GetParam());
    EXPECT_EQ(CountInexactSolves(GetParam(), FamilyCases(400), seed, solved, kCubicDialect.decimals), 0);
}

INSTANTIATE_TEST_SUITE_P(Structures,
    RootedCubics,
    ::testing::Values(Structure::DoubleReal, Structure::TripleReal, Structure::ThreeDistinct),
    TestNameOf);

// A quadratic typed with a leading 0 takes the quadratic formula, whose discriminant is no more exact than
// the cubic's: a double root must not show as a complex pair or as two roots one digit apart.
TEST(RootedQuadratics, DoubleRootsAreShownExactly)
{
    EXPECT_EQ(CountInexactDoubleRoots(FamilyCases(400), 1630, solved, 1), 0);
}

// The discriminant of a quadratic typed as decimals, with its bound.
Bounded discriminant(double a, double b, double c)
{
    const Bounded A = Bounded::Read(a);
    const Bounded B = Bounded::Read(b);
    const Bounded C = Bounded::Read(c);
    return B * B - 4.0 * A * C;
}

TEST(Bounded, HoldsTheRoundingOfADoubleRoot)
{
    // (x - 0.1)²: the decimals are not binary numbers, so the discriminant is not exactly 0 ...
    const Bounded repeated = discriminant(1, -0.2, 0.01);
    EXPECT_NE(repeated.value(), 0.0);
    // ... but within its bound.
    EXPECT_TRUE(repeated.MayBeZero()) << repeated.value() << " against " << repeated.error();
    // The same at another scale: 1E6·(x - 1E4)².
    EXPECT_TRUE(discriminant(1E6, -2E10, 1E14).MayBeZero());
}

TEST(Bounded, TellsCloseRootsApart)
{
    // (x - 0.1)(x - 0.1000001): discriminant 1E-14, bound about 1E-17.
    EXPECT_FALSE(discriminant(1, -0.2000001, 0.01000001).MayBeZero());
    // 1E-6·x² + 1: a small leading coefficient is no reason to call -4E-6 zero.
    EXPECT_FALSE(discriminant(1E-6, 0, 1).MayBeZero());
}

TEST(Bounded, DividingByWhatMayBeZeroBoundsNothing)
{
    const Bounded quotient = Bounded(1.0) / Bounded(1E-20, 1E-19);
    EXPECT_EQ(quotient.error(), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(quotient.MayBeZero());
}

std::optional<RepeatedRoot> repeatedRootOf(double a, double b, double c, double d)
{
    const std::array<Bounded, 4> read { Bounded::Read(a), Bounded::Read(b), Bounded::Read(c), Bounded::Read(d) };
    return RepeatedRootOf(read[0], read[1], read[2], read[3], Depress(read[0], read[1], read[2], read[3]));
}

TEST(RepeatedRootOf, FindsTheStructureOfDecimalRoots)
{
    const std::optional<RepeatedRoot> triple = repeatedRootOf(1, 0.9, 0.27, 0.027); // (x + 0.3)³
    ASSERT_TRUE(triple);
    EXPECT_TRUE(triple->triple);
    EXPECT_NEAR(triple->repeated, -0.3, 1E-16);
    const std::optional<RepeatedRoot> pair = repeatedRootOf(2, -0.2, -2.66, 1.274); // 2(x - 0.7)²(x + 1.3)
    ASSERT_TRUE(pair);
    EXPECT_FALSE(pair->triple);
    EXPECT_NEAR(pair->repeated, 0.7, 2E-16);
    EXPECT_NEAR(pair->simple, -1.3, 4E-16);
    EXPECT_FALSE(repeatedRootOf(1, -6, 11, -6)); // (x - 1)(x - 2)(x - 3)
    EXPECT_FALSE(repeatedRootOf(1, -2.000001, 1.000001, 0)); // x(x - 1)(x - 1.000001)
}

TEST(IsMultipleRoot, HoldsForDecimalMultipleRootsOnly)
{
    const std::array<double, 4> doubleRoot { 2, -0.2, -2.66, 1.274 }; // 2(x - 0.7)²(x + 1.3)
    EXPECT_TRUE(IsMultipleRoot(doubleRoot, 0.7, 2));
    EXPECT_FALSE(IsMultipleRoot(doubleRoot, 0.7, 3));
    EXPECT_FALSE(IsMultipleRoot(doubleRoot, 0.7000001, 2));
    EXPECT_FALSE(IsMultipleRoot(doubleRoot, -1.3, 2));
    EXPECT_TRUE(IsMultipleRoot(doubleRoot, -1.3, 1));
    const std::array<double, 5> doublePair { 1, 2.8, 4.94, 4.172, 2.2201 }; // ((x + 0.7)² + 1)²
    EXPECT_TRUE(IsMultipleRoot(doublePair, Complex(-0.7, 1), 2));
    EXPECT_FALSE(IsMultipleRoot(doublePair, Complex(-0.7, 1.0000001), 2));
}

TEST(RefineMultipleRoot, ReachesTheDoubleRootFromNearby)
{
    // Near a double root Newton on the polynomial itself is slow and stops at rounding noise far from the
    // root; on the derivative it converges to the full precision.
    const std::array<double, 4> doubleRoot { 2, -0.2, -2.66, 1.274 };
    EXPECT_NEAR(RefineMultipleRoot(doubleRoot, 0.7001, 2).real(), 0.7, 2E-16);
    const std::array<double, 4> tripleRoot { 1, 0.9, 0.27, 0.027 };
    EXPECT_NEAR(RefineMultipleRoot(tripleRoot, -0.29, 3).real(), -0.3, 1E-16);
}

} // namespace
} // namespace cubic
