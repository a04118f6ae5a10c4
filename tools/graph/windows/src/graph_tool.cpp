#include "graph/graph_tool.h"

#include "frontend/action_registry.h"
#include "graph/core/parameters.h"
#include "graph/frm_graph_parameters.h"
#include "graph/frm_graph_plot.h"
#include "platform/modal_runner.h"

#include <QCoreApplication>

#include <optional>

namespace tools::graph
{

namespace
{

/// The parameters dialog; the function's text when Graph stored new settings, nothing on Cancel.
std::optional<QString> askParameters(frontend::core::KovalinState &state,
    platform::Services services,
    const QString &function,
    const core::ParameterEntries &entries,
    QWidget *owner)
{
    FrmGraphParameters parameters(state, services.messages, function, entries, owner);
    if (services.modal.run(parameters) != QDialog::Accepted) {
        return std::nullopt;
    }
    return parameters.functionText();
}

/// The plot; the function's text when the user chose Modify, nothing on Close.
std::optional<QString> showPlot(
    frontend::core::KovalinState &state, platform::Services services, const QString &function, QWidget *owner)
{
    FrmGraphPlot plot(state, services, function, owner);
    services.modal.run(plot);
    if (!plot.modifyRequested()) {
        return std::nullopt;
    }
    return plot.functionText();
}

} // namespace

void RunGraph(frontend::core::KovalinState &state, platform::Services services, const QString &function, QWidget *owner)
{
    // Each window is gone before the next one opens: Graph closes the parameters before the plot shows,
    // Modify closes the plot before the parameters show again.
    core::ParameterEntries entries = core::OfferedParameters(state.graph);
    std::optional<QString> text = function;
    for (;;) {
        text = askParameters(state, services, *text, entries, owner);
        if (!text) {
            return;
        }
        QCoreApplication::processEvents();
        text = showPlot(state, services, *text, owner);
        if (!text) {
            return;
        }
        entries = core::ModifiedParameters(state.graph);
    }
}

void registerGraphTool(
    frontend::ActionRegistry &actions, frontend::core::KovalinState &state, platform::Services services)
{
    actions.add(frontend::core::Action::Graph, [&state, services](const QString &function, QWidget *owner) {
        RunGraph(state, services, function, owner);
    });
}

} // namespace tools::graph
