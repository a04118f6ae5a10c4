// The arc-length dialog and result window, with the real engine library behind the exchange files (kept in a
// folder of the test's own).

#include "analysis_fixture.h"
#include "engine/entry.h"
#include "frontend/core/engine_exchange.h"
#include "platform/exchange_files.h"
#include "platform/testing/window_test_main.h"
#include "tools/analysis/frm_length.h"

#include <QDir>

#include <cmath>

using namespace analysis_test;
using namespace Qt::StringLiterals;
using tools::analysis::FrmLengthNew;

namespace
{

struct Shown {
    QString caption;
    QString function;
    QString xy1;
    QString xy2;
    QString length;
};

Shown look(QDialog &result)
{
    return { result.windowTitle(),
        text(&result, "txtFunction"),
        text(&result, "txtXY1"),
        text(&result, "txtXY2"),
        text(&result, "txtArcLength") };
}

/// A length shown to 15 decimals, back as a number.
double shownValue(const QString &text)
{
    QString plain = text;
    return plain.remove(u',').toDouble();
}

} // namespace

class FrmLengthTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        exchange = std::make_unique<QTemporaryDir>();
        QVERIFY(exchange->isValid());
        qputenv(platform::exchangeDirVariable, QFile::encodeName(exchange->path()));
        fakes->engine.entry = &VX_KOVALIN;
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
        qunsetenv(platform::exchangeDirVariable);
    }

    void aStraightLineIsMeasuredWithoutTheEngine()
    {
        open({ "1", "2" });
        type("0", "3");
        const Shown shown = calculate([](QDialog &result) {
            click(&result, "btnCopy");
        });
        QCOMPARE(shown.caption, u"Kovalin - Length of Curve - [Calculated]"_s);
        QCOMPARE(shown.function, u"y = (2)*x^1 + (1)"_s);
        QCOMPARE(shown.xy1, u"[(0), (1)]"_s);
        QCOMPARE(shown.xy2, u"[(3), (7)]"_s);
        QCOMPARE(shown.length, u"6.70820393249937"_s); // sqrt(9 + 36)
        QCOMPARE(fakes->clipboard.text, u"Arc length from [(0), (1)] to [(3), (7)] is 6.70820393249937"_s);
        QCOMPARE(fakes->engine.calls, 0);
        QVERIFY(exchangeFiles().isEmpty());
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Close"_s);
    }

    void returnCalculatesAndEscapeCancels()
    {
        open({ "1", "2" });
        type("0", "3");
        QCOMPARE(returnAndLook<Shown>(fakes->modal, window.get(), "txtX2", look).length, u"6.70820393249937"_s);
        QVERIFY(window->isVisible());
        expectEscapeCancels(*window);
    }

    void aParabolaIsMeasuredByTheEngine()
    {
        open({ "0", "0", "1" });
        type("0", "2/2");
        const Shown shown = calculate();
        // The engine's extrapolated polygons agree with the exact length to seven significant digits.
        const double exact = std::sqrt(5.0) / 2.0 + std::asinh(2.0) / 4.0;
        QVERIFY2(std::fabs(shownValue(shown.length) - exact) <= 5e-7 * exact, qPrintable(shown.length));
        QCOMPARE(shown.xy2, u"[(2/2), (1)]"_s); // the x as typed
        QCOMPARE(fakes->engine.calls, 1);
        QVERIFY(exchangeFiles().isEmpty()); // both files consumed
        QVERIFY(fakes->messages.shown.isEmpty());
    }

    void exchangedLimitsGiveTheSameLength()
    {
        // The dialog itself refuses x1 > x2; the engine is asked directly.
        setReal(*state, { "1", "-2", "0", "0.5" });
        const frontend::core::EngineCall engine = [] {
            return VX_KOVALIN() == 0;
        };
        const auto forward = frontend::core::WriteLengthRequest(state->equation, -1.0, 2.0, state->decimals(), engine);
        const auto backward = frontend::core::WriteLengthRequest(state->equation, 2.0, -1.0, state->decimals(), engine);
        QVERIFY(forward.length && backward.length);
        const double a = shownValue(QString::fromStdString(*forward.length));
        QVERIFY(a > 3.0);
        QVERIFY(std::fabs(a - shownValue(QString::fromStdString(*backward.length))) <= 1e-12 * a);
    }

    void aMissingEngineIsAnUnexpectedError()
    {
        fakes->engine.entry = nullptr;
        open({ "0", "0", "1" });
        type("0", "1");
        const Shown shown = calculate();
        QCOMPARE(shownTexts(fakes->messages), QStringList { u"An unexpected error has occured."_s });
        QCOMPARE(fakes->messages.shown[0].title, u"Unexpected Error"_s);
        QCOMPARE(shown.length, u"Error: Input Too Large"_s);
    }

    void refusals_data()
    {
        refusalColumns();
        const QString inputError = analysis_test::inputError(u"There is an input error in the given x-coordinates."_s);
        const QString same = u"Two different x-coordinate values must be chosen."_s;
        QTest::newRow("same") << u"1"_s << u"1"_s << QStringList { same } << true << u"txtX1"_s;
        QTest::newRow("both empty") << QString() << QString() << QStringList { same } << true << u"txtX1"_s;
        QTest::newRow("reversed")
            << u"2"_s << u"1"_s
            << QStringList { u"The value of the second x-coordinate must be greater than the value of the first."_s }
            << true << u"txtX2"_s;
        QTest::newRow("junk") << u"a"_s << u"1"_s << QStringList { inputError } << false << u"txtX1"_s;
        QTest::newRow("huge exponent") << u"0"_s << u"9E9999"_s << QStringList { inputError } << false << u"txtX2"_s;
        QTest::newRow("division by zero")
            << u"0"_s << u"1/0"_s << QStringList { divisionByZero, inputError } << false << u"txtX2"_s;
    }

    void refusals()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, messages);
        QFETCH(bool, critical);
        QFETCH(QString, focus);
        open({ "0", "0", "1" });
        box(window.get(), "txtX1")->setText(first);
        box(window.get(), "txtX2")->setText(second);
        click(window.get(), "btnCalculate");
        checkRefused(*fakes, window.get(), messages, critical, focus);
        QCOMPARE(fakes->engine.calls, 0);
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Cancel"_s);
    }

    void anOverflowAtAnEndPointStopsBeforeAnyRequest()
    {
        open({ "0", "0", "1" });
        type("0", "1E200");
        click(window.get(), "btnCalculate");
        QCOMPARE(shownTexts(fakes->messages), QStringList { overflow });
        QCOMPARE(fakes->messages.shown[0].title, u"Input Error - Overflow"_s);
        QVERIFY(box(window.get(), "txtX2")->hasFocus());
        QVERIFY(fakes->modal.shownWindows.isEmpty());
        QCOMPARE(fakes->engine.calls, 0);
        QVERIFY(exchangeFiles().isEmpty());
    }

    void opensReadyForTheUser_data() { platform::testing::addFontSizeRows(); }
    void opensReadyForTheUser()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        open({ "1", "2" });
        expectReadyForTheUser(*window);
        QVERIFY(box(window.get(), "txtX1")->hasFocus());
        type("0", "3");
        calculate([](QDialog &result) {
            expectReadyForTheUser(result);
        });
    }

private:
    void open(std::vector<std::string> coefficients)
    {
        setReal(*state, std::move(coefficients));
        window = openTool(*state, fakes->services(), u"y = "_s, &FrmLengthNew::setFunction);
    }
    void type(const char *x1, const char *x2)
    {
        box(window.get(), "txtX1")->setText(QString::fromUtf8(x1));
        box(window.get(), "txtX2")->setText(QString::fromUtf8(x2));
    }
    QStringList exchangeFiles() const { return QDir(exchange->path()).entryList(QDir::Files); }
    /// Presses Calculate and notes what the result window showed; `act` then uses it.
    Shown calculate(const std::function<void(QDialog &)> &act = {})
    {
        return pressAndLook<Shown>(fakes->modal, window.get(), "btnCalculate", look, act);
    }

    std::unique_ptr<QTemporaryDir> exchange;
    std::unique_ptr<FrmLengthNew> window;
};

KOVALIN_WINDOW_TEST_MAIN(FrmLengthTest)
#include "frm_length_test.moc"
