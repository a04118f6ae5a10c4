#include "graph/graph_tool.h"

#include "frontend/action_registry.h"
#include "graph/core/parameters.h"
#include "graph/frm_graph_parameters.h"
#include "graph/frm_graph_plot.h"
#include "platform/modal_runner.h"

#include <QCoreApplication>

namespace tools::graph
{

void RunGraph(frontend::core::KovalinState &state, platform::Services services, const QString &function, QWidget *owner)
{
    core::ParameterEntries entries = core::OfferedParameters(state.graph);
    QString text = function;
    // Each window is gone before the next one opens: Graph closes the parameters before the plot shows,
    // Modify closes the plot before the parameters show again.
    for (;;) {
        FrmGraphParameters parameters(state, services.messages, text, entries, owner);
        if (services.modal.run(parameters) != QDialog::Accepted) {
            return;
        }
        text = parameters.functionText();
        QCoreApplication::processEvents();
        FrmGraphPlot plot(state, services, text, owner);
        services.modal.run(plot);
        if (!plot.modifyRequested()) {
            return;
        }
        text = plot.functionText();
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
