#include "frontend/solving.h"

#include "frontend/core/engine_exchange.h"
#include "frontend/frm_create.h"
#include "frontend/frm_create_new.h"
#include "frontend/frm_solve.h"
#include "frontend/kit/action_registry.h"
#include "frontend/kit/engine_requests.h"
#include "frontend/kit/qt_text.h"
#include "frontend/messages.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"

namespace frontend
{

void registerSolving(ActionRegistry &actions, core::KovalinState &state, platform::Services services)
{
    actions.add(core::Action::Solve, [&state, services](const core::Equation &equation, QWidget *owner) {
        if (auto real = solveEquation(equation, state.decimals(), services, owner)) {
            state.lastRealRoots = core::LastRealRoots { equation.values, std::move(*real) }; // the graph marks them
        }
    });
    actions.add(core::Action::Create, [&state, services](const core::Equation &, QWidget *owner) {
        createEquation(state, services, owner);
    });
    actions.setCreator([&state, services](QWidget *owner) {
        openCreator(state, services, owner);
    });
}

std::optional<std::vector<double>> solveEquation(
    const core::Equation &equation, std::size_t decimals, const platform::Services &services, QWidget *owner)
{
    const core::SolveOutcome outcome = core::solve(equation, decimals, engineCall(services.engine));
    if (outcome.refused) {
        services.messages.show(msg::unableToSolve(), owner);
        return std::nullopt;
    }
    FrmSolve window(services, owner);
    window.setDegree(toQt(outcome.degreeText));
    window.setEquation(toQt(outcome.equationText));
    const bool solved = tellExchangeFault(services.messages, owner, outcome.fault);
    if (solved) {
        window.showRoots(outcome.roots);
        window.showAccuracy(outcome.solved);
    }
    services.modal.run(window);
    return solved ? std::optional(outcome.roots.real) : std::nullopt;
}

void openCreator(core::KovalinState &state, const platform::Services &services, QWidget *owner)
{
    FrmCreate window(state, services, owner);
    services.modal.run(window);
}

void createEquation(core::KovalinState &state, const platform::Services &services, QWidget *owner)
{
    FrmCreateNew dialog(state, services, owner);
    if (services.modal.run(dialog) == QDialog::Accepted) {
        openCreator(state, services, owner);
    }
}

} // namespace frontend
