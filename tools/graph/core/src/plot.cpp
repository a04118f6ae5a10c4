#include "graph/core/plot.h"

#include "frontend/core/equation.h"
#include "frontend/core/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tools::graph::core
{
namespace
{

using frontend::core::GraphSettings;

constexpr std::size_t index(Curve curve)
{
    return static_cast<std::size_t>(curve);
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) {
        return std::isfinite(v);
    });
}

/// The whole pixels from continuous position `a` to `b` that lie in [0, pixels); nothing when none do.
std::optional<std::pair<int, int>> pixelSpan(double a, double b, int pixels)
{
    const double lo = std::floor(std::min(a, b));
    const double hi = std::floor(std::max(a, b));
    if (!(hi >= 0.0 && lo < pixels)) { // also refuses NaN
        return std::nullopt;
    }
    return std::pair { static_cast<int>(std::max(lo, 0.0)), static_cast<int>(std::min(hi, pixels - 1.0)) };
}

/// The pixel a continuous position falls into, when it lies on the picture.
std::optional<int> pixelOf(double position, int pixels)
{
    const auto span = pixelSpan(position, position, pixels);
    return span ? std::optional(span->first) : std::nullopt;
}

} // namespace

PlotWindow windowOf(const GraphSettings &settings)
{
    return { settings.GraphXMin, settings.GraphXMax, settings.GraphYMin, settings.GraphYMax };
}

void storeWindow(GraphSettings &settings, const PlotWindow &window)
{
    settings.GraphXMin = window.xmin;
    settings.GraphXMax = window.xmax;
    settings.GraphYMin = window.ymin;
    settings.GraphYMax = window.ymax;
}

void storeZoomedWindow(GraphSettings &settings, const PlotWindow &window)
{
    storeWindow(settings, window);
    settings.GraphZoomed = true;
}

Rgb colourOf(Curve curve)
{
    switch (curve) {
    case Curve::Function:
        return colours::black;
    case Curve::FirstDerivative:
        return colours::firstDerivative;
    case Curve::SecondDerivative:
        return colours::secondDerivative;
    case Curve::Integral:
        break;
    }
    return colours::integral;
}

PlotPolynomial::PlotPolynomial(std::vector<double> coefficients)
    : m_c(std::move(coefficients))
{
    for (std::size_t k = 0; k < m_c.size(); ++k) {
        const auto kd = static_cast<double>(k);
        m_d1.push_back(kd * m_c[k]);
        m_d2.push_back(kd * (kd - 1.0) * m_c[k]);
        m_in.push_back(m_c[k] / (kd + 1.0));
    }
}

double PlotPolynomial::value(Curve curve, double x) const
{
    std::array<bool, curveCount> wanted {};
    wanted[index(curve)] = true;
    return values(x, wanted)[index(curve)];
}

std::array<double, curveCount> PlotPolynomial::values(double x, const std::array<bool, curveCount> &wanted) const
{
    std::array<double, curveCount> out {};
    if (m_c.empty()) {
        return out;
    }
    const std::size_t n = m_c.size() - 1;
    // Every curve uses the same powers x^0 … x^(n+1): each is formed once, with the general power function.
    std::vector<double> power(n + 2);
    const std::size_t highest = wanted[index(Curve::Integral)] ? n + 1 : n;
    for (std::size_t m = 0; m <= highest; ++m) {
        power[m] = std::pow(x, static_cast<double>(m));
    }
    // Sums from the highest power down. The derivatives' terms without a power of x are 0·x^(-1) and
    // 0·x^(-2): nothing, or a power that cannot be formed at x = 0, which is skipped.
    const auto sum = [&](const std::vector<double> &factor, std::size_t lowest, int shift) {
        double y = 0.0;
        for (std::size_t k = n + 1; k-- > lowest;) {
            y += factor[k] * power[static_cast<std::size_t>(static_cast<int>(k) + shift)];
        }
        return y;
    };
    if (wanted[index(Curve::Function)]) {
        out[index(Curve::Function)] = sum(m_c, 0, 0);
    }
    if (wanted[index(Curve::FirstDerivative)]) {
        out[index(Curve::FirstDerivative)] = sum(m_d1, 1, -1);
    }
    if (wanted[index(Curve::SecondDerivative)]) {
        out[index(Curve::SecondDerivative)] = sum(m_d2, 2, -2);
    }
    if (wanted[index(Curve::Integral)]) {
        out[index(Curve::Integral)] = sum(m_in, 0, 1);
    }
    return out;
}

std::optional<PlotPolynomial> plotCoefficients(const frontend::core::Equation &equation)
{
    if (equation.values.empty()) {
        return std::nullopt;
    }
    std::vector<double> real;
    real.reserve(equation.values.size());
    for (const auto &value : equation.values) {
        real.push_back(value.re);
    }
    return PlotPolynomial(std::move(real));
}

PlotMapping::PlotMapping(const PlotWindow &window, int width, int height)
    : m_window(window)
    , m_width(width)
    , m_height(height)
{
}

double PlotMapping::pixelX(double x) const
{
    return (x - m_window.xmin) * m_width / (m_window.xmax - m_window.xmin);
}

double PlotMapping::pixelY(double y) const
{
    return (m_window.ymax - y) * m_height / (m_window.ymax - m_window.ymin);
}

GraphPoint PlotMapping::graphAt(double px, double py) const
{
    return { m_window.xmin + px * (m_window.xmax - m_window.xmin) / m_width,
        m_window.ymax - py * (m_window.ymax - m_window.ymin) / m_height };
}

int penWidthAt(double scale)
{
    return std::isfinite(scale) ? std::clamp(static_cast<int>(std::lround(scale)), 1, 64) : 1;
}

PlotRequest requestFrom(const GraphSettings &settings, int width, int height, double scale)
{
    PlotRequest request;
    request.window = windowOf(settings);
    request.width = width;
    request.height = height;
    request.scale = scale;
    request.quality = settings.GraphQuality;
    request.ticks = settings.GraphTicks;
    request.tickFreq = settings.GraphTickFreq;
    request.grid = settings.GraphGrid;
    request.gridFreq = settings.GraphGridFreq;
    request.curves = { true, settings.GraphDer1, settings.GraphDer2, settings.GraphInt };
    return request;
}

std::vector<int> markPixels(double spacing, double lo, double hi, const PlotMapping &mapping, Axis axis)
{
    const int pixels = axis == Axis::X ? mapping.width() : mapping.height();
    const auto toPixel = [&](double v) {
        return axis == Axis::X ? mapping.pixelX(v) : mapping.pixelY(v);
    };
    std::vector<int> out;
    if (!(spacing > 0.0) || !allFinite({ spacing, lo, hi, toPixel(lo), toPixel(hi) }) || pixels <= 0) {
        return out;
    }
    if (spacing * pixels <= hi - lo) {
        // At least one mark in every pixel between lo and hi.
        if (const auto span = pixelSpan(toPixel(lo), toPixel(hi), pixels)) {
            for (int p = span->first; p <= span->second; ++p) {
                out.push_back(p);
            }
        }
        return out;
    }
    // Fewer marks than pixels: only the multiples inside [lo, hi] are visited. Counting with an integer
    // keeps the loop finite where k itself is too large for consecutive doubles.
    const double kLo = std::ceil(lo / spacing);
    const double kHi = std::floor(hi / spacing);
    const auto visit = [&](double from, double to, double step) {
        const double count = std::min(std::floor((to - from) * step), static_cast<double>(pixels) + 1.0);
        for (long i = 0; i <= static_cast<long>(count); ++i) {
            const auto pixel = pixelOf(toPixel((from + step * static_cast<double>(i)) * spacing), pixels);
            if (pixel && (out.empty() || out.back() != *pixel)) {
                out.push_back(*pixel);
            }
        }
    };
    if (kLo <= std::min(kHi, 0.0)) {
        visit(std::min(kHi, 0.0), kLo, -1.0); // 0, −1, −2, … down to the low end
    }
    if (std::max(kLo, 1.0) <= kHi) {
        visit(std::max(kLo, 1.0), kHi, 1.0); // 1, 2, … up to the high end
    }
    return out;
}

std::vector<double> sampleXs(const PlotWindow &window, int width, int quality)
{
    std::vector<double> xs;
    if (width <= 0 || quality <= 0) {
        return xs;
    }
    const double step = ((window.xmax - window.xmin) / width) * (100.0 / quality);
    // x = xmin + i·step rather than repeated addition: no drift, and no endless loop when the step is
    // smaller than the spacing of doubles at x. About width·quality/100 samples.
    const double most = std::ceil(static_cast<double>(width) * quality / 100.0) + 1.0;
    xs.reserve(static_cast<std::size_t>(most));
    xs.push_back(window.xmin);
    for (double i = 1.0; i <= most; i += 1.0) {
        const double x = window.xmin + i * step;
        if (!(x < window.xmax)) {
            break;
        }
        xs.push_back(x);
    }
    return xs;
}

std::optional<LineF> clipLine(LineF line, double left, double top, double right, double bottom)
{
    if (!allFinite({ line.x1, line.y1, line.x2, line.y2 })) {
        return std::nullopt;
    }
    // Liang–Barsky: the part of the line's parameter range [0, 1] inside all four edges.
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    double t0 = 0.0;
    double t1 = 1.0;
    const std::array<std::pair<double, double>, 4> edges { {
        { -dx, line.x1 - left },
        { dx, right - line.x1 },
        { -dy, line.y1 - top },
        { dy, bottom - line.y1 },
    } };
    for (const auto &[p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q / p;
        if (p < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (!(t0 <= t1)) {
        return std::nullopt;
    }
    return LineF { line.x1 + t0 * dx, line.y1 + t0 * dy, line.x1 + t1 * dx, line.y1 + t1 * dy };
}

namespace
{

/// A device position: a pixel with its coordinates as the curve formula gives them, when they fit.
struct Device {
    double x = 0.0;
    double y = 0.0;

    bool operator==(const Device &) const = default;
};

bool representable(double v)
{
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max(); // NaN fails
}

/// Collects a curve's lines, cut to the picture with a margin so that lines crossing an edge keep their
/// slope on the picture.
class LineSink
{
public:
    LineSink(int width, int height, std::vector<PixelLine> &lines)
        : m_right(width + 1.0)
        , m_bottom(height + 1.0)
        , m_lines(lines)
    {
    }

    void line(Device from, Device to)
    {
        if (from == to) {
            return; // a line to the pen's own position draws nothing
        }
        const bool inside = within(from) && within(to);
        if (inside) {
            m_lines.push_back({ int(from.x), int(from.y), int(to.x), int(to.y) });
            return;
        }
        if (const auto cut = clipLine({ from.x, from.y, to.x, to.y }, -2.0, -2.0, m_right, m_bottom)) {
            m_lines.push_back({ int(std::lround(cut->x1)),
                int(std::lround(cut->y1)),
                int(std::lround(cut->x2)),
                int(std::lround(cut->y2)) });
        }
    }

private:
    bool within(Device d) const { return d.x >= -2.0 && d.x <= m_right && d.y >= -2.0 && d.y <= m_bottom; }

    double m_right;
    double m_bottom;
    std::vector<PixelLine> &m_lines;
};

void addVertical(Stroke &stroke, const std::vector<int> &columns, std::pair<int, int> rows)
{
    for (const int c : columns) {
        stroke.lines.push_back({ c, rows.first, c, rows.second });
    }
}

void addHorizontal(Stroke &stroke, const std::vector<int> &rows, std::pair<int, int> columns)
{
    for (const int r : rows) {
        stroke.lines.push_back({ columns.first, r, columns.second, r });
    }
}

void drawTicks(PlotDrawing &drawing, const PlotRequest &request, const PlotMapping &mapping)
{
    const PlotWindow &w = request.window;
    const double t = request.tickFreq;
    const double halfL = (w.ymax - w.ymin) / 50.0 / 2.0;
    const double halfM = (w.xmax - w.xmin) / 50.0 / 2.0;
    Stroke xTicks { colours::xTicks, {} };
    if (const auto rows = pixelSpan(mapping.pixelY(halfL), mapping.pixelY(-halfL), request.height)) {
        addVertical(xTicks, markPixels(t, w.xmin, w.xmax, mapping, Axis::X), *rows);
    }
    Stroke yTicks { colours::yTicks, {} };
    if (const auto columns = pixelSpan(mapping.pixelX(-halfM), mapping.pixelX(halfM), request.width)) {
        addHorizontal(yTicks, markPixels(t, w.ymin, w.ymax, mapping, Axis::Y), *columns);
    }
    drawing.strokes.push_back(std::move(xTicks));
    drawing.strokes.push_back(std::move(yTicks));
}

void drawGrid(PlotDrawing &drawing, const PlotRequest &request, const PlotMapping &mapping)
{
    const PlotWindow &w = request.window;
    const double g = request.gridFreq;
    Stroke grid { colours::grid, {} };
    addVertical(grid, markPixels(g, w.xmin, w.xmax, mapping, Axis::X), { 0, request.height - 1 });
    addHorizontal(grid, markPixels(g, w.ymin, w.ymax, mapping, Axis::Y), { 0, request.width - 1 });
    drawing.strokes.push_back(std::move(grid));
}

void drawAxes(PlotDrawing &drawing, const PlotRequest &request, const PlotMapping &mapping)
{
    Stroke axes { colours::black, {} };
    if (const auto column = pixelOf(mapping.pixelX(0.0), request.width)) {
        addVertical(axes, { *column }, { 0, request.height - 1 });
    }
    if (const auto row = pixelOf(mapping.pixelY(0.0), request.height)) {
        addHorizontal(axes, { *row }, { 0, request.width - 1 });
    }
    drawing.strokes.push_back(std::move(axes));
}

/// One sample of one curve: its value and pixel, or nothing when either cannot be had.
struct Sample {
    double y = 0.0;
    Device pixel;
};

std::vector<std::optional<Sample>> curveSamples(
    const std::vector<double> &xs, const std::vector<double> &ys, const PlotRequest &request)
{
    const PlotWindow &w = request.window;
    std::vector<std::optional<Sample>> samples(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double px = std::floor(-1.0 + (xs[i] - w.xmin) * request.width / (w.xmax - w.xmin));
        const double py = std::floor(-1.0 + (w.ymax - ys[i]) * request.height / (w.ymax - w.ymin));
        // Room either way for the passes above and below (at most the widest pen apart).
        constexpr double passRoom = 64.0;
        if (std::isfinite(ys[i]) && representable(px) && representable(py - passRoom)
            && representable(py + passRoom)) {
            samples[i] = Sample { ys[i], { px, py } };
        }
    }
    return samples;
}

void drawCurve(Stroke &stroke, const std::vector<std::optional<Sample>> &samples, const PlotRequest &request)
{
    const PlotWindow &w = request.window;
    LineSink sink(request.width, request.height, stroke.lines);
    const int spacing = penWidthAt(request.scale);
    for (int pass = -spacing; pass <= spacing; pass += spacing) {
        bool penUp = true;
        Device pen;
        for (const auto &sample : samples) {
            if (!sample) {
                continue; // the pen stays where it was
            }
            const Device at { sample->pixel.x, sample->pixel.y + pass };
            if (penUp) {
                pen = at;
            }
            if (sample->y >= w.ymin - 1000.0 && sample->y <= w.ymax + 1000.0) {
                sink.line(pen, at);
            }
            pen = at;
            penUp = false;
        }
    }
}

void drawCurves(PlotDrawing &drawing, const PlotRequest &request, const PlotPolynomial &polynomial)
{
    const std::vector<double> xs = sampleXs(request.window, request.width, request.quality);
    std::array<std::vector<double>, curveCount> ys;
    for (auto &column : ys) {
        column.resize(xs.size());
    }
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const auto values = polynomial.values(xs[i], request.curves);
        for (std::size_t c = 0; c < curveCount; ++c) {
            ys[c][i] = values[c];
        }
    }
    for (std::size_t c = 0; c < curveCount; ++c) {
        if (!request.curves[c]) {
            continue;
        }
        Stroke stroke { colourOf(static_cast<Curve>(c)), {} };
        drawCurve(stroke, curveSamples(xs, ys[c], request), request);
        drawing.strokes.push_back(std::move(stroke));
    }
}

} // namespace

PlotDrawing drawPlot(const PlotRequest &request, const PlotPolynomial *polynomial)
{
    PlotDrawing drawing;
    drawing.width = request.width;
    drawing.height = request.height;
    if (request.width <= 0 || request.height <= 0) {
        return drawing;
    }
    const PlotMapping mapping(request.window, request.width, request.height);
    if (request.ticks) {
        drawTicks(drawing, request, mapping);
    }
    if (request.grid) {
        drawGrid(drawing, request, mapping);
    }
    drawAxes(drawing, request, mapping);
    if (polynomial) {
        drawCurves(drawing, request, *polynomial);
    }
    for (Stroke &stroke : drawing.strokes) {
        stroke.penWidth = penWidthAt(request.scale);
    }
    if (request.numbering.on) {
        drawing.fontPixels = std::max(1, static_cast<int>(std::lround(request.numbering.fontPixels * request.scale)));
        drawing.labels = axisLabels(request, mapping);
        drawing.roots = rootMarks(request, mapping);
    }
    return drawing;
}

PlotWindow zoomedOut(const PlotWindow &window)
{
    const double dx = 0.5 * std::fabs(window.xmax - window.xmin);
    const double dy = 0.5 * std::fabs(window.ymax - window.ymin);
    const PlotWindow out { window.xmin - dx, window.xmax + dx, window.ymin - dy, window.ymax + dy };
    // Beyond the largest doubles the window cannot grow any more.
    if (!allFinite({ out.xmin, out.xmax, out.ymin, out.ymax, out.xmax - out.xmin, out.ymax - out.ymin })) {
        return window;
    }
    return out;
}

ZoomRect zoomRectangle(GraphPoint start, GraphPoint corner)
{
    return { std::min(start.x, corner.x),
        std::max(start.y, corner.y),
        std::fabs(corner.x - start.x),
        std::fabs(corner.y - start.y) };
}

std::optional<PlotWindow> zoomedIn(const ZoomRect &rect)
{
    const PlotWindow window { rect.left, rect.left + rect.width, rect.top - rect.height, rect.top };
    if (!(window.xmin < window.xmax && window.ymin < window.ymax)
        || !allFinite({ window.xmin, window.xmax, window.ymin, window.ymax })) {
        return std::nullopt;
    }
    return window;
}

namespace
{

/// The value cut to 10 decimal places (⌊v·10^10⌋/10^10); values too large for that have no decimals
/// left to cut.
double cutToTenDecimals(double v)
{
    const double scaled = v * 1e10;
    return std::isfinite(scaled) ? std::floor(scaled) / 1e10 : v;
}

} // namespace

std::string coordinateText(GraphPoint point, std::size_t decimals)
{
    using frontend::core::FormatNumber;
    return "(" + FormatNumber(cutToTenDecimals(point.x), decimals) + "; "
        + FormatNumber(cutToTenDecimals(point.y), decimals) + ")";
}

CurveReadOut readOutAt(const PlotPolynomial &polynomial, const PlotWindow &window, double x, std::size_t decimals)
{
    const auto values = polynomial.values(x, { true, true, false, false });
    const double y = values[index(Curve::Function)];
    const double s = values[index(Curve::FirstDerivative)];
    CurveReadOut out;
    out.label = coordinateText({ x, y }, decimals) + " dy/dx = " + frontend::core::formatScientific(s, decimals);
    out.showLines = y >= window.ymin && y <= window.ymax && polynomial.degree() != 1;
    out.ver = { x, window.ymax + 1.0, x, window.ymin - 1.0 };
    const double left = window.xmin - 1.0;
    const double right = window.xmax + 1.0;
    out.der = { left, y + (left - x) * s, right, y + (right - x) * s };
    return out;
}

} // namespace tools::graph::core
