#pragma once
// Inline bodies of the exact accumulators, for the solvers' inner loops. This header is included only by
// engine sources, which are all compiled with -ffp-contract=off.
//
// The solver kernels are compiled twice (see kernel.h): once for any x86-64, where an exact product comes
// from Dekker's split, and once for processors with a fused multiply-add, where fma(x, y, -x*y) gives the
// same exact error term in two instructions. The inline namespace keeps the two builds of these helpers apart.

#include "engine/double_double.h"
#include "kernel_tag.h"

#include <cmath>

namespace engine::dd
{
inline namespace KOVALIN_KERNEL_TAG
{

inline void init(double x, Accumulator &acc)
{
    acc.hi = x;
    acc.lo = 0.0;
}

// Knuth's two-sum: sum + error == a + b exactly.
inline void twoSum(double a, double b, double &sum, double &error)
{
    sum = a + b;
    const double bp = sum - a;
    error = (a - (sum - bp)) + (b - bp);
}

inline void add(double x, Accumulator &acc)
{
    double error;
    twoSum(acc.hi, x, acc.hi, error);
    acc.lo += error;
}

// Dekker's split: x == hi + lo with both halves of at most 26 significant bits.
inline void split(double x, double &hi, double &lo)
{
    const double t = 134217729.0 * x; // 2^27 + 1
    hi = t - (t - x);
    lo = x - hi;
}

// product + error == x * y exactly (unless the product overflows or the error falls below the range).
inline void twoProduct(double x, double y, double &product, double &error)
{
#ifdef __FMA__
    product = x * y;
    error = std::fma(x, y, -product);
#else
    // Factors near the ends of the range are scaled so the split neither overflows nor loses its low half.
    constexpr double huge = 1.3390779E+300;
    constexpr double tiny = 4.0092665E-292;
    constexpr double down = 0x1p-54;
    constexpr double up = 0x1p54;
    int count = 0;
    if (std::fabs(x) > huge) {
        x *= down;
        ++count;
    } else if (std::fabs(x) <= tiny) {
        x *= up;
        --count;
    }
    if (std::fabs(y) > huge) {
        y *= down;
        ++count;
    } else if (std::fabs(y) <= tiny) {
        y *= up;
        --count;
    }
    product = x * y;
    error = 0.0;
    if (product != 0.0 && std::isfinite(product)) {
        double xh, xl, yh, yl;
        split(x, xh, xl);
        split(y, yh, yl);
        error = (((xh * yh - product) + xh * yl) + xl * yh) + xl * yl;
    }
    // Scaled back whenever a scaling happened: an exact product (error 0) needs it as much as any other.
    if (count != 0) {
        const double back = std::ldexp(1.0, 54 * count);
        product *= back;
        error *= back;
    }
#endif
}

// acc += x * y. The product enters through the two-sum; its error term, below half an ulp of the product,
// goes straight to the low part, where it is held as exactly as it would be after a second two-sum.
inline void mul(double x, double y, Accumulator &acc)
{
    double product, error;
    twoProduct(x, y, product, error);
    add(product, acc);
    acc.lo += error;
}

inline double value(const Accumulator &acc)
{
    // Once the sum has overflowed the low part means nothing (it may be NaN from inf - inf).
    return std::isfinite(acc.hi) ? acc.hi + acc.lo : acc.hi;
}

/// term + x1*y1, exactly accumulated and rounded once.
inline double sum(double term, double x1, double y1)
{
#ifdef __FMA__
    // A fused multiply-add is exactly that: the exact product plus the term, rounded once.
    return std::fma(x1, y1, term);
#else
    Accumulator acc;
    init(term, acc);
    mul(x1, y1, acc);
    return value(acc);
#endif
}

/// term + x1*y1 + x2*y2, exactly accumulated and rounded once.
inline double sum(double term, double x1, double y1, double x2, double y2)
{
    Accumulator acc;
    init(term, acc);
    mul(x1, y1, acc);
    mul(x2, y2, acc);
    return value(acc);
}

/// term + x1*y1 + x2*y2 for a recurrence whose newest value is x2 (or y2): the step that every next one waits
/// for. Where there is a fused multiply-add, x2*y2 enters through one of them and the rest exactly, so the wait
/// is two operations instead of a chain of ten, at the price of half an ulp: the value is within one ulp of
/// the exact sum (the accumulator keeps it within a half). Elsewhere it is the accumulator's sum.
inline double recurrenceSum(double term, double x1, double y1, double x2, double y2)
{
#ifdef __FMA__
    double product, productError, sum, sumError;
    twoProduct(x1, y1, product, productError);
    twoSum(term, product, sum, sumError);
    return std::fma(x2, y2, sum) + (sumError + productError);
#else
    Accumulator acc;
    init(term, acc);
    mul(x1, y1, acc);
    mul(x2, y2, acc);
    return value(acc);
#endif
}

/// term + x1*y1 + x2*y2 + x3*y3, exactly accumulated and rounded once.
inline double sum(double term, double x1, double y1, double x2, double y2, double x3, double y3)
{
    Accumulator acc;
    init(term, acc);
    mul(x1, y1, acc);
    mul(x2, y2, acc);
    mul(x3, y3, acc);
    return value(acc);
}

inline void init(std::complex<double> x, ComplexAccumulator &acc)
{
    init(x.real(), acc.re);
    init(x.imag(), acc.im);
}

inline void mul(std::complex<double> x, std::complex<double> y, ComplexAccumulator &acc)
{
    mul(x.real(), y.real(), acc.re);
    mul(-x.imag(), y.imag(), acc.re);
    mul(x.real(), y.imag(), acc.im);
    mul(x.imag(), y.real(), acc.im);
}

inline std::complex<double> value(const ComplexAccumulator &acc)
{
    return { value(acc.re), value(acc.im) };
}

} // namespace KOVALIN_KERNEL_TAG
} // namespace engine::dd
