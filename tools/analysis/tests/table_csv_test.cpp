#include "frontend/core/testing/equations.h"
#include "tools/analysis/table.h"
#include "tools/analysis/table_csv.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

using namespace tools::analysis;
using frontend::core::CoefficientTexts;
using frontend::core::testing::equationOf;

namespace
{

/// The CSV's lines, each split at its commas.
std::vector<std::vector<std::string>> cells(const std::string &csv)
{
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        std::vector<std::string> fields;
        std::size_t field = start;
        for (std::size_t comma; (comma = csv.find(',', field)) < end; field = comma + 1) {
            fields.push_back(csv.substr(field, comma - field));
        }
        fields.push_back(csv.substr(field, end - field));
        lines.push_back(fields);
        start = end + 2;
    }
    return lines;
}

double parsed(const std::string &text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

std::string csvOf(const ValueTable &table, std::size_t pieceBytes = 1 << 16)
{
    std::string csv;
    EXPECT_TRUE(writeTableCsv(
        table,
        [&csv](std::string_view piece) {
            csv.append(piece);
            return true;
        },
        pieceBytes));
    return csv;
}

TEST(TableCsv, ARealTableReadsBackToTheSameDoubles)
{
    // y = x^3/3 - 0.1 x + 1E-300 over x = -1, -0.9, ...: values that no short decimal holds exactly.
    const auto equation = equationOf(CoefficientTexts::real({ "1E-300", "-0.1", "0", "1/3" }));
    const auto table = CreateTableR(equation, { -1.0, 0.1, 21 }, 15).table;
    ASSERT_TRUE(table);
    const auto lines = cells(csvOf(*table));
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], (std::vector<std::string> { "x", "y" }));
    for (std::int64_t i = 0; i < 21; ++i) {
        const auto &line = lines[static_cast<std::size_t>(i) + 1];
        ASSERT_EQ(line.size(), 2u);
        EXPECT_EQ(parsed(line[0]), table->run().x(i));
        EXPECT_EQ(parsed(line[1]), table->y(i).re);
        EXPECT_EQ(line[0].find_first_of(" ;\t"), std::string::npos);
    }
    // The rows the window shows come from the same values.
    EXPECT_EQ(lines[1][0], "-1");
    EXPECT_EQ(parsed(lines[11][0]), -1.0 + 10 * 0.1);
}

TEST(TableCsv, AComplexTableHasBothParts)
{
    auto texts = CoefficientTexts::complexPairs({ "1", "1" }, { "-1", "2" });
    texts.complex = true;
    const auto table = CreateTableC(equationOf(texts), { 0.0, 0.5, 3 }, 15).table;
    ASSERT_TRUE(table);
    const auto lines = cells(csvOf(*table));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (std::vector<std::string> { "x", "y real part", "y imaginary part" }));
    // (1 - i) + (1 + 2i) x
    EXPECT_EQ(lines[1], (std::vector<std::string> { "0", "1", "-1" }));
    EXPECT_EQ(lines[2], (std::vector<std::string> { "0.5", "1.5", "0" }));
    EXPECT_EQ(lines[3], (std::vector<std::string> { "1", "2", "1" }));
}

TEST(TableCsv, WrittenInBoundedPiecesAndStoppedByAFailingTarget)
{
    const auto equation = equationOf(CoefficientTexts::real({ "0.5", "1" }));
    const auto table = CreateTableR(equation, { 0.0, 0.001, 5000 }, 15).table;
    ASSERT_TRUE(table);
    std::size_t pieces = 0;
    std::size_t largest = 0;
    std::string joined;
    ASSERT_TRUE(writeTableCsv(
        *table,
        [&](std::string_view piece) {
            ++pieces;
            largest = std::max(largest, piece.size());
            joined.append(piece);
            return true;
        },
        1024));
    EXPECT_GT(pieces, 10u);
    EXPECT_LT(largest, 1024u + 128u); // never much more than one piece held
    EXPECT_EQ(joined, csvOf(*table));

    int offered = 0;
    EXPECT_FALSE(writeTableCsv(
        *table,
        [&offered](std::string_view) {
            return ++offered < 3;
        },
        1024));
    EXPECT_EQ(offered, 3); // nothing more after the refusal
}

} // namespace
