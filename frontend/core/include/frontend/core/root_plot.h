#pragma once
// The geometry of the picture of the roots in the complex plane: which part of the plane a picture of a
// given size shows (both axes at one scale, so a circle stays round), fitting all roots, zooming about the
// pointer, panning, the numbered ticks of the axes and the root nearest to the pointer.

#include <complex>
#include <span>
#include <string>
#include <vector>

namespace frontend::core
{

/// The part of the plane shown: the point at the centre of the picture and the length one pixel stands for.
struct PlotView {
    std::complex<double> centre;
    double unitsPerPixel = 1.0;

    friend bool operator==(const PlotView &, const PlotView &) = default;
};

/// A position in the picture, in pixels from its top left corner (y grows downwards).
struct PlotPixel {
    double x = 0.0;
    double y = 0.0;
};

/// The view that shows every finite root and the unit circle inside a `width` x `height` picture, with a
/// margin; the roots' discs are not fitted (a disc too large to matter would shrink the roots to a dot).
PlotView fitAll(std::span<const std::complex<double>> roots, double width, double height);

PlotPixel toPixel(const PlotView &view, std::complex<double> z, double width, double height);
std::complex<double> fromPixel(const PlotView &view, PlotPixel pixel, double width, double height);

/// The view zoomed by `factor` (above 1: closer) with the point under `pixel` kept where it is. The scale
/// stays where doubles still tell neighbouring pixels apart and where the plane still fits the doubles.
PlotView zoomedAt(const PlotView &view, PlotPixel pixel, double factor, double width, double height);
/// The view moved with the pointer: the plane follows a drag of `dx`, `dy` pixels.
PlotView pannedBy(const PlotView &view, double dx, double dy);

/// A numbered tick of an axis.
struct PlotTick {
    double value = 0.0;
    std::string text; // as short as tells it from its neighbours: "0.5", "-2", "1e+06"
};

/// Ticks at 1, 2 or 5 times a power of ten from `low` to `high`, no more than about `most` of them.
std::vector<PlotTick> axisTicks(double low, double high, int most);

/// Index of the finite root nearest to `z`; -1 when there is none.
int nearestRoot(std::span<const std::complex<double>> roots, std::complex<double> z);

} // namespace frontend::core
