#pragma once
// The table of values: the run of x values the user asks for, and the table itself. The rows are not
// stored: each row's text is computed when it is asked for, so a table of millions of rows costs no more
// memory than one of ten. The build makes sure that no row overflows before the table is shown.

#include "frontend/core/equation.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools::analysis
{

using frontend::core::ComplexValue;
using frontend::core::Equation;

/// The most x values one table holds (what a list can still show and copy in reasonable time).
inline constexpr std::int64_t maxTableValues = 10'000'000;

/// The boxes of the table dialog, in the order they are checked.
enum class TableBox { OneFirst, OneLast, UserFirst, UserInterval, UserTotal };

enum class TableProblem {
    None,
    NotWholeNumbers, // whole-number mode: a box is not a whole number written plainly
    LastNotGreater, // whole-number mode: first >= last
    InputError, // user mode: a box does not read as a number
    TotalNotPositiveInteger,
    ZeroInterval, // user mode: the x values would never advance
    TooManyValues, // more than maxTableValues rows
};

/// x runs from `first` in `count` steps of `step`.
struct TableRun {
    double first = 0.0;
    double step = 1.0;
    std::int64_t count = 0;

    /// The x value of data row `i` (0-based), formed afresh so no rounding builds up along the run.
    double x(std::int64_t i) const { return first + static_cast<double>(i) * step; }
};

struct TableRequest {
    TableProblem problem = TableProblem::None;
    bool ConversionFailed = false; // a fraction divided by zero (user mode)
    TableBox focus = TableBox::OneFirst;
    TableRun run;
};

/// Whole-number mode: both boxes plain whole numbers, first < last; x = first, first + 1, ..., last.
TableRequest checkWholeNumberRun(std::string_view first, std::string_view last);
/// User mode: first value, interval (not zero) and a positive whole total.
TableRequest checkUserRun(std::string_view first, std::string_view interval, std::string_view total);

/// A built table: the heading row "x", tab, "y", an empty row, then one row per x value.
class ValueTable
{
public:
    ValueTable(std::vector<ComplexValue> coefficients, bool complex, TableRun run, std::size_t decimals);

    /// Heading, empty row and the data rows.
    std::int64_t rowCount() const { return m_run.count + 2; }
    /// Row text: x in general number form, a tab, then y.
    std::string row(std::int64_t index) const;
    const TableRun &run() const { return m_run; }
    bool isComplex() const { return m_isComplex; }
    /// The y value of data row `i` (0-based) as the rows show it: the real sum of terms, or complex Horner;
    /// not finite where it overflows.
    ComplexValue y(std::int64_t i) const;

    /// Whether a data row overflows, checked from the first row on (the build stops at the first).
    bool overflows() const;

private:
    std::string yText(double x) const;
    bool certainlyFinite() const;

    std::vector<ComplexValue> m_complex;
    std::vector<double> m_real;
    bool m_isComplex;
    TableRun m_run;
    std::size_t m_decimals;
};

/// The outcome of building a table: nothing with `EvalOverflow` when a row overflows.
struct TableBuild {
    bool EvalOverflow = false;
    std::optional<ValueTable> table;
};

/// The table for real coefficients (typed or from a file).
TableBuild CreateTableR(const Equation &equation, TableRun run, std::size_t decimals);
/// The table for complex coefficients: y reads "(re) + (im)i".
TableBuild CreateTableC(const Equation &equation, TableRun run, std::size_t decimals);

/// The copy text: the function text, an empty line, then every row, each line ended by CR LF. It passes
/// through the scratch file "CopyTemp.tmp" of the current folder (written, read back and deleted), as the
/// results window's copy does; nothing when that file cannot be created.
std::optional<std::string> tableCopyText(std::string_view functionText, const ValueTable &table);

} // namespace tools::analysis
