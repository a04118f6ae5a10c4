#pragma once
// The colours of real and complex roots, wherever roots are shown (the results lists and the picture of the
// roots): a blue and an orange that stay apart for the common colour-vision deficiencies and on dark themes.

#include <QColor>

namespace frontend
{

inline QColor realRootColour()
{
    return { 0, 114, 178 };
}

inline QColor complexRootColour()
{
    return { 213, 94, 0 };
}

/// What a listed root is, for its colour; a root not found keeps the list's own colour.
enum class RootNature { Real, Complex, NotFound };

inline QColor rootColour(bool imaginary)
{
    return imaginary ? complexRootColour() : realRootColour();
}

} // namespace frontend
