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

Checked Abs(Checked value);
Checked SquareRoot(Checked value);
/// The real cube root s·(s·y)^(1/3), s = -1 for y < 0 and 1 otherwise.
Checked CubeRoot(Checked y);
/// FormatNum, or a failure when the value cannot be shown.
std::string Shown(Checked value, int decimals);

} // namespace cubic
