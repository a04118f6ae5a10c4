#include "cubic/solver.h"

#include "cubic/arithmetic.h"
#include "cubic/depressed_cubic.h"
#include "cubic/polynomial.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace cubic
{
namespace
{

constexpr RowColour Blue = RowColour::Blue;
constexpr RowColour Red = RowColour::Red;

void paintRows(Display &display, std::initializer_list<RowColour> colours, Nature nature)
{
    display.colours = {};
    std::size_t row = 0;
    for (const RowColour colour : colours) {
        display.colours[row++] = colour;
    }
    display.nature = nature;
}

// Tidies one root of a quadratic's complex pair: "…+ 1i" → "…+ i", "…- 1i" → "…- i", a "+ 0i" or
// "- 0i" ending is cut (the blank before it stays), and a leading "0 " is cut.
std::string tidyPairRoot(std::string text)
{
    if (text.ends_with("+ 1i") || text.ends_with("- 1i")) {
        text.erase(text.size() - 2, 1);
    }
    if (text.ends_with("+ 0i") || text.ends_with("- 0i")) {
        text.erase(text.size() - 4);
    }
    if (text.starts_with("0 ")) {
        text.erase(0, 2);
    }
    // A pair so small that both parts show as 0 would otherwise be left with no text at all.
    return text.empty() ? std::string("0") : text;
}

// The quadratic's pair written once with "±"; `M` is the shown real part, `W` the shown size of the
// imaginary part and `w` its signed value as shown.
std::string quadraticTermsCopy(const std::string &M, const std::string &W, double w)
{
    if (w == 0) {
        return M; // both roots show as M: the pair is that one value
    }
    const std::string imaginary = w == 1 ? std::string("i") : W + "i";
    return ReadBack(M) == 0 ? "± " + imaginary : M + " ± " + imaginary;
}

// Drops the "1" of an ending " 1i", so "+ 1i" reads "+ i" and "2 ± 1i" reads "2 ± i".
void dropUnitOne(std::string &text)
{
    if (text.ends_with(" 1i")) {
        text.erase(text.size() - 2, 1);
    }
}

Display twoZeroRoots()
{
    Display display;
    display.roots[0] = "0";
    display.roots[1] = "0";
    paintRows(display, { Blue, Blue }, Nature::TwoRealRoots);
    return display;
}

Display linearEquation(Checked c, Checked d, int decimals)
{
    Display display;
    display.roots[0] = Shown(-d / c, decimals);
    paintRows(display, { Blue }, Nature::OneRealRoot);
    return display;
}

// a·x² + b·x + c = 0 with a leading coefficient that may be 0: quadratic, linear or no equation.
void solveBelowCubic(double a, double b, double c, int decimals, SolveOutcome &outcome)
{
    try {
        if (a != 0) {
            QuadraticSolution solution =
                b == 0 && c == 0 ? QuadraticSolution { twoZeroRoots(), {} } : QuadraticEquation(a, b, c, decimals);
            outcome.display = std::move(solution.display);
            outcome.TermsCopy = std::move(solution.TermsCopy);
            outcome.IsQuadratic = true;
            return;
        }
        if (b != 0) {
            outcome.display = linearEquation(b, c, decimals);
            outcome.IsLinear = true;
            return;
        }
    } catch (const ArithmeticFailure &) {
    }
    outcome.notices.push_back(Notice::InputError);
}

struct CubicSolution {
    Display display;
    bool AllReal = false;
    std::string TermsCopy;
    std::string CopyEquationS;
};

// The pair left after dividing the cubic by (x - first root).
struct Deflation {
    std::string X1S;
    std::string X2S;
    std::string TermsCopy;
    bool RationalException = false; ///< the pair is real
};

struct AcosOutcome {
    double value = 0;
    std::optional<CubicSolution> AlreadySolved; ///< the fallback has solved the equation instead
};

// The solve of a cubic with a ≠ 0: the depressed cubic, Cardano or the trigonometric form, deflation,
// and the perfect-cube recovery when the arithmetic fails.
class CubicProcedure
{
public:
    CubicProcedure(const std::array<std::string, 4> &texts, Dialect dialect, std::vector<Notice> &notices)
        : m_texts(texts)
        , m_dialect(dialect)
        , m_notices(notices)
    {
    }

    // Nothing when the solve ends in the error report.
    std::optional<CubicSolution> Solve(double a, double b, double c, double d)
    {
        m_d = d;
        try {
            return Cases(a, b, c, d);
        } catch (const ArithmeticFailure &) {
            return FailurePath(a, b, c, d);
        }
    }

private:
    std::string Show(Checked value) const { return Shown(value, m_dialect.decimals); }

    CubicSolution Cases(Checked a, Checked b, Checked c, Checked d)
    {
        const std::array<Bounded, 4> read {
            Bounded::Read(a.value()), Bounded::Read(b.value()), Bounded::Read(c.value()), Bounded::Read(d.value())
        };
        const DepressedCubic depressed = Depress(read[0], read[1], read[2], read[3]);
        if (d == 0) {
            return FromFirstRoot(0.0);
        }
        if (a == c && b == d) {
            return TimesXSquaredPlusOne(a, b);
        }
        // Delta = 0 (the double root) and P = Q = 0 (the triple root) hold within the rounding that the
        // decimal coefficients leave, not exactly: they are decided against the error bounds. The shift by
        // b/(3a) blurs roots much smaller than the others, so the root is also checked in the equation.
        const std::optional<RepeatedRoot> repeated = RepeatedRootOf(read[0], read[1], read[2], read[3], depressed);
        const std::array<double, 4> coefficients { a.value(), b.value(), c.value(), d.value() };
        if (repeated && IsMultipleRoot(coefficients, repeated->repeated, repeated->triple ? 3 : 2)) {
            return Repeated(*repeated);
        }
        const double P = depressed.P.value();
        const double Q = depressed.Q.value();
        const double Delta = depressed.Delta.value();
        if (Delta > 0) {
            return FromFirstRoot(CardanoRoot(P, Q, Delta) - b / (3.0 * a));
        }
        return Trigonometric(Q, Delta, a, b, c, d);
    }

    // A double root shows the simple root first (as the bisection of the double-root path finds it), a
    // triple root the same value three times.
    CubicSolution Repeated(const RepeatedRoot &roots)
    {
        CubicSolution solution;
        const std::string repeated = Show(roots.repeated);
        solution.display.roots = { Show(roots.simple), repeated, repeated, {} };
        ThreeReal(solution);
        return Finish(std::move(solution));
    }

    // (x² + 1)(a·x + b): the real root and ±i.
    CubicSolution TimesXSquaredPlusOne(Checked a, Checked b)
    {
        CubicSolution solution;
        solution.display.roots = { Show(-b / a), "+ i", "- i", {} };
        solution.TermsCopy = "± i";
        OneRealTwoComplex(solution);
        return Finish(std::move(solution));
    }

    CubicSolution Trigonometric(Checked Q, Checked Delta, Checked a, Checked b, Checked c, Checked d)
    {
        const Checked R = SquareRoot(Q * Q / 4.0 - Delta);
        const Checked rho = CubeRoot(R);
        AcosOutcome theta = Acos(-Q / (2.0 * R), a, b, c, d);
        if (theta.AlreadySolved) {
            return std::move(*theta.AlreadySolved);
        }
        const double t = theta.value / 3.0;
        const Checked cosT = std::cos(t);
        const Checked sqrt3SinT = std::numbers::sqrt3 * std::sin(t);
        const Checked s = b / (3.0 * a);
        CubicSolution solution;
        solution.display.roots = {
            Show(2.0 * rho * cosT - s), Show(-rho * (cosT + sqrt3SinT) - s), Show(-rho * (cosT - sqrt3SinT) - s), {}
        };
        ThreeReal(solution);
        return Finish(std::move(solution));
    }

    // The arc-cosine through the arc-tangent; where it is undefined (|X| >= 1: a double root, or rounding
    // just outside [-1, 1]) the equation is solved by bisection instead.
    AcosOutcome Acos(Checked X, Checked a, Checked b, Checked c, Checked d)
    {
        AcosOutcome result;
        if (const std::optional<double> angle = cubic::ArcCosine(X.value())) {
            result.value = *angle;
            return result;
        }
        // Marked by what the deflated pair is: for a double root it is real, but rounding can also push the
        // argument out of range where the pair is complex, and three real roots would then be a false caption.
        const double root = SolveApprox(a.value(), b.value(), c.value(), d.value());
        result.AlreadySolved = FromFirstRoot(root);
        return result;
    }

    // Shows `root` first and the deflated pair after it, marked by the pair.
    CubicSolution FromFirstRoot(Checked root)
    {
        const Deflation pair = ComplexRoots(root.value());
        CubicSolution solution;
        solution.display.roots = { Show(root), pair.X1S, pair.X2S, {} };
        solution.TermsCopy = pair.TermsCopy;
        if (pair.RationalException) {
            ThreeReal(solution);
        } else {
            OneRealTwoComplex(solution);
        }
        return Finish(std::move(solution));
    }

    Deflation ComplexRoots(double FirstRealRoot)
    {
        Deflation pair;
        const Bounded a = Bounded::Read(ReadAgain(m_texts[0]));
        const Bounded b = Bounded::Read(ReadAgain(m_texts[1]));
        const Bounded c = Bounded::Read(ReadAgain(m_texts[2]));
        const Bounded d = Bounded::Read(m_d);
        const Bounded root = FirstRealRoot;
        const Bounded a2 = a;
        // Synthetic division from the leading end loses the digits of b₂ when the root is the largest
        // of the three (|root|³ > |d/a|); dividing from the constant end is then the stable way round.
        const bool largest = Abs((root * root * root * a).value()) > Abs(m_d);
        const Bounded b2 = largest ? (-d / root - c) / root : root * a2 + b;
        const Bounded c2 = largest ? -d / root : root * b2 + c;
        // A discriminant within the rounding of the coefficients and of the division is that of a double
        // root. (The bound scales with the coefficients, so small equations keep their distinct roots.)
        const Bounded discriminant = b2 * b2 - 4.0 * a2 * c2;
        const Checked delta = discriminant.MayBeZero() ? 0.0 : discriminant.value();
        const Checked twoA = 2.0 * a2.value();
        const Checked m = -b2.value() / twoA;
        if (delta >= 0) { // with delta = 0, w = 0 and both roots show m
            const Checked w = SquareRoot(delta) / twoA;
            pair.X1S = Show(m + w);
            pair.X2S = Show(m - w);
            pair.RationalException = true;
            return pair;
        }
        const Checked w = SquareRoot(-delta) / twoA;
        const std::string M = Show(m);
        const std::string W = Show(Abs(w));
        // Texts a = b and c = d make (x + 1)(a·x² + c): the pair is purely imaginary.
        const bool pureImaginary = m_texts[0] == m_texts[1] && m_texts[2] == m_texts[3];
        if (ReadBack(M) != 0 && !pureImaginary) {
            pair.X1S = M + " + " + W + "i";
            pair.X2S = M + " - " + W + "i";
            pair.TermsCopy = M + " ± " + W + "i";
        } else {
            pair.X1S = "+ " + W + "i";
            pair.X2S = "- " + W + "i";
            pair.TermsCopy = "± " + W + "i";
        }
        dropUnitOne(pair.X1S);
        dropUnitOne(pair.X2S);
        dropUnitOne(pair.TermsCopy);
        return pair;
    }

    // The boxes are read again where the method says so; a zero denominator is reported again.
    double ReadAgain(const std::string &text)
    {
        const Reading reading = FracToDec(text, m_dialect.zeroDenominator);
        if (reading.DivisionByZero) {
            m_notices.push_back(Notice::DivisionByZero);
        }
        if (reading.StringError) {
            throw ArithmeticFailure {}; // not reached: the same text was read before the solve began
        }
        return reading.value;
    }

    // After a failure: a perfect cube (x + s)³ is recognised by q²/(p·r) = 3 and shown as its triple
    // root; anything else ends in the error report.
    std::optional<CubicSolution> FailurePath(double a, double b, double c, double d)
    {
        try {
            const Checked p = Checked(b) / a;
            const Checked q = Checked(c) / a;
            const Checked r = Checked(d) / a;
            if (!(p * r != 0 && q * q / (p * r) == 3)) {
                return std::nullopt;
            }
            CubicSolution solution;
            solution.display.roots[0] = Show(CubeRoot(-r));
            const Deflation pair = ComplexRoots(ReadBack(solution.display.roots[0]));
            solution.display.roots[1] = pair.X1S;
            solution.display.roots[2] = pair.X2S;
            solution.TermsCopy = pair.TermsCopy;
            ThreeReal(solution);
            return Finish(std::move(solution));
        } catch (const ArithmeticFailure &) {
            return std::nullopt;
        }
    }

    static void ThreeReal(CubicSolution &solution)
    {
        paintRows(solution.display, { Blue, Blue, Blue }, Nature::ThreeRealRoots);
        solution.AllReal = true;
    }

    static void OneRealTwoComplex(CubicSolution &solution)
    {
        paintRows(solution.display, { Blue, Red, Red }, Nature::OneRealTwoComplexRoots);
        solution.AllReal = false;
    }

    CubicSolution Finish(CubicSolution solution) const
    {
        solution.CopyEquationS = CopyEquation(solution);
        return solution;
    }

    std::string CopyEquation(const CubicSolution &solution) const
    {
        const auto &roots = solution.display.roots;
        std::string line = "{" + m_texts[0] + "x³ + " + m_texts[1] + "x² + " + m_texts[2] + "x + " + m_texts[3]
            + " = 0 | x = " + roots[0] + "; ";
        line += solution.AllReal ? roots[1] + "; " + roots[2] : solution.TermsCopy;
        return line + "}";
    }

    const std::array<std::string, 4> &m_texts;
    Dialect m_dialect;
    std::vector<Notice> &m_notices;
    double m_d = 0; ///< the constant term, for dividing out a large root from the constant end
};

} // namespace

void FillEmptyBoxes(std::vector<std::string> &boxes)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const bool constant = i + 1 == boxes.size();
        if (boxes[i].empty()) {
            boxes[i] = constant ? "0" : "1";
        } else if (!constant && boxes[i] == "-") {
            boxes[i] = "-1";
        }
    }
}

std::optional<std::vector<double>> ReadCoefficients(
    const std::vector<std::string> &boxes, ZeroDenominator rule, std::vector<Notice> &notices)
{
    std::vector<double> values;
    for (const std::string &text : boxes) {
        const Reading reading = FracToDec(text, rule);
        if (reading.DivisionByZero) {
            notices.push_back(Notice::DivisionByZero);
        }
        if (reading.StringError) {
            notices.push_back(Notice::InputError);
            return std::nullopt;
        }
        values.push_back(reading.value);
    }
    return values;
}

DepressedCubic Depress(Bounded a, Bounded b, Bounded c, Bounded d)
{
    const Bounded P = (3.0 * c / a - b * b / (a * a)) / 3.0;
    const Bounded Q = (2.0 * b * b * b / (a * a * a) - 9.0 * b * c / (a * a) + 27.0 * d / a) / 27.0;
    const Bounded Delta = Q * Q / 4.0 + P * P * P / 27.0;
    return { P, Q, Delta };
}

std::optional<RepeatedRoot> RepeatedRootOf(
    Bounded a_, Bounded b_, Bounded c_, Bounded d_, const DepressedCubic &depressed)
{
    const Checked a = a_.value();
    const Checked b = b_.value();
    const Checked c = c_.value();
    const Checked d = d_.value();
    if (depressed.P.MayBeZero() && depressed.Q.MayBeZero()) {
        const double root = (-b / (3.0 * a)).value();
        return RepeatedRoot { root, root, true };
    }
    if (!depressed.Delta.MayBeZero()) {
        return std::nullopt;
    }
    // As a root of the cubic the double root is ill-conditioned, as a root of the derivative
    // 3a·x² + 2b·x + c it is simple: of the derivative's two roots (each in the form without
    // cancellation) it is the one where the cubic is nearer zero.
    const Checked h = b * b - 3.0 * a * c;
    const Checked k = -(b + (b < 0 ? -1.0 : 1.0) * SquareRoot(h < 0 ? 0.0 : h));
    const Checked first = k / (3.0 * a);
    const Checked second = k == 0 ? first : c / k;
    const auto size = [&](Checked x) {
        return Abs(((a * x + b) * x + c) * x + d);
    };
    const Checked repeated = size(first) <= size(second) ? first : second;
    // The simple root from the sum of the roots, or from their product where it is the smaller.
    Checked simple = -b / a - 2.0 * repeated;
    if (Abs(simple) < Abs(repeated)) {
        simple = -d / (a * repeated * repeated);
    }
    return RepeatedRoot { repeated.value(), simple.value(), false };
}

double CardanoRoot(double P_, double Q_, double Delta)
{
    const Checked P = P_;
    const Checked Q = Q_;
    const Checked root = SquareRoot(Delta);
    // Of u₀ = -Q/2 + √Δ and v₀ = -Q/2 - √Δ only the one whose terms have the same sign is computed:
    // the other loses its digits by cancellation when P is small. Its cube root follows from U·V = -P/3.
    if (Q <= 0) {
        const Checked U = CubeRoot(-Q / 2.0 + root);
        return (-P / (3.0 * U) + U).value();
    }
    const Checked V = CubeRoot(-Q / 2.0 - root);
    return (V + -P / (3.0 * V)).value();
}

std::optional<double> ArcCosine(double X)
{
    const Checked x = X;
    const Checked rest = 1.0 - x * x;
    if (rest <= 0) { // |X| = 1 divides by zero below, |X| > 1 has no square root
        return std::nullopt;
    }
    return std::atan((-x / SquareRoot(rest)).value()) + 2.0 * std::atan(1.0);
}

double MaxVal(double First, double Second)
{
    return First > Second ? First : Second;
}

double Monic::Polynom(double X) const
{
    return (((Checked(X) + p) * X + q) * X + r).value();
}

double Monic::Terms(double X) const
{
    const Checked x = Abs(X);
    return (((x + Abs(p)) * x + Abs(q)) * x + Abs(r)).value();
}

double SolveApprox(double a, double b, double c, double d)
{
    const double Epsilon = 1E-14;
    const Monic monic { (Checked(b) / a).value(), (Checked(c) / a).value(), (Checked(d) / a).value() };
    const double u = (Abs(monic.p) + Abs(monic.q) + Abs(monic.r)).value();
    const double Limit = MaxVal(1, u); // every real root lies in [-Limit, Limit]
    // A value is zero when it is below Epsilon against the size of the terms: an absolute bound would
    // stop far from the root of an equation with small roots or coefficients.
    const auto isZeroAt = [&monic, Epsilon](double X) {
        return Abs(monic.Polynom(X)) <= Epsilon * Checked(monic.Terms(X));
    };
    double x1 = 0;
    double x2 = Limit;
    if (monic.r > 0) { // positive at 0: a root lies below 0
        x1 = -Limit;
        x2 = 0;
        if (isZeroAt(x1)) {
            return x1;
        }
    } else if (isZeroAt(x2)) {
        return x2;
    }
    for (;;) {
        const double Half = (x1 + x2) * 0.5;
        const double HPoly = monic.Polynom(Half);
        if ((Checked(std::fabs(x1 - x2)) / MaxVal(std::fabs(x1), std::fabs(x2))) <= Epsilon) {
            return x2;
        }
        if (isZeroAt(Half)) {
            return Half;
        }
        const double Poly1 = monic.Polynom(x1);
        if (Checked(HPoly) * Poly1 >= 0) {
            x1 = Half;
        } else {
            x2 = Half;
        }
    }
}

QuadraticSolution QuadraticEquation(double a_, double b_, double c_, int decimals)
{
    const Checked a = a_;
    const Checked b = b_;
    // Decimal coefficients are not binary numbers, so the discriminant of a double root comes out a little
    // off zero, of either sign; within the rounding of the coefficients and of its own evaluation it is zero.
    const Bounded discriminant = Bounded::Read(b_) * Bounded::Read(b_) - 4.0 * Bounded::Read(a_) * Bounded::Read(c_);
    const Checked delta = discriminant.MayBeZero() ? 0.0 : discriminant.value();
    const Checked m = -b / (2.0 * a);
    QuadraticSolution solution;
    auto &roots = solution.display.roots;
    if (delta > 0) {
        const Checked w = SquareRoot(delta) / (2.0 * a);
        roots[0] = Shown(m + w, decimals);
        roots[1] = Shown(m - w, decimals);
        paintRows(solution.display, { Blue, Blue }, Nature::TwoDifferentRealRoots);
    } else if (delta == 0) {
        roots[0] = Shown(m, decimals);
        roots[1] = roots[0];
        paintRows(solution.display, { Blue, Blue }, Nature::TwoEqualRealRoots);
    } else {
        const Checked w = SquareRoot(-delta) / (2.0 * a); // negative when a < 0
        const std::string M = Shown(m, decimals);
        const std::string W = Shown(Abs(w), decimals);
        roots[0] = tidyPairRoot(M + " + " + W + "i");
        roots[1] = tidyPairRoot(M + " - " + W + "i");
        solution.TermsCopy = quadraticTermsCopy(M, W, ReadBack(Shown(w, decimals)));
        paintRows(solution.display, { Red, Red }, Nature::TwoConjugateComplexRoots);
    }
    return solution;
}

void SolveCubicOrBelow(const std::array<std::string, 4> &texts,
    const std::array<double, 4> &values,
    Dialect dialect,
    SolveOutcome &outcome)
{
    const auto [a, b, c, d] = values;
    if (a == 0) {
        solveBelowCubic(b, c, d, dialect.decimals, outcome);
        return;
    }
    outcome.IsCubic = true;
    CubicProcedure procedure(texts, dialect, outcome.notices);
    std::optional<CubicSolution> solution = procedure.Solve(a, b, c, d);
    if (!solution) {
        outcome.notices.push_back(Notice::InputError);
        return;
    }
    outcome.display = std::move(solution->display);
    outcome.TermsCopy = std::move(solution->TermsCopy);
    outcome.CopyEquationS = std::move(solution->CopyEquationS);
}

SolveOutcome SolveCubicEquation(std::vector<std::string> boxes)
{
    if (boxes.size() != 4) {
        throw std::invalid_argument("a cubic has four coefficient boxes");
    }
    SolveOutcome outcome;
    FillEmptyBoxes(boxes);
    outcome.boxes = boxes;
    const std::optional<std::vector<double>> values =
        ReadCoefficients(boxes, kCubicDialect.zeroDenominator, outcome.notices);
    if (values) {
        SolveCubicOrBelow({ boxes[0], boxes[1], boxes[2], boxes[3] },
            { (*values)[0], (*values)[1], (*values)[2], (*values)[3] },
            kCubicDialect,
            outcome);
    }
    return outcome;
}

std::string CopyLine(
    const SolveOutcome &last, const std::vector<std::string> &boxes, const std::array<std::string, kMaxRows> &roots)
{
    const std::size_t n = boxes.size();
    if (last.IsLinear) {
        return "{" + boxes[n - 2] + "x + " + boxes[n - 1] + " = 0 | x = " + roots[0] + "}";
    }
    if (last.IsQuadratic) {
        const bool real = last.display && last.display->colours[0] == Blue;
        return "{" + boxes[n - 3] + "x² + " + boxes[n - 2] + "x + " + boxes[n - 1]
            + " = 0 | x = " + (real ? roots[0] + "; " + roots[1] : last.TermsCopy) + "}";
    }
    return last.CopyEquationS;
}

} // namespace cubic
