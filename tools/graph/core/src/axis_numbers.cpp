// The numbers along the axes and the marks of the real roots.

#include "frontend/core/number_text.h"
#include "graph/core/plot.h"

#include <algorithm>
#include <cmath>

namespace tools::graph::core
{
namespace
{

/// The gap between a number and the axis, and between neighbouring numbers, in font heights.
constexpr double gapShare = 0.5;

struct Box {
    double left;
    double top;
    double right;
    double bottom;

    bool meets(const Box &other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

Box boxOf(const AxisLabel &label, double width, double height)
{
    const double x = label.x;
    const double y = label.y;
    switch (label.anchor) {
    case LabelAnchor::Below:
        return { x - width / 2.0, y, x + width / 2.0, y + height };
    case LabelAnchor::Above:
        return { x - width / 2.0, y - height, x + width / 2.0, y };
    case LabelAnchor::Left:
        return { x - width, y - height / 2.0, x, y + height / 2.0 };
    case LabelAnchor::Right:
        break;
    }
    return { x, y - height / 2.0, x + width, y + height / 2.0 };
}

/// The whole pixel of a position.
int pixel(double position)
{
    return static_cast<int>(std::floor(position));
}

/// 1, 2 or 5 times a power of ten, the smallest not below `v` (v > 0).
double roundUp125(double v)
{
    const double power = std::pow(10.0, std::floor(std::log10(v)));
    for (const double m : { 1.0, 2.0, 5.0, 10.0 }) {
        if (m * power >= v) {
            return m * power;
        }
    }
    return 10.0 * power;
}

/// The spacing the numbers are multiples of: the tick marks', else the grid's, else a round tenth of the
/// range; a spacing that leaves fewer than two numbers in the range gives way to the next.
double baseStep(const PlotRequest &request, double lo, double hi)
{
    const auto fits = [lo, hi](bool on, double spacing) {
        return on && spacing > 0.0 && std::floor(hi / spacing) - std::ceil(lo / spacing) >= 1.0;
    };
    if (fits(request.ticks, request.tickFreq)) {
        return request.tickFreq;
    }
    if (fits(request.grid, request.gridFreq)) {
        return request.gridFreq;
    }
    return roundUp125((hi - lo) / 10.0);
}

/// The multiple of `base` whose numbers lie at least `room` pixels apart at `pixelsPerUnit`.
double spacedStep(double base, double pixelsPerUnit, double room)
{
    const double apart = base * pixelsPerUnit;
    if (!(apart > 0.0) || apart >= room) {
        return base;
    }
    return base * roundUp125(room / apart);
}

std::string numberText(double value, double step, std::size_t decimals)
{
    return frontend::core::FormatNumber(value, std::min(decimals, decimalsOf(step)));
}

/// The multiples k·step in [lo, hi], as k; nothing when there would be more than `most`.
std::vector<double> multiples(double step, double lo, double hi, double most)
{
    std::vector<double> ks;
    const double first = std::ceil(lo / step);
    const double last = std::floor(hi / step);
    if (!std::isfinite(first) || !std::isfinite(last) || last - first > most) {
        return ks;
    }
    for (double k = first; k <= last; k += 1.0) {
        ks.push_back(k);
    }
    return ks;
}

class Labeller
{
public:
    Labeller(const PlotRequest &request, const PlotMapping &mapping)
        : m_request(request)
        , m_mapping(mapping)
        , m_scale(request.scale > 0.0 ? request.scale : 1.0)
        , m_height(request.numbering.fontPixels * m_scale)
        , m_gap(std::max(1.0, m_height * gapShare))
    {
    }

    std::vector<AxisLabel> labels()
    {
        yLabels(); // first: the x axis's numbers give way to them where they would meet
        xLabels();
        return m_labels;
    }

private:
    double widthOf(const std::string &text) const
    {
        return m_request.numbering.textWidth ? m_request.numbering.textWidth(text) * m_scale : 0.0;
    }

    bool fits(const Box &box) const
    {
        return box.left >= 0.0 && box.top >= 0.0 && box.right <= m_request.width && box.bottom <= m_request.height;
    }

    /// Adds the label, moved along its axis onto the picture where it reaches past an edge, unless it meets
    /// another number.
    void place(AxisLabel label)
    {
        Box box = boxOf(label, widthOf(label.text), m_height);
        const bool alongX = label.anchor == LabelAnchor::Below || label.anchor == LabelAnchor::Above;
        const double low = alongX ? box.left : box.top;
        const double high = alongX ? box.right : box.bottom;
        const double limit = alongX ? m_request.width : m_request.height;
        const double shift = low < 0.0 ? -low : (high > limit ? limit - high : 0.0);
        (alongX ? label.x : label.y) += static_cast<int>(shift > 0.0 ? std::ceil(shift) : std::floor(shift));
        box = boxOf(label, widthOf(label.text), m_height);
        if (!fits(box)) {
            return;
        }
        if (std::any_of(m_boxes.begin(), m_boxes.end(), [&box](const Box &other) {
                return box.meets(other);
            })) {
            return;
        }
        m_boxes.push_back(box);
        m_labels.push_back(std::move(label));
    }

    void xLabels()
    {
        const PlotWindow &w = m_request.window;
        const double base = baseStep(m_request, w.xmin, w.xmax);
        const double pixelsPerUnit = m_request.width / (w.xmax - w.xmin);
        const double widest = std::max(widthOf(numberText(w.xmin, base, decimals())),
            widthOf(numberText(w.xmax, base, decimals())));
        const double step = spacedStep(base, pixelsPerUnit, widest + 2.0 * m_gap);
        // Below the x axis, above it where it runs along the bottom, or along the edge it left the window by.
        const double axis = m_mapping.pixelY(0.0);
        const int tick = tickHalf(m_request.height);
        int y = 0;
        LabelAnchor anchor = LabelAnchor::Below;
        if (axis < 0.0) {
            y = pixel(m_gap);
        } else if (axis + tick + m_gap + m_height <= m_request.height) {
            y = pixel(axis + tick + m_gap);
        } else {
            anchor = LabelAnchor::Above;
            y = pixel(std::min(axis, static_cast<double>(m_request.height)) - tick - m_gap);
        }
        const double yAxis = m_mapping.pixelX(0.0);
        const bool yAxisInView = yAxis >= 0.0 && yAxis < m_request.width;
        for (const double k : multiples(step, w.xmin, w.xmax, m_request.width)) {
            const double value = k * step;
            const std::string text = numberText(value, step, decimals());
            double x = m_mapping.pixelX(value);
            if (k == 0.0 && yAxisInView) {
                x -= widthOf(text) / 2.0 + m_gap; // the origin's 0 beside the y axis, not across it
            }
            place({ pixel(x), y, text, anchor });
        }
    }

    void yLabels()
    {
        const PlotWindow &w = m_request.window;
        const double base = baseStep(m_request, w.ymin, w.ymax);
        const double pixelsPerUnit = m_request.height / (w.ymax - w.ymin);
        const double step = spacedStep(base, pixelsPerUnit, m_height + 2.0 * m_gap);
        // Left of the y axis, right of it where it runs along the left edge, or along the edge it left by.
        const double axis = m_mapping.pixelX(0.0);
        const int tick = tickHalf(m_request.width);
        const auto ks = multiples(step, w.ymin, w.ymax, m_request.height);
        double widest = 0.0;
        for (const double k : ks) {
            widest = std::max(widest, widthOf(numberText(k * step, step, decimals())));
        }
        int x = 0;
        LabelAnchor anchor = LabelAnchor::Left;
        if (axis >= m_request.width) {
            x = pixel(m_request.width - m_gap);
        } else if (axis - tick - m_gap - widest >= 0.0) {
            x = pixel(axis - tick - m_gap);
        } else {
            anchor = LabelAnchor::Right;
            x = pixel(std::max(axis, -1.0) + tick + m_gap);
        }
        for (const double k : ks) {
            const double value = k * step;
            if (k == 0.0 && m_mapping.pixelY(0.0) >= 0.0 && m_mapping.pixelY(0.0) < m_request.height) {
                continue; // the x axis's own 0 names the origin
            }
            place({ x, pixel(m_mapping.pixelY(value)), numberText(value, step, decimals()), anchor });
        }
    }

    std::size_t decimals() const { return m_request.numbering.decimals; }
    /// Half a tick mark's length across the axis: a fiftieth of the other range, so a hundredth of `pixels`.
    int tickHalf(int pixels) const { return m_request.ticks ? static_cast<int>(std::ceil(pixels / 100.0)) : 0; }

    const PlotRequest &m_request;
    const PlotMapping &m_mapping;
    double m_scale;
    double m_height;
    double m_gap;
    std::vector<AxisLabel> m_labels;
    std::vector<Box> m_boxes;
};

} // namespace

std::size_t decimalsOf(double step)
{
    double scaled = std::fabs(step);
    for (std::size_t d = 0; d < 15; ++d) {
        // Within a billionth: what is left is rounding in the spacing's binary value, not a digit.
        if (std::fabs(scaled - std::round(scaled)) <= 1e-9 * scaled) {
            return d;
        }
        scaled *= 10.0;
    }
    return 15;
}

std::vector<AxisLabel> axisLabels(const PlotRequest &request, const PlotMapping &mapping)
{
    if (request.width <= 0 || request.height <= 0 || request.numbering.fontPixels <= 0) {
        return {};
    }
    return Labeller(request, mapping).labels();
}

std::vector<RootMark> rootMarks(const PlotRequest &request, const PlotMapping &mapping)
{
    std::vector<RootMark> marks;
    const double row = mapping.pixelY(0.0);
    if (!(row >= 0.0 && row < request.height)) {
        return marks; // the x axis is out of view
    }
    const int radius = 5 * penWidthAt(request.scale);
    for (const double root : request.numbering.roots) {
        if (root >= request.window.xmin && root <= request.window.xmax) {
            marks.push_back({ static_cast<int>(std::floor(mapping.pixelX(root))), static_cast<int>(row), radius });
        }
    }
    return marks;
}

} // namespace tools::graph::core
