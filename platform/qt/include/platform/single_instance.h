#pragma once
// "Only one copy of the program runs": a per-user lock file that a crashed copy cannot leave stuck.

#include <QLockFile>
#include <QString>

#include <memory>

namespace platform
{

class SingleInstance
{
public:
    /// `name` identifies the program; the lock lives in the user's runtime directory.
    explicit SingleInstance(const QString &name);
    /// The lock file used for `name` (tests use it to leave a stale lock behind).
    static QString lockPath(const QString &name);
    /// True when this is the only running copy; the lock is held until this object goes away.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
