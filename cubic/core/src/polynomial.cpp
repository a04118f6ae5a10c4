#include "cubic/polynomial.h"

#include <cmath>
#include <limits>

namespace cubic
{
namespace
{

// Σᵢ C(i, j)·|cᵢ|·|x|^(i-j) for each j: the size of the terms of each Taylor coefficient, against which
// its rounding is measured.
std::vector<Complex> termSizes(std::span<const double> coefficients, Complex x)
{
    std::vector<double> absolute;
    for (const double coefficient : coefficients) {
        absolute.push_back(std::fabs(coefficient));
    }
    return TaylorAt(absolute, std::abs(x));
}

} // namespace

std::vector<Complex> TaylorAt(std::span<const double> coefficients, Complex x)
{
    std::vector<Complex> work(coefficients.begin(), coefficients.end());
    std::vector<Complex> taylor;
    while (!work.empty()) {
        // One synthetic division by (t - x): the remainder is the next coefficient, the quotient stays.
        for (std::size_t i = 1; i < work.size(); ++i) {
            work[i] += work[i - 1] * x;
        }
        taylor.push_back(work.back());
        work.pop_back();
    }
    return taylor;
}

bool IsMultipleRoot(std::span<const double> coefficients, Complex x, int multiplicity)
{
    if (coefficients.empty() || multiplicity >= static_cast<int>(coefficients.size())) {
        return false;
    }
    constexpr double u = std::numeric_limits<double>::epsilon() / 2;
    // Reading a decimal or fractional text rounds each coefficient up to three times (3u). Repeated
    // synthetic division of degree n in complex arithmetic rounds each Taylor coefficient by at most
    // γ(4n + 4) of its terms, which also covers x itself being a rounded value of the root. The bound is
    // taken twice, as a margin for its own rounding.
    const double n = static_cast<double>(coefficients.size() - 1);
    const double k = (4 * n + 4) * u;
    const double relative = 2 * (3 * u + k / (1 - k));
    const std::vector<Complex> taylor = TaylorAt(coefficients, x);
    const std::vector<Complex> sizes = termSizes(coefficients, x);
    for (std::size_t j = 0; j < static_cast<std::size_t>(multiplicity); ++j) {
        if (!(std::abs(taylor[j]) <= relative * sizes[j].real())) {
            return false;
        }
    }
    return true;
}

Complex RefineMultipleRoot(std::span<const double> coefficients, Complex x, int multiplicity)
{
    const auto m = static_cast<std::size_t>(multiplicity);
    if (multiplicity < 1 || m >= coefficients.size()) {
        return x;
    }
    // With Taylor coefficients tⱼ, p⁽ᵐ⁻¹⁾ = (m-1)!·t(m-1) and its slope p⁽ᵐ⁾ = m!·t(m).
    std::vector<Complex> taylor = TaylorAt(coefficients, x);
    for (int step = 0; step < 16 && std::abs(taylor[m - 1]) > 0 && std::abs(taylor[m]) > 0; ++step) {
        const Complex next = x - taylor[m - 1] / (static_cast<double>(m) * taylor[m]);
        std::vector<Complex> nextTaylor = TaylorAt(coefficients, next);
        if (!(std::abs(nextTaylor[m - 1]) < std::abs(taylor[m - 1]))) {
            break;
        }
        x = next;
        taylor = std::move(nextTaylor);
    }
    return x;
}

} // namespace cubic
