#pragma once
// The plotting maths of the graph: the curves of the polynomial, the mapping between graph units and the
// picture's pixels, the tick marks, grid and axes, the sampled curves with their breaks, zooming and the
// pointer read-out. Everything the plot window draws is decided here; the window only paints it.

#include "frontend/core/state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools::graph::core
{

/// The viewing window in graph units.
struct PlotWindow {
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;

    friend bool operator==(const PlotWindow &, const PlotWindow &) = default;
};

PlotWindow windowOf(const frontend::core::GraphSettings &settings);
/// Makes `window` the settings' window.
void storeWindow(frontend::core::GraphSettings &settings, const PlotWindow &window);
/// Makes `window` the settings' window, which then counts as zoomed.
void storeZoomedWindow(frontend::core::GraphSettings &settings, const PlotWindow &window);

struct GraphPoint {
    double x = 0.0;
    double y = 0.0;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

namespace colours
{
inline constexpr Rgb black { 0, 0, 0 };
inline constexpr Rgb xTicks { 128, 128, 128 };
inline constexpr Rgb yTicks { 192, 192, 192 };
inline constexpr Rgb grid { 192, 192, 192 };
inline constexpr Rgb firstDerivative { 128, 0, 0 };
inline constexpr Rgb secondDerivative { 0, 128, 0 };
inline constexpr Rgb integral { 0, 0, 128 };
inline constexpr Rgb verticalLine { 192, 192, 192 };
inline constexpr Rgb tangent { 128, 128, 0 };
} // namespace colours

/// The function and its companion curves, in drawing order.
enum class Curve { Function, FirstDerivative, SecondDerivative, Integral };
inline constexpr std::size_t curveCount = 4;
Rgb colourOf(Curve curve);

/// The polynomial c_0 + c_1·x + … + c_n·x^n (c_k at index k) and its companion curves. Each sum runs from
/// the highest power down with the general power function; a value that overflows is not finite.
class PlotPolynomial
{
public:
    explicit PlotPolynomial(std::vector<double> coefficients);

    int degree() const { return static_cast<int>(m_c.size()) - 1; }
    double value(Curve curve, double x) const;
    /// All four curves at x (only the `wanted` ones are computed; the others are 0).
    std::array<double, curveCount> values(double x, const std::array<bool, curveCount> &wanted) const;

private:
    void powers(double x, std::size_t highest) const;

    std::vector<double> m_c;
    std::vector<double> m_d1; // k·c_k
    std::vector<double> m_d2; // k(k−1)·c_k
    std::vector<double> m_in; // c_k/(k+1)
    mutable std::vector<double> m_pow; // x^0 … x^(n+1) of the last x
};

/// The plot coefficients of the checked equation (typed or from a file); nothing for an equation without
/// values.
std::optional<PlotPolynomial> plotCoefficients(const frontend::core::Equation &equation);

/// Graph units against the pixels of a picture `width` × `height` showing `window`: (xmin, ymax) is the
/// top-left corner of pixel (0, 0), (xmax, ymin) the bottom-right corner of the last pixel.
class PlotMapping
{
public:
    PlotMapping(const PlotWindow &window, int width, int height);

    const PlotWindow &window() const { return m_window; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    /// Continuous pixel position of a graph position (may be far outside the picture).
    double pixelX(double x) const;
    double pixelY(double y) const;
    /// The graph position of a pixel position.
    GraphPoint graphAt(double px, double py) const;

private:
    PlotWindow m_window;
    int m_width;
    int m_height;
};

struct PixelLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    friend bool operator==(const PixelLine &, const PixelLine &) = default;
};

/// Lines of one colour and pen width, in device pixels of the picture, already cut to it.
struct Stroke {
    Rgb colour;
    std::vector<PixelLine> lines;
    int penWidth = 1;
};

/// Where a number's text goes from its point: below it centred, above it centred, ending left of it or
/// starting right of it (vertically centred on it).
enum class LabelAnchor { Below, Above, Left, Right };

/// A number written along an axis, at a device pixel.
struct AxisLabel {
    int x = 0;
    int y = 0;
    std::string text;
    LabelAnchor anchor = LabelAnchor::Below;
};

/// A real root marked on the x axis: a ring around a device pixel.
struct RootMark {
    int x = 0;
    int y = 0;
    int radius = 0;
};

inline constexpr Rgb rootColour { 255, 0, 255 }; // apart from every curve's colour

/// What drawing the graph puts on the picture, in painting order: ticks, grid, axes, the curves, then the
/// axis numbers and the root marks.
struct PlotDrawing {
    int width = 0;
    int height = 0;
    std::vector<Stroke> strokes;
    int fontPixels = 0; // the numbers' font size, in device pixels
    std::vector<AxisLabel> labels;
    std::vector<RootMark> roots;
};

/// The optional numbers along the axes.
struct AxisNumbering {
    bool on = false;
    std::size_t decimals = 15; // the display precision
    /// The numbers' font size and a text's width in it, in the pixels of the drawing as the text describes it:
    /// scaled with the request, so a finer device places the numbers as the screen does.
    int fontPixels = 12;
    std::function<int(std::string_view)> textWidth;
    std::vector<double> roots; // the equation's real roots, when they are known
};

/// Everything a drawing depends on besides the polynomial.
struct PlotRequest {
    PlotWindow window;
    int width = 0; // the picture in device pixels
    int height = 0;
    /// Device pixels per pixel of the drawing as the text describes it (the screen's device pixel ratio, or an
    /// export's enlargement): lines are that much wider and the curve's passes that far apart, so a finer
    /// device shows the same picture, only sharper.
    double scale = 1.0;
    int quality = 100; // percentage of pixel columns sampled
    bool ticks = false;
    double tickFreq = 0.0;
    bool grid = false;
    double gridFreq = 0.0;
    std::array<bool, curveCount> curves { true, false, false, false };
    AxisNumbering numbering;
};

/// The request for a picture `width` × `height` device pixels at `scale` device pixels per pixel.
PlotRequest requestFrom(const frontend::core::GraphSettings &settings, int width, int height, double scale = 1.0);

/// The lines' width and the spacing of a curve's passes, in device pixels, at `scale`.
int penWidthAt(double scale);

enum class Axis { X, Y };

/// The pixel columns (Axis::X) or rows (Axis::Y) of the marks k·spacing, k = 0, ±1, ±2, …, that lie in
/// [lo, hi], counted from 0 outwards. Marks outside the picture are skipped without being counted, and
/// where several marks fall into one pixel it is listed once, so a small spacing far from 0 costs no
/// more than the pixels it covers.
std::vector<int> markPixels(double spacing, double lo, double hi, const PlotMapping &mapping, Axis axis);

/// The numbers along both axes: multiples of the tick spacing (else of the grid spacing, else of a round
/// step), as many as fit without touching each other, in the display's number format.
std::vector<AxisLabel> axisLabels(const PlotRequest &request, const PlotMapping &mapping);
/// The known real roots inside the window, on the x axis when it is in view.
std::vector<RootMark> rootMarks(const PlotRequest &request, const PlotMapping &mapping);
/// The decimals a multiple of `step` needs to be written exactly (0 to 15).
std::size_t decimalsOf(double step);

/// The drawing of a graph: tick marks, grid, axes and the selected curves (three passes of a curve one
/// pen width apart, broken where it leaves the window by more than 1000 units; samples that cannot be
/// computed or placed are skipped).
PlotDrawing drawPlot(const PlotRequest &request, const PlotPolynomial *polynomial);

/// The x positions sampled for a picture `width` pixels wide at `quality` percent.
std::vector<double> sampleXs(const PlotWindow &window, int width, int quality);

struct LineF {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
};
/// Cuts a line to the rectangle [left, right] × [top, bottom]; nothing when it lies outside or an end
/// is not finite.
std::optional<LineF> clipLine(LineF line, double left, double top, double right, double bottom);

/// Each range doubled about its centre.
PlotWindow zoomedOut(const PlotWindow &window);

/// The zoom rectangle of a drag from `start` to `corner`, in graph units.
struct ZoomRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};
ZoomRect zoomRectangle(GraphPoint start, GraphPoint corner);
/// The window a zoom rectangle selects; nothing when it has no width or no height.
std::optional<PlotWindow> zoomedIn(const ZoomRect &rect);

/// "(" X "; " Y ")": the values cut to 10 decimal places and shown at the display precision.
std::string coordinateText(GraphPoint point, std::size_t decimals);

/// What the pointer shows over the curve.
struct CurveReadOut {
    std::string label;
    bool showLines = false; // the vertical line and the tangent
    LineF ver; // in graph units
    LineF der;
};
CurveReadOut readOutAt(const PlotPolynomial &polynomial, const PlotWindow &window, double x, std::size_t decimals);

} // namespace tools::graph::core
