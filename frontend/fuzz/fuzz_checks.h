#pragma once
// What the front end's fuzz targets share: a failed check says which one and traps (libFuzzer then keeps
// the input; the corpus replay fails), and the display-text properties several targets check.

#include "frontend/core/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace frontend::fuzz
{

inline void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::fflush(stderr);
        __builtin_trap();
    }
}

/// The value a display text stands for (thousands separators dropped); nothing when it is not a number.
inline std::optional<double> shownValue(std::string_view text)
{
    std::string plain(text);
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    return core::textToDouble(plain);
}

/// True when the text names no value that is not a number ("Infinity", "NaN", "inf", "nan").
inline bool namesNoNonFinite(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower.find("inf") == std::string::npos && lower.find("nan") == std::string::npos;
}

/// FormatNumber's text of a finite value stands for a finite number of the same sign, as near to the value as
/// `decimals` decimals (or a mantissa with that many, in exponent form) and 15 significant digits allow.
inline void requireFaithfulDisplay(double value, std::size_t decimals)
{
    const std::string text = core::FormatNumber(value, decimals);
    require(namesNoNonFinite(text), "a finite value is shown as a number");
    const auto shown = shownValue(text);
    require(shown.has_value(), "the display text of a finite value reads back as a number");
    require(!(value > 0 && *shown < 0) && !(value < 0 && *shown > 0), "the display keeps the sign");
    const double step = std::pow(10.0, -static_cast<double>(decimals));
    const double error = std::fabs(*shown - value);
    // 15 significant digits first (half a unit of the 15th), then the decimals: half a unit of the last
    // one, or a whole unit where a mantissa is cut instead of rounded past the largest double.
    const bool exponentForm = text.find('E') != std::string::npos;
    const double allowed = exponentForm ? std::fabs(value) * (step + 1e-14) * (1 + 1e-9)
                                        : 0.5 * step * (1 + 1e-9) + std::fabs(value) * 1e-14;
    require(error <= allowed || (std::fabs(value) < 1e-300 && std::fabs(*shown) < 1e-300),
        "the display text stands for a number near the value");
}

} // namespace frontend::fuzz
