#include "frontend/kit/text_colours.h"

#include <cmath>

namespace frontend
{
namespace
{

/// WCAG 2 relative luminance of a colour in sRGB.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

/// `colour` mixed with white in the share `step` / 255.
QColor towardWhite(const QColor &colour, int step)
{
    const auto mix = [step](int channel) {
        return channel + (255 - channel) * step / 255;
    };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = luminance(a) + 0.05;
    const double second = luminance(b) + 0.05;
    return first > second ? first / second : second / first;
}

bool isDarkPalette(const QPalette &palette)
{
    return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

QColor readableColour(const QColor &own, const QPalette &palette, QPalette::ColorRole background)
{
    if (!isDarkPalette(palette)) {
        return own;
    }
    const QColor behind = palette.color(background);
    // The least mix that reads well keeps as much of the colour as it can; white itself is the last resort.
    for (int step = 0; step < 255; ++step) {
        const QColor shade = towardWhite(own, step);
        if (contrastRatio(shade, behind) >= readableContrast) {
            return shade;
        }
    }
    return QColor(Qt::white);
}

QColor ownColour(TextColour colour)
{
    return colour == TextColour::Blue ? QColor(0, 0, 255) : QColor(255, 0, 0);
}

QColor textColour(TextColour colour, const QPalette &palette, QPalette::ColorRole background)
{
    return readableColour(ownColour(colour), palette, background);
}

} // namespace frontend
