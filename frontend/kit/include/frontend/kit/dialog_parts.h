#pragma once
// Named controls every dialog of the suite is built from: each control's object name is its name in the
// window's description, so tests find it with findChild.

#include <QRadioButton>
#include <QString>

#include <initializer_list>

class QBoxLayout;
class QDialog;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace frontend
{

/// The fixed-pitch font of equations, lists, number rows and file views, as large as the program's text.
QFont fixedFont();

QRadioButton *radio(const QString &text, const char *name);
/// Runs `handler` whenever `option` becomes the chosen one: by a click, by the keyboard, or by an accessibility
/// tool's "toggle" action, which checks the button without clicking it.
template <typename Owner>
void onChosen(QRadioButton *option, Owner *owner, void (Owner::*handler)())
{
    QObject::connect(option, &QAbstractButton::toggled, owner, [owner, handler](bool chosen) {
        if (chosen) {
            (owner->*handler)();
        }
    });
}
/// A word-wrapped label.
QLabel *label(const QString &text, const char *name);
/// A label that keeps its text on one line, at the width its text needs: a form row's caption ("Degree of
/// equation:") or a short caption before a box ("x1 = "), which a narrow column cannot break into lines.
QLabel *caption(const QString &text, const char *name);
/// A caption before `control`, which a screen reader then calls by the caption's words.
QLabel *captionFor(const QString &text, const char *name, QWidget *control);
/// A button that Enter presses while it has the focus, as Space does; elsewhere Enter presses the window's
/// default button, if it has one.
QPushButton *button(const QString &text, const char *name, const QString &tip = QString());
/// Makes the button `name` the dialog's main action: Return runs it wherever the focus is, except on another
/// button, which Return presses as Space does. Called once the dialog holds all its buttons.
void setMainAction(QDialog *dialog, const char *name);
QGroupBox *frame(const QString &title, const char *name);
/// A box for a number: selects its whole text on focus, every key let through.
QLineEdit *numberBox(const char *name, const QString &text = QString());
/// A read-only box showing a text the window computed or was handed. A click selects in it, but the Tab key
/// passes it by: the keyboard's way through a window goes through what the user can change or press.
QLineEdit *display(const char *name, bool fixedPitch = false);
/// A display for one number as the program formats it, wide enough for the longest such text
/// ("-1.79769313486231E+308"), so that no digit, sign or exponent is out of sight.
QLineEdit *numberDisplay(const char *name);
/// Puts `text` into a display with its start in sight: a text wider than the box shows its sign and leading
/// digits, not only its tail, where setText alone leaves the view.
void showText(QLineEdit *box, const QString &text);

/// Widgets side by side, in the given order.
QBoxLayout *row(std::initializer_list<QWidget *> widgets);

} // namespace frontend
