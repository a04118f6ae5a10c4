#include "tools/analysis/table_csv.h"

#include <charconv>
#include <string>

namespace tools::analysis
{
namespace
{

constexpr std::string_view lineEnd = "\r\n";

/// The shortest text that reads back as the same double ("0.1", "-2.5e-07", "inf").
void appendNumber(std::string &out, double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    out.append(text, error == std::errc() ? end : text);
}

} // namespace

std::string_view tableCsvHeader(bool complex)
{
    return complex ? "x,y real part,y imaginary part" : "x,y";
}

bool writeTableCsv(const ValueTable &table, const CsvSink &sink, std::size_t pieceBytes)
{
    std::string piece;
    piece.reserve(pieceBytes + 128);
    piece.append(tableCsvHeader(table.isComplex())).append(lineEnd);
    const TableRun &run = table.run();
    for (std::int64_t i = 0; i < run.count; ++i) {
        const ComplexValue y = table.y(i);
        appendNumber(piece, run.x(i));
        piece.push_back(',');
        appendNumber(piece, y.re);
        if (table.isComplex()) {
            piece.push_back(',');
            appendNumber(piece, y.im);
        }
        piece.append(lineEnd);
        if (piece.size() >= pieceBytes) {
            if (!sink(piece)) {
                return false;
            }
            piece.clear();
        }
    }
    return piece.empty() || sink(piece);
}

} // namespace tools::analysis
