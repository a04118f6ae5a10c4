#pragma once
// Every message box of the programs goes through this service, so tests can record and answer them.

#include <QString>

class QMessageBox;
class QWidget;

namespace platform
{

enum class MessageIcon { Critical, Question, Exclamation, Information, None };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;

    friend bool operator==(const Message &, const Message &) = default;
};

class MessageService
{
public:
    virtual ~MessageService() = default;
    /// Shows the message modally over `owner` and returns the button pressed.
    virtual Answer show(const Message &message, QWidget *owner) = 0;
};

/// The real message boxes (QMessageBox).
class QtMessageService final : public MessageService
{
public:
    Answer show(const Message &message, QWidget *owner) override;
    /// The box `show` runs, not yet shown (the documentation's pictures use it too).
    static QMessageBox *makeBox(const Message &message, QWidget *owner);
};

} // namespace platform
