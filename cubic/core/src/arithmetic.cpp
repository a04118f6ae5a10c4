#include "cubic/arithmetic.h"

#include "cubic/number_text.h"

#include <cmath>

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
