#include "frontend/kovalin_app.h"
#include "platform/testing/window_test_main.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using frontend::KovalinApp;
using platform::Answer;

class KovalinAppTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        fakes = std::make_unique<platform::testing::FakeServices>();
        watchdog = std::make_unique<platform::testing::ModalWatchdog>();
        app = std::make_unique<KovalinApp>(fakes->services(), actions);
        app->start();
    }
    void cleanup()
    {
        QVERIFY(watchdog->intruders().isEmpty());
        QCOMPARE(fakes->messages.unscripted, 0);
        app.reset();
    }

    void theRunStartsInTheNewEquationDialog()
    {
        QVERIFY(app->newDialog());
        QVERIFY(app->newDialog()->isVisible());
        QVERIFY(!app->mainWindow());
    }

    void okOpensTheMainWindowWithTheFocusInTheLeadingBox()
    {
        chooseDegree(3);
        QVERIFY(app->mainWindow());
        QVERIFY(QTest::qWaitForWindowActive(app->mainWindow()));
        QVERIFY(child<QLineEdit>(app->mainWindow(), QStringLiteral("txtCR_3"))->hasFocus());
    }

    void newReturnsToAFreshDialogAndExitEnds()
    {
        QSignalSpy finished(app.get(), &KovalinApp::finished);
        chooseDegree(2);
        fakes->messages.answers = { Answer::Yes };
        child<QPushButton>(app->mainWindow(), QStringLiteral("btnNew"))->click();
        QVERIFY(app->newDialog());
        QVERIFY(app->newDialog()->isVisible());
        QCOMPARE(child<QComboBox>(app->newDialog(), QStringLiteral("cboDegree"))->currentText(), QString());
        QTRY_VERIFY(!app->mainWindow()); // deleted once control is back in the event loop
        QCOMPARE(finished.count(), 0);
        child<QPushButton>(app->newDialog(), QStringLiteral("btnExit"))->click();
        QCOMPARE(finished.count(), 1);
    }

    void exitFromTheMainWindowEndsTheRun()
    {
        QSignalSpy finished(app.get(), &KovalinApp::finished);
        chooseDegree(1);
        fakes->messages.answers = { Answer::Yes };
        app->mainWindow()->close();
        QCOMPARE(finished.count(), 1);
    }

private:
    void chooseDegree(int degree)
    {
        QVERIFY(showActive(app->newDialog()));
        child<QComboBox>(app->newDialog(), QStringLiteral("cboDegree"))->setCurrentIndex(degree - 1);
        child<QPushButton>(app->newDialog(), QStringLiteral("btnOK"))->click();
    }

    RecordingLauncher actions; // offers no action
    std::unique_ptr<platform::testing::FakeServices> fakes;
    std::unique_ptr<platform::testing::ModalWatchdog> watchdog;
    std::unique_ptr<KovalinApp> app;
};

KOVALIN_WINDOW_TEST_MAIN(KovalinAppTest)
#include "kovalin_app_test.moc"
