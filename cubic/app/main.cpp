// VT_Dunmora: the cubic equation solver. Closing its one window ends the program.

#include "cubic/cubic_window.h"
#include "platform/clipboard.h"
#include "platform/message_service.h"
#include "platform/shell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::QtMessageService messages;
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    cubic::CubicWindow window(messages, clipboard, shell);
    window.show();
    return QApplication::exec();
}
