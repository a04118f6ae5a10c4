// The suite's blue and red on light and dark palettes, measured with the WCAG 2 contrast ratio.

#include "frontend/kit/text_colours.h"

#include <QTest>

using frontend::contrastRatio;
using frontend::TextColour;
using frontend::textColour;

namespace
{

QPalette paletteOf(const QColor &window, const QColor &text)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, window);
    palette.setColor(QPalette::Text, text);
    return palette;
}

} // namespace

class TextColoursTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theContrastRatioIsWcags()
    {
        // Reference values of the WCAG 2 formula (relative luminance of sRGB, (L1 + 0.05) / (L2 + 0.05)).
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(contrastRatio(Qt::white, Qt::white), 1.0);
        QCOMPARE(qRound(contrastRatio(QColor(0, 0, 255), Qt::white) * 100), 859);
        QCOMPARE(qRound(contrastRatio(QColor(255, 0, 0), Qt::white) * 100), 400);
        QCOMPARE(qRound(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) * 100), 448);
        QCOMPARE(contrastRatio(Qt::white, QColor(0, 0, 255)), contrastRatio(QColor(0, 0, 255), Qt::white));
    }

    void aLightPaletteKeepsTheProgramsOwnColours_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("grey") << QColor(0xef, 0xf0, 0xf1) << QColor(0x23, 0x26, 0x29);
        QTest::newRow("mid grey, dark text") << QColor(0x80, 0x80, 0x80) << QColor(Qt::black);
    }
    void aLightPaletteKeepsTheProgramsOwnColours()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        const QPalette light = paletteOf(window, text);
        QVERIFY(!frontend::isDarkPalette(light));
        QCOMPARE(textColour(TextColour::Blue, light), QColor(0, 0, 255));
        QCOMPARE(textColour(TextColour::Red, light), QColor(255, 0, 0));
        QCOMPARE(frontend::readableColour(QColor(0, 0, 128), light), QColor(0, 0, 128));
    }

    void aDarkPaletteGetsLighterShadesThatReadWell_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::newRow("black") << QColor(Qt::black);
        QTest::newRow("Breeze dark") << QColor(0x23, 0x26, 0x29);
        QTest::newRow("Adwaita dark") << QColor(0x24, 0x24, 0x24);
        QTest::newRow("Fusion dark") << QColor(0x35, 0x35, 0x35);
        QTest::newRow("dark blue") << QColor(0x10, 0x18, 0x40);
        QTest::newRow("dark red") << QColor(0x40, 0x10, 0x10);
        QTest::newRow("grey") << QColor(0x60, 0x60, 0x60);
    }
    void aDarkPaletteGetsLighterShadesThatReadWell()
    {
        QFETCH(QColor, window);
        const QPalette dark = paletteOf(window, QColor(0xfc, 0xfc, 0xfc));
        QVERIFY(frontend::isDarkPalette(dark));
        for (const QPalette::ColorRole role : { QPalette::Window, QPalette::Base }) {
            const QColor blue = textColour(TextColour::Blue, dark, role);
            const QColor red = textColour(TextColour::Red, dark, role);
            QVERIFY2(contrastRatio(blue, window) >= frontend::readableContrast, qPrintable(blue.name()));
            QVERIFY2(contrastRatio(red, window) >= frontend::readableContrast, qPrintable(red.name()));
            // A shade of the colour, not white: blue stays bluest, red reddest.
            QVERIFY2(blue.blue() == 255 && blue.red() == blue.green() && blue.red() < 255, qPrintable(blue.name()));
            QVERIFY2(red.red() == 255 && red.green() == red.blue() && red.green() < 255, qPrintable(red.name()));
        }
    }

    void theShadeIsTheLeastThatReadsWell()
    {
        // One step less toward white would not reach the contrast: the colour keeps as much of itself as it can.
        const QColor window(0x23, 0x26, 0x29);
        const QColor blue = textColour(TextColour::Blue, paletteOf(window, Qt::white));
        const int lessMixed = blue.red() - 1;
        QVERIFY(lessMixed >= 0);
        QVERIFY(contrastRatio(QColor(lessMixed, lessMixed, 255), window) < frontend::readableContrast);
    }
};

QTEST_MAIN(TextColoursTest)
#include "text_colours_test.moc"
