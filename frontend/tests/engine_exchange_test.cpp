// The solver's side of the engine exchange: request lines byte for byte, the answer reader, the root
// entries, and whole requests through the real engine entry with the exchange directory of the test's own.

#include "engine/entry.h"
#include "frontend/core/coefficient_file.h"
#include "frontend/core/engine_exchange.h"
#include "frontend/core/state.h"
#include "frontend/core/testing/equations.h"
#include "platform/exchange_files.h"
#include "platform/test_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using namespace frontend::core;
using frontend::core::testing::equationOf;
using platform::testing::fileBytes;
using platform::testing::writeBytes;
namespace fs = std::filesystem;

namespace
{

Equation realBoxes(std::vector<std::string> leadingFirst)
{
    return equationOf(CoefficientTexts::real({ leadingFirst.rbegin(), leadingFirst.rend() }));
}

/// A solve whose request cannot be written is told so and never reaches the engine.
void expectRefusedBeforeTheEngine()
{
    bool called = false;
    const SolveResult result = WriteSolveRequest(realBoxes({ "1", "-3", "2" }), [&called] {
        called = true;
        return true;
    });
    EXPECT_EQ(result.fault, ExchangeFault::RequestNotWritten);
    EXPECT_FALSE(called);
}

Equation complexBoxes(std::vector<std::string> re, std::vector<std::string> im)
{
    return equationOf(CoefficientTexts::complexPairs({ re.rbegin(), re.rend() }, { im.rbegin(), im.rend() }));
}

// The exchange directory is a folder of the test's own; the engine prints its warnings to stdout, which
// the test leaves alone.
class ExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = platform::testing::freshTestFolder("kovalin-solve-");
        ::setenv(platform::exchangeDirVariable, dir.c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv(platform::exchangeDirVariable);
        fs::remove_all(dir);
    }

    fs::path request() const { return dir / "TEMP_ZERO.DAT"; }
    fs::path answer() const { return dir / "TEMP_ZERO.OUT"; }

    /// The real engine, with the request as it stood when the engine was called kept for the test.
    EngineCall engine()
    {
        return [this] {
            sent = fileBytes(request());
            VX_KOVALIN();
            return true;
        };
    }

    fs::path dir;
    std::string sent;
};

} // namespace

TEST(solveRequestLines, EachCoefficientLeadingFirstWithItsValueAndItsPoint)
{
    const struct {
        Equation equation;
        std::vector<std::string> lines;
    } cases[] = {
        { realBoxes({ "1", "-3", " 2 " }), { "S", "R", "2", "1.", "-3.", "2.", "" } },
        // Fractions and tiny values keep their value.
        { realBoxes({ "1/3", "1E-25", "1.2345678E-17", "0.5", "0" }),
            { "S", "R", "4", "0.3333333333333333148", "1E-25", "1.2345678E-17", "0.5", "0.", "" } },
        // Complex coefficients in parentheses, without blanks.
        { complexBoxes({ "1", "0" }, { "2", "-1/4" }), { "S", "C", "1", "(1.,2.)", "(0.,-0.25)", "" } },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(solveRequestLines(c.equation), c.lines) << ::testing::PrintToString(c.lines);
    }
}

TEST(solveRequestLines, ATextThatDoesNotReadGivesNoRequest)
{
    EXPECT_FALSE(solveRequestLines(realBoxes({ "1", "x", "2" })));
    EXPECT_FALSE(lengthRequestLines(realBoxes({ "1", "1/0" }), 0.0, 1.0));
}

TEST(solveRequestLines, AFileStatesItsTypeAndItsDegreeAsAnInteger)
{
    const fs::path path = fs::temp_directory_path() / ("kovalin-file-" + std::to_string(::getpid()) + ".txt");
    writeBytes(path, "2.0\tdegree of equation\r\n1,1\r\n0,0\r\n-1/2,0\r\n");
    KovalinState state;
    startFileEntry(state, path.string(), fileBytes(path));
    const auto equation = checkEquation(state, {}).equation;
    ASSERT_TRUE(equation);
    fs::remove(path);
    EXPECT_EQ(equation->degreeText, "2.0"); // the caption names the line as written
    const auto lines = solveRequestLines(*equation);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string> { "S", "C", "2", "(1.,1.)", "(0.,0.)", "(-0.5,0.)", "" }));
}

TEST(lengthRequestLines, NoTypeLineAndTheTwoAbscissaeLast)
{
    const auto lines = lengthRequestLines(realBoxes({ "1", "0", "-1/3" }), -1.5, 2.0);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string> { "L", "2", "1.", "0.", "-0.3333333333333333148", "-1.5", "2.", "" }));
}

TEST(solveRefused, ComplexDegreeFiftyOnly)
{
    EXPECT_TRUE(solveRefused(complexBoxes(std::vector<std::string>(51, "1"), std::vector<std::string>(51, "0"))));
    EXPECT_FALSE(solveRefused(complexBoxes(std::vector<std::string>(50, "1"), std::vector<std::string>(50, "0"))));
    EXPECT_FALSE(solveRefused(realBoxes(std::vector<std::string>(51, "1"))));
}

struct AnswerCase {
    const char *text;
    std::size_t count;
    std::optional<std::vector<double>> values;
};

void PrintTo(const AnswerCase &c, std::ostream *out)
{
    *out << '"' << c.text << "\" " << c.count;
}

class ReadAnswerValuesTest : public ::testing::TestWithParam<AnswerCase>
{
};

TEST_P(ReadAnswerValuesTest, ReadsFreeFormNumbersAndNothingElse)
{
    EXPECT_EQ(readAnswerValues(GetParam().text, GetParam().count), GetParam().values) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Answers,
    ReadAnswerValuesTest,
    ::testing::Values(AnswerCase { " 1 0\n 2 0\n", 4, std::vector<double> { 1, 0, 2, 0 } },
        AnswerCase { " -2.5E+300 1E-05\r\n", 2, std::vector<double> { -2.5e300, 1e-5 } },
        AnswerCase { "1,2\n\n3", 3, std::vector<double> { 1, 2, 3 } },
        AnswerCase { " 1 0\n 2 0\n extra", 4, std::vector<double> { 1, 0, 2, 0 } },
        AnswerCase { " 1 0\n Infinity 0\n", 4, std::nullopt }, // no infinity where a value is asked for
        AnswerCase { " NaN\n", 1, std::nullopt },
        AnswerCase { " 1 0\n", 4, std::nullopt },
        AnswerCase { "", 1, std::nullopt },
        AnswerCase { " 1E+400\n", 1, std::nullopt },
        AnswerCase { " 12abc\n", 1, std::nullopt }));

struct EntryCase {
    ComplexValue root;
    std::size_t decimals;
    const char *entry;
    bool imaginary;
};

void PrintTo(const EntryCase &c, std::ostream *out)
{
    *out << c.entry;
}

class RootEntryTest : public ::testing::TestWithParam<EntryCase>
{
};

TEST_P(RootEntryTest, EntryAndNatureFollowTheShownImaginaryPart)
{
    bool imaginary = !GetParam().imaginary;
    EXPECT_EQ(rootEntry(GetParam().root, GetParam().decimals, imaginary), GetParam().entry);
    EXPECT_EQ(imaginary, GetParam().imaginary);
}

INSTANTIATE_TEST_SUITE_P(Roots,
    RootEntryTest,
    ::testing::Values(EntryCase { { 1, 0 }, 15, "(1)", false },
        EntryCase { { 1, -0.5 }, 15, "(1) - (0.5)i", true },
        EntryCase { { 0, 2 }, 15, "(0) + (2)i", true },
        EntryCase { { -1, -2 }, 15, "(-1) - (2)i", true },
        EntryCase { { 1.0 / 3.0, 0 }, 2, "(0.33)", false },
        EntryCase { { 2, 1e-4 }, 3, "(2)", false }, // rounds to 0 at three decimals: real
        EntryCase { { 2, -1e-4 }, 3, "(2)", false },
        EntryCase { { 2, 1e-20 }, 15, "(2) + (1.E-20)i", true }, // exponent form is not 0
        EntryCase { { 2, -1.5e-20 }, 15, "(2) - (1.5E-20)i", true },
        EntryCase { { -1234.5, 1234.5 }, 2, "(-1,234.5) + (1,234.5)i", true },
        EntryCase { { -1234.5, -1234.5 }, 2, "(-1,234.5) - (1234.5)i", true }, // magnitude without grouping
        EntryCase { { 0, -2.0 / 3.0 }, 4, "(0) - (0.6667)i", true }));

TEST(listRoots, CountsTheNatureOfEveryRoot)
{
    const RootList list = listRoots({ { 1, 0 }, { 0, 1 }, { 0, -1 }, { 2, 1e-30 } }, 15);
    EXPECT_EQ(list.entries, (std::vector<std::string> { "(1)", "(0) + (1)i", "(0) - (1)i", "(2) + (1.E-30)i" }));
    EXPECT_EQ(list.realCount, 1);
    EXPECT_EQ(list.imaginaryCount, 3);
}

TEST(readAnswerRoots, KeepsThePlaceholdersOfRootsNotFound)
{
    const double inf = std::numeric_limits<double>::infinity();
    const auto roots = readAnswerRoots(" 1 0\n 0 -2\n Infinity 0\n Infinity 0\n", 4);
    ASSERT_TRUE(roots);
    ASSERT_EQ(roots->size(), 4u);
    EXPECT_EQ((*roots)[1].im, -2.0);
    EXPECT_EQ((*roots)[2].re, inf);
    EXPECT_TRUE(isPlaceholder((*roots)[2]));
    EXPECT_TRUE(isPlaceholder((*roots)[3]));
    EXPECT_FALSE(isPlaceholder((*roots)[0]));
    EXPECT_TRUE(readAnswerRoots(" Infinity 0\n", 1)); // nothing found at all
}

TEST(readAnswerRoots, AnyOtherValueThatIsNotANumberIsUnreadable)
{
    for (const char *answer : { " 1 0\n Infinity 1\n", // infinity stands only beside an imaginary 0
             " 1 0\n 0 Infinity\n",
             " 1 0\n -Infinity 0\n",
             " 1 0\n NaN 0\n",
             " 1 0\n infinity 0\n",
             " 1 0\n Infinity\n",
             " 1 0\n" }) {
        EXPECT_FALSE(readAnswerRoots(answer, 2)) << answer;
    }
}

TEST(listRoots, ARootNotFoundIsListedApartAndCountedInNeitherNature)
{
    const double inf = std::numeric_limits<double>::infinity();
    const RootList list = listRoots({ { 1, 0 }, { 0, 1 }, { 0, -1 }, { inf, 0 }, { inf, 0 } }, 15);
    EXPECT_EQ(list.entries, (std::vector<std::string> { "(1)", "(0) + (1)i", "(0) - (1)i", "", "" }));
    EXPECT_EQ(list.notFound, (std::vector<std::size_t> { 3, 4 }));
    EXPECT_EQ(list.realCount, 1);
    EXPECT_EQ(list.imaginaryCount, 2);
    EXPECT_TRUE(listRoots({ { 1, 0 } }, 15).notFound.empty());
}

TEST(knownRealRoots, TheRootsCountedRealOfTheSameCoefficientsOnly)
{
    // The roots counted real, in the engine's order; an imaginary one is left out.
    const RootList list = listRoots({ { 1, 0 }, { 0, 1 }, { -1, 0 }, { 0, 0 } }, 15);
    EXPECT_EQ(list.real, (std::vector<double> { 1.0, -1.0, 0.0 }));
    KovalinState state;
    const Equation solved = frontend::core::testing::equationOf(CoefficientTexts::real({ "0", "-1", "0", "1" }));
    EXPECT_FALSE(knownRealRoots(state, solved));
    state.lastRealRoots = LastRealRoots { solved.values, list.real };
    EXPECT_EQ(knownRealRoots(state, solved), list.real);
    EXPECT_FALSE(
        knownRealRoots(state, frontend::core::testing::equationOf(CoefficientTexts::real({ "0", "-1", "0", "2" }))));
    EXPECT_FALSE(
        knownRealRoots(state, frontend::core::testing::equationOf(CoefficientTexts::real({ "-1", "0", "1" }))));
}

TEST(lengthTooLarge, NothingReadOrAZeroLength)
{
    const auto read = [](double value) {
        return LengthResult { ExchangeFault::None, FormatNumber(value, 15), value };
    };
    EXPECT_TRUE(lengthTooLarge(LengthResult { ExchangeFault::AnswerUnreadable, std::nullopt, std::nullopt }));
    EXPECT_TRUE(lengthTooLarge(read(0.0)));
    EXPECT_FALSE(lengthTooLarge(read(1.5)));
    EXPECT_FALSE(lengthTooLarge(read(1234.5)));
    EXPECT_FALSE(lengthTooLarge(read(1e-30)));
}

TEST_F(ExchangeTest, ASolveThroughTheEngineLeavesNoFileBehind)
{
    const SolveResult result = WriteSolveRequest(realBoxes({ "1", "-3", "2" }), engine());
    EXPECT_EQ(sent, "S\r\nR\r\n2\r\n1.\r\n-3.\r\n2.\r\n\r\n");
    EXPECT_EQ(result.fault, ExchangeFault::None);
    ASSERT_EQ(result.roots.size(), 2u);
    // The engine refines its roots: these are exact.
    EXPECT_EQ(result.roots[0].re, 1.0);
    EXPECT_EQ(result.roots[0].im, 0.0);
    EXPECT_EQ(result.roots[1].re, 2.0);
    EXPECT_EQ(result.roots[1].im, 0.0);
    EXPECT_FALSE(fs::exists(request()));
    EXPECT_FALSE(fs::exists(answer()));
}

TEST_F(ExchangeTest, ASolveGivesTheWholeResultsWindow)
{
    const SolveOutcome outcome = solve(realBoxes({ "1", "-3", "2" }), 15, engine());
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.fault, ExchangeFault::None);
    EXPECT_EQ(outcome.degreeText, "2");
    EXPECT_EQ(outcome.equationText, "0 = (1)*x^2 + (-3)*x^1 + (2)");
    EXPECT_EQ(outcome.roots.entries, (std::vector<std::string> { "(1)", "(2)" }));
    EXPECT_EQ(outcome.roots.realCount, 2);
    EXPECT_EQ(outcome.roots.imaginaryCount, 0);
}

TEST_F(ExchangeTest, AComplexDegreeFiftyIsRefusedWithoutCallingTheEngine)
{
    bool called = false;
    const SolveOutcome outcome =
        solve(complexBoxes(std::vector<std::string>(51, "1"), std::vector<std::string>(51, "0")), 15, [&called] {
            called = true;
            return true;
        });
    EXPECT_TRUE(outcome.refused);
    EXPECT_FALSE(called);
    EXPECT_FALSE(fs::exists(request()));
}

TEST_F(ExchangeTest, AComplexSolveThroughTheEngine)
{
    // x - i
    const SolveResult result = WriteSolveRequest(complexBoxes({ "1", "0" }, { "0", "-1" }), engine());
    EXPECT_EQ(sent, "S\r\nC\r\n1\r\n(1.,0.)\r\n(0.,-1.)\r\n\r\n");
    ASSERT_EQ(result.roots.size(), 1u);
    EXPECT_EQ(result.roots[0].re, 0.0);
    EXPECT_EQ(result.roots[0].im, 1.0);
}

TEST_F(ExchangeTest, ATinyCoefficientReachesTheEngineWithItsValue)
{
    // x^2 - 1E-24: roots +-1E-12, which a request written with 19 decimals would turn into a double 0.
    const SolveResult result = WriteSolveRequest(realBoxes({ "1", "0", "-1E-24" }), engine());
    EXPECT_EQ(sent, "S\r\nR\r\n2\r\n1.\r\n0.\r\n-1E-24\r\n\r\n");
    ASSERT_EQ(result.roots.size(), 2u);
    const double tolerance = 4 * std::numeric_limits<double>::epsilon() * 1e-12;
    EXPECT_NEAR(std::fabs(result.roots[0].re), 1e-12, tolerance);
    EXPECT_NEAR(std::fabs(result.roots[1].re), 1e-12, tolerance);
    EXPECT_EQ(result.roots[0].re, -result.roots[1].re);
}

TEST_F(ExchangeTest, AMissingEngineKeepsTheRequestFile)
{
    const SolveResult result = WriteSolveRequest(realBoxes({ "1", "-3", "2" }), [] {
        return false;
    });
    EXPECT_EQ(result.fault, ExchangeFault::EngineMissing);
    EXPECT_TRUE(result.roots.empty());
    EXPECT_EQ(fileBytes(request()), "S\r\nR\r\n2\r\n1.\r\n-3.\r\n2.\r\n\r\n");
}

TEST_F(ExchangeTest, AnUnreadableAnswerIsKeptAndGivesNoRoots)
{
    const SolveResult result = WriteSolveRequest(realBoxes({ "1", "-3", "2" }), [this] {
        writeBytes(answer(), " 1 0\n NaN 0\n");
        return true;
    });
    EXPECT_EQ(result.fault, ExchangeFault::AnswerUnreadable);
    EXPECT_TRUE(result.roots.empty());
    EXPECT_FALSE(fs::exists(request()));
    EXPECT_EQ(fileBytes(answer()), " 1 0\n NaN 0\n");
}

TEST_F(ExchangeTest, ALeadingZeroThatPassesTheTextCompareListsTheRootsFoundAndOneNotFound)
{
    // The check compares the leading text with "0" as text, so these pass it; the engine then solves the
    // quadratic left over and marks the root lost to the vanishing leading coefficient with its placeholder.
    for (const char *leading : { "0.0", "-0", "00", "0E0", " 0 " }) {
        KovalinState state;
        startProgramEntry(state, CoefKind::Real, 3, 15);
        const EquationCheck check = checkEquation(state, CoefficientTexts::real({ "2", "-3", "1", leading }));
        ASSERT_TRUE(check.equation) << leading;
        const SolveOutcome outcome = solve(*check.equation, 15, engine());
        EXPECT_EQ(outcome.fault, ExchangeFault::None) << leading;
        EXPECT_EQ(outcome.roots.entries, (std::vector<std::string> { "(1)", "(2)", "" })) << leading;
        EXPECT_EQ(outcome.roots.notFound, std::vector<std::size_t> { 2 }) << leading;
        EXPECT_EQ(outcome.roots.realCount, 2) << leading;
        EXPECT_EQ(outcome.roots.imaginaryCount, 0) << leading;
        EXPECT_FALSE(fs::exists(answer())) << leading; // read, so deleted
    }
}

TEST_F(ExchangeTest, AComplexLeadingZeroThatPassesTheTextCompareToo)
{
    // (0.0 + 0i) x^2 + x - i: one root, i, and one placeholder.
    KovalinState state;
    startProgramEntry(state, CoefKind::Complex, 2, 15);
    const EquationCheck check =
        checkEquation(state, CoefficientTexts::complexPairs({ "0", "1", "0.0" }, { "-1", "0", "0" }));
    ASSERT_TRUE(check.equation);
    const SolveOutcome outcome = solve(*check.equation, 15, engine());
    EXPECT_EQ(outcome.fault, ExchangeFault::None);
    EXPECT_EQ(outcome.roots.entries, (std::vector<std::string> { "(0) + (1)i", "" }));
    EXPECT_EQ(outcome.roots.imaginaryCount, 1);
    EXPECT_EQ(outcome.roots.realCount, 0);
}

TEST_F(ExchangeTest, AnAnswerLeftFromBeforeNeverPassesForANewOne)
{
    writeBytes(answer(), " 5 0\n 6 0\n");
    const SolveResult result = WriteSolveRequest(realBoxes({ "1", "-3", "2" }), [] {
        return true; // an engine that wrote nothing
    });
    EXPECT_EQ(result.fault, ExchangeFault::AnswerUnreadable);
    EXPECT_TRUE(result.roots.empty());
}

TEST_F(ExchangeTest, AnExchangeDirectoryThatIsNotOneIsAFault)
{
    writeBytes(dir / "plain", "");
    ::setenv(platform::exchangeDirVariable, (dir / "plain").c_str(), 1);
    expectRefusedBeforeTheEngine();
}

TEST_F(ExchangeTest, AnArcLengthThroughTheEngine)
{
    // y = x^2 from 0 to 1: (2 sqrt 5 + asinh 2) / 4, which the engine's extrapolated polygons give to seven
    // significant digits.
    const LengthResult result = WriteLengthRequest(realBoxes({ "1", "0", "0" }), 0.0, 1.0, 15, engine());
    EXPECT_EQ(sent, "L\r\n2\r\n1.\r\n0.\r\n0.\r\n0.\r\n1.\r\n\r\n");
    EXPECT_EQ(result.fault, ExchangeFault::None);
    ASSERT_TRUE(result.length);
    const double expected = (2.0 * std::sqrt(5.0) + std::asinh(2.0)) / 4.0;
    EXPECT_NEAR(std::stod(*result.length), expected, 1e-7);
    EXPECT_FALSE(lengthTooLarge(result));
    EXPECT_FALSE(fs::exists(request()));
    EXPECT_FALSE(fs::exists(answer()));
}

TEST_F(ExchangeTest, AnArcLengthThatIsNotANumberIsTooLarge)
{
    const LengthResult result = WriteLengthRequest(realBoxes({ "1", "0", "0" }), 0.0, 1.0, 15, [this] {
        writeBytes(answer(), " Infinity\n");
        return true;
    });
    EXPECT_EQ(result.fault, ExchangeFault::AnswerUnreadable);
    EXPECT_TRUE(lengthTooLarge(result));
    EXPECT_TRUE(fs::exists(answer()));
}

TEST_F(ExchangeTest, AShortArcLengthShownAsZeroIsNoInputTooLarge)
{
    // y = x^2 from 0 to 0.04 is a little over 0.04 long: at one decimal it shows as 0, yet it is no failure.
    const LengthResult result = WriteLengthRequest(realBoxes({ "1", "0", "0" }), 0.0, 0.04, 1, engine());
    EXPECT_EQ(result.fault, ExchangeFault::None);
    ASSERT_TRUE(result.length);
    EXPECT_EQ(*result.length, "0");
    EXPECT_FALSE(lengthTooLarge(result));
}

TEST_F(ExchangeTest, TheRootsNearTheLargestDoubleAreListedAsImaginary)
{
    // ../shared/bench/regressions/display_near_dblmax.txt: 5E-324 x^2 + 1.55E293 = 0 has the roots
    // +-1.7713E+308 i. At precision 1 they were listed as (0), (0) and counted as two real roots.
    const CoefficientFileRead read = ReadCoefficientFile(fs::path(KOVALIN_REGRESSIONS) / "display_near_dblmax.txt");
    ASSERT_FALSE(read.FileError);
    const Equation equation = makeEquation(read.file.degreeLine, read.file.texts, read.file.values);
    const SolveOutcome outcome = solve(equation, 1, engine());
    EXPECT_EQ(outcome.fault, ExchangeFault::None);
    EXPECT_EQ(outcome.equationText, "0 = (5E-324)*x^2 + (0)*x^1 + (1.55e293)");
    const std::vector<std::string> pair { "(0) + (1.7E+308)i", "(0) - (1.7E+308)i" };
    const std::vector<std::string> swapped { pair[1], pair[0] };
    EXPECT_TRUE(outcome.roots.entries == pair || outcome.roots.entries == swapped)
        << ::testing::PrintToString(outcome.roots.entries);
    EXPECT_EQ(outcome.roots.realCount, 0);
    EXPECT_EQ(outcome.roots.imaginaryCount, 2);
}

TEST_F(ExchangeTest, APipeInPlaceOfTheRequestIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(request().c_str(), 0600), 0);
    expectRefusedBeforeTheEngine();
    // The engine, called with a pipe where its request should be, returns at once with an empty answer.
    VX_KOVALIN();
    EXPECT_EQ(fileBytes(answer()), "");
}

TEST_F(ExchangeTest, APipeInPlaceOfTheAnswerIsRefusedWithoutWaiting)
{
    const SolveResult result = WriteSolveRequest(realBoxes({ "1", "-3", "2" }), [this] {
        // The engine cannot write its answer into a pipe either: it is left in place for the reader.
        EXPECT_EQ(::mkfifo(answer().c_str(), 0600), 0);
        VX_KOVALIN();
        return true;
    });
    EXPECT_EQ(result.fault, ExchangeFault::AnswerUnreadable);
    EXPECT_TRUE(fs::is_fifo(answer()));
}
