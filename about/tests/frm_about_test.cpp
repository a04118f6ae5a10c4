#include "about/frm_about.h"
#include "frontend/kit/text_colours.h"
#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"
#include "platform/testing/window_test_main.h"

#include <QApplication>
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

    void theLinkReadsWellOnADarkPaletteAndKeepsItsColourOnALightOne()
    {
        const auto linkOf = [this](const QPalette &palette) {
            const QPalette saved = QApplication::palette();
            QApplication::setPalette(palette);
            about::FrmAbout shown(fakes->shell, fakes->messages);
            QApplication::setPalette(saved);
            return shown.findChild<QLabel *>(QStringLiteral("lblSupport"))->palette().color(QPalette::Link);
        };
        QPalette light;
        light.setColor(QPalette::Window, Qt::white);
        light.setColor(QPalette::WindowText, Qt::black);
        light.setColor(QPalette::Link, QColor(0x29, 0x80, 0xb9));
        QCOMPARE(linkOf(light), QColor(0x29, 0x80, 0xb9));
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Link, QColor(0, 0, 255)); // a theme that left the light link as it was
        const QColor link = linkOf(dark);
        QVERIFY2(frontend::contrastRatio(link, dark.color(QPalette::Window)) >= 4.5, qPrintable(link.name()));
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
