#include "root_scaling.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace engine
{
namespace
{

using Complex = std::complex<double>;

double size(double x)
{
    return std::fabs(x);
}

double size(Complex z)
{
    return std::max(std::fabs(z.real()), std::fabs(z.imag()));
}

double timesPowerOfTwo(double x, long e)
{
    return std::ldexp(x, static_cast<int>(std::clamp(e, -4000L, 4000L)));
}

Complex timesPowerOfTwo(Complex z, long e)
{
    return { timesPowerOfTwo(z.real(), e), timesPowerOfTwo(z.imag(), e) };
}

template <typename Value>
int scale(const Value *coeff, int n, Value *scaled)
{
    const double spread = std::log2(size(coeff[n])) - std::log2(size(coeff[0]));
    const long shift = std::lround(spread / n);
    // Exponent of each coefficient after the shift; the largest sets the common factor.
    long top = LONG_MIN;
    for (int i = 0; i <= n; ++i) {
        if (size(coeff[i]) != 0.0) {
            top = std::max(top, std::ilogb(size(coeff[i])) + shift * (n - i));
        }
    }
    for (int i = 0; i <= n; ++i) {
        scaled[i] = timesPowerOfTwo(coeff[i], shift * (n - i) - top);
    }
    return static_cast<int>(shift);
}

} // namespace

int scaleForRoots(const double *coeff, int n, double *scaled)
{
    return scale(coeff, n, scaled);
}

int scaleForRoots(const Complex *coeff, int n, Complex *scaled)
{
    return scale(coeff, n, scaled);
}

Complex unscaleRoot(Complex y, int shift)
{
    return timesPowerOfTwo(y, shift);
}

} // namespace engine
