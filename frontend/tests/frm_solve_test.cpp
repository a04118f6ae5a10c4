// Solving end to end: the main window's Solve through the real engine into the results window, the
// refusal of complex degree 50, the unexpected-error paths, and Copy.

#include "frontend/core/state.h"
#include "frontend/frm_kovalin.h"
#include "frontend/kit/engine_requests.h"
#include "frontend/kit/root_colours.h"
#include "platform/testing/window_test_main.h"
#include "solving_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using frontend::FrmKovalin;
using frontend::core::CoefKind;

namespace
{

const QString unexpected = QStringLiteral("An unexpected error has occured.");
const QString quadratic = QStringLiteral("0 = (1)*x^2 + (-3)*x^1 + (2)");
const QByteArray quadraticRequest = "S\r\nR\r\n2\r\n1.\r\n-3.\r\n2.\r\n\r\n";

} // namespace

class FrmSolveTest : public SolvingTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSolving(); }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
        cleanupSolving();
    }

    void aTypedQuadraticIsSolvedAndItsFilesRemoved()
    {
        open(CoefKind::Real, 2, { "1", "-3", "2" });
        play[u"frmSolve"_s] = [this](QDialog &results) {
            QCOMPARE(results.windowTitle(), QStringLiteral("Kovalin - Equation Solver - [Roots]"));
            QCOMPARE(
                child<QGroupBox>(&results, u"frmSolved"_s)->title(), QStringLiteral("Roots of Equation - [Degree: 2]"));
            QCOMPARE(child<QLineEdit>(&results, u"txtEquation"_s)->text(), quadratic);
            QCOMPARE(entries(roots(results)), (QStringList { u"(1)"_s, u"(2)"_s }));
            QCOMPARE(text(&results, "lblNumReal"), QStringLiteral("2"));
            QCOMPARE(text(&results, "lblNumImaginary"), QStringLiteral("0"));
            QCOMPARE(text(&results, "lblNature_0"), QStringLiteral("Number of real roots:"));
            QCOMPARE(text(&results, "lblNature_1"), QStringLiteral("Number of imaginary roots:"));
            // A full answer says nothing of roots not found.
            QVERIFY(!child<QLabel>(&results, u"lblNature_2"_s)->isVisible());
            QVERIFY(!child<QLabel>(&results, u"lblNumNotFound"_s)->isVisible());
            QCOMPARE(child<QPushButton>(&results, u"btnCopy"_s)->toolTip(), QStringLiteral("Copy equation and roots"));
            QVERIFY(leftOver().isEmpty()); // both files gone before the window shows
            // Enter presses the button that has the focus, not the default Close.
            auto *copy = child<QPushButton>(&results, u"btnCopy"_s);
            copy->setFocus();
            QTest::keyClick(copy, Qt::Key_Return);
            QVERIFY(results.isVisible());
        };
        click(window.get(), "btnSolve");
        QCOMPARE(sent, quadraticRequest);
        QCOMPARE(windowsRun, QStringList { u"frmSolve"_s });
        QVERIFY(fakes->messages.shown.isEmpty());
        // Copy joins the equation and the roots with CR LF, through a scratch file it deletes.
        QCOMPARE(fakes->clipboard.text, quadratic + u"\r\n\r\nx = . . .\r\n(1)\r\n(2)\r\n"_s);
        QVERIFY(QDir(scratch->path()).entryList(QDir::Files).isEmpty());
    }

    void theMenuSolvesToo()
    {
        open(CoefKind::Real, 1, { "2", "-1" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            QCOMPARE(entries(roots(results)), QStringList { u"(0.5)"_s });
        };
        child<QAction>(window.get(), u"mnuSolve"_s)->trigger();
        QCOMPARE(windowsRun, QStringList { u"frmSolve"_s });
    }

    void anEquationFromAFileIsSolvedWithItsDegreeLineAsWritten()
    {
        const QString path = writeFile("2.0\tdegree of equation\r\n1\r\n-3\r\n2\r\n");
        frontend::core::startFileEntry(*state, path.toStdString(), readBytes(path).toStdString());
        state->PrecisionPattern = frontend::core::makePrecisionPattern(15);
        makeWindow();
        play[u"frmSolve"_s] = [](QDialog &results) {
            QCOMPARE(child<QGroupBox>(&results, u"frmSolved"_s)->title(),
                QStringLiteral("Roots of Equation - [Degree: 2.0]"));
            QCOMPARE(child<QLineEdit>(&results, u"txtEquation"_s)->text(), quadratic);
            QCOMPARE(entries(roots(results)), (QStringList { u"(1)"_s, u"(2)"_s }));
        };
        click(window.get(), "btnSolve");
        QCOMPARE(sent, quadraticRequest); // the engine reads the degree as an integer
        QVERIFY(leftOver().isEmpty());
    }

    void aRootWithANegativeImaginaryPart()
    {
        // x^2 + 2x + 5 = 0: -1 + 2i and -1 - 2i
        open(CoefKind::Real, 2, { "1", "2", "5" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            QStringList found = entries(roots(results));
            found.sort();
            QCOMPARE(found, (QStringList { u"(-1) + (2)i"_s, u"(-1) - (2)i"_s }));
            QCOMPARE(text(&results, "lblNumReal"), QStringLiteral("0"));
            QCOMPARE(text(&results, "lblNumImaginary"), QStringLiteral("2"));
        };
        click(window.get(), "btnSolve");
        QCOMPARE(windowsRun.size(), 1);
    }

    void complexDegreeFiftyIsRefusedBeforeAnyRequest()
    {
        open(CoefKind::Complex, 50, {});
        fillComplex(50);
        click(window.get(), "btnSolve");
        QCOMPARE(shownTexts(fakes->messages),
            QStringList { u"Kovalin was unable to solve the given 50th order polynomial equation.\n"
                          "An internal error has occured."_s });
        QCOMPARE(fakes->messages.shown.front().title, QStringLiteral("Unable to Solve Equation"));
        QCOMPARE(fakes->messages.shown.front().icon, platform::MessageIcon::Critical);
        QCOMPARE(fakes->engine.calls, 0);
        QVERIFY(windowsRun.isEmpty());
        QVERIFY(leftOver().isEmpty());
    }

    void complexDegreeFortyNineIsSolved()
    {
        open(CoefKind::Complex, 49, {});
        fillComplex(49); // x^49 - 1
        play[u"frmSolve"_s] = [](QDialog &results) {
            QCOMPARE(roots(results)->count(), 49);
            QCOMPARE(text(&results, "lblNumReal").toInt() + text(&results, "lblNumImaginary").toInt(), 49);
        };
        click(window.get(), "btnSolve");
        QVERIFY(sent.startsWith("S\r\nC\r\n49\r\n(1.,0.)\r\n(0.,0.)\r\n"));
        QVERIFY(sent.endsWith("(0.,0.)\r\n(-1.,0.)\r\n\r\n"));
        QCOMPARE(windowsRun, QStringList { u"frmSolve"_s });
        QVERIFY(fakes->messages.shown.isEmpty());
    }

    void aMissingEngineIsUnexpectedAndKeepsTheRequest()
    {
        fakes->engine.entry = nullptr;
        open(CoefKind::Real, 2, { "1", "-3", "2" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            QCOMPARE(child<QLineEdit>(&results, u"txtEquation"_s)->text(), quadratic);
            QCOMPARE(roots(results)->count(), 0);
            QCOMPARE(text(&results, "lblNumReal"), QString());
            // Nothing to picture or save.
            QVERIFY(!child<QPushButton>(&results, u"btnPlotRoots"_s)->isEnabled());
            QVERIFY(!child<QPushButton>(&results, u"btnSaveRoots"_s)->isEnabled());
            click(&results, "btnCopy");
        };
        click(window.get(), "btnSolve");
        QCOMPARE(shownTexts(fakes->messages), QStringList { unexpected });
        QCOMPARE(fakes->messages.shown.front().title, QStringLiteral("Unexpected Error"));
        QCOMPARE(windowsRun, QStringList { u"frmSolve"_s }); // shown all the same, without roots
        QCOMPARE(readBytes(request()), quadraticRequest);
        QCOMPARE(fakes->clipboard.text, quadratic + u"\r\n\r\nx = . . .\r\n"_s); // Copy has no roots to add
    }

    void anUnreadableAnswerListsNoRootAndKeepsTheAnswer()
    {
        engineAnswers(" 1 0\n NaN 0\n");
        open(CoefKind::Real, 2, { "1", "-3", "2" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            QCOMPARE(roots(results)->count(), 0);
            QCOMPARE(text(&results, "lblNumReal"), QString());
            QCOMPARE(text(&results, "lblNumImaginary"), QString());
        };
        click(window.get(), "btnSolve");
        QCOMPARE(shownTexts(fakes->messages), QStringList { unexpected });
        QCOMPARE(leftOver(), QStringList { u"TEMP_ZERO.OUT"_s });
    }

    void aLeadingZeroTheCheckLetsPassListsTheRootsFoundAndSaysWhichWasNot()
    {
        // Typed as a user types: the leading box gets "0.0", which the text compare lets pass.
        open(CoefKind::Real, 3, {});
        typeInto({ "0.0", "1", "-3", "2" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            QCOMPARE(entries(roots(results)), (QStringList { u"(1)"_s, u"(2)"_s, u"(root could not be found)"_s }));
            QCOMPARE(text(&results, "lblNumReal"), QStringLiteral("2"));
            QCOMPARE(text(&results, "lblNumImaginary"), QStringLiteral("0"));
            QVERIFY(child<QLabel>(&results, u"lblNature_2"_s)->isVisible());
            QCOMPARE(text(&results, "lblNature_2"), QStringLiteral("Number of roots not found:"));
            QCOMPARE(text(&results, "lblNumNotFound"), QStringLiteral("1"));
            click(&results, "btnCopy");
        };
        click(window.get(), "btnSolve");
        QVERIFY(sent.startsWith("S\r\nR\r\n3\r\n0.\r\n1.\r\n-3.\r\n2.\r\n"));
        QVERIFY(fakes->messages.shown.isEmpty()); // never the unexpected error
        QVERIFY(leftOver().isEmpty());
        QCOMPARE(fakes->clipboard.text,
            u"0 = (0.0)*x^3 + (1)*x^2 + (-3)*x^1 + (2)\r\n\r\nx = . . .\r\n(1)\r\n(2)\r\n(root could not be found)\r\n"_s);
    }

    void rootsTheEngineCouldNotFindAreListedInWords()
    {
        // An answer as the engine writes it when only one root of three was found.
        engineAnswers(" -1 0.5\n Infinity 0\n Infinity 0\n");
        open(CoefKind::Real, 3, { "1", "2", "3", "4" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            QCOMPARE(entries(roots(results)),
                (QStringList { u"(-1) + (0.5)i"_s, u"(root could not be found)"_s, u"(root could not be found)"_s }));
            QCOMPARE(text(&results, "lblNumReal"), QStringLiteral("0"));
            QCOMPARE(text(&results, "lblNumImaginary"), QStringLiteral("1"));
            QCOMPARE(text(&results, "lblNumNotFound"), QStringLiteral("2"));
        };
        click(window.get(), "btnSolve");
        QVERIFY(fakes->messages.shown.isEmpty());
        QVERIFY(leftOver().isEmpty());
    }

    void aFractionTypedIntoABoxReachesTheRequestRoundedToNineteenDecimals()
    {
        open(CoefKind::Real, 2, {});
        typeInto({ "1/3", "2/3", "1E-25" });
        click(window.get(), "btnSolve");
        QCOMPARE(sent, QByteArray("S\r\nR\r\n2\r\n0.3333333333333333148\r\n0.6666666666666666297\r\n1E-25\r\n\r\n"));
    }

    void aScratchFileThatCannotBeCreatedIsToldAndTheWindowStays()
    {
        QVERIFY(QDir(scratch->path()).mkdir(u"CopyTemp.tmp"_s)); // a folder in its place
        open(CoefKind::Real, 2, { "1", "-3", "2" });
        bool stayed = false;
        play[u"frmSolve"_s] = [&stayed](QDialog &results) {
            click(&results, "btnCopy");
            stayed = results.isVisible() && results.result() == QDialog::Rejected;
        };
        click(window.get(), "btnSolve");
        QVERIFY(stayed);
        QVERIFY(!fakes->clipboard.text);
        QCOMPARE(fakes->messages.shown.size(), 1);
        QVERIFY(fakes->messages.shown.front().text.contains(u"\"CopyTemp.tmp\""_s));
        QVERIFY(fakes->messages.shown.front().text.contains(QDir::toNativeSeparators(scratch->path())));
    }

    void degreeOneHundredFillsTheListAndScrollsSideways()
    {
        std::vector<const char *> texts(101, "0");
        texts.front() = "1";
        texts.back() = "-1"; // x^100 - 1
        open(CoefKind::Real, 100, texts);
        play[u"frmSolve"_s] = [](QDialog &results) {
            QListWidget *list = roots(results);
            QCOMPARE(list->count(), 100);
            list->setFixedWidth(150);
            QCoreApplication::processEvents();
            QVERIFY(list->horizontalScrollBar()->maximum() > 0);
            QCOMPARE(text(&results, "lblNumReal"), QStringLiteral("2")); // 1 and -1
            click(&results, "btnClose");
            QCOMPARE(results.result(), int(QDialog::Accepted));
        };
        click(window.get(), "btnSolve");
        QCOMPARE(windowsRun.size(), 1);
    }

    void eachRootHasItsAccuracyBesideItUnderAHeader()
    {
        open(CoefKind::Real, 2, { "1", "-3", "2" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            const QStringList accuracy = entries(child<QListWidget>(&results, u"lstAccuracy"_s));
            QCOMPARE(accuracy.size(), 2);
            const QStringList header = text(&results, "lblAccuracyHeader").split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(header, (QStringList { u"Error"_s, u"bound"_s, u"Digits"_s, u"Multiplicity"_s }));
            for (const QString &entry : accuracy) {
                // Simple, well apart roots: bounded near the last digit, all digits correct.
                const QStringList fields = entry.split(u' ', Qt::SkipEmptyParts);
                QCOMPARE(fields.size(), 3);
                bool read = false;
                QVERIFY2(fields[0].toDouble(&read) < 1e-14 && read, qPrintable(entry));
                QCOMPARE(fields[1], u"15"_s);
                QCOMPARE(fields[2], u"\u00d71"_s);
                // The columns start where the header's words start.
                QCOMPARE(entry.indexOf(fields[1]), text(&results, "lblAccuracyHeader").indexOf(u"Digits"_s));
            }
            QCOMPARE(roots(results)->item(0)->foreground().color(), frontend::realRootColour());
            QVERIFY(!child<QListWidget>(&results, u"lstClusters"_s)->isVisible());
            QVERIFY(child<QPushButton>(&results, u"btnPlotRoots"_s)->isEnabled());
            QCOMPARE(child<QPushButton>(&results, u"btnPlotRoots"_s)->text(), u"Plot Roots..."_s);
            click(&results, "btnPlotRoots");
        };
        click(window.get(), "btnSolve");
        QCOMPARE(windowsRun, (QStringList { u"frmSolve"_s, u"frmRootPlot"_s }));
    }

    void aFourfoldRootIsShownTimesFourWithItsCentreAndCopyStaysTheList()
    {
        // (x - 1.5)^4 (x + 2), its coefficients exact: a fourfold root is good for about four digits.
        open(CoefKind::Real, 5, { "1", "-4", "1.5", "13.5", "-21.9375", "10.125" });
        QString listed;
        play[u"frmSolve"_s] = [&listed](QDialog &results) {
            listed = entries(roots(results)).join(u"\r\n"_s);
            click(&results, "btnCopy");
            const QStringList accuracy = entries(child<QListWidget>(&results, u"lstAccuracy"_s));
            const QStringList shown = entries(roots(results));
            QCOMPARE(accuracy.size(), 5);
            int fourfold = 0;
            int memberDigits = 0;
            for (int row = 0; row < 5; ++row) {
                const QStringList fields = accuracy[row].split(u' ', Qt::SkipEmptyParts);
                if (fields[2] == u"\u00d74") {
                    ++fourfold;
                    memberDigits = std::max(memberDigits, fields[1].toInt());
                    QVERIFY2(fields[1].toInt() >= 2 && fields[1].toInt() <= 5, qPrintable(accuracy[row]));
                    QVERIFY2(shown[row].startsWith(u"(1.5") || shown[row].startsWith(u"(1.4"), qPrintable(shown[row]));
                } else {
                    QCOMPARE(fields[2], u"\u00d71"_s);
                    QCOMPARE(shown[row], u"(-2)"_s);
                }
            }
            QCOMPARE(fourfold, 4);
            auto *clusters = child<QListWidget>(&results, u"lstClusters"_s);
            QVERIFY(clusters->isVisible());
            QCOMPARE(clusters->count(), 1);
            // "×4 about (c): within b, d correct digits": the centre is nearer than b to 1.5, and certified to at
            // least the members' digits.
            const QString centre = clusters->item(0)->text();
            QVERIFY2(centre.startsWith(u"\u00d74 about ("_s), qPrintable(centre));
            const double at = centre.section(u'(', 1, 1).section(u')', 0, 0).toDouble();
            const double within = centre.section(u"within "_s, 1, 1).section(u',', 0, 0).toDouble();
            QVERIFY2(std::abs(at - 1.5) <= within && within < 1e-4, qPrintable(centre));
            const int digits = centre.section(u", "_s, -1).section(u' ', 0, 0).toInt();
            QVERIFY2(digits >= memberDigits, qPrintable(centre));
        };
        click(window.get(), "btnSolve");
        QCOMPARE(fakes->clipboard.text,
            u"0 = (1)*x^5 + (-4)*x^4 + (1.5)*x^3 + (13.5)*x^2 + (-21.9375)*x^1 + (10.125)\r\n\r\nx = . . .\r\n"_s
                + listed + u"\r\n"_s);
    }

    void aRootNotFoundSaysSoInTheAccuracyColumn()
    {
        engineAnswers(" -1 0.5\n Infinity 0\n Infinity 0\n");
        open(CoefKind::Real, 3, { "1", "2", "3", "4" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            const QStringList accuracy = entries(child<QListWidget>(&results, u"lstAccuracy"_s));
            QCOMPARE(accuracy.mid(1), (QStringList { u"root not found"_s, u"root not found"_s }));
            // Two roots are missing, so nothing can be said of the one found.
            QVERIFY2(accuracy[0].startsWith(u"unknown"), qPrintable(accuracy[0]));
            QCOMPARE(roots(results)->item(0)->foreground().color(), frontend::complexRootColour());
        };
        click(window.get(), "btnSolve");
        QVERIFY(fakes->messages.shown.isEmpty());
    }

    void theRootsAreSavedAsCsvThatReadsBackToTheSameDoubles()
    {
        // Roots as the engine may write them: the last digits count.
        engineAnswers(" 1.0000000000000002 0\n 0.30000000000000004 -1e-300\n");
        open(CoefKind::Real, 2, { "1", "-1.3", "0.3" });
        const QString typed = QDir(files.path()).filePath(u"solved"_s); // typed without a suffix
        fakes->fileDialogs.saveAnswers = { typed, QDir(files.path()).filePath(u"none/x.csv"_s) };
        play[u"frmSolve"_s] = [](QDialog &results) {
            click(&results, "btnSaveRoots");
            click(&results, "btnSaveRoots");
        };
        click(window.get(), "btnSolve");
        QCOMPARE(fakes->fileDialogs.saveRequests.front().defaultSuffix, u"csv"_s);
        const QStringList lines = QString::fromUtf8(readBytes(typed + u".csv"_s)).split(u'\n');
        QCOMPARE(lines.size(), 4); // the header, two roots, and the end of the last line
        QCOMPARE(lines[0], u"real,imaginary,error_bound,correct_digits,multiplicity"_s);
        const double expected[2][2] = { { 1.0000000000000002, 0 }, { 0.30000000000000004, -1e-300 } };
        for (int row = 0; row < 2; ++row) {
            const QStringList fields = lines[row + 1].split(u',');
            QCOMPARE(fields.size(), 5);
            QVERIFY(fields[0].toDouble() == expected[row][0]);
            QVERIFY(fields[1].toDouble() == expected[row][1]);
            QVERIFY2(fields[2].toDouble() > 0 && fields[2].toDouble() < 1e-14, qPrintable(lines[row + 1]));
            QCOMPARE(fields[4], u"1"_s);
        }
        QVERIFY(lines[3].isEmpty());
        // A folder that is not there: told, and nothing written.
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown.front().title, u"Save Roots"_s);
        QVERIFY(!QFileInfo::exists(QDir(files.path()).filePath(u"none"_s)));
    }

    void anArcLengthRequestForTheTools()
    {
        open(CoefKind::Real, 2, { "1", "0", "0" });
        const frontend::core::Equation *equation = window->checkedEquation(true);
        QVERIFY(equation);
        const QString length = frontend::runLengthRequest(*equation, 0.0, 1.0, 15, fakes->services(), window.get());
        QVERIFY(qAbs(length.toDouble() - 1.4789428575446) < 1e-7);
        QVERIFY(leftOver().isEmpty());

        fakes->engine.entry = nullptr;
        QCOMPARE(frontend::runLengthRequest(*equation, 0.0, 1.0, 15, fakes->services(), window.get()),
            QStringLiteral("Error: Input Too Large"));
        QCOMPARE(shownTexts(fakes->messages), QStringList { unexpected });
    }

private:
    static QListWidget *roots(const QDialog &results) { return child<QListWidget>(&results, u"lstRoots"_s); }

    void makeWindow()
    {
        window = std::make_unique<FrmKovalin>(*state, fakes->services(), *registry);
        QVERIFY(showActive(window.get()));
    }
    /// Opens the main window for typed coefficients and types them, the leading one first.
    void open(CoefKind kind, int degree, const std::vector<const char *> &leadingFirst)
    {
        frontend::core::startProgramEntry(*state, kind, degree, 15);
        makeWindow();
        for (std::size_t k = 0; k < leadingFirst.size(); ++k) {
            const int power = degree - static_cast<int>(k);
            child<QLineEdit>(window.get(), u"txtCR_%1"_s.arg(power))->setText(QString::fromUtf8(leadingFirst[k]));
        }
    }
    /// An engine that writes `answer` whatever the request.
    void engineAnswers(const QByteArray &answer)
    {
        fakes->engine.entry = [this, answer] {
            QFile out(this->answer());
            if (out.open(QIODevice::WriteOnly)) {
                out.write(answer);
            }
            return 0;
        };
    }
    /// Types the texts into the boxes with real key events, the leading box first, moving on with Tab.
    void typeInto(const std::vector<const char *> &leadingFirst)
    {
        window->focusLeadingBox();
        settle();
        for (const char *typed : leadingFirst) {
            QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(typed));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    /// x^n - 1 in complex boxes.
    void fillComplex(int degree)
    {
        for (int power = 0; power <= degree; ++power) {
            const QString re = power == degree ? u"1"_s : power == 0 ? u"-1"_s : u"0"_s;
            child<QLineEdit>(window.get(), u"txtCCA_%1"_s.arg(power))->setText(re);
            child<QLineEdit>(window.get(), u"txtCCB_%1"_s.arg(power))->setText(u"0"_s);
        }
    }

    std::unique_ptr<FrmKovalin> window;
};

KOVALIN_WINDOW_TEST_MAIN(FrmSolveTest)
#include "frm_solve_test.moc"
