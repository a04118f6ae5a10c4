#pragma once
// Shared pieces of the analysis tools' window tests: the current equation as the main window leaves it
// after its check, clicks and look-ups, and the exact texts of the common messages.

#include "frontend/core/state.h"
#include "frontend/core/testing/equations.h"
#include "platform/testing/dialog_checks.h"
#include "platform/testing/window_test.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

/// The tools' window tests work on the run's state, as the main window leaves it.
using WindowTest = platform::testing::WindowTestWith<frontend::core::KovalinState>;

namespace analysis_test
{

using platform::testing::expectNoFaults;

using frontend::core::CoefficientTexts;
using frontend::core::testing::equationOf;

/// The state after the main window checked typed coefficients (power order: constant first).
inline void setReal(frontend::core::KovalinState &state, std::vector<std::string> texts, std::size_t decimals = 15)
{
    frontend::core::startProgramEntry(
        state, frontend::core::CoefKind::Real, static_cast<int>(texts.size()) - 1, decimals);
    state.equation = equationOf(CoefficientTexts::real(std::move(texts)));
}

inline void setComplex(frontend::core::KovalinState &state, std::vector<std::string> re, std::vector<std::string> im)
{
    frontend::core::startProgramEntry(state, frontend::core::CoefKind::Complex, static_cast<int>(re.size()) - 1, 15);
    state.equation = equationOf(CoefficientTexts::complexPairs(std::move(re), std::move(im)));
}

inline QLineEdit *box(const QObject *window, const char *name)
{
    return child<QLineEdit>(window, QLatin1String(name));
}

inline QString text(const QObject *window, const char *name)
{
    return box(window, name)->text();
}

inline void click(const QObject *window, const char *name)
{
    QPushButton *button = child<QPushButton>(window, QLatin1String(name));
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

/// A tool's dialog for the state's equation, shown with the text the main window hands over: `prefix` and the
/// equation's one-line text.
template <typename Window>
std::unique_ptr<Window> openTool(const frontend::core::KovalinState &state,
    platform::Services services,
    const QString &prefix,
    void (Window::*fill)(const QString &))
{
    auto window = std::make_unique<Window>(state.equation, state.decimals(), services);
    (window.get()->*fill)(prefix + QString::fromStdString(state.equation.text));
    if (!showActive(window.get())) {
        qWarning("the tool's window did not become active");
    }
    settle();
    return window;
}

/// Presses `button` of `window`; `look` notes what the modal window it opened showed, then `act` may use that
/// window.
template <typename Shown>
Shown pressAndLook(platform::testing::FakeModalRunner &modal,
    const QWidget *window,
    const char *button,
    const std::function<Shown(QDialog &)> &look,
    const std::function<void(QDialog &)> &act = {})
{
    Shown shown;
    modal.onRun = [&](QDialog &opened) {
        shown = look(opened);
        if (act) {
            act(opened);
        }
    };
    click(window, button);
    return shown;
}

/// Presses Return in `box` of `window` (the focus there first); `look` notes what the modal window the main
/// action opened showed.
template <typename Shown>
Shown returnAndLook(platform::testing::FakeModalRunner &modal,
    const QWidget *window,
    const char *box,
    const std::function<Shown(QDialog &)> &look)
{
    Shown shown;
    modal.onRun = [&](QDialog &opened) {
        shown = look(opened);
    };
    QLineEdit *focused = analysis_test::box(window, box);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Return);
    return shown;
}

/// Escape, pressed wherever the focus is, cancels the dialog.
inline void expectEscapeCancels(QDialog &dialog)
{
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &dialog);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

/// Columns of a table of refusals of two boxes: their texts, the messages in order, whether the last one has
/// the critical icon (else the exclamation) and the box to correct.
inline void refusalColumns()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("focus");
}

/// After a refused action: the messages in order, the last one an input error with its icon, the focus on the
/// box to correct, and no window opened.
inline void checkRefused(const platform::testing::FakeServices &fakes,
    const QWidget *window,
    const QStringList &messages,
    bool critical,
    const QString &focus)
{
    QCOMPARE(shownTexts(fakes.messages), messages);
    QCOMPARE(fakes.messages.shown.last().title, QStringLiteral("Input Error"));
    QCOMPARE(fakes.messages.shown.last().icon,
        critical ? platform::MessageIcon::Critical : platform::MessageIcon::Exclamation);
    QVERIFY(box(window, qPrintable(focus))->hasFocus());
    QVERIFY(fakes.modal.shownWindows.isEmpty());
}

/// Every text of the window shows whole at its present size.
inline void expectWhole(const QWidget *window)
{
    expectNoFaults(platform::testing::clippedTexts(window));
}

/// The window, just opened and active, has the focus in its first input and a natural Tab round.
inline void expectNaturalKeyboard(QWidget *window)
{
    expectNoFaults(platform::testing::keyboardFaults(window));
}

/// Makes a window that the modal runner opened the active one, as it is for the user.
inline bool activate(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitFor([&window] {
        return QApplication::activeWindow() == &window;
    });
}

/// A window as its user meets it, at the application's present font: every text whole, the focus in its
/// first input and a natural Tab round.
inline void expectReadyForTheUser(QWidget &window)
{
    QVERIFY(activate(window));
    expectWhole(&window);
    expectNaturalKeyboard(&window);
    expectNoFaults(platform::testing::unnamedControls(&window));
}

/// The common input-error text with its own first line.
inline QString inputError(const QString &first)
{
    return first
        + QStringLiteral("\nPlease verify that all of the data entered is numerical.\n\n"
                         "There are three valid numerical input formats:\n"
                         "\t- Decimal (123.45678)\n"
                         "\t- Fractional (123/456.78)\n"
                         "\t- Exponential (12.345678E-5)");
}

inline const QString divisionByZero = QStringLiteral("There has been a division by zero.");
inline const QString overflow =
    QStringLiteral("The input provided generated an overflow.\nPlease provide smaller input values.");

} // namespace analysis_test
