// The verification of a root set and the fallback that takes over when it fails: wrong roots and double
// claims on one root are caught, true multiple roots and clusters are not mistaken for them, and the
// simultaneous iteration finds every root from nothing but the coefficients.

#include "root_check.h"
#include "simultaneous_iteration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace
{

using Complex = std::complex<double>;
namespace kernel = engine::portable;
constexpr double eps = std::numeric_limits<double>::epsilon();

// The coefficients (highest power first) of the product of (x - r) over the roots.
std::vector<Complex> product(const std::vector<Complex> &roots)
{
    std::vector<Complex> c { 1.0 };
    for (const Complex &r : roots) {
        c.push_back(0.0);
        for (std::size_t k = c.size() - 1; k > 0; --k) {
            c[k] -= r * c[k - 1];
        }
    }
    return c;
}

std::vector<double> realParts(const std::vector<Complex> &c)
{
    std::vector<double> real;
    for (const Complex &x : c) {
        real.push_back(x.real());
    }
    return real;
}

std::vector<kernel::RootCheck> check(const std::vector<double> &a, const std::vector<Complex> &roots, bool &all)
{
    std::vector<kernel::RootCheck> result(roots.size());
    all = kernel::checkRoots(a.data(), static_cast<int>(roots.size()), roots.data(), result.data());
    return result;
}

TEST(RootCheck, TrustsAnAccurateSetAndGivesDiscsAsSmallAsItsErrors)
{
    const auto a = realParts(product({ 1.0, 2.0, 3.0, Complex(0.5, 2.0), Complex(0.5, -2.0) }));
    bool all = false;
    const auto c = check(a, { 1.0, 2.0, 3.0, Complex(0.5, 2.0), Complex(0.5, -2.0) }, all);
    EXPECT_TRUE(all);
    for (const auto &root : c) {
        EXPECT_LE(root.backwardError, eps);
        EXPECT_LE(root.radius, 100 * eps) << "an exact root has a disc of rounding size";
        EXPECT_NEAR(root.consistency, 1.0, 1e-12);
    }
}

TEST(RootCheck, AValueThatIsNotARootIsCaught)
{
    const auto a = realParts(product({ 1.0, 2.0, 3.0 }));
    bool all = true;
    const auto c = check(a, { 1.0, 2.1, 3.0 }, all);
    EXPECT_FALSE(all);
    EXPECT_FALSE(c[1].isRoot);
    EXPECT_TRUE(c[0].isRoot);
}

TEST(RootCheck, TwoClaimsOnOneSimpleRootAreCaughtWhileTheRootTheyMissIsUnclaimed)
{
    // Both approximations of 1 are roots to the last bit; the set is still wrong, since 2 has none.
    const auto a = realParts(product({ 1.0, 2.0, 3.0 }));
    for (const double second : { 1.0, 1.0 + 2 * eps }) {
        bool all = true;
        const auto c = check(a, { 1.0, second, 3.0 }, all);
        EXPECT_FALSE(all) << "second approximation " << second;
        EXPECT_TRUE(c[0].isRoot && c[1].isRoot);
        EXPECT_FALSE(c[0].trusted || c[1].trusted);
        EXPECT_TRUE(c[2].trusted) << "3 is accounted for";
    }
}

TEST(RootCheck, MultipleRootsAndClustersAreTrusted)
{
    // (x - 1)^2 (x - 3) with the double root given twice exactly.
    bool all = false;
    check(realParts(product({ 1.0, 1.0, 3.0 })), { 1.0, 1.0, 3.0 }, all);
    EXPECT_TRUE(all);
    // (x - 1)^4 (x + 2): a fourfold root found as the cluster double precision allows, 1 + 1e-4 i^k.
    const double d = 1e-4;
    check(realParts(product({ 1.0, 1.0, 1.0, 1.0, -2.0 })),
        { Complex(1 + d, 0), Complex(1, d), Complex(1, -d), Complex(1 - d, 0), -2.0 },
        all);
    EXPECT_TRUE(all);
}

TEST(RootCheck, FarOutRootsAreCheckedWithoutOverflow)
{
    // 1e-300 x^40 - 1e300: the roots are 1e15 times the 40th roots of unity, and |z|^40 = 1e600.
    std::vector<Complex> a(41, 0.0);
    a.front() = 1e-300;
    a.back() = -1e300;
    std::vector<Complex> roots;
    for (int k = 0; k < 40; ++k) {
        roots.push_back(std::polar(1e15, 2 * std::numbers::pi * k / 40));
    }
    std::vector<kernel::RootCheck> c(roots.size());
    EXPECT_TRUE(kernel::checkRoots(a.data(), 40, roots.data(), c.data()));
    for (const auto &root : c) {
        EXPECT_LE(root.radius, 1e15 * 1e-13);
    }
}

TEST(SimultaneousIteration, FindsEveryRootFromTheNewtonPolygonAlone)
{
    // x^60 - 1 and a polynomial whose roots spread over twenty orders of magnitude.
    std::vector<Complex> spread;
    for (int k = -10; k <= 10; ++k) {
        spread.push_back(std::polar(std::pow(10.0, k), 1.0 + k));
    }
    std::vector<Complex> unity(61, 0.0);
    unity.front() = 1.0;
    unity.back() = -1.0;
    for (const auto &a : { unity, product(spread) }) {
        const int n = static_cast<int>(a.size()) - 1;
        std::vector<Complex> roots(a.size() - 1);
        kernel::newtonPolygonStart(a.data(), n, roots.data());
        EXPECT_TRUE(kernel::aberthIteration(a.data(), n, roots.data(), 500)) << "degree " << n;
        std::vector<kernel::RootCheck> c(roots.size());
        EXPECT_TRUE(kernel::checkRoots(a.data(), n, roots.data(), c.data())) << "degree " << n;
    }
}

TEST(SimultaneousIteration, ReachesExactMultipleRootsAsCloseAsTheTwicePrecisionValueAllows)
{
    // Exact fourfold roots: the value, computed as if in twice the precision, resolves them to about
    // (eps^2)^(1/4) ~ 1e-8. Stopping at the first point within the value's worst-case bound leaves them at
    // 2e-7 to 3e-7; following the value down while it keeps falling brings them within 5e-8.
    const std::vector<std::vector<Complex>> cases { { 2, 2, 2, 2, -1, -1, -1, -1 }, { 1.5, 1.5, 1.5, 1.5, -2 },
        { 1, 1, 1, 1, 2, 2, 2, -0.5, -0.5 }, { Complex(0, 1), Complex(0, 1), Complex(0, 1), Complex(0, 1), 3 } };
    for (const auto &truth : cases) {
        const std::vector<Complex> a = product(truth);
        const int n = static_cast<int>(truth.size());
        std::vector<Complex> roots(truth.size());
        kernel::newtonPolygonStart(a.data(), n, roots.data());
        EXPECT_TRUE(kernel::aberthIteration(a.data(), n, roots.data(), 500)) << "degree " << n;
        for (const Complex &z : roots) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const Complex &r : truth) {
                nearest = std::min(nearest, std::abs(z - r));
            }
            EXPECT_LE(nearest, 1e-7) << "degree " << n << ", approximation " << z;
        }
    }
}

TEST(SimultaneousIteration, RealCoefficientsGetRealRootsAndExactPairsBack)
{
    // Approximations of 2, 3 and 1 +- i that the complex iteration left a hair off the axis and off symmetry.
    const auto a = realParts(product({ 2.0, 3.0, Complex(1, 1), Complex(1, -1) }));
    std::vector<Complex> roots { Complex(1 + 1e-17, -1), Complex(2, 1e-17), Complex(1, 1 + 2e-16), Complex(3, -1e-18) };
    kernel::restoreConjugateSymmetry(a.data(), 4, roots.data());
    EXPECT_GT(roots[0].imag(), 0.0) << "the pair comes with the positive imaginary part first";
    EXPECT_EQ(roots[1], std::conj(roots[0]));
    EXPECT_EQ(roots[2], Complex(2, 0));
    EXPECT_EQ(roots[3], Complex(3, 0));
    EXPECT_NEAR(std::abs(roots[0] - Complex(1, 1)), 0.0, 4 * eps);
}

} // namespace
