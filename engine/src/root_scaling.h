#pragma once
// Scaling of a polynomial before its roots are sought: x = 2^shift y puts the geometric mean of the roots'
// moduli near one (|a_0 / a_n|^(1/n) is exactly that mean), and a common power of two brings the largest
// coefficient near one. Both are exact (powers of two), so roots from 1e-30 to 1e30 and coefficients from
// anywhere in the double range reach the root finders in the range they work best in. A coefficient that
// falls below the smallest double on the way is negligible beside the largest one.

#include <complex>

namespace engine
{

/// Fills scaled[0..n] from coeff[0..n] (highest power first; coeff[0] and coeff[n] non-zero and finite) and
/// returns the shift: a root y of the scaled polynomial is the root 2^shift y of the given one.
int scaleForRoots(const double *coeff, int n, double *scaled);
int scaleForRoots(const std::complex<double> *coeff, int n, std::complex<double> *scaled);

/// The root of the given polynomial for a root y of the scaled one (infinite parts where it overflows).
std::complex<double> unscaleRoot(std::complex<double> y, int shift);

} // namespace engine
