#pragma once
// Test support for the closed-form solvers: shown root texts read back as complex numbers, the check
// that a shown root is a root to the shown precision, and random equations of a given degree.

#include "cubic/solver.h"

#include <complex>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace closed_form_testing
{

/// A shown root ("2", "-1 + 1.5i", "0.5 - i", "+ 2i", "- i") as a complex number; nothing if malformed.
std::optional<std::complex<double>> ParseShownRoot(std::string_view text);

struct RootCheck {
    bool ok = false;
    double residual = 0; ///< |p(root)|
    double tolerance = 0; ///< what a root shown to `decimals` decimals may leave
};

/// Whether `root`, shown with `decimals` decimals, is a root of the polynomial with `coefficients`
/// (leading first). A true root z within the shown precision ρ of `root` means
/// |p(root)| ≤ Σ_k |p⁽ᵏ⁾(root)|/k!·ρᵏ; on top, the closed forms may lose digits by cancellation, which is
/// allowed as a backward error of 1E-12 relative to the size of the terms.
RootCheck CheckShownRoot(const std::vector<double> &coefficients, std::complex<double> root, int decimals);

/// Whether the shown roots add up to -b/a (so no root is missing or shown twice for another), within
/// their shown precision.
bool SumMatches(const std::vector<double> &coefficients, const std::vector<std::complex<double>> &roots, int decimals);

/// An equation as typed: the coefficient texts (leading first) and their exact values.
struct TypedEquation {
    std::vector<std::string> texts;
    std::vector<double> values;
    std::string describe() const;
};

/// Checks every shown row of `display` against the equation (CheckShownRoot, and SumMatches over all
/// rows), reporting each fault as a test failure; returns how many there were.
int CheckShownRoots(const TypedEquation &equation, const cubic::Display &display, int decimals);

/// A solver's Solve button: the coefficient boxes in, what the rows show out (nothing when refused).
using Solver = std::function<std::optional<cubic::Display>(std::vector<std::string> boxes)>;

/// Types each equation into the solver, after `leadingZeros` boxes holding "0" (a quadratic in the cubic
/// solver has one), and checks every shown root; a refused equation is a fault too. Returns the faults.
int CheckSolvedEquations(
    const std::vector<TypedEquation> &equations, const Solver &solve, int decimals, std::size_t leadingZeros = 0);

/// An equation typed as `texts` (plain decimal numbers, leading first).
TypedEquation Typed(std::vector<std::string> texts);
std::vector<TypedEquation> Typed(const std::vector<std::vector<std::string>> &equations);

/// Random equations of the given degree, of four families in turn: whole coefficients in [-20, 20]
/// (zeros included, so the special forms turn up), decimals with up to three places, close roots (a
/// root at 0 now and then) under a leading coefficient from 1E-4 to 1E4, and equations multiplied out from chosen real
/// roots and complex pairs (halves, repeats included).
TypedEquation RandomEquation(std::mt19937 &engine, int degree, int family);
/// `count` random equations, the families in turn, from a fixed seed.
std::vector<TypedEquation> RandomEquations(unsigned seed, int degree, int count);

} // namespace closed_form_testing
