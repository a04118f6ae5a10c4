// Every shared benchmark polynomial, solved directly: all finite roots found, placeholders only for vanishing
// leading coefficients, and each root as accurate as the case's conditioning allows.

#include "engine/roots.h"
#include "polynomial_cases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>

namespace
{

using engine_test::Complex;
using engine_test::PolynomialCase;

const std::vector<PolynomialCase> &cases()
{
    static const std::vector<PolynomialCase> all = engine_test::loadCases(KOVALIN_SHARED_CASES);
    return all;
}

std::vector<Complex> solve(const PolynomialCase &item, std::ostream &printed)
{
    engine::ErrorService errors(printed);
    std::vector<Complex> roots(static_cast<std::size_t>(item.degree));
    if (item.complexCoefficients) {
        std::vector<Complex> coeff = item.coefficients;
        engine::DZPOCC(item.degree, coeff, roots, errors);
    } else {
        std::vector<double> coeff;
        for (const Complex &c : item.coefficients) {
            coeff.push_back(c.real());
        }
        engine::DZPORC(item.degree, coeff, roots, errors);
    }
    return roots;
}

// The error the engine reaches on a case, kept from slipping back. The roots are refined (and, where the
// three-stage roots do not pass, found again by the simultaneous iteration) with the polynomial's value computed
// as if in twice the precision:
//  - conditioned cases: a root's error is its last rounding plus about (2n eps)^2 times its condition number
//    (cond_err / eps): allow 8 eps (1 + 2 n^2 cond_err);
//  - exact multiple roots (cond_err infinite): a root of multiplicity m moves by about (eps^2)^(1/m) under a
//    perturbation of eps^2; where in that region the iteration stops depends on the last bits of every step
//    (on how the compiler built them, too): allow a hundred times that.
double tolerance(const PolynomialCase &item)
{
    constexpr double eps = std::numeric_limits<double>::epsilon();
    if (std::isinf(item.condErr)) {
        const int m = engine_test::largestMultiplicity(item.reference);
        return 100.0 * std::pow(eps, 2.0 / m);
    }
    return 8.0 * eps * (1.0 + 2.0 * item.degree * item.degree * item.condErr);
}

} // namespace

namespace engine_test
{
// Failure messages name the case instead of dumping its bytes.
void PrintTo(const PolynomialCase &item, std::ostream *out)
{
    *out << item.name;
}
} // namespace engine_test

namespace
{

class SharedCase : public ::testing::TestWithParam<PolynomialCase>
{
};

TEST_P(SharedCase, AllRootsFoundAsAccuratelyAsTheConditioningAllows)
{
    const PolynomialCase &item = GetParam();
    std::ostringstream printed;
    const std::vector<Complex> roots = solve(item, printed);

    std::vector<Complex> finite;
    int placeholders = 0;
    for (const Complex &z : roots) {
        ASSERT_FALSE(std::isnan(z.real()) || std::isnan(z.imag())) << "a root that is not a number";
        if (std::isinf(z.real())) {
            EXPECT_EQ(z, Complex(std::numeric_limits<double>::infinity(), 0.0)) << "placeholder form";
            ++placeholders;
        } else {
            ASSERT_TRUE(std::isfinite(z.imag()));
            finite.push_back(z);
        }
    }
    EXPECT_EQ(placeholders, item.degree - item.finiteRoots) << "placeholders stand only for vanishing leading "
                                                               "coefficients; engine said:"
                                                            << printed.str();

    const auto match = engine_test::matchRoots(item.reference, finite);
    EXPECT_EQ(match.unmatched, 0);
    const double allowed = tolerance(item);
    EXPECT_LE(match.maxRelativeError, allowed)
        << std::setprecision(17) << "cond_err " << item.condErr << "; worst root " << match.worstComputed
        << " for reference " << match.worstReference;
    if (const char *verbose = std::getenv("KOVALIN_VERBOSE_CASE"); verbose && item.name == verbose) {
        std::cout << std::setprecision(17) << item.name << ": max relative error " << match.maxRelativeError
                  << " allowed " << allowed << "\n";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Engine, SharedCase, ::testing::ValuesIn(cases()), [](const ::testing::TestParamInfo<PolynomialCase> &info) {
        return info.param.name;
    });

} // namespace
