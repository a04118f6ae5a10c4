// The kernels built for any processor and for processors with fused multiply-add must agree: they differ
// only in how an exact product is formed.

#include "kernel.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <random>
#include <vector>

namespace
{

using engine::Complex;

const engine::MachineConstants machine { 2.0, DBL_MAX, DBL_MIN, DBL_EPSILON };

TEST(KernelBuilds, BothBuildsFindTheSameRealRoots)
{
    if (&engine::portableKernel() == &engine::fastestKernel()) {
        GTEST_SKIP() << "this processor has no fused multiply-add build";
    }
    std::mt19937 rng(17);
    std::normal_distribution<double> gauss;
    for (int degree : { 3, 7, 20, 50, 100 }) {
        std::vector<double> coeff(static_cast<std::size_t>(degree) + 1);
        for (double &c : coeff) {
            c = gauss(rng);
        }
        std::vector<Complex> portable(coeff.size()), fast(coeff.size());
        const int a = engine::portableKernel().solveRealPolynomial(coeff.data(), degree, portable.data(), machine);
        const int b = engine::fastestKernel().solveRealPolynomial(coeff.data(), degree, fast.data(), machine);
        ASSERT_EQ(a, b);
        // A fused multiply-add rounds a term plus one product once, where the accumulator may, very rarely,
        // round twice: allow the last bit, nothing more.
        for (int i = 0; i < a; ++i) {
            EXPECT_NEAR(std::abs(portable[i] - fast[i]), 0.0, 4 * DBL_EPSILON * std::abs(fast[i]))
                << "degree " << degree << " root " << i;
        }
    }
}

TEST(KernelBuilds, BothBuildsFindTheSameComplexRoots)
{
    if (&engine::portableKernel() == &engine::fastestKernel()) {
        GTEST_SKIP() << "this processor has no fused multiply-add build";
    }
    std::mt19937 rng(19);
    std::normal_distribution<double> gauss;
    for (int degree : { 3, 10, 30, 49 }) {
        std::vector<Complex> coeff(static_cast<std::size_t>(degree) + 1);
        for (Complex &c : coeff) {
            c = { gauss(rng), gauss(rng) };
        }
        std::vector<Complex> portable(coeff.size()), fast(coeff.size());
        const int a = engine::portableKernel().solveComplexPolynomial(coeff.data(), degree, portable.data(), machine);
        const int b = engine::fastestKernel().solveComplexPolynomial(coeff.data(), degree, fast.data(), machine);
        ASSERT_EQ(a, b);
        for (int i = 0; i < a; ++i) {
            EXPECT_NEAR(std::abs(portable[i] - fast[i]), 0.0, 4 * DBL_EPSILON * std::abs(fast[i]))
                << "degree " << degree << " root " << i;
        }
    }
}

} // namespace
