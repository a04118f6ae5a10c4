// The picture of the roots as geometry (what part of the plane shows, zoom, pan, ticks, the nearest root) and
// the accuracy texts the results window shows, built from a solve's roots and the equation's coefficients.

#include "frontend/core/root_plot.h"
#include "frontend/core/solved_roots.h"
#include "frontend/core/testing/equations.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace
{

using namespace frontend::core;
using Complex = std::complex<double>;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double width = 600;
constexpr double height = 400;

bool inside(const PlotView &view, Complex z)
{
    const PlotPixel p = toPixel(view, z, width, height);
    return p.x >= 0 && p.x <= width && p.y >= 0 && p.y <= height;
}

TEST(RootPlot, FitAllShowsEveryFiniteRootAndTheUnitCircleAtOneScale)
{
    const std::vector<Complex> roots { Complex(-30, 2), Complex(5, -12), Complex(inf, 0) };
    const PlotView view = fitAll(roots, width, height);
    for (const Complex z : { roots[0], roots[1], Complex(1, 0), Complex(-1, 0), Complex(0, 1), Complex(0, -1) }) {
        EXPECT_TRUE(inside(view, z)) << z;
    }
    // Both axes at one scale: the plane's square is the picture's square.
    const PlotPixel a = toPixel(view, Complex(0, 0), width, height);
    const PlotPixel b = toPixel(view, Complex(1, 1), width, height);
    EXPECT_NEAR(b.x - a.x, a.y - b.y, 1e-9);
    // Not far larger than needed: the real span of 35 takes most of the width.
    EXPECT_GT(35 / view.unitsPerPixel, 0.6 * width);

    // Only roots at the origin, or none found: the unit circle is what shows.
    const std::vector<Complex> none { Complex(inf, 0) };
    const PlotView empty = fitAll(none, width, height);
    EXPECT_TRUE(inside(empty, Complex(1, 1)));
    EXPECT_GT(1 / empty.unitsPerPixel, 0.2 * height);
}

TEST(RootPlot, RootsNearBothEndsOfTheDoublesFitWithoutOverflow)
{
    const std::vector<Complex> roots { Complex(-1e307, 0), Complex(1e307, 5e306) };
    const PlotView view = fitAll(roots, width, height);
    EXPECT_TRUE(std::isfinite(view.unitsPerPixel));
    EXPECT_TRUE(inside(view, roots[0]));
    EXPECT_TRUE(inside(view, roots[1]));
}

TEST(RootPlot, PixelsAndPointsConvertBothWays)
{
    const PlotView view { Complex(2, -3), 0.01 };
    const PlotPixel p = toPixel(view, Complex(2.5, -2), width, height);
    EXPECT_DOUBLE_EQ(p.x, 350);
    EXPECT_DOUBLE_EQ(p.y, 100); // up in the plane is up in the picture
    const Complex back = fromPixel(view, p, width, height);
    EXPECT_NEAR(back.real(), 2.5, 1e-12);
    EXPECT_NEAR(back.imag(), -2, 1e-12);
}

TEST(RootPlot, ZoomKeepsThePointUnderThePointerAndStopsAtTheDoublesResolution)
{
    const PlotView view { Complex(0, 0), 0.05 };
    const PlotPixel pointer { 450, 80 };
    const Complex held = fromPixel(view, pointer, width, height);
    const PlotView closer = zoomedAt(view, pointer, 4, width, height);
    EXPECT_DOUBLE_EQ(closer.unitsPerPixel, 0.0125);
    const Complex still = fromPixel(closer, pointer, width, height);
    EXPECT_NEAR(std::abs(still - held), 0, 1e-12);
    // Back out again.
    const PlotView back = zoomedAt(closer, pointer, 0.25, width, height);
    EXPECT_NEAR(back.unitsPerPixel, 0.05, 1e-15);
    EXPECT_NEAR(std::abs(back.centre), 0, 1e-12);

    // However far the wheel turns, a pixel stays wider than the rounding of the points it shows.
    PlotView deep { Complex(1000, 0), 1.0 };
    for (int k = 0; k < 200; ++k) {
        deep = zoomedAt(deep, { 300, 200 }, 10, width, height);
    }
    EXPECT_GT(deep.unitsPerPixel, 1000 * std::numeric_limits<double>::epsilon());
    EXPECT_FALSE(axisTicks(
        fromPixel(deep, { 0, 0 }, width, height).real(), fromPixel(deep, { width, 0 }, width, height).real(), 6)
                     .empty());
    PlotView far { Complex(0, 0), 1.0 };
    for (int k = 0; k < 400; ++k) {
        far = zoomedAt(far, { 300, 200 }, 0.1, width, height);
    }
    EXPECT_TRUE(std::isfinite(far.unitsPerPixel * width));
}

TEST(RootPlot, APanMovesThePlaneWithThePointer)
{
    const PlotView view { Complex(1, 1), 0.5 };
    const Complex under = fromPixel(view, { 100, 100 }, width, height);
    const PlotView moved = pannedBy(view, 40, -20);
    const Complex after = fromPixel(moved, { 140, 80 }, width, height);
    EXPECT_NEAR(std::abs(after - under), 0, 1e-12);
}

std::vector<std::string> texts(const std::vector<PlotTick> &ticks)
{
    std::vector<std::string> out;
    for (const auto &tick : ticks) {
        out.push_back(tick.text);
    }
    return out;
}

TEST(RootPlot, TicksFallOnRoundNumbersWithTheDigitsThatTellThemApart)
{
    EXPECT_EQ(texts(axisTicks(-2.3, 2.3, 10)),
        (std::vector<std::string> { "-2", "-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5", "2" }));
    EXPECT_EQ(texts(axisTicks(-0.07, 0.31, 4)), (std::vector<std::string> { "0", "0.1", "0.2", "0.3" }));
    EXPECT_EQ(texts(axisTicks(1e6, 1.5e6, 5)),
        (std::vector<std::string> { "1e+06", "1.1e+06", "1.2e+06", "1.3e+06", "1.4e+06", "1.5e+06" }));
    // Far from 0, each tick keeps the digits that differ between neighbours.
    EXPECT_EQ(texts(axisTicks(1000.05, 1000.35, 3)), (std::vector<std::string> { "1000.1", "1000.2", "1000.3" }));
    EXPECT_TRUE(axisTicks(1, 1, 5).empty());
    EXPECT_TRUE(axisTicks(0, inf, 5).empty());
}

TEST(RootPlot, TheNearestRootSkipsRootsNotFound)
{
    const std::vector<Complex> roots { Complex(inf, 0), Complex(1, 1), Complex(-2, 0), Complex(1, -1) };
    EXPECT_EQ(nearestRoot(roots, Complex(0.9, 0.6)), 1);
    EXPECT_EQ(nearestRoot(roots, Complex(1e300, 0)), 1); // the first of equally far ones
    EXPECT_EQ(nearestRoot(roots, Complex(-5, 3)), 2);
    EXPECT_EQ(nearestRoot(std::vector<Complex> { Complex(inf, 0) }, Complex(0, 0)), -1);
}

double parsed(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(AccuracyTexts, ABoundShowsTwoDigitsRoundedUpSoItStaysABound)
{
    EXPECT_EQ(boundText(1.23e-16), "1.3e-16");
    EXPECT_EQ(boundText(1.2e-16), "1.2e-16");
    EXPECT_EQ(boundText(9.96e-5), "1.0e-04");
    EXPECT_EQ(boundText(0.0), "0");
    EXPECT_EQ(boundText(inf), "");
    for (const double bound : { 3.3333e-7, 7.6e-6, 1.0000001, 5e-324, 1.7e308, 123456.0 }) {
        EXPECT_GE(parsed(boundText(bound)), bound) << bound;
        EXPECT_LE(parsed(boundText(bound)), bound * 1.11) << bound;
    }
    EXPECT_EQ(multiplicityText(4), "\u00d74");
    EXPECT_EQ(pointText(Complex(1, -0.5), 3), "(1) - (0.5)i");
}

TEST(AccuracyTexts, ASolvedQuadraticGetsItsNatureAndAccuracyFromItsCoefficients)
{
    // x^2 + 2x + 5: -1 + 2i and -1 - 2i; the roots given exactly, one of them a little off.
    const Equation equation = frontend::core::testing::equationOf(CoefficientTexts::real({ "5", "2", "1" }));
    const std::vector<ComplexValue> roots { { -1, 2 }, { -1, -2 + 1e-12 } };
    const SolvedRoots solved = solvedRoots(equation, roots, 15);
    ASSERT_EQ(solved.values.size(), 2u);
    EXPECT_EQ(solved.imaginary, (std::vector<bool> { true, true }));
    EXPECT_EQ(solved.accuracy.roots[0].correctDigits, maxCorrectDigits);
    EXPECT_GE(solved.accuracy.roots[1].errorBound, 1e-12);
    EXPECT_LE(solved.accuracy.roots[1].errorBound, 1e-11);

    // A root not found stays out of both natures and has no accuracy.
    const SolvedRoots missing = solvedRoots(equation, { { -1, 2 }, { inf, 0 } }, 15);
    EXPECT_EQ(missing.imaginary, (std::vector<bool> { true, false }));
    EXPECT_FALSE(missing.accuracy.roots[1].found);

    // Complex coefficients: (x - i)(x - 2) = x^2 - (2 + i) x + 2i.
    const Equation complex =
        frontend::core::testing::equationOf(CoefficientTexts::complexPairs({ "0", "-2", "1" }, { "2", "-1", "0" }));
    const SolvedRoots both = solvedRoots(complex, { { 0, 1 }, { 2, 0 } }, 4);
    EXPECT_EQ(both.imaginary, (std::vector<bool> { true, false }));
    EXPECT_EQ(both.accuracy.roots[0].correctDigits, maxCorrectDigits);
    EXPECT_EQ(both.accuracy.roots[1].correctDigits, maxCorrectDigits);
    EXPECT_EQ(both.decimals, 4u);
}

} // namespace
