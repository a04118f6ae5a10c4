#include "frontend/core/number_text.h"
#include "frontend/core/testing/equations.h"
#include "platform/test_folder.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>

using namespace tools::analysis;
using frontend::core::CoefficientTexts;
using frontend::core::generalNumberText;
using frontend::core::testing::equationOf;

namespace
{

struct RunCase {
    const char *name;
    bool wholeNumbers;
    std::vector<std::string> texts;
    TableProblem problem;
    TableBox focus;
    bool conversionFailed;
};

void PrintTo(const RunCase &c, std::ostream *out)
{
    *out << c.name;
}

class TableRequestCases : public ::testing::TestWithParam<RunCase>
{
};

TEST_P(TableRequestCases, AreRefusedAtTheRightBox)
{
    const RunCase &c = GetParam();
    const TableRequest request =
        c.wholeNumbers ? checkWholeNumberRun(c.texts[0], c.texts[1]) : checkUserRun(c.texts[0], c.texts[1], c.texts[2]);
    EXPECT_EQ(request.problem, c.problem) << c.name;
    EXPECT_EQ(request.ConversionFailed, c.conversionFailed) << c.name;
    if (c.problem != TableProblem::None) {
        EXPECT_EQ(request.focus, c.focus) << c.name;
    }
}

using P = TableProblem;
using B = TableBox;
INSTANTIATE_TEST_SUITE_P(Checks,
    TableRequestCases,
    ::testing::Values(RunCase { "whole numbers", true, { "1", "3" }, P::None, B::OneFirst, false },
        RunCase { "whole in exponent form", true, { "-1E2", " 2 " }, P::None, B::OneFirst, false },
        RunCase { "first fractional", true, { "1.5", "3" }, P::NotWholeNumbers, B::OneFirst, false },
        RunCase { "fraction form", true, { "1", "3/1" }, P::NotWholeNumbers, B::OneLast, false },
        RunCase { "empty first", true, { "", "3" }, P::NotWholeNumbers, B::OneFirst, false },
        RunCase { "plain texts checked before wholeness", true, { "1.5", "x" }, P::NotWholeNumbers, B::OneLast, false },
        RunCase { "last fractional", true, { "1", "2.5" }, P::NotWholeNumbers, B::OneLast, false },
        RunCase { "first above last", true, { "3", "1" }, P::LastNotGreater, B::OneLast, false },
        RunCase { "first equals last", true, { "2", "2" }, P::LastNotGreater, B::OneLast, false },
        RunCase { "endless run", true, { "-1E300", "1E300" }, P::TooManyValues, B::OneLast, false },
        RunCase { "user run", false, { "0", "0.1", "11" }, P::None, B::UserFirst, false },
        RunCase { "negative fractional interval", false, { "1", "-1/3", "4" }, P::None, B::UserFirst, false },
        RunCase { "empty interval", false, { "0", "", "11" }, P::InputError, B::UserInterval, false },
        RunCase { "empty first", false, { "", "1", "11" }, P::InputError, B::UserFirst, false },
        RunCase { "total divides by zero", false, { "0", "1", "1/0" }, P::InputError, B::UserTotal, true },
        RunCase { "fractional total", false, { "0", "1", "2.5" }, P::TotalNotPositiveInteger, B::UserTotal, false },
        RunCase { "zero total", false, { "0", "1", "0" }, P::TotalNotPositiveInteger, B::UserTotal, false },
        RunCase { "negative total", false, { "0", "1", "-3" }, P::TotalNotPositiveInteger, B::UserTotal, false },
        RunCase { "zero interval", false, { "0", "0", "5" }, P::ZeroInterval, B::UserInterval, false },
        RunCase { "zero interval as fraction", false, { "0", "0/7", "1" }, P::ZeroInterval, B::UserInterval, false },
        RunCase { "too many", false, { "0", "1", "1E8" }, P::TooManyValues, B::UserTotal, false }),
    [](const auto &info) {
        return std::to_string(info.index);
    });

std::vector<std::string> rows(const ValueTable &table)
{
    std::vector<std::string> out;
    for (std::int64_t i = 0; i < table.rowCount(); ++i) {
        out.push_back(table.row(i));
    }
    return out;
}

TEST(ValueTable, WholeNumberRowsFollowTheHeadingAndAnEmptyRow)
{
    const TableRequest request = checkWholeNumberRun("1", "3");
    const TableBuild build = CreateTableR(equationOf(CoefficientTexts::real({ "0.5", "0", "1/2" })), request.run, 15);
    ASSERT_TRUE(build.table);
    EXPECT_EQ(rows(*build.table), (std::vector<std::string> { "x\ty", "", "1\t1", "2\t2.5", "3\t5" }));
}

TEST(ValueTable, UserRunEndsOnItsLastValueWithoutDrift)
{
    const TableBuild small =
        CreateTableR(equationOf(CoefficientTexts::real({ "0", "1" })), checkUserRun("0", "0.1", "11").run, 15);
    ASSERT_TRUE(small.table);
    const auto texts = rows(*small.table);
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ(texts[3], "0.1\t0.1");
    EXPECT_EQ(texts.back(), "1\t1");

    // Ten thousand steps of 0.1 added one by one end at 1000.0000000001588; the table shows 1000.
    const TableBuild large =
        CreateTableR(equationOf(CoefficientTexts::real({ "0", "1" })), checkUserRun("0", "0.1", "10001").run, 15);
    ASSERT_TRUE(large.table);
    EXPECT_EQ(large.table->row(large.table->rowCount() - 1), "1000\t1,000");

    const TableBuild down =
        CreateTableR(equationOf(CoefficientTexts::real({ "1", "1" })), checkUserRun("1", "-1/2", "3").run, 2);
    ASSERT_TRUE(down.table);
    EXPECT_EQ(rows(*down.table), (std::vector<std::string> { "x\ty", "", "1\t2", "0.5\t1.5", "0\t1" }));
}

TEST(ValueTable, ComplexRowsShowBothParts)
{
    const TableBuild build = CreateTableC(
        equationOf(CoefficientTexts::complexPairs({ "1", "1" }, { "-1", "2" })), checkWholeNumberRun("0", "1").run, 15);
    ASSERT_TRUE(build.table);
    EXPECT_EQ(rows(*build.table), (std::vector<std::string> { "x\ty", "", "0\t(1) + (-1)i", "1\t(2) + (1)i" }));
}

TEST(ValueTable, AMillionRowsAreComputedOnDemand)
{
    const TableBuild build =
        CreateTableR(equationOf(CoefficientTexts::real({ "1", "0", "1" })), checkUserRun("0", "1", "1000000").run, 15);
    ASSERT_TRUE(build.table);
    EXPECT_EQ(build.table->rowCount(), 1000002);
    EXPECT_EQ(build.table->row(1000001), "999999\t999,998,000,002");
}

TEST(ValueTable, AnOverflowingRowStopsTheBuild)
{
    // x^2 is fine up to x = 1E154 and overflows at 2E154, the last row; then an overflow in the sum only.
    const TableRun run = checkUserRun("1", "1E154", "3").run;
    EXPECT_TRUE(CreateTableR(equationOf(CoefficientTexts::real({ "0", "0", "1" })), run, 15).EvalOverflow);
    EXPECT_TRUE(CreateTableC(equationOf(CoefficientTexts::complexPairs({ "0", "0", "1" }, {})), run, 15).EvalOverflow);
    EXPECT_TRUE(CreateTableR(
        equationOf(CoefficientTexts::real({ "1.7E308", "1.7E308" })), checkWholeNumberRun("-1", "1").run, 15)
                    .EvalOverflow);
    EXPECT_TRUE(CreateTableR(equationOf(CoefficientTexts::real({ "1", "junk" })), run, 15).EvalOverflow);
    EXPECT_FALSE(
        CreateTableR(equationOf(CoefficientTexts::real({ "1E300", "1" })), checkWholeNumberRun("-1", "1").run, 15)
            .EvalOverflow);
}

// The build skips trying the rows when a bound shows none can overflow. Whatever the bound decides, the
// outcome must be the one trying every row gives; runs are drawn near the edge of the double range.
TEST(ValueTable, BuildAgreesWithTryingEveryRow)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto signed10 = [&](double exponent) {
        return (unit(random) < 0.5 ? -1.0 : 1.0) * std::pow(10.0, exponent);
    };
    int overflowing = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const int degree = 1 + static_cast<int>(unit(random) * 6);
        const double xExponent = unit(random) * 60.0 - 5.0;
        const double target = 280.0 + unit(random) * 40.0; // around the largest double's 308
        std::vector<std::string> re;
        std::vector<std::string> im;
        for (int k = 0; k <= degree; ++k) {
            const double exponent = std::min(300.0, target - k * std::max(0.0, xExponent)) - unit(random) * 3.0;
            re.push_back(generalNumberText(signed10(exponent)));
            im.push_back(generalNumberText(unit(random) < 0.5 ? 0.0 : signed10(exponent)));
        }
        const TableRun run { signed10(xExponent),
            signed10(xExponent - unit(random) * 2.0),
            1 + static_cast<std::int64_t>(unit(random) * 20) };
        const bool complex = trial % 2 == 1;
        const CoefficientTexts texts = complex ? CoefficientTexts::complexPairs(re, im) : CoefficientTexts::real(re);
        const frontend::core::Equation equation = equationOf(texts);
        const std::vector<ComplexValue> &values = equation.values;
        bool anyRow = false;
        for (std::int64_t i = 0; i < run.count && !anyRow; ++i) {
            anyRow = complex ? EvaluatePolynomial(values, { run.x(i), 0.0 }).EvalOverflow
                             : !EvaluateRealAt(realParts(values), run.x(i));
        }
        const TableBuild build = complex ? CreateTableC(equation, run, 15) : CreateTableR(equation, run, 15);
        ASSERT_EQ(build.EvalOverflow, anyRow) << "trial " << trial;
        overflowing += anyRow ? 1 : 0;
    }
    // Both outcomes must be well represented, or the test says nothing about the edge.
    EXPECT_GT(overflowing, 300);
    EXPECT_LT(overflowing, 2700);
}

// The scratch file goes to the current folder: each test works in a folder of its own.
class TableCopy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        dir = platform::testing::freshTestFolder("kovalin-table-");
        std::filesystem::current_path(dir);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }

    ValueTable table() const
    {
        return *CreateTableR(equationOf(CoefficientTexts::real({ "1", "2" })), checkWholeNumberRun("1", "2").run, 15)
                    .table;
    }

    std::filesystem::path previous;
    std::filesystem::path dir;
    const std::filesystem::path scratch = "CopyTemp.tmp";
    const std::string expected = "y = (2)*x^1 + (1)\r\n\r\nx\ty\r\n\r\n1\t3\r\n2\t5\r\n";
};

TEST_F(TableCopy, PassesThroughTheScratchFileAndDeletesIt)
{
    platform::testing::writeBytes(scratch, "an older, longer scratch file that must be replaced entirely\n");
    EXPECT_EQ(tableCopyText("y = (2)*x^1 + (1)", table()), expected);
    EXPECT_FALSE(std::filesystem::exists(scratch));
}

TEST_F(TableCopy, GivesNothingWhenTheScratchFileCannotBeCreated)
{
    std::filesystem::create_directory(scratch); // a folder where the file should go
    EXPECT_EQ(tableCopyText("y = (2)*x^1 + (1)", table()), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(scratch));
}

TEST_F(TableCopy, NeverWritesThroughALink)
{
    const auto target = platform::testing::writeBytes(dir / "precious.txt", "keep");
    std::filesystem::create_symlink(target, scratch);
    EXPECT_EQ(tableCopyText("y = (2)*x^1 + (1)", table()), std::nullopt);
    EXPECT_EQ(platform::testing::fileBytes(target), "keep");
    EXPECT_TRUE(std::filesystem::is_symlink(scratch));
}

} // namespace
