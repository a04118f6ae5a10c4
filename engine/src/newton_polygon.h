#pragma once
// The Newton polygon of a polynomial: the upper convex hull of the points (k, log2 |a_k|) of its non-zero
// coefficients. Each edge from power k1 to power k2 stands for k2 - k1 roots whose moduli are near 2 to the
// minus slope of the edge (within a factor of about 2n): a cheap map of where the roots lie, used to place
// starting points and to see roots beyond the double range before they are sought.

#include <cmath>
#include <complex>

namespace engine
{

struct PolygonEdge {
    int from = 0; // lowest power of the edge
    int to = 0; // highest power; the edge stands for to - from roots
    double logModulus = 0; // log2 of the modulus of those roots
};

// log2 |x| to within 0.09: the exponent, and the significand's fraction for its logarithm (the chord of log2
// between 1 and 2). The polygon needs no more (its slopes place roots within a factor of about 2n anyway).
inline double logMagnitude(double x)
{
    int e = 0;
    const double m = std::frexp(std::fabs(x), &e); // |x| = m 2^e, m in [1/2, 1)
    return (e - 1) + (2.0 * m - 1.0);
}

// For a complex number the larger part stands for the modulus: within half a binary order of it.
inline double logMagnitude(std::complex<double> z)
{
    return logMagnitude(std::fmax(std::fabs(z.real()), std::fabs(z.imag())));
}

/// The edges of a[0..n] (highest power first: a[n - k] is the coefficient of x^k), from the smallest roots to
/// the largest, into edges[0..count); returns count. Needs a[0] and a[n] non-zero; edges must hold n.
template <typename Coefficient>
int newtonPolygon(const Coefficient *a, int n, PolygonEdge *edges)
{
    // Monotone chain over the points in order of rising power: a point on or under the chord from the one
    // before it to the new one is not a corner.
    int hullPower[101];
    double hullHeight[101];
    int count = 0;
    for (int k = 0; k <= n; ++k) {
        if (a[n - k] == Coefficient(0)) {
            continue;
        }
        const double h = logMagnitude(a[n - k]);
        while (count >= 2) {
            const int p = count - 2;
            const int q = count - 1;
            const double cross = (hullPower[q] - hullPower[p]) * (h - hullHeight[p])
                - (hullHeight[q] - hullHeight[p]) * (k - hullPower[p]);
            if (cross < 0.0) {
                break;
            }
            --count;
        }
        hullPower[count] = k;
        hullHeight[count] = h;
        ++count;
    }
    for (int e = 0; e + 1 < count; ++e) {
        edges[e].from = hullPower[e];
        edges[e].to = hullPower[e + 1];
        edges[e].logModulus = (hullHeight[e] - hullHeight[e + 1]) / (hullPower[e + 1] - hullPower[e]);
    }
    return count - 1;
}

} // namespace engine
