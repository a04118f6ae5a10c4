#pragma once
// The analysis tools offered by the main window: evaluation, table of values, derivative and integral,
// arc length.

#include "frontend/core/state.h"
#include "platform/services.h"

namespace frontend
{
class ActionRegistry;
}

namespace tools::analysis
{

/// Registers the tools' actions; each opens its dialog modally over the main window with the equation the
/// main window hands over, shown to the display precision of `state`, which must outlive the registry's use.
void registerAnalysisTools(
    frontend::ActionRegistry &actions, const frontend::core::KovalinState &state, platform::Services services);

} // namespace tools::analysis
