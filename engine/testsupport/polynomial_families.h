#pragma once
// Test support: families of polynomials generated without reference roots, for property sweeps (every root a
// root, the count of real roots right) over the whole range of degrees, in the tests and in the benchmarks.

#include <complex>
#include <cstdint>
#include <string>
#include <vector>

namespace engine_test
{

struct GeneratedPolynomial {
    std::string name; // family and parameters, enough to make it again
    bool realCoefficients = true;
    std::vector<std::complex<double>> coefficients; // from the constant term up; leading and constant non-zero
    bool separatedRoots = true; // roots far enough apart for one disc each (false for clusters)
};

/// Every family at every degree of its range, with `seeds` random members per degree where the family is random
/// (seed numbers start at `firstSeed`):
///  - x^n - 1, x^n + 1, x^n - c^n, x^n + c^n (n = 1..100);
///  - random real coefficients (normal), integer coefficients in -8..8, real coefficients scaled by 1e+-300;
///  - products of (x - r) over points of a lattice symmetric about the real axis, clusters of multiple roots,
///    roots of magnitude 1e-30 and 1e30;
///  - random complex coefficients and z^n - c (n = 1..49);
///  - Chebyshev and Legendre polynomials, sparse trinomials, coefficients of random magnitude from 1e-150 to
///    1e150 (real and complex), roots near 1e-20, 1 and 1e20 together, and repeated complex roots.
std::vector<GeneratedPolynomial> polynomialFamilies(int seeds, std::uint32_t firstSeed = 1);

} // namespace engine_test
