#pragma once
// The launcher the program uses: each part of the program (solving, the creator, each tool) registers the
// actions it provides at start-up; an action nobody registered stays disabled.

#include "frontend/kit/action_launcher.h"

#include <functional>
#include <map>

namespace frontend
{

class ActionRegistry final : public ActionLauncher
{
public:
    using Handler = std::function<void(const core::Equation &equation, QWidget *owner)>;
    using CreatorHandler = std::function<void(QWidget *owner)>;

    void add(core::Action action, Handler handler) { m_handlers[action] = std::move(handler); }
    void setCreator(CreatorHandler handler) { m_creator = std::move(handler); }

    bool offers(core::Action action) const override { return m_handlers.count(action) != 0; }
    void launch(core::Action action, const core::Equation &equation, QWidget *owner) override
    {
        if (const auto found = m_handlers.find(action); found != m_handlers.end()) {
            found->second(equation, owner);
        }
    }
    void openCreator(QWidget *owner) override
    {
        if (m_creator) {
            m_creator(owner);
        }
    }

private:
    std::map<core::Action, Handler> m_handlers;
    CreatorHandler m_creator;
};

} // namespace frontend
