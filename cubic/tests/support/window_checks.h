#pragma once
// Helpers for the solver window tests: the texts both solvers share, and how a test reads what a row
// and the caption show.

#include "platform/message_service.h"
#include "platform/testing/dialog_checks.h"
#include "platform/testing/fakes.h"
#include "platform/testing/modal_watchdog.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>

#include <initializer_list>

namespace window_checks
{

inline QStringList list(std::initializer_list<const char *> items)
{
    QStringList texts;
    for (const char *item : items) {
        texts.append(QString::fromUtf8(item));
    }
    return texts;
}

inline const platform::Message kDivisionByZero { QStringLiteral("There has been a division by zero."),
    QStringLiteral("Division by Zero"),
    platform::MessageIcon::Critical,
    platform::MessageButtons::Ok };
inline const platform::Message kClearQuestion {
    QStringLiteral("Are you sure you want to clear the current equation and solutions?"),
    QStringLiteral("Clear Equation?"),
    platform::MessageIcon::Question,
    platform::MessageButtons::YesNo
};
inline const platform::Message kCopied { QStringLiteral(
                                             "The last equation solved and its roots were copied to the Clipboard.\n"
                                             "You may paste this text into any Windows application."),
    QStringLiteral("Equation Copied to Clipboard"),
    platform::MessageIcon::Information,
    platform::MessageButtons::Ok };

inline const QColor kBlue(0, 0, 255);
inline const QColor kRed(255, 0, 0);

/// The colour of both labels of root row `row` (1-based), or an invalid colour when they differ.
inline QColor rowColour(const QWidget &window, int row)
{
    const QString index = QString::number(row);
    const QColor x = window.findChild<QLabel *>(QStringLiteral("lblX") + index)->palette().color(QPalette::WindowText);
    const QColor small =
        window.findChild<QLabel *>(QStringLiteral("Label") + index)->palette().color(QPalette::WindowText);
    return x == small ? x : QColor();
}

inline QColor neutral(const QWidget &window)
{
    return window.palette().color(QPalette::ButtonText);
}

/// The caption as the text writes it: the underlined access key marked with "&" again.
inline QString caption(const QWidget &window)
{
    QTextDocument document;
    document.setHtml(window.findChild<QLabel *>(QStringLiteral("lblDiscriminant"))->text());
    QString shown;
    for (auto fragment = document.begin().begin(); !fragment.atEnd(); ++fragment) {
        const QTextFragment part = fragment.fragment();
        shown += part.charFormat().fontUnderline() ? QLatin1Char('&') + part.text() : part.text();
    }
    return shown;
}

/// A solver window shown over recording services, with a watchdog against real modal windows, and the
/// user's part: typing into the coefficient boxes (`boxNames`, leading first) and pressing Solve.
template <class Window>
class WindowUnderTest
{
public:
    explicit WindowUnderTest(QStringList boxes)
        : boxNames(std::move(boxes))
        , window(services.messages, services.clipboard, services.shell)
    {
        window.show();
        window.activateWindow();
    }

    QLineEdit *box(const QString &name) const { return window.template findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) const { return window.template findChild<QLabel *>(name); }
    QPushButton *button(const QString &name) const { return window.template findChild<QPushButton *>(name); }

    /// The texts of all root rows.
    QStringList roots() const
    {
        QStringList texts;
        for (int row = 1; QLineEdit *shown = box(QStringLiteral("txtX") + QString::number(row)); ++row) {
            texts.append(shown->text());
        }
        return texts;
    }

    /// Types `texts` into the coefficient boxes in order; boxes beyond them are left empty.
    void type(const QStringList &texts)
    {
        for (qsizetype i = 0; i < boxNames.size(); ++i) {
            box(boxNames[i])->setText(texts.value(i));
        }
    }

    void solve(const QStringList &texts)
    {
        type(texts);
        QTest::mouseClick(button(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    }

    const QStringList boxNames;
    platform::testing::FakeServices services;
    Window window;
    platform::testing::ModalWatchdog watchdog;
};

/// A solver window at the font size of the running test's row, as its user meets it: the focus in its first
/// coefficient box and a natural Tab round; after solving `typed`, every text (roots and caption too) whole.
template <class Window>
void expectReadyForTheUser(const QStringList &boxes, const QStringList &typed)
{
    const auto font = platform::testing::ApplicationFont::ofTestRow();
    WindowUnderTest<Window> ui(boxes);
    QVERIFY(QTest::qWaitForWindowActive(&ui.window));
    platform::testing::expectNoFaults(platform::testing::keyboardFaults(&ui.window));
    platform::testing::expectNoFaults(platform::testing::unnamedControls(&ui.window));
    QCOMPARE(ui.box(boxes.front())->accessibleName(), QStringLiteral("Coefficient of x^%1").arg(boxes.size() - 1));
    QCOMPARE(ui.box(QStringLiteral("txtX1"))->accessibleName(), QStringLiteral("Root 1"));
    ui.solve(typed);
    platform::testing::expectNoFaults(platform::testing::clippedTexts(&ui.window));
}

} // namespace window_checks
