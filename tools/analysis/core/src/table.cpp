#include "tools/analysis/table.h"

#include "frontend/core/number_text.h"
#include "platform/exchange_files.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/x_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <system_error>

namespace tools::analysis
{

using frontend::core::FormatNumber;
using frontend::core::GeneralNumberText;
using frontend::core::IsNumeric;
using frontend::core::LeadingNumber;

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

TableRequest CheckWholeNumberRun(std::string_view first, std::string_view last)
{
    if (!IsNumeric(first)) {
        return refused(TableProblem::NotWholeNumbers, TableBox::OneFirst);
    }
    if (!IsNumeric(last)) {
        return refused(TableProblem::NotWholeNumbers, TableBox::OneLast);
    }
    const double a = LeadingNumber(first);
    const double b = LeadingNumber(last);
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

TableRequest CheckUserRun(std::string_view first, std::string_view interval, std::string_view total)
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
    , m_real(RealParts(m_complex))
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

std::string ValueTable::row(std::int64_t index) const
{
    if (index == 0) {
        return "x\ty";
    }
    if (index == 1 || index < 0 || index >= rowCount()) {
        return {};
    }
    const double x = m_run.x(index - 2);
    return GeneralNumberText(x) + "\t" + yText(x);
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

TableBuild createTable(const CoefficientTexts &texts, bool complex, TableRun run, std::size_t decimals)
{
    auto coefficients = frontend::core::CoefficientValues(texts);
    if (!coefficients) {
        return { true, std::nullopt };
    }
    ValueTable table(std::move(*coefficients), complex, run, decimals);
    if (table.overflows()) {
        return { true, std::nullopt };
    }
    return { false, std::move(table) };
}

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::string_view lineEnd = "\r\n";

bool writeLine(std::FILE *file, std::string_view line)
{
    // An empty row has no characters to write (and fwrite must not see its null pointer).
    return (line.empty() || std::fwrite(line.data(), 1, line.size(), file) == line.size())
        && std::fwrite(lineEnd.data(), 1, lineEnd.size(), file) == lineEnd.size();
}

enum class Written { NotOpened, Failed, Complete };

/// Opening never follows a link, so a planted link cannot redirect the rows into another file.
Written writeCopyFile(const std::filesystem::path &path, std::string_view functionText, const ValueTable &table)
{
    File file(platform::openExchangeFile(path, platform::FileMode::Write));
    if (!file) {
        return Written::NotOpened;
    }
    bool ok = writeLine(file.get(), functionText) && writeLine(file.get(), {});
    for (std::int64_t i = 0; ok && i < table.rowCount(); ++i) {
        ok = writeLine(file.get(), table.row(i));
    }
    ok = std::fclose(file.release()) == 0 && ok;
    return ok ? Written::Complete : Written::Failed;
}

std::optional<std::string> readWhole(const std::filesystem::path &path)
{
    File file(platform::openExchangeFile(path, platform::FileMode::Read));
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return text;
}

std::string copyTextInMemory(std::string_view functionText, const ValueTable &table)
{
    std::string text;
    text.append(functionText).append(lineEnd).append(lineEnd);
    for (std::int64_t i = 0; i < table.rowCount(); ++i) {
        text.append(table.row(i)).append(lineEnd);
    }
    return text;
}

} // namespace

TableBuild CreateTableR(const CoefficientTexts &texts, TableRun run, std::size_t decimals)
{
    return createTable(texts, false, run, decimals);
}

TableBuild CreateTableC(const CoefficientTexts &texts, TableRun run, std::size_t decimals)
{
    return createTable(texts, true, run, decimals);
}

std::string TableCopyText(const std::filesystem::path &scratch, std::string_view functionText, const ValueTable &table)
{
    std::optional<std::string> text;
    const Written written = writeCopyFile(scratch, functionText, table);
    if (written == Written::Complete) {
        text = readWhole(scratch);
    }
    if (written != Written::NotOpened) {
        std::error_code ignored;
        std::filesystem::remove(scratch, ignored);
    }
    // The scratch file is only a detour: an unwritable folder must not keep the table off the clipboard.
    return text ? std::move(*text) : copyTextInMemory(functionText, table);
}

} // namespace tools::analysis
