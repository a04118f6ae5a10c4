#pragma once
// Verification of a complete set of computed roots on the polynomial itself, independently of how they were
// found (part of the kernels, kernel.h).
//
// For each root z_i:
//  - the backward error |p(z_i)| / sum |a_k||z_i|^k, with the rounding error of the evaluation counted
//    against it: the relative change of the coefficients that makes z_i an exact root;
//  - the radius n |p(z_i)| / |a_n prod_{j != i} (z_i - z_j)| of a disc about z_i (Gerschgorin-type inclusion:
//    every root of p lies in the union of the discs, and a connected group of k discs holds exactly k roots);
//  - the consistency |p'(z_i)| / |a_n prod_{j != i} (z_i - z_j)|: near 1 when the other approximations account
//    for the polynomial's other roots, very large when two approximations claim one root and another root has
//    none.
// A root is trusted when it is a root to within a few roundings, consistent with the rest, and (where the
// refinement's values are at hand) the refinement came to rest on it: inside a cluster a point that is not
// near any root can still have a value within a few roundings of zero.

#include "kernel_tag.h"
#include "polynomial_value.h"

#include <array>
#include <complex>

namespace engine::KOVALIN_KERNEL_TAG
{

using Complex = std::complex<double>;

// Every field is set by the check (no initial values: a solve keeps a hundred of them at hand).
struct RootCheck {
    double backwardError;
    double radius;
    double consistency;
    bool isRoot; // a small backward error, or the refinement converged on it
    bool trusted; // a root, consistent with the rest, and settled
};

/// Values of the polynomial that the refinement computed at each root, or at the root's place before its last
/// (tiny) step; the check uses them instead of evaluating again.
struct KnownValues {
    std::array<PolynomialValue, 100> value;
    std::array<Complex, 100> at;
    std::array<bool, 100> known; // set by the refinement for every root it is given
    std::array<bool, 100> converged; // the last step was a Newton step that left only far less than an ulp
    std::array<bool, 100> settled; // the refinement came to rest there: its steps reached the last bits
};

/// Largest backward error of a trusted root of a polynomial of degree n: a few roundings per coefficient,
/// which the refinement reaches on every root it has converged to.
double trustedBackwardError(int n);

/// Checks root[0..n) against a[0..n] (highest power first, a[0] != 0) into check[0..n), with the values the
/// refinement left where it has them; true when all are trusted.
bool checkRoots(const double *a, int n, const Complex *root, RootCheck *check, const KnownValues *known = nullptr);
bool checkRoots(const Complex *a, int n, const Complex *root, RootCheck *check, const KnownValues *known = nullptr);

} // namespace engine::KOVALIN_KERNEL_TAG
