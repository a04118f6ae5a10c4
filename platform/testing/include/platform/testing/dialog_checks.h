#pragma once
// Checks of a window as its user meets it: whether every text shows whole at the window's size, whatever the
// font size, and the path the focus takes through the window with the Tab key.

#include <QFont>
#include <QList>
#include <QStringList>

class QWidget;

namespace platform::testing
{

/// The application's font at `pointSize` points while it lives; windows made meanwhile take it.
class ApplicationFont
{
public:
    explicit ApplicationFont(qreal pointSize);
    /// At the size of the running test's row (column "pointSize", see addFontSizeRows).
    static ApplicationFont ofTestRow();
    ~ApplicationFont();
    ApplicationFont(const ApplicationFont &) = delete;
    ApplicationFont &operator=(const ApplicationFont &) = delete;

private:
    QFont m_saved;
};

/// The font sizes texts are checked at: a desktop's usual size (Debian's GNOME uses 11 points), and one and a
/// half times it for a user who chose larger fonts.
inline constexpr qreal desktopPointSize = 11;
inline constexpr qreal largePointSize = 16.5;

/// The rows of a data-driven test run at both font sizes (column "pointSize").
void addFontSizeRows();

/// The visible texts of `window` that do not show whole at its present size, each named: a label whose text
/// (wrapped where it wraps) needs more room than the label has, a button, check box or option whose text does
/// not fit, a frame whose title does not fit, or any of these cut off by the frame or window around it.
QStringList clippedTexts(const QWidget *window);

/// The controls the focus visits from the one that has it, pressing Tab (real key events) until the focus
/// comes back to where it started.
QList<QWidget *> tabPath();

/// What is unnatural about `path` (a full round of Tab presses) through `window`: each visible, enabled
/// control that takes the focus from the keyboard but is not on the path, and each step that goes against the
/// reading order (down the window, and left to right along a row). Empty when the path is natural.
QStringList unnaturalTabSteps(const QWidget *window, const QList<QWidget *> &path);

/// The first input of `window` in reading order: an enabled control the user gives a value (a text box that
/// is not read-only, a drop-down list, a spin box, a slider or scroll bar); nothing when there is none.
QWidget *firstInput(const QWidget *window);

/// What is wrong with the keyboard's way through `window` as it is now open and active: the focus in a
/// read-only box, not in its first input (a window that begins with option buttons may open on the first of
/// them), or nowhere in the window; each button on the round of Tab presses from there that Enter would not
/// press while it has the focus; and what unnaturalTabSteps finds in that round. Empty when all is well.
QStringList keyboardFaults(QWidget *window);

/// The inputs, lists and result boxes of `window` (text boxes, text views, list and table views, drop-down
/// lists, spin boxes, the window's own scroll bars and buttons that show only a picture) that have no accessible
/// name, so that a screen reader could not say what they are; each described.
QStringList unnamedControls(const QWidget *window);

/// Fails the running test with every fault listed.
void expectNoFaults(const QStringList &faults);

/// A control's name for a report: its object name, else its class and text.
QString describe(const QWidget *control);

} // namespace platform::testing
