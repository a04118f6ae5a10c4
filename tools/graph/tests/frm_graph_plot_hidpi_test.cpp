// The plot on a screen scaled by 2 (run with QT_SCALE_FACTOR=2): drawn in the screen's device pixels.

#include "graph/frm_graph_plot.h"
#include "graph/picture.h"
#include "graph_fixture.h"
#include "platform/testing/window_test_main.h"

#include <QGuiApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;
using tools::graph::FrmGraphPlot;
using tools::graph::Picture;

namespace
{

constexpr int W = 400;
constexpr int H = 400;

/// The first black row from the top in `column`, or -1.
int topOfCurve(const QImage &image, int column)
{
    for (int row = 0; row < image.height(); ++row) {
        if (image.pixelColor(column, row) == QColor(Qt::black)) {
            return row;
        }
    }
    return -1;
}

} // namespace

class FrmGraphPlotHiDpiTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        useRealEquation(*state, { "0", "1" }); // y = x
        tools::graph::core::storeWindow(state->graph, { -100.0, 100.0, -100.0, 100.0 });
        state->graph.GraphTicks = false;
        state->graph.GraphQuality = 100;
    }

    void theCurveIsDrawnInDevicePixels()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        FrmGraphPlot plot(state->equation, state->decimals(), state->graph, fakes->services(), u"y = x"_s);
        plot.resize(W + 32, H + 135);
        plot.show();
        auto *picture = child<Picture>(&plot, u"Picture1"_s);
        QCOMPARE(picture->size(), QSize(W, H));
        const QImage &image = picture->image();
        QCOMPARE(image.size(), QSize(2 * W, 2 * H));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(picture->drawnSize(), QSize(W, H));
        // y = x at 45 degrees: the curve's top edge climbs one device row per device column, not in 2 x 2
        // steps of a picture drawn at the normal size and scaled up.
        int steps = 0;
        for (int column = 500; column < 560; ++column) {
            const int step = topOfCurve(image, column) - topOfCurve(image, column + 1);
            QVERIFY2(step >= 0 && step <= 1, qPrintable(QString::number(column)));
            steps += step;
        }
        QVERIFY(steps >= 55);
        // Three pixels thick on the screen, as at the normal size: six device pixels, and a little more down a
        // column across a 45 degree line.
        int thickness = 0;
        for (int row = 0; row < image.height(); ++row) {
            thickness += image.pixelColor(600, row) == QColor(Qt::black) ? 1 : 0;
        }
        QVERIFY2(thickness >= 6 && thickness <= 9, qPrintable(QString::number(thickness)));
    }

    void theCopyKeepsThePicturesOwnSize()
    {
        FrmGraphPlot plot(state->equation, state->decimals(), state->graph, fakes->services(), u"y = x"_s);
        plot.resize(W + 32, H + 135);
        plot.show();
        child<QPushButton>(&plot, u"btnCopy"_s)->click();
        QVERIFY(fakes->clipboard.image.has_value());
        QCOMPARE(fakes->clipboard.image->size(), QSize(W, H));
        QCOMPARE(fakes->clipboard.image->devicePixelRatio(), 1.0);
        QCOMPARE(fakes->clipboard.image->pixelColor(W / 2, 10), QColor(Qt::black)); // the y axis
    }
};

KOVALIN_WINDOW_TEST_MAIN(FrmGraphPlotHiDpiTest)
#include "frm_graph_plot_hidpi_test.moc"
