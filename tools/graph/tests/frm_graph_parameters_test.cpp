#include "graph/core/parameters.h"
#include "graph/frm_graph_parameters.h"
#include "graph_fixture.h"
#include "platform/testing/dialog_checks.h"
#include "platform/testing/window_test_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using tools::graph::FrmGraphParameters;
using namespace tools::graph::core;
using platform::MessageIcon;
using platform::testing::expectNoFaults;

namespace
{

const QString function = QStringLiteral("y = (1)*x^2 + (0)*x^1 + (-4)");

QString inputError(const char *first)
{
    return QLatin1String(first)
        + QStringLiteral("\nPlease verify that all of the data entered is numerical.\n\n"
                         "There are three valid numerical input formats:\n"
                         "\t- Decimal (123.45678)\n"
                         "\t- Fractional (123/456.78)\n"
                         "\t- Exponential (12.345678E-5)");
}

} // namespace

class FrmGraphParametersTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        open(OfferedParameters(state->graph));
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        dialog.reset();
    }

    void showsItsControlsWithTheDefaults()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Kovalin - Graph - [Parameters]"));
        QCOMPARE(child<QGroupBox>(dialog.get(), QStringLiteral("frmNewLength"))->title(),
            QStringLiteral("Specifications of Function's Graph"));
        QCOMPARE(child<QGroupBox>(dialog.get(), QStringLiteral("Frame2"))->title(),
            QStringLiteral("The function's derivatives and integral may also be plotted:"));
        QCOMPARE(box("txtFunction")->text(), function);
        QVERIFY(box("txtFunction")->isReadOnly());
        const QStringList texts { text("txtXMin"),
            text("txtXMax"),
            text("txtYMin"),
            text("txtYMax"),
            text("txtPercentQuality"),
            text("txtTickFreq"),
            text("txtGridFreq") };
        QCOMPARE(texts,
            (QStringList { QStringLiteral("-100"),
                QStringLiteral("100"),
                QStringLiteral("-100"),
                QStringLiteral("100"),
                QStringLiteral("100%"),
                QStringLiteral("5"),
                QStringLiteral("10") }));
        QVERIFY(!box("txtPercentQuality")->isEnabled());
        QVERIFY(check("chkTick")->isChecked() && box("txtTickFreq")->isEnabled());
        QVERIFY(!check("chkGrid")->isChecked() && !box("txtGridFreq")->isEnabled());
        QVERIFY(!check("chkDer1")->isChecked() && !check("chkDer2")->isChecked() && !check("chkInt")->isChecked());
        QVERIFY(!check("chkNumbers")->isChecked()); // the drawing as the text describes it
        const QList<QPair<const char *, QString>> captions { { "chkTick", QStringLiteral("&Tickmarks") },
            { "chkNumbers", QStringLiteral("&Numbered axes") },
            { "chkGrid", QStringLiteral("&Gridlines") },
            { "chkDer1", QStringLiteral("&First derivative") },
            { "chkDer2", QStringLiteral("&Second derivative") },
            { "chkInt", QStringLiteral("&Integral") } };
        for (const auto &[name, caption] : captions) {
            QCOMPARE(check(name)->text(), caption);
        }
        auto *graph = child<QPushButton>(dialog.get(), QStringLiteral("btnGraph"));
        QCOMPARE(graph->text(), QStringLiteral("Graph"));
        QCOMPARE(graph->toolTip(), QStringLiteral("Plot function"));
        QCOMPARE(child<QPushButton>(dialog.get(), QStringLiteral("btnCancel"))->text(), QStringLiteral("Cancel"));
        auto *bar = child<QScrollBar>(dialog.get(), QStringLiteral("ScrPercent"));
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QVERIFY(hasLabel("Graph quality (1-100%):") && hasLabel("Minimum 'x' value:") && hasLabel("Maximum 'y' value:")
            && hasLabel("Function:")
            && hasLabel("Please enter the parameters of the graph to be created from the function below"));
    }

    void theCheckBoxesComeFromTheSettings()
    {
        state->graph.GraphTicks = false;
        state->graph.GraphGrid = true;
        state->graph.GraphDer2 = true;
        state->graph.axisNumbers = true;
        open(OfferedParameters(state->graph));
        QVERIFY(check("chkNumbers")->isChecked());
        QVERIFY(!check("chkTick")->isChecked() && !box("txtTickFreq")->isEnabled());
        QVERIFY(check("chkGrid")->isChecked() && box("txtGridFreq")->isEnabled());
        QVERIFY(check("chkDer2")->isChecked());
    }

    void tickAndGridEnableTheirSpacingBoxes()
    {
        check("chkTick")->click();
        QVERIFY(!box("txtTickFreq")->isEnabled());
        check("chkGrid")->click();
        QVERIFY(box("txtGridFreq")->isEnabled());
        check("chkTick")->click();
        QVERIFY(box("txtTickFreq")->isEnabled());
    }

    void theQualityBarShowsItsValue()
    {
        auto *bar = child<QScrollBar>(dialog.get(), QStringLiteral("ScrPercent"));
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(text("txtPercentQuality"), QStringLiteral("1%"));
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(text("txtPercentQuality"), QString::number(bar->value()) + QLatin1Char('%'));
    }

    void opensReadyForTheUser_data() { platform::testing::addFontSizeRows(); }
    void opensReadyForTheUser()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        open(OfferedParameters(state->graph)); // made afresh, in that font
        QVERIFY(showActive(dialog.get()));
        expectNoFaults(platform::testing::clippedTexts(dialog.get()));
        expectNoFaults(platform::testing::keyboardFaults(dialog.get()));
        expectNoFaults(platform::testing::unnamedControls(dialog.get()));
        QCOMPARE(box("txtXMin")->accessibleName(), QStringLiteral("Minimum 'x' value"));
        QVERIFY(box("txtXMin")->hasFocus());
    }

    void theQualityIsSetFromTheKeyboard()
    {
        QVERIFY(showActive(dialog.get()));
        auto *bar = child<QScrollBar>(dialog.get(), QStringLiteral("ScrPercent"));
        for (int presses = 0; presses < 10 && !bar->hasFocus(); ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(bar->hasFocus());
        const QImage focused = bar->grab().toImage();
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(text("txtPercentQuality"), QStringLiteral("99%"));
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(text("txtPercentQuality"), QStringLiteral("1%"));
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(text("txtPercentQuality"), QStringLiteral("2%"));
        // The focus shows on the bar: it looks otherwise once the focus has moved on.
        QTest::keyClick(bar, Qt::Key_End);
        QTest::keyClick(bar, Qt::Key_Tab);
        QVERIFY(!bar->hasFocus());
        QVERIFY(bar->grab().toImage() != focused);
    }

    void theWindowBoxesSelectTheirTextOnFocus()
    {
        QVERIFY(showActive(dialog.get()));
        box("txtYMin")->setFocus();
        settle();
        QCOMPARE(box("txtYMin")->selectedText(), QStringLiteral("-100"));
    }

    void refusedEntriesAreToldAndKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus");
        const QString xRange = QStringLiteral("The minimum 'x' value must be smaller than the maximum 'x' value.");
        const QString yRange = QStringLiteral("The minimum 'y' value must be smaller than the maximum 'y' value.");
        QTest::newRow("text") << "txtXMax"
                              << "1O" << QStringList { inputError(parameters) } << "txtXMax";
        QTest::newRow("division by zero")
            << "txtYMin"
            << "3/0" << QStringList { QStringLiteral("There has been a division by zero."), inputError(parameters) }
            << "txtYMin";
        QTest::newRow("x equal") << "txtXMin"
                                 << "100" << QStringList { xRange } << "txtXMax";
        QTest::newRow("y greater") << "txtYMin"
                                   << "1E3" << QStringList { yRange } << "txtYMax";
        QTest::newRow("tick zero") << "txtTickFreq"
                                   << "0"
                                   << QStringList { QStringLiteral(
                                          "The tickmark frequency must be greater than zero.") }
                                   << "txtTickFreq";
    }

    void refusedEntriesAreToldAndKeepTheDialogOpen()
    {
        QFETCH(QString, name);
        QFETCH(QString, entry);
        QFETCH(QStringList, messages);
        QFETCH(QString, focus);
        QVERIFY(showActive(dialog.get()));
        box(name)->setText(entry);
        click("btnGraph");
        QCOMPARE(shownTexts(fakes->messages), messages);
        const platform::Message &last = fakes->messages.shown.last();
        QCOMPARE(last.title, QStringLiteral("Input Error"));
        QCOMPARE(last.icon,
            messages.size() == 1 && !messages[0].startsWith(QLatin1String(parameters)) ? MessageIcon::Critical
                                                                                       : MessageIcon::Exclamation);
        QVERIFY(box(focus)->hasFocus());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!state->graph.GraphRemembered);
    }

    void anEmptyEnabledGridBoxReadsAsZeroAndIsRefused()
    {
        check("chkGrid")->click();
        box("txtGridFreq")->clear();
        box("txtXMin")->clear();
        click("btnGraph");
        QCOMPARE(text("txtGridFreq"), QStringLiteral("0"));
        QCOMPARE(text("txtXMin"), QStringLiteral("0"));
        QCOMPARE(shownTexts(fakes->messages),
            QStringList { QStringLiteral("The gridline frequency must be greater than zero.") });
    }

    void graphStoresTheSettingsAndCloses()
    {
        state->graph.GraphZoomed = true;
        box("txtXMin")->setText(QStringLiteral("-1/3"));
        box("txtYMax")->setText(QStringLiteral("2.5E1"));
        check("chkTick")->click(); // off: whatever its box holds is ignored
        box("txtTickFreq")->setText(QStringLiteral("nonsense"));
        check("chkInt")->click();
        check("chkNumbers")->click();
        child<QScrollBar>(dialog.get(), QStringLiteral("ScrPercent"))->setValue(40);
        click("btnGraph");
        QVERIFY(fakes->messages.shown.isEmpty());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const auto &graph = state->graph;
        QCOMPARE(graph.GraphXMin, -0.333333333333333);
        QCOMPARE(graph.GraphYMax, 25.0);
        QCOMPARE(graph.GraphQuality, 40);
        QVERIFY(!graph.GraphTicks && graph.GraphInt && !graph.GraphDer1 && graph.axisNumbers);
        QCOMPARE(graph.GraphTickFreq, 5.0); // kept
        QCOMPARE(graph.remembered.xMin, std::string("-1/3"));
        QCOMPARE(graph.remembered.tickFreq, std::string("nonsense"));
        QVERIFY(graph.GraphRemembered && !graph.GraphZoomed);
    }

    void returnGraphsFromEveryControlAndEscapeCancels()
    {
        QVERIFY(showActive(dialog.get()));
        for (const char *name : { "txtXMin", "txtYMax", "txtTickFreq", "chkTick", "ScrPercent" }) {
            open(OfferedParameters(state->graph));
            QVERIFY(showActive(dialog.get()));
            auto *control = child<QWidget>(dialog.get(), QLatin1String(name));
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Return);
            QVERIFY2(dialog->result() == QDialog::Accepted && !dialog->isVisible(), name);
        }
        open(OfferedParameters(state->graph));
        QVERIFY(showActive(dialog.get()));
        child<QPushButton>(dialog.get(), QStringLiteral("btnCancel"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Return presses the focused button
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        open(OfferedParameters(state->graph));
        QVERIFY(showActive(dialog.get()));
        box("txtXMax")->setText(QStringLiteral("-200"));
        QTest::keyClick(box("txtXMin"), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(state->graph.remembered.xMax, std::string("100")); // nothing stored
    }

    void cancelStoresNothing()
    {
        box("txtXMin")->setText(QStringLiteral("-5"));
        click("btnCancel");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!state->graph.GraphRemembered);
        QCOMPARE(state->graph.GraphXMin, 0.0);
    }

private:
    static constexpr const char *parameters = "There is an input error in the given graph parameters.";

    void open(const ParameterEntries &entries)
    {
        dialog = std::make_unique<FrmGraphParameters>(state->graph, fakes->messages, function, entries);
        dialog->show();
    }
    QLineEdit *box(const QString &name) const { return child<QLineEdit>(dialog.get(), name); }
    QLineEdit *box(const char *name) const { return box(QLatin1String(name)); }
    QString text(const char *name) const { return box(name)->text(); }
    QCheckBox *check(const char *name) const { return child<QCheckBox>(dialog.get(), QLatin1String(name)); }
    void click(const char *name) { child<QPushButton>(dialog.get(), QLatin1String(name))->click(); }
    bool hasLabel(const char *caption) const
    {
        const auto labels = dialog->findChildren<QLabel *>();
        return std::any_of(labels.begin(), labels.end(), [caption](const QLabel *label) {
            return label->text() == QLatin1String(caption);
        });
    }

    std::unique_ptr<FrmGraphParameters> dialog;
};

KOVALIN_WINDOW_TEST_MAIN(FrmGraphParametersTest)
#include "frm_graph_parameters_test.moc"
