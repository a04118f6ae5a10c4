#include "frontend/frm_kovalin.h"
#include "frontend/kit/action_registry.h"
#include "graph/graph_tool.h"
#include "graph/picture.h"
#include "graph_fixture.h"
#include "platform/testing/window_test_main.h"

#include <QLineEdit>

#include <cmath>

using tools::graph::runGraph;

namespace
{

const QString function = QStringLiteral("y = (1)*x^2 + (-4)");

QString textIn(QDialog &dialog, const char *box)
{
    return child<QLineEdit>(&dialog, QLatin1String(box))->text();
}

void type(QDialog &dialog, const char *box, const char *text)
{
    child<QLineEdit>(&dialog, QLatin1String(box))->setText(QLatin1String(text));
}

} // namespace

class GraphToolTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        useRealEquation(*state, { "-4", "0", "1" });
        steps = std::make_unique<ModalSteps>(fakes->modal);
    }
    void cleanup()
    {
        QVERIFY(steps->allTaken());
        QVERIFY(endedClean());
    }

    void theGraphActionIsRegistered()
    {
        frontend::ActionRegistry actions;
        QVERIFY(!actions.offers(frontend::core::Action::Graph));
        tools::graph::registerGraphTool(actions, *state, fakes->services());
        QVERIFY(actions.offers(frontend::core::Action::Graph));
        steps->then([](QDialog &parameters) {
            clickIn(parameters, "btnCancel");
        });
        actions.launch(frontend::core::Action::Graph, state->equation, nullptr);
        QCOMPARE(fakes->modal.shownWindows, QStringList { QStringLiteral("frmGraphParameters") }); // cancelled
        QVERIFY(!state->graph.GraphRemembered);
    }

    void theMainWindowsGraphButtonDrawsTheTypedEquation()
    {
        frontend::ActionRegistry actions;
        tools::graph::registerGraphTool(actions, *state, fakes->services());
        frontend::core::startProgramEntry(*state, frontend::core::CoefKind::Real, 2, 15);
        frontend::FrmKovalin window(*state, fakes->services(), actions);
        child<QLineEdit>(&window, QStringLiteral("txtCR_2"))->setText(QStringLiteral("1"));
        child<QLineEdit>(&window, QStringLiteral("txtCR_0"))->setText(QStringLiteral("-4"));
        steps->then([](QDialog &parameters) {
            QCOMPARE(textIn(parameters, "txtFunction"), QStringLiteral("y = (1)*x^2 + (0)*x^1 + (-4)"));
            clickIn(parameters, "btnGraph");
        });
        steps->then([](QDialog &plot) {
            // The vertex of x² - 4 at (0, -4): a black pixel just below the middle of the picture.
            const QImage image = child<tools::graph::Picture>(&plot, QStringLiteral("Picture1"))->image();
            const int column = image.width() / 2 - 1;
            const int row = static_cast<int>(std::floor(-1.0 + 104.0 * image.height() / 200.0));
            QCOMPARE(image.pixelColor(column, row), QColor(Qt::black));
            QCOMPARE(image.pixelColor(column, row + 5), QColor(Qt::white));
            clickIn(plot, "btnClose");
        });
        child<QAbstractButton>(&window, QStringLiteral("btnGraph"))->click();
        QCOMPARE(fakes->modal.shownWindows,
            (QStringList { QStringLiteral("frmGraphParameters"), QStringLiteral("frmGraphPlot") }));
    }

    void graphOpensThePlotWithTheFunction()
    {
        steps->then([](QDialog &parameters) {
            QCOMPARE(textIn(parameters, "txtFunction"), function);
            clickIn(parameters, "btnGraph");
        });
        steps->then([](QDialog &plot) {
            QCOMPARE(textIn(plot, "txtFunction"), function);
            clickIn(plot, "btnClose");
        });
        runGraph(state->equation, state->decimals(), state->graph, fakes->services(), function, nullptr);
        QCOMPARE(fakes->modal.shownWindows,
            (QStringList { QStringLiteral("frmGraphParameters"), QStringLiteral("frmGraphPlot") }));
    }

    void aSecondOpeningOffersThePreviousEntries()
    {
        steps->then([](QDialog &parameters) {
            type(parameters, "txtXMin", "-1/2");
            type(parameters, "txtTickFreq", "0.25");
            clickIn(parameters, "btnGraph");
        });
        steps->then([](QDialog &plot) {
            clickIn(plot, "btnClose");
        });
        steps->then([](QDialog &parameters) {
            QCOMPARE(textIn(parameters, "txtXMin"), QStringLiteral("-1/2"));
            QCOMPARE(textIn(parameters, "txtTickFreq"), QStringLiteral("0.25"));
            clickIn(parameters, "btnCancel");
        });
        runGraph(state->equation, state->decimals(), state->graph, fakes->services(), function, nullptr);
        runGraph(state->equation, state->decimals(), state->graph, fakes->services(), function, nullptr);
    }

    void modifyAfterRedrawOffersTheWindowAsNumbers()
    {
        steps->then([](QDialog &parameters) {
            type(parameters, "txtXMin", "-1/2");
            type(parameters, "txtYMax", "2E2");
            clickIn(parameters, "btnGraph");
        });
        steps->then([](QDialog &plot) {
            clickIn(plot, "btnRedraw");
            clickIn(plot, "btnModify");
        });
        steps->then([](QDialog &parameters) {
            QCOMPARE(textIn(parameters, "txtXMin"), QStringLiteral("-0.5"));
            QCOMPARE(textIn(parameters, "txtYMax"), QStringLiteral("200"));
            QCOMPARE(textIn(parameters, "txtFunction"), function);
            clickIn(parameters, "btnCancel");
        });
        runGraph(state->equation, state->decimals(), state->graph, fakes->services(), function, nullptr);
    }

    void modifyWithoutZoomOffersTheTypedTexts()
    {
        steps->then([](QDialog &parameters) {
            type(parameters, "txtXMin", "-1/2");
            clickIn(parameters, "btnGraph");
        });
        steps->then([](QDialog &plot) {
            clickIn(plot, "btnModify");
        });
        steps->then([](QDialog &parameters) {
            QCOMPARE(textIn(parameters, "txtXMin"), QStringLiteral("-1/2"));
            clickIn(parameters, "btnGraph"); // draws again
        });
        steps->then([](QDialog &plot) {
            clickIn(plot, "btnClose");
        });
        runGraph(state->equation, state->decimals(), state->graph, fakes->services(), function, nullptr);
        QCOMPARE(fakes->modal.shownWindows.size(), 4);
    }

private:
    std::unique_ptr<ModalSteps> steps;
};

KOVALIN_WINDOW_TEST_MAIN(GraphToolTest)
#include "graph_tool_test.moc"
