#pragma once
// The iterative parts of the root finders and the final refinement of their roots: the hot code, compiled
// twice on x86-64 (namespace engine::portable for any processor, engine::fma for processors with fused
// multiply-add, chosen once at run time). Both builds give the same roots: they differ only in how an exact
// product is formed.

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
    /* The three-stage method: roots of coeff[0..degree] (highest power first, coeff[0] != 0), stored from */          \
    /* root[0] on: first the roots at the origin, then the roots in the order found. Returns how many were */          \
    /* found (degree unless the shifts ran out).                                                           */          \
    int findRealRoots(const double *coeff, int degree, Complex *root, const MachineConstants &machine);                \
    int findComplexRoots(const Complex *coeff, int degree, Complex *root, const MachineConstants &machine);            \
    /* Refines root[0..count) against the polynomial coeff[0..degree] (highest power first) by Newton steps */         \
    /* with the polynomial's value computed as if in twice the precision. Real roots stay real and a root  */          \
    /* followed by its conjugate keeps it.                                                                 */          \
    void polishRealRoots(const double *coeff, int degree, Complex *root, int count);                                   \
    void polishComplexRoots(const Complex *coeff, int degree, Complex *root, int count);                               \
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
