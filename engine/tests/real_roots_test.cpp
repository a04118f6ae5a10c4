#include "engine/roots.h"
#include "printed_text.h"
#include "residual.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

namespace
{

using engine::Complex;
const double inf = std::numeric_limits<double>::infinity();

// Solves coefficients given from the constant term up; keeps what the engine printed.
struct RealSolve {
    std::vector<Complex> roots;
    std::string printed;
    std::vector<double> coeffAfter;
};

RealSolve solveReal(std::vector<double> coeff)
{
    std::ostringstream out;
    engine::ErrorService errors(out);
    const int degree = static_cast<int>(coeff.size()) - 1;
    RealSolve result;
    result.roots.resize(static_cast<std::size_t>(degree));
    engine::DZPORC(degree, coeff, result.roots, errors);
    result.printed = out.str();
    result.coeffAfter = coeff;
    return result;
}

TEST(RealRoots, QuadraticsTakeTheCarefulPathInTheDocumentedOrder)
{
    auto r = solveReal({ 2, -3, 1 }); // x^2 - 3x + 2
    EXPECT_EQ(r.roots, (std::vector<Complex> { { 1, 0 }, { 2, 0 } }));
    EXPECT_EQ(r.coeffAfter, (std::vector<double> { 2, -3, 1 })) << "coefficients come back unchanged";

    r = solveReal({ 1, 0, 1 }); // x^2 + 1: the smaller root has the negative imaginary part
    EXPECT_EQ(r.roots[0], Complex(0, -1));
    EXPECT_EQ(r.roots[1], Complex(0, 1));

    r = solveReal({ 1, -2, 1 }); // an exact double root
    EXPECT_EQ(r.roots[0].real(), 1.0);
    EXPECT_EQ(r.roots[1].real(), 1.0);
    EXPECT_EQ(r.roots[0].imag(), 0.0);

    // A zero part is never -0 (it would show as "-0"): a double root's imaginary part, the real part of +-i,
    // on the quadratic path as on the iterative one.
    for (const std::vector<double> &coeff :
        { std::vector<double> { 1, -2, 1 }, { 1, 0, 1 }, { -4, 0, 1 }, { 1, 0, 2, 0, 1 }, { -1, 3, -3, 1 } }) {
        for (const Complex &z : solveReal(coeff).roots) {
            EXPECT_FALSE(std::signbit(z.real()) && z.real() == 0.0) << z;
            EXPECT_FALSE(std::signbit(z.imag()) && z.imag() == 0.0) << z;
        }
    }

    // No cancellation in the small root, no overflow from a huge middle coefficient.
    r = solveReal({ 1, 1e10, 1 });
    EXPECT_DOUBLE_EQ(r.roots[0].real(), -1e-10);
    EXPECT_DOUBLE_EQ(r.roots[1].real(), -1e10);
    r = solveReal({ 1.5e308, 1, 1.5e308 }); // the scale t would overflow for |a| and |c| this large
    EXPECT_DOUBLE_EQ(std::abs(r.roots[0]), 1.0);
    EXPECT_DOUBLE_EQ(std::abs(r.roots[1]), 1.0);
    EXPECT_EQ(r.printed, "");

    // 1e-300 x^2 + 1e300 x + 1e300: the roots are -1 and -1e600, which no double can hold. The first is
    // given; the second is a root not found, with the placeholder and the warning.
    r = solveReal({ 1e300, 1e300, 1e-300 });
    EXPECT_DOUBLE_EQ(r.roots[0].real(), -1.0);
    EXPECT_EQ(r.roots[1], Complex(inf, 0));
    EXPECT_NE(engine_test::unwrapped(r.printed).find("Only 1 roots were found."), std::string::npos) << r.printed;
}

TEST(RealRoots, VanishingLeadingCoefficientsGiveInfinitePlaceholdersAndAWarning)
{
    // Degree 2 with leading 0 does not take the careful quadratic path: the leading-zero rule applies.
    auto r = solveReal({ 2, 4, 0 });
    EXPECT_EQ(r.roots[0], Complex(-0.5, 0));
    EXPECT_EQ(r.roots[1], Complex(inf, 0));
    EXPECT_EQ(r.printed,
        "\n *** WARNING  ERROR 1 from DZPORC.  The leading coefficient of the polynomial\n"
        " ***          is equal to zero.  The last root will be set to\n"
        " ***          CMPLX(FINITY,0.0) where FINITY is the largest machine constant.\n");

    r = solveReal({ 2, -3, 1, 0, 0 }); // two leading zeros, then x^2 - 3x + 2
    EXPECT_EQ(r.roots[2], Complex(inf, 0));
    EXPECT_EQ(r.roots[3], Complex(inf, 0));
    EXPECT_NEAR(r.roots[0].real(), 1.0, 1e-15);
    EXPECT_NEAR(r.roots[1].real(), 2.0, 1e-15);
    EXPECT_NE(engine_test::unwrapped(r.printed).find(
                  "The 2 leading coefficients of the polynomial are equal to zero.  The last 2 roots"),
        std::string::npos)
        << r.printed;

    r = solveReal({ 0, 0, 0, 0 }); // everything zero: every root at infinity, m = NDEG + 1
    EXPECT_EQ(r.roots, std::vector<Complex>(3, Complex(inf, 0)));
    EXPECT_NE(engine_test::unwrapped(r.printed).find(
                  "The 4 leading coefficients of the polynomial are equal to zero.  The last 3 roots"),
        std::string::npos)
        << r.printed;
    EXPECT_EQ(r.coeffAfter, (std::vector<double> { 0, 0, 0, 0 }));

    r = solveReal({ 5, 0, 0 }); // a non-zero constant only: nothing left to solve
    EXPECT_EQ(r.roots, std::vector<Complex>(2, Complex(inf, 0)));
}

TEST(RealRoots, RootsAtTheOriginComeFirstWithoutIteration)
{
    auto r = solveReal({ 0, 0, 0, 1 }); // x^3
    EXPECT_EQ(r.roots, std::vector<Complex>(3, Complex(0, 0)));

    r = solveReal({ 0, 0, 6, -5, 1 }); // x^2 (x - 2)(x - 3)
    EXPECT_EQ(r.roots[0], Complex(0, 0));
    EXPECT_EQ(r.roots[1], Complex(0, 0));
    EXPECT_NEAR(r.roots[2].real(), 2.0, 1e-15);
    EXPECT_NEAR(r.roots[3].real(), 3.0, 1e-15);
}

TEST(RealRoots, RealRootsHaveExactlyZeroImaginaryPartsAndConjugatePairsComePositiveFirst)
{
    auto r = solveReal({ -6, 11, -6, 1 }); // (x-1)(x-2)(x-3)
    std::vector<double> found;
    for (const Complex &z : r.roots) {
        EXPECT_EQ(z.imag(), 0.0);
        found.push_back(z.real());
    }
    std::sort(found.begin(), found.end());
    EXPECT_NEAR(found[0], 1, 1e-15);
    EXPECT_NEAR(found[1], 2, 1e-15);
    EXPECT_NEAR(found[2], 3, 1e-15);

    // (x^2 + 2x + 5)(x^2 + 1)(x - 4): pairs -1 +- 2i and +-i, one real root.
    r = solveReal({ -20, 5, -11, -1, -2, 1 });
    int pairs = 0;
    for (std::size_t i = 0; i < r.roots.size(); ++i) {
        if (r.roots[i].imag() != 0.0) {
            ASSERT_LT(i + 1, r.roots.size());
            EXPECT_GT(r.roots[i].imag(), 0.0) << "the positive imaginary part first";
            EXPECT_EQ(r.roots[i + 1], std::conj(r.roots[i])) << "an exact conjugate follows";
            ++pairs;
            ++i;
        }
    }
    EXPECT_EQ(pairs, 2);
}

TEST(RealRoots, ADegreeOutOfRangeIsATerminalErrorForTheCaller)
{
    std::vector<double> coeff(102, 1.0);
    std::vector<Complex> roots(101);
    std::ostringstream out;
    engine::ErrorService errors(out);
    EXPECT_THROW(engine::DZPORC(101, coeff, roots, errors), engine::TerminalError);
    EXPECT_NE(engine_test::unwrapped(out.str()).find("NDEG is given as 101."), std::string::npos);
    out.str("");
    EXPECT_THROW(engine::DZPORC(0, coeff, roots, errors), engine::TerminalError);
    EXPECT_NE(engine_test::unwrapped(out.str()).find("NDEG is given as 0."), std::string::npos);
    EXPECT_EQ(coeff, std::vector<double>(102, 1.0));
}

TEST(RealRoots, CoefficientsThatAreNotNumbersEndInPlaceholdersNotInAHang)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto r = solveReal({ 1, nan, 3, 1, 1 });
    for (const Complex &z : r.roots) {
        EXPECT_EQ(z, Complex(inf, 0));
    }
    EXPECT_NE(engine_test::unwrapped(r.printed).find(
                  "Only 0 roots were found.  The ROOT vector will contain the value for machine"),
        std::string::npos)
        << r.printed;
}

TEST(RealRoots, ConcurrentSolvesDoNotShareState)
{
    // Each call has its own working state: two threads solving different polynomials get what one would.
    std::mt19937 rng(7);
    std::normal_distribution<double> gauss;
    std::vector<double> p1(61), p2(41);
    for (double &c : p1) {
        c = gauss(rng);
    }
    for (double &c : p2) {
        c = gauss(rng);
    }
    const auto alone1 = solveReal(p1).roots;
    const auto alone2 = solveReal(p2).roots;
    std::vector<std::vector<Complex>> together1(20), together2(20);
    std::thread a([&] {
        for (auto &roots : together1) {
            roots = solveReal(p1).roots;
        }
    });
    std::thread b([&] {
        for (auto &roots : together2) {
            roots = solveReal(p2).roots;
        }
    });
    a.join();
    b.join();
    for (std::size_t i = 0; i < together1.size(); ++i) {
        EXPECT_EQ(together1[i], alone1);
        EXPECT_EQ(together2[i], alone2);
    }
}

TEST(RealRoots, EveryRootOfRandomPolynomialsHasASmallResidual)
{
    // Backward stability: each computed root z is an exact root of a polynomial with coefficients within a
    // small multiple of eps (relative): |p(z)| <= k * eps * sum |a_i| |z|^i.
    std::mt19937 rng(11);
    std::normal_distribution<double> gauss;
    for (int degree : { 3, 4, 5, 8, 13, 21, 34, 55, 89, 100 }) {
        std::vector<double> coeff(static_cast<std::size_t>(degree) + 1);
        for (double &c : coeff) {
            c = gauss(rng);
        }
        const auto r = solveReal(coeff);
        for (const Complex &z : r.roots) {
            EXPECT_LE(engine_test::scaledResidual(coeff, z), 1000) << "degree " << degree << " root " << z;
        }
    }
}

} // namespace
