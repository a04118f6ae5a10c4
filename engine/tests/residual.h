#pragma once
// Backward-error check of a computed root: z is an exact root of a polynomial whose coefficients differ from
// the given ones by a small multiple of epsilon (relative), when |p(z)| <= k * eps * sum |a_i| |z|^i.

#include <complex>
#include <limits>
#include <vector>

namespace engine_test
{

/// |p(z)| divided by eps * sum |a_i| |z|^i; coefficients from the constant term up.
template <typename Coefficient>
double scaledResidual(const std::vector<Coefficient> &coeff, std::complex<double> z)
{
    std::complex<double> value = 0;
    double size = 0;
    for (auto c = coeff.rbegin(); c != coeff.rend(); ++c) {
        value = value * z + *c;
        size = size * std::abs(z) + std::abs(*c);
    }
    return std::abs(value) / (std::numeric_limits<double>::epsilon() * size);
}

} // namespace engine_test
