#pragma once
// The quartic solver's core: the cubic solver's routines for degree three and below, three special
// forms, and Ferrari's method for the general quartic.

#include "cubic/solver.h"

#include <string>
#include <string_view>
#include <vector>

namespace quartic
{

/// Seven decimals; a zero denominator refuses the equation.
inline constexpr cubic::Dialect kQuarticDialect { 7, cubic::ZeroDenominator::Refuse };

/// A solve's outcome with the marking of a quartic's roots (exactly one set after a quartic solve).
struct QuarticOutcome : cubic::SolveOutcome {
    bool FourRealV = false;
    bool FourComplexV = false;
    bool FirstRealSecondComplexV = false; ///< rows 1 and 2 real, rows 3 and 4 a complex pair
    bool FirstComplexSecondRealV = false; ///< rows 1 and 2 a complex pair, rows 3 and 4 real
};

/// The arc-cosine, or 0 where it is undefined (|X| >= 1).
double ACos2(double X);

/// A real root of a·x³ + b·x² + c·x + d (a ≠ 0): Cardano's root, or the largest of three real roots.
/// Throws cubic::ArithmeticFailure.
double CubicEquationRealRoot(double a, double b, double c, double d);

/// The Solve button of the quartic solver: fill-in, reading and solving of the boxes a to e.
QuarticOutcome SolveQuarticEquation(std::vector<std::string> boxes);

/// A complex root text "re + imi" rewritten as the pair "re ± imi" (numbers in shortest general form).
std::string CopySeparate(std::string_view OrigRoot);

/// The Copy button's line, from the coefficient and root boxes as they stand now.
std::string CopyLine(const QuarticOutcome &last,
    const std::vector<std::string> &boxes,
    const std::array<std::string, cubic::kMaxRows> &roots);

} // namespace quartic
