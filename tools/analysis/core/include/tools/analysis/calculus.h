#pragma once
// Derivative and integral of the current (real) polynomial: the request checks, the new coefficients, the
// slope at a point and the definite integral, the texts of the result windows and their saved files.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tools::analysis
{

enum class CalculusProblem {
    None,
    DiffInput, // the derivative's 'x' does not read as a number
    FirstMissing, // the integral's first 'x' was left as "x" while the second was given
    SecondMissing,
    IntegInput, // an integral 'x' does not read as a number
    SecondNotGreater,
    SameValues,
};

/// The derivative request: no point (the text was "x") or a point to take the slope at.
struct DiffRequest {
    CalculusProblem problem = CalculusProblem::None;
    bool ConversionFailed = false;
    bool zeroed = false; // the box must now read "0"
    std::optional<double> x;
};
/// `text` is the box's text already in lower case.
DiffRequest CheckDiffRequest(const std::string &text);

/// The integral request: no limits (both texts were "x") or x1 < x2.
struct IntegRequest {
    CalculusProblem problem = CalculusProblem::None;
    bool ConversionFailed = false;
    std::size_t focus = 0; // 0: the first box, 1: the second
    std::vector<std::size_t> zeroed;
    std::optional<std::pair<double, double>> limits;
};
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
