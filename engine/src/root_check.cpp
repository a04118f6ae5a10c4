#include "root_check.h"

#include "polynomial_value.h"
#include "wide_product.h"

#include <array>
#include <cmath>
#include <limits>

namespace engine::KOVALIN_KERNEL_TAG
{
namespace
{

constexpr double eps = std::numeric_limits<double>::epsilon();
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr int capacity = 100;

// A product of two approximations' other roots far larger than p' means the set does not account for the
// polynomial's roots. For a simple root the ratio is near 1, inside a cluster of m close roots at most a few
// times m; nothing near a genuine root set comes within orders of magnitude of this.
constexpr double maxConsistency = 1e4;

template <typename Coefficient>
PolynomialValue valueAt(const Coefficient *a, int n, Complex z)
{
    if constexpr (std::is_same_v<Coefficient, double>) {
        if (z.imag() == 0.0) {
            return evaluatePolynomial(a, n, z.real());
        }
    }
    return evaluatePolynomial(a, n, z);
}

// Approximations that coincide exactly stand for a multiple root (or, after a failure, for two claims on one
// simple root). With k of them at c, c must be a root of multiplicity k to within rounding: the Taylor
// coefficients p^(j)(c)/j! for j < k vanish to within a few roundings of their own size. Then
// |p^(k)(c)/k!| / |a_n prod_{others}(c - z_j)| plays the part of the consistency (near 1).
// Returns that ratio, or infinity when c is not such a root.
template <typename Coefficient>
double multipleRootConsistency(const Coefficient *a, int n, Complex c, int k, double logOthers)
{
    std::array<Complex, capacity + 1> q {};
    std::array<double, capacity + 1> size {};
    for (int i = 0; i <= n; ++i) {
        q[static_cast<std::size_t>(i)] = a[i];
        size[static_cast<std::size_t>(i)] = modulus(Complex(a[i]));
    }
    const double r = modulus(c);
    const double noise = 8.0 * (n + 1) * eps;
    // Each pass divides by (x - c): the remainder is the next Taylor coefficient, the quotient what is left.
    for (int j = 0; j <= k; ++j) {
        const int m = n - j; // degree of what is left
        for (int i = 1; i <= m; ++i) {
            q[static_cast<std::size_t>(i)] += q[static_cast<std::size_t>(i - 1)] * c;
            size[static_cast<std::size_t>(i)] += size[static_cast<std::size_t>(i - 1)] * r;
        }
        const Complex t = q[static_cast<std::size_t>(m)];
        if (j < k) {
            if (!(modulus(t) <= noise * size[static_cast<std::size_t>(m)])) {
                return infinity;
            }
        } else {
            const double sure = std::fmax(modulus(t) - noise * size[static_cast<std::size_t>(m)], 0.0);
            return std::exp2(std::log2(sure) - logOthers);
        }
    }
    return infinity;
}

template <typename Coefficient>
bool check(const Coefficient *a, int n, const Complex *root, RootCheck *out, const KnownValues *known)
{
    std::array<WideProduct, capacity> others {}; // prod_{j != i, z_j != z_i} |z_i - z_j|^2
    std::array<int, capacity> copies {}; // how many approximations equal z_i (itself included)
    for (int i = 0; i < n; ++i) {
        ++copies[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < n; ++j) {
            const Complex d = root[i] - root[j];
            if (d == Complex(0.0, 0.0)) {
                ++copies[static_cast<std::size_t>(i)];
                ++copies[static_cast<std::size_t>(j)];
                continue;
            }
            others[static_cast<std::size_t>(i)].multiplyBySquaredModulus(d);
            others[static_cast<std::size_t>(j)].multiplyBySquaredModulus(d);
        }
    }
    const double logLeading = std::log2(modulus(Complex(a[0])));
    const double logDegree = std::log2(static_cast<double>(n));
    bool all = true;
    PolynomialValue value;
    for (int i = 0; i < n; ++i) {
        const Complex z = root[i];
        RootCheck &c = out[i];
        c.isRoot = false;
        c.trusted = false;
        c.backwardError = infinity;
        c.radius = infinity;
        c.consistency = infinity;
        if (!(std::isfinite(z.real()) && std::isfinite(z.imag()))) {
            all = false;
            continue;
        }
        // A value the refinement left is reused, the disc widened by the last step; the conjugate of a root of
        // a real polynomial has the conjugate value, so a pair is evaluated once.
        double moved = 0.0;
        const bool mirror =
            std::is_same_v<Coefficient, double> && i > 0 && z.imag() != 0.0 && z == std::conj(root[i - 1]);
        // A root that has moved since its value was taken is evaluated again, unless the move was the last
        // Newton step of a converged refinement or a move of a few ulps from a point that was a root. A value
        // from further away says nothing of the root's own backward error (a step within a cluster can land
        // where the polynomial is far from zero).
        const auto k = static_cast<std::size_t>(i);
        bool converged = false;
        if (known && known->known[k]
            && (known->at[k] == z || known->converged[k]
                || (known->value[k].backwardError() <= trustedBackwardError(n)
                    && modulus(z - known->at[k]) <= 4.0 * eps * modulus(z)))) {
            value = known->value[k];
            moved = modulus(z - known->at[k]);
            converged = known->converged[k];
        } else if (mirror) {
            value.value = std::conj(value.value);
            value.derivative = std::conj(value.derivative);
        } else {
            value = valueAt(a, n, z);
        }
        c.backwardError = value.backwardError();
        const WideProduct &product = others[k];
        const double logOthers = 0.5 * product.log2() + logLeading;
        const double upper = modulus(value.value) + value.bound;
        const double logScale = value.reversed ? std::log2(modulus(z)) : 0.0;
        if (upper == 0.0) {
            c.radius = 0.0;
        } else if (!product.isZero()) {
            c.radius = std::exp2(logDegree + std::log2(upper) + n * logScale - logOthers);
        }
        if (value.reversed) {
            c.radius += 3.0 * eps * modulus(z); // the point 1/z was rounded before the evaluation
        }
        c.radius += moved;
        const int copiesOfZ = copies[k];
        if (copiesOfZ > 1) {
            c.radius = infinity; // the discs say nothing about coinciding approximations
            c.consistency = multipleRootConsistency(a, n, z, copiesOfZ, logOthers);
        } else if (!product.isZero()) {
            // Only what the derivative is sure to exceed counts: at a cluster its computed value is rounding noise.
            const double derivative = std::fmax(modulus(value.derivative) - value.derivativeBound, 0.0);
            c.consistency = std::exp2(std::log2(derivative) + (n - 1) * logScale - logOthers);
        }
        c.isRoot = c.backwardError <= trustedBackwardError(n) || converged;
        const bool settled = !known || !known->known[k] || known->settled[k];
        c.trusted = c.isRoot && c.consistency <= maxConsistency && settled;
        all = all && c.trusted;
    }
    return all;
}

} // namespace

double trustedBackwardError(int n)
{
    return 4.0 * n * eps;
}

bool checkRoots(const double *a, int n, const Complex *root, RootCheck *check, const KnownValues *known)
{
    return engine::KOVALIN_KERNEL_TAG::check(a, n, root, check, known);
}

bool checkRoots(const Complex *a, int n, const Complex *root, RootCheck *check, const KnownValues *known)
{
    return engine::KOVALIN_KERNEL_TAG::check(a, n, root, check, known);
}

} // namespace engine::KOVALIN_KERNEL_TAG
