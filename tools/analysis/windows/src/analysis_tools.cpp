#include "tools/analysis/analysis_tools.h"

#include "frontend/kit/action_registry.h"
#include "frontend/kit/qt_text.h"
#include "platform/modal_runner.h"
#include "tools/analysis/frm_calculus.h"
#include "tools/analysis/frm_evaluate.h"
#include "tools/analysis/frm_length.h"
#include "tools/analysis/frm_table.h"

namespace tools::analysis
{
namespace
{

/// An action that opens dialog `Window` over the main window with the equation and its text.
template <typename Window, void (Window::*setText)(const QString &)>
frontend::ActionRegistry::Handler opener(
    frontend::core::Action action, const frontend::core::KovalinState &state, platform::Services services)
{
    return [action, &state, services](const frontend::core::Equation &equation, QWidget *owner) {
        Window dialog(equation, state.decimals(), services, owner);
        (dialog.*setText)(frontend::toQt(frontend::core::actionText(action, equation)));
        services.modal.run(dialog);
    };
}

} // namespace

void registerAnalysisTools(
    frontend::ActionRegistry &actions, const frontend::core::KovalinState &state, platform::Services services)
{
    using frontend::core::Action;
    actions.add(Action::Evaluate, opener<FrmEvaluate, &FrmEvaluate::setPolynomial>(Action::Evaluate, state, services));
    actions.add(Action::Table, opener<FrmTableNew, &FrmTableNew::setFunction>(Action::Table, state, services));
    actions.add(
        Action::Calculus, opener<FrmCalculusNew, &FrmCalculusNew::setFunction>(Action::Calculus, state, services));
    actions.add(Action::Length, opener<FrmLengthNew, &FrmLengthNew::setFunction>(Action::Length, state, services));
}

} // namespace tools::analysis
