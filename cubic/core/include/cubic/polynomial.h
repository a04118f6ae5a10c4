#pragma once
// A polynomial's derivatives at a point, and the test whether a point is a multiple root of an equation
// whose coefficients were read from decimal texts.

#include <complex>
#include <span>
#include <vector>

namespace cubic
{

using Complex = std::complex<double>;

/// The Taylor coefficients p⁽ʲ⁾(x)/j!, j = 0 … degree, of the polynomial with `coefficients` (leading
/// first), by repeated synthetic division.
std::vector<Complex> TaylorAt(std::span<const double> coefficients, Complex x);

/// Whether `x` is a root of multiplicity `multiplicity` (or more) as far as the data can tell: p(x),
/// p'(x), …, p⁽ᵐ⁻¹⁾(x) each within the rounding of the coefficients (read from decimal texts) and of
/// their evaluation, so that no polynomial within that rounding can be said not to have it.
bool IsMultipleRoot(std::span<const double> coefficients, Complex x, int multiplicity);

/// A root of multiplicity m is a simple root of p⁽ᵐ⁻¹⁾, where it is well conditioned: Newton steps on
/// p⁽ᵐ⁻¹⁾ from `x`, as long as they bring it down.
Complex RefineMultipleRoot(std::span<const double> coefficients, Complex x, int multiplicity);

} // namespace cubic
