// VT_Hovanta: the quartic equation solver. Closing its one window ends the program.

#include "platform/clipboard.h"
#include "platform/message_service.h"
#include "platform/shell.h"
#include "quartic/quartic_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::QtMessageService messages;
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    quartic::QuarticWindow window(messages, clipboard, shell);
    window.show();
    return QApplication::exec();
}
