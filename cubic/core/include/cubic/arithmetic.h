#pragma once
// Checked arithmetic of the solve procedures. A division by zero, an overflow, the square root of a
// negative number or a number too large to show is a run-time failure: it ends the procedure at once
// and sends it to its failure path.

#include <compare>
#include <string>

namespace cubic
{

/// Thrown by the checked operations; caught only by the solve procedures.
struct ArithmeticFailure {
};

/// `value` itself, or a failure when it overflowed (infinite) or is undefined (NaN).
double Finite(double value);

/// A double whose every operation fails on overflow and on division by zero, so that formulas can be
/// written as they read.
class Checked
{
public:
    Checked(double value) // implicit: plain numbers mix freely into checked formulas
        : m_value(Finite(value))
    {
    }
    double value() const { return m_value; }

    friend Checked operator+(Checked x, Checked y) { return x.m_value + y.m_value; }
    friend Checked operator-(Checked x, Checked y) { return x.m_value - y.m_value; }
    friend Checked operator*(Checked x, Checked y) { return x.m_value * y.m_value; }
    friend Checked operator/(Checked x, Checked y);
    friend Checked operator-(Checked x) { return -x.m_value; }
    friend auto operator<=>(Checked x, Checked y) { return x.m_value <=> y.m_value; }
    friend bool operator==(Checked x, Checked y) { return x.m_value == y.m_value; }

private:
    double m_value;
};

/// A computed value with a bound on its error (a running error bound): each operation carries the errors
/// of its operands through and adds its own rounding. Where the exact value of a formula is zero for a
/// multiple root, a computed value within its bound cannot be told from zero: that is how the solvers tell
/// the rounding left by a multiple root from distinct roots, at any scale of the coefficients.
class Bounded
{
public:
    Bounded(double value, double error = 0) // implicit: exact constants mix into formulas
        : m_value(value)
        , m_error(error)
    {
    }
    Bounded(Checked value, double error = 0) // implicit, as above
        : m_value(value)
        , m_error(error)
    {
    }
    /// A coefficient read from its text: rounded once for a decimal, up to three times for a fraction
    /// (numerator, denominator, quotient).
    static Bounded Read(double value);

    double value() const { return m_value.value(); }
    double error() const { return m_error; }
    /// Whether the exact value may be zero. The bound is taken twice, as a margin for its own rounding:
    /// erring towards zero only widens by √2 the separation below which two roots count as one.
    bool MayBeZero() const;

    friend Bounded operator+(Bounded x, Bounded y);
    friend Bounded operator-(Bounded x, Bounded y);
    friend Bounded operator*(Bounded x, Bounded y);
    /// The bound is infinite when the divisor may be zero.
    friend Bounded operator/(Bounded x, Bounded y);
    friend Bounded operator-(Bounded x) { return Bounded(-x.m_value, x.m_error); }

private:
    Checked m_value;
    double m_error;
};

Checked Abs(Checked value);
Checked SquareRoot(Checked value);
/// The real cube root s·(s·y)^(1/3), s = -1 for y < 0 and 1 otherwise.
Checked CubeRoot(Checked y);
/// FormatNum, or a failure when the value cannot be shown.
std::string Shown(Checked value, int decimals);

} // namespace cubic
