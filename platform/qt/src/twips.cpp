#include "platform/twips.h"

#include <QWidget>

#include <cmath>

namespace platform
{
namespace
{

double pixelsPerTwip(const QWidget *widget)
{
    const double dpi = widget ? widget->logicalDpiY() : 96.0;
    return dpi / 96.0 / 15.0;
}

} // namespace

int twipsToPixels(double twips, const QWidget *widget)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip(widget)));
}

double pixelsToTwips(int pixels, const QWidget *widget)
{
    return pixels / pixelsPerTwip(widget);
}

} // namespace platform
