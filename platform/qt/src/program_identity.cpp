#include "platform/program_identity.h"

#include <QApplication>
#include <QIcon>

namespace platform
{

void identifyProgram(const QString &applicationName, const QString &desktopId)
{
    QApplication::setApplicationName(applicationName);
    QApplication::setApplicationVersion(QStringLiteral(KOVALIN_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Kovalin"));
    QGuiApplication::setDesktopFileName(desktopId);
    // The program's installed theme icon (named as its desktop entry) when there is one; the copy built into
    // the program otherwise ("org.kovalin.Dunmora" is dunmora-<size>.png).
    QIcon icon = QIcon::fromTheme(desktopId);
    if (icon.isNull()) {
        const QString base = desktopId.section(QLatin1Char('.'), -1).toLower();
        for (const int size : { 16, 32, 48, 64, 128, 256 }) {
            icon.addFile(QStringLiteral(":/kovalin/icons/%1-%2.png").arg(base).arg(size), QSize(size, size));
        }
    }
    QApplication::setWindowIcon(icon);
}

} // namespace platform
