#pragma once
// Complex arithmetic of the creator and the evaluation tools. A result that overflows or is not a number
// is refused (nothing), so a caller stops at the first step that went wrong instead of showing a value
// built on infinities.

#include "frontend/core/equation.h"

#include <cmath>
#include <optional>

namespace frontend::core
{

/// Nothing when either part is infinite or not a number.
inline std::optional<ComplexValue> finiteOrNothing(ComplexValue value)
{
    if (!std::isfinite(value.re) || !std::isfinite(value.im)) {
        return std::nullopt;
    }
    return value;
}

/// (a.re + a.im i)(b.re + b.im i) = (a.re b.re - a.im b.im) + (a.im b.re + a.re b.im) i.
inline std::optional<ComplexValue> ComplexMultiply(ComplexValue a, ComplexValue b)
{
    // An intermediate product that overflows leaves an infinity or a NaN in the result, so checking the
    // result is enough.
    return finiteOrNothing({ a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im });
}

inline std::optional<ComplexValue> ComplexAdd(ComplexValue a, ComplexValue b)
{
    return finiteOrNothing({ a.re + b.re, a.im + b.im });
}

} // namespace frontend::core
