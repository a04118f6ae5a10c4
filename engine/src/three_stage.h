#pragma once
// The three-stage variable-shift methods with deflation (part of the kernels, kernel.h).

#include "kernel.h"

namespace engine::KOVALIN_KERNEL_TAG
{

/// Roots of coeff[0..degree] (highest power first, coeff[0] != 0), stored from root[0] on: first the roots at
/// the origin, then the roots in the order found. Returns how many were found (degree unless the shifts ran
/// out).
int findRealRoots(const double *coeff, int degree, Complex *root, const MachineConstants &machine);
int findComplexRoots(const Complex *coeff, int degree, Complex *root, const MachineConstants &machine);

} // namespace engine::KOVALIN_KERNEL_TAG
