#pragma once
// Building blocks shared by the analysis tools' windows: named controls, the way an input problem is
// told, the busy cursor of long work, and the guard that turns anything unforeseen into the program's
// unexpected-error message.

#include "platform/message_service.h"
#include "tools/analysis/x_values.h"

#include <QString>

#include <exception>
#include <initializer_list>

class QBoxLayout;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tools::analysis::ui
{

QFont fixedFont();

QGroupBox *frame(const char *name, const QString &title);
QLabel *label(const QString &name, const QString &text);
/// A box for an 'x' value: selects its whole text on focus, every key let through.
QLineEdit *numberBox(const char *name, const QString &text = QString());
/// A read-only box showing a text the window computed or was handed.
QLineEdit *display(const char *name, bool fixedPitch = false);
QPushButton *button(const char *name, const QString &caption, const QString &tip = QString());

/// Widgets side by side, in the given order.
QBoxLayout *row(std::initializer_list<QWidget *> widgets);

/// A check refused a box: the reader's division-by-zero message first when it applies, then the box gets the
/// focus and the check's own message is shown.
void refuse(platform::MessageService &messages,
    QWidget *owner,
    QLineEdit *box,
    const platform::Message &message,
    bool divisionByZero = false);

/// The messages two limits are refused with.
struct LimitsMessages {
    platform::Message input;
    platform::Message secondNotGreater;
    platform::Message sameValues;
};

/// Rewrites the boxes that now read "0", then tells what is wrong with the limits, if anything, with the focus
/// on the box to correct. True when the limits can be used.
bool acceptLimits(platform::MessageService &messages,
    QWidget *owner,
    QLineEdit *first,
    QLineEdit *second,
    const LimitsRequest &request,
    const LimitsMessages &told);

/// Shows the busy cursor while it lives.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

/// "An unexpected error has occured." (the program's own message).
platform::Message unexpectedError();

/// Runs a button's work; anything unforeseen (out of memory, for instance) ends in the unexpected-error
/// message instead of ending the program.
template <typename Work>
void guarded(platform::MessageService &messages, QWidget *owner, Work &&work)
{
    try {
        work();
    } catch (const std::exception &) {
        messages.show(unexpectedError(), owner);
    }
}

} // namespace tools::analysis::ui
