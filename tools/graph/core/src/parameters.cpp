#include "graph/core/parameters.h"

#include "frontend/core/number_text.h"

#include <array>

namespace tools::graph::core
{
namespace
{

using frontend::core::ReadNumber;

constexpr std::array allBoxes {
    ParameterBox::XMin,
    ParameterBox::XMax,
    ParameterBox::YMin,
    ParameterBox::YMax,
    ParameterBox::TickFreq,
    ParameterBox::GridFreq,
};

/// A checked box's value: its text read as number text, then as the number it starts with.
double valueOf(const std::string &text)
{
    return frontend::core::leadingNumber(ReadNumber(text).value.toText());
}

ParameterCheck refuse(ParameterCheck check, ParameterFault fault, ParameterBox box)
{
    check.fault = fault;
    check.focus = box;
    return check;
}

} // namespace

std::string &textOf(GraphParameterTexts &texts, ParameterBox box)
{
    switch (box) {
    case ParameterBox::XMin:
        return texts.xMin;
    case ParameterBox::XMax:
        return texts.xMax;
    case ParameterBox::YMin:
        return texts.yMin;
    case ParameterBox::YMax:
        return texts.yMax;
    case ParameterBox::TickFreq:
        return texts.tickFreq;
    case ParameterBox::GridFreq:
        break;
    }
    return texts.gridFreq;
}

const std::string &textOf(const GraphParameterTexts &texts, ParameterBox box)
{
    return textOf(const_cast<GraphParameterTexts &>(texts), box);
}

bool isEnabled(const ParameterEntries &entries, ParameterBox box)
{
    if (box == ParameterBox::TickFreq) {
        return entries.ticks;
    }
    if (box == ParameterBox::GridFreq) {
        return entries.grid;
    }
    return true;
}

ParameterCheck CheckFunctionValues(ParameterEntries entries)
{
    ParameterCheck check;
    check.entries = std::move(entries);
    // A disabled spacing box is not read at all: whatever it holds is ignored.
    for (const ParameterBox box : allBoxes) {
        if (!isEnabled(check.entries, box)) {
            continue;
        }
        const auto read = ReadNumber(textOf(check.entries.texts, box));
        if (!read.value.isNumeric()) {
            check.EntryError = true;
            check.ConversionFailed = read.ConversionFailed;
            return refuse(std::move(check), ParameterFault::InputError, box);
        }
    }
    for (const ParameterBox box : allBoxes) {
        std::string &text = textOf(check.entries.texts, box);
        if (isEnabled(check.entries, box) && ReadNumber(text).value.readsAsZero()) {
            text.assign(1, '0');
            check.filledWithZero.push_back(box);
        }
    }
    return check;
}

ParameterCheck CheckGraphParameters(ParameterEntries entries)
{
    ParameterCheck check = CheckFunctionValues(std::move(entries));
    if (check.EntryError || check.ConversionFailed) {
        return check;
    }
    const GraphParameterTexts &texts = check.entries.texts;
    if (!(valueOf(texts.xMin) < valueOf(texts.xMax))) {
        return refuse(std::move(check), ParameterFault::XRange, ParameterBox::XMax);
    }
    if (!(valueOf(texts.yMin) < valueOf(texts.yMax))) {
        return refuse(std::move(check), ParameterFault::YRange, ParameterBox::YMax);
    }
    if (check.entries.ticks && !(valueOf(texts.tickFreq) > 0.0)) {
        return refuse(std::move(check), ParameterFault::TickFrequency, ParameterBox::TickFreq);
    }
    if (check.entries.grid && !(valueOf(texts.gridFreq) > 0.0)) {
        return refuse(std::move(check), ParameterFault::GridFrequency, ParameterBox::GridFreq);
    }
    return check;
}

void StoreGraphParameters(GraphSettings &settings, const ParameterEntries &entries)
{
    const GraphParameterTexts &texts = entries.texts;
    settings.GraphXMin = valueOf(texts.xMin);
    settings.GraphXMax = valueOf(texts.xMax);
    settings.GraphYMin = valueOf(texts.yMin);
    settings.GraphYMax = valueOf(texts.yMax);
    settings.GraphQuality = texts.quality;
    settings.GraphTicks = entries.ticks;
    settings.GraphGrid = entries.grid;
    settings.GraphDer1 = entries.der1;
    settings.GraphDer2 = entries.der2;
    settings.GraphInt = entries.integral;
    settings.axisNumbers = entries.numbers;
    // A disabled spacing box keeps the previous spacing, whatever it holds.
    if (entries.ticks) {
        settings.GraphTickFreq = valueOf(texts.tickFreq);
    }
    if (entries.grid) {
        settings.GraphGridFreq = valueOf(texts.gridFreq);
    }
    settings.remembered = texts;
    settings.GraphZoomed = false;
    settings.GraphRemembered = true;
}

namespace
{

ParameterEntries withSwitches(const GraphSettings &settings, GraphParameterTexts texts)
{
    return { std::move(texts),
        settings.GraphTicks,
        settings.GraphGrid,
        settings.GraphDer1,
        settings.GraphDer2,
        settings.GraphInt,
        settings.axisNumbers };
}

} // namespace

ParameterEntries OfferedParameters(const GraphSettings &settings)
{
    return withSwitches(settings, settings.GraphRemembered ? settings.remembered : GraphParameterTexts {});
}

ParameterEntries ModifiedParameters(const GraphSettings &settings)
{
    GraphParameterTexts texts = settings.remembered;
    if (settings.GraphZoomed) {
        using frontend::core::generalNumberText;
        texts.xMin = generalNumberText(settings.GraphXMin);
        texts.xMax = generalNumberText(settings.GraphXMax);
        texts.yMin = generalNumberText(settings.GraphYMin);
        texts.yMax = generalNumberText(settings.GraphYMax);
    }
    return withSwitches(settings, std::move(texts));
}

} // namespace tools::graph::core
