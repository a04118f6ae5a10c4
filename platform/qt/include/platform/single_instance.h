#pragma once
// "Only one copy of the program runs": a per-user lock file that a crashed copy cannot leave stuck, and a
// local socket beside it through which a second launch asks the running copy to show its window.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace platform
{

/// How a start went.
enum class InstanceStart {
    Only, ///< this is the only copy: it holds the lock and listens for later launches
    Shown, ///< another copy runs and was asked to show its window: this one ends
    FolderMissing, ///< the folder for the lock does not exist (or cannot be reached)
    FolderNotFolder, ///< the path of that folder is a file
    FolderNotWritable, ///< the lock cannot be created in that folder
    LockIsFolder, ///< a folder stands where the lock file belongs
    LockInUse, ///< a live process holds the lock but does not answer, or the lock cannot be removed
};

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    /// `name` identifies the program; its lock and socket live in `folder`.
    explicit SingleInstance(const QString &name, const QString &folder = runtimeFolder());
    ~SingleInstance() override;

    /// The user's runtime folder (temporary, private to the user), else the temporary folder.
    static QString runtimeFolder();
    QString folder() const { return m_folder; }
    QString lockPath() const;
    QString socketPath() const;

    /// Takes the lock, taking over one whose owner is not running; or, when a running copy holds it, asks
    /// that copy to show itself. Says why when neither can be done.
    InstanceStart start();

Q_SIGNALS:
    /// A later launch asked this copy to show its window.
    void showRequested();

private:
    InstanceStart takeLock();
    bool askRunningCopyToShow() const;
    InstanceStart folderFault() const;
    void listen();
    void answer();

    QString m_name;
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace platform
