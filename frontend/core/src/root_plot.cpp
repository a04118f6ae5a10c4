#include "frontend/core/root_plot.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace frontend::core
{
namespace
{

using Complex = std::complex<double>;

bool isFinite(Complex z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

/// The smallest length a pixel may stand for about `z`: about 2^-44 of the point's size leaves a dozen digits
/// between neighbouring pixels and ticks. The largest keeps the whole picture inside the doubles.
double leastUnits(Complex z)
{
    return std::max(std::max(std::abs(z.real()), std::abs(z.imag())) * 0x1p-44, 1e-300);
}

double mostUnits(double width, double height)
{
    return std::numeric_limits<double>::max() / (2 * std::max({ width, height, 1.0 }));
}

std::string tickText(double value, int digits)
{
    std::array<char, 40> text {};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, digits).ptr;
    return std::string(text.data(), end);
}

} // namespace

PlotView fitAll(std::span<const Complex> roots, double width, double height)
{
    // The unit circle is always shown: it tells at a glance where the roots lie against |z| = 1.
    double left = -1.0;
    double right = 1.0;
    double bottom = -1.0;
    double top = 1.0;
    for (const Complex z : roots) {
        if (isFinite(z)) {
            left = std::min(left, z.real());
            right = std::max(right, z.real());
            bottom = std::min(bottom, z.imag());
            top = std::max(top, z.imag());
        }
    }
    // Halves first: the span of roots near both ends of the doubles does not overflow.
    const double halfWidth = right / 2 - left / 2;
    const double halfHeight = top / 2 - bottom / 2;
    const double margin = 1.15; // room for the markers at the edges
    PlotView view;
    view.centre = Complex(left / 2 + right / 2, bottom / 2 + top / 2);
    view.unitsPerPixel = std::max(halfWidth / std::max(width, 1.0), halfHeight / std::max(height, 1.0)) * 2 * margin;
    view.unitsPerPixel = std::clamp(view.unitsPerPixel, leastUnits(view.centre), mostUnits(width, height));
    return view;
}

PlotPixel toPixel(const PlotView &view, Complex z, double width, double height)
{
    return { width / 2 + (z.real() - view.centre.real()) / view.unitsPerPixel,
        height / 2 - (z.imag() - view.centre.imag()) / view.unitsPerPixel };
}

Complex fromPixel(const PlotView &view, PlotPixel pixel, double width, double height)
{
    return view.centre
        + Complex((pixel.x - width / 2) * view.unitsPerPixel, (height / 2 - pixel.y) * view.unitsPerPixel);
}

PlotView zoomedAt(const PlotView &view, PlotPixel pixel, double factor, double width, double height)
{
    const Complex held = fromPixel(view, pixel, width, height);
    PlotView zoomed;
    zoomed.unitsPerPixel = std::clamp(view.unitsPerPixel / factor, leastUnits(held), mostUnits(width, height));
    zoomed.centre =
        held - Complex((pixel.x - width / 2) * zoomed.unitsPerPixel, (height / 2 - pixel.y) * zoomed.unitsPerPixel);
    return zoomed;
}

PlotView pannedBy(const PlotView &view, double dx, double dy)
{
    PlotView panned = view;
    panned.centre -= Complex(dx * view.unitsPerPixel, -dy * view.unitsPerPixel);
    return panned;
}

std::vector<PlotTick> axisTicks(double low, double high, int most)
{
    std::vector<PlotTick> ticks;
    const double span = high - low;
    if (!(span > 0.0) || !std::isfinite(span) || most < 1) {
        return ticks;
    }
    const double raw = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double ratio = raw / power;
    // A ratio a rounding above 1, 2 or 5 is that number: a span of 0.3 in 3 ticks gives steps of 0.1.
    const double slack = 1.0 + 1e-9;
    const double step = power * (ratio <= slack ? 1.0 : ratio <= 2 * slack ? 2.0 : ratio <= 5 * slack ? 5.0 : 10.0);
    const double first = std::ceil(low / step);
    const double last = std::floor(high / step);
    const double size = std::max(std::abs(low), std::abs(high));
    if (!(step > size * 0x1p-50) || !(last - first < 4.0 * most)) {
        return ticks; // beyond what the doubles tell apart
    }
    // Digits enough to tell a tick from the next: those of the largest value down to the step's.
    const int digits = std::clamp(
        static_cast<int>(std::floor(std::log10(std::max(size, step))) - std::floor(std::log10(step))) + 1, 1, 17);
    for (double k = first; k <= last; k += 1.0) {
        const double value = k * step + 0.0; // from the count, not summed: 0 is exactly 0 (and never -0)
        ticks.push_back({ value, tickText(value, digits) });
    }
    return ticks;
}

int nearestRoot(std::span<const Complex> roots, Complex z)
{
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (!isFinite(roots[i])) {
            continue;
        }
        const double distance = std::abs(roots[i] - z);
        if (nearest < 0 || distance < best) {
            nearest = static_cast<int>(i);
            best = distance;
        }
    }
    return nearest;
}

} // namespace frontend::core
