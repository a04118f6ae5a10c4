#pragma once
// Window sizes given in twips: 15 twips make one pixel at 96 dpi, scaled by the screen's logical dpi.

class QWidget;

namespace platform
{

int twipsToPixels(double twips, const QWidget *widget);
double pixelsToTwips(int pixels, const QWidget *widget);

} // namespace platform
