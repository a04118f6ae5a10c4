#pragma once
// The backward error of a root on the polynomial as given, whatever the sizes of its coefficients and of the
// root: Horner's rule with an exponent of its own for the running value, so that nothing overflows or
// underflows. Plain rounding (about 2n eps relative to the terms); used to check roots found on a piece whose
// scaling could not keep every digit, where the scaled polynomial is not quite the given one.

#include <complex>

namespace engine
{

/// |p(z)| / sum |a_k| |z|^k for a[0..n] (highest power first), with its own rounding error of about 2n eps.
double wideBackwardError(const double *a, int n, std::complex<double> z);
double wideBackwardError(const std::complex<double> *a, int n, std::complex<double> z);

} // namespace engine
