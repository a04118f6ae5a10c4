// Every dialog of the solver as its user meets it, at a desktop's font size and at one and a half times it:
// each text shows whole at the size the dialog opens with, the focus starts in its first input (never in a
// read-only box) and the Tab key goes round it in reading order.

#include "about/frm_about.h"
#include "frontend/frm_kovalin.h"
#include "frontend/frm_new.h"
#include "platform/testing/dialog_checks.h"
#include "platform/testing/window_test_main.h"
#include "solving_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using frontend::core::CoefKind;
using platform::testing::clippedTexts;
using platform::testing::expectNoFaults;
using platform::testing::keyboardFaults;

namespace
{

/// The checks of one opened dialog; the modal runner shows it without making it active, the user's desktop
/// does.
void expectReady(QWidget &dialog)
{
    dialog.activateWindow();
    QVERIFY(QTest::qWaitFor([&dialog] {
        return QApplication::activeWindow() == &dialog;
    }));
    expectNoFaults(clippedTexts(&dialog));
    expectNoFaults(keyboardFaults(&dialog));
    expectNoFaults(platform::testing::unnamedControls(&dialog));
}

} // namespace

class DialogsReadyTest : public SolvingTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSolving(); }
    void cleanup()
    {
        QVERIFY(endedClean());
        cleanupSolving();
    }

    void theNewEquationDialog_data() { platform::testing::addFontSizeRows(); }
    void theNewEquationDialog()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        frontend::FrmNew dialog(*state, fakes->services(), *registry);
        QVERIFY(showActive(&dialog));
        expectReady(dialog);
    }

    void theCreatorsDialogs_data() { platform::testing::addFontSizeRows(); }
    void theCreatorsDialogs()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        const auto main = openMain({ "1", "1" });
        fakes->messages.answers = { platform::Answer::Yes };
        play[u"frmCreateNew"_s] = [](QDialog &dialog) {
            expectReady(dialog);
            child<QComboBox>(&dialog, u"cboNumRoots"_s)->setCurrentIndex(1);
            click(&dialog, "btnOK");
        };
        play[u"frmCreate"_s] = [this](QDialog &roots) {
            expectReady(roots);
            for (const char *name : { "txtCRA_1", "txtCRA_2" }) {
                child<QLineEdit>(&roots, QLatin1String(name))->setText(u"1"_s);
            }
            play[u"frmCreateSolve"_s] = [](QDialog &created) {
                expectReady(created);
            };
            click(&roots, "btnCreate");
            roots.close();
        };
        click(main.get(), "btnCreate");
        QCOMPARE(windowsRun, (QStringList { u"frmCreateNew"_s, u"frmCreate"_s, u"frmCreateSolve"_s }));
    }

    void theResultsWindow_data() { platform::testing::addFontSizeRows(); }
    void theResultsWindow()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        const auto main = openMain({ "2", "-3", "1" });
        play[u"frmSolve"_s] = [](QDialog &results) {
            expectReady(results);
            click(&results, "btnPlotRoots");
        };
        play[u"frmRootPlot"_s] = [](QDialog &picture) {
            expectReady(picture);
        };
        click(main.get(), "btnSolve");
        QCOMPARE(windowsRun, (QStringList { u"frmSolve"_s, u"frmRootPlot"_s }));
    }

    void theAboutBox_data() { platform::testing::addFontSizeRows(); }
    void theAboutBox()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        about::FrmAbout dialog(fakes->shell, fakes->messages);
        QVERIFY(showActive(&dialog));
        expectReady(dialog);
    }

private:
    /// The main window with a typed real equation (coefficients constant first).
    std::unique_ptr<frontend::FrmKovalin> openMain(const std::vector<const char *> &coefficients)
    {
        frontend::core::startProgramEntry(*state, CoefKind::Real, static_cast<int>(coefficients.size()) - 1, 15);
        auto main = std::make_unique<frontend::FrmKovalin>(*state, fakes->services(), *registry);
        if (!showActive(main.get())) {
            qWarning("the main window did not become active");
        }
        for (std::size_t power = 0; power < coefficients.size(); ++power) {
            child<QLineEdit>(main.get(), u"txtCR_"_s + QString::number(power))
                ->setText(QString::fromUtf8(coefficients[power]));
        }
        return main;
    }
};

KOVALIN_WINDOW_TEST_MAIN(DialogsReadyTest)
#include "dialogs_ready_test.moc"
