#pragma once
// Equations for tests of what comes after the check: the equation of given texts with each text read once,
// as the check reads it. A text that does not read gives a value that is not a number, which whatever uses
// the equation must refuse.

#include "frontend/core/equation.h"
#include "frontend/core/number_text.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace frontend::core::testing
{

inline double valueOf(const std::string &text)
{
    const NumberValue value = ReadNumber(text).value;
    return value.isNumeric() ? value.toDouble() : std::nan("");
}

/// The equation of `texts` (by power, the leading one last), typed in boxes.
inline Equation equationOf(CoefficientTexts texts)
{
    std::vector<ComplexValue> values;
    for (std::size_t i = 0; i < texts.re.size(); ++i) {
        const bool hasIm = texts.complex && i < texts.im.size();
        values.push_back({ valueOf(texts.re[i]), hasIm ? valueOf(texts.im[i]) : 0.0 });
    }
    std::string degree = std::to_string(texts.degree());
    return makeEquation(std::move(degree), std::move(texts), std::move(values));
}

} // namespace frontend::core::testing
