#include "frontend/kit/picture_export.h"
#include "platform/testing/fakes.h"
#include "platform/testing/file_size_limit.h"
#include "platform/testing/window_test.h"
#include "platform/testing/window_test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

using frontend::PictureFile;
using frontend::PictureFormat;
using platform::testing::FileSizeLimit;
using namespace Qt::StringLiterals;

namespace
{

/// A white picture with a black frame and a red diagonal, drawn across whatever `pixels` it is given.
void paintFrame(QPainter &painter, QSize pixels)
{
    painter.fillRect(QRect(QPoint(0, 0), pixels), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(0, 0, pixels.width() - 1, pixels.height() - 1);
    painter.setPen(QPen(Qt::red, 0));
    painter.drawLine(0, 0, pixels.width() - 1, pixels.height() - 1);
}

/// The pages of a PDF: its page objects.
int pdfPages(const QByteArray &pdf)
{
    static const QRegularExpression page(u"/Type\\s*/Page(?!s)"_s);
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

} // namespace

class PictureExportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theNameOrTheFilterChoosesTheFormat_data()
    {
        const QStringList filters = frontend::pictureFilters().split(u";;"_s);
        QCOMPARE(filters.size(), 3);
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<PictureFormat>("format");
        QTest::newRow("no suffix, PNG") << u"/d/graph"_s << filters[0] << u"/d/graph.png"_s << PictureFormat::Png;
        QTest::newRow("no suffix, SVG") << u"/d/graph"_s << filters[1] << u"/d/graph.svg"_s << PictureFormat::Svg;
        QTest::newRow("no suffix, PDF") << u"/d/graph"_s << filters[2] << u"/d/graph.pdf"_s << PictureFormat::Pdf;
        QTest::newRow("typed suffix wins") << u"/d/g.SVG"_s << filters[0] << u"/d/g.SVG"_s << PictureFormat::Svg;
        QTest::newRow("other suffix") << u"/d/plot.v2"_s << filters[2] << u"/d/plot.v2.pdf"_s << PictureFormat::Pdf;
        QTest::newRow("dotted folder") << u"/d.x/graph"_s << filters[1] << u"/d.x/graph.svg"_s << PictureFormat::Svg;
    }
    void theNameOrTheFilterChoosesTheFormat()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, path);
        QFETCH(PictureFormat, format);
        const PictureFile file = frontend::pictureFile(typed, filter);
        QCOMPARE(file.path, path);
        QCOMPARE(file.format, format);
    }

    void eachFormatOpensInItsReaderAtTheChosenSize()
    {
        QTemporaryDir dir;
        const QSize size(320, 200);
        const QString png = dir.filePath(u"a.png"_s);
        QVERIFY(frontend::savePicture({ png, PictureFormat::Png }, size, paintFrame));
        const QImage image(png);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(0, 100), QColor(Qt::black));
        QCOMPARE(image.pixelColor(160, 100), QColor(Qt::red));
        QCOMPARE(image.pixelColor(160, 50), QColor(Qt::white));

        const QString svg = dir.filePath(u"a.svg"_s);
        QVERIFY(frontend::savePicture({ svg, PictureFormat::Svg }, size, paintFrame));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(QPoint(0, 0), size));
        QVERIFY(readBytes(svg).contains("width=\"84.6667mm\"")); // 320 pixels at 96 per inch
        QImage drawn(size, QImage::Format_RGB32);
        drawn.fill(Qt::green);
        {
            QPainter painter(&drawn);
            renderer.render(&painter);
        }
        QCOMPARE(drawn.pixelColor(160, 50), QColor(Qt::white)); // painted across the whole picture
        QVERIFY(std::min(drawn.pixelColor(0, 100).lightness(), drawn.pixelColor(1, 100).lightness()) < 200); // the frame

        const QString pdf = dir.filePath(u"a.pdf"_s);
        QVERIFY(frontend::savePicture({ pdf, PictureFormat::Pdf }, size, paintFrame));
        const QByteArray bytes = readBytes(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(pdfPages(bytes), 1);
        // The page is the picture's size at 96 pixels per inch: 240 x 150 points.
        const auto box = QRegularExpression(u"/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"_s)
                             .match(QString::fromLatin1(bytes));
        QVERIFY2(box.hasMatch(), bytes.left(2000).constData());
        QVERIFY(std::abs(box.captured(1).toDouble() - 240.0) < 1.0);
        QVERIFY(std::abs(box.captured(2).toDouble() - 150.0) < 1.0);
        QCOMPARE(dir.path(), QFileInfo(pdf).path());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3); // no temporary file left behind
    }

    void aFailedSaveLeavesTheOldFileAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"kept.png"_s);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the old picture");
        }
        for (const PictureFormat format : { PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf }) {
            const FileSizeLimit limit(64); // the new picture cannot be written out
            QVERIFY2(!frontend::savePicture({ path, format }, QSize(300, 300), paintFrame),
                qPrintable(QString::number(static_cast<int>(format))));
        }
        QCOMPARE(readBytes(path), QByteArray("the old picture"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { u"kept.png"_s });
        QVERIFY(!frontend::savePicture({ dir.filePath(u"missing/a.png"_s), PictureFormat::Png }, QSize(10, 10),
            paintFrame));
        QVERIFY(!QFileInfo::exists(dir.filePath(u"missing"_s)));
    }

    void printingFillsOnePageKeepingTheShape()
    {
        QTemporaryDir dir;
        platform::testing::FakePrinting printing;
        printing.pdfPath = dir.filePath(u"printed.pdf"_s);
        QSize painted;
        const bool confirmed = printing.print(nullptr, [&painted](QPrinter &printer) {
            QVERIFY(frontend::printPicture(printer, QSize(400, 200), [&painted](QPainter &painter, QSize pixels) {
                painted = pixels;
                paintFrame(painter, pixels);
            }));
        });
        QVERIFY(confirmed);
        QCOMPARE(pdfPages(readBytes(printing.pdfPath)), 1);
        // The picture's 2:1 shape, many times the screen's pixels at the printer's resolution.
        QVERIFY(painted.width() > 2000);
        QVERIFY(std::abs(painted.width() - 2 * painted.height()) <= 2);
    }
};

KOVALIN_WINDOW_TEST_MAIN(PictureExportTest)
#include "picture_export_test.moc"
