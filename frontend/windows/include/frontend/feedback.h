#pragma once
// Telling the user what a check found, the same way from every window.

#include "frontend/core/notice.h"
#include "frontend/core/number_text.h"

#include <QString>

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

/// Reads a box's text as number text; a division by zero is told at once, as the reader always does.
core::ReadOutcome readNumber(platform::MessageService &messages, QWidget *owner, const QString &text);
/// As readNumber, with empty text a failure.
core::ReadOutcome readNumberStrict(platform::MessageService &messages, QWidget *owner, const QString &text);

/// A number box selects its whole text when it gets the focus (so typing replaces it) and passes each
/// typed key through the key filter.
void makeNumberBox(QLineEdit *box);

} // namespace frontend
