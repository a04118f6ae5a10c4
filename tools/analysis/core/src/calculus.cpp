#include "tools/analysis/calculus.h"

#include "frontend/core/number_text.h"

#include <cmath>

namespace tools::analysis
{

using frontend::core::FormatNumber;
using frontend::core::generalNumberText;

DiffRequest CheckDiffRequest(const std::string &text)
{
    DiffRequest request;
    if (text == "x") {
        return request;
    }
    const XValuesCheck check = CheckXValues({ text }, ReadMode::Lenient, true);
    request.EntryError = check.EntryError;
    request.ConversionFailed = check.ConversionFailed;
    request.zeroed = !check.zeroed.empty();
    if (!check.EntryError) {
        request.x = check.values[0];
    }
    return request;
}

IntegRequest CheckIntegRequest(const std::string &first, const std::string &second)
{
    IntegRequest request;
    const bool firstOpen = first == "x";
    const bool secondOpen = second == "x";
    if (firstOpen != secondOpen) {
        request.missing = firstOpen ? MissingValue::First : MissingValue::Second;
    } else if (!firstOpen) {
        request.limits = CheckLimits(first, second, 1);
    }
    return request;
}

std::optional<std::vector<double>> DerivativeCoefficients(const std::vector<double> &c)
{
    if (c.size() < 2) {
        return std::vector<double> { 0.0 };
    }
    std::vector<double> d(c.size() - 1);
    for (std::size_t k = c.size() - 1; k >= 1; --k) {
        d[k - 1] = c[k] * static_cast<double>(k);
        if (!std::isfinite(d[k - 1])) {
            return std::nullopt;
        }
    }
    return d;
}

std::vector<double> IntegralCoefficients(const std::vector<double> &c)
{
    std::vector<double> integral(c.size());
    for (std::size_t k = c.size(); k-- > 0;) {
        integral[k] = c[k] / static_cast<double>(k + 1);
    }
    return integral;
}

std::optional<double> Slope(const std::vector<double> &c, double x)
{
    if (x == 0.0) {
        return c.size() > 1 ? c[1] : 0.0;
    }
    double s = 0.0;
    for (std::size_t k = c.size(); k-- > 1;) {
        s += static_cast<double>(k) * c[k] * std::pow(x, static_cast<double>(k - 1));
        if (!std::isfinite(s)) {
            return std::nullopt;
        }
    }
    return s;
}

namespace
{

/// sum of q_k x^(k+1) from the highest power down; nothing on overflow.
std::optional<double> antiderivativeAt(const std::vector<double> &q, double x)
{
    double sum = 0.0;
    for (std::size_t k = q.size(); k-- > 0;) {
        sum += q[k] * std::pow(x, static_cast<double>(k + 1));
        if (!std::isfinite(sum)) {
            return std::nullopt;
        }
    }
    return sum;
}

const std::vector<double> zeroPolynomial { 0.0 };

CalculusResult overflowed()
{
    CalculusResult result;
    result.overflow = true;
    return result;
}

std::string power(std::size_t k)
{
    return std::to_string(k);
}

} // namespace

std::optional<double> DefiniteIntegral(const std::vector<double> &c, double x1, double x2)
{
    const std::vector<double> q = IntegralCoefficients(c);
    const auto a = antiderivativeAt(q, x2);
    const auto b = a ? antiderivativeAt(q, x1) : std::nullopt;
    if (!b || !std::isfinite(*a - *b)) {
        return std::nullopt;
    }
    return *a - *b;
}

CalculusResult CreateDer(const std::vector<double> &coefficients, std::size_t decimals)
{
    const std::vector<double> &d = coefficients.empty() ? zeroPolynomial : coefficients;
    CalculusResult result;
    result.degree = static_cast<int>(d.size()) - 1;
    std::string terms;
    for (std::size_t k = d.size() - 1; k >= 1; --k) {
        terms += "(" + FormatNumber(d[k], decimals) + ")*x^" + power(k) + " + ";
        result.list.push_back(generalNumberText(d[k]) + "\t*x^" + power(k) + " + ");
    }
    terms += "(" + FormatNumber(d[0], decimals) + ")";
    result.list.push_back(generalNumberText(d[0]) + "\t= f'(x)");
    result.line = "f'(x) = " + terms;
    return result;
}

CalculusResult CreateInt(const std::vector<double> &coefficients, std::size_t decimals)
{
    const std::vector<double> &integral = coefficients.empty() ? zeroPolynomial : coefficients;
    CalculusResult result;
    result.degree = static_cast<int>(integral.size());
    std::string terms;
    for (std::size_t p = integral.size(); p >= 2; --p) {
        terms += "(" + FormatNumber(integral[p - 1], decimals) + ")*x^" + power(p) + " + ";
        result.list.push_back(generalNumberText(integral[p - 1]) + "\t*x^" + power(p) + " + ");
    }
    terms += "(" + FormatNumber(integral[0], decimals) + ")*x^1";
    result.list.push_back(generalNumberText(integral[0]) + "\t*x^1 + C = F(x)");
    result.line = "F(x) = " + terms + " + C";
    return result;
}

CalculusResult Differentiate(const std::vector<double> &c, std::optional<double> x, std::size_t decimals)
{
    std::optional<double> slope;
    if (x) {
        slope = Slope(c, *x);
        if (!slope) {
            return overflowed();
        }
    }
    const auto d = DerivativeCoefficients(c);
    if (!d) {
        return overflowed();
    }
    CalculusResult result = CreateDer(*d, decimals);
    if (slope) {
        result.pointValue = FormatNumber(*slope, decimals);
    }
    return result;
}

CalculusResult Integrate(
    const std::vector<double> &c, std::optional<std::pair<double, double>> limits, std::size_t decimals)
{
    std::optional<double> area;
    if (limits) {
        area = DefiniteIntegral(c, limits->first, limits->second);
        if (!area) {
            return overflowed();
        }
    }
    CalculusResult result = CreateInt(IntegralCoefficients(c), decimals);
    if (area) {
        result.pointValue = FormatNumber(*area, decimals);
    }
    return result;
}

std::vector<std::string> CalculusFileLines(CalculusKind kind, const CalculusResult &result)
{
    std::vector<std::string> lines;
    lines.reserve(result.list.size() + 1);
    lines.push_back(std::to_string(result.degree) + "\t"
        + (kind == CalculusKind::Derivative ? "degree of derivative's function" : "degree of integral's function"));
    lines.insert(lines.end(), result.list.begin(), result.list.end());
    return lines;
}

} // namespace tools::analysis
