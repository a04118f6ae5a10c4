#pragma once
// Exact accumulation of sums of products: the accumulator holds an unevaluated sum hi + lo of two doubles,
// every product is added with its rounding error, and the total is rounded once when stored.
// Compiled without floating-point contraction: a fused multiply-add would break the error terms.

#include <complex>

namespace engine
{

struct Accumulator {
    double hi = 0.0;
    double lo = 0.0;
};

struct ComplexAccumulator {
    Accumulator re;
    Accumulator im;
};

/// acc = x exactly.
void DQINI(double x, Accumulator &acc);
/// acc = acc + x (two-sum of the high part and x; the low parts added).
void DQADD(double x, Accumulator &acc);
/// acc = acc + x*y with the product formed exactly (factors scaled near the ends of the range).
void DQMUL(double x, double y, Accumulator &acc);
/// x = hi + lo, rounded once.
void DQSTO(const Accumulator &acc, double &x);

void ZQINI(std::complex<double> x, ComplexAccumulator &acc);
/// acc = acc + x*y: the four real products, each exact.
void ZQMUL(std::complex<double> x, std::complex<double> y, ComplexAccumulator &acc);
void ZQSTO(const ComplexAccumulator &acc, std::complex<double> &x);

} // namespace engine
