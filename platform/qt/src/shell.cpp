#include "platform/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QDir>
#include <QSettings>
#endif

namespace platform
{
namespace
{

#ifdef Q_OS_WIN
QString systemInformationProgram()
{
    const QSettings tool(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QSettings::NativeFormat);
    QString path = tool.value(QStringLiteral("PATH")).toString();
    if (path.isEmpty()) {
        const QSettings location(
            QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"), QSettings::NativeFormat);
        const QString dir = location.value(QStringLiteral("MSINFO")).toString();
        if (!dir.isEmpty()) {
            path = dir + QStringLiteral("\\MSINFO32.EXE");
        }
    }
    return path;
}
#else
// The desktop's system-information tools that Debian packages, most familiar first.
QString systemInformationProgram()
{
    const QStringList candidates { QStringLiteral("gnome-system-monitor"),
        QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),
        QStringLiteral("xfce4-taskmanager") };
    for (const QString &name : candidates) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}
#endif

} // namespace

bool QtShell::openUrl(const QString &url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtShell::startSystemInformation()
{
    const QString program = systemInformationProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace platform
