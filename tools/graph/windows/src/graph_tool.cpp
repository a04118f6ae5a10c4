#include "graph/graph_tool.h"

#include "frontend/kit/action_registry.h"
#include "frontend/kit/qt_text.h"
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
std::optional<QString> askParameters(frontend::core::GraphSettings &settings,
    platform::Services services,
    const QString &function,
    const core::ParameterEntries &entries,
    QWidget *owner)
{
    FrmGraphParameters parameters(settings, services.messages, function, entries, owner);
    if (services.modal.run(parameters) != QDialog::Accepted) {
        return std::nullopt;
    }
    return parameters.functionText();
}

} // namespace

void runGraph(const frontend::core::Equation &equation,
    std::size_t decimals,
    frontend::core::GraphSettings &settings,
    platform::Services services,
    const QString &function,
    QWidget *owner,
    const std::vector<double> &roots)
{
    // Each window is gone before the next one opens: Graph closes the parameters before the plot shows,
    // Modify closes the plot before the parameters show again.
    core::ParameterEntries entries = core::OfferedParameters(settings);
    std::optional<QString> text = function;
    for (;;) {
        text = askParameters(settings, services, *text, entries, owner);
        if (!text) {
            return;
        }
        QCoreApplication::processEvents();
        FrmGraphPlot plot(equation, decimals, settings, services, *text, owner);
        plot.setKnownRoots(roots);
        services.modal.run(plot);
        if (!plot.modifyRequested()) {
            return;
        }
        text = plot.functionText();
        entries = core::ModifiedParameters(settings);
    }
}

void registerGraphTool(
    frontend::ActionRegistry &actions, frontend::core::KovalinState &state, platform::Services services)
{
    actions.add(
        frontend::core::Action::Graph, [&state, services](const frontend::core::Equation &equation, QWidget *owner) {
            runGraph(equation,
                state.decimals(),
                state.graph,
                services,
                frontend::toQt(frontend::core::actionText(frontend::core::Action::Graph, equation)),
                owner,
                frontend::core::knownRealRoots(state, equation).value_or(std::vector<double> {}));
        });
}

} // namespace tools::graph
