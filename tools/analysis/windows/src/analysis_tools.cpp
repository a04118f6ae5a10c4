#include "tools/analysis/analysis_tools.h"

#include "frontend/action_registry.h"
#include "platform/modal_runner.h"
#include "tools/analysis/frm_calculus.h"
#include "tools/analysis/frm_evaluate.h"
#include "tools/analysis/frm_length.h"
#include "tools/analysis/frm_table.h"

namespace tools::analysis
{
namespace
{

/// An action that opens dialog `Window` over the main window with the handed-over text.
template <typename Window, void (Window::*setText)(const QString &)>
frontend::ActionRegistry::Handler opener(const frontend::core::KovalinState &state, platform::Services services)
{
    return [&state, services](const QString &text, QWidget *owner) {
        Window dialog(state, services, owner);
        (dialog.*setText)(text);
        services.modal.run(dialog);
    };
}

} // namespace

void registerAnalysisTools(
    frontend::ActionRegistry &actions, const frontend::core::KovalinState &state, platform::Services services)
{
    using frontend::core::Action;
    actions.add(Action::Evaluate, opener<FrmEvaluate, &FrmEvaluate::setPolynomial>(state, services));
    actions.add(Action::Table, opener<FrmTableNew, &FrmTableNew::setFunction>(state, services));
    actions.add(Action::Calculus, opener<FrmCalculusNew, &FrmCalculusNew::setFunction>(state, services));
    actions.add(Action::Length, opener<FrmLengthNew, &FrmLengthNew::setFunction>(state, services));
}

} // namespace tools::analysis
