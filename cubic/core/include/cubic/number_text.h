#pragma once
// Coefficient texts read into numbers, and numbers written as the solvers show them.

#include <optional>
#include <string>
#include <string_view>

namespace cubic
{

/// What a fraction with a zero denominator ("2/0") does to a solve.
enum class ZeroDenominator {
    ReadAsZero, ///< reported, then read as 0 so the solve goes on (cubic solver)
    Refuse, ///< reported, then refused like unreadable text (quartic solver)
};

/// The settings in which the cubic and the quartic solver differ.
struct Dialect {
    int decimals; ///< at most this many digits after the point in a shown number
    ZeroDenominator zeroDenominator;
};

inline constexpr Dialect kCubicDialect { 9, ZeroDenominator::ReadAsZero };

/// A plain number: optional blanks, optional sign, digits with an optional ".", optional exponent
/// ("1.23", "-4", ".5", "1.2E-3"), optional blanks. Nothing when the text is not such a number or
/// its value overflows; a value too small for a double reads as 0.
std::optional<double> ReadPlainNumber(std::string_view text);

/// The number read back from a text the solver has shown (always a FormatNum output); 0 if unreadable.
double ReadBack(std::string_view shown);

/// Outcome of reading one coefficient box.
struct Reading {
    double value = 0;
    bool StringError = false; ///< unreadable: the input-error report is due and the solve stops
    bool DivisionByZero = false; ///< a zero denominator was met: its message is due
};

/// Reads a coefficient text in decimal, fractional ("1/2.3") or exponential form; empty text is 0.
Reading FracToDec(std::string_view FractionArg, ZeroDenominator rule);

/// The display form of a number: rounded to at most `decimals` digits after the point (after keeping 15
/// significant digits), no trailing zeros, no exponent. Nothing when |value| >= 2^96 or not finite.
std::optional<std::string> FormatNum(double AnswerT, int decimals);

} // namespace cubic
