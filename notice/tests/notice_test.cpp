// The notice program's one message, through the recording service and once through the real message box.

#include "notice/notice.h"
#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"
#include "platform/testing/window_test_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using platform::Message;

namespace
{

const Message kNotice { QStringLiteral("The linear systems of equations solver is no longer available in this Quorvel "
                                       "shareware package."),
    QStringLiteral("Tesmer Pellicor"),
    platform::MessageIcon::Information,
    platform::MessageButtons::Ok };

bool anyWindowVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->isVisible();
    });
}

} // namespace

class NoticeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<platform::testing::ModalWatchdog>(); }
    void cleanup() { QVERIFY(m_watchdog->intruders().isEmpty()); }
    void showsTheOneMessageEachTimeAndNothingElse();
    void realMessageBoxEndsTheSameByOkAndByEscape_data();
    void realMessageBoxEndsTheSameByOkAndByEscape();

private:
    std::unique_ptr<platform::testing::ModalWatchdog> m_watchdog;
};

void NoticeTest::showsTheOneMessageEachTimeAndNothingElse()
{
    for (int start = 1; start <= 2; ++start) {
        platform::testing::RecordingMessageService messages;
        QCOMPARE(notice::Form_Load(messages), 0);
        QCOMPARE(messages.shown, QList<Message> { kNotice });
        QVERIFY(!anyWindowVisible());
    }
}

void NoticeTest::realMessageBoxEndsTheSameByOkAndByEscape_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("OK") << false;
    QTest::newRow("Escape") << true;
}

void NoticeTest::realMessageBoxEndsTheSameByOkAndByEscape()
{
    QFETCH(bool, escape);
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    // Plays the user once the box is up: reads it, then closes it.
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        if (escape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            box->button(QMessageBox::Ok)->click();
        }
    });
    platform::QtMessageService messages;
    QCOMPARE(notice::Form_Load(messages), 0);
    QCOMPARE(text, kNotice.text);
    QCOMPARE(title, kNotice.title);
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, 1);
    QTRY_VERIFY(!anyWindowVisible());
}

KOVALIN_WINDOW_TEST_MAIN(NoticeTest)
#include "notice_test.moc"
