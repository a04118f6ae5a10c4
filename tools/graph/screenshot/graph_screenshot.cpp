// Writes the documentation's picture of a graph window: the plot of x^5 - 5x^3 + 4x with its first
// derivative, tick marks and grid lines, the pointer's read-out and tangent at x = 1.5.
// Run under a display, for example: xvfb-run -a build/bin/graph_screenshot docs/screenshots/graph.png

#include "frontend/core/state.h"
#include "graph/frm_graph_plot.h"
#include "graph/picture.h"
#include "platform/testing/fakes.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: graph_screenshot <file.png>\n");
        return 2;
    }
    const frontend::core::Equation equation = frontend::core::makeEquation("5",
        frontend::core::CoefficientTexts::real({ "0", "4", "0", "-5", "0", "1" }),
        { { 0.0, 0.0 }, { 4.0, 0.0 }, { 0.0, 0.0 }, { -5.0, 0.0 }, { 0.0, 0.0 }, { 1.0, 0.0 } });
    frontend::core::GraphSettings graph;
    tools::graph::core::storeWindow(graph, { -3.0, 3.0, -10.0, 10.0 });
    graph.GraphTickFreq = 0.5;
    graph.GraphGrid = true;
    graph.GraphGridFreq = 1.0;
    graph.GraphDer1 = true;

    platform::testing::FakeServices fakes; // nothing here may reach the desktop
    tools::graph::FrmGraphPlot plot(
        equation, 6, graph, fakes.services(), QStringLiteral("y = ") + QString::fromStdString(equation.text));
    plot.resize(760, 620);
    plot.show();
    QApplication::processEvents();

    // The pointer over x = 1.5.
    auto *picture = plot.findChild<tools::graph::Picture *>(QStringLiteral("Picture1"));
    const QPointF at((1.5 + 3.0) / 6.0 * picture->width(), picture->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QApplication::processEvents();

    const QPixmap shot = plot.screen()->grabWindow(plot.winId());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
