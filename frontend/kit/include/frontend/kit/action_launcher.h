#pragma once
// Where the solve workflow, the equation creator and the tools plug into the main window and the
// new-equation dialog. The main window runs the checks (complex gate, equation check) and hands over the
// checked equation; the launcher opens the action's window with it.

#include "frontend/core/equation.h"
#include "frontend/core/state.h"

class QWidget;

namespace frontend
{

class ActionLauncher
{
public:
    virtual ~ActionLauncher() = default;
    /// Whether the action is there at all (its button and menu item are enabled).
    virtual bool offers(core::Action action) const = 0;
    /// Runs the action after its checks passed, on the checked equation (an empty one for Create, which
    /// needs none).
    virtual void launch(core::Action action, const core::Equation &equation, QWidget *owner) = 0;
    /// Opens the creator's roots window for the request in the state (from the new-equation dialog).
    virtual void openCreator(QWidget *owner) = 0;
};

} // namespace frontend
