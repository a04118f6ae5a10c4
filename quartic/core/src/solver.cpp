#include "quartic/solver.h"

#include "cubic/arithmetic.h"
#include "cubic/depressed_cubic.h"
#include "cubic/polynomial.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quartic
{
namespace
{

using cubic::Bounded;
using cubic::Checked;
using cubic::Complex;
using cubic::Display;
using cubic::Nature;
using cubic::RowColour;

std::string Show(Checked value)
{
    return cubic::Shown(value, kQuarticDialect.decimals);
}

// The four outcome markings: colours of rows 1-2 and 3-4, caption, and the flag read by Copy.
void Mark(QuarticOutcome &outcome, Display &display, RowColour first, RowColour second, Nature nature)
{
    display.colours = { first, first, second, second };
    display.nature = nature;
    outcome.FourRealV = nature == Nature::FourRealRoots;
    outcome.FourComplexV = nature == Nature::FourComplexRoots;
    outcome.FirstRealSecondComplexV = nature == Nature::TwoRealTwoComplexRoots;
    outcome.FirstComplexSecondRealV = nature == Nature::TwoComplexTwoRealRoots;
}

void FourReal(QuarticOutcome &outcome, Display &display)
{
    Mark(outcome, display, RowColour::Blue, RowColour::Blue, Nature::FourRealRoots);
}

void FourComplex(QuarticOutcome &outcome, Display &display)
{
    Mark(outcome, display, RowColour::Red, RowColour::Red, Nature::FourComplexRoots);
}

void FirstRealSecondComplex(QuarticOutcome &outcome, Display &display)
{
    Mark(outcome, display, RowColour::Blue, RowColour::Red, Nature::TwoRealTwoComplexRoots);
}

void FirstComplexSecondReal(QuarticOutcome &outcome, Display &display)
{
    Mark(outcome, display, RowColour::Red, RowColour::Blue, Nature::TwoComplexTwoRealRoots);
}

// "+ wi" and "- wi", with a unit imaginary part written "i".
void ImaginaryPair(Display &display, const std::string &w, bool unit)
{
    display.roots[2] = unit ? std::string("+ i") : "+ " + w + "i";
    display.roots[3] = unit ? std::string("- i") : "- " + w + "i";
}

// a·x⁴ + c·x² = 0: the double root 0 and ±√(-c/a).
void TwoZeroRoots(QuarticOutcome &outcome, Display &display, Checked a, Checked c)
{
    display.roots[0] = "0";
    display.roots[1] = "0";
    const Checked w = cubic::SquareRoot(cubic::Abs(c / a));
    const std::string shown = Show(w);
    if (c / a < 0) { // x² = -c/a > 0: two more real roots
        display.roots[2] = shown;
        display.roots[3] = Show(-w);
        FourReal(outcome, display);
        return;
    }
    ImaginaryPair(display, shown, cubic::ReadBack(shown) == 1);
    FirstRealSecondComplex(outcome, display);
}

// x⁴ = k with k = -e/a > 0: ±w and ±wi.
void FourthRoots(QuarticOutcome &outcome, Display &display, Checked a, Checked e)
{
    const Checked w = std::pow(cubic::Abs(e / a).value(), 0.25);
    display.roots[0] = Show(w);
    display.roots[1] = Show(-w);
    ImaginaryPair(display, Show(w), w == 1);
    FirstRealSecondComplex(outcome, display);
}

// A root of the depressed quartic that counts more than once; a complex one stands for its conjugate too.
struct Multiple {
    Complex y;
    int count = 2;
};

// The depressed quartic y⁴ + p·y² + q·y + r split into (y² + s·y + γ)(y² - s·y + β), with the multiple
// roots the split assumed.
struct Factors {
    Checked s = 0.0;
    Checked beta = 0.0;
    Checked gamma = 0.0;
    std::vector<Multiple> multiple;
};

// Newton steps on the resolvent z³ + 2p·z² + K·z - q² from `z`, as long as they bring it closer to 0.
// The closed forms give a root to within rounding of the size of the largest root; a small positive root
// next to large negative ones (q nearly 0) needs its own relative precision, since q/s enters the split.
Checked PolishResolventRoot(Checked z, Checked p, Checked K, Checked q)
{
    try {
        const auto resolvent = [&](Checked x) {
            return ((x + 2.0 * p) * x + K) * x - q * q;
        };
        const auto slope = [&](Checked x) {
            return (3.0 * x + 4.0 * p) * x + K;
        };
        Checked value = resolvent(z);
        for (int step = 0; step < 16 && value != 0 && slope(z) != 0; ++step) {
            const Checked next = z - value / slope(z);
            const Checked nextValue = resolvent(next);
            if (cubic::Abs(nextValue) >= cubic::Abs(value)) {
                break;
            }
            z = next;
            value = nextValue;
        }
    } catch (const cubic::ArithmeticFailure &) {
        // an overflowing step is no improvement: keep the last root
    }
    return z;
}

Factors SplitBy(Checked z, Checked p, Checked q)
{
    Factors factors;
    factors.s = cubic::SquareRoot(z);
    factors.beta = (factors.s * factors.s + p + q / factors.s) / 2.0;
    factors.gamma = (factors.s * factors.s + p - q / factors.s) / 2.0;
    return factors;
}

// With q = 0 the resolvent is z·(z² + 2p·z + p² - 4r), whose positive root, if any, is -p + 2√r; when
// there is none (as for y⁴ + 5y² + 4, resolvent z(z + 1)(z + 9)), the quartic is a quadratic in y² with
// real roots and splits with s = 0 as (y² + γ)(y² + β), β and γ = (p ± √(p² - 4r))/2. Where `assumeMultiple`,
// p² - 4r and r within their rounding of zero are taken for zero: the repeated roots of such quartics
// stay whole.
Factors Biquadratic(Bounded p_, Bounded r_, bool assumeMultiple)
{
    const Checked p = p_.value();
    Factors factors;
    if (assumeMultiple && (p_ * p_ - 4.0 * r_).MayBeZero()) {
        // (y² + p/2)²: two double real roots, a double imaginary pair, or y = 0 four times.
        if (p_.MayBeZero()) {
            factors.multiple = { { 0.0, 4 } };
            return factors;
        }
        factors.beta = p / 2.0;
        factors.gamma = factors.beta;
        const double y = std::sqrt(std::fabs(p.value()) / 2);
        factors.multiple =
            p < 0 ? std::vector<Multiple> { { y, 2 }, { -y, 2 } } : std::vector<Multiple> { { Complex(0, y), 2 } };
        return factors;
    }
    const bool zeroIsDouble = assumeMultiple && r_.MayBeZero();
    const Checked r = zeroIsDouble ? 0.0 : r_.value();
    if (zeroIsDouble) {
        factors.multiple = { { 0.0, 2 } };
    }
    if (r >= 0) {
        const Checked z = -p + 2.0 * cubic::SquareRoot(r);
        if (z > 0) {
            Factors split = SplitBy(z, p, 0.0);
            split.multiple = std::move(factors.multiple);
            return split;
        }
    }
    // p² > 4r here; the max only keeps rounding from making a near-double root fail.
    const Checked root = cubic::SquareRoot(std::max((p * p - 4.0 * r).value(), 0.0));
    factors.beta = (p + root) / 2.0;
    factors.gamma = (p - root) / 2.0;
    return factors;
}

// A double root α of the quartic makes the other two roots of the resolvent equal, and its simple root
// (2α)² pairs α with itself. As the largest root, that one makes one factor the square (y ∓ α)², which is
// made one exactly, so that rounding cannot show the double root as two roots or as a complex pair. (A
// triple root α makes the resolvent's triple root (2α)², with the same split.) The double root of the
// resolvent, when the larger, pairs α with each of the other two roots: α = (β - γ)/(2s) = q/(2z).
std::optional<Factors> SplitWithMultipleRoot(Bounded p, Bounded q, Bounded twoP, Bounded K, Bounded minusQSquared)
{
    const std::optional<cubic::RepeatedRoot> repeated =
        cubic::RepeatedRootOf(1.0, twoP, K, minusQSquared, cubic::Depress(1.0, twoP, K, minusQSquared));
    if (!repeated) {
        return std::nullopt;
    }
    if (repeated->repeated > repeated->simple && repeated->repeated > 0) {
        Factors factors = SplitBy(repeated->repeated, p.value(), q.value());
        factors.multiple = { { (q.value() / (2.0 * repeated->repeated)), 2 } };
        return factors;
    }
    if (repeated->simple <= 0) {
        return std::nullopt;
    }
    Factors factors = SplitBy(repeated->simple, p.value(), q.value());
    const Checked sSquared = factors.s * factors.s;
    // The square is the factor nearer one: its constant becomes (s/2)², its double root ±s/2.
    Checked alpha = factors.s / 2.0;
    if (cubic::Abs(sSquared - 4.0 * factors.beta) <= cubic::Abs(sSquared - 4.0 * factors.gamma)) {
        factors.beta = sSquared / 4.0;
    } else {
        factors.gamma = sSquared / 4.0;
        alpha = -alpha;
    }
    factors.multiple = { { alpha.value(), repeated->triple ? 3 : 2 } };
    return factors;
}

// The split needs a positive root z = s² of the resolvent z³ + 2p·z² + (p² - 4r)·z - q². With q ≠ 0
// its largest root is positive (the resolvent is -q² < 0 at 0). Where `assumeMultiple`, q within its
// rounding of zero is taken for 0, and a resolvent with a repeated root within the rounding makes the
// split of a quartic with a multiple root.
Factors Factorise(Bounded p, Bounded q, Bounded r, bool assumeMultiple)
{
    if (assumeMultiple ? q.MayBeZero() : q.value() == 0) {
        return Biquadratic(p, r, assumeMultiple);
    }
    const Bounded twoP = 2.0 * p;
    const Bounded K = p * p - 4.0 * r;
    const Bounded minusQSquared = -(q * q);
    if (assumeMultiple) {
        if (std::optional<Factors> factors = SplitWithMultipleRoot(p, q, twoP, K, minusQSquared)) {
            return std::move(*factors);
        }
    }
    Checked z = CubicEquationRealRoot(1, twoP.value(), K.value(), minusQSquared.value());
    z = PolishResolventRoot(z, p.value(), K.value(), q.value());
    if (z <= 0) {
        throw cubic::ArithmeticFailure {};
    }
    return SplitBy(z, p.value(), q.value());
}

struct Root {
    Checked re = 0.0;
    Checked im = 0.0;
};

// The value of the quartic with `coefficients` (leading first) at `x`, its slope, and the size of its
// terms (against which a value is rounding noise).
struct Evaluation {
    Complex value;
    Complex slope;
    double terms = 0;
};

Evaluation Evaluate(const std::array<double, 5> &coefficients, Complex x)
{
    Evaluation at;
    for (const double coefficient : coefficients) {
        at.slope = at.slope * x + at.value;
        at.value = at.value * x + coefficient;
        at.terms = at.terms * std::abs(x) + std::fabs(coefficient);
    }
    return at;
}

// Newton steps from `x` as long as they bring the value down.
Complex Polish(const std::array<double, 5> &coefficients, Complex x)
{
    Evaluation at = Evaluate(coefficients, x);
    for (int step = 0; step < 16 && std::abs(at.value) > 0 && std::abs(at.slope) > 0; ++step) {
        const Complex next = x - at.value / at.slope;
        const Evaluation nextAt = Evaluate(coefficients, next);
        if (!std::isfinite(std::abs(nextAt.value)) || std::abs(nextAt.value) >= std::abs(at.value)) {
            break;
        }
        x = next;
        at = nextAt;
    }
    return x;
}

// The shift by B/4 costs the small roots digits when the roots differ greatly in size; the equation
// itself gives them back by Newton steps. Only a root whose value is clearly above the rounding noise
// of the evaluation is polished: within a cluster (a multiple root split by rounding) the values are
// noise and the steps would wander. A polished root is kept only when it stayed well inside its own
// neighbourhood, less than a quarter of the way to the nearest other root.
Complex PolishedIfInaccurate(
    const std::array<double, 5> &coefficients, const std::array<Complex, 4> &found, std::size_t i)
{
    const Evaluation at = Evaluate(coefficients, found[i]);
    if (std::abs(at.value) <= 1E-13 * at.terms) {
        return found[i];
    }
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t j = 0; j < 4; ++j) {
        if (j != i) {
            nearest = std::min(nearest, std::abs(found[j] - found[i]));
        }
    }
    const Complex polished = Polish(coefficients, found[i]);
    return std::abs(polished - found[i]) < nearest / 4 ? polished : found[i];
}

// Roots 1, 2 and roots 3, 4 each come from one quadratic: a real root is polished on its own (real
// steps keep it real); a complex pair through its "+" root, so that it stays a conjugate pair.
void PolishInaccurateRoots(const std::array<double, 5> &coefficients, std::array<Root, 4> &roots)
{
    std::array<Complex, 4> found;
    for (std::size_t i = 0; i < 4; ++i) {
        found[i] = { roots[i].re.value(), i % 2 == 0 ? roots[i].im.value() : -roots[i].im.value() };
    }
    for (std::size_t i = 0; i < 4; i += 2) {
        const Complex first = PolishedIfInaccurate(coefficients, found, i);
        const Complex second = roots[i].im == 0 ? PolishedIfInaccurate(coefficients, found, i + 1) : std::conj(first);
        roots[i] = { first.real(), std::abs(first.imag()) };
        roots[i + 1] = { second.real(), std::abs(second.imag()) };
    }
}

// One root of a·y² + b·y + c: with real roots the "P" (+√) or "M" (-√) one; with a complex pair the
// one with positive imaginary part (the caller's text gives the sign).
Root QuadraticEquation2(Checked a, Checked b, Checked c, char PlusMinus)
{
    const Checked delta = b * b - 4.0 * a * c;
    if (delta >= 0) {
        const Checked root = cubic::SquareRoot(delta);
        return { PlusMinus == 'P' ? (root - b) / (2.0 * a) : (-b - root) / (2.0 * a), 0.0 };
    }
    return { -b / (2.0 * a), cubic::SquareRoot(-delta) / (2.0 * a) };
}

// The four roots of the factors, shifted back to x.
std::array<Root, 4> RootsOf(const Factors &factors, Checked shift)
{
    std::array<Root, 4> roots { QuadraticEquation2(1.0, factors.s, factors.gamma, 'P'),
        QuadraticEquation2(1.0, factors.s, factors.gamma, 'M'),
        QuadraticEquation2(1.0, -factors.s, factors.beta, 'P'),
        QuadraticEquation2(1.0, -factors.s, factors.beta, 'M') };
    for (Root &root : roots) {
        root.re = root.re - shift;
    }
    return roots;
}

// Each multiple root the split assumed is refined in the equation itself, where it is well conditioned as
// a root of a derivative, and written into as many rows as it counts (the rows nearest to it; a complex
// root's conjugate into the other row of its pair). False when one does not hold up as a multiple root.
bool SettleMultipleRoots(const std::array<double, 5> &coefficients,
    const std::vector<Multiple> &multiple,
    Checked shift,
    std::array<Root, 4> &roots)
{
    std::array<bool, 4> settled {};
    const auto distance = [&roots](std::size_t row, Complex x) {
        const double im = row % 2 == 0 ? roots[row].im.value() : -roots[row].im.value();
        return std::abs(Complex(roots[row].re.value(), im) - x);
    };
    for (const Multiple &root : multiple) {
        const Complex x = cubic::RefineMultipleRoot(coefficients, root.y - shift.value(), root.count);
        if (!cubic::IsMultipleRoot(coefficients, x, root.count)) {
            return false;
        }
        for (int copy = 0; copy < root.count; ++copy) {
            std::size_t nearest = roots.size();
            for (std::size_t row = 0; row < roots.size(); ++row) {
                if (!settled[row] && (nearest == roots.size() || distance(row, x) < distance(nearest, x))) {
                    nearest = row;
                }
            }
            settled[nearest] = true;
            roots[nearest] = { x.real(), std::fabs(x.imag()) };
            if (x.imag() != 0) {
                settled[nearest ^ 1] = true;
                roots[nearest ^ 1] = roots[nearest];
            }
        }
    }
    return true;
}

// Tidies the four root texts, each pass over all four: unit imaginary parts, zero imaginary parts,
// zero real parts.
void TidyRootTexts(std::array<std::string, 4> &texts)
{
    for (std::string &text : texts) {
        if (text.ends_with("+ 1i") || text.ends_with("- 1i")) {
            text.erase(text.size() - 2, 1);
        }
    }
    for (std::string &text : texts) {
        if (text.ends_with(" 0i")) {
            text.erase(text.size() - 5);
        }
    }
    for (std::string &text : texts) {
        if (text.starts_with("0 ")) {
            text.erase(0, 2);
        }
    }
}

void Ferrari(QuarticOutcome &outcome, Display &display, Checked a, Checked b, Checked c, Checked d, Checked e)
{
    const Bounded leading = Bounded::Read(a.value());
    const Bounded B = Bounded::Read(b.value()) / leading;
    const Bounded C = Bounded::Read(c.value()) / leading;
    const Bounded D = Bounded::Read(d.value()) / leading;
    const Bounded E = Bounded::Read(e.value()) / leading;
    const Bounded p = C - 3.0 * B * B / 8.0;
    const Bounded q = B * B * B / 8.0 - B * C / 2.0 + D;
    const Bounded r = E - B * D / 4.0 + B * B * C / 16.0 - 3.0 * B * B * B * B / 256.0;
    const std::array<double, 5> coefficients { a.value(), b.value(), c.value(), d.value(), e.value() };
    const Checked shift = B.value() / 4.0;
    const Factors factors = Factorise(p, q, r, true);
    std::array<Root, 4> roots = RootsOf(factors, shift);
    if (!SettleMultipleRoots(coefficients, factors.multiple, shift, roots)) {
        // The bounds of the depressed quartic allowed a multiple root that the equation itself refutes (the
        // shift by B/4 blurs roots much smaller than the others): split without assuming one.
        roots = RootsOf(Factorise(p, q, r, false), shift);
    }
    PolishInaccurateRoots(coefficients, roots);
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < 4; ++i) {
        const char *sign = i % 2 == 0 ? " + " : " - ";
        texts[i] = Show(roots[i].re) + sign + Show(cubic::Abs(roots[i].im)) + "i";
    }
    TidyRootTexts(texts);
    const auto complex = [&texts](std::size_t i) {
        return texts[i].find('i') != std::string::npos;
    };
    if (!complex(0) && !complex(2)) { // each pair shown with its "M" root first
        display.roots = { texts[1], texts[0], texts[3], texts[2] };
        FourReal(outcome, display);
        return;
    }
    display.roots = texts;
    if (complex(0) && complex(2)) {
        FourComplex(outcome, display);
    } else if (complex(2)) {
        FirstRealSecondComplex(outcome, display);
    } else {
        FirstComplexSecondReal(outcome, display);
    }
}

// a ≠ 0.
Display SolveQuartic(QuarticOutcome &outcome, Checked a, Checked b, Checked c, Checked d, Checked e)
{
    Display display;
    if (b == 0 && c == 0 && d == 0 && e == 0) {
        display.roots = { "0", "0", "0", "0" };
        FourReal(outcome, display);
    } else if (b == 0 && d == 0 && e == 0) {
        TwoZeroRoots(outcome, display, a, c);
    } else if (b == 0 && c == 0 && d == 0 && e / a < 0) {
        FourthRoots(outcome, display, a, e);
    } else {
        Ferrari(outcome, display, a, b, c, d, e);
    }
    return display;
}

std::string GeneralForm(double value)
{
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

} // namespace

double ACos2(double X)
{
    return cubic::ArcCosine(X).value_or(0.0);
}

double CubicEquationRealRoot(double a_, double b_, double c_, double d_)
{
    const Checked a = a_;
    const Checked b = b_;
    const cubic::DepressedCubic depressed = cubic::Depress(a_, b_, c_, d_);
    const Checked Q = depressed.Q.value();
    const Checked Delta = depressed.Delta.value();
    if (Delta > 0) {
        return (cubic::CardanoRoot(depressed.P.value(), Q.value(), Delta.value()) - b / (3.0 * a)).value();
    }
    const Checked R = cubic::SquareRoot(Q * Q / 4.0 - Delta);
    if (R == 0) { // P = Q = 0: the triple root
        return (-b / (3.0 * a)).value();
    }
    const Checked rho = cubic::CubeRoot(R);
    const Checked t = -Q / (2.0 * R);
    if (t == 1) {
        return cubic::SolveApprox(a_, b_, c_, d_);
    }
    // At t <= -1 (rounding below -1 included) the arc-cosine is π: the double root is the largest.
    const double theta = t <= -1 ? std::numbers::pi : ACos2(t.value());
    return (2.0 * rho * std::cos(theta / 3.0) - b / (3.0 * a)).value();
}

QuarticOutcome SolveQuarticEquation(std::vector<std::string> boxes)
{
    if (boxes.size() != 5) {
        throw std::invalid_argument("a quartic has five coefficient boxes");
    }
    QuarticOutcome outcome;
    cubic::FillEmptyBoxes(boxes);
    outcome.boxes = boxes;
    const std::optional<std::vector<double>> values =
        cubic::ReadCoefficients(boxes, kQuarticDialect.zeroDenominator, outcome.notices);
    if (!values) {
        return outcome;
    }
    const std::vector<double> &v = *values;
    if (v[0] == 0) {
        cubic::SolveCubicOrBelow(
            { boxes[1], boxes[2], boxes[3], boxes[4] }, { v[1], v[2], v[3], v[4] }, kQuarticDialect, outcome);
        return outcome;
    }
    try {
        outcome.display = SolveQuartic(outcome, v[0], v[1], v[2], v[3], v[4]);
        outcome.IsQuartic = true;
    } catch (const cubic::ArithmeticFailure &) {
        outcome.notices.push_back(cubic::Notice::InputError);
    }
    return outcome;
}

std::string CopySeparate(std::string_view OrigRoot)
{
    const std::size_t plus = OrigRoot.find('+');
    if (plus == std::string_view::npos || OrigRoot.size() < plus + 3) {
        return std::string(OrigRoot); // not a complex root text
    }
    if (plus == 0) { // purely imaginary: "+ 2i"
        return "± " + std::string(OrigRoot.substr(2));
    }
    const double re = cubic::ReadBack(OrigRoot.substr(0, plus - 1));
    const std::string_view imText = OrigRoot.substr(plus + 2, OrigRoot.size() - plus - 3);
    const double im = imText.empty() ? 1.0 : cubic::ReadBack(imText);
    return GeneralForm(re) + " ± " + GeneralForm(im) + "i";
}

std::string CopyLine(const QuarticOutcome &last,
    const std::vector<std::string> &boxes,
    const std::array<std::string, cubic::kMaxRows> &roots)
{
    if (!last.IsQuartic) {
        return cubic::CopyLine(last, boxes, roots);
    }
    std::string line = "{" + boxes[0] + "x^4 + " + boxes[1] + "x^3 + " + boxes[2] + "x^2 + " + boxes[3] + "x + "
        + boxes[4] + " = 0 | x = ";
    if (last.FourRealV) {
        line += roots[0] + "; " + roots[1] + "; " + roots[2] + "; " + roots[3];
    } else if (last.FirstRealSecondComplexV) {
        line += roots[0] + "; " + roots[1] + "; " + CopySeparate(roots[2]);
    } else if (last.FirstComplexSecondRealV) {
        line += CopySeparate(roots[0]) + "; " + roots[2] + "; " + roots[3];
    } else {
        line += CopySeparate(roots[0]) + "; " + CopySeparate(roots[2]);
    }
    return line + "}";
}

} // namespace quartic
