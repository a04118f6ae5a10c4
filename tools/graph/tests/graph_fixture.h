#pragma once
// Shared pieces of the graph window tests: an equation to draw, pointer events on the picture, and the
// steps the user takes in each window the modal runner shows.

#include "frontend/core/state.h"
#include "frontend/core/testing/equations.h"
#include "platform/testing/window_test.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>

#include <deque>
#include <functional>
#include <string>
#include <vector>

/// The graph's window tests work on the run's state: its equation, precision and graph settings.
using WindowTest = platform::testing::WindowTestWith<frontend::core::KovalinState>;

/// A typed real equation whose coefficients (constant first) have passed the main window's check.
inline void useRealEquation(frontend::core::KovalinState &state, std::vector<std::string> coefficients)
{
    state.CoefType = frontend::core::CoefKind::Real;
    state.Degree = static_cast<int>(coefficients.size()) - 1;
    state.BoxDegree = state.Degree;
    state.equation =
        frontend::core::testing::equationOf(frontend::core::CoefficientTexts::real(std::move(coefficients)));
}

/// Sends one mouse event to the picture at a pixel (synchronously, without the platform's pointer).
inline void mouse(QWidget *picture, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
{
    QMouseEvent event(type, QPointF(at), picture->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &event);
}

/// Plays the user's part in each window the fake modal runner shows, one step per window in order; a
/// window without a step is closed at once.
class ModalSteps
{
public:
    explicit ModalSteps(platform::testing::FakeModalRunner &runner)
    {
        runner.onRun = [this](QDialog &dialog) {
            if (m_steps.empty()) {
                dialog.reject();
                ++unplanned;
                return;
            }
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            step(dialog);
        };
    }
    void then(std::function<void(QDialog &)> step) { m_steps.push_back(std::move(step)); }
    bool allTaken() const { return m_steps.empty() && unplanned == 0; }

    int unplanned = 0;

private:
    std::deque<std::function<void(QDialog &)>> m_steps;
};

inline void clickIn(QDialog &dialog, const char *name)
{
    child<QAbstractButton>(&dialog, QLatin1String(name))->click();
}
