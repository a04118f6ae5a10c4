// The picture of the roots as the user works it: fitted to all roots at first, zoomed by the wheel and the
// keys about the pointer, panned by a drag, the nearest root told with its accuracy, and the picture copied
// and saved as PNG and SVG (a suffix added to a name typed without one).

#include "frontend/core/solved_roots.h"
#include "frontend/core/testing/equations.h"
#include "frontend/frm_root_plot.h"
#include "frontend/kit/root_colours.h"
#include "frontend/root_plot_view.h"
#include "platform/testing/window_test_main.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWheelEvent>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;
using frontend::core::PlotView;

namespace
{

/// (x - 1.5)^4 (x + 2) as a solve gives it: the fourfold root's members spread about 1e-4 round 1.5.
frontend::core::SolvedRoots fourfold()
{
    using frontend::core::CoefficientTexts;
    const auto equation =
        frontend::core::testing::equationOf(CoefficientTexts::real({ "10.125", "-21.9375", "13.5", "1.5", "-4", "1" }));
    std::vector<frontend::core::ComplexValue> roots;
    for (int k = 0; k < 4; ++k) {
        const std::complex<double> z = 1.5 + std::polar(1e-4, std::numbers::pi / 4 + k * std::numbers::pi / 2);
        roots.push_back({ z.real(), z.imag() });
    }
    roots.push_back({ -2, 0 });
    return frontend::core::solvedRoots(equation, roots, 15);
}

} // namespace

class FrmRootPlotTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        window = std::make_unique<frontend::FrmRootPlot>(fourfold(), fakes->services());
        QVERIFY(showActive(window.get()));
        settle();
        view = child<frontend::RootPlotView>(window.get(), u"picRoots"_s);
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
    }

    void itOpensWithEveryRootAndTheUnitCircleInView()
    {
        for (const auto z : { std::complex<double>(-2, 0), std::complex<double>(1.5, 0), std::complex<double>(0, 1) }) {
            QVERIFY(view->rect().contains(pixelOf(z)));
        }
        QCOMPARE(window->windowTitle(), u"Kovalin - Equation Solver - [Roots in the Complex Plane]"_s);
        QCOMPARE(QApplication::focusWidget(), view); // the keys work the picture at once
    }

    void theWheelZoomsAboutThePointerADragPansAndFitAllReturns()
    {
        const PlotView fitted = view->view();
        const QPoint pointer = pixelOf(-2.0);
        QWheelEvent wheel(pointer,
            view->mapToGlobal(pointer),
            QPoint(),
            QPoint(0, 240),
            Qt::NoButton,
            Qt::NoModifier,
            Qt::NoScrollPhase,
            false);
        QApplication::sendEvent(view, &wheel);
        QCOMPARE(view->view().unitsPerPixel, fitted.unitsPerPixel / (1.25 * 1.25)); // two notches
        QVERIFY((pixelOf(-2.0) - pointer).manhattanLength() <= 1); // the root stayed under the pointer

        const PlotView zoomed = view->view();
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::mouseMove(view, QPoint(130, 90));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, QPoint(130, 90));
        const std::complex<double> moved = view->view().centre - zoomed.centre;
        QVERIFY(std::abs(moved - std::complex<double>(-30, -10) * zoomed.unitsPerPixel) < 1e-9);

        child<QPushButton>(window.get(), u"btnFitAll"_s)->click();
        QCOMPARE(view->view(), fitted);
    }

    void theKeysZoomPanAndFitToo()
    {
        const PlotView fitted = view->view();
        QTest::keyClick(view, Qt::Key_Plus);
        QCOMPARE(view->view().unitsPerPixel, fitted.unitsPerPixel / 1.25);
        QTest::keyClick(view, Qt::Key_Right);
        QVERIFY(view->view().centre.real() > fitted.centre.real());
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(view->view(), fitted);
    }

    void thePointerTellsTheNearestRootWithItsAccuracy()
    {
        QTest::mouseMove(view, pixelOf(-2.0) + QPoint(3, -2));
        QCOMPARE(view->nearest(), 4);
        const QString simple = text("lblNearest");
        QVERIFY2(simple.startsWith(u"Root 5: (-2)   error bound "_s), qPrintable(simple));
        QVERIFY2(simple.endsWith(u", 15 correct digits"_s), qPrintable(simple));

        // Close enough to tell the fourfold root's members apart.
        view->setView({ 1.5, 1e-6 });
        QTest::mouseMove(view, pixelOf(1.5 + std::polar(1e-4, 0.7)));
        const QString member = text("lblNearest");
        QVERIFY2(member.startsWith(u"Root 1: (1.5000707"_s), qPrintable(member));
        QVERIFY2(member.contains(u"\u00d74 root about (1.5"_s), qPrintable(member));
    }

    void copyPutsThePictureAsSeenOnTheClipboard()
    {
        child<QPushButton>(window.get(), u"btnCopyPicture"_s)->click();
        QVERIFY(fakes->clipboard.image);
        const QImage &image = *fakes->clipboard.image;
        QCOMPARE(image.deviceIndependentSize().toSize(), view->size());
        // The real root -2 is drawn in the real roots' colour, the fourfold one with complex members' red.
        const QPoint real = pixelOf(-2.0) * image.devicePixelRatio();
        QCOMPARE(image.pixelColor(real).rgb(), frontend::realRootColour().rgb());
        QVERIFY(hasColourNear(image, pixelOf(1.5) * image.devicePixelRatio(), frontend::complexRootColour()));
    }

    void picturesAreSavedAsPngAndSvgWithTheirSuffix()
    {
        QTemporaryDir folder; // of this test alone: it counts the files written
        const QDir dir(folder.path());
        fakes->fileDialogs.saveAnswers = { dir.filePath(u"plot"_s),
            dir.filePath(u"drawing.SVG"_s),
            dir.filePath(u"roots.v2"_s),
            dir.filePath(u"missing/plot.png"_s) };
        child<QPushButton>(window.get(), u"btnSavePng"_s)->click();
        child<QPushButton>(window.get(), u"btnSaveSvg"_s)->click();
        child<QPushButton>(window.get(), u"btnSavePng"_s)->click();
        QCOMPARE(fakes->messages.shown.size(), 0);
        child<QPushButton>(window.get(), u"btnSavePng"_s)->click();

        QCOMPARE(fakes->fileDialogs.saveRequests.front().defaultSuffix, u"png"_s);
        QCOMPARE(fakes->fileDialogs.saveRequests[1].filter, u"SVG drawing (*.svg);;All Files (*.*)"_s);
        const QImage png(dir.filePath(u"plot.png"_s), "PNG");
        QCOMPARE(png.deviceIndependentSize().toSize(), view->size());
        QVERIFY(QImage(dir.filePath(u"roots.v2.png"_s), "PNG").size() == png.size());
        QFile svg(dir.filePath(u"drawing.SVG"_s));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray drawing = svg.readAll();
        QVERIFY(drawing.contains("<svg"));
        QVERIFY(drawing.contains("Roots in the Complex Plane"));
        QCOMPARE(dir.entryList(QDir::Files).size(), 3); // nothing else, no partial files
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown.front().title, u"Save Picture of Roots"_s);
    }

private:
    QPoint pixelOf(std::complex<double> z) const
    {
        const auto p = frontend::core::toPixel(view->view(), z, view->width(), view->height());
        return { int(std::lround(p.x)), int(std::lround(p.y)) };
    }
    QString text(const char *name) const { return child<QLabel>(window.get(), QLatin1String(name))->text(); }
    static bool hasColourNear(const QImage &image, QPoint at, const QColor &colour)
    {
        for (int dx = -12; dx <= 12; ++dx) {
            for (int dy = -12; dy <= 12; ++dy) {
                if (image.rect().contains(at + QPoint(dx, dy))
                    && image.pixelColor(at + QPoint(dx, dy)).rgb() == colour.rgb()) {
                    return true;
                }
            }
        }
        return false;
    }

    std::unique_ptr<frontend::FrmRootPlot> window;
    frontend::RootPlotView *view = nullptr;
};

KOVALIN_WINDOW_TEST_MAIN(FrmRootPlotTest)
#include "frm_root_plot_test.moc"
