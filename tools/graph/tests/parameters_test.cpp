#include "graph/core/parameters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace tools::graph::core;
using frontend::core::GraphParameterTexts;
using frontend::core::GraphSettings;

namespace
{

/// The defaults with some boxes changed.
ParameterEntries entries(
    std::initializer_list<std::pair<ParameterBox, const char *>> changes, bool ticks = true, bool grid = false)
{
    ParameterEntries e;
    e.ticks = ticks;
    e.grid = grid;
    for (const auto &[box, text] : changes) {
        textOf(e.texts, box) = text;
    }
    return e;
}

struct RefusalCase {
    const char *name;
    ParameterEntries entries;
    ParameterFault fault;
    ParameterBox focus;
    bool conversionFailed;
};

void PrintTo(const RefusalCase &c, std::ostream *out)
{
    *out << c.name;
}

class Refusals : public ::testing::TestWithParam<RefusalCase>
{
};

TEST_P(Refusals, NameTheFaultAndTheBoxToCorrect)
{
    const RefusalCase &c = GetParam();
    const ParameterCheck check = CheckGraphParameters(c.entries);
    EXPECT_FALSE(check.passed());
    EXPECT_EQ(check.fault, c.fault);
    ASSERT_TRUE(check.focus.has_value());
    EXPECT_EQ(*check.focus, c.focus);
    EXPECT_EQ(check.ConversionFailed, c.conversionFailed);
    EXPECT_EQ(check.EntryError, c.fault == ParameterFault::InputError);
}

using B = ParameterBox;
using F = ParameterFault;

INSTANTIATE_TEST_SUITE_P(GraphButton,
    Refusals,
    ::testing::Values(RefusalCase { "text", entries({ { B::XMin, "abc" } }), F::InputError, B::XMin, false },
        RefusalCase {
            "firstOfSeveral", entries({ { B::YMin, "y" }, { B::XMax, "x" } }), F::InputError, B::XMax, false },
        RefusalCase { "divisionByZero", entries({ { B::YMax, "1/0" } }), F::InputError, B::YMax, true },
        RefusalCase { "twoSlashes", entries({ { B::YMin, "1/2/3" } }), F::InputError, B::YMin, false },
        RefusalCase { "enabledTick", entries({ { B::TickFreq, "5x" } }), F::InputError, B::TickFreq, false },
        RefusalCase {
            "enabledGrid", entries({ { B::GridFreq, "g" } }, false, true), F::InputError, B::GridFreq, false },
        RefusalCase { "xEqual", entries({ { B::XMin, "3" }, { B::XMax, "6/2" } }), F::XRange, B::XMax, false },
        RefusalCase { "xGreater", entries({ { B::XMin, "101" } }), F::XRange, B::XMax, false },
        RefusalCase { "xBeforeY", entries({ { B::XMin, "200" }, { B::YMin, "200" } }), F::XRange, B::XMax, false },
        RefusalCase { "yEqual", entries({ { B::YMin, "" }, { B::YMax, "0" } }), F::YRange, B::YMax, false },
        RefusalCase { "tickZero", entries({ { B::TickFreq, "0" } }), F::TickFrequency, B::TickFreq, false },
        RefusalCase { "tickEmpty", entries({ { B::TickFreq, "" } }), F::TickFrequency, B::TickFreq, false },
        RefusalCase { "tickNegative", entries({ { B::TickFreq, "-1" } }), F::TickFrequency, B::TickFreq, false },
        RefusalCase {
            "gridZeroFraction", entries({ { B::GridFreq, "0/5" } }, true, true), F::GridFrequency, B::GridFreq, false },
        RefusalCase { "tickBeforeGrid",
            entries({ { B::TickFreq, "0" }, { B::GridFreq, "0" } }, true, true),
            F::TickFrequency,
            B::TickFreq,
            false }),
    [](const ::testing::TestParamInfo<RefusalCase> &info) {
        return std::string(info.param.name);
    });

TEST(CheckGraphParameters, AcceptsTheDefaultsAndFractionsEverywhere)
{
    EXPECT_TRUE(CheckGraphParameters(ParameterEntries {}).passed());
    const ParameterCheck fractions = CheckGraphParameters(entries({ { B::XMin, "-1/3" },
                                                                      { B::XMax, "1/3" },
                                                                      { B::YMin, "-2/3" },
                                                                      { B::YMax, "2/3" },
                                                                      { B::TickFreq, "1/10" },
                                                                      { B::GridFreq, "1/5" } },
        true,
        true));
    EXPECT_TRUE(fractions.passed());
    EXPECT_TRUE(fractions.filledWithZero.empty());
}

TEST(CheckGraphParameters, IgnoresWhateverADisabledSpacingBoxHolds)
{
    for (const char *text : { "abc", "0", "", "-3", "1/0" }) {
        const ParameterCheck check =
            CheckGraphParameters(entries({ { B::TickFreq, text }, { B::GridFreq, text } }, false, false));
        EXPECT_TRUE(check.passed()) << text;
        EXPECT_EQ(check.entries.texts.tickFreq, text); // not rewritten either
    }
}

TEST(CheckFunctionValues, WritesZeroIntoEveryReadBoxWhoseValueIsZero)
{
    const ParameterCheck check = CheckFunctionValues(
        entries({ { B::XMin, "" }, { B::YMin, "0/7" }, { B::YMax, "0.0" }, { B::TickFreq, "" }, { B::GridFreq, "" } },
            true,
            false));
    EXPECT_FALSE(check.EntryError);
    EXPECT_EQ(check.filledWithZero, (std::vector { B::XMin, B::YMin, B::TickFreq }));
    EXPECT_EQ(check.entries.texts.xMin, "0");
    EXPECT_EQ(check.entries.texts.yMin, "0");
    EXPECT_EQ(check.entries.texts.yMax, "0.0"); // a text compares as text with "0"
    EXPECT_EQ(check.entries.texts.tickFreq, "0");
    EXPECT_EQ(check.entries.texts.gridFreq, ""); // disabled: not read
}

TEST(CheckFunctionValues, FillsNothingWhenABoxIsRefused)
{
    const ParameterCheck check = CheckFunctionValues(entries({ { B::XMin, "" }, { B::YMax, "q" } }));
    EXPECT_TRUE(check.EntryError);
    EXPECT_TRUE(check.filledWithZero.empty());
    EXPECT_EQ(check.entries.texts.xMin, "");
}

ParameterEntries accepted()
{
    ParameterEntries e = entries({ { B::XMin, "-1/4" },
                                     { B::XMax, " 2 " },
                                     { B::YMin, "-3E1" },
                                     { B::YMax, "30" },
                                     { B::TickFreq, "0.5" },
                                     { B::GridFreq, "junk" } },
        true,
        false);
    e.texts.quality = 37;
    e.der2 = true;
    e.integral = true;
    return e;
}

TEST(StoreGraphParameters, StoresValuesSwitchesAndTexts)
{
    GraphSettings settings;
    settings.GraphGridFreq = 7.0;
    settings.GraphZoomed = true;
    StoreGraphParameters(settings, accepted());
    EXPECT_DOUBLE_EQ(settings.GraphXMin, -0.25);
    EXPECT_DOUBLE_EQ(settings.GraphXMax, 2.0);
    EXPECT_DOUBLE_EQ(settings.GraphYMin, -30.0);
    EXPECT_DOUBLE_EQ(settings.GraphYMax, 30.0);
    EXPECT_EQ(settings.GraphQuality, 37);
    EXPECT_TRUE(settings.GraphTicks);
    EXPECT_FALSE(settings.GraphGrid);
    EXPECT_FALSE(settings.GraphDer1);
    EXPECT_TRUE(settings.GraphDer2);
    EXPECT_TRUE(settings.GraphInt);
    EXPECT_DOUBLE_EQ(settings.GraphTickFreq, 0.5);
    EXPECT_DOUBLE_EQ(settings.GraphGridFreq, 7.0); // its box was disabled
    EXPECT_EQ(settings.remembered, accepted().texts);
    EXPECT_FALSE(settings.GraphZoomed);
    EXPECT_TRUE(settings.GraphRemembered);
}

TEST(OfferedParameters, TheDefaultsUntilAGraphWasDrawnForTheEquation)
{
    GraphSettings settings;
    settings.GraphGrid = true;
    settings.GraphDer1 = true;
    EXPECT_EQ(OfferedParameters(settings).texts, GraphParameterTexts {});
    EXPECT_EQ(OfferedParameters(settings).texts.quality, 100);
    EXPECT_TRUE(OfferedParameters(settings).grid);
    EXPECT_TRUE(OfferedParameters(settings).der1);

    StoreGraphParameters(settings, accepted());
    EXPECT_EQ(OfferedParameters(settings).texts, accepted().texts);

    frontend::core::KovalinState state;
    state.graph = settings;
    frontend::core::forgetGraphParameters(state);
    EXPECT_EQ(OfferedParameters(state.graph).texts, GraphParameterTexts {});
}

TEST(ModifiedParameters, TheWindowAsNumbersOnlyAfterAZoomOrRedraw)
{
    GraphSettings settings;
    StoreGraphParameters(settings, accepted());
    EXPECT_EQ(ModifiedParameters(settings).texts, accepted().texts);

    settings.GraphXMin = -400.0;
    settings.GraphXMax = 1.0 / 3.0;
    settings.GraphYMin = -2.5e-20;
    settings.GraphYMax = 1e21;
    settings.GraphZoomed = true;
    const GraphParameterTexts texts = ModifiedParameters(settings).texts;
    EXPECT_EQ(texts.xMin, "-400");
    EXPECT_EQ(texts.xMax, "0.333333333333333");
    EXPECT_EQ(texts.yMin, "-2.5E-20");
    EXPECT_EQ(texts.yMax, "1E+21");
    EXPECT_EQ(texts.quality, 37);
    EXPECT_EQ(texts.tickFreq, "0.5");
    EXPECT_EQ(texts.gridFreq, "junk");
}

} // namespace
