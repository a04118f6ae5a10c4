#include "analysis_fixture.h"
#include "platform/testing/dialog_checks.h"
#include "platform/testing/window_test_main.h"
#include "platform/twips.h"
#include "tools/analysis/frm_calculus.h"

#include <QDir>
#include <QGroupBox>
#include <QLayout>
#include <QListWidget>
#include <QRadioButton>

#include <functional>

using namespace analysis_test;
using namespace Qt::StringLiterals;
using tools::analysis::FrmCalculusNew;

namespace
{

/// What a result window showed while it was open.
struct Shown {
    QString window;
    QString caption;
    QString function;
    QStringList points;
    bool pointFrame = false;
    QString pointValue;
    QString line;
    QStringList list;
    int height = 0;
    int buttonsTop = 0;
    int expectedHeight = 0; // twips converted for that window
    int expectedButtonsTop = 0;
};

QStringList entries(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i) {
        out.append(list.item(i)->text());
    }
    return out;
}

Shown look(QDialog &window)
{
    const bool derivative = window.objectName() == u"frmCalculusD"_s;
    window.layout()->activate();
    Shown shown;
    shown.window = window.objectName();
    shown.caption = window.windowTitle();
    shown.function = text(&window, "txtFunction");
    shown.points = derivative ? QStringList { text(&window, "txtX") }
                              : QStringList { text(&window, "txtX1"), text(&window, "txtX2") };
    shown.pointFrame = !child<QGroupBox>(&window, derivative ? u"frmSlope"_s : u"frmArea"_s)->isHidden();
    shown.pointValue = text(&window, derivative ? "txtEvalDiff" : "txtEvalInteg");
    shown.line = text(&window, derivative ? "txtDiff" : "txtInteg");
    shown.list = entries(*child<QListWidget>(&window, derivative ? u"lstDiff"_s : u"lstInteg"_s));
    shown.height = window.height();
    shown.buttonsTop = child<QWidget>(&window, u"frmButtons"_s)->y();
    shown.expectedHeight = platform::twipsToPixels(shown.pointFrame ? 7065 : 6120, &window);
    shown.expectedButtonsTop = platform::twipsToPixels(shown.pointFrame ? 6135 : 5190, &window);
    return shown;
}

} // namespace

class FrmCalculusTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        files = std::make_unique<QTemporaryDir>();
        QVERIFY(files->isValid());
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
    }

    void optionsShowTheirFrame()
    {
        open({ "5", "-1", "0", "2" });
        QCOMPARE(window->windowTitle(), u"Kovalin - Differentiate/Integrate - ['x' Values]"_s);
        QVERIFY(child<QRadioButton>(window.get(), u"optDiff"_s)->isChecked());
        QVERIFY(frame("frmDiff")->isVisible() && !frame("frmInteg")->isVisible());
        QCOMPARE(text(window.get(), "txtDiff"), u"x"_s);
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
        QVERIFY(!frame("frmDiff")->isVisible() && frame("frmInteg")->isVisible());
        QCOMPARE(text(window.get(), "txtInteg1"), u"x"_s);
        QCOMPARE(text(window.get(), "txtInteg2"), u"x"_s);
        box(window.get(), "txtInteg2")->setFocus();
        settle();
        QCOMPARE(box(window.get(), "txtInteg2")->selectedText(), u"x"_s);
    }

    void derivativeWithoutAPointCopiesAndSaves()
    {
        open({ "5", "-1", "0", "2" });
        box(window.get(), "txtDiff")->setText(u"X"_s);
        const QString path = files->filePath(u"derivative.txt"_s);
        fakes->fileDialogs.saveAnswers.push_back(path);
        const Shown shown = calculate([](QDialog &result) {
            click(&result, "btnCopy");
            click(&result, "btnSave");
        });
        QCOMPARE(text(window.get(), "txtDiff"), u"x"_s); // lower-cased before the check
        QCOMPARE(shown.window, u"frmCalculusD"_s);
        QCOMPARE(shown.caption, u"Kovalin - Derivative of Function - [Calculated]"_s);
        QCOMPARE(shown.function, u"f(x) = (2)*x^3 + (0)*x^2 + (-1)*x^1 + (5)"_s);
        QCOMPARE(shown.points, QStringList { u"(x)"_s });
        QVERIFY(!shown.pointFrame);
        QCOMPARE(shown.line, u"f'(x) = (6)*x^2 + (0)*x^1 + (-1)"_s);
        QCOMPARE(shown.list, (QStringList { u"6\t*x^2 + "_s, u"0\t*x^1 + "_s, u"-1\t= f'(x)"_s }));
        QCOMPARE(shown.height, shown.expectedHeight);
        QVERIFY(qAbs(shown.buttonsTop - shown.expectedButtonsTop) <= 1);
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Close"_s);
        QCOMPARE(fakes->clipboard.text, shown.line);
        QCOMPARE(readBytes(path),
            QByteArray("2\tdegree of derivative's function\r\n6\t*x^2 + \r\n0\t*x^1 + \r\n-1\t= f'(x)\r\n"));
        QCOMPARE(fakes->fileDialogs.saveRequests.size(), 1);
        QCOMPARE(fakes->fileDialogs.saveRequests[0].title, u"Save Derivative of Function"_s);
        QVERIFY(fakes->fileDialogs.saveRequests[0].filter.startsWith(u"Text Files (*.txt);;All Files"_s));
        QVERIFY(fakes->fileDialogs.saveRequests[0].confirmOverwrite);
    }

    void slopeAtAPointShowsTheTallWindow()
    {
        open({ "5", "-1", "0", "2" });
        box(window.get(), "txtDiff")->setText(u"0/4"_s);
        const Shown shown = calculate();
        QCOMPARE(text(window.get(), "txtDiff"), u"0"_s);
        QCOMPARE(shown.points, QStringList { u"(0)"_s });
        QVERIFY(shown.pointFrame);
        QCOMPARE(shown.pointValue, u"-1"_s);
        QCOMPARE(shown.height, shown.expectedHeight);
        QVERIFY(qAbs(shown.buttonsTop - shown.expectedButtonsTop) <= 1);
        box(window.get(), "txtDiff")->setText(u"x"_s); // the next calculation without a point is short again
        QVERIFY(!calculate().pointFrame);
    }

    void returnCalculatesAndEscapeCancels()
    {
        open({ "5", "-1", "0", "2" });
        box(window.get(), "txtDiff")->setText(u"0"_s);
        QCOMPARE(returnAndLook<Shown>(fakes->modal, window.get(), "txtDiff", look).pointValue, u"-1"_s);
        QVERIFY(window->isVisible());
        expectEscapeCancels(*window);
    }

    void derivativeOfALineSavesDegreeZero()
    {
        open({ "1", "3" });
        const QString path = files->filePath(u"line.txt"_s);
        fakes->fileDialogs.saveAnswers.push_back(path);
        const Shown shown = calculate([](QDialog &result) {
            click(&result, "btnSave");
        });
        QCOMPARE(shown.line, u"f'(x) = (3)"_s);
        QCOMPARE(readBytes(path), QByteArray("0\tdegree of derivative's function\r\n3\t= f'(x)\r\n"));
    }

    void integralBetweenTwoPoints()
    {
        open({ "0", "1.7", "0", "-4.1" });
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
        box(window.get(), "txtInteg1")->setText(u"-1"_s);
        box(window.get(), "txtInteg2")->setText(u"2/2"_s);
        const QString path = files->filePath(u"integral.txt"_s);
        fakes->fileDialogs.saveAnswers.push_back(path);
        const Shown shown = calculate([](QDialog &result) {
            click(&result, "btnSave");
        });
        QCOMPARE(shown.window, u"frmCalculusI"_s);
        QCOMPARE(shown.caption, u"Kovalin - Integral of Function - [Calculated]"_s);
        QCOMPARE(shown.points, (QStringList { u"(-1)"_s, u"(2/2)"_s }));
        QVERIFY(shown.pointFrame);
        QCOMPARE(shown.pointValue, u"0"_s); // an odd polynomial
        QCOMPARE(shown.line, u"F(x) = (-1.025)*x^4 + (0)*x^3 + (0.85)*x^2 + (0)*x^1 + C"_s);
        QCOMPARE(shown.height, shown.expectedHeight);
        QCOMPARE(readBytes(path),
            QByteArray("4\tdegree of integral's function\r\n-1.025\t*x^4 + \r\n0\t*x^3 + \r\n0.85\t*x^2 + \r\n"
                       "0\t*x^1 + C = F(x)\r\n"));
        QCOMPARE(fakes->fileDialogs.saveRequests[0].title, u"Save Integral of Function"_s);
    }

    void integralWithoutPointsAndSavingCancelledOrFailing()
    {
        open({ "1", "1" });
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
        box(window.get(), "txtInteg1")->setText(u"X"_s);
        fakes->fileDialogs.saveAnswers.push_back(std::nullopt);
        const QString unwritable = files->filePath(u"missing/integral.txt"_s);
        fakes->fileDialogs.saveAnswers.push_back(unwritable);
        const Shown shown = calculate([](QDialog &result) {
            click(&result, "btnSave");
            click(&result, "btnSave");
        });
        QCOMPARE(shown.points, (QStringList { u"(x)"_s, u"(x)"_s }));
        QVERIFY(!shown.pointFrame);
        QCOMPARE(shown.line, u"F(x) = (0.5)*x^2 + (1)*x^1 + C"_s);
        QCOMPARE(shown.list, (QStringList { u"0.5\t*x^2 + "_s, u"1\t*x^1 + C = F(x)"_s }));
        QCOMPARE(shownTexts(fakes->messages),
            QStringList { u"The function could not be saved to the file:\n"_s + unwritable
                + u"\nPlease choose another file or folder."_s });
        QVERIFY(QDir(files->path()).entryList(QDir::Files).isEmpty());
    }

    void integralRefusals_data()
    {
        refusalColumns();
        const QString inputError = analysis_test::inputError(u"There is an input error in the given 'x' values."_s);
        QTest::newRow("first left as x") << u"x"_s << u"2"_s
                                         << QStringList { u"A value must be given to the first 'x' value."_s } << true
                                         << u"txtInteg1"_s;
        QTest::newRow("second left as x")
            << u"2"_s << u"X"_s << QStringList { u"A value must be given to the second 'x' value."_s } << true
            << u"txtInteg2"_s;
        QTest::newRow("second below first")
            << u"3"_s << u"1/2"_s
            << QStringList { u"The value of the second 'x' value must be greater than the value of the first."_s }
            << true << u"txtInteg2"_s;
        QTest::newRow("same values") << u"0.5"_s << u"1/2"_s
                                     << QStringList { u"Two different 'x' values must be chosen."_s } << true
                                     << u"txtInteg2"_s;
        QTest::newRow("junk") << u"1"_s << u"two"_s << QStringList { inputError } << false << u"txtInteg2"_s;
        QTest::newRow("huge exponent") << u"1E400"_s << u"2"_s << QStringList { inputError } << false << u"txtInteg1"_s;
        QTest::newRow("division by zero")
            << u"1/0"_s << u"2"_s << QStringList { divisionByZero, inputError } << false << u"txtInteg1"_s;
    }

    void integralRefusals()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, messages);
        QFETCH(bool, critical);
        QFETCH(QString, focus);
        open({ "1", "1" });
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
        box(window.get(), "txtInteg1")->setText(first);
        box(window.get(), "txtInteg2")->setText(second);
        click(window.get(), "btnCalculate");
        checkRefused(*fakes, window.get(), messages, critical, focus);
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Cancel"_s);
    }

    void derivativeRefusals()
    {
        open({ "1", "1" });
        const QString inputError = analysis_test::inputError(u"There is an input error in the given 'x' value."_s);
        for (const QString &typed : { u"xx"_s, u"1E999"_s, u"3/0"_s }) {
            fakes->messages.shown.clear();
            box(window.get(), "txtDiff")->setText(typed);
            child<QRadioButton>(window.get(), u"optDiff"_s)->setFocus();
            click(window.get(), "btnCalculate");
            const QStringList expected =
                typed.contains(u'/') ? QStringList { divisionByZero, inputError } : QStringList { inputError };
            QCOMPARE(shownTexts(fakes->messages), expected);
            QVERIFY(box(window.get(), "txtDiff")->hasFocus());
        }
        QVERIFY(fakes->modal.shownWindows.isEmpty());
    }

    void overflowsShowTheMessageAndKeepTheDialog_data()
    {
        QTest::addColumn<QStringList>("coefficients");
        QTest::addColumn<bool>("integral");
        QTest::addColumn<QString>("x1");
        QTest::addColumn<QString>("x2");
        QTest::newRow("derivative coefficients")
            << QStringList { u"0"_s, u"0"_s, u"0"_s, u"1E308"_s } << false << u"x"_s << QString();
        QTest::newRow("slope") << QStringList { u"0"_s, u"0"_s, u"1"_s } << false << u"1E308"_s << QString();
        QTest::newRow("definite integral") << QStringList { u"0"_s, u"0"_s, u"1"_s } << true << u"0"_s << u"1E200"_s;
    }

    void overflowsShowTheMessageAndKeepTheDialog()
    {
        QFETCH(QStringList, coefficients);
        QFETCH(bool, integral);
        QFETCH(QString, x1);
        QFETCH(QString, x2);
        std::vector<std::string> texts;
        for (const QString &coefficient : coefficients) {
            texts.push_back(coefficient.toStdString());
        }
        open(texts);
        if (integral) {
            QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
            box(window.get(), "txtInteg1")->setText(x1);
            box(window.get(), "txtInteg2")->setText(x2);
        } else {
            box(window.get(), "txtDiff")->setText(x1);
        }
        click(window.get(), "btnCalculate");
        QCOMPARE(shownTexts(fakes->messages), QStringList { overflow });
        QCOMPARE(fakes->messages.shown[0].title, u"Input Error - Overflow"_s);
        QVERIFY(fakes->modal.shownWindows.isEmpty());
        QVERIFY(window->isVisible());
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Cancel"_s);
    }

    void textsShowWholeWithEitherOptionAndInTheResults_data() { platform::testing::addFontSizeRows(); }
    void textsShowWholeWithEitherOptionAndInTheResults()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        open({ "5", "-1", "0", "2" });
        expectWhole(window.get());
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
        settle();
        expectWhole(window.get());
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optDiff"_s), Qt::LeftButton);
        settle();
        expectWhole(window.get());
        const auto whole = [](QDialog &result) {
            QVERIFY(QTest::qWaitForWindowExposed(&result));
            expectWhole(&result);
        };
        box(window.get(), "txtDiff")->setText(u"1"_s);
        calculate(whole); // with the slope
        box(window.get(), "txtDiff")->setText(u"x"_s);
        calculate(whole);
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
        box(window.get(), "txtInteg1")->setText(u"0"_s);
        box(window.get(), "txtInteg2")->setText(u"1"_s);
        calculate(whole); // with the area
    }

    void theKeyboardGoesThroughInReadingOrder()
    {
        open({ "5", "-1", "0", "2" });
        expectNaturalKeyboard(window.get());
        QVERIFY(box(window.get(), "txtDiff")->hasFocus());
        // Integrate chosen with its access key: its boxes are on the way.
        QTest::keyClick(window.get(), Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(frame("frmInteg")->isVisible());
        const QList<QWidget *> path = platform::testing::tabPath();
        expectNoFaults(platform::testing::unnaturalTabSteps(window.get(), path));
        QVERIFY(path.contains(box(window.get(), "txtInteg1")) && path.contains(box(window.get(), "txtInteg2")));
        QVERIFY(!path.contains(box(window.get(), "txtDiff")));
    }

    void resultWindowsOpenAtTheirFirstControl()
    {
        open({ "5", "-1", "0", "2" });
        const auto natural = [](QDialog &result) {
            result.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &result);
            expectNaturalKeyboard(&result);
            QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget())); // not in a read-only box
        };
        box(window.get(), "txtDiff")->setText(u"1"_s);
        calculate(natural);
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optInteg"_s), Qt::LeftButton);
        calculate(natural);
    }

private:
    void open(std::vector<std::string> coefficients)
    {
        setReal(*state, std::move(coefficients));
        window = openTool(*state, fakes->services(), u"f(x) = "_s, &FrmCalculusNew::setFunction);
    }
    QGroupBox *frame(const char *name) const { return child<QGroupBox>(window.get(), QLatin1String(name)); }
    /// Presses Calculate, notes what the result window showed, then lets `act` use it.
    Shown calculate(const std::function<void(QDialog &)> &act = {})
    {
        return pressAndLook<Shown>(fakes->modal, window.get(), "btnCalculate", look, act);
    }

    std::unique_ptr<QTemporaryDir> files;
    std::unique_ptr<FrmCalculusNew> window;
};

KOVALIN_WINDOW_TEST_MAIN(FrmCalculusTest)
#include "frm_calculus_test.moc"
