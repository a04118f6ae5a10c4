#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace platform
{

void QtClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::setImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

} // namespace platform
