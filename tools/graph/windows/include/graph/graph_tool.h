#pragma once
// The Graph action of the main window: the parameters dialog, then the plot, and back to the
// parameters for as long as the user chooses Modify.

#include "frontend/core/equation.h"
#include "frontend/core/state.h"
#include "platform/services.h"

#include <QString>

#include <cstddef>
#include <vector>

class QWidget;

namespace frontend
{
class ActionRegistry;
}

namespace tools::graph
{

/// Runs the graph of the checked equation, whose text (with "y = ") is `function`, modally over `owner`, with
/// the display precision `decimals` and the run's graph settings; numbered axes mark the real `roots`.
void runGraph(const frontend::core::Equation &equation,
    std::size_t decimals,
    frontend::core::GraphSettings &settings,
    platform::Services services,
    const QString &function,
    QWidget *owner,
    const std::vector<double> &roots = {});

/// Adds the Graph action to the program's actions; it draws with the precision and the graph settings of
/// `state`, which must outlive the registry's use.
void registerGraphTool(
    frontend::ActionRegistry &actions, frontend::core::KovalinState &state, platform::Services services);

} // namespace tools::graph
