// The solver's start: a second launch brings the running window to the front without a word, and a start
// that cannot take the lock tells why.

#include "frontend/kovalin_app.h"
#include "frontend/start.h"
#include "platform/testing/window_test_main.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>

using frontend::KovalinApp;
using platform::InstanceStart;
using platform::SingleInstance;

namespace
{

const QString kName = QStringLiteral("VT_Kovalin");

} // namespace

class StartTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        QVERIFY(runtime.isValid());
    }
    void cleanup() { QVERIFY(endedClean()); }

    void aSecondLaunchBringsTheRunningWindowToTheFrontAndEnds()
    {
        SingleInstance running(kName, runtime.path());
        QCOMPARE(frontend::claimRun(running, fakes->messages), InstanceStart::Only);
        KovalinApp app(fakes->services(), *launcher);
        connect(&running, &SingleInstance::showRequested, &app, &KovalinApp::bringToFront);
        app.start();
        QVERIFY(QTest::qWaitForWindowActive(app.newDialog()));
        // The user went on to another window and minimised the solver's.
        QWidget other;
        QVERIFY(showActive(&other));
        app.newDialog()->showMinimized();
        QTRY_VERIFY(!app.newDialog()->isActiveWindow());

        SingleInstance second(kName, runtime.path());
        QCOMPARE(frontend::claimRun(second, fakes->messages), InstanceStart::Shown);
        QTRY_VERIFY(app.newDialog()->isActiveWindow());
        QVERIFY(!app.newDialog()->isMinimized());
        QVERIFY(fakes->messages.shown.isEmpty());
    }

    void aStartThatCannotTakeTheLockSaysWhy_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("lockIsFolder");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("reason");
        const QString here = runtime.path();
        QTest::newRow("lock path is a folder") << here << true << here + QStringLiteral("/VT_Kovalin.lock")
                                               << QStringLiteral("a folder stands where its lock file belongs");
        QTest::newRow("no such folder") << here + QStringLiteral("/gone") << false << here + QStringLiteral("/gone")
                                        << QStringLiteral("does not exist");
        QTest::newRow("a file for a folder")
            << here + QStringLiteral("/file") << false << here + QStringLiteral("/file") << QStringLiteral("is a file");
    }
    void aStartThatCannotTakeTheLockSaysWhy()
    {
        QFETCH(QString, folder);
        QFETCH(bool, lockIsFolder);
        QFETCH(QString, named);
        QFETCH(QString, reason);
        QFile(runtime.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        if (lockIsFolder) {
            QVERIFY(QDir(folder).mkdir(kName + QStringLiteral(".lock")));
        }
        SingleInstance instance(kName, folder);
        const InstanceStart start = frontend::claimRun(instance, fakes->messages);
        QVERIFY(start != InstanceStart::Only && start != InstanceStart::Shown);
        QCOMPARE(fakes->messages.shown.size(), 1);
        const platform::Message &told = fakes->messages.shown.first();
        QCOMPARE(told.title, QStringLiteral("Kovalin"));
        QCOMPARE(told.icon, platform::MessageIcon::Critical);
        QVERIFY2(told.text.startsWith(QStringLiteral("Kovalin cannot start: ")), qPrintable(told.text));
        QVERIFY2(told.text.contains(reason), qPrintable(told.text));
        QVERIFY2(told.text.contains(QLatin1Char('\n') + named), qPrintable(told.text));
    }

private:
    QTemporaryDir runtime;
};

KOVALIN_WINDOW_TEST_MAIN(StartTest)
#include "start_test.moc"
