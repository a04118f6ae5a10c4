#pragma once
// A product of many positive factors that may pass the ends of the double range on the way: a double
// mantissa with an integer exponent of its own, brought back into range whenever it strays.

#include <cmath>
#include <complex>

namespace engine
{

class WideProduct
{
public:
    void multiply(double x)
    {
        if (!(x >= 0x1p-400 && x <= 0x1p400)) {
            int e = 0;
            x = std::frexp(x, &e);
            exponent_ += e;
        }
        mantissa_ *= x;
        if (!(mantissa_ >= 0x1p-400 && mantissa_ <= 0x1p400)) {
            int e = 0;
            mantissa_ = std::frexp(mantissa_, &e);
            exponent_ += e;
        }
    }

    /// Multiplies by |z|^2 (no square root, no overflow or underflow of the squares).
    void multiplyBySquaredModulus(std::complex<double> z)
    {
        const double x = std::fabs(z.real());
        const double y = std::fabs(z.imag());
        const double big = x > y ? x : y;
        if (big >= 0x1p-450 && big <= 0x1p450) {
            multiply(x * x + y * y);
            return;
        }
        if (big == 0.0 || !std::isfinite(big)) {
            multiply(big);
            return;
        }
        const int e = std::ilogb(big);
        const double xs = std::ldexp(x, -e);
        const double ys = std::ldexp(y, -e);
        multiply(xs * xs + ys * ys);
        exponent_ += 2 * e;
    }

    bool isZero() const { return mantissa_ == 0.0; }

    /// log2 of the product (-infinity for zero).
    double log2() const { return std::log2(mantissa_) + static_cast<double>(exponent_); }

private:
    double mantissa_ = 1.0;
    long exponent_ = 0;
};

} // namespace engine
