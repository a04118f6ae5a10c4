#include "analysis_fixture.h"
#include "platform/testing/window_test_main.h"
#include "tools/analysis/frm_evaluate.h"

using namespace analysis_test;
using namespace Qt::StringLiterals;
using tools::analysis::FrmEvaluate;

namespace
{

const QString evaluateInputError = inputError(
    QStringLiteral("There is an input error in the given value of 'x' for which to evaluate the polynomial."));

} // namespace

class FrmEvaluateTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetDoubles(); }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
    }

    void opensAsARequestWithCopyDisabled()
    {
        open({ "-3", "0", "2" });
        QCOMPARE(window->windowTitle(), QStringLiteral("Kovalin - Evaluate Polynomial - ['x' Value]"));
        QCOMPARE(text(window.get(), "txtPolynomial"), QStringLiteral("(2)*x^2 + (0)*x^1 + (-3)"));
        QCOMPARE(child<QPushButton>(window.get(), QStringLiteral("btnClose"))->text(), QStringLiteral("Cancel"));
        QCOMPARE(child<QPushButton>(window.get(), QStringLiteral("btnEvaluate"))->toolTip(),
            QStringLiteral("Evaluate polynomial"));
        QVERIFY(!child<QPushButton>(window.get(), QStringLiteral("btnCopy"))->isEnabled());
        QVERIFY(box(window.get(), "txtXA")->hasFocus());
        box(window.get(), "txtXB")->setText(QStringLiteral("12.5"));
        box(window.get(), "txtXB")->setFocus();
        settle();
        QCOMPARE(box(window.get(), "txtXB")->selectedText(), QStringLiteral("12.5"));
    }

    void evaluatesShowsAndCopiesWhatProducedTheValue()
    {
        open({ "-3", "0", "2" });
        type("1.5", "");
        click(window.get(), "btnEvaluate");
        QVERIFY(fakes->messages.shown.isEmpty());
        QCOMPARE(text(window.get(), "txtEvaluateA"), QStringLiteral("1.5"));
        QCOMPARE(text(window.get(), "txtEvaluateB"), QStringLiteral("0"));
        QCOMPARE(text(window.get(), "txtXB"), QStringLiteral("0")); // the empty box now reads 0
        QCOMPARE(window->windowTitle(), QStringLiteral("Kovalin - Evaluate Polynomial - [Evaluated]"));
        QCOMPARE(child<QPushButton>(window.get(), QStringLiteral("btnClose"))->text(), QStringLiteral("Close"));
        // Edited but not evaluated again: Copy still writes the x that produced the value.
        type("9", "9");
        click(window.get(), "btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("(1.5) = (2)*(1.5)^2 + (0)*(1.5)^1 + (-3)"));
    }

    void returnEvaluatesAndEscapeCancels()
    {
        open({ "-3", "0", "2" });
        type("1.5", "0");
        box(window.get(), "txtXB")->setFocus();
        QTest::keyClick(box(window.get(), "txtXB"), Qt::Key_Return);
        QCOMPARE(text(window.get(), "txtEvaluateA"), QStringLiteral("1.5"));
        QVERIFY(window->isVisible());
        expectEscapeCancels(*window);
    }

    void complexXAndComplexCoefficients()
    {
        open({ "1", "0", "1" });
        type("0", "2");
        click(window.get(), "btnEvaluate");
        click(window.get(), "btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("(-3) = (1)*[(2)i]^2 + (0)*[(2)i]^1 + (1)"));

        setComplex(*state, { "2", "1" }, { "0", "1" });
        type("1/2", "-0.5");
        click(window.get(), "btnEvaluate");
        QCOMPARE(text(window.get(), "txtEvaluateA"), QStringLiteral("3")); // (1 + i)(0.5 - 0.5i) + 2 = 3
        QCOMPARE(text(window.get(), "txtEvaluateB"), QStringLiteral("0"));
        click(window.get(), "btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("(3) = [(1)+(1)i]*[(1/2)+(-0.5)i]^1 + [(2)+(0)i]"));
    }

    void badXTextsAreRefusedAtTheirBox_data()
    {
        refusalColumns();
        const QStringList input { evaluateInputError };
        QTest::newRow("junk") << u"abc"_s << u"0"_s << input << false << u"txtXA"_s;
        QTest::newRow("letters after digits") << u"1"_s << u"12abc"_s << input << false << u"txtXB"_s;
        QTest::newRow("huge exponent") << u"1E999"_s << u""_s << input << false << u"txtXA"_s;
        QTest::newRow("fraction too large") << u"1E308/1E-308"_s << u""_s << input << false << u"txtXA"_s;
        QTest::newRow("division by zero")
            << u"2"_s << u"1/0"_s << QStringList { divisionByZero, evaluateInputError } << false << u"txtXB"_s;
        QTest::newRow("two slashes") << u"1/2/3"_s << u""_s << input << false << u"txtXA"_s;
    }

    void badXTextsAreRefusedAtTheirBox()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, messages);
        QFETCH(bool, critical);
        QFETCH(QString, focus);
        open({ "-3", "0", "2" });
        type("1.5", "0");
        click(window.get(), "btnEvaluate");
        type(first, second);
        click(window.get(), "btnEvaluate");
        checkRefused(*fakes, window.get(), messages, critical, focus);
        QCOMPARE(text(window.get(), "txtEvaluateA"), QStringLiteral("1.5")); // the last value stays
        click(window.get(), "btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("(1.5) = (2)*(1.5)^2 + (0)*(1.5)^1 + (-3)"));
    }

    void anOverflowShowsItsMessageAndNoValue()
    {
        open(std::vector<std::string>(101, "1E300"));
        type("1E10", "");
        click(window.get(), "btnEvaluate");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].text, overflow);
        QCOMPARE(fakes->messages.shown[0].title, QStringLiteral("Input Error - Overflow"));
        QCOMPARE(fakes->messages.shown[0].icon, platform::MessageIcon::Critical);
        QVERIFY(text(window.get(), "txtEvaluateA").isEmpty());
        QCOMPARE(window->windowTitle(), QStringLiteral("Kovalin - Evaluate Polynomial - ['x' Value]"));
        QVERIFY(!child<QPushButton>(window.get(), QStringLiteral("btnCopy"))->isEnabled());
    }

    void smallValuesKeepTheirExponent()
    {
        open({ "-1", "1" }, 3);
        type("1.0000000001", "");
        click(window.get(), "btnEvaluate");
        QCOMPARE(text(window.get(), "txtEvaluateA"), QStringLiteral("1.E-10"));
        click(window.get(), "btnCopy");
        QCOMPARE(fakes->clipboard.text, QStringLiteral("(1.E-10) = (1)*(1.0000000001)^1 + (-1)"));
    }

    void longValuesAreShownWhole_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("shown");
        QTest::newRow("largest double") << u"-1.7976931348623157E308"_s << u"-1.79769313486231E+308"_s;
        QTest::newRow("grouped digits") << u"-123456789012345"_s << u"-123,456,789,012,345"_s;
        QTest::newRow("tiny") << u"-1.23456789012345E-300"_s << u"-1.23456789012345E-300"_s;
    }
    void longValuesAreShownWhole()
    {
        // A value box wider than its box showed only its tail: "23,456,789,012,345" with no sign, or a
        // mantissa without its exponent. Every value has its sign, its digits and its exponent in sight.
        QFETCH(QString, x);
        QFETCH(QString, shown);
        open({ "0", "1" });
        type(x, x);
        click(window.get(), "btnEvaluate");
        for (const char *name : { "txtEvaluateA", "txtEvaluateB" }) {
            QLineEdit *value = box(window.get(), name);
            QCOMPARE(value->text(), shown);
            value->repaint(); // the view is placed when the box paints
            const int middle = value->height() / 2;
            QCOMPARE(value->cursorPositionAt(QPoint(1, middle)), 0);
            QCOMPARE(value->cursorPositionAt(QPoint(value->width() - 2, middle)), value->text().size());
        }
    }

    void opensReadyForTheUser_data() { platform::testing::addFontSizeRows(); }
    void opensReadyForTheUser()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        open({ "1", "2" });
        expectReadyForTheUser(*window);
        QVERIFY(box(window.get(), "txtXA")->hasFocus());
    }

private:
    void open(std::vector<std::string> coefficients, std::size_t decimals = 15)
    {
        setReal(*state, coefficients, decimals);
        window = openTool(*state, fakes->services(), QString(), &FrmEvaluate::setPolynomial);
    }
    void type(const char *xa, const char *xb) { type(QString::fromUtf8(xa), QString::fromUtf8(xb)); }
    void type(const QString &xa, const QString &xb)
    {
        box(window.get(), "txtXA")->setText(xa);
        box(window.get(), "txtXB")->setText(xb);
    }

    std::unique_ptr<FrmEvaluate> window;
};

KOVALIN_WINDOW_TEST_MAIN(FrmEvaluateTest)
#include "frm_evaluate_test.moc"
