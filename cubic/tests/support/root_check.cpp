#include "root_check.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

namespace closed_form_testing
{
namespace
{

std::optional<double> number(std::string_view text)
{
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "Wi" or "i" (= 1i).
std::optional<double> imaginaryPart(std::string_view text)
{
    if (text.empty() || text.back() != 'i') {
        return std::nullopt;
    }
    text.remove_suffix(1);
    return text.empty() ? std::optional<double>(1.0) : number(text);
}

using Long = std::complex<long double>;

// p(z) and its derivatives divided by k!: the Taylor coefficients of p at z.
std::vector<Long> taylorAt(const std::vector<double> &coefficients, Long z)
{
    std::vector<Long> work(coefficients.begin(), coefficients.end());
    std::vector<Long> taylor;
    while (!work.empty()) {
        Long value = 0;
        std::vector<Long> quotient;
        for (const Long &c : work) {
            value = value * z + c;
            quotient.push_back(value);
        }
        quotient.pop_back(); // synthetic division: what is left is p(z), the rest the quotient
        taylor.push_back(value);
        work = quotient;
    }
    return taylor;
}

} // namespace

std::optional<std::complex<double>> ParseShownRoot(std::string_view text)
{
    if (text.starts_with("+ ") || text.starts_with("- ")) {
        const std::optional<double> imaginary = imaginaryPart(text.substr(2));
        if (!imaginary) {
            return std::nullopt;
        }
        return std::complex<double>(0.0, text.front() == '-' ? -*imaginary : *imaginary);
    }
    for (const std::string_view separator : { " + ", " - " }) {
        const std::size_t at = text.find(separator);
        if (at != std::string_view::npos) {
            const std::optional<double> real = number(text.substr(0, at));
            const std::optional<double> imaginary = imaginaryPart(text.substr(at + 3));
            if (!real || !imaginary) {
                return std::nullopt;
            }
            return std::complex<double>(*real, separator == " - " ? -*imaginary : *imaginary);
        }
    }
    const std::optional<double> real = number(text);
    if (!real) {
        return std::nullopt;
    }
    return std::complex<double>(*real, 0.0);
}

RootCheck CheckShownRoot(const std::vector<double> &coefficients, std::complex<double> root, int decimals)
{
    const Long z(static_cast<long double>(root.real()), static_cast<long double>(root.imag()));
    // Half a unit of the last shown decimal, or of the fifteenth significant digit, in each part.
    const long double half = 0.5L * std::pow(10.0L, -decimals) + 5E-15L * std::abs(z);
    const long double rho = half * std::sqrt(2.0L);
    const std::vector<Long> taylor = taylorAt(coefficients, z);
    long double allowed = 0;
    for (std::size_t k = 1; k < taylor.size(); ++k) {
        allowed += std::abs(taylor[k]) * std::pow(rho, static_cast<long double>(k));
    }
    long double terms = 0;
    long double power = 1;
    for (auto c = coefficients.rbegin(); c != coefficients.rend(); ++c) {
        terms += std::fabs(static_cast<long double>(*c)) * power;
        power *= std::abs(z);
    }
    allowed += 1E-12L * terms;
    RootCheck check;
    check.residual = static_cast<double>(std::abs(taylor[0]));
    check.tolerance = static_cast<double>(allowed);
    check.ok = std::abs(taylor[0]) <= allowed;
    return check;
}

bool SumMatches(const std::vector<double> &coefficients, const std::vector<std::complex<double>> &roots, int decimals)
{
    std::complex<long double> sum = 0;
    long double size = 0;
    for (const std::complex<double> &root : roots) {
        sum += std::complex<long double>(static_cast<long double>(root.real()), static_cast<long double>(root.imag()));
        size += static_cast<long double>(std::abs(root));
    }
    const long double expected = -static_cast<long double>(coefficients[1]) / static_cast<long double>(coefficients[0]);
    const long double half = 0.5L * std::pow(10.0L, -decimals);
    const long double allowed = static_cast<long double>(roots.size()) * half * 2 + 1E-12L * size;
    return std::abs(sum - expected) <= allowed;
}

TypedEquation Typed(std::vector<std::string> texts)
{
    TypedEquation equation;
    for (const std::string &text : texts) {
        equation.values.push_back(number(text).value_or(std::numeric_limits<double>::quiet_NaN()));
    }
    equation.texts = std::move(texts);
    return equation;
}

int CheckShownRoots(const TypedEquation &equation, const cubic::Display &display, int decimals)
{
    const std::size_t degree = equation.values.size() - 1;
    std::vector<std::complex<double>> roots;
    int faults = 0;
    for (std::size_t row = 0; row < degree; ++row) {
        const std::string &shown = display.roots[row];
        const std::optional<std::complex<double>> root = ParseShownRoot(shown);
        if (!root) {
            ADD_FAILURE() << equation.describe() << ": row " << row + 1 << " shows \"" << shown << "\"";
            ++faults;
            continue;
        }
        roots.push_back(*root);
        const RootCheck check = CheckShownRoot(equation.values, *root, decimals);
        if (!check.ok) {
            ADD_FAILURE() << equation.describe() << ": row " << row + 1 << " \"" << shown << "\" leaves "
                          << check.residual << ", more than " << check.tolerance;
            ++faults;
        }
    }
    if (roots.size() == degree && !SumMatches(equation.values, roots, decimals)) {
        ADD_FAILURE() << equation.describe() << ": the shown roots do not add up to -b/a";
        ++faults;
    }
    return faults;
}

int CheckSolvedEquations(
    const std::vector<TypedEquation> &equations, const Solver &solve, int decimals, std::size_t leadingZeros)
{
    int faults = 0;
    for (const TypedEquation &equation : equations) {
        std::vector<std::string> boxes(leadingZeros, "0");
        boxes.insert(boxes.end(), equation.texts.begin(), equation.texts.end());
        const std::optional<cubic::Display> display = solve(boxes);
        if (!display) {
            ADD_FAILURE() << equation.describe() << " was refused";
            ++faults;
            continue;
        }
        faults += CheckShownRoots(equation, *display, decimals);
    }
    return faults;
}

std::vector<TypedEquation> Typed(const std::vector<std::vector<std::string>> &equations)
{
    std::vector<TypedEquation> typed;
    for (const std::vector<std::string> &texts : equations) {
        typed.push_back(Typed(texts));
    }
    return typed;
}

std::string TypedEquation::describe() const
{
    std::ostringstream text;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        text << (i ? ", " : "") << texts[i];
    }
    return text.str();
}

namespace
{

std::string shortest(double value)
{
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return std::string(buffer, result.ptr);
}

TypedEquation fromValues(std::vector<double> values)
{
    TypedEquation equation;
    for (const double value : values) {
        equation.texts.push_back(shortest(value));
    }
    equation.values = std::move(values);
    return equation;
}

// Multiplies `polynomial` (leading first) by x² + b·x + c, or by x + b when `c` is absent.
std::vector<double> times(const std::vector<double> &polynomial, std::vector<double> factor)
{
    std::vector<double> product(polynomial.size() + factor.size() - 1, 0.0);
    for (std::size_t i = 0; i < polynomial.size(); ++i) {
        for (std::size_t j = 0; j < factor.size(); ++j) {
            product[i + j] += polynomial[i] * factor[j];
        }
    }
    return product;
}

} // namespace

TypedEquation RandomEquation(std::mt19937 &engine, int degree, int family)
{
    std::uniform_int_distribution<int> whole(-20, 20);
    std::vector<double> values;
    switch (family % 4) {
    case 0:
        do {
            values.clear();
            for (int i = 0; i <= degree; ++i) {
                values.push_back(whole(engine));
            }
        } while (values.front() == 0);
        return fromValues(values);
    case 1: {
        std::uniform_int_distribution<int> thousandths(-50000, 50000);
        do {
            values.clear();
            for (int i = 0; i <= degree; ++i) {
                values.push_back(thousandths(engine) / 1000.0);
            }
        } while (values.front() == 0);
        std::vector<std::string> texts;
        for (const double value : values) {
            std::ostringstream text;
            text.precision(3);
            text << std::fixed << value;
            texts.push_back(text.str());
        }
        return Typed(std::move(texts));
    }
    case 2: {
        // Close roots (hundredths apart, or a pair a few thousandths off the axis), sometimes with a
        // root at 0, under a leading coefficient from 1E-4 to 1E4.
        std::uniform_int_distribution<int> hundredths(-300, 300);
        std::uniform_int_distribution<int> spread(0, 8);
        std::uniform_int_distribution<int> thousandths(1, 5);
        std::uniform_int_distribution<int> scale(-4, 4);
        std::uniform_int_distribution<int> pick(0, 3);
        values = { std::pow(10.0, scale(engine)) };
        const double centre = hundredths(engine) / 100.0;
        int placed = 0;
        if (pick(engine) == 0) {
            values = times(values, { 1.0, 0.0 });
            ++placed;
        }
        if (degree - placed >= 2 && pick(engine) < 2) {
            const double im = thousandths(engine) / 1000.0;
            values = times(values, { 1.0, -2 * centre, centre * centre + im * im });
            placed += 2;
        }
        for (; placed < degree; ++placed) {
            values = times(values, { 1.0, -(centre + spread(engine) / 100.0) });
        }
        return fromValues(values);
    }
    default: {
        std::uniform_int_distribution<int> halves(-12, 12);
        std::uniform_int_distribution<int> lead(-4, 4);
        std::uniform_int_distribution<int> pick(0, 2);
        std::uniform_int_distribution<int> imaginary(1, 8);
        do {
            values = { static_cast<double>(lead(engine)) };
        } while (values.front() == 0);
        int placed = 0;
        while (placed < degree) {
            if (degree - placed >= 2 && pick(engine) == 0) {
                const double re = halves(engine) / 2.0;
                const double im = imaginary(engine) / 2.0;
                values = times(values, { 1.0, -2 * re, re * re + im * im });
                placed += 2;
            } else {
                values = times(values, { 1.0, -halves(engine) / 2.0 });
                ++placed;
            }
        }
        return fromValues(values);
    }
    }
}

std::vector<TypedEquation> RandomEquations(unsigned seed, int degree, int count)
{
    std::mt19937 engine(seed);
    std::vector<TypedEquation> equations;
    for (int i = 0; i < count; ++i) {
        equations.push_back(RandomEquation(engine, degree, i));
    }
    return equations;
}

} // namespace closed_form_testing
