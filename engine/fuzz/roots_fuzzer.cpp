// libFuzzer target: the root finders called directly on arbitrary coefficients (DZPORC, or DZPOCC when built
// with KOVALIN_FUZZ_COMPLEX). They must return (libFuzzer's -timeout catches a hang), give every root as a
// finite number or as the placeholder (+infinity, 0), and every finite root must be a root: a backward error
// of a few roundings, checked in extended precision by the test support's own arithmetic.
//
// Input: byte 0 picks the degree, byte 1 the form of the coefficients that follow, leading one first:
//   0 any double (8 raw bytes: NaN, infinities, subnormals and all), 1 small integers (1 signed byte),
//   2 a signed byte times 2^e with e from a second signed byte.
// A complex coefficient takes two such values.

#include "engine/roots.h"
#include "root_certificate.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <vector>

namespace
{

using Complex = std::complex<double>;

#ifdef KOVALIN_FUZZ_COMPLEX
constexpr bool complexCoefficients = true;
constexpr int maxDegree = 49;
#else
constexpr bool complexCoefficients = false;
constexpr int maxDegree = 100;
#endif

class Reader
{
public:
    Reader(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool next(int form, double &value)
    {
        if (form == 0) {
            std::uint64_t bits = 0;
            if (!take(sizeof bits, &bits)) {
                return false;
            }
            std::memcpy(&value, &bits, sizeof value);
            return true;
        }
        std::int8_t mantissa = 0, exponent = 0;
        if (!take(1, &mantissa) || (form == 2 && !take(1, &exponent))) {
            return false;
        }
        value = std::ldexp(static_cast<double>(mantissa), form == 2 ? 8 * exponent : 0);
        return true;
    }

private:
    bool take(std::size_t count, void *out)
    {
        if (m_at + count > m_size) {
            return false;
        }
        std::memcpy(out, m_data + m_at, count);
        m_at += count;
        return true;
    }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 2;
};

// A finite root is checked unless it lies below the normal range, where a double has too few digits to be a
// root to a few roundings (a root of size 1e-600 can only be given as 0).
bool needsCheck(Complex z)
{
    return std::abs(z) >= DBL_MIN;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const int wanted = 1 + data[0] % maxDegree;
    const int form = data[1] % 3;
    Reader reader(data, size);
    std::vector<Complex> coefficients; // leading first, as read
    for (int k = 0; k <= wanted; ++k) {
        double re = 0, im = 0;
        if (!reader.next(form, re) || (complexCoefficients && !reader.next(form, im))) {
            break;
        }
        coefficients.emplace_back(re, im);
    }
    if (coefficients.size() < 2) {
        return 0;
    }
    std::vector<Complex> increasing(coefficients.rbegin(), coefficients.rend());
    const int degree = static_cast<int>(increasing.size()) - 1;

    std::ostringstream printed;
    engine::ErrorService errors(printed);
    std::vector<Complex> roots(static_cast<std::size_t>(degree));
    if (complexCoefficients) {
        std::vector<Complex> coeff = increasing;
        engine::DZPOCC(degree, coeff, roots, errors);
    } else {
        std::vector<double> coeff;
        for (const Complex &c : increasing) {
            coeff.push_back(c.real());
        }
        engine::DZPORC(degree, coeff, roots, errors);
    }

    bool anyNonFinite = false;
    for (const Complex &c : increasing) {
        anyNonFinite = anyNonFinite || !std::isfinite(c.real()) || !std::isfinite(c.imag());
    }
    for (const Complex &z : roots) {
        const bool finite = std::isfinite(z.real()) && std::isfinite(z.imag());
        if (!finite && z != Complex(INFINITY, 0.0)) {
            __builtin_trap(); // a non-finite value that is not the placeholder
        }
        if (finite && anyNonFinite) {
            __builtin_trap(); // a root of a polynomial that is not a number
        }
    }
    if (anyNonFinite) {
        return 0;
    }
    // Every finite root must be a root. The placeholders of vanishing leading coefficients and of roots beyond
    // the range are not checked; a root claimed twice is the property sweep's business.
    const auto certificate = engine_test::certify(increasing, roots, !complexCoefficients);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const Complex z = roots[i];
        if (std::isfinite(z.real()) && needsCheck(z)
            && !(certificate.backwardError[i] <= 16.0 * degree * DBL_EPSILON)) {
            __builtin_trap(); // a finite value that is not a root
        }
    }
    return 0;
}
