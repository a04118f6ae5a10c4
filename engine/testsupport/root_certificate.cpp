#include "root_certificate.h"

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
    Wide modulus; // upper bound of |p(z)|
    Wide size; // sum |a_k| |z|^k
};

// Horner's rule in extended precision. Each step rounds a complex product and a sum, a relative error of at
// most 4u per step on every term (with room to spare), so |error| <= 4 (n + 1) u sum |a_k||z|^k.
Value evaluate(const std::vector<std::complex<double>> &coefficients, std::complex<double> point)
{
    const WideComplex z(point.real(), point.imag());
    const Wide r = std::abs(z);
    WideComplex value = 0;
    Wide size = 0;
    for (auto c = coefficients.rbegin(); c != coefficients.rend(); ++c) {
        value = value * z + WideComplex(c->real(), c->imag());
        size = size * r + std::abs(WideComplex(c->real(), c->imag()));
    }
    const Wide bound = 4 * static_cast<Wide>(coefficients.size() + 1) * unitRoundoff * size * 1.01L;
    return { std::abs(value) * (1 + 4 * unitRoundoff) + bound, size };
}

} // namespace

RootCertificate certify(const std::vector<std::complex<double>> &coefficients,
    const std::vector<std::complex<double>> &roots,
    bool realCoefficients)
{
    const std::size_t n = roots.size();
    RootCertificate result;
    result.backwardError.resize(n);
    result.radius.resize(n);
    const Wide leading = std::abs(WideComplex(coefficients.back().real(), coefficients.back().imag()));
    for (std::size_t i = 0; i < n; ++i) {
        const Value at = evaluate(coefficients, roots[i]);
        const Wide backward = at.size > 0 ? at.modulus / at.size : (at.modulus > 0 ? INFINITY : 0);
        result.backwardError[i] = std::isfinite(backward) ? static_cast<double>(backward) : INFINITY;
        result.worstBackwardError = std::fmax(result.worstBackwardError, result.backwardError[i]);
        Wide product = leading;
        for (std::size_t j = 0; j < n; ++j) {
            if (j != i) {
                const WideComplex d =
                    WideComplex(roots[i].real(), roots[i].imag()) - WideComplex(roots[j].real(), roots[j].imag());
                product *= std::abs(d) * (1 - 2 * unitRoundoff);
            }
        }
        const Wide radius = static_cast<Wide>(n) * at.modulus / product * (1 + 4 * unitRoundoff);
        result.radius[i] = product > 0 && std::isfinite(radius) ? static_cast<double>(radius) * (1 + 1e-15) : INFINITY;
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
