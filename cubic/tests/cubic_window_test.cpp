// The cubic solver's window on the offscreen platform, with recording message, clipboard and shell doubles.

#include "cubic/cubic_window.h"
#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"
#include "window_checks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using platform::Answer;
using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;
using namespace window_checks;

namespace
{

const Message kInputError { QStringLiteral("An error has occured during the computations.\n"
                                           "You have most likely entered invalid characters (i.e. non-numeric "
                                           "characters or an invalid equation).\n"
                                           "Please fix your mistake(s)."),
    QStringLiteral("Input Error"),
    MessageIcon::Critical,
    MessageButtons::Ok };
const QStringList kBoxes {
    QStringLiteral("txtA"), QStringLiteral("txtB"), QStringLiteral("txtC"), QStringLiteral("txtD")
};

} // namespace

class CubicWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithItsTextsAndNothingSolved();
    void solveFillsEmptyBoxesAndShowsTheRoots();
    void loneMinusBecomesMinusOneExceptInTheConstantBox();
    void unreadableBoxShowsTheInputErrorAndClearsTheResults();
    void zeroDenominatorIsReportedAtEveryReading();
    void clearAsksOnlyWhenACoefficientIsFilled_data();
    void clearAsksOnlyWhenACoefficientIsFilled();
    void clearWithEmptyBoxesKeepsEarlierResults();
    void copyPutsTheLineOnTheClipboard_data();
    void copyPutsTheLineOnTheClipboard();
    void copyReadsLinearBoxesNowButKeepsTheCubicAsSolved();
    void emailLabelOpensTheMailProgramAndReddensWhilePressed();
    void focusSelectsTheWholeText();

private:
    QLineEdit *box(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) const { return m_window->findChild<QLabel *>(name); }
    QPushButton *button(const QString &name) const { return m_window->findChild<QPushButton *>(name); }
    QColor rowColour(int row) const { return window_checks::rowColour(*m_window, row); }
    QString caption() const { return window_checks::caption(*m_window); }
    QStringList roots() const;
    void type(const QStringList &texts);
    void solve(const QStringList &texts);

    std::unique_ptr<platform::testing::FakeServices> m_services;
    std::unique_ptr<cubic::CubicWindow> m_window;
    std::unique_ptr<platform::testing::ModalWatchdog> m_watchdog;
};

void CubicWindowTest::init()
{
    m_services = std::make_unique<platform::testing::FakeServices>();
    m_window = std::make_unique<cubic::CubicWindow>(m_services->messages, m_services->clipboard, m_services->shell);
    m_watchdog = std::make_unique<platform::testing::ModalWatchdog>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void CubicWindowTest::cleanup()
{
    QVERIFY(m_watchdog->intruders().isEmpty());
    QCOMPARE(m_services->messages.unscripted, 0);
    m_window.reset();
}

QStringList CubicWindowTest::roots() const
{
    return {
        box(QStringLiteral("txtX1"))->text(), box(QStringLiteral("txtX2"))->text(), box(QStringLiteral("txtX3"))->text()
    };
}

void CubicWindowTest::type(const QStringList &texts)
{
    for (qsizetype i = 0; i < kBoxes.size(); ++i) {
        box(kBoxes[i])->setText(texts.value(i));
    }
}

void CubicWindowTest::solve(const QStringList &texts)
{
    type(texts);
    QTest::mouseClick(button(QStringLiteral("cmdCalculate")), Qt::LeftButton);
}

void CubicWindowTest::startsWithItsTextsAndNothingSolved()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Dunmora - Cubic Equation Solver"));
    QCOMPARE(label(QStringLiteral("lblEnter"))->text(),
        QStringLiteral("Enter the third-order (cubic) equation in the general form of ax³ + bx² + cx + d = 0 :"));
    QCOMPARE(label(QStringLiteral("lblA"))->text(), QStringLiteral("x³ +"));
    QCOMPARE(label(QStringLiteral("lblB"))->text(), QStringLiteral("x² +"));
    QCOMPARE(label(QStringLiteral("lblC"))->text(), QStringLiteral("x +"));
    QCOMPARE(label(QStringLiteral("lblD"))->text(), QStringLiteral("= 0"));
    QCOMPARE(label(QStringLiteral("lblCoef"))->text(),
        QStringLiteral("Coefficients may be entered in either decimal (1.23), fractional (1/2.3), or "
                       "exponential form (1.2E-3)."));
    QCOMPARE(caption(), QStringLiteral("Enter an equation and click &Solve to find its roots"));
    QCOMPARE(button(QStringLiteral("cmdCalculate"))->text(), QStringLiteral("&Solve"));
    QCOMPARE(button(QStringLiteral("cmdCalculate"))->toolTip(), QStringLiteral("Solve Equation"));
    QCOMPARE(button(QStringLiteral("cmdCopy"))->text(), QStringLiteral("Copy"));
    QCOMPARE(button(QStringLiteral("cmdCopy"))->toolTip(), QStringLiteral("Copy Equation and Roots to Clipboard"));
    QCOMPARE(button(QStringLiteral("cmdClear"))->text(), QStringLiteral("Clear"));
    QCOMPARE(button(QStringLiteral("cmdClear"))->toolTip(), QStringLiteral("Clear Equation and Roots"));
    QCOMPARE(label(QStringLiteral("lblEmail"))->toolTip(), QStringLiteral("E-mail Author"));
    QVERIFY(!button(QStringLiteral("cmdCopy"))->isEnabled());
    for (int row = 1; row <= 3; ++row) {
        const QString index = QString::number(row);
        QCOMPARE(label(QStringLiteral("lblX") + index)->text(), QStringLiteral("x = "));
        QCOMPARE(label(QStringLiteral("Label") + index)->text(), index);
        QVERIFY(box(QStringLiteral("txtX") + index)->isReadOnly());
        QCOMPARE(rowColour(row), neutral(*m_window));
    }
    QVERIFY(!box(QStringLiteral("txtX4")));
    QVERIFY(box(QStringLiteral("txtA"))->hasFocus());
}

void CubicWindowTest::solveFillsEmptyBoxesAndShowsTheRoots()
{
    solve({});
    QCOMPARE(box(QStringLiteral("txtA"))->text(), QStringLiteral("1"));
    QCOMPARE(box(QStringLiteral("txtB"))->text(), QStringLiteral("1"));
    QCOMPARE(box(QStringLiteral("txtC"))->text(), QStringLiteral("1"));
    QCOMPARE(box(QStringLiteral("txtD"))->text(), QStringLiteral("0"));
    QCOMPARE(roots(), list({ "0", "-0.5 + 0.866025404i", "-0.5 - 0.866025404i" }));
    QCOMPARE(rowColour(1), kBlue);
    QCOMPARE(rowColour(2), kRed);
    QCOMPARE(rowColour(3), kRed);
    QCOMPARE(caption(), QStringLiteral("(One real root; two conjugate complex roots)"));
    QVERIFY(button(QStringLiteral("cmdCopy"))->isEnabled());
    QVERIFY(m_services->messages.shown.isEmpty());
}

void CubicWindowTest::loneMinusBecomesMinusOneExceptInTheConstantBox()
{
    solve(list({ "1", "-", "-", "0" }));
    QCOMPARE(box(QStringLiteral("txtB"))->text(), QStringLiteral("-1"));
    QCOMPARE(box(QStringLiteral("txtC"))->text(), QStringLiteral("-1"));
    QCOMPARE(roots(), list({ "0", "1.618033989", "-0.618033989" }));
    QVERIFY(m_services->messages.shown.isEmpty());

    solve(list({ "-", "1", "1", "-" }));
    QCOMPARE(box(QStringLiteral("txtA"))->text(), QStringLiteral("-1"));
    QCOMPARE(box(QStringLiteral("txtD"))->text(), QStringLiteral("-"));
    QCOMPARE(m_services->messages.shown, QList<Message> { kInputError });
}

void CubicWindowTest::unreadableBoxShowsTheInputErrorAndClearsTheResults()
{
    solve(list({ "1", "0", "0", "-8" }));
    QCOMPARE(roots().first(), QStringLiteral("2"));
    box(QStringLiteral("txtB"))->setFocus();
    solve(list({ "1", "1/2/3", "0", "-8" }));
    QCOMPARE(m_services->messages.shown, QList<Message> { kInputError });
    QCOMPARE(roots(), list({ "", "", "" }));
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(rowColour(row), neutral(*m_window));
    }
    QVERIFY(!button(QStringLiteral("cmdCopy"))->isEnabled());
    QCOMPARE(caption(), QStringLiteral("Fix the equation and click &Solve to find its roots"));
    QTRY_VERIFY(box(QStringLiteral("txtA"))->hasFocus());

    m_services->messages.shown.clear();
    solve(list({ "0", "0", "0", "5" })); // no equation at all
    QCOMPARE(m_services->messages.shown, QList<Message> { kInputError });
}

void CubicWindowTest::zeroDenominatorIsReportedAtEveryReading()
{
    // Read once before solving, and once more when the cubic is divided by its first root.
    solve(list({ "1", "0", "2/0", "-8" }));
    QCOMPARE(m_services->messages.shown, (QList<Message> { kDivisionByZero, kDivisionByZero }));
    QCOMPARE(roots(), list({ "2", "-1 + 1.732050808i", "-1 - 1.732050808i" }));

    // 1/0 in the leading box makes the equation a quadratic.
    m_services->messages.shown.clear();
    solve(list({ "1/0", "1", "-3", "2" }));
    QCOMPARE(m_services->messages.shown, QList<Message> { kDivisionByZero });
    QCOMPARE(roots(), list({ "2", "1", "" }));
    QCOMPARE(caption(), QStringLiteral("(Two different real roots)"));
    QCOMPARE(rowColour(3), neutral(*m_window));
}

void CubicWindowTest::clearAsksOnlyWhenACoefficientIsFilled_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("only d filled, yes") << list({ "", "", "", "5" }) << true << true;
    QTest::newRow("only a filled, no") << list({ "1", "", "", "" }) << false << false;
    QTest::newRow("all filled, yes") << list({ "1", "2", "3", "4" }) << true << true;
}

void CubicWindowTest::clearAsksOnlyWhenACoefficientIsFilled()
{
    QFETCH(QStringList, boxes);
    QFETCH(bool, yes);
    QFETCH(bool, cleared);
    solve(list({ "1", "0", "-1", "0" }));
    type(boxes);
    m_services->messages.answers.push_back(yes ? Answer::Yes : Answer::No);
    QTest::mouseClick(button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QCOMPARE(m_services->messages.shown, QList<Message> { kClearQuestion });
    if (cleared) {
        for (const QString &name : kBoxes) {
            QCOMPARE(box(name)->text(), QString());
        }
        QCOMPARE(roots(), list({ "", "", "" }));
        QCOMPARE(rowColour(1), neutral(*m_window));
        QVERIFY(!button(QStringLiteral("cmdCopy"))->isEnabled());
        QCOMPARE(caption(), QStringLiteral("Enter an equation and click &Solve to find its roots"));
    } else {
        QCOMPARE(box(QStringLiteral("txtA"))->text(), boxes.first());
        QCOMPARE(roots(), list({ "0", "1", "-1" }));
        QVERIFY(button(QStringLiteral("cmdCopy"))->isEnabled());
    }
    QTRY_VERIFY(box(QStringLiteral("txtA"))->hasFocus());
}

void CubicWindowTest::clearWithEmptyBoxesKeepsEarlierResults()
{
    solve(list({ "1", "0", "-1", "0" }));
    type({});
    box(QStringLiteral("txtC"))->setFocus();
    QTest::mouseClick(button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QVERIFY(m_services->messages.shown.isEmpty());
    QCOMPARE(roots(), list({ "0", "1", "-1" }));
    QCOMPARE(rowColour(1), kBlue);
    QVERIFY(button(QStringLiteral("cmdCopy"))->isEnabled());
    QTRY_VERIFY(box(QStringLiteral("txtA"))->hasFocus());
}

void CubicWindowTest::copyPutsTheLineOnTheClipboard_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("line");
    QTest::newRow("three real roots") << list({ "1", "-6", "11", "-6" })
                                      << QStringLiteral("{1x³ + -6x² + 11x + -6 = 0 | x = 3; 1; 2}");
    QTest::newRow("complex pair") << list({ "1", "0", "0", "1" })
                                  << QStringLiteral("{1x³ + 0x² + 0x + 1 = 0 | x = -1; 0.5 ± 0.866025404i}");
    QTest::newRow("fraction kept as typed")
        << list({ "1/2", "0", "0", "-4" }) << QStringLiteral("{1/2x³ + 0x² + 0x + -4 = 0 | x = 2; -1 ± 1.732050808i}");
    QTest::newRow("(x² + 1)(x + 2)") << list({ "1", "2", "1", "2" })
                                     << QStringLiteral("{1x³ + 2x² + 1x + 2 = 0 | x = -2; ± i}");
    QTest::newRow("linear") << list({ "0", "0", "2", "1" }) << QStringLiteral("{2x + 1 = 0 | x = -0.5}");
    QTest::newRow("quadratic, real roots")
        << list({ "0", "1", "-3", "2" }) << QStringLiteral("{1x² + -3x + 2 = 0 | x = 2; 1}");
    QTest::newRow("quadratic, complex pair")
        << list({ "0", "1", "2", "2" }) << QStringLiteral("{1x² + 2x + 2 = 0 | x = -1 ± i}");
    QTest::newRow("quadratic, a < 0") << list({ "0", "-1", "0", "-1" })
                                      << QStringLiteral("{-1x² + 0x + -1 = 0 | x = ± 1i}");
}

void CubicWindowTest::copyPutsTheLineOnTheClipboard()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, line);
    solve(boxes);
    QTest::mouseClick(button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(m_services->clipboard.text, std::optional<QString>(line));
    QCOMPARE(m_services->messages.shown.last(), kCopied);
}

void CubicWindowTest::copyReadsLinearBoxesNowButKeepsTheCubicAsSolved()
{
    solve(list({ "0", "0", "2", "1" }));
    box(QStringLiteral("txtC"))->setText(QStringLiteral("4"));
    QTest::mouseClick(button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(m_services->clipboard.text, std::optional<QString>(QStringLiteral("{4x + 1 = 0 | x = -0.5}")));

    solve(list({ "1", "0", "-1", "0" }));
    box(QStringLiteral("txtA"))->setText(QStringLiteral("9"));
    QTest::mouseClick(button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(
        m_services->clipboard.text, std::optional<QString>(QStringLiteral("{1x³ + 0x² + -1x + 0 = 0 | x = 0; 1; -1}")));
    QCOMPARE(roots(), list({ "0", "1", "-1" })); // editing changes nothing on screen until Solve
}

void CubicWindowTest::emailLabelOpensTheMailProgramAndReddensWhilePressed()
{
    QLabel *email = label(QStringLiteral("lblEmail"));
    QCOMPARE(email->text(), QStringLiteral("support@kovalin.example"));
    QTest::mousePress(email, Qt::LeftButton);
    QCOMPARE(email->palette().color(QPalette::WindowText), kRed);
    QVERIFY(m_services->shell.openedUrls.isEmpty());
    QTest::mouseRelease(email, Qt::LeftButton);
    QCOMPARE(email->palette().color(QPalette::WindowText), kBlue);
    QCOMPARE(m_services->shell.openedUrls, QStringList { QStringLiteral("mailto:support@kovalin.example") });
}

void CubicWindowTest::focusSelectsTheWholeText()
{
    for (const QString &name : kBoxes) {
        box(name)->setText(QStringLiteral("12.5/3"));
        box(name)->deselect();
        QTest::mouseClick(box(name), Qt::LeftButton);
        QTRY_COMPARE(box(name)->selectedText(), QStringLiteral("12.5/3"));
    }
}

QTEST_MAIN(CubicWindowTest)
#include "cubic_window_test.moc"
