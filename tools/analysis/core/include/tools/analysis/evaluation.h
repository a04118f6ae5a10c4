#pragma once
// Values of the current equation's polynomial: the complex Horner evaluation of the evaluation tool, the
// term-by-term real evaluation of the table and arc-length tools, and the evaluation tool's copy text.

#include "frontend/core/equation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tools::analysis
{

using frontend::core::CoefficientTexts;
using frontend::core::ComplexValue;
using frontend::core::Equation;

/// The outcome of one evaluation. `EvalOverflow` covers every arithmetic failure: an overflow or an invalid
/// result (a coefficient that is not a finite number included).
struct Evaluation {
    bool EvalOverflow = false;
    ComplexValue value;
};

/// Horner's scheme in complex arithmetic, from the leading coefficient (the last one) down.
Evaluation EvaluatePolynomial(const std::vector<ComplexValue> &coefficients, ComplexValue x);
/// The equation's polynomial at x.
Evaluation EvaluatePolynomial(const Equation &equation, ComplexValue x);

/// y = sum of c_k * x^k, each term formed with the general power function and added from the highest power
/// down; nothing when a term or the sum overflows or is not a number.
std::optional<double> EvaluateRealAt(const std::vector<double> &coefficients, double x);
/// "(" + real part + ") + (" + imaginary part + ")i" of the complex polynomial at the real x, both parts
/// formatted for display; nothing on overflow.
std::optional<std::string> EvaluateComplexAt(
    const std::vector<ComplexValue> &coefficients, double x, std::size_t decimals);

/// The real parts of the coefficients (the real-only tools' view of them).
std::vector<double> realParts(const std::vector<ComplexValue> &coefficients);

/// What the evaluation tool's Copy is built from.
struct EvaluateCopySource {
    std::string xRe; // the x texts that produced the shown value
    std::string xIm;
    CoefficientTexts coefficients;
    std::string valueRe; // the value boxes' texts
    std::string valueIm;
};

/// "V = P": the value, then the polynomial with the x factor in place of x, for example
/// (1.5) = (2)*(1.5)^2 + (0)*(1.5)^1 + (-3).
std::string evaluateCopyText(const EvaluateCopySource &source);

} // namespace tools::analysis
