#pragma once
// The suite's coloured texts: the blue of real roots and of the mail link, the red of complex roots and of a
// file at fault. They are the program's own colours on a light palette; on a dark one (light text on a dark
// window) pure blue and red are hard to read, so a lighter shade of each is shown, readable at the contrast
// the web's accessibility guidelines ask of normal text.

#include <QColor>
#include <QPalette>

namespace frontend
{

enum class TextColour { Blue, Red };

/// The least contrast a coloured text keeps against its background on a dark palette (WCAG 2, level AA).
inline constexpr double readableContrast = 4.5;

/// The contrast ratio of two colours as WCAG 2 defines it, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

/// Whether `palette` shows light text on dark windows.
bool isDarkPalette(const QPalette &palette);

/// `own` as it is shown on `palette` over its `background`: unchanged on a light palette; on a dark one, mixed
/// toward white just as far as it takes to be readable.
QColor readableColour(const QColor &own, const QPalette &palette, QPalette::ColorRole background = QPalette::Window);

/// The suite's own blue or red, as on a light palette or a white picture.
QColor ownColour(TextColour colour);

/// The suite's blue or red as shown on `palette` over its `background`.
QColor textColour(TextColour colour, const QPalette &palette, QPalette::ColorRole background = QPalette::Window);

} // namespace frontend
