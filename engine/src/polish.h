#pragma once
// Refinement of a complete set of roots on the whole polynomial (part of the kernels, kernel.h).

#include "root_check.h"

namespace engine::KOVALIN_KERNEL_TAG
{

/// Refines root[0..degree) against coeff[0..degree] (highest power first) by Newton steps, with Aberth's
/// correction inside clusters, the polynomial's value computed as if in twice the precision. Real roots stay
/// real and a root followed by its conjugate keeps it. The last value computed at each root is left in `known`
/// for the check.
void polishRealRoots(const double *coeff, int degree, Complex *root, KnownValues &known);
void polishComplexRoots(const Complex *coeff, int degree, Complex *root, KnownValues &known);

} // namespace engine::KOVALIN_KERNEL_TAG
