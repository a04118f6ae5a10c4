#pragma once
// Named controls every dialog of the suite is built from: each control's object name is its name in the
// window's description, so tests find it with findChild.

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace frontend
{

/// The fixed-pitch font of equations, lists and file views.
QFont fixedFont();

QRadioButton *radio(const QString &text, const char *name);
/// A word-wrapped label.
QLabel *label(const QString &text, const char *name);
/// A label that keeps its text on one line: a short caption before a box ("x1 = ", "Function:").
QLabel *caption(const QString &text, const char *name);
/// A button that is not pressed by Enter unless it is the default one.
QPushButton *button(const QString &text, const char *name, const QString &tip = QString());
QGroupBox *frame(const QString &title, const char *name);
/// A box for a number: selects its whole text on focus, every key let through.
QLineEdit *numberBox(const char *name, const QString &text = QString());
/// A read-only box showing a text the window computed or was handed. A click selects in it, but the Tab key
/// passes it by: the keyboard's way through a window goes through what the user can change or press.
QLineEdit *display(const char *name, bool fixedPitch = false);

/// Widgets side by side, in the given order.
QBoxLayout *row(std::initializer_list<QWidget *> widgets);

} // namespace frontend
