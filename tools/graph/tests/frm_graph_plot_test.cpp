#include "graph/frm_graph_plot.h"
#include "graph/picture.h"
#include "graph_fixture.h"
#include "platform/testing/dialog_checks.h"
#include "platform/testing/window_test_main.h"
#include "platform/twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace Qt::StringLiterals;
using platform::MessageIcon;
using tools::graph::FrmGraphPlot;
using tools::graph::Overlay;
using tools::graph::Picture;

namespace
{

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor gridGray(192, 192, 192);

/// The picture size the tests draw on, and the window size that gives it.
constexpr int W = 451;
constexpr int H = 301;
const QSize windowSize(W + 32, H + 135);

/// Where the curve formula puts a sample: column ⌊-1 + (x - xmin)·W/(xmax - xmin)⌋, row likewise from the
/// top; the middle of its three passes.
QPoint curvePixel(double x, double y, double xmin, double xmax, double ymin, double ymax)
{
    return { static_cast<int>(std::floor(-1.0 + (x - xmin) * W / (xmax - xmin))),
        static_cast<int>(std::floor(-1.0 + (ymax - y) * H / (ymax - ymin))) };
}

/// The i-th sample of a window at quality 100: x = xmin + i·(xmax - xmin)/W.
double sampleX(int i, double xmin, double xmax)
{
    return xmin + i * (xmax - xmin) / W;
}

} // namespace

class FrmGraphPlotTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        useRealEquation(*state, { "0", "1" }); // y = x
        auto &graph = state->graph;
        tools::graph::core::storeWindow(graph, { -100.0, 100.0, -100.0, 100.0 });
        graph.GraphQuality = 100;
        graph.GraphTicks = false;
        graph.GraphRemembered = true;
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass always ends
        plot.reset();
    }

    void showsItsControls()
    {
        open();
        QCOMPARE(plot->windowTitle(), QStringLiteral("Kovalin - Graph - [Plotted]"));
        QCOMPARE(child<QLineEdit>(plot.get(), QStringLiteral("txtFunction"))->text(), QStringLiteral("y = x"));
        QCOMPARE(
            child<QGroupBox>(plot.get(), QStringLiteral("frmNewLength"))->title(), QStringLiteral("Plot of Function"));
        QCOMPARE(child<QLabel>(plot.get(), QStringLiteral("Label1"))->text(),
            QStringLiteral("Hint: maximize the window and zoom into the area of interest"));
        const QList<QStringList> buttons { { u"btnCopy"_s, u"Copy"_s, u"Copy Graph to Clipboard"_s },
            { u"btnRedraw"_s, u"Redraw"_s, u"Redraw Plot to Fit Window"_s },
            { u"btnModify"_s, u"Modify..."_s, u"Modify graph parameters"_s },
            { u"btnClose"_s, u"Close"_s, u""_s } };
        for (const QStringList &b : buttons) {
            auto *button = child<QPushButton>(plot.get(), b[0]);
            QCOMPARE(button->text(), b[1]);
            QCOMPARE(button->toolTip(), b[2]);
        }
        auto *zoom = child<QAbstractButton>(plot.get(), QStringLiteral("chkZoom"));
        QVERIFY(zoom->isCheckable() && !zoom->isChecked() && !zoom->icon().isNull());
        QCOMPARE(zoom->toolTip(), QStringLiteral("Zoom In/Out"));
        QCOMPARE(zoom->parentWidget(), picture());
        QCOMPARE(child<Overlay>(plot.get(), QStringLiteral("Ver"))->colour(), QColor(192, 192, 192));
        QCOMPARE(child<Overlay>(plot.get(), QStringLiteral("Der"))->colour(), QColor(128, 128, 0));
    }

    void opensReadyForTheUser_data() { platform::testing::addFontSizeRows(); }
    void opensReadyForTheUser()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        plot = std::make_unique<FrmGraphPlot>(
            state->equation, state->decimals(), state->graph, fakes->services(), QStringLiteral("y = x"));
        QVERIFY(showActive(plot.get())); // at the size it opens with
        platform::testing::expectNoFaults(platform::testing::clippedTexts(plot.get()));
        platform::testing::expectNoFaults(platform::testing::keyboardFaults(plot.get()));
        platform::testing::expectNoFaults(platform::testing::unnamedControls(plot.get()));
    }

    void thePictureKeepsItsMarginsAndTheWindowItsMinimum()
    {
        open();
        QCOMPARE(picture()->size(), QSize(W, H));
        QCOMPARE(picture()->image().size(), QSize(W, H));
        plot->resize(10, 10);
        QCOMPARE(plot->width(), platform::twipsToPixels(3730, plot.get()));
        QCOMPARE(plot->height(), platform::twipsToPixels(5760, plot.get()));
        plot->resize(800, 700);
        QCOMPARE(picture()->size(), QSize(800 - 32, 700 - 135));
        QCOMPARE(picture()->image().size(), QSize(W, H)); // resizing does not redraw
        click("btnRedraw");
        QCOMPARE(picture()->image().size(), QSize(800 - 32, 700 - 135));
    }

    void theAxesAndTheLineYEqualsX()
    {
        open();
        const QImage image = picture()->image();
        // x = 0 lies 100/200 of the way across 451 columns, y = 0 likewise down 301 rows.
        for (const int row : { 3, 60, 250, 297 }) {
            QCOMPARE(image.pixelColor(225, row), black);
        }
        for (const int column : { 3, 100, 300, 447 }) {
            QCOMPARE(image.pixelColor(column, 150), black);
        }
        for (const int i : { 40, 150, 300, 420 }) {
            const double x = sampleX(i, -100.0, 100.0);
            const QPoint p = curvePixel(x, x, -100.0, 100.0, -100.0, 100.0);
            for (const int pass : { -1, 0, 1 }) {
                QCOMPARE(image.pixelColor(p.x(), p.y() + pass), black);
            }
            QCOMPARE(image.pixelColor(p.x(), p.y() + 6), white);
            QCOMPARE(image.pixelColor(p.x(), p.y() - 6), white);
        }
    }

    void eachCurveInItsColour()
    {
        auto &graph = state->graph;
        tools::graph::core::storeWindow(graph, { -10.0, 10.0, -10.0, 10.0 });
        graph.GraphDer1 = graph.GraphDer2 = graph.GraphInt = true;
        open();
        // y = x, y' = 1, y'' = 0 (over the x axis) and x²/2, at a sample near x = -4.
        const double x = sampleX(135, -10.0, 10.0);
        const QList<QPair<double, QColor>> curves {
            { x, black }, { 1.0, QColor(128, 0, 0) }, { 0.0, QColor(0, 128, 0) }, { x * x / 2.0, QColor(0, 0, 128) }
        };
        for (const auto &[y, colour] : curves) {
            const QPoint p = curvePixel(x, y, -10.0, 10.0, -10.0, 10.0);
            QCOMPARE(picture()->image().pixelColor(p), colour);
        }
    }

    void aWindowWithoutTheOriginCountsItsGridFromZero()
    {
        auto &graph = state->graph;
        tools::graph::core::storeWindow(graph, { 10.0, 20.0, 10.0, 20.0 });
        graph.GraphTicks = true;
        graph.GraphTickFreq = 5.0;
        graph.GraphGrid = true;
        graph.GraphGridFreq = 4.0;
        open();
        const QImage image = picture()->image();
        // Grid lines at x = 12 and 16 (multiples of 4), not at 14 (4 from the window's edge).
        const int row = 40; // away from the curve y = x
        for (const double x : { 12.0, 16.0 }) {
            QCOMPARE(image.pixelColor(static_cast<int>(std::floor((x - 10.0) * W / 10.0)), row), gridGray);
        }
        QCOMPARE(image.pixelColor(static_cast<int>(std::floor(4.0 * W / 10.0)), row), white);
        // No axes: apart from the grid and the curve, the picture's left and bottom edges are white.
        QCOMPARE(image.pixelColor(0, row), white);
        QCOMPARE(image.pixelColor(200, H - 1), white);
        QCOMPARE(image.pixelColor(200, 20), white);
    }

    void aCurveThatLeavesFarAboveTheWindowIsBroken()
    {
        state->graph.GraphQuality = 1; // five samples, 100 columns apart
        useRealEquation(*state, { "0", "20" });
        open();
        QVERIFY(blackPixelsBetweenSamples() > 0); // from -226 below to 661 above: joined across
        useRealEquation(*state, { "0", "40" });
        click("btnRedraw");
        QCOMPARE(blackPixelsBetweenSamples(), 0); // 1322 is more than 1000 above: broken
    }

    void theReadOutFollowsThePointer()
    {
        useRealEquation(*state, { "0", "0", "0.02" }); // y = x²/50, y' = x/25
        state->PrecisionPattern = "###";
        open();
        mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(338, 100));
        // x = -100 + 338·200/451 = 49.8891..., y = 49.7785..., slope 1.9955...
        QCOMPARE(label(), QStringLiteral("(49.889; 49.779) dy/dx = 1.996E+00"));
        QVERIFY(ver()->isVisible() && der()->isVisible());
        QCOMPARE(ver()->geometry().x1, -100.0 + 338 * 200.0 / 451);
        QCOMPARE(ver()->geometry().y1, 101.0);
        QCOMPARE(ver()->geometry().y2, -101.0);
        mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(10, 100)); // y = 182.65: above
        QVERIFY(!ver()->isVisible() && !der()->isVisible());
        mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(100, 100)); // y = 61.9: in view
        QVERIFY(ver()->isVisible() && der()->isVisible());
    }

    void aLinearEquationShowsNoLines()
    {
        open();
        mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(200, 200));
        QVERIFY(label().endsWith(QStringLiteral(" dy/dx = 1.E+00")));
        QVERIFY(!ver()->isVisible() && !der()->isVisible());
    }

    void aRightClickReportsThePointerNotTheCurve()
    {
        open();
        mouse(picture(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(100, 50));
        // x = -100 + 100·200/451, y = 100 - 50·200/301, cut to 10 decimals.
        QCOMPARE(fakes->messages.shown.size(), 1);
        const platform::Message &message = fakes->messages.shown[0];
        QCOMPARE(message.text, QStringLiteral("(-55.6541019956; 66.7774086378)"));
        QCOMPARE(message.title, QStringLiteral("Graph Coordinate"));
        QCOMPARE(message.icon, MessageIcon::Information);
    }

    void zoomModeShowsItsHelpOnceAndHidesTheLines()
    {
        useRealEquation(*state, { "0", "0", "0.02" });
        open();
        mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(200, 100));
        QVERIFY(ver()->isVisible());
        zoom();
        QVERIFY(!ver()->isVisible() && !der()->isVisible());
        zoom(); // off
        zoom(); // on again: no second help
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].text,
            QStringLiteral(
                "Zoom in: Use the left mouse button to select an area.\nZoom out: Click the right mouse button."));
        QCOMPARE(fakes->messages.shown[0].title, QStringLiteral("Zoom Plot"));
        QCOMPARE(fakes->messages.shown[0].icon, MessageIcon::Information);
        mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(100, 50));
        QCOMPARE(label(), QStringLiteral("(-55.6541019956; 66.7774086378)")); // the pointer itself
        QVERIFY(!ver()->isVisible());
    }

    void zoomingOutTwiceGivesFourTimesTheWindow()
    {
        open();
        zoom();
        for (int i = 0; i < 2; ++i) {
            mouse(picture(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(30, 30));
        }
        const auto &graph = state->graph;
        QCOMPARE(QList<double>({ graph.GraphXMin, graph.GraphXMax, graph.GraphYMin, graph.GraphYMax }),
            QList<double>({ -400.0, 400.0, -400.0, 400.0 }));
        QVERIFY(graph.GraphZoomed);
        QCOMPARE(plot->plotWindow().xmax, 400.0);
    }

    void aDraggedRectangleBecomesTheWindow()
    {
        open();
        zoom();
        auto *shape1 = child<Overlay>(plot.get(), QStringLiteral("Shape1"));
        mouse(picture(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(451 / 2, 301 / 2));
        QVERIFY(shape1->isVisible());
        mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(0, 0));
        // From the top-left corner (the smaller x, the larger y) to the start.
        QCOMPARE(shape1->geometry().x1, -100.0);
        QCOMPARE(shape1->geometry().y1, 100.0);
        QCOMPARE(shape1->geometry().x2, -100.0 + (451 / 2) * 200.0 / 451);
        QCOMPARE(shape1->geometry().y2, 100.0 - (301 / 2) * 200.0 / 301);
        mouse(picture(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(0, 0));
        QVERIFY(!shape1->isVisible());
        QVERIFY(!child<Overlay>(plot.get(), QStringLiteral("Shape2"))->isVisible());
        const auto &graph = state->graph;
        QCOMPARE(graph.GraphXMin, -100.0);
        QCOMPARE(graph.GraphXMax, -100.0 + (451 / 2) * 200.0 / 451);
        QCOMPARE(graph.GraphYMin, 100.0 - (301 / 2) * 200.0 / 301);
        QCOMPARE(graph.GraphYMax, 100.0);
        QVERIFY(graph.GraphZoomed);
        QCOMPARE(plot->plotWindow().xmin, -100.0);
    }

    void aDragWithoutWidthOrHeightOrAClickChangesNothing()
    {
        open();
        zoom();
        for (const QPoint end : { QPoint(100, 200), QPoint(300, 100), QPoint(100, 100) }) {
            mouse(picture(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(100, 100));
            mouse(picture(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, end);
            mouse(picture(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, end);
        }
        QCOMPARE(state->graph.GraphXMax, 100.0);
        QCOMPARE(state->graph.GraphYMin, -100.0);
        QVERIFY(!state->graph.GraphZoomed);
    }

    void copyPutsThePictureOnTheClipboard()
    {
        open();
        click("btnCopy");
        QVERIFY(fakes->clipboard.image.has_value());
        QCOMPARE(*fakes->clipboard.image, picture()->image());
        QVERIFY(!fakes->clipboard.text.has_value());
    }

    void redrawKeepsTheWindowButCountsAsZoomed()
    {
        open();
        click("btnRedraw");
        QCOMPARE(state->graph.GraphXMin, -100.0);
        QVERIFY(state->graph.GraphZoomed);
    }

    void modifyAndCloseEndTheWindow()
    {
        open();
        click("btnModify");
        QVERIFY(plot->modifyRequested());
        QVERIFY(!plot->isVisible());
        open();
        click("btnClose");
        QVERIFY(!plot->modifyRequested());
        QVERIFY(!plot->isVisible());
    }

private:
    void open()
    {
        plot = std::make_unique<FrmGraphPlot>(
            state->equation, state->decimals(), state->graph, fakes->services(), QStringLiteral("y = x"));
        plot->resize(windowSize);
        plot->show();
    }
    Picture *picture() const { return child<Picture>(plot.get(), QStringLiteral("Picture1")); }
    Overlay *ver() const { return child<Overlay>(plot.get(), QStringLiteral("Ver")); }
    Overlay *der() const { return child<Overlay>(plot.get(), QStringLiteral("Der")); }
    QString label() const { return child<QLabel>(plot.get(), QStringLiteral("lblXY"))->text(); }
    void click(const char *name) { child<QPushButton>(plot.get(), QLatin1String(name))->click(); }
    void zoom() { child<QAbstractButton>(plot.get(), QStringLiteral("chkZoom"))->click(); }

    /// Black pixels strictly between the third and fourth samples' columns (about 199 and 299), off the
    /// y axis and the x axis.
    int blackPixelsBetweenSamples() const
    {
        const QImage image = picture()->image();
        int count = 0;
        for (int column = 205; column <= 295; ++column) {
            for (int row = 0; row < H; ++row) {
                if (column != 225 && row != 150 && image.pixelColor(column, row) == black) {
                    ++count;
                }
            }
        }
        return count;
    }

    std::unique_ptr<FrmGraphPlot> plot;
};

KOVALIN_WINDOW_TEST_MAIN(FrmGraphPlotTest)
#include "frm_graph_plot_test.moc"
