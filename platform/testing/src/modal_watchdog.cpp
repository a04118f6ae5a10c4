#include "platform/testing/modal_watchdog.h"

#include <QApplication>
#include <QDialog>

namespace platform::testing
{

ModalWatchdog::ModalWatchdog(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start(50);
}

void ModalWatchdog::check()
{
    QWidget *modal = QApplication::activeModalWidget();
    auto *dialog = qobject_cast<QDialog *>(modal);
    // A dialog shown through the fake modal runner is expected; anything else bypassed the services.
    if (!dialog || dialog->property("kovalinTestShown").toBool()) {
        return;
    }
    m_intruders.append(dialog->windowTitle());
    qWarning("unexpected modal window \"%s\": closed by the watchdog", qPrintable(dialog->windowTitle()));
    dialog->reject();
}

} // namespace platform::testing
