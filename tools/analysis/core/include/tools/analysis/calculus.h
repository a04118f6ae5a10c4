#pragma once
// Derivative and integral of the current (real) polynomial: the request checks, the new coefficients, the
// slope at a point and the definite integral, the texts of the result windows and their saved files.

#include "tools/analysis/x_values.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tools::analysis
{

/// The derivative request: no point (the text was "x") or a point to take the slope at.
struct DiffRequest {
    bool EntryError = false;
    bool ConversionFailed = false; // the reader's division-by-zero message comes first
    bool zeroed = false; // the box must now read "0"
    std::optional<double> x;
};
/// `text` is the box's text already in lower case.
DiffRequest CheckDiffRequest(const std::string &text);

/// Which integral box was left as "x" while the other was given.
enum class MissingValue { None, First, Second };

/// The integral request: no limits (both texts were "x"), one missing, or the two limits as checked.
struct IntegRequest {
    MissingValue missing = MissingValue::None;
    std::optional<LimitsRequest> limits;
};
/// The texts are the boxes' texts already in lower case.
IntegRequest CheckIntegRequest(const std::string &first, const std::string &second);

/// A result window's content: the one-line text (label included), the list entries, and the value at the
/// point(s) when one was asked for.
struct CalculusResult {
    bool overflow = false; // forming the coefficients, the slope or the integral overflowed
    int degree = 0; // of the new polynomial
    std::string line;
    std::vector<std::string> list;
    std::optional<std::string> pointValue;
};

/// d_k = (k + 1) c_(k+1), k = 0 .. n-1; nothing when a coefficient overflows.
std::optional<std::vector<double>> DerivativeCoefficients(const std::vector<double> &c);
/// I_k = c_k / (k + 1), the coefficient of x^(k+1).
std::vector<double> IntegralCoefficients(const std::vector<double> &c);
/// sum of k c_k x^(k-1) from k = n down; c_1 itself at x = 0. Nothing on overflow.
std::optional<double> Slope(const std::vector<double> &c, double x);
/// A - B with A = sum q_k x2^(k+1), B = sum q_k x1^(k+1), q_k = c_k/(k+1). Nothing on overflow.
std::optional<double> DefiniteIntegral(const std::vector<double> &c, double x1, double x2);

/// "f'(x) = (d_(n-1))*x^(n-1) + ... + (d_0)" and its list, from the derivative's coefficients.
CalculusResult CreateDer(const std::vector<double> &d, std::size_t decimals);
/// "F(x) = (I_n)*x^(n+1) + ... + (I_0)*x^1 + C" and its list, from the integral's coefficients.
CalculusResult CreateInt(const std::vector<double> &integral, std::size_t decimals);

/// The derivative window's content, with the slope at `x` when given.
CalculusResult Differentiate(const std::vector<double> &c, std::optional<double> x, std::size_t decimals);
/// The integral window's content, with the definite integral between the limits when given.
CalculusResult Integrate(
    const std::vector<double> &c, std::optional<std::pair<double, double>> limits, std::size_t decimals);

enum class CalculusKind { Derivative, Integral };
/// The saved file's lines: the new degree, a tab and what it is, then the list entries.
std::vector<std::string> CalculusFileLines(CalculusKind kind, const CalculusResult &result);

} // namespace tools::analysis
