#pragma once
// The graph parameters: what the parameters dialog offers, how its entries are checked, and what a
// successful check stores in the run's graph settings.

#include "frontend/core/state.h"

#include <optional>
#include <string>
#include <vector>

namespace tools::graph::core
{

using frontend::core::GraphParameterTexts;
using frontend::core::GraphSettings;

/// The parameters dialog's entries: the box texts, the quality bar and the check boxes. A spacing box is
/// enabled exactly while its check box is ticked.
struct ParameterEntries {
    GraphParameterTexts texts;
    bool ticks = true;
    bool grid = false;
    bool der1 = false;
    bool der2 = false;
    bool integral = false;
    bool numbers = false; // numbered axes
};

enum class ParameterBox { XMin, XMax, YMin, YMax, TickFreq, GridFreq };

/// Why the entries were refused.
enum class ParameterFault {
    None,
    InputError, // a box is not numeric
    XRange, // minimum x not smaller than maximum x
    YRange,
    TickFrequency, // not greater than zero
    GridFrequency,
};

struct ParameterCheck {
    bool EntryError = false;
    bool ConversionFailed = false; // a fraction with a zero denominator: told before the input error
    ParameterFault fault = ParameterFault::None;
    std::optional<ParameterBox> focus; // the box the user must correct
    std::vector<ParameterBox> filledWithZero; // boxes whose value is 0 and that now read "0"
    ParameterEntries entries; // the entries after filling

    bool passed() const { return fault == ParameterFault::None && !ConversionFailed; }
};

/// The text of one box.
std::string &textOf(GraphParameterTexts &texts, ParameterBox box);
const std::string &textOf(const GraphParameterTexts &texts, ParameterBox box);
/// True when the box is read: the window boxes always, a spacing box while it is enabled.
bool isEnabled(const ParameterEntries &entries, ParameterBox box);

/// Checks that every enabled box is numeric (stops at the first that is not) and writes "0" into the
/// boxes whose value is 0.
ParameterCheck CheckFunctionValues(ParameterEntries entries);
/// The whole check of the Graph button: numeric boxes, then the ranges and the spacings.
ParameterCheck CheckGraphParameters(ParameterEntries entries);
/// Stores checked entries in the settings and remembers their texts for the next opening.
void StoreGraphParameters(GraphSettings &settings, const ParameterEntries &entries);

/// What the dialog shows when the main window opens it: the texts of the last graph, or the defaults
/// when no graph was drawn for the current equation.
ParameterEntries OfferedParameters(const GraphSettings &settings);
/// What the dialog shows when the plot's Modify opens it: after a zoom or redraw the window as numbers,
/// otherwise the remembered texts.
ParameterEntries ModifiedParameters(const GraphSettings &settings);

} // namespace tools::graph::core
