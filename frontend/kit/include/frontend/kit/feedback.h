#pragma once
// Telling the user what a check found, the same way from every window; the number boxes, the busy cursor
// of long work, and the guard that turns anything unforeseen into the unexpected-error message.

#include "frontend/core/equation.h"
#include "frontend/core/notice.h"
#include "frontend/core/number_text.h"

#include <QString>

#include <exception>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

namespace platform
{
class MessageService;
struct Message;
} // namespace platform

namespace frontend
{

/// Shows each notice's message, in order.
void showNotices(platform::MessageService &messages, QWidget *owner, const core::Notices &notices);

/// Applies what a check of typed boxes found: the empty boxes it filled read "0", its notices are told in
/// order, and the box at fault gets the focus. `box` finds a box (nothing for one that is not there).
void applyBoxCheck(platform::MessageService &messages,
    QWidget *owner,
    const std::vector<core::BoxRef> &filled,
    const core::Notices &notices,
    const std::optional<core::BoxRef> &focus,
    const std::function<QLineEdit *(core::BoxRef)> &box);

/// Reads a box's text as number text; a division by zero is told at once, as the reader always does.
core::ReadOutcome readNumber(platform::MessageService &messages, QWidget *owner, const QString &text);

/// A check refused a box: the reader's division-by-zero message first when it applies, then the box gets the
/// focus and the check's own message is shown.
void refuse(platform::MessageService &messages,
    QWidget *owner,
    QLineEdit *box,
    const platform::Message &message,
    bool divisionByZero = false);

/// A number box selects its whole text when it gets the focus (so typing replaces it) and passes each
/// typed key through the key filter.
void makeNumberBox(QLineEdit *box);

/// Shows the busy cursor while it lives; the cursor shows before the work blocks the event loop.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

/// Tells the unexpected-error message over `owner`.
void tellUnexpected(platform::MessageService &messages, QWidget *owner);

/// Runs a button's work; anything unforeseen (out of memory, for instance) ends in the unexpected-error
/// message instead of ending the program.
template <typename Work>
void guarded(platform::MessageService &messages, QWidget *owner, Work &&work)
{
    try {
        work();
    } catch (const std::exception &) {
        tellUnexpected(messages, owner);
    }
}

} // namespace frontend
