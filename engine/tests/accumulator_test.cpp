#include "engine/double_double.h"
#include "engine/vectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{

using engine::Accumulator;

double productError(double x, double y)
{
    return std::fma(x, y, -(x * y)); // exact: the reference for the accumulator's own error term
}

// Random doubles of every magnitude and sign, with the exponent spread over most of the range.
std::vector<double> randomDoubles(std::size_t count, int minExponent, int maxExponent, unsigned seed)
{
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> mantissa(0.5, 1.0);
    std::uniform_int_distribution<int> exponent(minExponent, maxExponent);
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) {
        const double sign = (rng() & 1) ? -1.0 : 1.0;
        values.push_back(sign * std::ldexp(mantissa(rng), exponent(rng)));
    }
    return values;
}

TEST(Accumulator, AProductIsHeldExactlySoThatABMinusABIsZero)
{
    // If the compiler fused a multiply and an add in the split or the error term, the error term would be
    // wrong for most pairs and the two accumulated products would not cancel.
    const auto xs = randomDoubles(20000, -500, 500, 1);
    const auto ys = randomDoubles(20000, -500, 500, 2);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        Accumulator acc;
        engine::DQINI(0.0, acc);
        engine::DQMUL(xs[i], ys[i], acc);
        ASSERT_EQ(acc.hi + acc.lo, acc.hi) << "not a normalised pair for " << xs[i] << " * " << ys[i];
        ASSERT_EQ(acc.lo, productError(xs[i], ys[i])) << xs[i] << " * " << ys[i];
        engine::DQMUL(-xs[i], ys[i], acc);
        double result = 1.0;
        engine::DQSTO(acc, result);
        ASSERT_EQ(result, 0.0) << xs[i] << " * " << ys[i];
    }
}

TEST(Accumulator, ABMinusABIsZeroNearTheEndsOfTheRange)
{
    // These factors take the scaling path: huge ones would overflow the split, tiny ones lose their low half.
    const auto huge = randomDoubles(2000, 990, 1023, 3);
    const auto tiny = randomDoubles(2000, -1070, -960, 4);
    const auto middle = randomDoubles(2000, -40, 40, 5);
    for (std::size_t i = 0; i < huge.size(); ++i) {
        for (const auto &[x, y] : { std::pair { huge[i], tiny[i] },
                 std::pair { tiny[i], middle[i] },
                 std::pair { huge[i], 1.0 / std::ldexp(1.0, 40) } }) {
            Accumulator acc;
            engine::DQINI(0.0, acc);
            engine::DQMUL(x, y, acc);
            engine::DQMUL(-x, y, acc);
            double result = 1.0;
            engine::DQSTO(acc, result);
            ASSERT_EQ(result, 0.0) << x << " * " << y;
        }
    }
}

TEST(Accumulator, ScaledProductsComeBackAtTheirTrueSize)
{
    // An exact product of a scaled factor must be scaled back like any other.
    Accumulator acc;
    engine::DQINI(0.0, acc);
    engine::DQMUL(1e301, 2.0, acc);
    double result = 0.0;
    engine::DQSTO(acc, result);
    EXPECT_EQ(result, 2e301);

    engine::DQINI(0.0, acc);
    engine::DQMUL(3e-300, 0.5, acc);
    engine::DQSTO(acc, result);
    EXPECT_EQ(result, 1.5e-300);

    engine::DQINI(0.0, acc);
    engine::DQMUL(1e200, 1e200, acc); // a true overflow stays infinite instead of turning into NaN
    engine::DQSTO(acc, result);
    EXPECT_EQ(result, HUGE_VAL);
}

TEST(Accumulator, TheSquareOfOnePlusTwoToTheMinus30IsCorrectlyRounded)
{
    const double x = 1.0 + std::ldexp(1.0, -30);
    Accumulator acc;
    engine::DQINI(0.0, acc);
    engine::DQMUL(x, x, acc);
    double square = 0.0;
    engine::DQSTO(acc, square);
    EXPECT_EQ(square, 1.0 + std::ldexp(1.0, -29)); // the 2^-60 term rounds away
    EXPECT_EQ(acc.lo, std::ldexp(1.0, -60));
}

TEST(Accumulator, ASumOfProductsIsRoundedOnlyOnce)
{
    // 1 + 2^-53 * 1 + 2^-53 * 1: each partial sum on its own would round back to 1.
    Accumulator acc;
    engine::DQINI(1.0, acc);
    engine::DQMUL(std::ldexp(1.0, -53), 1.0, acc);
    engine::DQMUL(std::ldexp(1.0, -53), 1.0, acc);
    double total = 0.0;
    engine::DQSTO(acc, total);
    EXPECT_EQ(total, 1.0 + std::ldexp(1.0, -52));

    engine::DQINI(1e16, acc);
    engine::DQADD(1.0, acc);
    engine::DQADD(-1e16, acc);
    engine::DQSTO(acc, total);
    EXPECT_EQ(total, 1.0);
}

TEST(Accumulator, ComplexProductsAccumulateTheirFourRealProductsExactly)
{
    using C = std::complex<double>;
    const C x(1.0 + std::ldexp(1.0, -30), 3.0);
    const C y(1.0 + std::ldexp(1.0, -30), -7.0);
    engine::ComplexAccumulator acc;
    engine::ZQINI(C(21.0 - 1.0, 0.0), acc);
    engine::ZQMUL(x, y, acc);
    engine::ZQMUL(-x, y, acc);
    C result;
    engine::ZQSTO(acc, result);
    EXPECT_EQ(result, C(20.0, 0.0));

    // (1+2^-30)^2 - ... : real part 1 + 2^-29 + 2^-60 + 21, one rounding.
    engine::ZQINI(C(0.0, 0.0), acc);
    engine::ZQMUL(x, y, acc);
    engine::ZQSTO(acc, result);
    EXPECT_EQ(result.real(), (1.0 + std::ldexp(1.0, -29)) + 21.0);
    EXPECT_EQ(result.imag(), -7.0 * (1.0 + std::ldexp(1.0, -30)) + 3.0 * (1.0 + std::ldexp(1.0, -30)));
}

TEST(VectorRoutines, NegativeStridesWalkFromTheFarEnd)
{
    std::vector<double> x { 1, 2, 3, 4, 5 };
    engine::reverse(5, x.data());
    EXPECT_EQ(x, (std::vector<double> { 5, 4, 3, 2, 1 }));

    std::vector<double> y(3);
    engine::DCOPY(3, x.data(), 2, y.data(), -1); // x(1), x(3), x(5) into y from its far end
    EXPECT_EQ(y, (std::vector<double> { 1, 3, 5 }));

    engine::DSCAL(2, 10.0, y.data(), 2);
    EXPECT_EQ(y, (std::vector<double> { 10, 3, 50 }));

    std::vector<std::complex<double>> z(4);
    engine::ZSET(2, { 1.0, -1.0 }, z.data() + 1, 2);
    EXPECT_EQ(z[1], std::complex<double>(1.0, -1.0));
    EXPECT_EQ(z[3], std::complex<double>(1.0, -1.0));
    EXPECT_EQ(z[2], std::complex<double>(0.0, 0.0));
}

} // namespace
