#include "engine/roots.h"
#include "printed_text.h"
#include "residual.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

namespace
{

using engine::Complex;
const double inf = std::numeric_limits<double>::infinity();

struct ComplexSolve {
    std::vector<Complex> roots;
    std::string printed;
};

ComplexSolve solveComplex(std::vector<Complex> coeff)
{
    std::ostringstream out;
    engine::ErrorService errors(out);
    const int degree = static_cast<int>(coeff.size()) - 1;
    ComplexSolve result;
    result.roots.resize(static_cast<std::size_t>(degree));
    const auto original = coeff;
    engine::DZPOCC(degree, coeff, result.roots, errors);
    EXPECT_EQ(coeff, original) << "coefficients come back unchanged";
    result.printed = out.str();
    return result;
}

TEST(ComplexRoots, SmallDegreesTakeTheirDirectPaths)
{
    auto r = solveComplex({ 1, 0, 1 }); // x^2 + 1 through the careful quadratic
    EXPECT_EQ(r.roots[0], Complex(0, -1));
    EXPECT_EQ(r.roots[1], Complex(0, 1));

    r = solveComplex({ Complex(0, -1), 1 }); // x - i: the final division
    EXPECT_EQ(r.roots[0], Complex(0, 1));

    // (x - (1+i)) (x - (2-3i)) = x^2 - (3-2i) x + (5-i)
    r = solveComplex({ Complex(5, -1), Complex(-3, 2), 1 });
    EXPECT_NEAR(std::abs(r.roots[0] - Complex(1, 1)), 0, 1e-15);
    EXPECT_NEAR(std::abs(r.roots[1] - Complex(2, -3)), 0, 1e-15);
    EXPECT_EQ(r.printed, "");
}

TEST(ComplexRoots, VanishingLeadingCoefficientsAndRootsAtTheOrigin)
{
    // A cubic with leading (0,0): the remaining quadratic is solved by the general path.
    auto r = solveComplex({ 2, -3, 1, 0 });
    EXPECT_EQ(r.roots[2], Complex(inf, 0));
    EXPECT_NEAR(std::abs(r.roots[0] - 1.0) * std::abs(r.roots[0] - 2.0), 0, 1e-14);
    EXPECT_NEAR(std::abs(r.roots[0] - r.roots[1]), 1.0, 1e-14);
    EXPECT_NE(engine_test::unwrapped(r.printed).find("The leading coefficient of the polynomial is equal to zero."),
        std::string::npos);

    r = solveComplex({ 0, 0, 0 });
    EXPECT_EQ(r.roots, std::vector<Complex>(2, Complex(inf, 0)));
    EXPECT_NE(engine_test::unwrapped(r.printed).find(
                  "The 3 leading coefficients of the polynomial are equal to zero.  The last 3 roots"),
        std::string::npos)
        << r.printed;

    r = solveComplex({ 0, 0, Complex(0, 2), 1 }); // x^2 (x + 2i)
    EXPECT_EQ(r.roots[0], Complex(0, 0));
    EXPECT_EQ(r.roots[1], Complex(0, 0));
    EXPECT_NEAR(std::abs(r.roots[2] - Complex(0, -2)), 0, 1e-15);
}

TEST(ComplexRoots, Degree49IsAcceptedAndDegree50IsTerminal)
{
    std::mt19937 rng(5);
    std::normal_distribution<double> gauss;
    std::vector<Complex> coeff(50);
    for (Complex &c : coeff) {
        c = { gauss(rng), gauss(rng) };
    }
    const auto r = solveComplex(coeff);
    for (const Complex &z : r.roots) {
        EXPECT_TRUE(std::isfinite(z.real()) && std::isfinite(z.imag()));
    }

    coeff.push_back(1);
    std::vector<Complex> roots(50);
    std::ostringstream out;
    engine::ErrorService errors(out);
    EXPECT_THROW(engine::DZPOCC(50, coeff, roots, errors), engine::TerminalError);
    EXPECT_NE(engine_test::unwrapped(out.str()).find(
                  "The degree of the polynomial must be less than 50 and greater than zero."),
        std::string::npos)
        << out.str();
}

TEST(ComplexRoots, CoefficientsAtTheEndsOfTheRangeKeepTheirRoots)
{
    // Moduli of parts near 1e300 or 1e-300 must not overflow or vanish: (x - 1)(x - i)(x + 2) scaled.
    const std::vector<Complex> base { Complex(0, 2), Complex(-2, -1), Complex(1, -1), 1 }; // constant term first
    for (double scale : { 1.0, 1e300, 1e-300, 1e-320 }) {
        std::vector<Complex> coeff;
        for (const Complex &c : base) {
            coeff.push_back(c * scale);
        }
        const auto r = solveComplex(coeff);
        for (const Complex expected : { Complex(1, 0), Complex(0, 1), Complex(-2, 0) }) {
            double nearest = inf;
            for (const Complex &z : r.roots) {
                nearest = std::min(nearest, std::abs(z - expected));
            }
            EXPECT_LT(nearest, 1e-13) << "scale " << scale << " root " << expected;
        }
    }
}

TEST(ComplexRoots, EveryRootOfRandomPolynomialsHasASmallResidual)
{
    std::mt19937 rng(13);
    std::normal_distribution<double> gauss;
    for (int degree : { 3, 4, 7, 12, 20, 33, 49 }) {
        std::vector<Complex> coeff(static_cast<std::size_t>(degree) + 1);
        for (Complex &c : coeff) {
            c = { gauss(rng), gauss(rng) };
        }
        const auto r = solveComplex(coeff);
        for (const Complex &z : r.roots) {
            EXPECT_LE(engine_test::scaledResidual(coeff, z), 1000) << "degree " << degree << " root " << z;
        }
    }
}

} // namespace
