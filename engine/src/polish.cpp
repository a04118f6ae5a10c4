// Final refinement of the roots found by deflation. Each deflation leaves a little error in the quotient,
// and on high degrees it adds up in the roots found last. A few Newton (or, in clusters, Aberth) steps on
// the original polynomial, whose value is computed by the compensated Horner scheme (as accurate as Horner's
// rule in twice the working precision), bring every root back to the accuracy its own conditioning allows.

#include "accumulate.h"
#include "kernel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace engine::KOVALIN_KERNEL_TAG
{
namespace
{

template <typename Value>
struct Evaluation {
    Value value; // p(x), compensated
    Value derivative; // p'(x), plain Horner (it only scales the step)
};

// Compensated Horner at a real point (Graillat, Langlois and Louvet): the rounding errors of every product
// and sum are gathered and added back at the end.
Evaluation<double> evaluate(const double *a, int n, double x)
{
    double s = a[0];
    double c = 0.0;
    double d = 0.0;
    for (int i = 1; i <= n; ++i) {
        d = d * x + s;
        double product, productError, sumError;
        dd::twoProduct(s, x, product, productError);
        dd::twoSum(product, a[i], s, sumError);
        c = c * x + (productError + sumError);
    }
    return { s + c, d };
}

Complex times(Complex x, Complex y)
{
    return { x.real() * y.real() - x.imag() * y.imag(), x.real() * y.imag() + x.imag() * y.real() };
}

// Compensated Horner at a complex point; the coefficient's imaginary part is read only when there is one.
template <typename Coefficient>
Evaluation<Complex> evaluate(const Coefficient *a, int n, Complex z)
{
    double sr = std::real(a[0]);
    double si = std::imag(a[0]);
    Complex c = 0.0;
    Complex d = 0.0;
    for (int i = 1; i <= n; ++i) {
        d = times(d, z) + Complex(sr, si);
        double p1, e1, p2, e2, p3, e3, p4, e4;
        dd::twoProduct(sr, z.real(), p1, e1);
        dd::twoProduct(-si, z.imag(), p2, e2);
        dd::twoProduct(sr, z.imag(), p3, e3);
        dd::twoProduct(si, z.real(), p4, e4);
        double re, reError, re2, re2Error, im, imError;
        dd::twoSum(p1, p2, re, reError);
        dd::twoSum(re, std::real(a[i]), re2, re2Error);
        dd::twoSum(p3, p4, im, imError);
        double imErrorTotal = e3 + e4 + imError;
        if constexpr (std::is_same_v<Coefficient, Complex>) {
            double im2Error;
            dd::twoSum(im, a[i].imag(), im, im2Error);
            imErrorTotal += im2Error;
        }
        c = times(c, z) + Complex(e1 + e2 + reError + re2Error, imErrorTotal);
        sr = re2;
        si = im;
    }
    return { Complex(sr, si) + c, d };
}

// Distance from each root to the nearest other one (infinite for a lone root).
std::vector<double> nearestDistances(const Complex *root, int count)
{
    std::vector<double> nearest(static_cast<std::size_t>(count), std::numeric_limits<double>::infinity());
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const double distance = std::abs(root[i] - root[j]);
            nearest[static_cast<std::size_t>(i)] = std::min(nearest[static_cast<std::size_t>(i)], distance);
            nearest[static_cast<std::size_t>(j)] = std::min(nearest[static_cast<std::size_t>(j)], distance);
        }
    }
    return nearest;
}

// Simultaneous refinement of all roots: Newton steps, with Aberth's correction where a root has neighbours
// close enough to matter (a cluster), which keeps the members of a cluster apart instead of letting them run
// into one root. Roots move together in sweeps (all corrections from the same positions); a root whose
// correction has reached the last bit stops, and a step that made |p| grow is taken back.
template <typename Evaluate>
void refine(Complex *root, int count, Evaluate evaluateAt, bool conjugatePairs)
{
    constexpr double eps = std::numeric_limits<double>::epsilon();
    constexpr int maxSweeps = 12;
    const auto size = static_cast<std::size_t>(count);
    std::vector<double> gap = nearestDistances(root, count);
    // A root is refined on its own unless it is exact (the origin) or the conjugate of the root before it.
    std::vector<bool> active(size);
    std::vector<int> partner(size, -1);
    for (int i = 0; i < count; ++i) {
        active[static_cast<std::size_t>(i)] = root[i] != Complex(0.0, 0.0);
        if (conjugatePairs && root[i].imag() != 0.0 && i + 1 < count && root[i + 1] == std::conj(root[i])) {
            partner[static_cast<std::size_t>(i)] = i + 1;
            active[static_cast<std::size_t>(i + 1)] = false;
        }
    }
    std::vector<Complex> previous(root, root + count);
    std::vector<double> previousValue(size, std::numeric_limits<double>::infinity());
    std::vector<Complex> step(size);
    for (int sweep = 0; sweep < maxSweeps; ++sweep) {
        bool moving = false;
        for (std::size_t i = 0; i < size; ++i) {
            step[i] = 0.0;
            if (!active[i]) {
                continue;
            }
            const Evaluation<Complex> at = evaluateAt(root[i]);
            const double value = std::abs(at.value);
            if (!(value <= previousValue[i])) {
                // The last step made things worse (or was not a number): take it back and stop this root.
                root[i] = previous[i];
                active[i] = false;
                continue;
            }
            if (at.derivative == Complex(0.0, 0.0) || value == 0.0) {
                active[i] = false;
                continue;
            }
            const Complex newton = at.value / at.derivative;
            Complex correction = newton;
            if (std::abs(newton) * (count - 1) > 1e-3 * gap[i]) {
                Complex repulsion = 0.0;
                for (std::size_t j = 0; j < size; ++j) {
                    if (j != i) {
                        repulsion += 1.0 / (root[i] - root[j]);
                    }
                }
                correction = newton / (1.0 - newton * repulsion);
            }
            if (!(std::isfinite(correction.real()) && std::isfinite(correction.imag()))) {
                active[i] = false;
                continue;
            }
            previousValue[i] = value;
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
            if (std::abs(step[i]) <= 2.0 * eps * std::abs(root[i])) {
                active[i] = false; // converged to the last bit; no need to look again
            }
        }
        for (std::size_t i = 0; i < size; ++i) {
            if (partner[i] >= 0) {
                root[partner[i]] = std::conj(root[i]);
            }
        }
    }
}

} // namespace

void polishRealRoots(const double *coeff, int degree, Complex *root, int count)
{
    if (count < degree) {
        return; // without every root, the neighbours' corrections would be wrong
    }
    // Real roots stay real: their value and derivative at a real point are real, and so are their steps.
    refine(
        root,
        count,
        [&](Complex at) {
            if (at.imag() == 0.0) {
                const Evaluation<double> real = evaluate(coeff, degree, at.real());
                return Evaluation<Complex> { real.value, real.derivative };
            }
            return evaluate(coeff, degree, at);
        },
        true);
}

void polishComplexRoots(const Complex *coeff, int degree, Complex *root, int count)
{
    if (count < degree) {
        return;
    }
    refine(
        root,
        count,
        [&](Complex at) {
            return evaluate(coeff, degree, at);
        },
        false);
}

} // namespace engine::KOVALIN_KERNEL_TAG
