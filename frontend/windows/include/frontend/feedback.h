#pragma once
// Telling the user what a check found, the same way from every window.

#include "frontend/core/equation.h"
#include "frontend/core/notice.h"
#include "frontend/core/number_text.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

namespace platform
{
class MessageService;
}

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
/// As readNumber, with empty text a failure.
core::ReadOutcome readNumberStrict(platform::MessageService &messages, QWidget *owner, const QString &text);

/// A number box selects its whole text when it gets the focus (so typing replaces it) and passes each
/// typed key through the key filter.
void makeNumberBox(QLineEdit *box);

} // namespace frontend
