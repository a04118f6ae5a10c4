#include "wide_evaluation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace engine
{
namespace
{

using Complex = std::complex<double>;

int exponentOf(double x)
{
    return x == 0.0 ? INT_MIN / 4 : std::ilogb(x);
}

template <typename Value>
double backwardError(const Value *a, int n, Complex z)
{
    const double r = std::abs(z);
    if (!std::isfinite(r)) {
        return std::numeric_limits<double>::infinity();
    }
    // z = zm 2^ez with |zm| below 2; the running value and size are (m, size) 2^e.
    const int ez = r == 0.0 ? 0 : std::ilogb(r);
    const Complex zm(std::ldexp(z.real(), -ez), std::ldexp(z.imag(), -ez));
    const double rm = std::ldexp(r, -ez);
    Complex m = 0.0;
    double size = 0.0;
    long e = INT_MIN / 4;
    for (int i = 0; i <= n; ++i) {
        const Complex c(a[i]);
        const double cm = std::abs(c);
        // The new frame: the larger of the running value's (times z) and the coefficient's.
        const long moved = e + ez;
        const long frame = std::max<long>(moved, exponentOf(cm));
        const int fromRunning = static_cast<int>(std::max<long>(moved - frame, -2000));
        const int fromCoefficient = static_cast<int>(std::max<long>(-frame, -2000));
        m = m * zm * std::ldexp(1.0, fromRunning)
            + Complex(std::ldexp(c.real(), fromCoefficient), std::ldexp(c.imag(), fromCoefficient));
        size = size * rm * std::ldexp(1.0, fromRunning) + std::ldexp(cm, fromCoefficient);
        e = frame;
    }
    return size > 0.0 ? std::abs(m) / size : (std::abs(m) > 0.0 ? std::numeric_limits<double>::infinity() : 0.0);
}

} // namespace

double wideBackwardError(const double *a, int n, Complex z)
{
    return backwardError(a, n, z);
}

double wideBackwardError(const Complex *a, int n, Complex z)
{
    return backwardError(a, n, z);
}

} // namespace engine
