#include "frontend/core/testing/equations.h"
#include "graph/core/plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using namespace tools::graph::core;

namespace
{

// p(x) = 2x^3 - 3x + 1; p' = 6x^2 - 3; p'' = 12x; P(x) = x^4/2 - 3x^2/2 + x.
const PlotPolynomial cubic({ 1.0, -3.0, 0.0, 2.0 });

TEST(PlotPolynomial, TheFunctionAndItsCompanionCurves)
{
    struct Case {
        double x, y, d1, d2, integral;
    };
    for (const Case &c : { Case { 2.0, 11.0, 21.0, 24.0, 4.0 },
             Case { -1.5, -1.25, 10.5, -18.0, 2.53125 - 3.375 - 1.5 },
             Case { 0.0, 1.0, -3.0, 0.0, 0.0 } }) { // the powers of 0 that cannot be formed are skipped
        EXPECT_DOUBLE_EQ(cubic.value(Curve::Function, c.x), c.y) << c.x;
        EXPECT_DOUBLE_EQ(cubic.value(Curve::FirstDerivative, c.x), c.d1) << c.x;
        EXPECT_DOUBLE_EQ(cubic.value(Curve::SecondDerivative, c.x), c.d2) << c.x;
        EXPECT_DOUBLE_EQ(cubic.value(Curve::Integral, c.x), c.integral) << c.x;
    }
    EXPECT_EQ(cubic.degree(), 3);
}

TEST(PlotPolynomial, AnOverflowingValueIsNotFinite)
{
    EXPECT_FALSE(std::isfinite(cubic.value(Curve::Function, 1e120)));
    EXPECT_FALSE(std::isfinite(cubic.value(Curve::Integral, -1e90)));
    EXPECT_TRUE(std::isfinite(cubic.value(Curve::Function, 1e90)));
}

TEST(plotCoefficients, TheRealValuesOfTheCheckedEquation)
{
    using frontend::core::testing::equationOf;
    const auto polynomial =
        plotCoefficients(equationOf(frontend::core::CoefficientTexts::real({ "1", "-6/2", "0", "2" })));
    ASSERT_TRUE(polynomial.has_value());
    EXPECT_DOUBLE_EQ(polynomial->value(Curve::Function, 2.0), 11.0);

    const frontend::core::Equation file = equationOf(frontend::core::CoefficientTexts::real({ "5", "1" }));
    EXPECT_EQ(plotCoefficients(file)->degree(), 1); // the degree of the file
}

TEST(sampleXs, AboutQualityPercentOfTheColumns)
{
    const PlotWindow window { -100.0, 100.0, -100.0, 100.0 };
    EXPECT_EQ(sampleXs(window, 451, 100).size(), 451u);
    EXPECT_EQ(sampleXs(window, 451, 1).size(), 5u);
    EXPECT_EQ(sampleXs(window, 451, 50).size(), 226u);
    const std::vector<double> xs = sampleXs(window, 451, 100);
    EXPECT_EQ(xs.front(), -100.0);
    EXPECT_LT(xs.back(), 100.0);
    EXPECT_NEAR(xs[1] - xs[0], 200.0 / 451.0, 1e-12);
}

TEST(sampleXs, EndsWhereTheStepIsBelowTheSpacingOfDoubles)
{
    // At 1e20 neighbouring doubles lie 16384 apart; a step of about 500 no longer moves x by addition.
    const PlotWindow window { 1e20, 1e20 + 1e6, 0.0, 1.0 };
    const std::vector<double> xs = sampleXs(window, 2000, 100);
    EXPECT_LE(xs.size(), 2001u);
    EXPECT_TRUE(std::all_of(xs.begin(), xs.end(), [](double x) {
        return x >= 1e20 && x < 1e20 + 1e6;
    }));
}

/// The marks as the loops from 0 outwards find them: u = 0, -t, -2t, ... while u >= lo and u = 0, t, ...
/// while u <= hi, accumulated by repeated addition; each mapped to its pixel when on the picture.
std::set<int> marksFromZero(double t, double lo, double hi, int pixels, double (*toPixel)(double, double, double, int))
{
    std::set<int> out;
    const auto add = [&](double u) {
        const double p = std::floor(toPixel(u, lo, hi, pixels));
        if (p >= 0 && p < pixels) {
            out.insert(static_cast<int>(p));
        }
    };
    for (double u = 0.0; u >= lo; u -= t) {
        add(u);
    }
    for (double u = 0.0; u <= hi; u += t) {
        add(u);
    }
    return out;
}

double columnOf(double u, double lo, double hi, int pixels)
{
    return (u - lo) * pixels / (hi - lo);
}

double rowOf(double v, double lo, double hi, int pixels)
{
    return (hi - v) * pixels / (hi - lo);
}

TEST(markPixels, TheSamePixelsAsTheLoopsFromZero)
{
    struct Case {
        double t, lo, hi;
        int pixels;
    };
    for (const Case &c : { Case { 5.0, -100.0, 100.0, 451 }, // around the origin
             Case { 0.7, 20.0, 90.0, 300 }, // right of it
             Case { 3.0, -500.0, -460.0, 200 }, // left of it
             Case { 0.01, -3.0, 2.0, 120 }, // denser than the pixels
             Case { 0.013, 1e4, 1e4 + 1.0, 487 } }) { // far away, 770000 steps from 0
        const PlotWindow wx { c.lo, c.hi, 0.0, 1.0 };
        const PlotWindow wy { 0.0, 1.0, c.lo, c.hi };
        const std::vector<int> columns = markPixels(c.t, c.lo, c.hi, PlotMapping(wx, c.pixels, 10), Axis::X);
        const std::vector<int> rows = markPixels(c.t, c.lo, c.hi, PlotMapping(wy, 10, c.pixels), Axis::Y);
        EXPECT_EQ(std::set<int>(columns.begin(), columns.end()), marksFromZero(c.t, c.lo, c.hi, c.pixels, columnOf))
            << c.lo;
        EXPECT_EQ(std::set<int>(rows.begin(), rows.end()), marksFromZero(c.t, c.lo, c.hi, c.pixels, rowOf)) << c.lo;
        EXPECT_LE(columns.size(), static_cast<std::size_t>(c.pixels)); // each pixel once
    }
}

TEST(markPixels, FarFromTheOriginWithASmallSpacingStaysQuick)
{
    // The loops from 0 would take 1e15 steps to reach this window.
    const PlotWindow window { 1e12, 1e12 + 100.0, 0.0, 1.0 };
    const std::vector<int> columns = markPixels(1.5, 1e12, 1e12 + 100.0, PlotMapping(window, 100, 10), Axis::X);
    std::vector<int> expected;
    for (int c = 0; c < 100; ++c) { // a multiple of 1.5 in [1e12 + c, 1e12 + c + 1)
        const double k = std::ceil((1e12 + c) / 1.5);
        if (k * 1.5 < 1e12 + c + 1) {
            expected.push_back(c);
        }
    }
    EXPECT_EQ(columns, expected);
    EXPECT_EQ(markPixels(1e-9, 1e12, 1e12 + 100.0, PlotMapping(window, 100, 10), Axis::X).size(), 100u);
}

const Stroke *strokeOf(const PlotDrawing &drawing, Rgb colour, std::size_t nth = 0)
{
    for (const Stroke &stroke : drawing.strokes) {
        if (stroke.colour == colour && nth-- == 0) {
            return &stroke;
        }
    }
    return nullptr;
}

PlotRequest request(PlotWindow window, int width, int height)
{
    PlotRequest r;
    r.window = window;
    r.width = width;
    r.height = height;
    return r;
}

TEST(drawPlot, AxesWhereTheWindowPutsThem)
{
    const PlotDrawing drawing = drawPlot(request({ -100.0, 100.0, -50.0, 150.0 }, 401, 201), nullptr);
    const Stroke *axes = strokeOf(drawing, colours::black);
    ASSERT_NE(axes, nullptr);
    // x = 0 at 100/200 of 401 columns; y = 0 at 150/200 of 201 rows.
    EXPECT_EQ(axes->lines, (std::vector<PixelLine> { { 200, 0, 200, 200 }, { 0, 150, 400, 150 } }));

    const PlotDrawing away = drawPlot(request({ 10.0, 20.0, 10.0, 20.0 }, 100, 100), nullptr);
    EXPECT_TRUE(strokeOf(away, colours::black)->lines.empty());
}

TEST(drawPlot, TicksAndGridCountedFromZero)
{
    // 8 columns and 4 rows a unit; ticks 25/50 units long.
    PlotRequest r = request({ -12.5, 12.5, -12.5, 12.5 }, 200, 100);
    r.ticks = true;
    r.tickFreq = 5.0;
    r.grid = true;
    r.gridFreq = 4.0;
    const PlotDrawing drawing = drawPlot(r, nullptr);
    ASSERT_EQ(drawing.strokes.size(), 4u); // x ticks, y ticks, grid, axes
    EXPECT_EQ(drawing.strokes[0].colour, colours::xTicks);
    EXPECT_EQ(drawing.strokes[0].lines,
        (std::vector<PixelLine> { { 100, 49, 100, 51 },
            { 60, 49, 60, 51 },
            { 20, 49, 20, 51 },
            { 140, 49, 140, 51 },
            { 180, 49, 180, 51 } }));
    EXPECT_EQ(drawing.strokes[1].colour, colours::yTicks);
    EXPECT_EQ(drawing.strokes[1].lines,
        (std::vector<PixelLine> {
            { 98, 50, 102, 50 }, { 98, 70, 102, 70 }, { 98, 90, 102, 90 }, { 98, 30, 102, 30 }, { 98, 10, 102, 10 } }));
    const Stroke &grid = drawing.strokes[2];
    EXPECT_EQ(grid.colour, colours::grid);
    ASSERT_EQ(grid.lines.size(), 14u); // x and y = 0, -4, -8, -12, 4, 8, 12
    EXPECT_EQ(grid.lines[3], (PixelLine { 4, 0, 4, 99 })); // x = -12
    EXPECT_EQ(grid.lines[13], (PixelLine { 0, 2, 199, 2 })); // y = 12
}

TEST(drawPlot, EachSelectedCurveInItsColourThreePixelsThick)
{
    // 128 columns for 4 units: the samples fall on the columns -1, 0, ..., 126 exactly.
    PlotRequest r = request({ -2.0, 2.0, -30.0, 30.0 }, 128, 60);
    r.curves = { true, true, false, true };
    const PlotDrawing drawing = drawPlot(r, &cubic);
    ASSERT_NE(strokeOf(drawing, colours::black, 1), nullptr); // after the axes
    EXPECT_NE(strokeOf(drawing, colours::firstDerivative), nullptr);
    EXPECT_EQ(strokeOf(drawing, colours::secondDerivative), nullptr);
    EXPECT_NE(strokeOf(drawing, colours::integral), nullptr);
    // Each pass joins the 128 samples: 127 lines a pass, three passes one row apart.
    const Stroke &function = *strokeOf(drawing, colours::black, 1);
    ASSERT_EQ(function.lines.size(), 3u * 127u);
    EXPECT_EQ(function.lines[127].y1, function.lines[0].y1 + 1);
    EXPECT_EQ(function.lines[254].y1, function.lines[0].y1 + 2);
    // The first sample sits at column -1 and one row above the row of p(-2) = -9: -1 + 39 rows down.
    EXPECT_EQ(function.lines[0].x1, -1);
    EXPECT_EQ(function.lines[0].y1, 37);
}

TEST(drawPlot, AFinerDeviceDrawsTheSamePictureWithWiderPensAndMoreSamples)
{
    PlotRequest r = request({ -2.0, 2.0, -30.0, 30.0 }, 128, 60);
    r.ticks = true;
    r.tickFreq = 0.5;
    const PlotDrawing screen = drawPlot(r, &cubic);
    PlotRequest fine = r;
    fine.width = 256;
    fine.height = 120;
    fine.scale = 2.0;
    const PlotDrawing doubled = drawPlot(fine, &cubic);
    ASSERT_EQ(screen.strokes.size(), doubled.strokes.size());
    for (std::size_t i = 0; i < screen.strokes.size(); ++i) {
        EXPECT_EQ(screen.strokes[i].penWidth, 1);
        EXPECT_EQ(doubled.strokes[i].penWidth, 2);
        EXPECT_EQ(screen.strokes[i].colour, doubled.strokes[i].colour);
    }
    // The same tick marks and axes, at twice the pixel positions (give or take the pixel they fall in).
    const Stroke &xTicks = *strokeOf(screen, colours::xTicks);
    const Stroke &xTicks2 = *strokeOf(doubled, colours::xTicks);
    ASSERT_EQ(xTicks.lines.size(), xTicks2.lines.size());
    for (std::size_t i = 0; i < xTicks.lines.size(); ++i) {
        EXPECT_NEAR(xTicks2.lines[i].x1, 2 * xTicks.lines[i].x1, 1);
    }
    // Twice the samples in each pass, and the three passes one pen width (two device pixels) apart.
    const Stroke &curve = *strokeOf(doubled, colours::black, 1);
    ASSERT_EQ(curve.lines.size(), 3u * 255u);
    EXPECT_EQ(curve.lines[255].y1, curve.lines[0].y1 + 2);
    EXPECT_EQ(curve.lines[510].y1, curve.lines[0].y1 + 4);
    // Each middle-pass sample lies within a device pixel or two of twice the screen's.
    const Stroke &screenCurve = *strokeOf(screen, colours::black, 1);
    for (std::size_t i = 0; i < 127; i += 9) {
        EXPECT_NEAR(curve.lines[255 + 2 * i].y1, 2 * screenCurve.lines[127 + i].y1, 3) << i;
    }
    EXPECT_EQ(penWidthAt(1.5), 2);
    EXPECT_EQ(penWidthAt(0.4), 1);
    EXPECT_EQ(penWidthAt(std::nan("")), 1);
}

TEST(drawPlot, ACurveIsBrokenWhereItLeavesTheWindowByMoreThanAThousand)
{
    // Five samples at x = -100, -55.7, -11.3, 33.0, 77.4. Of y = 20x the third (-226) and the fourth (661)
    // lie below and above the window and within 1000 units of it: they are joined across the window. Of
    // y = 40x the fourth (1322) is more than 1000 above it, so nothing crosses the window.
    PlotRequest r = request({ -100.0, 100.0, -100.0, 100.0 }, 451, 301);
    r.quality = 1;
    const auto crossings = [&](double slope) {
        const PlotPolynomial line({ 0.0, slope });
        const PlotDrawing drawing = drawPlot(r, &line);
        const Stroke &curve = *strokeOf(drawing, colours::black, 1);
        return std::count_if(curve.lines.begin(), curve.lines.end(), [](const PixelLine &l) {
            return std::min(l.y1, l.y2) <= 0 && std::max(l.y1, l.y2) >= 300; // from edge to edge
        });
    };
    EXPECT_EQ(crossings(20.0), 3); // one a pass
    EXPECT_EQ(crossings(40.0), 0);
}

TEST(drawPlot, SamplesThatCannotBeComputedAreSkippedAndLeaveThePen)
{
    // 1e-300·x^100 + x overflows for |x| above about 1209: of the samples -10000, -9000, ..., 9000 only
    // -1000, 0 and 1000 can be computed, and they are joined to each other only.
    PlotRequest r = request({ -10000.0, 10000.0, -10000.0, 10000.0 }, 20, 20);
    std::vector<double> c(101, 0.0);
    c[1] = 1.0;
    c[100] = 1e-300;
    const PlotPolynomial steep(c);
    const PlotDrawing drawing = drawPlot(r, &steep);
    const Stroke &curve = *strokeOf(drawing, colours::black, 1);
    ASSERT_EQ(curve.lines.size(), 6u);
    // Columns of -1000, 0 and 1000: -1 + (x + 10000)·20/20000.
    for (std::size_t pass = 0; pass < 3; ++pass) {
        EXPECT_EQ(curve.lines[2 * pass].x1, 8);
        EXPECT_EQ(curve.lines[2 * pass].x2, 9);
        EXPECT_EQ(curve.lines[2 * pass + 1].x1, 9);
        EXPECT_EQ(curve.lines[2 * pass + 1].x2, 10);
    }
    // A single computable sample draws nothing (no line from a pen that was never placed).
    r.width = 10;
    EXPECT_TRUE(strokeOf(drawPlot(r, &steep), colours::black, 1)->lines.empty());
}

TEST(drawPlot, HugeValuesNearATinyWindowAreCutToThePicture)
{
    PlotRequest r = request({ -1e-9, 1e-9, -1e-9, 1e-9 }, 50, 50);
    const PlotPolynomial line({ 0.0, 1e6 }); // leaves the window at once, but stays within 1000 units
    const PlotDrawing drawing = drawPlot(r, &line);
    for (const PixelLine &l : strokeOf(drawing, colours::black, 1)->lines) {
        for (const int v : { l.x1, l.y1, l.x2, l.y2 }) {
            EXPECT_GE(v, -2);
            EXPECT_LE(v, 51);
        }
    }
}

TEST(clipLine, KeepsThePartInsideTheRectangle)
{
    const auto cut = clipLine({ -10.0, 5.0, 30.0, 5.0 }, 0.0, 0.0, 20.0, 10.0);
    ASSERT_TRUE(cut.has_value());
    EXPECT_DOUBLE_EQ(cut->x1, 0.0);
    EXPECT_DOUBLE_EQ(cut->x2, 20.0);
    const auto diagonal = clipLine({ -1e12, -1e12, 1e12, 1e12 }, 0.0, 0.0, 20.0, 10.0);
    ASSERT_TRUE(diagonal.has_value());
    EXPECT_NEAR(diagonal->x1, 0.0, 1e-3);
    EXPECT_NEAR(diagonal->y2, 10.0, 1e-3);
    EXPECT_FALSE(clipLine({ -5.0, -5.0, 30.0, -1.0 }, 0.0, 0.0, 20.0, 10.0).has_value());
}

TEST(zoomedOut, DoublesEachRangeAboutItsCentre)
{
    const PlotWindow once = zoomedOut({ -100.0, 100.0, -100.0, 100.0 });
    EXPECT_EQ(once, (PlotWindow { -200.0, 200.0, -200.0, 200.0 }));
    EXPECT_EQ(zoomedOut(once), (PlotWindow { -400.0, 400.0, -400.0, 400.0 }));
    EXPECT_EQ(zoomedOut({ 1.0, 3.0, 10.0, 11.0 }), (PlotWindow { 0.0, 4.0, 9.5, 11.5 }));
    const PlotWindow huge { -1e308, 1e308, 0.0, 1.0 };
    EXPECT_EQ(zoomedOut(huge), huge); // cannot grow any further
}

TEST(zoomedIn, TheDraggedRectangleInAnyDirection)
{
    const PlotWindow expected { 1.0, 4.0, -2.0, 5.0 };
    for (const auto &[start, corner] : { std::pair { GraphPoint { 1.0, 5.0 }, GraphPoint { 4.0, -2.0 } },
             std::pair { GraphPoint { 4.0, -2.0 }, GraphPoint { 1.0, 5.0 } },
             std::pair { GraphPoint { 1.0, -2.0 }, GraphPoint { 4.0, 5.0 } } }) {
        const ZoomRect rect = zoomRectangle(start, corner);
        EXPECT_DOUBLE_EQ(rect.left, 1.0);
        EXPECT_DOUBLE_EQ(rect.top, 5.0);
        EXPECT_DOUBLE_EQ(rect.width, 3.0);
        EXPECT_DOUBLE_EQ(rect.height, 7.0);
        EXPECT_EQ(zoomedIn(rect), expected);
    }
    EXPECT_FALSE(zoomedIn(zoomRectangle({ 1.0, 5.0 }, { 1.0, -2.0 })).has_value()); // no width
    EXPECT_FALSE(zoomedIn(zoomRectangle({ 1.0, 5.0 }, { 4.0, 5.0 })).has_value()); // no height
}

TEST(coordinateText, CutToTenDecimalsAtTheDisplayPrecision)
{
    EXPECT_EQ(coordinateText({ 2.5, -3.0 }, 15), "(2.5; -3)");
    EXPECT_EQ(coordinateText({ 1.234567890123, 0.99999999999 }, 15), "(1.2345678901; 0.9999999999)");
    EXPECT_EQ(coordinateText({ -0.00000000004, 12345.678 }, 2), "(-1.E-10; 12,345.68)"); // cut downwards
    EXPECT_EQ(coordinateText({ 1e300, 0.0 }, 3), "(1.E+300; 0)");
}

TEST(readOutAt, ValueSlopeAndTheLinesWhileTheCurveIsInView)
{
    const PlotPolynomial square({ 0.0, 0.0, 1.0 });
    const PlotWindow window { -10.0, 10.0, -5.0, 20.0 };
    const CurveReadOut at3 = readOutAt(square, window, 3.0, 15);
    EXPECT_EQ(at3.label, "(3; 9) dy/dx = 6.E+00");
    EXPECT_TRUE(at3.showLines);
    EXPECT_DOUBLE_EQ(at3.ver.x1, 3.0);
    EXPECT_DOUBLE_EQ(at3.ver.y1, 21.0);
    EXPECT_DOUBLE_EQ(at3.ver.y2, -6.0);
    // The tangent y = 9 + 6(x - 3) from x = -11 to x = 11.
    EXPECT_DOUBLE_EQ(at3.der.x1, -11.0);
    EXPECT_DOUBLE_EQ(at3.der.y1, 9.0 + (-14.0) * 6.0);
    EXPECT_DOUBLE_EQ(at3.der.x2, 11.0);
    EXPECT_DOUBLE_EQ(at3.der.y2, 9.0 + 8.0 * 6.0);

    EXPECT_FALSE(readOutAt(square, window, 5.0, 15).showLines); // 25 is above the window
    EXPECT_EQ(readOutAt(square, window, -0.5, 2).label, "(-0.5; 0.25) dy/dx = -1.E+00");
    EXPECT_FALSE(readOutAt(PlotPolynomial({ 1.0, 1.0 }), window, 1.0, 15).showLines); // degree 1
}

} // namespace
