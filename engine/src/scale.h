#pragma once
// Small numerical helpers shared by the root finders.

#include <cmath>
#include <complex>
#include <limits>

namespace engine
{

/// The exponent l of the scale factor base^l nearest to sc: the integer part of log(sc)/log(base) + 0.5.
/// Kept within the exponent range, so a factor that overflowed or vanished cannot make it undefined.
inline int scaleExponent(double sc, double base)
{
    const double l = std::log(sc) / std::log(base) + 0.5;
    if (!(l < 2100.0)) {
        return l > 0 ? 2100 : 0;
    }
    if (l < -2100.0) {
        return -2100;
    }
    return static_cast<int>(l);
}

/// The truncated integer part of x, kept within the exponents a scale factor of the double range can have
/// (a value that is not a number gives 0), so that no conversion to int is undefined.
inline int truncatedExponent(double x)
{
    if (!(x > -1100.0)) {
        return x < 0 ? -1100 : 0;
    }
    return x < 1023.0 ? static_cast<int>(x) : 1023;
}

/// |z|^2 as re^2 + im^2 (std::norm goes through |z|, a library call, to guard the squares' range; the engine's
/// working values are scaled well inside it).
inline double squaredModulus(std::complex<double> z)
{
    return z.real() * z.real() + z.imag() * z.imag();
}

/// |z| without overflow or underflow of the squares, for any z in the double range.
inline double modulus(std::complex<double> z)
{
    const double x = std::fabs(z.real());
    const double y = std::fabs(z.imag());
    const double big = x > y ? x : y;
    // Squares of values between 2^-500 and 2^500 are safe and exact enough: the common case, kept fast.
    if (big < 0x1p500 && big > 0x1p-500) {
        return std::sqrt(x * x + y * y);
    }
    return std::hypot(x, y);
}

} // namespace engine
