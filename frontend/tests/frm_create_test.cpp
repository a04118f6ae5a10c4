// The equation creator: the roots window from both dialogs, typed roots and roots files, the real and
// complex displays, Copy and Save of the created equation, the overflow, and the close confirmation.

#include "frontend/core/coefficient_file.h"
#include "frontend/core/roots_file.h"
#include "frontend/frm_create.h"
#include "frontend/frm_create_new.h"
#include "frontend/frm_kovalin.h"
#include "frontend/frm_new.h"
#include "frontend/kit/root_colours.h"
#include "platform/testing/window_test_main.h"
#include "solving_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using frontend::FrmCreate;
using platform::Answer;

namespace
{

const QString rootsInputError = u"There is an input error in the roots of the equation to create.\n"
                                "Please verify that all of the data entered is numerical.\n\n"
                                "There are three valid numerical input formats:\n"
                                "\t- Decimal (123.45678)\n"
                                "\t- Fractional (123/456.78)\n"
                                "\t- Exponential (12.345678E-5)"_s;
const QString closeQuestion =
    u"Are you sure you want to close the Equation Creator?\nThe current data will be cleared."_s;

QLineEdit *box(const QObject *window, const QString &name)
{
    return child<QLineEdit>(window, name);
}

} // namespace

class FrmCreateTest : public SolvingTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSolving(); }
    void cleanup()
    {
        QVERIFY(endedClean());
        creator.reset();
        cleanupSolving();
    }

    void typedRootsGiveTheRealDisplay()
    {
        openTyped(2, { 1, 0 }, "1", "0");
        QCOMPARE(creator->windowTitle(), u"Kovalin - Equation Creator - [Roots]"_s);
        QCOMPARE(child<QGroupBox>(creator.get(), u"frmEnterRoots"_s)->title(),
            u"Enter 2 Roots - [Leading Coefficient: (1) + (0)i]"_s);
        QCOMPARE(text(creator.get(), "lblNumRoot_1"), u"1:"_s);
        QCOMPARE(text(creator.get(), "lblNumRoot_2"), u"2:"_s);
        QVERIFY(box(creator.get(), u"txtCRA_1"_s)->y() < box(creator.get(), u"txtCRA_2"_s)->y());
        QVERIFY(child<QGroupBox>(creator.get(), u"frmFile"_s)->isHidden());
        typeRoots({ { "1", "0" }, { "2", "0" } });
        play[u"frmCreateSolve"_s] = [](QDialog &created) {
            QCOMPARE(created.windowTitle(), u"Kovalin - Equation Creator - [Created]"_s);
            QCOMPARE(child<QGroupBox>(&created, u"frmEquation"_s)->title(), u"Equation Created - [Degree: 2]"_s);
            QCOMPARE(equation(created), u"0 = (1)*x^2 + (-3)*x^1 + (2)"_s);
            QCOMPARE(entries(child<QListWidget>(&created, u"lstEquation"_s)),
                (QStringList { u"(1)\t*x^2 + "_s, u"(-3)\t*x^1 + "_s, u"(2)\t= 0"_s }));
            QCOMPARE(entries(child<QListWidget>(&created, u"lstRoots"_s)), (QStringList { u"(1)"_s, u"(2)"_s }));
        };
        click(creator.get(), "btnCreate");
        QCOMPARE(windowsRun, QStringList { u"frmCreateSolve"_s });
        QCOMPARE(child<QPushButton>(creator.get(), u"btnCancel"_s)->text(), u"Close"_s);
    }

    void rootsIAndMinusIGiveTheComplexDisplay()
    {
        openTyped(2, { 1, 0 }, "1", "0");
        typeRoots({ { "0", "1" }, { "0", "-1" } });
        expectCreated(
            u"0 = [(1) + (0)i]*x^2 + [(0) + (0)i]*x^1 + [(1) + (0)i]"_s, { u"(0) + (1)i"_s, u"(0) + (-1)i"_s });
    }

    void anImaginaryPartTypedAsZeroPointZeroListsARealRootInTheComplexDisplay()
    {
        openTyped(1, { 1, 0 }, "1", "0");
        typeRoots({ { "2", "0.0" } });
        expectCreated(u"0 = [(1) + (0)i]*x^1 + [(-2) + (0)i]"_s, { u"(2)"_s });
    }

    void theLeadingCoefficientChoosesTheDisplay_data()
    {
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("im");
        QTest::addColumn<QString>("equation");
        QTest::newRow("2 + 0i") << 2.0 << 0.0 << u"0 = (2)*x^1 + (-6)"_s;
        QTest::newRow("0 + 1i") << 0.0 << 1.0 << u"0 = [(0) + (1)i]*x^1 + [(0) + (-3)i]"_s;
    }
    void theLeadingCoefficientChoosesTheDisplay()
    {
        QFETCH(double, re);
        QFETCH(double, im);
        QFETCH(QString, equation);
        openTyped(1, { re, im }, "", "");
        typeRoots({ { "3", "0" } });
        expectCreated(equation, { u"(3)"_s });
    }

    void emptyPartsReadZeroAndABadRootIsToldWithTheFocusOnIt()
    {
        openTyped(3, { 1, 0 }, "1", "0");
        typeRoots({ { "", "" }, { "1", "x" }, { "2", "0" } });
        click(creator.get(), "btnCreate");
        QCOMPARE(box(creator.get(), u"txtCRA_1"_s)->text(), u"0"_s);
        QCOMPARE(box(creator.get(), u"txtCRB_1"_s)->text(), u"0"_s);
        QCOMPARE(shownTexts(fakes->messages), QStringList { rootsInputError });
        QCOMPARE(fakes->messages.shown.front().title, u"Input Error"_s);
        QCOMPARE(fakes->messages.shown.front().icon, platform::MessageIcon::Exclamation);
        QVERIFY(box(creator.get(), u"txtCRB_2"_s)->hasFocus());
        QVERIFY(windowsRun.isEmpty());
        QCOMPARE(child<QPushButton>(creator.get(), u"btnCancel"_s)->text(), u"Cancel"_s);
    }

    void anOverflowKeepsTheRootsWindowOpenAndTellsTheUser()
    {
        openTyped(2, { 1e200, 0 }, "1E200", "0");
        typeRoots({ { "1E200", "0" }, { "1", "0" } });
        click(creator.get(), "btnCreate");
        QCOMPARE(shownTexts(fakes->messages),
            QStringList { u"The input provided generated an overflow.\nPlease provide smaller input values."_s });
        QCOMPARE(fakes->messages.shown.front().title, u"Input Error - Overflow"_s);
        QVERIFY(windowsRun.isEmpty());
        QVERIFY(creator->isVisible());
    }

    void sevenRootsNeverShowTheScrollBarAndEightDo()
    {
        openTyped(7, { 1, 0 }, "1", "0");
        QVERIFY(child<QScrollBar>(creator.get(), u"scrRoots"_s)->isHidden());
        creator.reset();
        openTyped(8, { 1, 0 }, "1", "0");
        auto *bar = child<QScrollBar>(creator.get(), u"scrRoots"_s);
        QVERIFY(!bar->isHidden());
        QVERIFY(bar->maximum() > 0);
    }

    void closingAsksFirst()
    {
        openTyped(1, { 1, 0 }, "1", "0");
        fakes->messages.answers = { Answer::No, Answer::Yes };
        click(creator.get(), "btnCancel");
        QVERIFY(creator->isVisible());
        QCOMPARE(shownTexts(fakes->messages), QStringList { closeQuestion });
        QCOMPARE(fakes->messages.shown.front().title, u"Close Equation Creator"_s);
        QCOMPARE(fakes->messages.shown.front().buttons, platform::MessageButtons::YesNo);
        creator->close(); // the title bar's close
        QVERIFY(!creator->isVisible());
        QCOMPARE(fakes->messages.shown.size(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!creator->findChild<QLineEdit *>(u"txtCRA_1"_s)); // the rows went with it
    }

    void copyAndSaveOfTheCreatedEquation()
    {
        openTyped(2, { 1, 0 }, "1", "0");
        typeRoots({ { "1", "0" }, { "2", "0" } });
        const QString target = files.filePath(u"created.txt"_s);
        fakes->fileDialogs.saveAnswers.push_back(target);
        play[u"frmCreateSolve"_s] = [](QDialog &created) {
            QCOMPARE(child<QPushButton>(&created, u"btnSave"_s)->toolTip(), u"Save equation"_s);
            click(&created, "btnCopy");
            click(&created, "btnSave");
        };
        click(creator.get(), "btnCreate");
        QCOMPARE(fakes->clipboard.text, u"0 = (1)*x^2 + (-3)*x^1 + (2)\r\n\r\nx = . . .\r\n(1)\r\n(2)\r\n"_s);
        QCOMPARE(fakes->fileDialogs.saveRequests.front().title, u"Save Created Equation"_s);
        QVERIFY(fakes->fileDialogs.saveRequests.front().confirmOverwrite);
        QCOMPARE(readBytes(target), QByteArray("2\tdegree of equation\r\n1\t*x^2 + \r\n-3\t*x^1 + \r\n2\t= 0\r\n"));
        // The saved file reads back as the same equation.
        const auto read = frontend::core::ReadCoefficientFile(target.toStdString());
        QVERIFY(!read.FileError);
        QCOMPARE(frontend::core::BuildEquationText(read.file.texts), std::string("(1)*x^2 + (-3)*x^1 + (2)"));
    }

    void aCancelledSaveWritesNothing()
    {
        openTyped(1, { 0, 1 }, "0", "1");
        const QStringList before = QDir(files.path()).entryList(QDir::Files);
        saveCreated("1/3", std::nullopt);
        QCOMPARE(fakes->fileDialogs.saveRequests.size(), 1);
        QCOMPARE(QDir(files.path()).entryList(QDir::Files), before);
    }

    void aSaveThatFailsIsTold()
    {
        openTyped(1, { 1, 0 }, "1", "0");
        const QString target = files.filePath(u"missing/created.txt"_s);
        saveCreated("1", target);
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown.front().title, u"Save Created Equation"_s);
        QVERIFY(fakes->messages.shown.front().text.contains(target));
    }

    void aComplexEquationIsSavedAsAComplexFile()
    {
        openTyped(1, { 0, 1 }, "0", "1");
        const QString target = files.filePath(u"complex.txt"_s);
        saveCreated("1/3", target);
        QCOMPARE(
            readBytes(target), QByteArray("1\tdegree of equation\r\n0,1\t*x^1 + \r\n0,-0.333333333333333\t= 0\r\n"));
        const auto read = frontend::core::ReadCoefficientFile(target.toStdString());
        QVERIFY(!read.FileError);
        QVERIFY(read.file.texts.complex);
    }

    void rootsFromAFile()
    {
        openFile("2\r\n2\r\n2\r\n-3,1\r\n");
        QVERIFY(child<QGroupBox>(creator.get(), u"frmEnterRoots"_s)->isHidden());
        QVERIFY(!child<QGroupBox>(creator.get(), u"frmFile"_s)->isHidden());
        QCOMPARE(box(creator.get(), u"txtFilePath"_s)->text(), rootsPath);
        play[u"frmCreateSolve"_s] = [](QDialog &created) {
            QCOMPARE(
                entries(child<QListWidget>(&created, u"lstRoots"_s)), (QStringList { u"( 2)"_s, u"(-3) + (1)i"_s }));
            // In the colours the solve's results give real and complex roots.
            const QListWidget *given = child<QListWidget>(&created, u"lstRoots"_s);
            QCOMPARE(given->item(0)->foreground().color(), frontend::realRootColour());
            QCOMPARE(given->item(1)->foreground().color(), frontend::complexRootColour());
            // 2 (x - 2)(x + 3 - i) = 2x^2 + (2 - 2i)x + (-12 + 4i)
            QCOMPARE(equation(created), u"0 = [(2) + (0)i]*x^2 + [(2) + (-2)i]*x^1 + [(-12) + (4)i]"_s);
        };
        click(creator.get(), "btnCreate");
        QCOMPARE(windowsRun, QStringList { u"frmCreateSolve"_s });
    }

    void aFaultyRootsFileIsMarkedAndCreatesNothing()
    {
        openFile("2\r\n1\r\nabc\r\n2\r\n");
        QCOMPARE(box(creator.get(), u"txtFilePath"_s)->text(), rootsPath + u" : Input Error in File"_s);
        QCOMPARE(
            child<QPlainTextEdit>(creator.get(), u"txtFileText"_s)->palette().color(QPalette::Text), QColor(Qt::red));
        click(creator.get(), "btnCreate");
        QVERIFY(windowsRun.isEmpty());
        QVERIFY(fakes->messages.shown.isEmpty());
    }

    void theNewEquationDialogOpensTheCreator()
    {
        frontend::FrmNew dialog(*state, fakes->services(), *registry);
        QVERIFY(showActive(&dialog));
        child<QRadioButton>(&dialog, u"optCreate"_s)->click();
        child<QComboBox>(&dialog, u"cboNumRoots"_s)->setCurrentIndex(2);
        child<QListWidget>(&dialog, u"lstPrecision"_s)->setCurrentRow(12); // three decimals
        box(&dialog, u"txtLeadingA"_s)->setText(u"2"_s);
        fakes->messages.answers = { Answer::Yes };
        play[u"frmCreate"_s] = [this](QDialog &roots) {
            QCOMPARE(child<QGroupBox>(&roots, u"frmEnterRoots"_s)->title(),
                u"Enter 3 Roots - [Leading Coefficient: (2) + (0)i]"_s);
            typeRoots(roots, { { "1/3", "0" }, { "1", "0" }, { "-1", "0" } });
            play[u"frmCreateSolve"_s] = [](QDialog &created) {
                QCOMPARE(equation(created), u"0 = (2)*x^3 + (-0.667)*x^2 + (-2)*x^1 + (0.667)"_s);
            };
            click(&roots, "btnCreate");
            click(&roots, "btnCancel");
        };
        click(&dialog, "btnOK");
        QCOMPARE(windowsRun, (QStringList { u"frmCreate"_s, u"frmCreateSolve"_s }));
        QVERIFY(dialog.isVisible()); // it stays for the next choice
    }

    void theMainWindowsCreateGoesThroughItsOwnDialog()
    {
        frontend::core::startProgramEntry(*state, frontend::core::CoefKind::Real, 1, 4);
        frontend::FrmKovalin main(*state, fakes->services(), *registry);
        QVERIFY(showActive(&main));
        fakes->messages.answers = { Answer::Yes };
        play[u"frmCreateNew"_s] = [](QDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), u"Kovalin - Equation Creator - [New Equation]"_s);
            click(&dialog, "btnOK"); // no number of roots yet
            QCOMPARE(dialog.focusWidget(), child<QComboBox>(&dialog, u"cboNumRoots"_s));
            child<QComboBox>(&dialog, u"cboNumRoots"_s)->setCurrentIndex(0);
            box(&dialog, u"txtLeadingB"_s)->setText(u"1/2"_s);
            click(&dialog, "btnOK");
        };
        play[u"frmCreate"_s] = [this](QDialog &roots) {
            QCOMPARE(child<QGroupBox>(&roots, u"frmEnterRoots"_s)->title(),
                u"Enter 1 Root - [Leading Coefficient: (1) + (1/2)i]"_s);
            typeRoots(roots, { { "2/3", "0" } });
            play[u"frmCreateSolve"_s] = [](QDialog &created) {
                // The precision of the current equation (four decimals) stays.
                QCOMPARE(equation(created), u"0 = [(1) + (0.5)i]*x^1 + [(-0.6667) + (-0.3333)i]"_s);
            };
            click(&roots, "btnCreate");
            roots.close();
        };
        click(&main, "btnCreate");
        QCOMPARE(windowsRun, (QStringList { u"frmCreateNew"_s, u"frmCreate"_s, u"frmCreateSolve"_s }));
        QCOMPARE(
            shownTexts(fakes->messages).front(), u"You must select the number of roots to enter before continuing."_s);
        QCOMPARE(state->decimals(), std::size_t(4));
    }

    void theCreatorsDialogSwitchesItsPanelsForAScreenReaderToo()
    {
        frontend::FrmCreateNew dialog(*state, fakes->services());
        QVERIFY(showActive(&dialog));
        const auto toggle = [&dialog](const QString &name) {
            QAccessible::queryAccessibleInterface(child<QRadioButton>(&dialog, name))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::toggleAction());
        };
        toggle(u"optFile"_s);
        QVERIFY(!child<QWidget>(&dialog, u"picProgram"_s)->isVisible());
        QVERIFY(child<QWidget>(&dialog, u"picFile"_s)->isVisible());
        toggle(u"optProgram"_s);
        QVERIFY(child<QWidget>(&dialog, u"picProgram"_s)->isVisible());
        QVERIFY(!child<QWidget>(&dialog, u"picFile"_s)->isVisible());
    }

    void cancellingTheCreatorsDialogOpensNothing()
    {
        frontend::core::startProgramEntry(*state, frontend::core::CoefKind::Real, 1, 15);
        frontend::FrmKovalin main(*state, fakes->services(), *registry);
        play[u"frmCreateNew"_s] = [](QDialog &dialog) {
            click(&dialog, "btnCancel");
        };
        click(&main, "btnCreate");
        QCOMPARE(windowsRun, QStringList { u"frmCreateNew"_s });
    }

private:
    static QString equation(const QDialog &created) { return child<QLineEdit>(&created, u"txtEquation"_s)->text(); }

    void show()
    {
        creator = std::make_unique<FrmCreate>(*state, fakes->services());
        QVERIFY(showActive(creator.get()));
    }
    void openTyped(int count, frontend::core::ComplexValue leading, const char *a, const char *b)
    {
        state->creator.fromFile = false;
        state->creator.CreateDegree = count;
        state->creator.LeadingCoef = leading;
        state->creator.leadingTextA = a;
        state->creator.leadingTextB = b;
        show();
    }
    void openFile(const QByteArray &bytes)
    {
        rootsPath = writeFile(bytes);
        state->creator.fromFile = true;
        state->creator.RootsFilePath = rootsPath.toStdString();
        state->creator.viewText = bytes.toStdString();
        state->creator.roots = frontend::core::ReadRootsFile(rootsPath.toStdString());
        show();
    }
    static void typeRoots(QDialog &window, std::initializer_list<std::pair<const char *, const char *>> parts)
    {
        int k = 0;
        for (const auto &[re, im] : parts) {
            ++k;
            box(&window, u"txtCRA_%1"_s.arg(k))->setText(QString::fromUtf8(re));
            box(&window, u"txtCRB_%1"_s.arg(k))->setText(QString::fromUtf8(im));
        }
    }
    void typeRoots(std::initializer_list<std::pair<const char *, const char *>> parts) { typeRoots(*creator, parts); }
    /// Creates the equation of one real root and saves it to `target` (nothing: the dialog is cancelled).
    void saveCreated(const char *root, const std::optional<QString> &target)
    {
        typeRoots({ { root, "0" } });
        fakes->fileDialogs.saveAnswers.push_back(target);
        play[u"frmCreateSolve"_s] = [](QDialog &created) {
            click(&created, "btnSave");
            QVERIFY(created.isVisible()); // Save never closes the window
        };
        click(creator.get(), "btnCreate");
        QCOMPARE(windowsRun, QStringList { u"frmCreateSolve"_s });
    }
    void expectCreated(const QString &text, const QStringList &given)
    {
        play[u"frmCreateSolve"_s] = [text, given](QDialog &created) {
            QCOMPARE(equation(created), text);
            QCOMPARE(entries(child<QListWidget>(&created, u"lstRoots"_s)), given);
        };
        click(creator.get(), "btnCreate");
        QCOMPARE(windowsRun, QStringList { u"frmCreateSolve"_s });
    }

    QString rootsPath;
    std::unique_ptr<FrmCreate> creator;
};

KOVALIN_WINDOW_TEST_MAIN(FrmCreateTest)
#include "frm_create_test.moc"
