#pragma once
// The value of a polynomial at a point, as accurate as Horner's rule in twice the working precision
// (compensated Horner scheme of Graillat, Langlois and Louvet: the rounding error of every product and sum is
// gathered and added back at the end), with a bound on the error that remains, and the derivative.
//
// Far from the origin z^n would overflow: there the reversed polynomial is evaluated at w = 1/z, and the value
// is known up to the factor z^n (p(z) = z^n q(w)); every use below needs only ratios or logarithms of it.
//
// Part of the kernels (kernel.h): included only by sources compiled once per kernel build.

#include "accumulate.h"
#include "kernel_tag.h"
#include "scale.h"

#include <cmath>
#include <complex>
#include <cstddef>
#include <limits>
#include <type_traits>

namespace engine::KOVALIN_KERNEL_TAG
{

using Complex = std::complex<double>;

struct PolynomialValue {
    Complex value; // p(z), or q(1/z) when reversed
    double bound = 0; // bound on |computed value - exact value|
    double size = 0; // sum |a_k| |z|^k (or its reversed form): the scale of the rounding errors
    Complex derivative; // p'(z), or n q(w) - w q'(w) when reversed (then p'(z) = z^(n-1) times it)
    double derivativeBound = 0; // bound on the rounding error of the derivative (plain Horner)
    bool reversed = false;

    /// |p(z)| / sum |a_k||z|^k, counting the rounding error against the root: the relative change of the
    /// coefficients that makes z an exact root.
    double backwardError() const
    {
        const double upper = modulus(value) + bound;
        return size > 0.0 ? upper / size : (upper > 0.0 ? std::numeric_limits<double>::infinity() : 0.0);
    }

    /// The value is zero to within its rounding error: no step can make it smaller.
    bool atRoundingLevel() const { return modulus(value) <= bound; }

    /// The Newton correction p(z) / p'(z) (subtract it from z).
    Complex newtonStep(Complex z) const
    {
        const Complex step = value / derivative;
        return reversed ? step * z : step;
    }
};

namespace detail
{

constexpr double eps = std::numeric_limits<double>::epsilon();

inline double gamma(int k)
{
    return k * eps / (1.0 - k * eps);
}

// What results below the normal range add to the error of an evaluation: an absolute error of up to the
// smallest subnormal in every operation, which no relative bound covers.
inline double underflowFloor(int n)
{
    return 8.0 * (n + 1) * std::numeric_limits<double>::denorm_min();
}

inline double magnitude(double x)
{
    return std::fabs(x);
}

// |re| + |im|: at most 1.42 times the modulus, and without a square root; the sizes it goes into only bound
// rounding errors, for which a little more is safe.
inline double magnitude(Complex z)
{
    return std::fabs(z.real()) + std::fabs(z.imag());
}

inline Complex times(Complex x, Complex y)
{
    return { x.real() * y.real() - x.imag() * y.imag(), x.real() * y.imag() + x.imag() * y.real() };
}

// x y + s as (result, error) with result + error exactly x y + s: the rounding errors of the complex product and
// of the sums caught by two-product and two-sum. A real s has no imaginary part to add.
template <typename Addend>
void exactMulAdd(Complex x, Complex y, Addend s, Complex &result, Complex &error)
{
    double p1, e1, p2, e2, p3, e3, p4, e4;
    dd::twoProduct(x.real(), y.real(), p1, e1);
    dd::twoProduct(-x.imag(), y.imag(), p2, e2);
    dd::twoProduct(x.real(), y.imag(), p3, e3);
    dd::twoProduct(x.imag(), y.real(), p4, e4);
    double re, reError, re2, re2Error, im, imError;
    dd::twoSum(p1, p2, re, reError);
    dd::twoSum(re, std::real(s), re2, re2Error);
    dd::twoSum(p3, p4, im, imError);
    double imErrorTotal = e3 + e4 + imError;
    if constexpr (std::is_same_v<Addend, Complex>) {
        double im2Error;
        dd::twoSum(im, s.imag(), im, im2Error);
        imErrorTotal += im2Error;
    }
    result = Complex(re2, im);
    error = Complex(e1 + e2 + reError + re2Error, imErrorTotal);
}

// Which derivative an evaluation gives: plain Horner (enough for Newton's steps towards a root of moderate
// condition), or compensated like the value, for the simultaneous iteration, which must also move through
// clusters where the plain derivative has no correct digit left.
enum class Derivative { Plain, Compensated };

// Compensated Horner over n + 1 coefficients read from `first` with stride `step`, at a complex point.
// The rounding error of the complex product and of the sums is caught exactly at every step (two-product and
// two-sum) and accumulated in c by plain Horner; the coefficient's imaginary part is read only when it has one.
template <Derivative kind = Derivative::Plain, typename Coefficient>
PolynomialValue hornerAt(const Coefficient *first, std::ptrdiff_t step, int n, Complex z)
{
    Complex s = first[0];
    Complex c = 0.0;
    Complex d = 0.0;
    Complex cd = 0.0;
    const double r = modulus(z);
    double size = magnitude(first[0]);
    double derivativeSize = 0.0;
    for (int i = 1; i <= n; ++i) {
        const Coefficient &a = first[i * step];
        if constexpr (kind == Derivative::Compensated) {
            Complex error;
            exactMulAdd(d, z, s, d, error);
            cd = times(cd, z) + (error + c);
        } else {
            d = times(d, z) + s;
        }
        derivativeSize = derivativeSize * r + size;
        Complex error;
        exactMulAdd(s, z, a, s, error);
        c = times(c, z) + error;
        size = size * r + magnitude(a);
    }
    PolynomialValue result;
    result.reversed = false;
    result.value = s + c;
    // Error of the compensated scheme: one rounding of the result plus a second-order term in n eps, taken
    // with room to spare for the complex products and for the rounding of `size` itself.
    result.bound =
        2.0 * eps * modulus(result.value) + 8.0 * gamma(2 * n + 2) * gamma(2 * n + 2) * size + underflowFloor(n);
    result.size = size;
    if constexpr (kind == Derivative::Compensated) {
        result.derivative = d + cd;
        result.derivativeBound = 2.0 * eps * modulus(result.derivative)
            + 16.0 * gamma(2 * n + 2) * gamma(2 * n + 2) * derivativeSize + underflowFloor(n);
    } else {
        result.derivative = d;
        result.derivativeBound = 2.0 * gamma(2 * n + 2) * derivativeSize + underflowFloor(n);
    }
    return result;
}

// The same at a real point with real coefficients, in real arithmetic, and here the derivative is compensated
// too (its recurrence d = d x + s caught the same way, with s's own correction added): at an ill-conditioned
// real root the plain derivative keeps only a few digits, and Newton's steps would then converge slowly.
inline PolynomialValue hornerAt(const double *first, std::ptrdiff_t step, int n, double x)
{
    double s = first[0];
    double c = 0.0;
    double d = 0.0;
    const double r = std::fabs(x);
    double size = std::fabs(s);
    double derivativeSize = 0.0;
    double cd = 0.0;
    for (int i = 1; i <= n; ++i) {
        const double a = first[i * step];
        double dProduct, dProductError, dSumError;
        dd::twoProduct(d, x, dProduct, dProductError);
        dd::twoSum(dProduct, s, d, dSumError);
        cd = cd * x + (dProductError + dSumError + c);
        derivativeSize = derivativeSize * r + size;
        double product, productError, sumError;
        dd::twoProduct(s, x, product, productError);
        dd::twoSum(product, a, s, sumError);
        c = c * x + (productError + sumError);
        size = size * r + std::fabs(a);
    }
    PolynomialValue result;
    result.reversed = false;
    result.value = s + c;
    result.bound = 2.0 * eps * std::fabs(s + c) + 2.0 * gamma(2 * n + 2) * gamma(2 * n + 2) * size + underflowFloor(n);
    result.size = size;
    result.derivative = d + cd;
    result.derivativeBound =
        2.0 * eps * std::fabs(d + cd) + 4.0 * gamma(2 * n + 2) * gamma(2 * n + 2) * derivativeSize + underflowFloor(n);
    return result;
}

// Beyond this modulus, |z|^n could overflow for coefficients up to 2^100 (see root_scaling.h).
inline bool farOut(double r, int n)
{
    return r > 1.0 && (!std::isfinite(r) || (static_cast<long>(std::ilogb(r)) + 1) * n > 800);
}

} // namespace detail

/// p(z) for the polynomial a[0..n] (highest power first) at a real or complex point. At a real point of a real
/// polynomial the derivative is always compensated.
template <detail::Derivative kind = detail::Derivative::Plain, typename Coefficient, typename Point>
PolynomialValue evaluatePolynomial(const Coefficient *a, int n, Point z)
{
    const auto horner = [&](const Coefficient *first, std::ptrdiff_t step, Point at) {
        if constexpr (std::is_same_v<Point, Complex>) {
            return detail::hornerAt<kind>(first, step, n, at);
        } else {
            return detail::hornerAt(first, step, n, at);
        }
    };
    if (!detail::farOut(std::abs(z), n)) {
        return horner(a, 1, z);
    }
    const Point w = Point(1.0) / z;
    PolynomialValue q = horner(a + n, -1, w);
    q.derivativeBound = n * (q.bound + detail::gamma(n + 2) * modulus(q.value)) + std::abs(w) * q.derivativeBound;
    q.derivative = static_cast<double>(n) * q.value - Complex(w) * q.derivative;
    q.reversed = true;
    return q;
}

} // namespace engine::KOVALIN_KERNEL_TAG
