#include "frontend/core/testing/equations.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/x_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

using namespace tools::analysis;
using frontend::core::CoefficientTexts;
using frontend::core::testing::equationOf;

namespace
{

constexpr double big = std::numeric_limits<double>::max();

TEST(EvaluatePolynomial, UsesHornerInComplexArithmetic)
{
    // 2x^2 + 0x - 3 at 1.5 is 1.5; x^2 + 1 at i is 0; (1 + i)x + 2 at 2i is (-2 + 2i) + 2 = 2i.
    const Evaluation real = EvaluatePolynomial(equationOf(CoefficientTexts::real({ "-3", "0", "2" })), { 1.5, 0.0 });
    EXPECT_FALSE(real.EvalOverflow);
    EXPECT_EQ(real.value.re, 1.5);
    EXPECT_EQ(real.value.im, 0.0);

    const Evaluation root = EvaluatePolynomial(equationOf(CoefficientTexts::real({ "1", "0", "1" })), { 0.0, 1.0 });
    EXPECT_EQ(root.value.re, 0.0);
    EXPECT_EQ(root.value.im, 0.0);

    const Evaluation complex =
        EvaluatePolynomial(equationOf(CoefficientTexts::complexPairs({ "2", "1" }, { "0", "1" })), { 0.0, 2.0 });
    EXPECT_EQ(complex.value.re, 0.0);
    EXPECT_EQ(complex.value.im, 2.0);

    const Evaluation fraction = EvaluatePolynomial(equationOf(CoefficientTexts::real({ "1/4", "1/2" })), { 2.0, 0.0 });
    EXPECT_EQ(fraction.value.re, 1.25);
}

TEST(EvaluatePolynomial, ReportsOverflowAndUnusableCoefficientsAsOverflow)
{
    std::vector<std::string> degree100(101, "1E300");
    EXPECT_TRUE(EvaluatePolynomial(equationOf(CoefficientTexts::real(degree100)), { 1e10, 0.0 }).EvalOverflow);
    EXPECT_TRUE(EvaluatePolynomial(equationOf(CoefficientTexts::real(degree100)), { 0.0, 1e10 }).EvalOverflow);
    EXPECT_FALSE(EvaluatePolynomial(equationOf(CoefficientTexts::real(degree100)), { 1e-3, 0.0 }).EvalOverflow);
    EXPECT_TRUE(EvaluatePolynomial(equationOf(CoefficientTexts::real({ "1", "junk" })), { 1.0, 0.0 }).EvalOverflow);
    EXPECT_TRUE(EvaluatePolynomial(equationOf(CoefficientTexts::real({ "1", "1/0" })), { 1.0, 0.0 }).EvalOverflow);
}

TEST(EvaluateRealAt, AddsPowerTermsFromTheTopAndRefusesOverflow)
{
    EXPECT_EQ(EvaluateRealAt({ 1.0, -3.0, 1.0 }, -2.0), 11.0); // x^2 - 3x + 1
    EXPECT_EQ(EvaluateRealAt({ 5.0, 0.0, 0.0, 1.0 }, 0.0), 5.0);
    EXPECT_FALSE(EvaluateRealAt({ 0.0, 0.0, 1.0 }, 1e200)); // the power overflows
    EXPECT_FALSE(EvaluateRealAt({ 0.0, big }, 2.0)); // the term overflows
    EXPECT_FALSE(EvaluateRealAt({ big, big }, 1.0)); // the sum overflows
    EXPECT_FALSE(EvaluateRealAt({ 0.0, 0.0, 0.0 }, 1e200)); // 0 * inf is not a number
}

TEST(EvaluateComplexAt, WritesBothFormattedParts)
{
    EXPECT_EQ(EvaluateComplexAt({ { 1.0, -2.0 }, { 1000.0, 0.5 } }, 2.0, 15), "(2,001) + (-1)i");
    EXPECT_EQ(EvaluateComplexAt({ { 1.0, 0.0 }, { 1.0, 0.0 } }, 1.0 / 3.0, 2), "(1.33) + (0)i");
    EXPECT_FALSE(EvaluateComplexAt({ { 0.0, 0.0 }, { big, big } }, 4.0, 15));
}

struct CopyCase {
    const char *name;
    const char *xRe;
    const char *xIm;
    CoefficientTexts coefficients;
    const char *valueRe;
    const char *valueIm;
    const char *expected;
};

void PrintTo(const CopyCase &c, std::ostream *out)
{
    *out << c.name;
}

class EvaluateCopyCases : public ::testing::TestWithParam<CopyCase>
{
};

TEST_P(EvaluateCopyCases, BuildsValueAndPolynomial)
{
    const CopyCase &c = GetParam();
    EXPECT_EQ(evaluateCopyText({ c.xRe, c.xIm, c.coefficients, c.valueRe, c.valueIm }), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Forms,
    EvaluateCopyCases,
    ::testing::Values(CopyCase { "real x",
                          "1.5",
                          "0",
                          CoefficientTexts::real({ "-3", "0", "2" }),
                          "1.5",
                          "0",
                          "(1.5) = (2)*(1.5)^2 + (0)*(1.5)^1 + (-3)" },
        CopyCase { "degree one, imaginary typed as 0.0",
            "2",
            "0.0",
            CoefficientTexts::real({ "1", "3" }),
            "7",
            "0",
            "(7) = (3)*(2)^1 + (1)" },
        CopyCase { "pure imaginary x",
            "0",
            "2",
            CoefficientTexts::real({ "1", "0", "1" }),
            "-3",
            "0",
            "(-3) = (1)*[(2)i]^2 + (0)*[(2)i]^1 + (1)" },
        CopyCase { "complex x, complex value",
            "1",
            "1/2",
            CoefficientTexts::real({ "0", "1" }),
            "1",
            "0.5",
            "[(1) + (0.5)i] = (1)*[(1)+(1/2)i]^1 + (0)" },
        CopyCase { "pure imaginary value with a fractional zero",
            "0/3",
            "1",
            CoefficientTexts::real({ "0", " 1 " }),
            "0",
            "1",
            "(1)i = (1)*[(1)i]^1 + (0)" },
        CopyCase { "grouped value parts are not zero",
            "0",
            "1",
            CoefficientTexts::complexPairs({ "0", "1000" }, { "1234.5", "0" }),
            "0",
            "2,234.5",
            "(2,234.5)i = [(1000)+(0)i]*[(1)i]^1 + [(0)+(1234.5)i]" }),
    [](const auto &info) {
        return std::to_string(info.index);
    });

struct XCase {
    std::vector<std::string> texts;
    ReadMode mode;
    bool entryError;
    bool conversionFailed;
    std::size_t focus;
    std::vector<std::size_t> zeroed;
};

void PrintTo(const XCase &c, std::ostream *out)
{
    for (const std::string &text : c.texts) {
        *out << '"' << text << "\" ";
    }
}

class XValuesCases : public ::testing::TestWithParam<XCase>
{
};

TEST_P(XValuesCases, StopAtTheFirstBoxThatIsNotANumber)
{
    const XCase &c = GetParam();
    const XValuesCheck check = CheckXValues(c.texts, c.mode, true);
    EXPECT_EQ(check.EntryError, c.entryError);
    EXPECT_EQ(check.ConversionFailed, c.conversionFailed);
    EXPECT_EQ(check.zeroed, c.zeroed);
    if (c.entryError) {
        EXPECT_EQ(check.focus, c.focus);
        EXPECT_TRUE(check.values.empty());
    } else {
        EXPECT_EQ(check.values.size(), c.texts.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts,
    XValuesCases,
    ::testing::Values(XCase { { "", "0" }, ReadMode::Lenient, false, false, 0, { 0, 1 } },
        XCase { { "0/5", "0.0" }, ReadMode::Lenient, false, false, 0, { 0 } },
        XCase { { "" }, ReadMode::Strict, true, false, 0, {} },
        XCase { { "0", "1/0", "junk" }, ReadMode::Lenient, true, true, 1, { 0 } },
        XCase { { "1E999" }, ReadMode::Lenient, true, false, 0, {} },
        XCase { { "1E308/1E-308" }, ReadMode::Lenient, true, false, 0, {} },
        XCase { { "2", "12abc", "1/0" }, ReadMode::Lenient, true, false, 1, {} },
        XCase { { "1E-999", "-0" }, ReadMode::Lenient, false, false, 0, {} }),
    [](const auto &info) {
        return std::to_string(info.index);
    });

TEST(XValues, ReadValues)
{
    const XValuesCheck check = CheckXValues({ "1/4", " 2E1 ", "" }, ReadMode::Lenient, false);
    EXPECT_EQ(check.values, (std::vector<double> { 0.25, 20.0, 0.0 }));
    EXPECT_TRUE(check.zeroed.empty());
}

} // namespace
