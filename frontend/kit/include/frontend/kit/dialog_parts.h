#pragma once
// Named controls every dialog of the suite is built from: each control's object name is its name in the
// window's description, so tests find it with findChild.

#include <QRadioButton>
#include <QString>

#include <initializer_list>

class QBoxLayout;
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
/// A one-line label for a row of a form ("Degree of equation:"): never wrapped, so a narrow column
/// cannot break it into lines its row has no room for.
QLabel *caption(const QString &text, const char *name);
/// A button that is not pressed by Enter unless it is the default one.
QPushButton *button(const QString &text, const char *name, const QString &tip = QString());
QGroupBox *frame(const QString &title, const char *name);
/// A box for a number: selects its whole text on focus, every key let through.
QLineEdit *numberBox(const char *name, const QString &text = QString());
/// A read-only box showing a text the window computed or was handed.
QLineEdit *display(const char *name, bool fixedPitch = false);

/// Widgets side by side, in the given order.
QBoxLayout *row(std::initializer_list<QWidget *> widgets);

} // namespace frontend
