#pragma once
// The colours of real and complex roots wherever roots are shown (the results lists and the picture of the
// roots): the suite's blue and red, as its cubic and quartic programs show them.

#include "frontend/kit/text_colours.h"

#include <QColor>
#include <QPalette>

namespace frontend
{

/// What a listed root is, for its colour; a root not found keeps the list's own colour.
enum class RootNature { Real, Complex, NotFound };

/// A root's colour on a white picture.
inline QColor rootColour(bool imaginary)
{
    return ownColour(imaginary ? TextColour::Red : TextColour::Blue);
}

/// A root's colour in a list, readable on the list's palette (lighter on a dark one).
inline QColor rootColour(bool imaginary, const QPalette &palette)
{
    return textColour(imaginary ? TextColour::Red : TextColour::Blue, palette, QPalette::Base);
}

inline QColor realRootColour()
{
    return rootColour(false);
}

inline QColor complexRootColour()
{
    return rootColour(true);
}

} // namespace frontend
