// Quadratic formulas for real coefficients: the plain one used inside the iteration, and the careful one
// used when the whole polynomial is a quadratic.

#include "accumulate.h"
#include "engine/machine.h"
#include "engine/roots.h"
#include "scale.h"

#include <cmath>

namespace engine
{

void DZ10RC(double a, double b, double c, Complex &s, Complex &l)
{
    if (a == 0.0) {
        s = Complex(b != 0.0 ? -c / b : 0.0, 0.0);
        l = Complex(0.0, 0.0);
        return;
    }
    if (c == 0.0) {
        s = Complex(0.0, 0.0);
        l = Complex(-b / a, 0.0);
        return;
    }
    // Discriminant formed as hb^2 - a*c without overflow: scaled by hb or by c, whichever is larger.
    const double hb = b / 2.0;
    double e, dd;
    if (std::fabs(hb) >= std::fabs(c)) {
        e = 1.0 - (a / hb) * (c / hb);
        dd = std::sqrt(std::fabs(e)) * std::fabs(hb);
    } else {
        e = hb * (hb / std::fabs(c)) - (c >= 0.0 ? a : -a);
        dd = std::sqrt(std::fabs(e)) * std::sqrt(std::fabs(c));
    }
    if (e >= 0.0) {
        // Real roots: the larger one without cancellation, the smaller from the product of the roots.
        if (hb >= 0.0) {
            dd = -dd;
        }
        const double larger = (-hb + dd) / a;
        l = Complex(larger, 0.0);
        s = Complex(larger != 0.0 ? c / larger / a : 0.0, 0.0);
        return;
    }
    s = Complex(-hb / a, std::fabs(dd / a));
    l = Complex(-hb / a, -std::fabs(dd / a));
}

namespace
{

// hb^2 - a*c with one rounding. When hb^2 alone overflows, it is formed as hb^2 * (1 - (a/hb)(c/hb)) so a
// huge middle coefficient still gives the right small root; sqrtDisc then holds the square root directly.
double discriminant(double hb, double a, double c, double &sqrtDisc)
{
    const double disc = dd::sum(0.0, hb, hb, -a, c);
    if (std::isfinite(disc)) {
        sqrtDisc = std::sqrt(std::fabs(disc));
        return disc;
    }
    const double ratio = 1.0 - (a / hb) * (c / hb);
    sqrtDisc = std::fabs(hb) * std::sqrt(std::fabs(ratio));
    return ratio;
}

} // namespace

void DZ3LRC(double a, double b, double c, Complex &zsm, Complex &zlg, ErrorService &errors)
{
    errors.E1PSH("DZ3LRC");
    const double finity = DMACH(7, errors);
    const double base = IMACH(6, errors);
    if (a == 0.0 && b != 0.0) {
        errors.E1MES(Warning,
            1,
            " The leading coefficient is equal to zero.  On output ZLG will be set to CMPLX(FINITY,0.0).  "
            "FINITY is the largest machine constant.");
        zlg = Complex(finity, 0.0);
        zsm = Complex(-c / b, 0.0);
    } else if (a == 0.0) {
        errors.E1MES(Warning,
            1,
            " The two leading coefficients are equal to zero.  On output ZLG will be set to "
            "CMPLX(FINITY,0.0) and ZSM will be set to -ZLG.  FINITY is the largest machine constant.");
        zlg = Complex(finity, 0.0);
        zsm = Complex(-finity, -0.0);
    } else if (c == 0.0) {
        zsm = Complex(0.0, 0.0);
        zlg = Complex(-b / a, 0.0);
    } else {
        // Divide through by t = base^k, about sqrt|a*c|, so that a' * c' is near one in magnitude.
        // k stays below the largest exponent: for |a| and |c| near the top of the range t would overflow.
        const int k = truncatedExponent(
            (std::log(base) + std::log(std::fabs(a)) + std::log(std::fabs(c))) / (2.0 * std::log(base)));
        const double t = std::pow(base, k);
        // Halved after the division: 2t itself overflows when t is the largest power of two.
        const double hb = -b / t / 2.0;
        double larger, smaller;
        if (!std::isfinite(hb)) {
            // b dwarfs sqrt|a c| beyond the double range: the roots are -b/a and -c/b to the last bit.
            larger = -b / a;
            smaller = -c / b;
        } else if (t != 0.0) {
            const double as = a / t;
            const double cs = c / t;
            double sq = 0.0;
            const double disc = discriminant(hb, as, cs, sq);
            if (disc <= 0.0) {
                zlg = Complex(hb / as, std::fabs(sq / as));
                zsm = Complex(hb / as, -std::fabs(sq / as));
                errors.E1POP("DZ3LRC");
                return;
            }
            const double q = std::signbit(hb) ? hb - sq : hb + sq;
            larger = q / as;
            smaller = cs / q;
        } else {
            const double q = -b;
            larger = q / a;
            smaller = c / q;
        }
        zlg = Complex(larger, 0.0);
        zsm = Complex(smaller, 0.0);
        // Rounding can leave the "smaller" root a hair larger when the two are almost equal: keep the order.
        if (std::fabs(smaller) > std::fabs(larger)) {
            std::swap(zsm, zlg);
        }
    }
    errors.E1POP("DZ3LRC");
}

} // namespace engine
