#pragma once
// The solver's window tests: the common doubles, a launcher that records what the main window hands over,
// and the run's shared state.

#include "frontend/core/state.h"
#include "frontend/kit/action_launcher.h"
#include "platform/testing/window_test.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <set>

/// Offers the actions a test asks for and records every launch with the text the action's window shows.
class RecordingLauncher final : public frontend::ActionLauncher
{
public:
    bool offers(frontend::core::Action action) const override { return offered.count(action) > 0; }
    void launch(frontend::core::Action action, const frontend::core::Equation &equation, QWidget *) override
    {
        launches.append({ action, QString::fromStdString(frontend::core::actionText(action, equation)) });
    }
    void openCreator(QWidget *) override { ++creatorOpenings; }

    std::set<frontend::core::Action> offered;
    QList<QPair<frontend::core::Action, QString>> launches;
    int creatorOpenings = 0;
};

class WindowTest : public platform::testing::WindowTestWith<frontend::core::KovalinState>
{
protected:
    void resetDoubles()
    {
        WindowTestWith::resetDoubles();
        launcher = std::make_unique<RecordingLauncher>();
    }
    /// Writes `bytes` to `path`, or to a new file in the test's own folder; returns the path.
    QString writeFile(const QByteArray &bytes, const QString &path = QString())
    {
        return ::writeFile(files, bytes, path);
    }

    std::unique_ptr<RecordingLauncher> launcher;
    QTemporaryDir files; // the test's own folder for the files it writes
};
