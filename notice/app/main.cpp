// VT_Pellicor: one message, then the program ends; no event loop runs after it is closed.

#include "notice/notice.h"
#include "platform/program_identity.h"
#include "platform/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::identifyProgram(QStringLiteral("Pellicor"), QStringLiteral("org.kovalin.Pellicor"));
    const platform::Translations translations { QLocale() };
    platform::QtMessageService messages;
    return notice::Form_Load(messages);
}
