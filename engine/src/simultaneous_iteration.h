#pragma once
// The robust fallback of the root finders (part of the kernels, kernel.h): all roots refined together by the
// Aberth-Ehrlich iteration in complex arithmetic, from given approximations or from starting points spread
// on circles that the Newton polygon of the coefficients' moduli places near the roots' moduli.

#include "kernel_tag.h"

#include <complex>

namespace engine::KOVALIN_KERNEL_TAG
{

using Complex = std::complex<double>;

/// Starting points for root[0..n) of a[0..n] (highest power first, a[0] and a[n] non-zero): on each edge of
/// the upper convex hull of the points (k, log |coefficient of x^k|), as many points as the edge is long, on a
/// circle whose radius is the edge's slope (the modulus of that many roots), turned so that no two circles
/// line up and no set is symmetric about the real axis.
void newtonPolygonStart(const double *a, int n, Complex *root);
void newtonPolygonStart(const Complex *a, int n, Complex *root);

/// The Aberth-Ehrlich iteration on root[0..n): each sweep moves every root by its Newton correction turned
/// away from the other approximations, N / (1 - N sum_j 1/(z_i - z_j)), using the newest positions. A root
/// stops once its value is zero to within rounding or its step reaches the last bit. Returns true when every
/// root stopped within maxSweeps sweeps.
bool aberthIteration(const double *a, int n, Complex *root, int maxSweeps);
bool aberthIteration(const Complex *a, int n, Complex *root, int maxSweeps);

/// For real coefficients: turns approximations that may stand for real roots (their inclusion disc reaches
/// the real axis) into real numbers and matches the others into exactly conjugate pairs, the one with the
/// positive imaginary part first, keeping the order of first appearance.
void restoreConjugateSymmetry(const double *a, int n, Complex *root);

} // namespace engine::KOVALIN_KERNEL_TAG
