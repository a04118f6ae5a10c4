#pragma once
// The table of values as CSV, for spreadsheets and other programs: a header row, then x and y (real and
// imaginary part for complex coefficients) of every row, each number in the shortest text that reads back
// as the same double, "." as the decimal point. It is written in pieces, so a table of any length takes
// no more memory than one piece.

#include "tools/analysis/table.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace tools::analysis
{

/// Takes the next piece of the text; false stops the writing (the target failed).
using CsvSink = std::function<bool(std::string_view piece)>;

/// The header row: "x,y", or "x,y real part,y imaginary part" for a complex table.
std::string_view tableCsvHeader(bool complex);

/// Writes the whole table to `sink` in pieces of about `pieceBytes`, lines ended by CR LF. False when the
/// sink refused a piece.
bool writeTableCsv(const ValueTable &table, const CsvSink &sink, std::size_t pieceBytes = 1 << 16);

} // namespace tools::analysis
