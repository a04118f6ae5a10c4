#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace
{

using platform::InstanceStart;
using platform::SingleInstance;

const QString kName = QStringLiteral("kovalin-test");

class SingleInstanceTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The running copy answers a later launch through its event loop.
        static int argc = 1;
        static char name[] = "platform_qt_tests";
        static char *argv[] = { name, nullptr };
        static QCoreApplication application(argc, argv);
    }
    void SetUp() override { ASSERT_TRUE(runtime.isValid()); }

    QString folder() const { return runtime.path(); }
    QString lockPath() const { return SingleInstance(kName, folder()).lockPath(); }
    void writeLock(const QByteArray &bytes) const
    {
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    /// Runs the event loop until `done` or a few seconds passed.
    static bool waitFor(const std::function<bool()> &done)
    {
        const QDeadlineTimer deadline(5000);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return done();
    }

    QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, ASecondLaunchAsksTheRunningCopyToShowItselfAndEnds)
{
    SingleInstance first(kName, folder());
    ASSERT_EQ(first.start(), InstanceStart::Only);
    int shows = 0;
    QObject::connect(&first, &SingleInstance::showRequested, &first, [&shows] {
        ++shows;
    });

    SingleInstance second(kName, folder());
    EXPECT_EQ(second.start(), InstanceStart::Shown);
    EXPECT_TRUE(waitFor([&shows] {
        return shows == 1;
    }));
    SingleInstance third(kName, folder());
    EXPECT_EQ(third.start(), InstanceStart::Shown);
    EXPECT_TRUE(waitFor([&shows] {
        return shows == 2;
    }));
}

TEST_F(SingleInstanceTest, TheLockIsFreeAgainWhenTheFirstCopyEnds)
{
    {
        SingleInstance first(kName, folder());
        ASSERT_EQ(first.start(), InstanceStart::Only);
    }
    SingleInstance next(kName, folder());
    EXPECT_EQ(next.start(), InstanceStart::Only);
}

TEST_F(SingleInstanceTest, ALockNobodyHoldsIsTakenOverWhateverItHolds)
{
    // Empty, garbage, and another machine's or program's lock naming a process that runs (process 1):
    // none is held by a live process, so none may keep the user out.
    for (const QByteArray &content : { QByteArray(),
             QByteArray("\x01\xff garbage \n\n\x7f", 15),
             QByteArray("1\nsystemd\nanother-host\n"),
             QByteArray("999999999\nVT_Kovalin\n\n") }) {
        writeLock(content);
        SingleInstance next(kName, folder());
        EXPECT_EQ(next.start(), InstanceStart::Only) << content.toHex().constData();
        QLockFile probe(lockPath());
        EXPECT_FALSE(probe.tryLock(0)) << "the new copy holds the lock";
    }
}

TEST_F(SingleInstanceTest, ALockPathThatIsAFolderIsToldAndLeftAlone)
{
    ASSERT_TRUE(QDir(folder()).mkdir(kName + QStringLiteral(".lock")));
    SingleInstance next(kName, folder());
    EXPECT_EQ(next.start(), InstanceStart::LockIsFolder);
    EXPECT_TRUE(QDir(lockPath()).exists());
}

TEST_F(SingleInstanceTest, AMissingFolderOrAFileInItsPlaceIsTold)
{
    SingleInstance missing(kName, folder() + QStringLiteral("/not-there"));
    EXPECT_EQ(missing.start(), InstanceStart::FolderMissing);

    const QString file = folder() + QStringLiteral("/a-file");
    QFile(file).open(QIODevice::WriteOnly);
    SingleInstance notFolder(kName, file);
    EXPECT_EQ(notFolder.start(), InstanceStart::FolderNotFolder);
}

#ifndef _WIN32
TEST_F(SingleInstanceTest, AStaleLockLeftByACrashedCopyDoesNotLockTheUserOut)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The "crashed" copy: takes the lock and dies without releasing it.
        auto *leaked = new SingleInstance(kName, folder());
        ::_exit(leaked->start() == InstanceStart::Only ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(lockPath()));

    SingleInstance next(kName, folder());
    EXPECT_EQ(next.start(), InstanceStart::Only);
}

TEST_F(SingleInstanceTest, ALiveHolderThatDoesNotAnswerIsTold)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Holds the lock and never listens, like a hung copy or another program.
        QLockFile held(lockPath());
        const char ok = held.tryLock(0) ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    SingleInstance next(kName, folder());
    EXPECT_EQ(next.start(), InstanceStart::LockInUse);
    EXPECT_TRUE(QFile::exists(lockPath()));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(SingleInstanceTest, AFolderTheUserMayNotWriteIsTold)
{
    // Permissions do not bind root: the check runs as an ordinary user then.
    const QString readOnly = folder() + QStringLiteral("/read-only");
    ASSERT_TRUE(QDir().mkdir(readOnly));
    ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0555), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        SingleInstance next(kName, readOnly);
        ::_exit(next.start() == InstanceStart::FolderNotWritable ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

} // namespace
