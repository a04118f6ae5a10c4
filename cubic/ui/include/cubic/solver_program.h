#pragma once
// The whole of a solver program: its one window over the desktop's services. Closing the window ends
// the program; nothing is kept.

#include "platform/clipboard.h"
#include "platform/message_service.h"
#include "platform/program_identity.h"
#include "platform/shell.h"
#include "platform/translations.h"

#include <QApplication>

namespace cubic
{

template <class Window>
int RunSolverProgram(int argc, char *argv[], const QString &name, const QString &desktopId)
{
    QApplication application(argc, argv);
    platform::identifyProgram(name, desktopId);
    const platform::Translations translations { QLocale() };
    platform::QtMessageService messages;
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    Window window(messages, clipboard, shell);
    window.show();
    return QApplication::exec();
}

} // namespace cubic
