#include "frontend/core/equation.h"

#include "frontend/core/number_text.h"

namespace frontend::core
{
namespace
{

/// Reads one text, noting a division by zero the way every check must.
ReadOutcome readNoting(const std::string &text, Notices &notices, bool &conversionFailed)
{
    ReadOutcome read = ReadNumber(text);
    if (read.ConversionFailed) {
        notices.push_back(Notice::DivisionByZero);
        conversionFailed = true;
    }
    return read;
}

void fail(EntryCheck &check, Notice notice, BoxRef box)
{
    check.notices.push_back(notice);
    check.focus = box;
    check.EntryError = true;
}

/// Fills an empty box with "0".
void fill(EntryCheck &check, std::string &text, BoxRef box)
{
    if (text.empty()) {
        text = "0";
        check.filledWithZero.push_back(box);
    }
}

/// The value of a numeric text; nothing when it does not read as a number.
std::optional<double> readValue(EntryCheck &check, const std::string &text)
{
    const NumberValue value = readNoting(text, check.notices, check.ConversionFailed).value;
    return value.isNumeric() ? std::optional<double>(value.toDouble()) : std::nullopt;
}

void checkReal(EntryCheck &check)
{
    auto &re = check.texts.re;
    const int n = check.texts.degree();
    const NumberValue leading = readNoting(re[n], check.notices, check.ConversionFailed).value;
    if (leading.isFailed() || leading.readsAsZero()) {
        fail(check, leading.isFailed() ? Notice::LeadingNotNumeric : Notice::LeadingZero, { BoxRef::Array::CR, n });
        return;
    }
    check.values[static_cast<std::size_t>(n)].re = leading.toDouble();
    for (int i = n - 1; i >= 0; --i) {
        const BoxRef box { BoxRef::Array::CR, i };
        fill(check, re[i], box);
        const auto value = readValue(check, re[i]);
        if (!value) {
            fail(check, Notice::CoefficientInput, box);
            return;
        }
        check.values[static_cast<std::size_t>(i)].re = *value;
    }
}

/// The box holding the other part of a pair.
BoxRef imaginaryOf(BoxRef real)
{
    return { real.array == BoxRef::Array::CRA ? BoxRef::Array::CRB : BoxRef::Array::CCB, real.index };
}

/// Fills the empty parts of the pair at `at` with "0", then checks the real part and the imaginary part.
bool pairPasses(EntryCheck &check, std::size_t at, BoxRef real, Notice notice)
{
    const BoxRef imaginary = imaginaryOf(real);
    fill(check, check.texts.re[at], real);
    fill(check, check.texts.im[at], imaginary);
    const auto re = readValue(check, check.texts.re[at]);
    if (!re) {
        fail(check, notice, real);
        return false;
    }
    const auto im = readValue(check, check.texts.im[at]);
    if (!im) {
        fail(check, notice, imaginary);
        return false;
    }
    check.values[at] = { *re, *im };
    return true;
}

void checkComplex(EntryCheck &check)
{
    auto &re = check.texts.re;
    auto &im = check.texts.im;
    const int n = check.texts.degree();
    // Both parts are read (and may each report a division by zero) before the leading pair is judged.
    const NumberValue a = readNoting(re[n], check.notices, check.ConversionFailed).value;
    const NumberValue b = readNoting(im[n], check.notices, check.ConversionFailed).value;
    if (a.isFailed() || b.isFailed()) {
        fail(check, Notice::ComplexLeadingNotNumeric, { BoxRef::Array::CCA, n });
        return;
    }
    if (a.readsAsZero() && b.readsAsZero()) {
        fail(check, Notice::ComplexLeadingZero, { BoxRef::Array::CCA, n });
        return;
    }
    check.values[static_cast<std::size_t>(n)] = { a.toDouble(), b.toDouble() };
    for (int i = n - 1; i >= 0; --i) {
        if (!pairPasses(check, static_cast<std::size_t>(i), { BoxRef::Array::CCA, i }, Notice::CoefficientInput)) {
            return;
        }
    }
}

std::string realTerm(const std::string &text)
{
    return "(" + trim(text) + ")";
}

std::string complexTerm(const std::string &re, const std::string &im)
{
    return "[(" + trim(re) + ")+(" + trim(im) + ")i]";
}

} // namespace

CoefficientTexts CoefficientTexts::real(std::vector<std::string> re)
{
    return { false, std::move(re), {} };
}

CoefficientTexts CoefficientTexts::complexPairs(std::vector<std::string> re, std::vector<std::string> im)
{
    im.resize(re.size());
    return { true, std::move(re), std::move(im) };
}

std::string BuildEquationText(const CoefficientTexts &texts)
{
    std::string text;
    for (int i = texts.degree(); i >= 0; --i) {
        const auto power = static_cast<std::size_t>(i);
        text += texts.complex ? complexTerm(texts.re[power], texts.im[power]) : realTerm(texts.re[power]);
        if (i > 0) {
            text += "*x^" + std::to_string(i) + " + ";
        }
    }
    return text;
}

EntryCheck CheckNumericValues(CoefficientTexts texts)
{
    EntryCheck check;
    check.texts = std::move(texts);
    if (check.texts.re.empty()) { // no boxes: nothing that could be used
        check.EntryError = true;
        return check;
    }
    check.values.resize(check.texts.re.size());
    if (check.texts.complex) {
        check.texts.im.resize(check.texts.re.size());
        checkComplex(check);
    } else {
        checkReal(check);
    }
    return check;
}

EntryCheck CheckNumericValuesCreate(CoefficientTexts roots)
{
    EntryCheck check;
    check.texts = std::move(roots);
    check.texts.im.resize(check.texts.re.size());
    check.values.resize(check.texts.re.size());
    for (std::size_t at = 0; at < check.texts.re.size(); ++at) {
        const BoxRef real { BoxRef::Array::CRA, static_cast<int>(at) + 1 };
        if (!pairPasses(check, at, real, Notice::RootsInput)) {
            break;
        }
    }
    return check;
}

Equation makeEquation(std::string degreeText, CoefficientTexts texts, std::vector<ComplexValue> values)
{
    Equation equation;
    equation.degree = texts.degree();
    equation.degreeText = std::move(degreeText);
    equation.text = BuildEquationText(texts);
    equation.texts = std::move(texts);
    equation.values = std::move(values);
    return equation;
}

} // namespace frontend::core
