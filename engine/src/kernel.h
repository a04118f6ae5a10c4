#pragma once
// The verified root finders: the hot code (three_stage.h, polish.h, root_check.h, simultaneous_iteration.h),
// compiled twice on x86-64 (namespace engine::portable for any processor, engine::fma for processors with fused
// multiply-add, chosen once at run time). Both builds give the same roots to the last bits: they differ in how
// an exact product is formed, and in the divisions by a quadratic, whose newest product the fma build takes
// through one fused multiply-add (dd::recurrenceSum).

#include "engine/roots.h"
#include "kernel_tag.h"

namespace engine
{

struct MachineConstants {
    double base = 2; // floating-point radix
    double infin = 0; // largest double
    double smalno = 0; // smallest normalised double
    double eta = 0; // machine epsilon
};

// Each build declares the same set of functions.
#define KOVALIN_KERNEL_FUNCTIONS                                                                                       \
    /* All roots of coeff[0..degree] (highest power first; first and last coefficient non-zero, all finite, */         \
    /* the largest near one): found, refined and verified, with the simultaneous iteration as the fallback. */         \
    /* Returns how many roots were verified; they fill root[0..count) in the order found.                   */         \
    int solveRealPolynomial(const double *coeff, int degree, Complex *root, const MachineConstants &machine);          \
    int solveComplexPolynomial(const Complex *coeff, int degree, Complex *root, const MachineConstants &machine);

namespace portable
{
KOVALIN_KERNEL_FUNCTIONS
}
namespace fma
{
KOVALIN_KERNEL_FUNCTIONS
}

#undef KOVALIN_KERNEL_FUNCTIONS

struct Kernel {
    decltype(&portable::solveRealPolynomial) solveRealPolynomial;
    decltype(&portable::solveComplexPolynomial) solveComplexPolynomial;
};

/// The build for this processor.
const Kernel &kernel();
/// Both builds, for tests that compare them (the second is the first where no fma build exists).
const Kernel &portableKernel();
const Kernel &fastestKernel();

} // namespace engine
