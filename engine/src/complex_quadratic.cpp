// Careful quadratic formula for complex coefficients, used when the whole polynomial is a quadratic.

#include "accumulate.h"
#include "engine/machine.h"
#include "engine/roots.h"
#include "scale.h"

#include <algorithm>
#include <cmath>

namespace engine
{
namespace
{

bool isFinite(Complex z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

double size(Complex z)
{
    return std::max(std::fabs(z.real()), std::fabs(z.imag()));
}

// Square root of hb^2 - a*c, the square formed with one rounding per part. When hb^2 alone overflows it is
// taken as hb * sqrt(1 - (a/hb)(c/hb)); the sign does not matter, the caller picks the larger of hb +- it.
Complex rootOfDiscriminant(Complex hb, Complex a, Complex c)
{
    ComplexAccumulator acc;
    dd::init(Complex(0.0, 0.0), acc);
    dd::mul(hb, hb, acc);
    dd::mul(-a, c, acc);
    const Complex disc = dd::value(acc);
    if (std::isfinite(disc.real()) && std::isfinite(disc.imag())) {
        return std::sqrt(disc);
    }
    return hb * std::sqrt(1.0 - (a / hb) * (c / hb));
}

} // namespace

void DZ4LRC(Complex a, Complex b, Complex c, Complex &zsm, Complex &zlg, ErrorService &errors)
{
    errors.E1PSH("DZ4LRC");
    const double finity = DMACH(7, errors);
    const double base = IMACH(6, errors);
    const Complex zero(0.0, 0.0);
    if (a == zero && b != zero) {
        errors.E1MES(Warning,
            1,
            " The leading coefficient is equal to zero.  On output ZLG will be set to CMPLX(FINITY,0.0).  "
            "FINITY is the largest machine constant.");
        zlg = Complex(finity, 0.0);
        zsm = c / (-b);
    } else if (a == zero) {
        errors.E1MES(Warning,
            1,
            " The two leading coefficients are equal to zero.  On output ZLG will be set to "
            "CMPLX(FINITY,0.0) and ZSM will be set to -ZLG.  FINITY is the largest machine constant.");
        zlg = Complex(finity, 0.0);
        zsm = Complex(-finity, -0.0);
    } else if (c == zero) {
        zsm = zero;
        zlg = -b / a;
    } else {
        // Divide through by t = base^k, about sqrt(size(a) * size(c)), kept below overflow.
        const int k =
            truncatedExponent((std::log(base) + std::log(size(a)) + std::log(size(c))) / (2.0 * std::log(base)));
        const double t = std::pow(base, k);
        // Halved after the division: 2t itself overflows when t is the largest power of two.
        const Complex hb = b == zero ? zero : -b / t / 2.0;
        if (!isFinite(hb)) {
            // b dwarfs sqrt(size(a) size(c)) beyond the double range: the roots are -b/a and -c/b.
            zlg = -b / a;
            zsm = -c / b;
        } else if (t != 0.0) {
            const Complex as = a / t;
            const Complex cs = c / t;
            const Complex sq = rootOfDiscriminant(hb, as, cs);
            const Complex q = modulus(hb + sq) >= modulus(hb - sq) ? hb + sq : hb - sq;
            zlg = q / as;
            zsm = cs / q;
        } else {
            const Complex q = -b;
            zlg = q / a;
            zsm = c / q;
        }
    }
    errors.E1POP("DZ4LRC");
}

} // namespace engine
