#include "frontend/frm_new.h"
#include "platform/testing/window_test_main.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using frontend::FrmNew;
using frontend::core::CoefKind;
using frontend::core::FileKind;
using platform::MessageIcon;

class FrmNewTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        dialog = std::make_unique<FrmNew>(*state, fakes->services(), *launcher);
        QVERIFY(showActive(dialog.get()));
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        dialog.reset();
    }

    void opensWithItsListsFilledAndDefaultsChosen()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Kovalin -  [New Equation to Solve or Create]"));
        auto *degrees = child<QComboBox>(dialog.get(), QStringLiteral("cboDegree"));
        QCOMPARE(degrees->count(), 100);
        QCOMPARE(degrees->itemText(0), QStringLiteral("1"));
        QCOMPARE(degrees->itemText(99), QStringLiteral("100"));
        QCOMPARE(degrees->currentText(), QString());
        auto *roots = child<QComboBox>(dialog.get(), QStringLiteral("cboNumRoots"));
        QCOMPARE(roots->count(), 100);
        QCOMPARE(roots->currentText(), QString());
        auto *precision = child<QListWidget>(dialog.get(), QStringLiteral("lstPrecision"));
        QCOMPARE(precision->count(), 15);
        QCOMPARE(precision->item(0)->text(), QStringLiteral("15"));
        QCOMPARE(precision->item(14)->text(), QStringLiteral("1"));
        QCOMPARE(precision->currentItem()->text(), QStringLiteral("15"));
        for (const char *checked : { "optSolve", "optProgram", "optReal", "optProgram2" }) {
            QVERIFY2(child<QRadioButton>(dialog.get(), QLatin1String(checked))->isChecked(), checked);
        }
        QVERIFY(visible("frmEnter") && !visible("frmCreate2"));
        QVERIFY(visible("picProgram") && !visible("picFile"));
        QCOMPARE(text("txtFile"), QStringLiteral("none"));
        QCOMPARE(text("txtFilepath2"), QStringLiteral("none"));
        QCOMPARE(text("txtLeadingA"), QStringLiteral("1"));
        QCOMPARE(text("txtLeadingB"), QStringLiteral("0"));
    }

    void optionsSwitchTheirFramesAndPanels()
    {
        click("optCreate");
        QVERIFY(!visible("frmEnter") && visible("frmCreate2"));
        QVERIFY(visible("picProgram2") && !visible("picFile2"));
        click("optFile2");
        QVERIFY(!visible("picProgram2") && visible("picFile2"));
        click("optSolve");
        QVERIFY(visible("frmEnter") && !visible("frmCreate2"));
        click("optFile");
        QVERIFY(!visible("picProgram") && visible("picFile"));
        click("optProgram");
        QVERIFY(visible("picProgram") && !visible("picFile"));
    }

    void accessibilityActionsSwitchAsAClickDoes()
    {
        // A screen reader toggles an option without clicking it ("toggle"), or presses it ("press").
        act("optCreate", QAccessibleActionInterface::toggleAction());
        QVERIFY(!visible("frmEnter") && visible("frmCreate2"));
        act("optFile2", QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!visible("picProgram2") && visible("picFile2"));
        act("optSolve", QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(visible("frmEnter") && !visible("frmCreate2"));
        act("optFile", QAccessibleActionInterface::toggleAction());
        QVERIFY(!visible("picProgram") && visible("picFile"));
        act("optProgram", QAccessibleActionInterface::toggleAction());
        QVERIFY(visible("picProgram") && !visible("picFile"));
        act("optComplex", QAccessibleActionInterface::toggleAction());
        QCOMPARE(child<QComboBox>(dialog.get(), QStringLiteral("cboDegree"))->count(), 50);
        act("optReal", QAccessibleActionInterface::toggleAction());
        QCOMPARE(child<QComboBox>(dialog.get(), QStringLiteral("cboDegree"))->count(), 100);
        // Toggling the chosen option again leaves the choice as it is.
        act("optReal", QAccessibleActionInterface::toggleAction());
        QVERIFY(child<QRadioButton>(dialog.get(), QStringLiteral("optReal"))->isChecked());
        QCOMPARE(child<QComboBox>(dialog.get(), QStringLiteral("cboDegree"))->count(), 100);
    }

    void switchingToComplexClearsTheDegreeAndOkThenAsksForOne()
    {
        auto *degrees = child<QComboBox>(dialog.get(), QStringLiteral("cboDegree"));
        degrees->setCurrentIndex(79);
        click("optComplex");
        QCOMPARE(degrees->count(), 50);
        QCOMPARE(degrees->currentText(), QString());
        click("btnOK");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].text,
            QStringLiteral("You must select the degree of the equation before continuing."));
        QCOMPARE(fakes->messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY(degrees->hasFocus());
        QVERIFY(dialog->isVisible());
    }

    void switchingBackAndForthKeepsExactlyOneList()
    {
        auto *degrees = child<QComboBox>(dialog.get(), QStringLiteral("cboDegree"));
        for (int round = 0; round < 3; ++round) {
            click("optComplex");
            click("optComplex");
            QCOMPARE(degrees->count(), 50);
            click("optReal");
            click("optReal");
            QCOMPARE(degrees->count(), 100);
        }
    }

    void okWithTypedCoefficientsPreparesTheEquation()
    {
        QSignalSpy chosen(dialog.get(), &FrmNew::solveChosen);
        state->graph.GraphRemembered = true;
        click("optComplex");
        child<QComboBox>(dialog.get(), QStringLiteral("cboDegree"))->setCurrentIndex(6);
        child<QListWidget>(dialog.get(), QStringLiteral("lstPrecision"))->setCurrentRow(12); // "3"
        click("btnOK");
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(state->CoefType, CoefKind::Complex);
        QCOMPARE(state->Degree, 7);
        QCOMPARE(state->BoxDegree, 7);
        QCOMPARE(state->PrecisionPattern, std::string("###"));
        QVERIFY(!state->FromFile);
        QVERIFY(!state->graph.GraphRemembered);
        QVERIFY(!dialog->isVisible());
    }

    void okWithoutAFileAsksForOne()
    {
        click("optFile");
        click("btnOK");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].text,
            QStringLiteral("You must select the text file containing the equation to solve before continuing."));
        QVERIFY(child<QPushButton>(dialog.get(), QStringLiteral("btnOpen"))->hasFocus());
    }

    void aCancelledOpenKeepsNone()
    {
        click("optFile");
        click("btnOpen");
        QCOMPARE(fakes->fileDialogs.openRequests.size(), 1);
        QCOMPARE(
            fakes->fileDialogs.openRequests[0].title, QStringLiteral("Open File Containing Coefficients For Input"));
        QVERIFY(fakes->fileDialogs.openRequests[0].filter.startsWith(QStringLiteral("Text Files (*.txt);;All Files")));
        QCOMPARE(text("txtFile"), QStringLiteral("none"));
    }

    void okWithAFilePreparesAFileEquation()
    {
        const QString path = writeFile("2\n1\n2,1\n3\n");
        QSignalSpy chosen(dialog.get(), &FrmNew::solveChosen);
        click("optFile");
        fakes->fileDialogs.openAnswers.push_back(path);
        click("btnOpen");
        QCOMPARE(text("txtFile"), path);
        click("btnOK");
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(state->CoefType, CoefKind::File);
        QCOMPARE(state->FileCoefType, FileKind::Complex);
        QVERIFY(state->FromFile);
        QCOMPARE(QString::fromStdString(state->FilePath), path);
    }

    void aFileDeletedAfterItWasChosenKeepsTheDialogOpen()
    {
        const QString path = writeFile("1\n1\n1\n");
        click("optFile");
        fakes->fileDialogs.openAnswers.push_back(path);
        click("btnOpen");
        QFile::remove(path);
        click("btnOK");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QVERIFY(fakes->messages.shown[0].text.contains(path));
        QVERIFY(dialog->isVisible());
        QCOMPARE(state->CoefType, CoefKind::Real);
    }

    void instructionsAreShown()
    {
        click("optFile");
        click("btnInstructions");
        click("optCreate");
        click("optFile2");
        click("btnInstructions2");
        QCOMPARE(fakes->messages.shown.size(), 2);
        QCOMPARE(fakes->messages.shown[0].title, QStringLiteral("Coefficients File Instructions"));
        // The sample files where they are: beside the program as built.
        const QString samples = QDir(QCoreApplication::applicationDirPath()).filePath(u"Help"_s);
        QVERIFY(fakes->messages.shown[0].text.endsWith(
            u"Refer to '"_s + samples + u"/Sample.txt' for a sample input file."_s));
        QVERIFY(fakes->messages.shown[1].text.endsWith(
            u"Refer to '"_s + samples + u"/Sample2.txt' for a sample input file."_s));
        QCOMPARE(fakes->messages.shown[1].title, QStringLiteral("Instructions for File Containing Roots"));
        QCOMPARE(fakes->messages.shown[1].icon, MessageIcon::Information);
    }

    void creatingAsksForTheNumberOfRoots()
    {
        click("optCreate");
        click("btnOK");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].text,
            QStringLiteral("You must select the number of roots to enter before continuing."));
        QCOMPARE(launcher->creatorOpenings, 0);
    }

    void theLeadingCoefficientIsChecked_data()
    {
        QTest::addColumn<QString>("re");
        QTest::addColumn<QString>("im");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("icon");
        const QString notNumeric = QStringLiteral(
            "There must be a numerical value given to the leading coefficient of the highest power of 'x'.");
        const QString zero =
            QStringLiteral("There must be a value given to the leading coefficient of the highest power of 'x'.");
        QTest::newRow("zero") << "0"
                              << "0" << QStringList { zero } << int(MessageIcon::Exclamation);
        QTest::newRow("emptyAndZeroFraction") << ""
                                              << "0/3" << QStringList { zero } << int(MessageIcon::Exclamation);
        QTest::newRow("text") << "abc"
                              << "0" << QStringList { notNumeric } << int(MessageIcon::None);
        QTest::newRow("division") << "1/0"
                                  << "0"
                                  << QStringList { QStringLiteral("There has been a division by zero."), notNumeric }
                                  << int(MessageIcon::None);
    }

    void theLeadingCoefficientIsChecked()
    {
        QFETCH(QString, re);
        QFETCH(QString, im);
        QFETCH(QStringList, messages);
        QFETCH(int, icon);
        chooseRoots(3, re, im);
        QCOMPARE(shownTexts(), messages);
        QCOMPARE(int(fakes->messages.shown.last().icon), icon);
        QCOMPARE(launcher->creatorOpenings, 0);
        QVERIFY(dialog->isVisible());
    }

    void anImaginaryLeadingCoefficientOpensTheCreator()
    {
        chooseRoots(4, QStringLiteral("0"), QStringLiteral("1"));
        QVERIFY(fakes->messages.shown.isEmpty());
        QCOMPARE(launcher->creatorOpenings, 1);
        QCOMPARE(state->creator.CreateDegree, 4);
        QCOMPARE(state->creator.LeadingCoef.im, 1.0);
        QCOMPARE(state->creator.leadingTextB, std::string("1"));
        QVERIFY(state->creator.Creating);
        QVERIFY(dialog->isVisible()); // it stays open under the creator
    }

    void aRootsFileIsReadAndItsFaultsTold()
    {
        click("optCreate");
        click("optFile2");
        click("btnOK");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].text,
            QStringLiteral(
                "You must select the text file containing the roots of the equation to solve before continuing."));
        fakes->messages.shown.clear();
        fakes->fileDialogs.openAnswers.push_back(writeFile("2\n1\nx\n3\n"));
        click("btnOpen2");
        QCOMPARE(fakes->fileDialogs.openRequests.last().title, QStringLiteral("Open File Containing Roots For Input"));
        click("btnOK");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].title, QStringLiteral("Input File Error"));
        QVERIFY(state->creator.roots.RootsFileError);
        QVERIFY(state->creator.roots.markRootsFile);
        QCOMPARE(launcher->creatorOpenings, 1); // the creator still opens, showing the marked view
    }

    void exitEndsTheProgram()
    {
        QSignalSpy exit(dialog.get(), &FrmNew::exitChosen);
        click("btnExit");
        QCOMPARE(exit.count(), 1);
        QVERIFY(fakes->messages.shown.isEmpty());
        dialog->show();
        dialog->close(); // the title bar's close ends it as well
        QCOMPARE(exit.count(), 2);
    }

private:
    void click(const char *name) { child<QAbstractButton>(dialog.get(), QLatin1String(name))->click(); }
    bool visible(const char *name) { return child<QWidget>(dialog.get(), QLatin1String(name))->isVisible(); }
    void act(const char *name, const QString &action)
    {
        QAccessibleInterface *option =
            QAccessible::queryAccessibleInterface(child<QWidget>(dialog.get(), QLatin1String(name)));
        QVERIFY(option && option->actionInterface());
        // An option offers "toggle"; "press" is taken as well (a click, shortly after).
        QVERIFY(option->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        option->actionInterface()->doAction(action);
    }
    QString text(const char *name) { return child<QLineEdit>(dialog.get(), QLatin1String(name))->text(); }
    QStringList shownTexts() const { return ::shownTexts(fakes->messages); }
    void chooseRoots(int count, const QString &re, const QString &im)
    {
        click("optCreate");
        child<QComboBox>(dialog.get(), QStringLiteral("cboNumRoots"))->setCurrentIndex(count - 1);
        child<QLineEdit>(dialog.get(), QStringLiteral("txtLeadingA"))->setText(re);
        child<QLineEdit>(dialog.get(), QStringLiteral("txtLeadingB"))->setText(im);
        click("btnOK");
    }

    std::unique_ptr<FrmNew> dialog;
};

KOVALIN_WINDOW_TEST_MAIN(FrmNewTest)
#include "frm_new_test.moc"
