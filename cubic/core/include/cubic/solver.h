#pragma once
// The cubic solver's core: which kind of equation the coefficients make, its roots in closed form, and
// the texts, colours and copy line the window shows. The quartic solver builds on the same routines.

#include "cubic/number_text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cubic
{

enum class RowColour { Neutral, Blue, Red };

/// The nature of the roots, named in the caption of the root display.
enum class Nature {
    OneRealRoot,
    TwoRealRoots,
    TwoDifferentRealRoots,
    TwoEqualRealRoots,
    TwoConjugateComplexRoots,
    ThreeRealRoots,
    OneRealTwoComplexRoots,
    FourRealRoots,
    FourComplexRoots,
    TwoRealTwoComplexRoots,
    TwoComplexTwoRealRoots,
};

/// A message due during a solve, in the order the user sees them.
enum class Notice {
    DivisionByZero, ///< a fraction with a zero denominator was read
    InputError, ///< the general error report: the solve ended without roots
};

inline constexpr std::size_t kMaxRows = 4;

/// What the root rows show after a solve.
struct Display {
    std::array<std::string, kMaxRows> roots; ///< txtX1, txtX2, ... (the cubic window has three rows)
    std::array<RowColour, kMaxRows> colours {}; ///< of both labels of each row
    Nature nature = Nature::OneRealRoot;
};

/// Everything a press of Solve changes, and what the Copy button reads later.
struct SolveOutcome {
    std::vector<std::string> boxes; ///< the coefficient texts after empty boxes were filled in
    std::vector<Notice> notices;
    std::optional<Display> display; ///< nothing: the solve ended in the error report
    bool IsLinear = false;
    bool IsQuadratic = false;
    bool IsCubic = false;
    bool IsQuartic = false;
    std::string TermsCopy; ///< the complex pair written once with "±"
    std::string CopyEquationS; ///< the copy line, when the solve built it (cubic equations)
};

/// Empty boxes become "1", the last (constant) one "0"; a lone "-" in any but the last becomes "-1".
void FillEmptyBoxes(std::vector<std::string> &boxes);

/// Reads the boxes in order, noting the messages due; nothing once a box is refused.
std::optional<std::vector<double>> ReadCoefficients(
    const std::vector<std::string> &boxes, ZeroDenominator rule, std::vector<Notice> &notices);

double MaxVal(double First, double Second);

/// The monic cubic x³ + p·x² + q·x + r.
struct Monic {
    double p = 0;
    double q = 0;
    double r = 0;
    double Polynom(double X) const;
    /// |X|³ + |p|·X² + |q|·|X| + |r|: the size of the terms, against which a value counts as zero.
    double Terms(double X) const;
};

/// One real root of a·x³ + b·x² + c·x + d (a ≠ 0) by bisection. Throws ArithmeticFailure.
double SolveApprox(double a, double b, double c, double d);

/// Cardano's real root V + U of the depressed cubic when Delta > 0. Throws ArithmeticFailure.
double CardanoRoot(double P, double Q, double Delta);

/// The arc-cosine, computed through the arc-tangent; nothing where that is undefined (|X| >= 1).
std::optional<double> ArcCosine(double X);

struct QuadraticSolution {
    Display display;
    std::string TermsCopy;
};

/// a·x² + b·x + c = 0 with a ≠ 0, shown in the first two rows; a discriminant within the rounding of the
/// coefficients (read from decimal texts) is that of a double root. Throws ArithmeticFailure.
QuadraticSolution QuadraticEquation(double a, double b, double c, int decimals);

/// The complete solve of a·x³ + b·x² + c·x + d = 0 from its four boxes (`texts` as they stand after the
/// fill-in, `values` as read), whatever its kind; the outcome's flags, display and copy data are set.
void SolveCubicOrBelow(const std::array<std::string, 4> &texts,
    const std::array<double, 4> &values,
    Dialect dialect,
    SolveOutcome &outcome);

/// The Solve button of the cubic solver: fill-in, reading and solving of the boxes a, b, c, d.
SolveOutcome SolveCubicEquation(std::vector<std::string> boxes);

/// The Copy button's line for a linear, quadratic or cubic solve, from the coefficient boxes and root
/// boxes as they stand now (a cubic keeps the line built when it was solved).
std::string CopyLine(
    const SolveOutcome &last, const std::vector<std::string> &boxes, const std::array<std::string, kMaxRows> &roots);

} // namespace cubic
