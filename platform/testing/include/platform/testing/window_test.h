#pragma once
// What every window test starts from: the fake services and a watchdog afresh for each test function, the
// checks a test ends with, and small look-ups. Controls are found by their object names.

#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace platform::testing
{

/// The doubles each window test function starts from afresh, and the checks every test ends with.
class WindowTest : public QObject
{
protected:
    void resetDoubles();
    /// No real modal window appeared and every question had its answer ready.
    bool endedClean() const;

    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<ModalWatchdog> watchdog;
};

/// The same with the state the windows under test share (the run's state of a program), afresh each time.
template <typename State>
class WindowTestWith : public WindowTest
{
protected:
    void resetDoubles()
    {
        WindowTest::resetDoubles();
        state = std::make_unique<State>();
    }

    std::unique_ptr<State> state;
};

/// The child of `parent` named `name`; the test stops when there is none.
template <typename T>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found) {
        qFatal("no child %s", qPrintable(name));
    }
    return found;
}

/// Shows the window and waits until it is the active one.
bool showActive(QWidget *window);

/// The texts of every message shown, in order.
QStringList shownTexts(const RecordingMessageService &messages);

/// Writes a scratch file (a new one in `dir` unless `path` is given) and returns its path.
QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes, QString path = QString());
/// The bytes of a file; nothing if it cannot be read.
QByteArray readBytes(const QString &path);

/// Lets the posted events run (focus selection happens once the focus has settled).
void settle();

} // namespace platform::testing

using platform::testing::child;
using platform::testing::settle;
using platform::testing::showActive;
using platform::testing::shownTexts;
using platform::testing::readBytes;
using platform::testing::writeFile;
