#pragma once
// Test support: what a set of computed roots proves about a polynomial, checked without the engine's own code
// or arithmetic (evaluation in extended precision with a bound on its rounding error).
//
// - Backward error of each root: |p(z)| / sum |a_k| |z|^k, an upper bound. A root with a backward error of a
//   few eps is the exact root of a polynomial whose coefficients differ from the given ones by a few roundings.
// - Inclusion discs (Gerschgorin-type): the disc around z_i of radius n |p(z_i)| / |a_n prod_{j != i}(z_i - z_j)|.
//   All roots lie in the union of the discs, and a connected group of k discs holds exactly k roots. When every
//   disc stands apart from the others, each holds exactly one root; for real coefficients a lone disc centred on
//   the real axis then holds a real root and one clear of the axis a non-real root, which certifies the count
//   of real roots.

#include <complex>
#include <string>
#include <vector>

namespace engine_test
{

struct RootCertificate {
    std::vector<double> backwardError; // per root
    std::vector<double> radius; // per root; infinite when two roots coincide
    bool isolated = false; // every disc apart from every other
    int realRoots = -1; // certified number of real roots (real coefficients, isolated discs), else -1
    double worstBackwardError = 0;
};

/// Whether roots of a real polynomial come as the solver promises: real roots with imaginary part exactly 0,
/// every non-real root next to its exact conjugate, the one with the positive imaginary part first (for the
/// whole-quadratic path of degree 2 the negative one first). On failure `why` says where.
bool conjugateStructure(const std::vector<std::complex<double>> &roots, std::string *why = nullptr);

/// Certificate of `roots` (all finite) for the polynomial with coefficients from the constant term up.
RootCertificate certify(const std::vector<std::complex<double>> &coefficients,
    const std::vector<std::complex<double>> &roots,
    bool realCoefficients);

} // namespace engine_test
