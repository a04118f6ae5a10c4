// Final refinement of the roots found by deflation. Each deflation leaves a little error in the quotient,
// and on high degrees it adds up in the roots found last. A few Newton (or, in clusters, Aberth) steps on
// the original polynomial, whose value is computed by the compensated Horner scheme (as accurate as Horner's
// rule in twice the working precision), bring every root back to the accuracy its own conditioning allows.

#include "polish.h"

#include "polynomial_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace engine::KOVALIN_KERNEL_TAG
{
namespace
{

constexpr int capacity = 100;
constexpr double infinity = std::numeric_limits<double>::infinity();

// Squared distance from each root to the nearest other one (infinite for a lone root).
std::array<double, capacity> nearestSquaredDistances(const Complex *root, int count)
{
    std::array<double, capacity> nearest {};
    std::fill(nearest.begin(), nearest.begin() + count, infinity);
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const double distance = squaredModulus(root[i] - root[j]);
            nearest[static_cast<std::size_t>(i)] = std::min(nearest[static_cast<std::size_t>(i)], distance);
            nearest[static_cast<std::size_t>(j)] = std::min(nearest[static_cast<std::size_t>(j)], distance);
        }
    }
    return nearest;
}

// Simultaneous refinement of all roots: Newton steps, with Aberth's correction where a root has neighbours
// close enough to matter (a cluster), which keeps the members of a cluster apart instead of letting them run
// into one root. Roots move together in sweeps (all corrections from the same positions); a root whose
// correction has reached the last bit stops, and a step that made |p| grow is taken back. Each root's last
// value that counts (the one at its final place, or at its place before a last tiny step) goes into `known`.
template <typename Evaluate>
void refine(Complex *root, int count, Evaluate evaluateAt, bool conjugatePairs, KnownValues &known)
{
    constexpr double eps = std::numeric_limits<double>::epsilon();
    constexpr int maxSweeps = 12;
    const auto size = static_cast<std::size_t>(count);
    const std::array<double, capacity> gap = nearestSquaredDistances(root, count);
    // A root is refined on its own unless it is the conjugate of the root before it.
    std::array<bool, capacity> active {};
    std::array<int, capacity> partner {};
    for (std::size_t i = 0; i < size; ++i) {
        active[i] = true;
        partner[i] = -1;
        known.known[i] = false;
        known.converged[i] = false;
        known.settled[i] = false;
    }
    for (int i = 0; i + 1 < count; ++i) {
        if (conjugatePairs && active[static_cast<std::size_t>(i)] && root[i].imag() != 0.0
            && root[i + 1] == std::conj(root[i])) {
            partner[static_cast<std::size_t>(i)] = i + 1;
            active[static_cast<std::size_t>(i + 1)] = false;
        }
    }
    std::array<Complex, capacity> previous {};
    std::copy(root, root + count, previous.begin());
    std::array<Complex, capacity> step {};
    std::array<bool, capacity> lastStep {};
    const double neighbours = static_cast<double>(count - 1) * static_cast<double>(count - 1);
    for (int sweep = 0; sweep < maxSweeps; ++sweep) {
        bool moving = false;
        for (std::size_t i = 0; i < size; ++i) {
            step[i] = 0.0;
            if (!active[i]) {
                continue;
            }
            const PolynomialValue at = evaluateAt(root[i]);
            if (known.known[i] && !(modulus(at.value) <= modulus(known.value[i].value))) {
                // The last step made things worse (or was not a number): take it back and stop this root. A step
                // of a few ulps that did so was lost in rounding: the root has settled. A longer one means the
                // iteration found no way down from here.
                known.settled[i] = squaredModulus(root[i] - previous[i]) <= 4096.0 * eps * eps * squaredModulus(previous[i]);
                root[i] = previous[i];
                active[i] = false;
                continue;
            }
            known.value[i] = at;
            known.at[i] = root[i];
            known.known[i] = true;
            if (at.value == Complex(0.0, 0.0)) {
                known.settled[i] = true; // an exact root
                active[i] = false;
                continue;
            }
            if (at.derivative == Complex(0.0, 0.0)) {
                active[i] = false;
                continue;
            }
            const Complex newton = at.newtonStep(root[i]);
            Complex correction = newton;
            // What a step c leaves: |c| |p''/2p'| |c| from the curvature, with |p''/p'| about 2(n-1)/gap at most,
            // and |c| times the relative error of the derivative, which at an ill-conditioned root is far from
            // small. Once both are far below the last bit, the step just taken is the last one needed.
            const double length = std::abs(newton);
            const double derivativeError = at.derivativeBound / modulus(at.derivative);
            const double left = length * (derivativeError + length * std::sqrt(neighbours / gap[i]));
            lastStep[i] = left <= 0.25 * eps * modulus(root[i]);
            if (squaredModulus(newton) * neighbours > 1e-6 * gap[i]) {
                lastStep[i] = false;
                Complex repulsion = 0.0;
                for (std::size_t j = 0; j < size; ++j) {
                    if (j != i) {
                        const Complex d = root[i] - root[j];
                        repulsion += std::conj(d) / squaredModulus(d);
                    }
                }
                correction = newton / (1.0 - newton * repulsion);
                if (conjugatePairs && root[i].imag() == 0.0) {
                    // The pulls of a conjugate pair cancel in exact arithmetic; a real root stays real.
                    correction = correction.real();
                }
            }
            if (!(std::isfinite(correction.real()) && std::isfinite(correction.imag()))) {
                active[i] = false;
                continue;
            }
            step[i] = correction;
            moving = true;
        }
        if (!moving) {
            break;
        }
        for (std::size_t i = 0; i < size; ++i) {
            if (step[i] == Complex(0.0, 0.0)) {
                continue;
            }
            previous[i] = root[i];
            root[i] -= step[i];
            known.converged[i] = lastStep[i];
            if (lastStep[i] || squaredModulus(step[i]) <= 4.0 * eps * eps * squaredModulus(root[i])) {
                known.settled[i] = true;
                active[i] = false; // converged to the last bit; no need to look again
            }
        }
        for (std::size_t i = 0; i < size; ++i) {
            if (partner[i] >= 0) {
                root[partner[i]] = std::conj(root[i]);
            }
        }
    }
    // A root taken back in the last sweep has not passed its place on to its partner yet; and a step across
    // the axis leaves the pair in the other order: the root above it comes first.
    for (std::size_t i = 0; i < size; ++i) {
        if (partner[i] >= 0) {
            const auto j = static_cast<std::size_t>(partner[i]);
            if (root[i].imag() < 0.0) {
                root[i] = std::conj(root[i]);
                known.at[i] = std::conj(known.at[i]);
                known.value[i].value = std::conj(known.value[i].value);
                known.value[i].derivative = std::conj(known.value[i].derivative);
            }
            root[j] = std::conj(root[i]);
            known.known[j] = known.known[i];
            known.converged[j] = known.converged[i];
            known.settled[j] = known.settled[i];
            known.at[j] = std::conj(known.at[i]);
            known.value[j] = known.value[i];
            known.value[j].value = std::conj(known.value[i].value);
            known.value[j].derivative = std::conj(known.value[i].derivative);
        }
    }
}

} // namespace

void polishRealRoots(const double *coeff, int degree, Complex *root, KnownValues &known)
{
    // Real roots stay real: their value and derivative at a real point are real, and so are their steps.
    refine(
        root,
        degree,
        [&](Complex at) {
            if (at.imag() == 0.0) {
                return evaluatePolynomial(coeff, degree, at.real());
            }
            return evaluatePolynomial(coeff, degree, at);
        },
        true,
        known);
}

void polishComplexRoots(const Complex *coeff, int degree, Complex *root, KnownValues &known)
{
    refine(
        root,
        degree,
        [&](Complex at) {
            return evaluatePolynomial(coeff, degree, at);
        },
        false,
        known);
}

} // namespace engine::KOVALIN_KERNEL_TAG
