#include "simultaneous_iteration.h"

#include "newton_polygon.h"
#include "polynomial_value.h"
#include "root_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace engine::KOVALIN_KERNEL_TAG
{
namespace
{

constexpr int capacity = 100;
constexpr double eps = std::numeric_limits<double>::epsilon();

template <typename Coefficient>
void startOnNewtonPolygon(const Coefficient *a, int n, Complex *root)
{
    std::array<PolygonEdge, capacity> edges {};
    const int count = newtonPolygon(a, n, edges.data());
    int next = 0;
    for (int e = 0; e < count; ++e) {
        const PolygonEdge &edge = edges[static_cast<std::size_t>(e)];
        const int m = edge.to - edge.from;
        const double radius = std::exp2(std::clamp(edge.logModulus, -1000.0, 1000.0));
        const double turn = 2.0 * std::numbers::pi * edge.from / n + 0.7;
        for (int j = 0; j < m; ++j) {
            root[next++] = std::polar(radius, 2.0 * std::numbers::pi * j / m + turn);
        }
    }
}

// Moves apart approximations that coincide exactly: the iteration's repulsion between them would be infinite.
void separateCoinciding(int n, Complex *root)
{
    for (int i = 1; i < n; ++i) {
        // Each move turns by another angle, so a point meets one of the others at most a few times.
        for (int moves = 0, j = 0; j < i && moves <= n; ++j) {
            if (root[i] == root[j]) {
                const double size = std::max(modulus(root[i]), 0x1p-500);
                root[i] += std::polar(size * 0x1p-20, 1.0 + i + moves);
                ++moves;
                j = -1; // look again from the start
            }
        }
    }
}

template <typename Coefficient>
bool aberth(const Coefficient *a, int n, Complex *z, int maxSweeps)
{
    separateCoinciding(n, z);
    std::array<bool, capacity> stopped {};
    std::array<double, capacity> lastValue {};
    lastValue.fill(std::numeric_limits<double>::infinity());
    int moving = n;
    for (int sweep = 0; sweep < maxSweeps && moving > 0; ++sweep) {
        for (int i = 0; i < n; ++i) {
            if (stopped[static_cast<std::size_t>(i)]) {
                continue;
            }
            const PolynomialValue at = evaluatePolynomial<detail::Derivative::Compensated>(a, n, z[i]);
            // At the rounding level the value is still worth following while it keeps falling: the bound is the
            // worst case, and near a multiple root the region it leaves is far wider than the actual error.
            const double value = modulus(at.value);
            if (at.atRoundingLevel() && !(value < lastValue[static_cast<std::size_t>(i)])) {
                stopped[static_cast<std::size_t>(i)] = true;
                --moving;
                continue;
            }
            lastValue[static_cast<std::size_t>(i)] = value;
            if (value == 0.0) {
                stopped[static_cast<std::size_t>(i)] = true;
                --moving;
                continue;
            }
            // p'/p (finite: the value is not zero), less the pull of the other approximations.
            Complex logDerivative = at.derivative / at.value;
            if (at.reversed) {
                logDerivative /= z[i];
            }
            Complex repulsion = 0.0;
            for (int j = 0; j < n; ++j) {
                if (j != i) {
                    const Complex d = z[i] - z[j];
                    repulsion += std::conj(d) / squaredModulus(d);
                }
            }
            const Complex step = 1.0 / (logDerivative - repulsion);
            if (!(std::isfinite(step.real()) && std::isfinite(step.imag()))) {
                z[i] += std::polar(std::max(modulus(z[i]), 1.0) * 0x1p-20, 2.0 + i); // off a saddle, try again
                continue;
            }
            z[i] -= step;
            if (!(std::isfinite(z[i].real()) && std::isfinite(z[i].imag()))) {
                z[i] = std::polar(1.0, 3.0 + i); // ran away: back into the middle of the roots
                continue;
            }
            if (modulus(step) <= 2.0 * eps * modulus(z[i])) {
                stopped[static_cast<std::size_t>(i)] = true;
                --moving;
            }
        }
    }
    return moving == 0;
}

} // namespace

void newtonPolygonStart(const double *a, int n, Complex *root)
{
    startOnNewtonPolygon(a, n, root);
}

void newtonPolygonStart(const Complex *a, int n, Complex *root)
{
    startOnNewtonPolygon(a, n, root);
}

bool aberthIteration(const double *a, int n, Complex *root, int maxSweeps)
{
    return aberth(a, n, root, maxSweeps);
}

bool aberthIteration(const Complex *a, int n, Complex *root, int maxSweeps)
{
    return aberth(a, n, root, maxSweeps);
}

void restoreConjugateSymmetry(const double *a, int n, Complex *root)
{
    std::array<RootCheck, capacity> check {};
    checkRoots(a, n, root, check.data());
    enum class Kind { Real, Upper, Lower };
    std::array<Kind, capacity> kind {};
    std::array<int, capacity> partner {};
    partner.fill(-1);
    for (int i = 0; i < n; ++i) {
        const double y = root[i].imag();
        const double reach = std::max(check[static_cast<std::size_t>(i)].radius, 4.0 * eps * modulus(root[i]));
        kind[static_cast<std::size_t>(i)] = !(std::fabs(y) > reach) ? Kind::Real : (y > 0 ? Kind::Upper : Kind::Lower);
    }
    // Each approximation above the axis takes the nearest unmatched mirror image from below; one left without
    // a partner (from either side) takes the nearest of those classed real.
    const auto match = [&](Kind from, Kind wanted) {
        for (int i = 0; i < n; ++i) {
            const Kind k = kind[static_cast<std::size_t>(i)];
            if (k == Kind::Real || (from != Kind::Real && k != from) || partner[static_cast<std::size_t>(i)] >= 0) {
                continue;
            }
            int best = -1;
            double bestDistance = std::numeric_limits<double>::infinity();
            for (int j = 0; j < n; ++j) {
                if (j == i || kind[static_cast<std::size_t>(j)] != wanted
                    || partner[static_cast<std::size_t>(j)] >= 0) {
                    continue;
                }
                const double distance = squaredModulus(root[i] - std::conj(root[j]));
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = j;
                }
            }
            if (best >= 0) {
                partner[static_cast<std::size_t>(i)] = best;
                partner[static_cast<std::size_t>(best)] = i;
            }
        }
    };
    match(Kind::Upper, Kind::Lower);
    match(Kind::Real, Kind::Real); // whatever is left off the axis, with the nearest of those on it
    std::array<Complex, capacity> ordered {};
    std::array<bool, capacity> placed {};
    int next = 0;
    for (int i = 0; i < n; ++i) {
        if (placed[static_cast<std::size_t>(i)]) {
            continue;
        }
        const int j = partner[static_cast<std::size_t>(i)];
        placed[static_cast<std::size_t>(i)] = true;
        if (j < 0) {
            ordered[static_cast<std::size_t>(next++)] = Complex(root[i].real(), 0.0);
            continue;
        }
        placed[static_cast<std::size_t>(j)] = true;
        const Complex mean = 0.5 * (root[i] + std::conj(root[j]));
        const Complex upper(mean.real(), std::fabs(mean.imag()));
        if (upper.imag() == 0.0) {
            ordered[static_cast<std::size_t>(next++)] = upper; // a pair that met on the axis: two real roots
            ordered[static_cast<std::size_t>(next++)] = upper;
            continue;
        }
        ordered[static_cast<std::size_t>(next++)] = upper;
        ordered[static_cast<std::size_t>(next++)] = std::conj(upper);
    }
    std::copy(ordered.begin(), ordered.begin() + n, root);
}

} // namespace engine::KOVALIN_KERNEL_TAG
