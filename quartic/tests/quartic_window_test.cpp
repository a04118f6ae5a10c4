// The quartic solver's window on the offscreen platform: where it differs from the cubic solver's.

#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"
#include "quartic/quartic_window.h"
#include "window_checks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using platform::Answer;
using platform::Message;
using namespace window_checks;

namespace
{

const Message kInputError { QStringLiteral("An error has occured during the computations.\n"
                                           "You have most likely entered invalid data (i.e. non-numerical characters "
                                           "or an invalid equation).\n"
                                           "Please fix your mistake(s)."),
    QStringLiteral("Input Error"),
    platform::MessageIcon::Critical,
    platform::MessageButtons::Ok };
const QStringList kBoxes { QStringLiteral("txtA"),
    QStringLiteral("txtB"),
    QStringLiteral("txtC"),
    QStringLiteral("txtD"),
    QStringLiteral("txtE") };

} // namespace

class QuarticWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithItsTexts();
    void solveFillsEmptyBoxes();
    void loneMinusBecomesMinusOneExceptInTheConstantBox();
    void zeroDenominatorRefusesTheEquation();
    void clearLooksAtTheFirstFourBoxesOnly();
    void copyPutsTheLineOnTheClipboard_data();
    void copyPutsTheLineOnTheClipboard();
    void cubicCaseLeavesTheFourthRowEmpty();

private:
    QLineEdit *box(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) const { return m_window->findChild<QLabel *>(name); }
    QPushButton *button(const QString &name) const { return m_window->findChild<QPushButton *>(name); }
    QStringList roots() const;
    void type(const QStringList &texts);
    void solve(const QStringList &texts);

    std::unique_ptr<platform::testing::FakeServices> m_services;
    std::unique_ptr<quartic::QuarticWindow> m_window;
    std::unique_ptr<platform::testing::ModalWatchdog> m_watchdog;
};

void QuarticWindowTest::init()
{
    m_services = std::make_unique<platform::testing::FakeServices>();
    m_window = std::make_unique<quartic::QuarticWindow>(m_services->messages, m_services->clipboard, m_services->shell);
    m_watchdog = std::make_unique<platform::testing::ModalWatchdog>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void QuarticWindowTest::cleanup()
{
    QVERIFY(m_watchdog->intruders().isEmpty());
    QCOMPARE(m_services->messages.unscripted, 0);
    m_window.reset();
}

QStringList QuarticWindowTest::roots() const
{
    QStringList texts;
    for (int row = 1; row <= 4; ++row) {
        texts.append(box(QStringLiteral("txtX") + QString::number(row))->text());
    }
    return texts;
}

void QuarticWindowTest::type(const QStringList &texts)
{
    for (qsizetype i = 0; i < kBoxes.size(); ++i) {
        box(kBoxes[i])->setText(texts.value(i));
    }
}

void QuarticWindowTest::solve(const QStringList &texts)
{
    type(texts);
    QTest::mouseClick(button(QStringLiteral("cmdCalculate")), Qt::LeftButton);
}

void QuarticWindowTest::startsWithItsTexts()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Hovanta - Quartic Equation Solver"));
    QCOMPARE(label(QStringLiteral("lblEnter"))->text(),
        QStringLiteral("Enter the fourth-order (quartic) equation in the general form of ax^4 + bx^3 + cx^2 + "
                       "dx + e = 0 :"));
    QCOMPARE(label(QStringLiteral("lblA"))->text(), QStringLiteral("x  +"));
    QCOMPARE(label(QStringLiteral("lbl4"))->text(), QStringLiteral("4"));
    QCOMPARE(label(QStringLiteral("lblB"))->text(), QStringLiteral("x³ +"));
    QCOMPARE(label(QStringLiteral("lblC"))->text(), QStringLiteral("x² +"));
    QCOMPARE(label(QStringLiteral("lblD"))->text(), QStringLiteral("x +"));
    QCOMPARE(label(QStringLiteral("lblE"))->text(), QStringLiteral("= 0"));
    QCOMPARE(caption(*m_window), QStringLiteral("Enter an equation and click &Solve to find its roots"));
    QCOMPARE(button(QStringLiteral("cmdCopy"))->toolTip(), QStringLiteral("Copy Equation and Roots to Clipboard"));
    for (int row = 1; row <= 4; ++row) {
        QCOMPARE(label(QStringLiteral("Label") + QString::number(row))->text(), QString::number(row));
        QCOMPARE(rowColour(*m_window, row), neutral(*m_window));
    }
    QVERIFY(box(QStringLiteral("txtA"))->hasFocus());
}

void QuarticWindowTest::solveFillsEmptyBoxes()
{
    solve({});
    QCOMPARE(box(QStringLiteral("txtD"))->text(), QStringLiteral("1"));
    QCOMPARE(box(QStringLiteral("txtE"))->text(), QStringLiteral("0"));
    QCOMPARE(roots(), list({ "0", "-1", "+ i", "- i" })); // x(x + 1)(x² + 1)
    QCOMPARE(rowColour(*m_window, 1), kBlue);
    QCOMPARE(rowColour(*m_window, 2), kBlue);
    QCOMPARE(rowColour(*m_window, 3), kRed);
    QCOMPARE(rowColour(*m_window, 4), kRed);
    QCOMPARE(caption(*m_window), QStringLiteral("(Two real roots; two conjugate complex roots)"));
    QVERIFY(m_services->messages.shown.isEmpty());
}

void QuarticWindowTest::loneMinusBecomesMinusOneExceptInTheConstantBox()
{
    solve(list({ "1", "0", "-", "0", "4" }));
    QCOMPARE(box(QStringLiteral("txtC"))->text(), QStringLiteral("-1"));
    QVERIFY(m_services->messages.shown.isEmpty());
    solve(list({ "-", "-", "-", "-", "-" }));
    QCOMPARE(box(QStringLiteral("txtD"))->text(), QStringLiteral("-1"));
    QCOMPARE(box(QStringLiteral("txtE"))->text(), QStringLiteral("-"));
    QCOMPARE(m_services->messages.shown, QList<Message> { kInputError });
}

void QuarticWindowTest::zeroDenominatorRefusesTheEquation()
{
    solve(list({ "1", "0", "0", "0", "-16" }));
    QCOMPARE(roots().first(), QStringLiteral("2"));
    solve(list({ "1", "0", "2/0", "0", "-16" }));
    QCOMPARE(m_services->messages.shown, (QList<Message> { kDivisionByZero, kInputError }));
    QCOMPARE(roots(), list({ "", "", "", "" }));
    QCOMPARE(rowColour(*m_window, 4), neutral(*m_window));
    QVERIFY(!button(QStringLiteral("cmdCopy"))->isEnabled());
    QCOMPARE(caption(*m_window), QStringLiteral("Fix the equation and click &Solve to find its roots"));
}

void QuarticWindowTest::clearLooksAtTheFirstFourBoxesOnly()
{
    solve(list({ "1", "0", "0", "0", "-16" }));
    type(list({ "", "", "", "", "7" }));
    QTest::mouseClick(button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QVERIFY(m_services->messages.shown.isEmpty());
    QCOMPARE(box(QStringLiteral("txtE"))->text(), QStringLiteral("7"));
    QCOMPARE(roots(), list({ "2", "-2", "+ 2i", "- 2i" }));

    box(QStringLiteral("txtD"))->setText(QStringLiteral("3"));
    m_services->messages.answers.push_back(Answer::Yes);
    QTest::mouseClick(button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QCOMPARE(m_services->messages.shown, QList<Message> { kClearQuestion });
    for (const QString &name : kBoxes) {
        QCOMPARE(box(name)->text(), QString());
    }
    QCOMPARE(roots(), list({ "", "", "", "" }));
    QCOMPARE(rowColour(*m_window, 3), neutral(*m_window));
    QTRY_VERIFY(box(QStringLiteral("txtA"))->hasFocus());
}

void QuarticWindowTest::copyPutsTheLineOnTheClipboard_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("line");
    QTest::newRow("two real, then a pair") << list({ "1", "0", "0", "0", "-16" })
                                           << QStringLiteral("{1x^4 + 0x^3 + 0x^2 + 0x + -16 = 0 | x = 2; -2; ± 2i}");
    QTest::newRow("four complex") << list({ "1", "0", "0", "0", "4" })
                                  << QStringLiteral("{1x^4 + 0x^3 + 0x^2 + 0x + 4 = 0 | x = -1 ± 1i; 1 ± 1i}");
    QTest::newRow("four real") << list({ "1", "0", "-5", "0", "4" })
                               << QStringLiteral("{1x^4 + 0x^3 + -5x^2 + 0x + 4 = 0 | x = -2; -1; 1; 2}");
    QTest::newRow("a pair, then two real")
        << list({ "1", "0", "-3", "-6", "-2" })
        << QStringLiteral("{1x^4 + 0x^3 + -3x^2 + -6x + -2 = 0 | x = -1 ± 1i; 2.4142136; -0.4142136}");
    QTest::newRow("cubic") << list({ "0", "1", "0", "0", "-8" })
                           << QStringLiteral("{1x³ + 0x² + 0x + -8 = 0 | x = 2; -1 ± 1.7320508i}");
    QTest::newRow("quadratic") << list({ "0", "0", "1", "2", "2" })
                               << QStringLiteral("{1x² + 2x + 2 = 0 | x = -1 ± i}");
    QTest::newRow("linear") << list({ "0", "0", "0", "2", "1" }) << QStringLiteral("{2x + 1 = 0 | x = -0.5}");
}

void QuarticWindowTest::copyPutsTheLineOnTheClipboard()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, line);
    solve(boxes);
    QTest::mouseClick(button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(m_services->clipboard.text, std::optional<QString>(line));
    QCOMPARE(m_services->messages.shown, QList<Message> { kCopied });
}

void QuarticWindowTest::cubicCaseLeavesTheFourthRowEmpty()
{
    solve(list({ "1", "0", "0", "0", "4" }));
    solve(list({ "0", "1", "0", "-3", "2" })); // double root by bisection
    QCOMPARE(roots(), list({ "-2", "1", "1", "" }));
    QCOMPARE(rowColour(*m_window, 3), kBlue);
    QCOMPARE(rowColour(*m_window, 4), neutral(*m_window));
    QCOMPARE(caption(*m_window), QStringLiteral("(Three real roots)"));
}

QTEST_MAIN(QuarticWindowTest)
#include "quartic_window_test.moc"
