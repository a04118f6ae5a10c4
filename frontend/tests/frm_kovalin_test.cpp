#include "frontend/core/rows.h"
#include "frontend/core/text_file.h"
#include "frontend/frm_kovalin.h"
#include "platform/testing/dialog_checks.h"
#include "platform/testing/window_test_main.h"
#include "platform/twips.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <sys/stat.h>

#include <functional>

using namespace Qt::StringLiterals;
using frontend::FrmKovalin;
using frontend::core::Action;
using frontend::core::CoefKind;
using platform::Answer;
using platform::testing::expectNoFaults;

namespace
{

const QString inputError = QStringLiteral("There is an input error in the coefficients of the current equation.\n"
                                          "Please verify that all of the data entered is numerical.\n\n"
                                          "There are three valid numerical input formats:\n"
                                          "\t- Decimal (123.45678)\n"
                                          "\t- Fractional (123/456.78)\n"
                                          "\t- Exponential (12.345678E-5)");
const QString complexRefusal =
    QStringLiteral("This utility cannot be accessed if complex coefficients are used in the function.");

} // namespace

class FrmKovalinTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetDoubles(); }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
    }

    void rowsAreCreatedLeadingFirstWithTheirPowerLabels()
    {
        open(CoefKind::Real, 2);
        QCOMPARE(window->windowTitle(), QStringLiteral("Kovalin - Equation Solver - [Coefficients]"));
        QCOMPARE(child<QGroupBox>(window.get(), QStringLiteral("frmEntry"))->title(),
            QStringLiteral("Equation Entry - [Degree: 2]"));
        QCOMPARE(label("lblXR_2"), QStringLiteral("* x^2 +"));
        QCOMPARE(label("lblXR_1"), QStringLiteral("* x^1 +"));
        QCOMPARE(label("lblXR_0"), QStringLiteral("= 0"));
        QVERIFY(box("txtCR_2")->y() < box("txtCR_1")->y());
        QVERIFY(box("txtCR_1")->y() < box("txtCR_0")->y());
        QVERIFY(!window->findChild<QLineEdit *>(QStringLiteral("txtCR_3")));
        QVERIFY(visible("picReal") && !visible("picComplex") && !visible("picFile"));
        QVERIFY(!child<QScrollBar>(window.get(), QStringLiteral("scrReal"))->isVisible()); // short: no scroll bar
        QVERIFY(box("txtCR_2")->hasFocus());
    }

    void complexRowsHoldBothParts()
    {
        open(CoefKind::Complex, 1);
        QVERIFY(!visible("picReal") && visible("picComplex"));
        QCOMPARE(label("lblXC_1"), QStringLiteral("* x^1 +"));
        QCOMPARE(label("lblP_0"), QStringLiteral("("));
        QCOMPARE(label("lblPlus_0"), QStringLiteral(" + "));
        QCOMPARE(label("lblI_0"), QStringLiteral("i)"));
        QVERIFY(box("txtCCA_1")->hasFocus());
        QVERIFY(box("txtCCB_0"));
    }

    void aLongEquationScrollsInStepsOfTwentyTwips()
    {
        open(CoefKind::Real, 100);
        auto *bar = child<QScrollBar>(window.get(), QStringLiteral("scrReal"));
        auto *panel = child<QWidget>(window.get(), QStringLiteral("picCoefReal"));
        auto *viewport = child<QWidget>(window.get(), QStringLiteral("picOutReal"));
        QVERIFY(bar->isVisible());
        const int panelTwips = qRound(platform::pixelsToTwips(panel->height(), window.get()));
        const int viewportTwips = qRound(platform::pixelsToTwips(viewport->height(), window.get()));
        QVERIFY(qAbs(bar->maximum() - frontend::core::LoadBars(panelTwips, viewportTwips).maximum) <= 1);
        QVERIFY(bar->maximum() > 1000);
        bar->setValue(15);
        QCOMPARE(panel->y(), platform::twipsToPixels(-300, window.get()));
        bar->setFocus(); // the bar hands the focus on to its viewport
        QVERIFY(viewport->hasFocus());
        // So does a click on the bar: the keys no longer go to a box the bar scrolls out of sight.
        box("txtCR_100")->setFocus();
        QVERIFY(box("txtCR_100")->hasFocus());
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - bar->width() - 2));
        QVERIFY(bar->value() > 15);
        QVERIFY(viewport->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QCOMPARE(box("txtCR_100")->text(), QString());
    }

    void aBoxThatGetsTheFocusIsScrolledIntoViewAndSelected()
    {
        open(CoefKind::Real, 100);
        box("txtCR_0")->setText(QStringLiteral("12.5"));
        box("txtCR_0")->setFocus();
        settle();
        const int top = box("txtCR_0")->y() + child<QWidget>(window.get(), QStringLiteral("picCoefReal"))->y();
        QVERIFY(top >= 0);
        QVERIFY(top + box("txtCR_0")->height() <= child<QWidget>(window.get(), QStringLiteral("picOutReal"))->height());
        QCOMPARE(box("txtCR_0")->selectedText(), QStringLiteral("12.5"));
    }

    void buttonsAndMenusCarryTheirCaptionsTipsAndShortcuts()
    {
        open(CoefKind::Real, 2);
        const QList<QStringList> buttons { { u"btnNew"_s, u"New..."_s, u"Create new equation"_s },
            { u"btnOpen"_s, u"Open..."_s, u"Open equation"_s },
            { u"btnSave"_s, u"Save..."_s, u"Save current equation"_s },
            { u"btnCopy"_s, u"Copy"_s, u"Copy current equation"_s },
            { u"btnClear"_s, u"Clear"_s, u"Clear coefficients"_s },
            { u"btnSolve"_s, u"Solve..."_s, u"Solve equation"_s },
            { u"btnCreate"_s, u"Create..."_s, u"Create equation from specified roots"_s },
            { u"btnEvaluate"_s, u"Evaluate &Polynomial"_s, u"Evaluate polynomial with given 'x' value"_s },
            { u"btnTable"_s, u"&Table of Values"_s, u"Create table of (x,y) values"_s },
            { u"btnGraph"_s, u"&Graph Equation"_s, u"Plot function"_s },
            { u"btnLength"_s, u"&Curve Data"_s, u"Find function's arc length, differential, or integral"_s },
            { u"btnExit"_s, u"Exit"_s, u""_s } };
        for (const QStringList &row : buttons) {
            auto *button = child<QPushButton>(window.get(), row[0]);
            QCOMPARE(button->text(), row[1]);
            QCOMPARE(button->toolTip(), row[2]);
        }
        const QList<QStringList> items { { u"mnuNew"_s, u"&New Equation..."_s, u"Ctrl+N"_s },
            { u"mnuOpen"_s, u"&Open Equation..."_s, u"Ctrl+O"_s },
            { u"mnuSave"_s, u"&Save Equation..."_s, u"Ctrl+S"_s },
            { u"mnuAbout"_s, u"&About..."_s, u""_s },
            { u"mnuExit"_s, u"E&xit"_s, u""_s },
            { u"mnuCopy"_s, u"Copy &Equation"_s, u""_s },
            { u"mnuClear"_s, u"&Clear Coefficients"_s, u""_s },
            { u"mnuSolve"_s, u"&Solve Equation..."_s, u"Ctrl+E"_s },
            { u"mnuCreate"_s, u"&Create Equation..."_s, u""_s },
            { u"mnuGraph"_s, u"&Graph Function..."_s, u""_s },
            { u"mnuTable"_s, u"&Table of Values..."_s, u""_s },
            { u"mnuEvaluate"_s, u"&Evaluate Polynomial..."_s, u""_s },
            { u"mnuCurveLength"_s, u"&Length of Curve..."_s, u""_s },
            { u"mnuCurveCalculus"_s, u"&Differentiate/Integrate..."_s, u""_s } };
        for (const QStringList &row : items) {
            auto *item = child<QAction>(window.get(), row[0]);
            QCOMPARE(item->text(), row[1]);
            QCOMPARE(item->shortcut().toString(), row[2]);
        }
        QCOMPARE(child<QMenu>(window.get(), QStringLiteral("mnuLength"))->title(), QStringLiteral("Curve &Data"));
    }

    void menuShortcutsWorkFromEveryBox()
    {
        // Real key presses on the focused box: a line edit claims some Ctrl keys (Ctrl+E) for its own editing.
        launcher->offered = { Action::Solve };
        const QList<QPair<CoefKind, QStringList>> windows { { CoefKind::Real, { u"txtCR_2"_s, u"txtCR_0"_s } },
            { CoefKind::Complex, { u"txtCCA_1"_s, u"txtCCB_1"_s, u"txtCCB_0"_s } } };
        for (const auto &[kind, names] : windows) {
            open(kind, 2);
            for (QLineEdit *each : window->findChildren<QLineEdit *>(QRegularExpression(u"^txtC"_s))) {
                each->setText(u"1"_s);
            }
            for (const QString &name : names) {
                box(name)->setFocus();
                settle();
                QCOMPARE(QApplication::focusWidget(), box(name));
                expectShortcutsWork(name);
            }
        }
    }

    void menuShortcutsWorkFromTheFileView()
    {
        launcher->offered = { Action::Solve };
        open(CoefKind::Real, 1);
        openFile(writeFile("1\n2\n-4\n"));
        fakes->messages.answers.clear();
        for (const char *name : { "txtFilePath", "txtFileText" }) {
            child<QWidget>(window.get(), QLatin1String(name))->setFocus();
            settle();
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
            const qsizetype launches = launcher->launches.size();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
            QCOMPARE(launcher->launches.size(), launches + 1);
            fakes->messages.answers = { Answer::No };
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("New Equation"));
        }
    }

    void everyBoxIsNamedForAScreenReader()
    {
        open(CoefKind::Real, 2);
        expectNoFaults(platform::testing::unnamedControls(window.get()));
        QCOMPARE(box("txtCR_2")->accessibleName(), u"Coefficient of x^2"_s);
        QCOMPARE(box("txtCR_0")->accessibleName(), u"Coefficient of x^0"_s);
        open(CoefKind::Complex, 3);
        expectNoFaults(platform::testing::unnamedControls(window.get()));
        QCOMPARE(box("txtCCA_3")->accessibleName(), u"Real part of the coefficient of x^3"_s);
        QCOMPARE(box("txtCCB_1")->accessibleName(), u"Imaginary part of the coefficient of x^1"_s);
        QVERIFY(!box("txtFilePath")->accessibleName().isEmpty());
    }

    void actionsNotYetThereAreDisabled()
    {
        launcher->offered = { Action::Evaluate };
        open(CoefKind::Real, 2);
        for (const char *name : { "btnSolve", "btnCreate", "btnTable", "btnGraph", "btnLength" }) {
            QVERIFY2(!child<QPushButton>(window.get(), QLatin1String(name))->isEnabled(), name);
        }
        for (const char *name :
            { "mnuSolve", "mnuCreate", "mnuTable", "mnuGraph", "mnuCurveLength", "mnuCurveCalculus" }) {
            QVERIFY2(!child<QAction>(window.get(), QLatin1String(name))->isEnabled(), name);
        }
        QVERIFY(child<QPushButton>(window.get(), QStringLiteral("btnEvaluate"))->isEnabled());
        QVERIFY(child<QPushButton>(window.get(), QStringLiteral("btnCopy"))->isEnabled());
    }

    void copyPutsTheEquationOnTheClipboard()
    {
        open(CoefKind::Real, 2);
        type({ { "txtCR_2", "1" }, { "txtCR_1", "-3" }, { "txtCR_0", " 2 " } });
        click("btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = (1)*x^2 + (-3)*x^1 + (2)"));
    }

    void enterPressesTheButtonThatHasTheFocus()
    {
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "2" }, { "txtCR_0", "1" } });
        auto *copy = child<QPushButton>(window.get(), QStringLiteral("btnCopy"));
        copy->setFocus();
        QTest::keyClick(copy, Qt::Key_Return);
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = (2)*x^1 + (1)"));
    }

    void copyFillsAnEmptyLowerBoxWithZeroFirst()
    {
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "2" } });
        child<QAction>(window.get(), QStringLiteral("mnuCopy"))->trigger();
        QCOMPARE(box("txtCR_0")->text(), QStringLiteral("0"));
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = (2)*x^1 + (0)"));
    }

    void copyOfComplexCoefficients()
    {
        open(CoefKind::Complex, 1);
        type({ { "txtCCA_1", "1" }, { "txtCCB_1", "2" }, { "txtCCA_0", "0" }, { "txtCCB_0", "-1" } });
        click("btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = [(1)+(2)i]*x^1 + [(0)+(-1)i]"));
    }

    void theCheckToldItsFaultAndMovesTheFocus_data()
    {
        QTest::addColumn<QStringList>("texts"); // leading box first
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus");
        const QString zero =
            QStringLiteral("There must be a value given to the coefficient of the highest power of 'x'.");
        QTest::newRow("leadingEmpty") << QStringList { u""_s, u"1"_s, u"1"_s } << QStringList { zero } << u"txtCR_2"_s;
        QTest::newRow("leadingZeroFraction")
            << QStringList { u"0/7"_s, u"1"_s, u"1"_s } << QStringList { zero } << u"txtCR_2"_s;
        QTest::newRow("leadingText")
            << QStringList { u"x"_s, u"1"_s, u"1"_s }
            << QStringList { QStringLiteral(
                   "There must be a numerical value given to the coefficient of the highest power of 'x'.") }
            << u"txtCR_2"_s;
        QTest::newRow("lowerText") << QStringList { u"1"_s, u"1"_s, u"2a"_s } << QStringList { inputError }
                                   << u"txtCR_0"_s;
        QTest::newRow("lowerDivision") << QStringList { u"1"_s, u"4/0"_s, u"1"_s }
                                       << QStringList { QStringLiteral("There has been a division by zero."),
                                              inputError }
                                       << u"txtCR_1"_s;
    }

    void theCheckToldItsFaultAndMovesTheFocus()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, messages);
        QFETCH(QString, focus);
        open(CoefKind::Real, 2);
        for (int i = 0; i < 3; ++i) {
            box(QStringLiteral("txtCR_%1").arg(2 - i))->setText(texts[i]);
        }
        click("btnCopy");
        QCOMPARE(shownTexts(), messages);
        QVERIFY(box(focus)->hasFocus());
        QVERIFY(!fakes->clipboard.text);
        for (int i = 0; i < 3; ++i) { // nothing typed is lost
            QCOMPARE(box(QStringLiteral("txtCR_%1").arg(2 - i))->text(), texts[i]);
        }
    }

    void complexChecksMoveTheFocusToThePartAtFault()
    {
        open(CoefKind::Complex, 1);
        type({ { "txtCCA_1", "0" }, { "txtCCB_1", "0" } });
        click("btnCopy");
        QCOMPARE(shownTexts(),
            QStringList { QStringLiteral(
                "There must be a value given to the complex coefficient of the highest power of 'x'.") });
        QVERIFY(box("txtCCA_1")->hasFocus());
        fakes->messages.shown.clear();
        type({ { "txtCCB_1", "1" }, { "txtCCB_0", "i" } });
        click("btnCopy");
        QCOMPARE(shownTexts(), QStringList { inputError });
        QVERIFY(box("txtCCB_0")->hasFocus());
        QCOMPARE(box("txtCCA_0")->text(), QStringLiteral("0"));
    }

    void clearAsksFirst()
    {
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "5" }, { "txtCR_0", "6" } });
        fakes->messages.answers = { Answer::No };
        click("btnClear");
        QCOMPARE(fakes->messages.shown.last().text,
            QStringLiteral("Are you sure you want to clear the current coefficients?"));
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("Clear Coefficients"));
        QCOMPARE(box("txtCR_1")->text(), QStringLiteral("5"));
        fakes->messages.answers = { Answer::Yes };
        click("btnClear");
        QCOMPARE(box("txtCR_1")->text(), QString());
        QCOMPARE(box("txtCR_0")->text(), QString());
    }

    void exitAsksAndNoKeepsTheEquation()
    {
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "5" } });
        QSignalSpy exit(window.get(), &FrmKovalin::exitConfirmed);
        fakes->messages.answers = { Answer::No };
        click("btnExit");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("Exit Kovalin"));
        QCOMPARE(fakes->messages.shown.last().text,
            QStringLiteral("Are you sure you want to clear the current coefficients and exit the program?"));
        QVERIFY(window->isVisible());
        QCOMPARE(box("txtCR_1")->text(), QStringLiteral("5"));
        QCOMPARE(exit.count(), 0);
        fakes->messages.answers = { Answer::Yes };
        child<QAction>(window.get(), QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(exit.count(), 1);
        QVERIFY(!window->isVisible());
    }

    void newAsksItsOwnQuestion()
    {
        open(CoefKind::Real, 1);
        QSignalSpy again(window.get(), &FrmKovalin::newEquationConfirmed);
        fakes->messages.answers = { Answer::No };
        click("btnNew");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("New Equation"));
        QVERIFY(window->isVisible());
        QVERIFY(!state->NewConfirmed);
        QVERIFY(!state->NewRequested);
        fakes->messages.answers = { Answer::Yes };
        click("btnNew");
        QCOMPARE(again.count(), 1);
        QVERIFY(state->NewConfirmed);
        QVERIFY(!state->NewRequested);
        QVERIFY(!window->isVisible());
    }

    void savedEquationsOpenAgainAsTheSameEquation()
    {
        open(CoefKind::Real, 2);
        type({ { "txtCR_2", "1" }, { "txtCR_1", "-3" }, { "txtCR_0", "2/1" } });
        const QString path = files.filePath(QStringLiteral("saved.txt"));
        fakes->fileDialogs.saveAnswers.push_back(path);
        click("btnSave");
        QCOMPARE(fakes->fileDialogs.saveRequests.last().title, QStringLiteral("Save Equation Coefficients"));
        QVERIFY(fakes->fileDialogs.saveRequests.last().confirmOverwrite);
        QCOMPARE(fakes->fileDialogs.saveRequests.last().defaultSuffix, u"txt"_s); // a bare name gets ".txt"
        QCOMPARE(readBytes(path), QByteArray("2\tdegree of equation\r\n1\t* x^2 +\r\n-3\t* x^1 +\r\n2/1\t= 0\r\n"));

        openFile(path);
        QVERIFY(!visible("picReal") && visible("picFile"));
        QCOMPARE(child<QGroupBox>(window.get(), QStringLiteral("frmEntry"))->title(),
            QStringLiteral("Equation Entry - [From File]"));
        QCOMPARE(child<QLineEdit>(window.get(), QStringLiteral("txtFilePath"))->text(), path);
        QVERIFY(child<QPlainTextEdit>(window.get(), QStringLiteral("txtFileText"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("2\tdegree")));
        for (const char *name : { "btnClear", "btnSave" }) {
            QVERIFY(!child<QPushButton>(window.get(), QLatin1String(name))->isEnabled());
        }
        for (const char *name : { "mnuClear", "mnuSave" }) {
            QVERIFY(!child<QAction>(window.get(), QLatin1String(name))->isEnabled());
        }
        click("btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = (1)*x^2 + (-3)*x^1 + (2/1)"));
    }

    void aCancelledOrRefusedOpenKeepsTheTypedEquation()
    {
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "7" } });
        fakes->messages.answers = { Answer::No };
        click("btnOpen");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("Open Equation"));
        QVERIFY(fakes->fileDialogs.openRequests.isEmpty());
        fakes->messages.answers = { Answer::Yes };
        click("btnOpen"); // cancelled dialog
        fakes->messages.answers = { Answer::Yes };
        fakes->fileDialogs.openAnswers.push_back(files.filePath(QStringLiteral("missing.txt")));
        click("btnOpen");
        fakes->messages.answers = { Answer::Yes };
        fakes->fileDialogs.openAnswers.push_back(files.path()); // a folder
        click("btnOpen");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("File Error"));
        QVERIFY(visible("picReal"));
        QCOMPARE(state->CoefType, CoefKind::Real);
        QCOMPARE(box("txtCR_1")->text(), QStringLiteral("7"));
    }

    void aFileThatCannotBeReadIsToldAndTheEquationKept()
    {
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "7" } });
        // A read error (EIO, as failing media give; /proc/self/mem reproduces it) and a pipe (which would
        // hold the window for ever were it opened as a file) are each told, and the typed equation stays.
        const QString pipe = files.filePath(QStringLiteral("pipe.txt"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString large = writeFile(QByteArray(static_cast<int>(frontend::core::maxEquationFileBytes) + 1, '1'));
        const QStringList why { QStringLiteral("It could not be read."),
            QStringLiteral("It is not a plain file."),
            QStringLiteral("It is too large to be an equation file (more than 128 KiB).") };
        const QStringList paths { QStringLiteral("/proc/self/mem"), pipe, large };
        for (qsizetype i = 0; i < paths.size(); ++i) {
            openFile(paths[i]);
            QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("File Error"));
            QVERIFY2(fakes->messages.shown.last().text.endsWith(why[i]), qPrintable(fakes->messages.shown.last().text));
            QVERIFY(visible("picReal"));
            QCOMPARE(state->CoefType, CoefKind::Real);
            QCOMPARE(box("txtCR_1")->text(), QStringLiteral("7"));
        }
    }

    void aFileThatBecameUnreadableIsToldAtTheNextAction()
    {
        open(CoefKind::Real, 1);
        const QString path = writeFile("2\n1\n-3\n2\n");
        openFile(path);
        click("btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = (1)*x^2 + (-3)*x^1 + (2)"));
        fakes->clipboard.text.reset();
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); // a pipe in its place
        click("btnCopy");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("Input File Error"));
        QVERIFY(!fakes->clipboard.text);
        QVERIFY(child<QPlainTextEdit>(window.get(), QStringLiteral("txtFileText"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("2\n1\n-3"))); // the view keeps what it showed
    }

    void aFaultyFileIsMarkedOnceAndUnmarkedWhenMended()
    {
        open(CoefKind::Real, 1);
        const QString path = writeFile("2\n1\nx\n1\n");
        openFile(path);
        auto *pathBox = child<QLineEdit>(window.get(), QStringLiteral("txtFilePath"));
        auto *text = child<QPlainTextEdit>(window.get(), QStringLiteral("txtFileText"));
        click("btnCopy");
        click("btnCopy");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("File Input Error"));
        QCOMPARE(pathBox->text(), path + QStringLiteral(" : Input Error in File"));
        QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(!fakes->clipboard.text);

        writeFile("2\n1\n0\n1\n", path); // mended on disk: the next action reads it afresh
        click("btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = (1)*x^2 + (0)*x^1 + (1)"));
        QCOMPARE(pathBox->text(), path);
        QVERIFY(text->palette().color(QPalette::Text) != QColor(Qt::red));
        QVERIFY(text->toPlainText().contains(QStringLiteral("\n0\n")));
    }

    void aFileWithAByteOrderMarkIsReadAndShownWithoutIt()
    {
        open(CoefKind::Real, 1);
        openFile(writeFile("\xEF\xBB\xBF"
                           "2\tdegree of equation\r\n1\r\n-3\r\n2\r\n"));
        const qsizetype asked = fakes->messages.shown.size(); // the question before opening
        click("btnCopy");
        QCOMPARE(fakes->messages.shown.size(), asked);
        QCOMPARE(fakes->clipboard.text, QStringLiteral("0 = (1)*x^2 + (-3)*x^1 + (2)"));
        QVERIFY(child<QPlainTextEdit>(window.get(), QStringLiteral("txtFileText"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("2\tdegree of equation")));
    }

    void aFileDeletedAfterOpeningGetsTheGeneralFileMessage()
    {
        open(CoefKind::Real, 1);
        const QString path = writeFile("1\n1\n1\n");
        openFile(path);
        QFile::remove(path);
        click("btnCopy");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("Input File Error"));
        QVERIFY(
            fakes->messages.shown.last().text.startsWith(QStringLiteral("An error has been found in the input file.")));
    }

    void aFailedSaveIsTold()
    {
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "1" }, { "txtCR_0", "1" } });
        fakes->fileDialogs.saveAnswers.push_back(files.filePath(QStringLiteral("no/such/folder/eq.txt")));
        click("btnSave");
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("Save Equation Coefficients"));
        QCOMPARE(box("txtCR_1")->text(), QStringLiteral("1"));
    }

    void theComplexGateRefusesRealOnlyTools()
    {
        launcher->offered = { Action::Graph, Action::Table, Action::Length, Action::Calculus };
        open(CoefKind::Complex, 1);
        type({ { "txtCCA_1", "1" }, { "txtCCB_1", "1" } });
        click("btnGraph");
        QCOMPARE(shownTexts(), QStringList { complexRefusal });
        QCOMPARE(fakes->messages.shown[0].title, QStringLiteral("Error - Complex Coefficients"));
        QCOMPARE(fakes->messages.shown[0].icon, platform::MessageIcon::Information);
        QVERIFY(launcher->launches.isEmpty());
        click("btnTable"); // not gated
        QCOMPARE(launcher->launches.size(), 1);
        QCOMPARE(launcher->launches[0].second, QStringLiteral("y = [(1)+(1)i]*x^1 + [(0)+(0)i]"));
    }

    void aCommaInARealFileLineIsRefusedByTheGate()
    {
        launcher->offered = { Action::Length, Action::Calculus, Action::Evaluate };
        open(CoefKind::Real, 1);
        openFile(writeFile("1\n2\n1 comment, with a comma\n"));
        fakes->messages.shown.clear();
        child<QAction>(window.get(), QStringLiteral("mnuCurveCalculus"))->trigger();
        QCOMPARE(shownTexts(), QStringList { complexRefusal });
        click("btnEvaluate");
        QCOMPARE(launcher->launches.size(), 1);
        QCOMPARE(launcher->launches[0].second, QStringLiteral("[(2)+(0)i]*x^1 + [(1)+(0)i]"));
    }

    void aFileThatTurnedComplexOnDiskIsRefusedAtTheNextAction()
    {
        launcher->offered = { Action::Graph, Action::Length, Action::Calculus };
        open(CoefKind::Real, 1);
        auto *view = child<QPlainTextEdit>(window.get(), QStringLiteral("txtFileText"));
        const std::function<void()> actions[] = {
            [this] {
                click("btnGraph");
            },
            [this] {
                child<QAction>(window.get(), QStringLiteral("mnuCurveLength"))->trigger();
            },
            [this] {
                child<QAction>(window.get(), QStringLiteral("mnuCurveCalculus"))->trigger();
            },
        };
        for (const auto &action : actions) {
            const QString path = writeFile("2\n1\n-3\n2\n");
            openFile(path);
            fakes->messages.shown.clear();
            writeFile("2\n1,1\n-3\n2\n", path);
            action();
            QCOMPARE(shownTexts(), QStringList { complexRefusal });
            QVERIFY(launcher->launches.isEmpty());
            QVERIFY(view->toPlainText().contains(QStringLiteral("1,1"))); // the view shows what was refused
            action(); // and stays refused
            QCOMPARE(shownTexts(), QStringList(2, complexRefusal));
            // Mended on disk, the same file is accepted again.
            writeFile("2\n1\n-3\n2\n", path);
            action();
            QCOMPARE(launcher->launches.size(), 1);
            QVERIFY(launcher->launches[0].second.endsWith(QStringLiteral("(1)*x^2 + (-3)*x^1 + (2)")));
            launcher->launches.clear();
        }
    }

    void aComplexFileGateRefusesBeforeTheFileCheckSpeaks()
    {
        launcher->offered = { Action::Graph, Action::Table };
        open(CoefKind::Real, 1);
        const QString path = writeFile("2\n1\n-3\n2\n");
        openFile(path);
        writeFile("2\n1,1\nx\n2\n", path); // complex, and faulty as well
        fakes->messages.shown.clear();
        click("btnGraph");
        QCOMPARE(shownTexts(), QStringList { complexRefusal });
        click("btnTable"); // not gated: the file check tells the fault
        QCOMPARE(fakes->messages.shown.last().title, QStringLiteral("File Input Error"));
        QVERIFY(launcher->launches.isEmpty());
    }

    void realToolsGetTheirPrefixedText()
    {
        launcher->offered = { Action::Solve, Action::Graph, Action::Length, Action::Calculus, Action::Create };
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "2" }, { "txtCR_0", "1" } });
        click("btnSolve");
        click("btnGraph");
        child<QAction>(window.get(), QStringLiteral("mnuCurveLength"))->trigger();
        child<QAction>(window.get(), QStringLiteral("mnuCurveCalculus"))->trigger();
        click("btnCreate");
        const QList<QPair<Action, QString>> expected { { Action::Solve, QStringLiteral("0 = (2)*x^1 + (1)") },
            { Action::Graph, QStringLiteral("y = (2)*x^1 + (1)") },
            { Action::Length, QStringLiteral("y = (2)*x^1 + (1)") },
            { Action::Calculus, QStringLiteral("f(x) = (2)*x^1 + (1)") },
            { Action::Create, QString() } };
        QCOMPARE(launcher->launches, expected);
    }

    void theCurvePopupRunsTheSameAsTheMenu()
    {
        launcher->offered = { Action::Length };
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "1" } });
        auto *popup = window->findChild<QMenu *>(QStringLiteral("mnuCurve"));
        QVERIFY(!popup); // it belongs to the hidden icon window, not to the main window
        click("btnLength");
        QMenu *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(shown);
        const QList<QAction *> items = shown->actions();
        QCOMPARE(items[0]->objectName(), QStringLiteral("mnuLength"));
        QCOMPARE(items[1]->objectName(), QStringLiteral("mnuCalculus"));
        QVERIFY(!items[1]->isEnabled()); // the calculus tool is not offered here
        shown->close();
        items[0]->trigger();
        QCOMPARE(launcher->launches.size(), 1);
        QCOMPARE(launcher->launches[0].second, QStringLiteral("y = (1)*x^1 + (0)"));
    }

    void curveDataFromTheKeyboardOpensUnderTheButton()
    {
        launcher->offered = { Action::Length, Action::Calculus };
        open(CoefKind::Real, 1);
        type({ { "txtCR_1", "1" } });
        auto *button = child<QPushButton>(window.get(), QStringLiteral("btnLength"));
        QCursor::setPos(window->mapToGlobal(QPoint(2, 2))); // the pointer far from the button
        QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        auto *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(shown);
        QCOMPARE(shown->pos(), button->mapToGlobal(QPoint(0, button->height())));
        // Its items are taken from the keyboard too.
        QTest::keyClick(shown, Qt::Key_Down);
        QTest::keyClick(shown, Qt::Key_Return);
        QTRY_COMPARE(launcher->launches.size(), 1);
        QCOMPARE(launcher->launches[0].first, Action::Length);
    }

    void curveDataClickedOpensAtThePointer()
    {
        launcher->offered = { Action::Length };
        open(CoefKind::Real, 1);
        auto *button = child<QPushButton>(window.get(), QStringLiteral("btnLength"));
        const QPoint at(button->width() - 3, button->height() / 2);
        QCursor::setPos(button->mapToGlobal(at));
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
        auto *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(shown);
        QCOMPARE(shown->pos(), button->mapToGlobal(at));
        shown->close();
    }

    void aboutIsShownModally()
    {
        open(CoefKind::Real, 1);
        child<QAction>(window.get(), QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(fakes->modal.shownWindows, QStringList { QStringLiteral("frmAbout") });
    }

    void anyTextInAnyBoxNeverCrashesOrIsLost()
    {
        open(CoefKind::Complex, 2);
        const QStringList junk { QString(),
            QStringLiteral(" "),
            QStringLiteral("\t"),
            QStringLiteral("/"),
            QStringLiteral("1//2"),
            QStringLiteral("1/0"),
            QStringLiteral("0/0"),
            QStringLiteral("1e999"),
            QStringLiteral("1e-999"),
            QStringLiteral("-"),
            QStringLiteral("١٢٣"),
            QStringLiteral("1,5"),
            QStringLiteral("nan"),
            QStringLiteral("∞"),
            QString(100000, QLatin1Char('9')),
            QStringLiteral("1e308/1e-308") };
        const QStringList names {
            u"txtCCA_2"_s, u"txtCCB_2"_s, u"txtCCA_1"_s, u"txtCCB_1"_s, u"txtCCA_0"_s, u"txtCCB_0"_s
        };
        for (qsizetype k = 0; k < junk.size(); ++k) {
            for (qsizetype b = 0; b < names.size(); ++b) {
                box(names[b])->setText(junk[(k + b) % junk.size()]);
            }
            QStringList before;
            for (const QString &name : names) {
                before.append(box(name)->text());
            }
            fakes->fileDialogs.saveAnswers.push_back(std::nullopt);
            click("btnCopy");
            click("btnSave");
            for (qsizetype b = 0; b < names.size(); ++b) {
                const QString now = box(names[b])->text();
                QVERIFY2(now == before[b] || (before[b].isEmpty() && now == QStringLiteral("0")), qPrintable(names[b]));
            }
        }
    }

private:
    /// Each menu shortcut pressed on the focused box reaches its menu item.
    void expectShortcutsWork(const QString &where)
    {
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        };
        const qsizetype launches = launcher->launches.size();
        press(Qt::Key_E);
        QVERIFY2(launcher->launches.size() == launches + 1, qPrintable(u"Ctrl+E in "_s + where));
        QCOMPARE(launcher->launches.last().first, Action::Solve);
        for (const auto &[key, title] : { std::pair { Qt::Key_O, "Open Equation" }, { Qt::Key_N, "New Equation" } }) {
            const qsizetype shown = fakes->messages.shown.size();
            fakes->messages.answers = { Answer::No };
            press(key);
            QVERIFY2(fakes->messages.shown.size() == shown + 1, qPrintable(QLatin1String(title) + u" from "_s + where));
            QCOMPARE(fakes->messages.shown.last().title, QLatin1String(title));
        }
        const qsizetype saves = fakes->fileDialogs.saveRequests.size();
        press(Qt::Key_S);
        QVERIFY2(fakes->fileDialogs.saveRequests.size() == saves + 1, qPrintable(u"Ctrl+S in "_s + where));
        QCOMPARE(QApplication::focusWidget()->objectName(), where);
    }

    void open(CoefKind kind, int degree)
    {
        frontend::core::startProgramEntry(*state, kind, degree, 15);
        window = std::make_unique<FrmKovalin>(*state, fakes->services(), *launcher);
        QVERIFY(showActive(window.get()));
        window->focusLeadingBox();
        settle();
    }
    void openFile(const QString &path)
    {
        fakes->messages.answers.push_back(Answer::Yes);
        fakes->fileDialogs.openAnswers.push_back(path);
        click("btnOpen");
    }
    void type(std::initializer_list<std::pair<const char *, const char *>> texts)
    {
        for (const auto &[name, text] : texts) {
            box(QLatin1String(name))->setText(QString::fromUtf8(text));
        }
    }
    QLineEdit *box(const QString &name) { return child<QLineEdit>(window.get(), name); }
    QLineEdit *box(const char *name) { return box(QLatin1String(name)); }
    QString label(const char *name) { return child<QLabel>(window.get(), QLatin1String(name))->text(); }
    bool visible(const char *name) { return child<QWidget>(window.get(), QLatin1String(name))->isVisible(); }
    void click(const char *name) { child<QPushButton>(window.get(), QLatin1String(name))->click(); }
    QStringList shownTexts() const { return ::shownTexts(fakes->messages); }

    std::unique_ptr<FrmKovalin> window;
};

KOVALIN_WINDOW_TEST_MAIN(FrmKovalinTest)
#include "frm_kovalin_test.moc"
