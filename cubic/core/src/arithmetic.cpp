#include "cubic/arithmetic.h"

#include "cubic/number_text.h"

#include <cmath>
#include <limits>

namespace cubic
{

double Finite(double value)
{
    if (!std::isfinite(value)) {
        throw ArithmeticFailure {};
    }
    return value;
}

Checked operator/(Checked x, Checked y)
{
    if (y.m_value == 0) {
        throw ArithmeticFailure {};
    }
    return x.m_value / y.m_value;
}

namespace
{

// The unit roundoff: a rounded operation is off by at most this much relative to its result.
constexpr double kUnitRoundoff = std::numeric_limits<double>::epsilon() / 2;

// The error bound of a result: the operands' share, plus the rounding of the result itself.
Bounded withRounding(Checked value, double carried)
{
    return Bounded(value, carried + kUnitRoundoff * std::fabs(value.value()));
}

} // namespace

Bounded Bounded::Read(double value)
{
    return Bounded(value, 3 * kUnitRoundoff * std::fabs(value));
}

bool Bounded::MayBeZero() const
{
    return std::fabs(value()) <= 2 * m_error;
}

Bounded operator+(Bounded x, Bounded y)
{
    return withRounding(x.m_value + y.m_value, x.m_error + y.m_error);
}

Bounded operator-(Bounded x, Bounded y)
{
    return withRounding(x.m_value - y.m_value, x.m_error + y.m_error);
}

Bounded operator*(Bounded x, Bounded y)
{
    const double carried = std::fabs(x.value()) * y.m_error + std::fabs(y.value()) * x.m_error + x.m_error * y.m_error;
    return withRounding(x.m_value * y.m_value, carried);
}

Bounded operator/(Bounded x, Bounded y)
{
    const Checked quotient = x.m_value / y.m_value;
    // |x̃/ỹ - x/y| <= (|x̃ - x| + |x̃/ỹ|·|ỹ - y|) / |y|, and |y| >= |ỹ| - error of ỹ.
    const double divisor = std::fabs(y.value()) - y.m_error;
    const double carried = divisor > 0 ? (x.m_error + std::fabs(quotient.value()) * y.m_error) / divisor
                                       : std::numeric_limits<double>::infinity();
    return withRounding(quotient, carried);
}

Checked Abs(Checked value)
{
    return std::fabs(value.value());
}

Checked SquareRoot(Checked value)
{
    if (value < 0) {
        throw ArithmeticFailure {};
    }
    return std::sqrt(value.value());
}

Checked CubeRoot(Checked y)
{
    const double sign = y < 0 ? -1.0 : 1.0;
    return sign * std::pow(sign * y.value(), 1.0 / 3.0);
}

std::string Shown(Checked value, int decimals)
{
    std::optional<std::string> text = FormatNum(value.value(), decimals);
    if (!text) {
        throw ArithmeticFailure {};
    }
    return std::move(*text);
}

} // namespace cubic
