#include "root_certificate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine_test
{
namespace
{

using Wide = long double;
using WideComplex = std::complex<Wide>;

constexpr Wide unitRoundoff = std::numeric_limits<Wide>::epsilon() / 2;

struct Value {
    Wide modulus; // upper bound of |p(z)|, divided by |z|^n when reversed
    Wide size; // sum |a_k| |z|^k, divided by |z|^n when reversed
    bool reversed; // far from the origin: the reversed polynomial at 1/z, so that nothing overflows
};

// Horner's rule in extended precision. Each step rounds a complex product and a sum, a relative error of at
// most 4u per step on every term (with room to spare), so |error| <= 4 (n + 1) u sum |a_k||z|^k. Beyond the
// unit circle the reversed polynomial is evaluated at 1/z; rounding 1/z moves the point by u |z| at most, which
// changes the value by at most n u sum |a_k||z|^k more.
Value evaluate(const std::vector<std::complex<double>> &coefficients, std::complex<double> point)
{
    const WideComplex z0(point.real(), point.imag());
    const bool reversed = std::abs(z0) > 1;
    const WideComplex z = reversed ? Wide(1) / z0 : z0;
    const Wide r = std::abs(z);
    WideComplex value = 0;
    Wide size = 0;
    const auto step = [&](const std::complex<double> &c) {
        value = value * z + WideComplex(c.real(), c.imag());
        size = size * r + std::abs(WideComplex(c.real(), c.imag()));
    };
    if (reversed) {
        std::for_each(coefficients.begin(), coefficients.end(), step);
    } else {
        std::for_each(coefficients.rbegin(), coefficients.rend(), step);
    }
    const Wide n = static_cast<Wide>(coefficients.size());
    const Wide bound = (4 * (n + 1) + (reversed ? 2 * n : 0)) * unitRoundoff * size * 1.01L;
    return { std::abs(value) * (1 + 4 * unitRoundoff) + bound, size, reversed };
}

} // namespace

bool conjugateStructure(const std::vector<std::complex<double>> &roots, std::string *why)
{
    const bool positiveFirst = roots.size() != 2;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (roots[i].imag() == 0.0) {
            continue;
        }
        if ((roots[i].imag() < 0.0) == positiveFirst || i + 1 == roots.size() || roots[i + 1] != std::conj(roots[i])) {
            if (why) {
                *why = "root " + std::to_string(i) + " is not followed by its conjugate";
            }
            return false;
        }
        ++i;
    }
    return true;
}

RootCertificate certify(const std::vector<std::complex<double>> &coefficients,
    const std::vector<std::complex<double>> &roots,
    bool realCoefficients)
{
    const std::size_t n = roots.size();
    RootCertificate result;
    result.backwardError.resize(n);
    result.radius.resize(n);
    const Wide logLeading = std::log2(std::abs(WideComplex(coefficients.back().real(), coefficients.back().imag())));
    for (std::size_t i = 0; i < n; ++i) {
        const Value at = evaluate(coefficients, roots[i]);
        const Wide backward = at.size > 0 ? at.modulus / at.size : (at.modulus > 0 ? INFINITY : 0);
        result.backwardError[i] = std::isfinite(backward) ? static_cast<double>(backward) : INFINITY;
        result.worstBackwardError = std::fmax(result.worstBackwardError, result.backwardError[i]);
        // log2 of n |p(z_i)| / |a_n prod_{j != i} (z_i - z_j)|, each distance taken a rounding short.
        const WideComplex zi(roots[i].real(), roots[i].imag());
        Wide logRadius = std::log2(static_cast<Wide>(n)) + std::log2(at.modulus) - logLeading;
        if (at.reversed) {
            logRadius += static_cast<Wide>(n) * std::log2(std::abs(zi));
        }
        for (std::size_t j = 0; j < n; ++j) {
            if (j != i) {
                logRadius -=
                    std::log2(std::abs(zi - WideComplex(roots[j].real(), roots[j].imag())) * (1 - 2 * unitRoundoff));
            }
        }
        const Wide radius = std::exp2(logRadius) * (1 + 8 * unitRoundoff);
        result.radius[i] = radius < static_cast<Wide>(std::numeric_limits<double>::max())
            ? static_cast<double>(radius) * (1 + 1e-15)
            : INFINITY;
    }

    result.isolated = true;
    for (std::size_t i = 0; i < n && result.isolated; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const Wide gap =
                std::abs(WideComplex(roots[i].real(), roots[i].imag()) - WideComplex(roots[j].real(), roots[j].imag()));
            if (!(gap * (1 - 2 * unitRoundoff) > static_cast<Wide>(result.radius[i]) + result.radius[j])) {
                result.isolated = false;
                break;
            }
        }
    }
    if (result.isolated && realCoefficients) {
        int real = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (roots[i].imag() == 0.0) {
                ++real;
            } else if (!(std::fabs(roots[i].imag()) > result.radius[i])) {
                real = -1; // a disc off the axis that reaches it: the root in it may be either
                break;
            }
        }
        result.realRoots = real;
    }
    return result;
}

} // namespace engine_test
