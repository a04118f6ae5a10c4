#include "frontend/core/creator.h"

#include "frontend/core/coefficient_file.h"
#include "frontend/core/number_text.h"

#include <cmath>

namespace frontend::core
{
namespace
{

std::optional<ComplexValue> finite(ComplexValue value)
{
    if (!std::isfinite(value.re) || !std::isfinite(value.im)) {
        return std::nullopt;
    }
    return value;
}

ComplexValue negated(ComplexValue value)
{
    return { -value.re, -value.im };
}

/// c - p r, the step that multiplies a coefficient pair by (x - r).
std::optional<ComplexValue> minusProduct(ComplexValue c, ComplexValue p, ComplexValue r)
{
    const auto product = ComplexMultiply(p, r);
    return product ? ComplexAdd(c, negated(*product)) : std::nullopt;
}

std::string complexEntry(const std::string &re, const std::string &im)
{
    return "(" + trim(re) + ") + (" + trim(im) + ")i";
}

std::string powerSuffix(int power)
{
    return "*x^" + std::to_string(power) + " + ";
}

/// The shown and saved texts of one coefficient (without its power).
struct Term {
    std::string shown;
    std::string saved;
};

Term term(ComplexValue c, bool complex, std::size_t decimals)
{
    if (complex) {
        return { "[(" + FormatNumber(c.re, decimals) + ") + (" + FormatNumber(c.im, decimals) + ")i]",
            generalNumberText(c.re) + "," + generalNumberText(c.im) };
    }
    return { "(" + FormatNumber(c.re, decimals) + ")", generalNumberText(c.re) };
}

} // namespace

std::optional<ComplexValue> ComplexMultiply(ComplexValue x, ComplexValue y)
{
    return finite({ x.re * y.re - x.im * y.im, x.im * y.re + x.re * y.im });
}

std::optional<ComplexValue> ComplexAdd(ComplexValue x, ComplexValue y)
{
    return finite({ x.re + y.re, x.im + y.im });
}

CreatorRoots TypedCreatorRoots(const CoefficientTexts &checked)
{
    CreatorRoots out;
    for (std::size_t at = 0; at < checked.re.size(); ++at) {
        const std::string &re = checked.re[at];
        const std::string &im = at < checked.im.size() ? checked.im[at] : std::string();
        const NumberValue imaginary = ReadNumber(im).value;
        // "0.0" makes the display complex (a text compare) yet lists the root as real (a numeric one).
        out.RealResult = out.RealResult && imaginary.readsAsZero();
        const double real = ReadNumber(re).value.toDouble();
        if (imaginary.toDouble() == 0.0) {
            out.entries.push_back("(" + trim(re) + ")");
            out.roots.push_back({ real, 0.0 });
        } else {
            out.entries.push_back(complexEntry(re, im));
            out.roots.push_back({ real, imaginary.toDouble() });
        }
    }
    return out;
}

CreatorRoots FileCreatorRoots(const RootsFile &file)
{
    CreatorRoots out;
    for (std::size_t k = 1; k < file.lines.size() && k <= file.roots.size(); ++k) {
        const auto [re, im] = SplitComplexLine(file.lines[k]);
        const ComplexValue root = file.roots[k - 1];
        out.RealResult = out.RealResult && ReadNumber(im).value.readsAsZero();
        if (root.im == 0.0) {
            // The general number text puts a blank where a non-negative number has no sign.
            out.entries.push_back("(" + std::string(root.re >= 0.0 ? " " : "") + generalNumberText(root.re) + ")");
        } else {
            out.entries.push_back(complexEntry(re, im));
        }
        out.roots.push_back(root);
    }
    return out;
}

std::optional<std::vector<ComplexValue>> ExpandRoots(ComplexValue leading, const std::vector<ComplexValue> &roots)
{
    if (roots.empty()) {
        return std::vector<ComplexValue> { leading };
    }
    const auto first = ComplexMultiply(leading, roots[0]);
    if (!first) {
        return std::nullopt;
    }
    std::vector<ComplexValue> c { negated(*first), leading };
    for (std::size_t k = 2; k <= roots.size(); ++k) {
        const ComplexValue r = roots[k - 1];
        std::vector<ComplexValue> d(k + 1);
        d[k] = c[k - 1];
        const auto constant = ComplexMultiply(c[0], r);
        if (!constant) {
            return std::nullopt;
        }
        d[0] = negated(*constant);
        for (std::size_t j = 1; j < k; ++j) {
            const auto next = minusProduct(c[j - 1], c[j], r);
            if (!next) {
                return std::nullopt;
            }
            d[j] = *next;
        }
        c = std::move(d);
    }
    return c;
}

bool ComplexDisplay(ComplexValue leading, bool realResult)
{
    return leading.im != 0.0 || !realResult;
}

std::optional<CreatedEquation> ShowCreatedEquation(
    ComplexValue leading, const CreatorRoots &roots, std::size_t decimals)
{
    const auto coefficients = ExpandRoots(leading, roots.roots);
    if (!coefficients) {
        return std::nullopt;
    }
    const bool complex = ComplexDisplay(leading, roots.RealResult);
    CreatedEquation out;
    out.equationText = "0 = ";
    for (int i = static_cast<int>(coefficients->size()) - 1; i >= 0; --i) {
        const Term t = term((*coefficients)[static_cast<std::size_t>(i)], complex, decimals);
        const std::string power = i > 0 ? powerSuffix(i) : std::string("= 0");
        out.equationText += t.shown + (i > 0 ? power : std::string());
        out.listEntries.push_back(t.shown + "\t" + power);
        out.CreatedLines.push_back(t.saved + "\t" + power);
    }
    return out;
}

std::vector<std::string> CreatedFileLines(const CreatedEquation &equation)
{
    std::vector<std::string> lines { savedDegreeLine(static_cast<int>(equation.CreatedLines.size()) - 1) };
    lines.insert(lines.end(), equation.CreatedLines.begin(), equation.CreatedLines.end());
    return lines;
}

} // namespace frontend::core
