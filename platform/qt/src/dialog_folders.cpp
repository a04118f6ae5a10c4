#include "platform/dialog_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace platform
{
namespace
{

bool holdsSamples(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(QStringLiteral("Sample.txt"))).isFile();
}

} // namespace

QString samplesFolderBeside(const QString &programFolder)
{
    const QDir program(programFolder);
    for (const QString &candidate : { QStringLiteral("Help"), QStringLiteral("../share/kovalin/Help") }) {
        const QString folder = QDir::cleanPath(program.filePath(candidate));
        if (holdsSamples(folder)) {
            return folder;
        }
    }
    return QString();
}

QString samplesFolder()
{
    const QString beside = samplesFolderBeside(QCoreApplication::applicationDirPath());
    if (!beside.isEmpty()) {
        return beside;
    }
    const QString shared = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("kovalin/Help"), QStandardPaths::LocateDirectory);
    return holdsSamples(shared) ? shared : QString();
}

QString samplePath(const QString &name)
{
    const QString folder = samplesFolder();
    return QDir::toNativeSeparators(folder.isEmpty() ? QStringLiteral("Help/") + name : QDir(folder).filePath(name));
}

DialogFolders::DialogFolders(QString samples)
    : m_samples(std::move(samples))
{
}

QString DialogFolders::openFolder() const
{
    return m_last.isEmpty() ? m_samples : m_last;
}

QString DialogFolders::saveFolder() const
{
    return m_last;
}

void DialogFolders::chosen(const QString &path)
{
    m_last = QFileInfo(path).absolutePath();
}

} // namespace platform
