#include "platform/message_service.h"

#include <QMessageBox>

#include <memory>

namespace platform
{
namespace
{

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

QMessageBox *QtMessageService::makeBox(const Message &message, QWidget *owner)
{
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    auto *box = new QMessageBox(boxIcon(message.icon),
        message.title,
        message.text,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        owner);
    return box;
}

Answer QtMessageService::show(const Message &message, QWidget *owner)
{
    const std::unique_ptr<QMessageBox> box(makeBox(message, owner));
    const int pressed = box->exec();
    if (message.buttons != MessageButtons::YesNo) {
        return Answer::Ok;
    }
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace platform
