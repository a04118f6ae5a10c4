#include "cli/coefficient_input.h"

#include "frontend/core/text_file.h"

#include <cmath>
#include <optional>

namespace cli
{
namespace
{

/// Splits text into lines, without their CR LF or LF ends.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

/// The line without leading blanks, cut at its next blank or tab (the rest is a comment).
std::string_view cutAtBlank(std::string_view line)
{
    while (!line.empty() && isBlank(line.front())) {
        line.remove_prefix(1);
    }
    std::size_t end = 0;
    while (end < line.size() && !isBlank(line[end])) {
        ++end;
    }
    return line.substr(0, end);
}

/// The text in quotes, its start only when it is long (a line of a damaged file may run to megabytes).
std::string quoted(std::string_view text)
{
    constexpr std::size_t most = 40;
    if (text.size() <= most) {
        return "\"" + std::string(text) + "\"";
    }
    std::size_t cut = most;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut; // not inside a UTF-8 character
    }
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

InputError numberError(int line, std::string_view what, std::string_view text, const char *problem)
{
    return { line, std::string(what) + " " + quoted(text) + " is " + problem };
}

/// A coefficient written as a number or "re,im" (an empty part beside the comma is 0, as in the desktop solver).
std::variant<std::complex<double>, InputError> readCoefficient(std::string_view text, int line)
{
    const std::size_t comma = text.find(',');
    const std::string_view re = text.substr(0, comma);
    const NumberRead real =
        comma != std::string_view::npos && re.empty() ? NumberRead { 0.0, nullptr } : ReadCoefficientNumber(re);
    if (real.problem) {
        return numberError(line, "the coefficient", text, real.problem);
    }
    if (comma == std::string_view::npos) {
        return std::complex<double>(real.value, 0.0);
    }
    const std::string_view im = text.substr(comma + 1);
    if (im.empty()) {
        return std::complex<double>(real.value, 0.0);
    }
    const NumberRead imaginary = ReadCoefficientNumber(im);
    if (imaginary.problem) {
        return numberError(line, "the imaginary part of", text, imaginary.problem);
    }
    return std::complex<double>(real.value, imaginary.value);
}

/// The degree line's value when it is a positive whole number within the solver's range.
std::variant<int, InputError> readDegree(std::string_view text, bool complex)
{
    const NumberRead read = text.find('/') == std::string_view::npos ? ReadCoefficientNumber(text)
                                                                     : NumberRead { 0.0, "not a whole number" };
    if (read.problem) {
        return numberError(1, "the degree", text, read.problem);
    }
    if (!(read.value > 0.0) || std::floor(read.value) != read.value) {
        return InputError { 1, "the degree " + quoted(text) + " is not a positive whole number" };
    }
    const int most = complex ? maxComplexDegree : maxRealDegree;
    if (read.value > most) {
        return InputError { 1,
            "the degree " + quoted(text) + " is beyond the " + (complex ? "complex" : "real")
                + " solver's range (at most " + std::to_string(most) + ")" };
    }
    return static_cast<int>(read.value);
}

/// The coefficients read leading first, checked and stored from the constant term up.
ParsedInput polynomialOf(std::vector<std::complex<double>> leadingFirst, bool complex, int leadingLine)
{
    if (leadingFirst.front() == 0.0) {
        return InputError { leadingLine, "the leading coefficient is 0" };
    }
    Polynomial polynomial;
    polynomial.complex = complex;
    polynomial.coefficients.assign(leadingFirst.rbegin(), leadingFirst.rend());
    return polynomial;
}

} // namespace

ParsedInput ParseCoefficientText(std::string_view text)
{
    text = frontend::core::withoutByteOrderMark(text); // as the desktop solver reads a file
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty() || cutAtBlank(lines[0]).empty()) {
        return InputError { 1, "the first line must hold the degree" };
    }
    const bool complex = text.find(',') != std::string_view::npos;
    const auto degree = readDegree(cutAtBlank(lines[0]), complex);
    if (const auto *error = std::get_if<InputError>(&degree)) {
        return *error;
    }
    const int n = std::get<int>(degree);
    std::vector<std::complex<double>> coefficients;
    for (int power = n; power >= 0; --power) {
        const auto index = static_cast<std::size_t>(n - power + 1);
        const int line = static_cast<int>(index) + 1;
        if (index >= lines.size()) {
            return InputError { line,
                "the file ends before the coefficient of x^" + std::to_string(power) + " (degree " + std::to_string(n)
                    + " needs " + std::to_string(n + 1) + " coefficients)" };
        }
        const std::string_view cut = cutAtBlank(lines[index]);
        if (cut.empty()) {
            return InputError { line,
                "an empty line where the coefficient of x^" + std::to_string(power) + " belongs" };
        }
        auto coefficient = readCoefficient(cut, line);
        if (const auto *error = std::get_if<InputError>(&coefficient)) {
            return *error;
        }
        coefficients.push_back(std::get<std::complex<double>>(coefficient));
    }
    return polynomialOf(std::move(coefficients), complex, 2);
}

ParsedInput ParseCoefficientArguments(const std::vector<std::string> &arguments)
{
    if (arguments.size() < 2) {
        return InputError { 0, "at least two coefficients are needed (degree 1 or more)" };
    }
    bool complex = false;
    for (const std::string &argument : arguments) {
        complex = complex || argument.find(',') != std::string::npos;
    }
    const int most = complex ? maxComplexDegree : maxRealDegree;
    if (static_cast<int>(arguments.size()) - 1 > most) {
        return InputError { 0,
            std::to_string(arguments.size()) + " coefficients give a degree beyond the "
                + (complex ? "complex" : "real") + " solver's range (at most " + std::to_string(most) + ")" };
    }
    std::vector<std::complex<double>> coefficients;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        auto coefficient = readCoefficient(arguments[i], static_cast<int>(i) + 1);
        if (const auto *error = std::get_if<InputError>(&coefficient)) {
            return *error;
        }
        coefficients.push_back(std::get<std::complex<double>>(coefficient));
    }
    return polynomialOf(std::move(coefficients), complex, 1);
}

} // namespace cli
