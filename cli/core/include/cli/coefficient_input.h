#pragma once
// Equations as the command-line program takes them: coefficient files in the solver's own format (the degree on
// the first line, then one coefficient per line from the leading one down, "re,im" for a complex one; whatever
// follows a blank or tab is a comment; a comma anywhere makes the file complex), or coefficients given as
// arguments, leading one first.

#include <complex>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli
{

/// Degrees the engine's root finders take.
inline constexpr int maxRealDegree = 100;
inline constexpr int maxComplexDegree = 49;

struct Polynomial {
    bool complex = false;
    std::vector<std::complex<double>> coefficients; // from the constant term up; the leading one is not 0

    int degree() const { return static_cast<int>(coefficients.size()) - 1; }
};

/// Why an input cannot be solved: a one-line message and the line it concerns (1-based; 0 when no one line is to
/// blame). For arguments, `line` is the argument's position among the coefficients.
struct InputError {
    int line = 0;
    std::string message;
};

using ParsedInput = std::variant<Polynomial, InputError>;

/// A coefficient file's text (CR LF or LF line ends).
ParsedInput ParseCoefficientText(std::string_view text);
/// Coefficients given on the command line, leading one first, each a number or "re,im".
ParsedInput ParseCoefficientArguments(const std::vector<std::string> &arguments);

/// One number as the solver reads it (decimal, fraction "1/3", exponent "1.5E-3"); the reason when it is not one.
struct NumberRead {
    double value = 0.0;
    const char *problem = nullptr; // nullptr when the text is a number
};
NumberRead ReadCoefficientNumber(std::string_view text);

} // namespace cli
