#pragma once
// The depressed form of a cubic with the error bounds of its invariants, and the roots of a cubic whose
// roots are not distinct within that rounding. (Kept out of the solver's header, which the windows
// include: the bounded arithmetic needs headers that Qt's moc cannot read.)

#include "cubic/arithmetic.h"

#include <optional>

namespace cubic
{

/// The depressed cubic t³ + P·t + Q of a·x³ + b·x² + c·x + d under x = t - b/(3a), with its
/// discriminant Delta = Q²/4 + P³/27, each with the bound of its error.
struct DepressedCubic {
    Bounded P = 0.0;
    Bounded Q = 0.0;
    Bounded Delta = 0.0;
};

/// Throws ArithmeticFailure (for example when a = 0).
DepressedCubic Depress(Bounded a, Bounded b, Bounded c, Bounded d);

/// The real roots of a cubic with a repeated root: `repeated` counts twice (three times when `triple`),
/// `simple` once (and equals `repeated` when `triple`).
struct RepeatedRoot {
    double repeated = 0;
    double simple = 0;
    bool triple = false;
};

/// The roots of a·x³ + b·x² + c·x + d when they are not distinct within the rounding of the coefficients
/// and of the reduction (`depressed`): P and Q both within their bounds of zero make a triple root, Delta
/// within its bound a double root. Nothing when the roots are distinct. Throws ArithmeticFailure.
std::optional<RepeatedRoot> RepeatedRootOf(Bounded a, Bounded b, Bounded c, Bounded d, const DepressedCubic &depressed);

} // namespace cubic
