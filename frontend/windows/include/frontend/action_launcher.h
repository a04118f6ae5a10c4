#pragma once
// Where the solve workflow, the equation creator and the tools plug into the main window and the
// new-equation dialog. The windows run the checks (complex gate, equation check) and hand over the
// text the target window shows; the launcher opens that window.

#include "frontend/core/state.h"

#include <QString>

class QWidget;

namespace frontend
{

class ActionLauncher
{
public:
    virtual ~ActionLauncher() = default;
    /// Whether the action is there at all (its button and menu item are enabled).
    virtual bool offers(core::Action action) const = 0;
    /// Runs the action after its checks passed. `text` is the equation text with the action's prefix
    /// ("0 = ", "y = ", "f(x) = " or none); empty for Create.
    virtual void launch(core::Action action, const QString &text, QWidget *owner) = 0;
    /// Opens the creator's roots window for the request in the state (from the new-equation dialog).
    virtual void openCreator(QWidget *owner) = 0;
};

/// No actions yet: every action button and menu item stays disabled.
class NoActions final : public ActionLauncher
{
public:
    bool offers(core::Action) const override { return false; }
    void launch(core::Action, const QString &, QWidget *) override { }
    void openCreator(QWidget *) override { }
};

} // namespace frontend
