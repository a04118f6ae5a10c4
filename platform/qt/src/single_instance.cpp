#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace platform
{
namespace
{

const QByteArray showRequest = QByteArrayLiteral("show\n");
constexpr int answerWaitMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString &name, const QString &folder)
    : m_name(name)
    , m_folder(folder)
    , m_lock(std::make_unique<QLockFile>(lockPath()))
{
    // Never count a lock as stale by age: a live copy may run for days. A lock whose owner has died is
    // recognised by the owner's lock on the file being gone, and taken over.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_server) {
        m_server->close();
    }
}

QString SingleInstance::runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

QString SingleInstance::lockPath() const
{
    return m_folder + QLatin1Char('/') + m_name + QStringLiteral(".lock");
}

QString SingleInstance::socketPath() const
{
#ifdef Q_OS_WIN
    // A pipe name, not a path: one per user and program.
    return m_name + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#else
    return m_folder + QLatin1Char('/') + m_name + QStringLiteral(".socket");
#endif
}

InstanceStart SingleInstance::start()
{
    if (QFileInfo(lockPath()).isDir()) {
        return InstanceStart::LockIsFolder;
    }
    const InstanceStart outcome = takeLock();
    if (outcome == InstanceStart::Only) {
        listen();
    }
    return outcome;
}

InstanceStart SingleInstance::takeLock()
{
    if (m_lock->tryLock(0)) {
        return InstanceStart::Only;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        return folderFault();
    }
    // The lock is there. A running copy answers; a lock nobody holds any more (its owner crashed, or the
    // file is empty, garbage or another program's) is taken over. QLockFile only removes it when no live
    // process holds the file.
    if (askRunningCopyToShow()) {
        return InstanceStart::Shown;
    }
    if (m_lock->removeStaleLockFile() && m_lock->tryLock(0)) {
        return InstanceStart::Only;
    }
    // A live holder may be a copy starting this very moment, before it listens: give it a few moments.
    for (int attempt = 0; attempt < 10; ++attempt) {
        QThread::msleep(200);
        if (askRunningCopyToShow()) {
            return InstanceStart::Shown;
        }
    }
    if (!QFileInfo(m_folder).isWritable()) {
        return InstanceStart::FolderNotWritable;
    }
    return InstanceStart::LockInUse;
}

bool SingleInstance::askRunningCopyToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(answerWaitMs)) {
        return false;
    }
    socket.write(showRequest);
    const bool sent = socket.waitForBytesWritten(answerWaitMs);
    socket.disconnectFromServer();
    return sent;
}

InstanceStart SingleInstance::folderFault() const
{
    const QFileInfo folder(m_folder);
    if (!folder.exists()) {
        return InstanceStart::FolderMissing;
    }
    if (!folder.isDir()) {
        return InstanceStart::FolderNotFolder;
    }
    return InstanceStart::FolderNotWritable;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed copy is ours to replace: this copy holds the lock.
    if (!m_server->listen(socketPath())) {
        QLocalServer::removeServer(socketPath());
        m_server->listen(socketPath());
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (socket->readAll().contains(showRequest)) {
                Q_EMIT showRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read(); // what came with the connection
    }
}

} // namespace platform
