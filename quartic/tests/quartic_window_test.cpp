// The quartic solver's window on the offscreen platform: where it differs from the cubic solver's.

#include "platform/testing/window_test_main.h"
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
    void readyForTheUser_data();
    void readyForTheUser();

private:
    std::unique_ptr<WindowUnderTest<quartic::QuarticWindow>> m_ui;
};

void QuarticWindowTest::init()
{
    m_ui = std::make_unique<WindowUnderTest<quartic::QuarticWindow>>(kBoxes);
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window));
}

void QuarticWindowTest::cleanup()
{
    QVERIFY(m_ui->watchdog.intruders().isEmpty());
    QCOMPARE(m_ui->services.messages.unscripted, 0);
    m_ui.reset();
}

void QuarticWindowTest::startsWithItsTexts()
{
    QCOMPARE(m_ui->window.windowTitle(), QStringLiteral("Hovanta - Quartic Equation Solver"));
    QCOMPARE(m_ui->label(QStringLiteral("lblEnter"))->text(),
        QStringLiteral("Enter the fourth-order (quartic) equation in the general form of ax^4 + bx^3 + cx^2 + "
                       "dx + e = 0 :"));
    QCOMPARE(m_ui->label(QStringLiteral("lblA"))->text(), QStringLiteral("x  +"));
    QCOMPARE(m_ui->label(QStringLiteral("lbl4"))->text(), QStringLiteral("4"));
    QCOMPARE(m_ui->label(QStringLiteral("lblB"))->text(), QStringLiteral("x³ +"));
    QCOMPARE(m_ui->label(QStringLiteral("lblC"))->text(), QStringLiteral("x² +"));
    QCOMPARE(m_ui->label(QStringLiteral("lblD"))->text(), QStringLiteral("x +"));
    QCOMPARE(m_ui->label(QStringLiteral("lblE"))->text(), QStringLiteral("= 0"));
    QCOMPARE(caption(m_ui->window), QStringLiteral("Enter an equation and click &Solve to find its roots"));
    QCOMPARE(
        m_ui->button(QStringLiteral("cmdCopy"))->toolTip(), QStringLiteral("Copy Equation and Roots to Clipboard"));
    for (int row = 1; row <= 4; ++row) {
        QCOMPARE(m_ui->label(QStringLiteral("Label") + QString::number(row))->text(), QString::number(row));
        QCOMPARE(rowColour(m_ui->window, row), neutral(m_ui->window));
    }
    QVERIFY(m_ui->box(QStringLiteral("txtA"))->hasFocus());
}

void QuarticWindowTest::solveFillsEmptyBoxes()
{
    m_ui->solve({});
    QCOMPARE(m_ui->box(QStringLiteral("txtD"))->text(), QStringLiteral("1"));
    QCOMPARE(m_ui->box(QStringLiteral("txtE"))->text(), QStringLiteral("0"));
    QCOMPARE(m_ui->roots(), list({ "0", "-1", "+ i", "- i" })); // x(x + 1)(x² + 1)
    QCOMPARE(rowColour(m_ui->window, 1), kBlue);
    QCOMPARE(rowColour(m_ui->window, 2), kBlue);
    QCOMPARE(rowColour(m_ui->window, 3), kRed);
    QCOMPARE(rowColour(m_ui->window, 4), kRed);
    QCOMPARE(caption(m_ui->window), QStringLiteral("(Two real roots; two conjugate complex roots)"));
    QVERIFY(m_ui->services.messages.shown.isEmpty());
}

void QuarticWindowTest::loneMinusBecomesMinusOneExceptInTheConstantBox()
{
    m_ui->solve(list({ "1", "0", "-", "0", "4" }));
    QCOMPARE(m_ui->box(QStringLiteral("txtC"))->text(), QStringLiteral("-1"));
    QVERIFY(m_ui->services.messages.shown.isEmpty());
    m_ui->solve(list({ "-", "-", "-", "-", "-" }));
    QCOMPARE(m_ui->box(QStringLiteral("txtD"))->text(), QStringLiteral("-1"));
    QCOMPARE(m_ui->box(QStringLiteral("txtE"))->text(), QStringLiteral("-"));
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kInputError });
}

void QuarticWindowTest::zeroDenominatorRefusesTheEquation()
{
    m_ui->solve(list({ "1", "0", "0", "0", "-16" }));
    QCOMPARE(m_ui->roots().first(), QStringLiteral("2"));
    m_ui->solve(list({ "1", "0", "2/0", "0", "-16" }));
    QCOMPARE(m_ui->services.messages.shown, (QList<Message> { kDivisionByZero, kInputError }));
    QCOMPARE(m_ui->roots(), list({ "", "", "", "" }));
    QCOMPARE(rowColour(m_ui->window, 4), neutral(m_ui->window));
    QVERIFY(!m_ui->button(QStringLiteral("cmdCopy"))->isEnabled());
    QCOMPARE(caption(m_ui->window), QStringLiteral("Fix the equation and click &Solve to find its roots"));
}

void QuarticWindowTest::clearLooksAtTheFirstFourBoxesOnly()
{
    m_ui->solve(list({ "1", "0", "0", "0", "-16" }));
    m_ui->type(list({ "", "", "", "", "7" }));
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QVERIFY(m_ui->services.messages.shown.isEmpty());
    QCOMPARE(m_ui->box(QStringLiteral("txtE"))->text(), QStringLiteral("7"));
    QCOMPARE(m_ui->roots(), list({ "2", "-2", "+ 2i", "- 2i" }));

    m_ui->box(QStringLiteral("txtD"))->setText(QStringLiteral("3"));
    m_ui->services.messages.answers.push_back(Answer::Yes);
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kClearQuestion });
    for (const QString &name : kBoxes) {
        QCOMPARE(m_ui->box(name)->text(), QString());
    }
    QCOMPARE(m_ui->roots(), list({ "", "", "", "" }));
    QCOMPARE(rowColour(m_ui->window, 3), neutral(m_ui->window));
    QTRY_VERIFY(m_ui->box(QStringLiteral("txtA"))->hasFocus());
}

void QuarticWindowTest::copyPutsTheLineOnTheClipboard_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("line");
    QTest::newRow("two real, then a pair") << list({ "1", "0", "0", "0", "-16" })
                                           << QStringLiteral("{1x^4 + 0x^3 + 0x^2 + 0x + -16 = 0 | x = 2; -2; ± 2i}");
    QTest::newRow("four complex") << list({ "1", "0", "0", "0", "4" })
                                  << QStringLiteral("{1x^4 + 0x^3 + 0x^2 + 0x + 4 = 0 | x = -1 ± 1i; 1 ± 1i}");
    QTest::newRow("cubic") << list({ "0", "1", "0", "0", "-8" })
                           << QStringLiteral("{1x³ + 0x² + 0x + -8 = 0 | x = 2; -1 ± 1.7320508i}");
}

void QuarticWindowTest::copyPutsTheLineOnTheClipboard()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, line);
    m_ui->solve(boxes);
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(m_ui->services.clipboard.text, std::optional<QString>(line));
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kCopied });
}

void QuarticWindowTest::cubicCaseLeavesTheFourthRowEmpty()
{
    m_ui->solve(list({ "1", "0", "0", "0", "4" }));
    m_ui->solve(list({ "0", "1", "0", "-3", "2" })); // double root by bisection
    QCOMPARE(m_ui->roots(), list({ "-2", "1", "1", "" }));
    QCOMPARE(rowColour(m_ui->window, 3), kBlue);
    QCOMPARE(rowColour(m_ui->window, 4), neutral(m_ui->window));
    QCOMPARE(caption(m_ui->window), QStringLiteral("(Three real roots)"));
}

void QuarticWindowTest::readyForTheUser_data()
{
    platform::testing::addFontSizeRows();
}

void QuarticWindowTest::readyForTheUser()
{
    m_ui.reset(); // made afresh in the row's font
    expectReadyForTheUser<quartic::QuarticWindow>(kBoxes, list({ "1", "0", "0", "0", "-1" }));
    m_ui = std::make_unique<WindowUnderTest<quartic::QuarticWindow>>(kBoxes);
}

KOVALIN_WINDOW_TEST_MAIN(QuarticWindowTest)
#include "quartic_window_test.moc"
