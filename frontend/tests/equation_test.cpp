#include "frontend/core/equation.h"
#include "frontend/core/rows.h"
#include "frontend/core/state.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace frontend::core;

namespace
{

using A = BoxRef::Array;

TEST(BuildEquationText, WritesTheTrimmedTextsAsTyped)
{
    EXPECT_EQ(BuildEquationText(CoefficientTexts::real({ "2", "-3", " 1 " })), "(1)*x^2 + (-3)*x^1 + (2)");
    EXPECT_EQ(BuildEquationText(CoefficientTexts::real({ "0", "1/2" })), "(1/2)*x^1 + (0)");
    EXPECT_EQ(
        BuildEquationText(CoefficientTexts::complexPairs({ "0", "1" }, { "-1", "2" })), "[(1)+(2)i]*x^1 + [(0)+(-1)i]");
}

struct EntryCase {
    const char *name;
    CoefficientTexts texts;
    Notices notices;
    std::optional<BoxRef> focus;
};

class CheckNumericValuesCases : public ::testing::TestWithParam<EntryCase>
{
};

TEST_P(CheckNumericValuesCases, ReportsTheFirstFaultAndWhereItIs)
{
    const EntryCase &c = GetParam();
    const EntryCheck check = CheckNumericValues(c.texts);
    EXPECT_EQ(check.notices, c.notices);
    EXPECT_EQ(check.focus, c.focus);
    EXPECT_EQ(check.EntryError, c.focus.has_value());
}

const auto R = [](std::vector<std::string> texts) {
    return CoefficientTexts::real(std::move(texts));
};
const auto C = [](std::vector<std::string> re, std::vector<std::string> im) {
    return CoefficientTexts::complexPairs(std::move(re), std::move(im));
};

INSTANTIATE_TEST_SUITE_P(Entries,
    CheckNumericValuesCases,
    ::testing::Values(EntryCase { "fine", R({ "2", "-3", "1" }), {}, std::nullopt },
        EntryCase { "leadingText", R({ "2", "abc" }), { Notice::LeadingNotNumeric }, BoxRef { A::CR, 1 } },
        EntryCase { "leadingZero", R({ "2", "0" }), { Notice::LeadingZero }, BoxRef { A::CR, 1 } },
        EntryCase { "leadingZeroFraction", R({ "2", "0/1" }), { Notice::LeadingZero }, BoxRef { A::CR, 1 } },
        EntryCase { "leadingEmpty", R({ "2", "" }), { Notice::LeadingZero }, BoxRef { A::CR, 1 } },
        EntryCase { "leadingZeroPointZero", R({ "2", "0.0" }), {}, std::nullopt },
        EntryCase { "leadingDivision",
            R({ "2", "1/0" }),
            { Notice::DivisionByZero, Notice::LeadingNotNumeric },
            BoxRef { A::CR, 1 } },
        EntryCase { "lowerText", R({ "1", "x", "y", "1" }), { Notice::CoefficientInput }, BoxRef { A::CR, 2 } },
        EntryCase { "lowerDivision",
            R({ "1", "2/0", "1" }),
            { Notice::DivisionByZero, Notice::CoefficientInput },
            BoxRef { A::CR, 1 } },
        EntryCase { "complexFine", C({ "1", "0" }, { "", "1" }), {}, std::nullopt },
        EntryCase {
            "complexLeadingZero", C({ "1", "0" }, { "1", "0" }), { Notice::ComplexLeadingZero }, BoxRef { A::CCA, 1 } },
        EntryCase {
            "complexLeadingEmpty", C({ "1", "" }, { "1", "" }), { Notice::ComplexLeadingZero }, BoxRef { A::CCA, 1 } },
        EntryCase { "complexLeadingText",
            C({ "1", "1" }, { "1", "i" }),
            { Notice::ComplexLeadingNotNumeric },
            BoxRef { A::CCA, 1 } },
        // both parts are read before judging, so both divisions are told
        EntryCase { "complexLeadingDivisions",
            C({ "1", "1/0" }, { "1", "2/0" }),
            { Notice::DivisionByZero, Notice::DivisionByZero, Notice::ComplexLeadingNotNumeric },
            BoxRef { A::CCA, 1 } },
        EntryCase { "complexLowerImaginary",
            C({ "1", "1" }, { "z", "1" }),
            { Notice::CoefficientInput },
            BoxRef { A::CCB, 0 } },
        EntryCase {
            "complexLowerReal", C({ "z", "1" }, { "z", "1" }), { Notice::CoefficientInput }, BoxRef { A::CCA, 0 } }),
    [](const auto &info) {
        return std::string(info.param.name);
    });

TEST(CheckNumericValues, FillsEmptyLowerBoxesWithZeroBeforeTheEquationIsUsed)
{
    const EntryCheck check = CheckNumericValues(CoefficientTexts::real({ "", "2" }));
    ASSERT_FALSE(check.EntryError);
    EXPECT_EQ(check.filledWithZero, (std::vector<BoxRef> { { A::CR, 0 } }));
    EXPECT_EQ(BuildEquationText(check.texts), "(2)*x^1 + (0)");
}

TEST(CheckNumericValues, StopsAtTheFirstFaultLeavingLowerBoxesAlone)
{
    const EntryCheck check = CheckNumericValues(CoefficientTexts::real({ "", "bad", "", "1" }));
    EXPECT_EQ(check.filledWithZero, (std::vector<BoxRef> { { A::CR, 2 } }));
    EXPECT_EQ(check.texts.re[0], "");
}

TEST(CheckNumericValues, FillsBothEmptyPartsOfAComplexRow)
{
    const EntryCheck check = CheckNumericValues(CoefficientTexts::complexPairs({ "", "1" }, { "", "1" }));
    EXPECT_EQ(check.filledWithZero, (std::vector<BoxRef> { { A::CCA, 0 }, { A::CCB, 0 } }));
    EXPECT_EQ(BuildEquationText(check.texts), "[(1)+(1)i]*x^1 + [(0)+(0)i]");
}

TEST(CheckNumericValues, ReadsTheValueOfEveryFormByPower)
{
    const EntryCheck check = CheckNumericValues(CoefficientTexts::complexPairs({ "1/4", "2E1" }, { "", "-1" }));
    ASSERT_FALSE(check.EntryError);
    const std::vector<ComplexValue> &values = check.values;
    ASSERT_EQ(values.size(), 2u);
    EXPECT_DOUBLE_EQ(values[0].re, 0.25);
    EXPECT_DOUBLE_EQ(values[0].im, 0.0);
    EXPECT_DOUBLE_EQ(values[1].re, 20.0);
    EXPECT_DOUBLE_EQ(values[1].im, -1.0);
    EXPECT_TRUE(CheckNumericValues(CoefficientTexts::real({ "1", "x" })).EntryError);
}

TEST(ComplexGate, RefusesComplexCoefficientsTypedOrFromAFile)
{
    KovalinState state;
    startProgramEntry(state, CoefKind::Real, 2, 15);
    EXPECT_FALSE(complexGateRefuses(state));
    startProgramEntry(state, CoefKind::Complex, 2, 15);
    EXPECT_TRUE(complexGateRefuses(state));
    startFileEntry(state, "a.txt", "1\n1\n2,0\n"); // a comma even in a real line counts
    EXPECT_TRUE(complexGateRefuses(state));
    // A real file opened after a complex one is no longer refused.
    startFileEntry(state, "b.txt", "1\n1\n2\n");
    EXPECT_FALSE(complexGateRefuses(state));
}

// The gated check of a file judges the file as it reads now, not as it read when it was opened.
TEST(checkEquation, TheComplexGateJudgesAFileAsItReadsNow)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("kovalin-gate-" + std::to_string(::getpid()) + ".txt");
    const auto write = [&path](const char *bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    };
    KovalinState state;
    write("2\n1\n-3\n2\n");
    startFileEntry(state, path.string(), "2\n1\n-3\n2\n");
    write("2\n1,1\n-3\n2\n");
    EquationCheck check = checkEquation(state, {}, true);
    EXPECT_TRUE(check.complexRefused);
    EXPECT_FALSE(check.equation);
    EXPECT_TRUE(check.notices.empty());
    EXPECT_EQ(check.viewText, "2\n1,1\n-3\n2\n");
    EXPECT_EQ(state.FileCoefType, FileKind::Complex);
    // Ungated, the same file is a complex equation (the table and the evaluation take it).
    check = checkEquation(state, {}, false);
    ASSERT_TRUE(check.equation);
    EXPECT_EQ(check.equation->text, "[(1)+(1)i]*x^2 + [(-3)+(0)i]*x^1 + [(2)+(0)i]");
    // Real again on disk: the gate lets it through.
    write("2\n1\n-3\n2\n");
    check = checkEquation(state, {}, true);
    EXPECT_FALSE(check.complexRefused);
    ASSERT_TRUE(check.equation);
    EXPECT_EQ(check.equation->text, "(1)*x^2 + (-3)*x^1 + (2)");
    // A complex file that can no longer be read is refused as it was last seen.
    write("1\n1,1\n2\n");
    checkEquation(state, {}, false);
    std::filesystem::remove(path);
    EXPECT_TRUE(checkEquation(state, {}, true).complexRefused);
}

TEST(checkEquation, TheComplexGateRefusesTypedComplexBoxesBeforeAnyCheck)
{
    KovalinState state;
    startProgramEntry(state, CoefKind::Complex, 1, 15);
    const EquationCheck check = checkEquation(state, CoefficientTexts::complexPairs({ "", "x" }, { "", "1" }), true);
    EXPECT_TRUE(check.complexRefused);
    EXPECT_TRUE(check.notices.empty());
    EXPECT_TRUE(check.filledWithZero.empty());
}

TEST(startProgramEntry, SetsTheEquationAndItsPrecision)
{
    KovalinState state;
    state.graph.GraphRemembered = true;
    startProgramEntry(state, CoefKind::Complex, 7, 3);
    EXPECT_EQ(state.CoefType, CoefKind::Complex);
    EXPECT_EQ(state.Degree, 7);
    EXPECT_EQ(state.BoxDegree, 7);
    EXPECT_EQ(state.PrecisionPattern, "###");
    EXPECT_FALSE(state.FromFile);
    EXPECT_EQ(state.equation.texts.re.size(), 8u);
    EXPECT_TRUE(state.equation.texts.complex);
}

TEST(checkEquation, BoxesBuildTheEquationTextAndKeepTheCheckedTexts)
{
    KovalinState state;
    startProgramEntry(state, CoefKind::Real, 2, 15);
    const EquationCheck check = checkEquation(state, CoefficientTexts::real({ "2", "", "1" }));
    ASSERT_TRUE(check.equation);
    EXPECT_EQ(check.equation->text, "(1)*x^2 + (0)*x^1 + (2)");
    EXPECT_EQ(state.equation.text, check.equation->text);
    EXPECT_EQ(state.equation.texts.re[1], "0");
}

TEST(ActionRules, TellGateAndPrefixForEveryAction)
{
    EXPECT_EQ(ruleFor(Action::Solve).prefix, "0 = ");
    EXPECT_EQ(ruleFor(Action::Evaluate).prefix, "");
    EXPECT_EQ(ruleFor(Action::Table).prefix, "y = ");
    EXPECT_EQ(ruleFor(Action::Graph).prefix, "y = ");
    EXPECT_EQ(ruleFor(Action::Calculus).prefix, "f(x) = ");
    EXPECT_EQ(ruleFor(Action::Length).prefix, "y = ");
    for (Action gated : { Action::Graph, Action::Calculus, Action::Length }) {
        EXPECT_TRUE(ruleFor(gated).complexGate);
    }
    for (Action open : { Action::Solve, Action::Create, Action::Evaluate, Action::Table }) {
        EXPECT_FALSE(ruleFor(open).complexGate);
    }
    EXPECT_FALSE(ruleFor(Action::Create).equationCheck);
}

TEST(Rows, CoefficientRowsPutTheLeadingOneOnTop)
{
    const RowLayout rows = CoefficientRows(2, 300, 100);
    EXPECT_EQ(rows.panelHeight, 3 * 300 + 315 + 1 * 15);
    EXPECT_EQ(rows.boxTops, (std::vector<int> { 100 + 2 * 300 + 2 * 15, 100 + 300 + 15, 100 }));
    EXPECT_EQ(rows.labelTops[2], 145);
}

TEST(Rows, RootRowsPutTheFirstRootOnTop)
{
    const RowLayout rows = RootRows(3, 300, 100);
    EXPECT_EQ(rows.panelHeight, 3 * 300 + 315 + 2 * 15);
    EXPECT_EQ(rows.boxTops, (std::vector<int> { 100, 415, 730 }));
}

TEST(Rows, ScrollBarsShowOnlyForPanelsTallerThanTheirViewport)
{
    EXPECT_FALSE(LoadBars(1000, 1000).visible);
    EXPECT_EQ(LoadBars(1000, 2000).maximum, 0);
    const ScrollRange range = LoadBars(2030, 1000); // 1030 / 20 = 51.5, rounded
    EXPECT_TRUE(range.visible);
    EXPECT_EQ(range.maximum, 52);
    EXPECT_EQ(PanelTop(3), -60);
}

} // namespace
