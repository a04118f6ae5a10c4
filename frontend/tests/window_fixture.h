#pragma once
// Shared pieces of the solver's window tests: the fake services, a launcher that records what the
// windows hand over, and small look-ups.

#include "frontend/kit/action_launcher.h"
#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"

#include <QApplication>
#include <QFile>
#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
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

/// The doubles each window test function starts from afresh, and the checks every test ends with.
class WindowTest : public QObject
{
protected:
    void resetDoubles()
    {
        fakes = std::make_unique<platform::testing::FakeServices>();
        launcher = std::make_unique<RecordingLauncher>();
        state = std::make_unique<frontend::core::KovalinState>();
        watchdog = std::make_unique<platform::testing::ModalWatchdog>();
    }
    /// No real modal window appeared and every question had its answer ready.
    bool endedClean() const { return watchdog->intruders().isEmpty() && fakes->messages.unscripted == 0; }

    std::unique_ptr<platform::testing::FakeServices> fakes;
    std::unique_ptr<RecordingLauncher> launcher;
    std::unique_ptr<frontend::core::KovalinState> state;
    std::unique_ptr<platform::testing::ModalWatchdog> watchdog;
};

/// The texts of every message shown, in order.
inline QStringList shownTexts(const platform::testing::RecordingMessageService &messages)
{
    QStringList out;
    for (const platform::Message &message : messages.shown) {
        out.append(message.text);
    }
    return out;
}

/// Writes a scratch file (a new one in `dir` unless `path` is given) and returns its path.
inline QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes, QString path = QString())
{
    static int count = 0;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("file%1.txt").arg(++count));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write(bytes);
    return path;
}

/// Lets the posted events run (focus selection happens once the focus has settled).
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
