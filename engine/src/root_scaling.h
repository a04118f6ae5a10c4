#pragma once
// Preparing a polynomial for the root finders. Its roots are mapped by the Newton polygon first:
//  - roots far below the smallest double are roots at the origin to double precision, and roots far beyond
//    the largest double cannot be given; both are set aside;
//  - groups of roots whose moduli lie many binary orders apart (a gap in the polygon) are sought in separate
//    pieces: there the polynomial is the product of its parts to far below the last bit, and no one scaling
//    would hold both groups well inside the double range;
//  - each piece is scaled by x = 2^shift y, which puts its roots near modulus one (the geometric mean of their
//    moduli, where the coefficients allow it), and by a common power of two that brings its largest
//    coefficient near one.
// All of it is exact (powers of two, and coefficients taken as they are), so roots from 1e-30 to 1e30 and
// coefficients from anywhere in the double range reach the root finders in the range they work best in.

#include <complex>
#include <vector>

namespace engine
{

template <typename Value>
struct ScaledPiece {
    std::vector<Value> coefficients; // highest power first; first and last non-zero
    int shift = 0; // a root y of this piece is the root 2^shift y of the whole polynomial
    bool exact = true; // false where the scaling or the split lost digits that may matter: check on the whole
};

template <typename Value>
struct RootPlan {
    int zeroRoots = 0; // roots far below the smallest double: 0 is the nearest double to each
    int lostRoots = 0; // roots far beyond the largest double
    std::vector<ScaledPiece<Value>> pieces; // from the smallest roots to the largest
};

/// The plan for coeff[0..n] (highest power first; coeff[0] and coeff[n] non-zero and finite).
RootPlan<double> planRootSearch(const double *coeff, int n);
RootPlan<std::complex<double>> planRootSearch(const std::complex<double> *coeff, int n);

/// The root of the whole polynomial for a root y of a piece (infinite parts where it overflows).
std::complex<double> unscaleRoot(std::complex<double> y, int shift);

} // namespace engine
