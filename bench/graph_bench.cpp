// Time of a full redraw of the graph: a degree-100 polynomial with the function, both derivatives and the
// integral at quality 100, tick marks and grid lines, on a 1920 x 1080 picture. The whole of Redraw in the
// plot window, and its two halves (the plotting maths, the painting on the bitmap).
//   build/bin/graph_bench

#include "frontend/core/state.h"
#include "frontend/core/testing/equations.h"
#include "graph/core/plot.h"
#include "graph/frm_graph_plot.h"
#include "graph/picture.h"
#include "platform/testing/fakes.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace
{

constexpr int width = 1920;
constexpr int height = 1080;

/// A real degree-100 equation with coefficients in [-1, 1], as the boxes would hold them.
frontend::core::KovalinState degree100()
{
    std::mt19937 random(100);
    std::uniform_real_distribution<double> coefficient(-1.0, 1.0);
    std::vector<std::string> texts;
    for (int k = 0; k <= 100; ++k) {
        texts.push_back(frontend::core::generalNumberText(coefficient(random)));
    }
    frontend::core::KovalinState state;
    state.CoefType = frontend::core::CoefKind::Real;
    state.Degree = state.BoxDegree = 100;
    state.equation = frontend::core::testing::equationOf(frontend::core::CoefficientTexts::real(std::move(texts)));
    frontend::core::GraphSettings &graph = state.graph;
    tools::graph::core::storeWindow(graph, { -1.1, 1.1, -20.0, 20.0 });
    graph.GraphQuality = 100;
    graph.GraphTicks = true;
    graph.GraphTickFreq = 0.1;
    graph.GraphGrid = true;
    graph.GraphGridFreq = 0.5;
    graph.GraphDer1 = graph.GraphDer2 = graph.GraphInt = true;
    return state;
}

void redraw(benchmark::State &run)
{
    frontend::core::KovalinState state = degree100();
    platform::testing::FakeServices fakes;
    tools::graph::FrmGraphPlot plot(
        state.equation, state.decimals(), state.graph, fakes.services(), QStringLiteral("y = ..."));
    plot.resize(width + 32, height + 135); // the picture's margins
    plot.show();
    for (auto _ : run) {
        plot.PlotGraph2(0.0);
    }
    run.counters["picture"] = benchmark::Counter(plot.findChild<tools::graph::Picture *>()->image().width());
}

void plotting(benchmark::State &run)
{
    const frontend::core::KovalinState state = degree100();
    for (auto _ : run) {
        const auto polynomial = tools::graph::core::plotCoefficients(state.equation);
        const auto drawing =
            tools::graph::core::drawPlot(tools::graph::core::requestFrom(state.graph, width, height), &*polynomial);
        benchmark::DoNotOptimize(drawing.strokes.data());
    }
}

void painting(benchmark::State &run)
{
    const frontend::core::KovalinState state = degree100();
    const auto polynomial = tools::graph::core::plotCoefficients(state.equation);
    const auto drawing =
        tools::graph::core::drawPlot(tools::graph::core::requestFrom(state.graph, width, height), &*polynomial);
    QImage image(width, height, QImage::Format_RGB32);
    for (auto _ : run) {
        QPainter painter(&image);
        tools::graph::paintDrawing(painter, drawing);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(redraw)->Unit(benchmark::kMillisecond);
BENCHMARK(plotting)->Unit(benchmark::kMillisecond);
BENCHMARK(painting)->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
