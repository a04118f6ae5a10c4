#include "tools/analysis/table.h"

#include "frontend/core/copy_text.h"
#include "frontend/core/number_text.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/x_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tools::analysis
{

using frontend::core::FormatNumber;
using frontend::core::generalNumberText;
using frontend::core::isNumeric;
using frontend::core::leadingNumber;

namespace
{

TableRequest refused(TableProblem problem, TableBox focus, bool conversionFailed = false)
{
    TableRequest request;
    request.problem = problem;
    request.focus = focus;
    request.ConversionFailed = conversionFailed;
    return request;
}

bool isWhole(double value)
{
    return std::isfinite(value) && value == std::floor(value);
}

} // namespace

TableRequest checkWholeNumberRun(std::string_view first, std::string_view last)
{
    if (!isNumeric(first)) {
        return refused(TableProblem::NotWholeNumbers, TableBox::OneFirst);
    }
    if (!isNumeric(last)) {
        return refused(TableProblem::NotWholeNumbers, TableBox::OneLast);
    }
    const double a = leadingNumber(first);
    const double b = leadingNumber(last);
    if (!isWhole(a)) {
        return refused(TableProblem::NotWholeNumbers, TableBox::OneFirst);
    }
    if (!isWhole(b)) {
        return refused(TableProblem::NotWholeNumbers, TableBox::OneLast);
    }
    if (a >= b) {
        return refused(TableProblem::LastNotGreater, TableBox::OneLast);
    }
    const double count = b - a + 1.0;
    if (!(count <= static_cast<double>(maxTableValues))) {
        return refused(TableProblem::TooManyValues, TableBox::OneLast);
    }
    TableRequest request;
    request.run = { a, 1.0, static_cast<std::int64_t>(count) };
    return request;
}

TableRequest checkUserRun(std::string_view first, std::string_view interval, std::string_view total)
{
    const XValuesCheck read =
        CheckXValues({ std::string(first), std::string(interval), std::string(total) }, ReadMode::Strict, false);
    if (read.EntryError) {
        constexpr TableBox boxes[] = { TableBox::UserFirst, TableBox::UserInterval, TableBox::UserTotal };
        return refused(TableProblem::InputError, boxes[read.focus.value_or(0)], read.ConversionFailed);
    }
    const double a = read.values[0];
    const double d = read.values[1];
    const double n = read.values[2];
    if (!(n > 0.0) || !isWhole(n)) {
        return refused(TableProblem::TotalNotPositiveInteger, TableBox::UserTotal);
    }
    if (n > static_cast<double>(maxTableValues)) {
        return refused(TableProblem::TooManyValues, TableBox::UserTotal);
    }
    if (d == 0.0) {
        return refused(TableProblem::ZeroInterval, TableBox::UserInterval);
    }
    TableRequest request;
    request.run = { a, d, static_cast<std::int64_t>(n) };
    return request;
}

ValueTable::ValueTable(std::vector<ComplexValue> coefficients, bool complex, TableRun run, std::size_t decimals)
    : m_complex(std::move(coefficients))
    , m_real(realParts(m_complex))
    , m_isComplex(complex)
    , m_run(run)
    , m_decimals(decimals)
{
}

std::string ValueTable::yText(double x) const
{
    if (m_isComplex) {
        return EvaluateComplexAt(m_complex, x, m_decimals).value_or("Overflow");
    }
    return FormatNumber(EvaluateRealAt(m_real, x).value_or(std::numeric_limits<double>::infinity()), m_decimals);
}

ComplexValue ValueTable::y(std::int64_t i) const
{
    const double x = m_run.x(i);
    constexpr double inf = std::numeric_limits<double>::infinity();
    if (m_isComplex) {
        const Evaluation value = EvaluatePolynomial(m_complex, { x, 0.0 });
        return value.EvalOverflow ? ComplexValue { inf, inf } : value.value;
    }
    return { EvaluateRealAt(m_real, x).value_or(inf), 0.0 };
}

std::string ValueTable::row(std::int64_t index) const
{
    if (index == 0) {
        return "x\ty";
    }
    if (index == 1 || index < 0 || index >= rowCount()) {
        return {};
    }
    const double x = m_run.x(index - 2);
    return generalNumberText(x) + "\t" + yText(x);
}

bool ValueTable::certainlyFinite() const
{
    // Every term and every partial result, Horner's included, stays below sum |c_k| * M^k with M the larger of
    // 1 and the largest |x| (the run is linear, so that is one of its ends). Far enough below the largest
    // double, no row can overflow and none needs to be tried.
    if (m_run.count <= 0) {
        return true;
    }
    const double ends = std::max(std::fabs(m_run.x(0)), std::fabs(m_run.x(m_run.count - 1)));
    const double m = std::max(1.0, ends);
    double bound = 0.0;
    for (std::size_t k = 0; k < m_complex.size(); ++k) {
        bound += std::hypot(m_complex[k].re, m_complex[k].im) * std::pow(m, static_cast<double>(k));
    }
    return std::isfinite(bound) && bound <= std::numeric_limits<double>::max() / 1024.0;
}

bool ValueTable::overflows() const
{
    if (certainlyFinite()) {
        return false;
    }
    for (std::int64_t i = 0; i < m_run.count; ++i) {
        const double x = m_run.x(i);
        const bool failed = m_isComplex ? EvaluatePolynomial(m_complex, { x, 0.0 }).EvalOverflow
                                        : !EvaluateRealAt(m_real, x).has_value();
        if (failed) {
            return true;
        }
    }
    return false;
}

namespace
{

TableBuild createTable(const Equation &equation, bool complex, TableRun run, std::size_t decimals)
{
    ValueTable table(equation.values, complex, run, decimals);
    if (table.overflows()) {
        return { true, std::nullopt };
    }
    return { false, std::move(table) };
}

std::string copyTextInMemory(std::string_view functionText, const ValueTable &table)
{
    constexpr std::string_view lineEnd = "\r\n";
    std::string text;
    text.append(functionText).append(lineEnd).append(lineEnd);
    for (std::int64_t i = 0; i < table.rowCount(); ++i) {
        text.append(table.row(i)).append(lineEnd);
    }
    return text;
}

} // namespace

TableBuild CreateTableR(const Equation &equation, TableRun run, std::size_t decimals)
{
    return createTable(equation, false, run, decimals);
}

TableBuild CreateTableC(const Equation &equation, TableRun run, std::size_t decimals)
{
    return createTable(equation, true, run, decimals);
}

std::optional<std::string> tableCopyText(std::string_view functionText, const ValueTable &table)
{
    return frontend::core::CopyTextThroughScratch(copyTextInMemory(functionText, table));
}

} // namespace tools::analysis
