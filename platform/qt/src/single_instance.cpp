#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace platform
{

SingleInstance::SingleInstance(const QString &name)
    : m_lock(std::make_unique<QLockFile>(lockPath(name)))
{
    // Never count a lock as stale by age: a live copy may run for days. A lock whose owner has died
    // is recognised by its process id and taken over.
    m_lock->setStaleLockTime(0);
}

QString SingleInstance::lockPath(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir + QLatin1Char('/') + name + QStringLiteral(".lock");
}

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}

} // namespace platform
