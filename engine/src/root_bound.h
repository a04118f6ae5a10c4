#pragma once
// The lower bound on the moduli of the roots that both root finders start their shifts from.

#include <cmath>

namespace engine
{

/// The positive root of |p(1)| x^n + ... + |p(n)| x - |p(nn)| (the Cauchy lower bound), from the moduli
/// pt[1..nn] of the coefficients (highest power first; pt[0] unused; pt[nn] is negated here). Approached from
/// above: an estimate from the ends, chopped by 0.1 while the value stays positive, then Newton's method to
/// two decimal places.
inline double lowerRootBound(double *pt, int nn)
{
    const int n = nn - 1;
    pt[nn] = -pt[nn];
    double x = std::exp((std::log(-pt[nn]) - std::log(pt[1])) / n);
    if (pt[n] != 0.0) {
        const double xm = -pt[nn] / pt[n];
        if (xm < x) {
            x = xm;
        }
    }
    if (!std::isfinite(x)) {
        return 0.0; // coefficients at the ends of the range: no bound, the shifts start at the origin
    }
    // Each chop divides by ten: from the largest double to zero takes fewer than 700 of them.
    for (int chop = 0; chop < 700; ++chop) {
        const double xm = x * 0.1;
        double ff = pt[1];
        for (int i = 2; i <= nn; ++i) {
            ff = ff * xm + pt[i];
        }
        // Written so that a value that is not a number ends the chopping too.
        if (!(ff > 0.0)) {
            break;
        }
        x = xm;
    }
    // Newton's method from above on a convex function: monotone, a handful of steps to two decimals.
    double dx = x;
    for (int step = 0; step < 100 && x != 0.0 && std::fabs(dx / x) > 0.005; ++step) {
        double ff = pt[1];
        double df = ff;
        for (int i = 2; i <= n; ++i) {
            ff = ff * x + pt[i];
            df = df * x + ff;
        }
        ff = ff * x + pt[nn];
        dx = ff / df;
        x -= dx;
    }
    return std::isfinite(x) ? x : 0.0;
}

} // namespace engine
