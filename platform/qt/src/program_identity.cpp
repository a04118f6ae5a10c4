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
    // The installed theme icon when there is one; the copy built into the program otherwise.
    QIcon icon = QIcon::fromTheme(QStringLiteral("org.kovalin.Kovalin"));
    if (icon.isNull()) {
        for (const int size : { 16, 32, 48, 64, 128, 256 }) {
            icon.addFile(QStringLiteral(":/kovalin/icons/kovalin-%1.png").arg(size), QSize(size, size));
        }
    }
    QApplication::setWindowIcon(icon);
}

} // namespace platform
