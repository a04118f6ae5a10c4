#pragma once
// The Graph action of the main window: the parameters dialog, then the plot, and back to the
// parameters for as long as the user chooses Modify.

#include "frontend/core/state.h"
#include "platform/services.h"

#include <QString>

class QWidget;

namespace frontend
{
class ActionRegistry;
}

namespace tools::graph
{

/// Runs the graph of the current equation, whose text (with "y = ") is `function`, modally over `owner`.
void RunGraph(
    frontend::core::KovalinState &state, platform::Services services, const QString &function, QWidget *owner);

/// Adds the Graph action to the program's actions.
void registerGraphTool(
    frontend::ActionRegistry &actions, frontend::core::KovalinState &state, platform::Services services);

} // namespace tools::graph
