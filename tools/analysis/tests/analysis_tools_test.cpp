// The tools as the main window offers them: which dialog each button opens and with what text, and the
// complex gate of the real-only tools.

#include "analysis_fixture.h"
#include "frontend/frm_kovalin.h"
#include "frontend/kit/action_registry.h"
#include "platform/testing/window_test_main.h"
#include "tools/analysis/analysis_tools.h"

#include <QAction>
#include <QDialog>

using namespace analysis_test;
using namespace Qt::StringLiterals;
using frontend::core::CoefKind;

class AnalysisToolsTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        registry = std::make_unique<frontend::ActionRegistry>();
        tools::analysis::registerAnalysisTools(*registry, *state, fakes->services());
        fakes->modal.onRun = [this](QDialog &dialog) {
            const char *name = dialog.objectName() == u"frmEvaluate"_s ? "txtPolynomial" : "txtFunction";
            handedOver = text(&dialog, name);
        };
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
    }

    void eachToolOpensItsDialogWithItsText_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("text");
        const QString equation = u"(1)*x^2 + (0)*x^1 + (-2)"_s;
        QTest::newRow("evaluate") << u"btnEvaluate"_s << u"frmEvaluate"_s << equation;
        QTest::newRow("table") << u"mnuTable"_s << u"frmTableNew"_s << u"y = "_s + equation;
        QTest::newRow("calculus") << u"mnuCurveCalculus"_s << u"frmCalculusNew"_s << u"f(x) = "_s + equation;
        QTest::newRow("length") << u"mnuCurveLength"_s << u"frmLengthNew"_s << u"y = "_s + equation;
    }

    void eachToolOpensItsDialogWithItsText()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, dialog);
        QFETCH(QString, text);
        open(CoefKind::Real, { "-2", "", "1" });
        activate(trigger);
        QCOMPARE(fakes->modal.shownWindows, QStringList { dialog });
        QCOMPARE(handedOver, text);
    }

    void complexEquationsReachOnlyEvaluationAndTable()
    {
        open(CoefKind::Complex, { "1", "1" }, { "0", "2" });
        activate(u"mnuCurveCalculus"_s);
        activate(u"mnuCurveLength"_s);
        QCOMPARE(fakes->messages.shown.size(), 2);
        QCOMPARE(fakes->messages.shown[0].title, u"Error - Complex Coefficients"_s);
        QVERIFY(fakes->modal.shownWindows.isEmpty());
        activate(u"btnTable"_s);
        QCOMPARE(handedOver, u"y = [(1)+(2)i]*x^1 + [(1)+(0)i]"_s);
    }

private:
    void open(CoefKind kind, std::vector<std::string> re, std::vector<std::string> im = {})
    {
        frontend::core::startProgramEntry(*state, kind, static_cast<int>(re.size()) - 1, 15);
        window = std::make_unique<frontend::FrmKovalin>(*state, fakes->services(), *registry);
        const char *prefix = kind == CoefKind::Real ? "txtCR_" : "txtCCA_";
        for (std::size_t i = 0; i < re.size(); ++i) {
            box(window.get(), qPrintable(QLatin1String(prefix) + QString::number(i)))
                ->setText(QString::fromStdString(re[i]));
        }
        for (std::size_t i = 0; i < im.size(); ++i) {
            box(window.get(), qPrintable(u"txtCCB_"_s + QString::number(i)))->setText(QString::fromStdString(im[i]));
        }
        QVERIFY(showActive(window.get()));
    }
    void activate(const QString &name)
    {
        if (auto *button = window->findChild<QPushButton *>(name)) {
            QVERIFY(button->isEnabled());
            button->click();
        } else {
            auto *item = child<QAction>(window.get(), name);
            QVERIFY(item->isEnabled());
            item->trigger();
        }
    }

    std::unique_ptr<frontend::ActionRegistry> registry;
    std::unique_ptr<frontend::FrmKovalin> window;
    QString handedOver;
};

KOVALIN_WINDOW_TEST_MAIN(AnalysisToolsTest)
#include "analysis_tools_test.moc"
