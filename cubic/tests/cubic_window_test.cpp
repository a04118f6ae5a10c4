// The cubic solver's window on the offscreen platform, with recording message, clipboard and shell doubles.

#include "cubic/cubic_window.h"
#include "frontend/kit/text_colours.h"
#include "platform/testing/window_test_main.h"
#include "window_checks.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
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
    void onADarkPaletteTheColouredTextsStayReadable();
    void focusSelectsTheWholeText();
    void readyForTheUser_data();
    void readyForTheUser();

private:
    std::unique_ptr<WindowUnderTest<cubic::CubicWindow>> m_ui;
};

void CubicWindowTest::init()
{
    m_ui = std::make_unique<WindowUnderTest<cubic::CubicWindow>>(kBoxes);
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window));
}

void CubicWindowTest::cleanup()
{
    QVERIFY(m_ui->watchdog.intruders().isEmpty());
    QCOMPARE(m_ui->services.messages.unscripted, 0);
    m_ui.reset();
}

void CubicWindowTest::startsWithItsTextsAndNothingSolved()
{
    QCOMPARE(m_ui->window.windowTitle(), QStringLiteral("Dunmora - Cubic Equation Solver"));
    QCOMPARE(m_ui->label(QStringLiteral("lblEnter"))->text(),
        QStringLiteral("Enter the third-order (cubic) equation in the general form of ax³ + bx² + cx + d = 0 :"));
    QCOMPARE(m_ui->label(QStringLiteral("lblA"))->text(), QStringLiteral("x³ +"));
    QCOMPARE(m_ui->label(QStringLiteral("lblB"))->text(), QStringLiteral("x² +"));
    QCOMPARE(m_ui->label(QStringLiteral("lblC"))->text(), QStringLiteral("x +"));
    QCOMPARE(m_ui->label(QStringLiteral("lblD"))->text(), QStringLiteral("= 0"));
    QCOMPARE(m_ui->label(QStringLiteral("lblCoef"))->text(),
        QStringLiteral("Coefficients may be entered in either decimal (1.23), fractional (1/2.3), or "
                       "exponential form (1.2E-3)."));
    QCOMPARE(caption(m_ui->window), QStringLiteral("Enter an equation and click &Solve to find its roots"));
    QCOMPARE(m_ui->button(QStringLiteral("cmdCalculate"))->text(), QStringLiteral("&Solve"));
    QCOMPARE(m_ui->button(QStringLiteral("cmdCalculate"))->toolTip(), QStringLiteral("Solve Equation"));
    QCOMPARE(m_ui->button(QStringLiteral("cmdCopy"))->text(), QStringLiteral("Copy"));
    QCOMPARE(
        m_ui->button(QStringLiteral("cmdCopy"))->toolTip(), QStringLiteral("Copy Equation and Roots to Clipboard"));
    QCOMPARE(m_ui->button(QStringLiteral("cmdClear"))->text(), QStringLiteral("Clear"));
    QCOMPARE(m_ui->button(QStringLiteral("cmdClear"))->toolTip(), QStringLiteral("Clear Equation and Roots"));
    QCOMPARE(m_ui->label(QStringLiteral("lblEmail"))->toolTip(), QStringLiteral("E-mail Author"));
    QVERIFY(!m_ui->button(QStringLiteral("cmdCopy"))->isEnabled());
    for (int row = 1; row <= 3; ++row) {
        const QString index = QString::number(row);
        QCOMPARE(m_ui->label(QStringLiteral("lblX") + index)->text(), QStringLiteral("x = "));
        QCOMPARE(m_ui->label(QStringLiteral("Label") + index)->text(), index);
        QVERIFY(m_ui->box(QStringLiteral("txtX") + index)->isReadOnly());
        QCOMPARE(rowColour(m_ui->window, row), neutral(m_ui->window));
    }
    QVERIFY(!m_ui->box(QStringLiteral("txtX4")));
    QVERIFY(m_ui->box(QStringLiteral("txtA"))->hasFocus());
}

void CubicWindowTest::solveFillsEmptyBoxesAndShowsTheRoots()
{
    m_ui->solve({});
    QCOMPARE(m_ui->box(QStringLiteral("txtA"))->text(), QStringLiteral("1"));
    QCOMPARE(m_ui->box(QStringLiteral("txtB"))->text(), QStringLiteral("1"));
    QCOMPARE(m_ui->box(QStringLiteral("txtC"))->text(), QStringLiteral("1"));
    QCOMPARE(m_ui->box(QStringLiteral("txtD"))->text(), QStringLiteral("0"));
    QCOMPARE(m_ui->roots(), list({ "0", "-0.5 + 0.866025404i", "-0.5 - 0.866025404i" }));
    QCOMPARE(rowColour(m_ui->window, 1), kBlue);
    QCOMPARE(rowColour(m_ui->window, 2), kRed);
    QCOMPARE(rowColour(m_ui->window, 3), kRed);
    QCOMPARE(caption(m_ui->window), QStringLiteral("(One real root; two conjugate complex roots)"));
    QVERIFY(m_ui->button(QStringLiteral("cmdCopy"))->isEnabled());
    QVERIFY(m_ui->services.messages.shown.isEmpty());
}

void CubicWindowTest::loneMinusBecomesMinusOneExceptInTheConstantBox()
{
    m_ui->solve(list({ "1", "-", "-", "0" }));
    QCOMPARE(m_ui->box(QStringLiteral("txtB"))->text(), QStringLiteral("-1"));
    QCOMPARE(m_ui->box(QStringLiteral("txtC"))->text(), QStringLiteral("-1"));
    QCOMPARE(m_ui->roots(), list({ "0", "1.618033989", "-0.618033989" }));
    QVERIFY(m_ui->services.messages.shown.isEmpty());

    m_ui->solve(list({ "-", "1", "1", "-" }));
    QCOMPARE(m_ui->box(QStringLiteral("txtA"))->text(), QStringLiteral("-1"));
    QCOMPARE(m_ui->box(QStringLiteral("txtD"))->text(), QStringLiteral("-"));
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kInputError });
}

void CubicWindowTest::unreadableBoxShowsTheInputErrorAndClearsTheResults()
{
    m_ui->solve(list({ "1", "0", "0", "-8" }));
    QCOMPARE(m_ui->roots().first(), QStringLiteral("2"));
    m_ui->box(QStringLiteral("txtB"))->setFocus();
    m_ui->solve(list({ "1", "1/2/3", "0", "-8" }));
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kInputError });
    QCOMPARE(m_ui->roots(), list({ "", "", "" }));
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(rowColour(m_ui->window, row), neutral(m_ui->window));
    }
    QVERIFY(!m_ui->button(QStringLiteral("cmdCopy"))->isEnabled());
    QCOMPARE(caption(m_ui->window), QStringLiteral("Fix the equation and click &Solve to find its roots"));
    QTRY_VERIFY(m_ui->box(QStringLiteral("txtA"))->hasFocus());

    m_ui->services.messages.shown.clear();
    m_ui->solve(list({ "0", "0", "0", "5" })); // no equation at all
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kInputError });
}

void CubicWindowTest::zeroDenominatorIsReportedAtEveryReading()
{
    // Read once before solving, and once more when the cubic is divided by its first root.
    m_ui->solve(list({ "1", "0", "2/0", "-8" }));
    QCOMPARE(m_ui->services.messages.shown, (QList<Message> { kDivisionByZero, kDivisionByZero }));
    QCOMPARE(m_ui->roots(), list({ "2", "-1 + 1.732050808i", "-1 - 1.732050808i" }));

    // 1/0 in the leading box makes the equation a quadratic.
    m_ui->services.messages.shown.clear();
    m_ui->solve(list({ "1/0", "1", "-3", "2" }));
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kDivisionByZero });
    QCOMPARE(m_ui->roots(), list({ "2", "1", "" }));
    QCOMPARE(caption(m_ui->window), QStringLiteral("(Two different real roots)"));
    QCOMPARE(rowColour(m_ui->window, 3), neutral(m_ui->window));
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
    m_ui->solve(list({ "1", "0", "-1", "0" }));
    m_ui->type(boxes);
    m_ui->services.messages.answers.push_back(yes ? Answer::Yes : Answer::No);
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QCOMPARE(m_ui->services.messages.shown, QList<Message> { kClearQuestion });
    if (cleared) {
        for (const QString &name : kBoxes) {
            QCOMPARE(m_ui->box(name)->text(), QString());
        }
        QCOMPARE(m_ui->roots(), list({ "", "", "" }));
        QCOMPARE(rowColour(m_ui->window, 1), neutral(m_ui->window));
        QVERIFY(!m_ui->button(QStringLiteral("cmdCopy"))->isEnabled());
        QCOMPARE(caption(m_ui->window), QStringLiteral("Enter an equation and click &Solve to find its roots"));
    } else {
        QCOMPARE(m_ui->box(QStringLiteral("txtA"))->text(), boxes.first());
        QCOMPARE(m_ui->roots(), list({ "0", "1", "-1" }));
        QVERIFY(m_ui->button(QStringLiteral("cmdCopy"))->isEnabled());
    }
    QTRY_VERIFY(m_ui->box(QStringLiteral("txtA"))->hasFocus());
}

void CubicWindowTest::clearWithEmptyBoxesKeepsEarlierResults()
{
    m_ui->solve(list({ "1", "0", "-1", "0" }));
    m_ui->type({});
    m_ui->box(QStringLiteral("txtC"))->setFocus();
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdClear")), Qt::LeftButton);
    QVERIFY(m_ui->services.messages.shown.isEmpty());
    QCOMPARE(m_ui->roots(), list({ "0", "1", "-1" }));
    QCOMPARE(rowColour(m_ui->window, 1), kBlue);
    QVERIFY(m_ui->button(QStringLiteral("cmdCopy"))->isEnabled());
    QTRY_VERIFY(m_ui->box(QStringLiteral("txtA"))->hasFocus());
}

void CubicWindowTest::copyPutsTheLineOnTheClipboard_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("line");
    QTest::newRow("complex pair") << list({ "1", "0", "0", "1" })
                                  << QStringLiteral("{1x³ + 0x² + 0x + 1 = 0 | x = -1; 0.5 ± 0.866025404i}");
    QTest::newRow("fraction kept as typed")
        << list({ "1/2", "0", "0", "-4" }) << QStringLiteral("{1/2x³ + 0x² + 0x + -4 = 0 | x = 2; -1 ± 1.732050808i}");
    QTest::newRow("linear") << list({ "0", "0", "2", "1" }) << QStringLiteral("{2x + 1 = 0 | x = -0.5}");
    QTest::newRow("quadratic, complex pair")
        << list({ "0", "1", "2", "2" }) << QStringLiteral("{1x² + 2x + 2 = 0 | x = -1 ± i}");
}

void CubicWindowTest::copyPutsTheLineOnTheClipboard()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, line);
    m_ui->solve(boxes);
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(m_ui->services.clipboard.text, std::optional<QString>(line));
    QCOMPARE(m_ui->services.messages.shown.last(), kCopied);
}

void CubicWindowTest::copyReadsLinearBoxesNowButKeepsTheCubicAsSolved()
{
    m_ui->solve(list({ "0", "0", "2", "1" }));
    m_ui->box(QStringLiteral("txtC"))->setText(QStringLiteral("4"));
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(m_ui->services.clipboard.text, std::optional<QString>(QStringLiteral("{4x + 1 = 0 | x = -0.5}")));

    m_ui->solve(list({ "1", "0", "-1", "0" }));
    m_ui->box(QStringLiteral("txtA"))->setText(QStringLiteral("9"));
    QTest::mouseClick(m_ui->button(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(m_ui->services.clipboard.text,
        std::optional<QString>(QStringLiteral("{1x³ + 0x² + -1x + 0 = 0 | x = 0; 1; -1}")));
    QCOMPARE(m_ui->roots(), list({ "0", "1", "-1" })); // editing changes nothing on screen until Solve
}

void CubicWindowTest::emailLabelOpensTheMailProgramAndReddensWhilePressed()
{
    QLabel *email = m_ui->label(QStringLiteral("lblEmail"));
    QCOMPARE(email->text(), QStringLiteral("support@kovalin.example"));
    QTest::mousePress(email, Qt::LeftButton);
    QCOMPARE(email->palette().color(QPalette::WindowText), kRed);
    QVERIFY(m_ui->services.shell.openedUrls.isEmpty());
    QTest::mouseRelease(email, Qt::LeftButton);
    QCOMPARE(email->palette().color(QPalette::WindowText), kBlue);
    QCOMPARE(m_ui->services.shell.openedUrls, QStringList { QStringLiteral("mailto:support@kovalin.example") });
}

void CubicWindowTest::onADarkPaletteTheColouredTextsStayReadable()
{
    // A dark desktop theme (the colours of a common one): the window opens on it.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(dark);
    const auto restore = qScopeGuard([&saved] {
        QApplication::setPalette(saved);
    });
    WindowUnderTest<cubic::CubicWindow> ui(kBoxes);
    QVERIFY(QTest::qWaitForWindowActive(&ui.window));
    ui.solve(list({ "1", "0", "0", "-1" })); // x³ = 1: one real root, two complex
    const QColor background = ui.window.palette().color(QPalette::Window);
    const QColor blue = rowColour(ui.window, 1);
    const QColor red = rowColour(ui.window, 2);
    QCOMPARE(rowColour(ui.window, 3), red);
    QVERIFY2(frontend::contrastRatio(blue, background) >= 4.5, qPrintable(blue.name()));
    QVERIFY2(frontend::contrastRatio(red, background) >= 4.5, qPrintable(red.name()));
    QVERIFY(blue.blue() > blue.red() && blue.blue() > blue.green()); // still blue and red, only lighter
    QVERIFY(red.red() > red.green() && red.red() > red.blue());
    QLabel *email = ui.label(QStringLiteral("lblEmail"));
    QVERIFY(frontend::contrastRatio(email->palette().color(QPalette::WindowText), background) >= 4.5);
    QTest::mousePress(email, Qt::LeftButton);
    QVERIFY(frontend::contrastRatio(email->palette().color(QPalette::WindowText), background) >= 4.5);
    QTest::mouseRelease(email, Qt::LeftButton);
}

void CubicWindowTest::focusSelectsTheWholeText()
{
    for (const QString &name : kBoxes) {
        m_ui->box(name)->setText(QStringLiteral("12.5/3"));
        m_ui->box(name)->deselect();
        QTest::mouseClick(m_ui->box(name), Qt::LeftButton);
        QTRY_COMPARE(m_ui->box(name)->selectedText(), QStringLiteral("12.5/3"));
    }
}

void CubicWindowTest::readyForTheUser_data()
{
    platform::testing::addFontSizeRows();
}

void CubicWindowTest::readyForTheUser()
{
    m_ui.reset(); // made afresh in the row's font
    expectReadyForTheUser<cubic::CubicWindow>(kBoxes, list({ "1", "0", "0", "1" }));
    m_ui = std::make_unique<WindowUnderTest<cubic::CubicWindow>>(kBoxes);
}

KOVALIN_WINDOW_TEST_MAIN(CubicWindowTest)
#include "cubic_window_test.moc"
