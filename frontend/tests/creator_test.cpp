// The equation creator's core: the check of typed roots, the product multiplied out, the real and complex
// displays, the saved lines, and the copy text through the scratch file.

#include "frontend/core/coefficient_file.h"
#include "frontend/core/copy_text.h"
#include "frontend/core/creator.h"
#include "frontend/core/rows.h"
#include "frontend/core/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

using namespace frontend::core;
namespace fs = std::filesystem;

namespace
{

CoefficientTexts roots(std::vector<std::string> re, std::vector<std::string> im)
{
    return CoefficientTexts::complexPairs(std::move(re), std::move(im));
}

CreatedEquation created(ComplexValue leading, const CreatorRoots &given, std::size_t decimals = 15)
{
    const auto equation = ShowCreatedEquation(leading, given, decimals);
    EXPECT_TRUE(equation);
    return equation.value_or(CreatedEquation {});
}

} // namespace

TEST(CheckNumericValuesCreate, FillsEmptyPartsAndStopsAtTheFirstBadBox)
{
    const EntryCheck fine = CheckNumericValuesCreate(roots({ "1", "" }, { "", "2/4" }));
    EXPECT_FALSE(fine.EntryError);
    EXPECT_EQ(fine.texts.re, (std::vector<std::string> { "1", "0" }));
    EXPECT_EQ(fine.texts.im, (std::vector<std::string> { "0", "2/4" }));
    EXPECT_EQ(fine.filledWithZero, (std::vector<BoxRef> { { BoxRef::Array::CRB, 1 }, { BoxRef::Array::CRA, 2 } }));

    const EntryCheck bad = CheckNumericValuesCreate(roots({ "1", "2", "x" }, { "0", "abc", "0" }));
    EXPECT_TRUE(bad.EntryError);
    EXPECT_EQ(bad.notices, (Notices { Notice::RootsInput }));
    EXPECT_EQ(bad.focus, (BoxRef { BoxRef::Array::CRB, 2 }));

    const EntryCheck division = CheckNumericValuesCreate(roots({ "1/0" }, { "0" }));
    EXPECT_TRUE(division.ConversionFailed);
    EXPECT_EQ(division.notices, (Notices { Notice::DivisionByZero, Notice::RootsInput }));
    EXPECT_EQ(division.focus, (BoxRef { BoxRef::Array::CRA, 1 }));
}

TEST(TypedCreatorRoots, ZeroPointZeroIsAComplexDisplayOfARealRoot)
{
    const CreatorRoots given = TypedCreatorRoots(roots({ " 1 ", "2", "-1/2" }, { "0", "0.0", "3" }));
    EXPECT_FALSE(given.RealResult); // "0.0" is not the text "0"
    EXPECT_EQ(given.entries, (std::vector<std::string> { "(1)", "(2)", "(-1/2) + (3)i" }));
    ASSERT_EQ(given.roots.size(), 3u);
    EXPECT_EQ(given.roots[1].re, 2.0);
    EXPECT_EQ(given.roots[1].im, 0.0);
    EXPECT_EQ(given.roots[2].re, -0.5);
    EXPECT_EQ(given.roots[2].im, 3.0);
    EXPECT_TRUE(TypedCreatorRoots(roots({ "1", "2" }, { "0", "0/5" })).RealResult);
}

TEST(FileCreatorRoots, RealRootsInGeneralTextWithTheSignPlace)
{
    RootsFile file;
    file.count = 3;
    file.lines = { "1", "2", "-1.50", "1,-2" };
    file.roots = { { 2, 0 }, { -1.5, 0 }, { 1, -2 } };
    const CreatorRoots given = FileCreatorRoots(file);
    EXPECT_FALSE(given.RealResult);
    EXPECT_EQ(given.entries, (std::vector<std::string> { "( 2)", "(-1.5)", "(1) + (-2)i" }));
}

TEST(ExpandRoots, MultipliesOutTheLeadingCoefficientAndEveryRoot)
{
    const auto c = ExpandRoots({ 2, 0 }, { { 1, 0 }, { 2, 0 }, { 3, 0 } });
    ASSERT_TRUE(c);
    // 2 (x - 1)(x - 2)(x - 3) = 2x^3 - 12x^2 + 22x - 12
    const std::vector<double> expected { -12, 22, -12, 2 };
    ASSERT_EQ(c->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ((*c)[i].re, expected[i]) << "power " << i;
        EXPECT_EQ((*c)[i].im, 0.0) << "power " << i;
    }
    // i (x - i) = i x + 1
    const auto d = ExpandRoots({ 0, 1 }, { { 0, 1 } });
    ASSERT_TRUE(d);
    EXPECT_EQ((*d)[0].re, 1.0);
    EXPECT_EQ((*d)[1].im, 1.0);
}

TEST(ExpandRoots, AnOverflowGivesNothing)
{
    EXPECT_FALSE(ExpandRoots({ 1e300, 0 }, { { 1e300, 0 } }));
    const std::vector<ComplexValue> big(100, ComplexValue { 1e5, 0 }); // the constant term alone is 1E+500
    EXPECT_FALSE(ExpandRoots({ 1, 0 }, big));
    EXPECT_FALSE(ComplexMultiply({ 1e200, 1e200 }, { 1e200, -1e200 }));
    EXPECT_FALSE(ComplexAdd({ std::numeric_limits<double>::max(), 0 }, { std::numeric_limits<double>::max(), 0 }));
    const auto product = ComplexMultiply({ 1, 2 }, { 3, 4 });
    ASSERT_TRUE(product);
    EXPECT_EQ(product->re, -5.0);
    EXPECT_EQ(product->im, 10.0);
}

TEST(ShowCreatedEquation, RealDisplay)
{
    const CreatedEquation eq = created({ 1, 0 }, TypedCreatorRoots(roots({ "1", "2" }, { "0", "0" })));
    EXPECT_EQ(eq.equationText, "0 = (1)*x^2 + (-3)*x^1 + (2)");
    EXPECT_EQ(eq.listEntries, (std::vector<std::string> { "(1)\t*x^2 + ", "(-3)\t*x^1 + ", "(2)\t= 0" }));
    EXPECT_EQ(eq.CreatedLines, (std::vector<std::string> { "1\t*x^2 + ", "-3\t*x^1 + ", "2\t= 0" }));
    EXPECT_EQ(CreatedFileLines(eq),
        (std::vector<std::string> { "2\tdegree of equation", "1\t*x^2 + ", "-3\t*x^1 + ", "2\t= 0" }));
}

TEST(ShowCreatedEquation, RootsIAndMinusIAreShownComplex)
{
    const CreatedEquation eq = created({ 1, 0 }, TypedCreatorRoots(roots({ "0", "0" }, { "1", "-1" })));
    EXPECT_EQ(eq.equationText, "0 = [(1) + (0)i]*x^2 + [(0) + (0)i]*x^1 + [(1) + (0)i]");
    EXPECT_EQ(eq.listEntries.back(), "[(1) + (0)i]\t= 0");
    EXPECT_EQ(eq.CreatedLines.front(), "1,0\t*x^2 + ");
}

TEST(ShowCreatedEquation, TheLeadingCoefficientChoosesTheDisplayToo)
{
    const CreatorRoots real = TypedCreatorRoots(roots({ "3" }, { "0" }));
    EXPECT_EQ(created({ 2, 0 }, real).equationText, "0 = (2)*x^1 + (-6)");
    EXPECT_EQ(created({ 0, 1 }, real).equationText, "0 = [(0) + (1)i]*x^1 + [(0) + (-3)i]");
    // Shown at the precision chosen, saved with the general text's fifteen digits.
    const CreatedEquation third = created({ 1, 0 }, TypedCreatorRoots(roots({ "1/3" }, { "0" })), 3);
    EXPECT_EQ(third.equationText, "0 = (1)*x^1 + (-0.333)");
    EXPECT_EQ(third.CreatedLines.back(), "-0.333333333333333\t= 0");
}

TEST(ShowCreatedEquation, SavedLinesReadBackAsTheSameEquation)
{
    const CreatedEquation eq = created({ 2, 0 }, TypedCreatorRoots(roots({ "-1", "1/2", "4" }, { "0", "0", "0" })));
    const fs::path path = fs::temp_directory_path() / ("kovalin-created-" + std::to_string(::getpid()) + ".txt");
    ASSERT_TRUE(writeLines(path, CreatedFileLines(eq)));
    const CoefficientFileRead read = ReadCoefficientFile(path);
    fs::remove(path);
    ASSERT_FALSE(read.FileError);
    const std::vector<ComplexValue> &values = read.file.values; // as the file's check read them
    const auto expected = ExpandRoots({ 2, 0 }, { { -1, 0 }, { 0.5, 0 }, { 4, 0 } });
    ASSERT_EQ(values.size(), expected->size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].re, (*expected)[i].re) << "power " << i;
    }
}

TEST(LoadRootBars, SevenRootsNeverShowTheBar)
{
    constexpr int row = 330;
    const int viewport = 2700;
    const auto panel = [](int n) {
        return RootRows(n, row, 60).panelHeight;
    };
    EXPECT_FALSE(LoadRootBars(6, panel(6), viewport).visible);
    ASSERT_GT(panel(7), viewport); // the rule matters: seven rows reach just past the viewport
    EXPECT_FALSE(LoadRootBars(7, panel(7), viewport).visible);
    EXPECT_TRUE(LoadRootBars(8, panel(8), viewport).visible);
}

TEST(CopyThroughScratch, JoinsTheLinesWithCrLfAndLeavesNoFile)
{
    const fs::path before = fs::current_path();
    const fs::path dir = fs::temp_directory_path() / ("kovalin-copy-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    const auto text = CopyThroughScratch(CopyLines("0 = (1)*x^2 + (-3)*x^1 + (2)", { "(1)", "(2)" }));
    const bool left = fs::exists(dir / copyScratchName);
    // A link in the scratch file's place is never written through.
    fs::create_symlink(dir / "elsewhere", dir / copyScratchName);
    const auto refused = CopyThroughScratch({ "x" });
    const bool written = fs::exists(dir / "elsewhere");
    fs::current_path(before);
    fs::remove_all(dir);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "0 = (1)*x^2 + (-3)*x^1 + (2)\r\n\r\nx = . . .\r\n(1)\r\n(2)\r\n");
    EXPECT_FALSE(left);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(written);
}
