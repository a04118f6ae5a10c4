#include "platform/single_instance.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace
{

class SingleInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    }
    QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, ASecondCopyIsRefusedWhileTheFirstRuns)
{
    platform::SingleInstance first(QStringLiteral("kovalin-test"));
    ASSERT_TRUE(first.acquire());
    platform::SingleInstance second(QStringLiteral("kovalin-test"));
    EXPECT_FALSE(second.acquire());
}

TEST_F(SingleInstanceTest, TheLockIsFreeAgainWhenTheFirstCopyEnds)
{
    {
        platform::SingleInstance first(QStringLiteral("kovalin-test"));
        ASSERT_TRUE(first.acquire());
    }
    platform::SingleInstance next(QStringLiteral("kovalin-test"));
    EXPECT_TRUE(next.acquire());
}

#ifndef _WIN32
TEST_F(SingleInstanceTest, AStaleLockLeftByACrashedCopyDoesNotLockTheUserOut)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The "crashed" copy: takes the lock and dies without releasing it.
        auto *leaked = new platform::SingleInstance(QStringLiteral("kovalin-test"));
        ::_exit(leaked->acquire() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(platform::SingleInstance::lockPath(QStringLiteral("kovalin-test"))));

    platform::SingleInstance next(QStringLiteral("kovalin-test"));
    EXPECT_TRUE(next.acquire());
}
#endif

} // namespace
