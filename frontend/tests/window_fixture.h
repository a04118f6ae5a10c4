#pragma once
// Shared pieces of the solver's window tests: the fake services, a launcher that records what the
// windows hand over, and small look-ups.

#include "frontend/action_launcher.h"
#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"

#include <QApplication>
#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <set>

/// Offers the actions a test asks for and records every launch.
class RecordingLauncher final : public frontend::ActionLauncher
{
public:
    bool offers(frontend::core::Action action) const override { return offered.count(action) > 0; }
    void launch(frontend::core::Action action, const QString &text, QWidget *) override
    {
        launches.append({ action, text });
    }
    void openCreator(QWidget *) override { ++creatorOpenings; }

    std::set<frontend::core::Action> offered;
    QList<QPair<frontend::core::Action, QString>> launches;
    int creatorOpenings = 0;
};

template <typename T>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found) {
        qFatal("no child %s", qPrintable(name));
    }
    return found;
}

inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

/// Lets the posted events run (focus selection happens once the focus has settled).
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
