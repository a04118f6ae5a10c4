#include "about/frm_about.h"
#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"
#include "platform/testing/window_test_main.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using platform::testing::FakeServices;

class FrmAboutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        fakes = std::make_unique<FakeServices>();
        watchdog = std::make_unique<platform::testing::ModalWatchdog>();
        dialog = std::make_unique<about::FrmAbout>(fakes->shell, fakes->messages);
        dialog->show();
    }
    void cleanup()
    {
        QVERIFY(watchdog->intruders().isEmpty());
        dialog.reset();
    }

    void showsTitleVersionAndDescription()
    {
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Kovalin"));
        QVERIFY(
            dialog->findChild<QLabel *>(QStringLiteral("lblVersion"))->text().startsWith(QStringLiteral("Version 1.")));
        QVERIFY(!dialog->findChild<QLabel *>(QStringLiteral("lblDescription"))->text().isEmpty());
    }

    void okClosesTheBox()
    {
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
    }

    void theSupportLabelOpensTheMailProgram()
    {
        auto *support = dialog->findChild<QLabel *>(QStringLiteral("lblSupport"));
        QVERIFY(support->text().contains(QLatin1String(about::supportAddress)));
        Q_EMIT support->linkActivated(QStringLiteral("mailto:") + QLatin1String(about::supportAddress));
        QCOMPARE(
            fakes->shell.openedUrls, QStringList { QStringLiteral("mailto:") + QLatin1String(about::supportAddress) });
    }

    void systemInformationStartsTheToolWhereThereIsOne()
    {
        fakes->shell.hasSystemInformation = true;
        dialog->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(fakes->shell.systemInformationStarts, 1);
        QVERIFY(fakes->messages.shown.isEmpty());
    }

    void systemInformationSaysWhenThereIsNone()
    {
        fakes->shell.hasSystemInformation = false;
        dialog->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown.first().text, QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(dialog->isVisible());
    }

private:
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<platform::testing::ModalWatchdog> watchdog;
    std::unique_ptr<about::FrmAbout> dialog;
};

KOVALIN_WINDOW_TEST_MAIN(FrmAboutTest)
#include "frm_about_test.moc"
