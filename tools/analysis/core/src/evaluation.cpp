#include "tools/analysis/evaluation.h"

#include "frontend/core/creator.h"
#include "frontend/core/number_text.h"
#include "tools/analysis/x_values.h"

#include <cmath>

namespace tools::analysis
{

using frontend::core::ComplexAdd;
using frontend::core::ComplexMultiply;
using frontend::core::FormatNumber;
using frontend::core::trim;

Evaluation EvaluatePolynomial(const std::vector<ComplexValue> &coefficients, ComplexValue x)
{
    if (coefficients.empty()) {
        return { true, {} };
    }
    std::optional<ComplexValue> acc = coefficients.back();
    if (!std::isfinite(acc->re) || !std::isfinite(acc->im)) {
        return { true, {} };
    }
    for (std::size_t k = coefficients.size() - 1; k >= 1 && acc; --k) {
        acc = ComplexMultiply(*acc, x);
        if (acc) {
            acc = ComplexAdd(*acc, coefficients[k - 1]);
        }
    }
    if (!acc) {
        return { true, {} };
    }
    return { false, *acc };
}

Evaluation EvaluatePolynomial(const Equation &equation, ComplexValue x)
{
    return EvaluatePolynomial(equation.values, x);
}

std::optional<double> EvaluateRealAt(const std::vector<double> &coefficients, double x)
{
    double y = 0.0;
    for (std::size_t k = coefficients.size(); k-- > 0;) {
        const double term = coefficients[k] * std::pow(x, static_cast<double>(k));
        y += term;
        if (!std::isfinite(term) || !std::isfinite(y)) {
            return std::nullopt;
        }
    }
    return y;
}

std::optional<std::string> EvaluateComplexAt(
    const std::vector<ComplexValue> &coefficients, double x, std::size_t decimals)
{
    const Evaluation evaluation = EvaluatePolynomial(coefficients, { x, 0.0 });
    if (evaluation.EvalOverflow) {
        return std::nullopt;
    }
    return "(" + FormatNumber(evaluation.value.re, decimals) + ") + (" + FormatNumber(evaluation.value.im, decimals)
        + ")i";
}

std::vector<double> realParts(const std::vector<ComplexValue> &coefficients)
{
    std::vector<double> re;
    re.reserve(coefficients.size());
    for (const ComplexValue &c : coefficients) {
        re.push_back(c.re);
    }
    return re;
}

namespace
{

std::string xFactor(const std::string &re, const std::string &im)
{
    if (TextIsZero(im)) {
        return "(" + re + ")^";
    }
    if (TextIsZero(re)) {
        return "[(" + im + ")i]^";
    }
    return "[(" + re + ")+(" + im + ")i]^";
}

std::string coefficientText(const CoefficientTexts &texts, std::size_t power)
{
    if (!texts.complex) {
        return "(" + trim(texts.re[power]) + ")";
    }
    const std::string im = power < texts.im.size() ? trim(texts.im[power]) : std::string();
    return "[(" + trim(texts.re[power]) + ")+(" + im + ")i]";
}

std::string valuePart(const std::string &re, const std::string &im)
{
    if (TextIsZero(im)) {
        return "(" + re + ") = ";
    }
    if (TextIsZero(re)) {
        return "(" + im + ")i = ";
    }
    return "[(" + re + ") + (" + im + ")i] = ";
}

} // namespace

std::string evaluateCopyText(const EvaluateCopySource &source)
{
    const std::string x = xFactor(source.xRe, source.xIm);
    std::string text = valuePart(source.valueRe, source.valueIm);
    for (std::size_t k = source.coefficients.re.size(); k-- > 0;) {
        text += coefficientText(source.coefficients, k);
        if (k > 0) {
            text += "*" + x + std::to_string(k) + " + ";
        }
    }
    return text;
}

} // namespace tools::analysis
