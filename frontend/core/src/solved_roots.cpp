#include "frontend/core/solved_roots.h"

#include "frontend/core/engine_exchange.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace frontend::core
{
namespace
{

std::string scientific(double value)
{
    std::array<char, 32> text {};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific, 1).ptr;
    return std::string(text.data(), end);
}

double parsed(const std::string &text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    // Only a bound near the largest double rounds beyond it, which is still above the bound.
    return result.ec == std::errc::result_out_of_range ? std::numeric_limits<double>::infinity() : value;
}

} // namespace

SolvedRoots solvedRoots(const Equation &equation, const std::vector<ComplexValue> &roots, std::size_t decimals)
{
    SolvedRoots solved;
    solved.decimals = decimals;
    for (const ComplexValue &root : roots) {
        solved.values.emplace_back(root.re, root.im);
        bool imaginary = false;
        if (!isPlaceholder(root)) {
            rootEntry(root, decimals, imaginary);
        }
        solved.imaginary.push_back(imaginary);
    }
    if (equation.isComplex()) {
        std::vector<std::complex<double>> coefficients;
        for (const ComplexValue &c : equation.values) {
            coefficients.emplace_back(c.re, c.im);
        }
        solved.accuracy = RootAccuracyOf(coefficients, solved.values);
    } else {
        std::vector<double> coefficients;
        for (const ComplexValue &c : equation.values) {
            coefficients.push_back(c.re);
        }
        solved.accuracy = RootAccuracyOf(coefficients, solved.values);
    }
    return solved;
}

std::string boundText(double bound)
{
    if (!std::isfinite(bound)) {
        return {};
    }
    if (bound == 0.0) {
        return "0";
    }
    std::string text = scientific(bound);
    // Rounded to the nearest it may have gone down: one unit of its last digit up keeps it a bound.
    if (parsed(text) < bound) {
        const double unit = std::pow(10.0, std::floor(std::log10(parsed(text))) - 1.0);
        text = scientific(parsed(text) + unit); // a whole unit above: its own rounding cannot take it back
    }
    return text;
}

std::string multiplicityText(int multiplicity)
{
    return "\u00d7" + std::to_string(multiplicity);
}

std::string pointText(std::complex<double> value, std::size_t decimals)
{
    bool imaginary = false;
    return rootEntry({ value.real(), value.imag() }, decimals, imaginary);
}

} // namespace frontend::core
