// Whole-file reads and saves: a read never waits on a pipe and never throws on a read error, and a
// save replaces its file only once all of it is written, so a full disk leaves the old file as it was.

#include "platform/exchange_files.h"
#include "platform/files.h"
#include "platform/test_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <string>

namespace fs = std::filesystem;
using platform::FileOwner;
using platform::ReadFault;

namespace
{

/// Runs `call` and fails the test when it took over a second. A call that would wait for ever on a pipe is
/// interrupted after three seconds (the open then fails with EINTR), so the test fails instead of hanging.
template <class Call>
auto withoutWaiting(Call call)
{
    struct sigaction wake {
    };
    wake.sa_handler = [](int) {};
    struct sigaction before {
    };
    ::sigaction(SIGALRM, &wake, &before);
    ::alarm(3);
    const auto start = std::chrono::steady_clock::now();
    auto result = call();
    const auto took = std::chrono::steady_clock::now() - start;
    ::alarm(0);
    ::sigaction(SIGALRM, &before, nullptr);
    EXPECT_LT(took, std::chrono::seconds(1)) << "the call waited";
    return result;
}

class FilesTest : public ::testing::Test
{
protected:
    void SetUp() override { dir = platform::testing::freshTestFolder("kovalin-platform-files-"); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path write(const std::string &bytes, const std::string &name = "equation.txt")
    {
        return platform::testing::writeBytes(dir / name, bytes);
    }
    fs::path fifo(const std::string &name = "pipe.txt")
    {
        const fs::path path = dir / name;
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    fs::path dir;
};

/// A full disk, as a save meets it: writes beyond `bytes` in any file fail (EFBIG) while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before {};
    void (*m_handler)(int) = nullptr;
};

} // namespace

TEST_F(FilesTest, AFileIsReadWhole)
{
    const std::string bytes = "2\r\n1\r\n-3\r\n2\r\n";
    const auto read = platform::readWholeFile(write(bytes), 1024, FileOwner::User);
    EXPECT_EQ(read.fault, ReadFault::None);
    EXPECT_EQ(read.bytes, bytes);
}

TEST_F(FilesTest, WhatCannotBeReadIsToldWhy)
{
    EXPECT_EQ(platform::readWholeFile(dir / "missing.txt", 1024, FileOwner::User).fault, ReadFault::Missing);
    EXPECT_EQ(platform::readWholeFile(dir, 1024, FileOwner::User).fault, ReadFault::NotAFile);
    EXPECT_EQ(platform::readWholeFile(write("12345"), 4, FileOwner::User).fault, ReadFault::TooLarge);
    EXPECT_EQ(platform::readWholeFile(write("1234"), 4, FileOwner::User).bytes, "1234");
}

TEST_F(FilesTest, AReadErrorIsAnOutcomeNotAnException)
{
    // /proc/self/mem is a regular file whose first page cannot be read (EIO), as a file on failing media.
    const auto read = platform::readWholeFile("/proc/self/mem", 1024, FileOwner::User);
    EXPECT_EQ(read.fault, ReadFault::Unreadable);
    EXPECT_FALSE(read.bytes);
}

TEST_F(FilesTest, AFileThatStatesNoSizeIsStillReadWhole)
{
    const auto read = platform::readWholeFile("/proc/self/status", 1 << 20, FileOwner::User);
    ASSERT_TRUE(read.bytes);
    EXPECT_NE(read.bytes->find("Name:"), std::string::npos);
}

TEST_F(FilesTest, APipeIsRefusedWithoutWaitingForAWriter)
{
    const fs::path pipe = fifo();
    for (const FileOwner owner : { FileOwner::User, FileOwner::Program }) {
        const auto read = withoutWaiting([&] {
            return platform::readWholeFile(pipe, 1024, owner);
        });
        EXPECT_EQ(read.fault, ReadFault::NotAFile);
    }
}

TEST_F(FilesTest, AProgramFileIsNeverReadThroughALink)
{
    const fs::path target = write("secret");
    fs::create_symlink(target, dir / "TEMP_ZERO.OUT");
    EXPECT_EQ(platform::readWholeFile(dir / "TEMP_ZERO.OUT", 1024, FileOwner::Program).fault, ReadFault::NotAFile);
    EXPECT_EQ(platform::readWholeFile(dir / "TEMP_ZERO.OUT", 1024, FileOwner::User).bytes, "secret");
}

TEST_F(FilesTest, ASaveReplacesTheFileAndLeavesNothingElse)
{
    const fs::path path = write("old equation");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(platform::replaceFile(path, "new equation", FileOwner::User));
    EXPECT_EQ(platform::testing::fileBytes(path), "new equation");
    EXPECT_EQ(entries(), 1u);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(platform::replaceFile(dir / "new.txt", "first", FileOwner::User));
    EXPECT_EQ(platform::testing::fileBytes(dir / "new.txt"), "first");
}

TEST_F(FilesTest, ASaveThatCannotBeCompletedLeavesTheOldFileAsItWas)
{
    const fs::path path = write("2\tdegree of equation\r\n1\t* x^2 +\r\n-3\t* x^1 +\r\n2\t= 0\r\n");
    const std::string before = platform::testing::fileBytes(path);
    const std::string longer = "2\tdegree of equation\r\n1\t* x^2 +\r\n-3\t* x^1 +\r\n123456\t= 0\r\n";
    bool saved = true;
    {
        const FileSizeLimit fullDisk(16); // the disk fills after 16 bytes of the new text
        saved = platform::replaceFile(path, longer, FileOwner::User);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(platform::testing::fileBytes(path), before);
    EXPECT_EQ(entries(), 1u); // no temporary file left behind
}

TEST_F(FilesTest, ASaveThroughALinkWritesTheLinkedFile)
{
    const fs::path target = write("old", "target.txt");
    fs::create_symlink(target, dir / "link.txt");
    ASSERT_TRUE(platform::replaceFile(dir / "link.txt", "new", FileOwner::User));
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(platform::testing::fileBytes(target), "new");
}

TEST_F(FilesTest, WhatIsNotARegularFileIsNeverReplaced)
{
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(platform::replaceFile(dir / "folder", "x", FileOwner::User));
    const fs::path pipe = fifo();
    EXPECT_FALSE(withoutWaiting([&] {
        return platform::replaceFile(pipe, "x", FileOwner::User);
    }));
    fs::create_symlink(write("keep", "precious.txt"), dir / "CopyTemp.tmp");
    EXPECT_FALSE(platform::replaceFile(dir / "CopyTemp.tmp", "x", FileOwner::Program));
    EXPECT_EQ(platform::testing::fileBytes(dir / "precious.txt"), "keep");
    EXPECT_TRUE(fs::is_symlink(dir / "CopyTemp.tmp"));
}

TEST_F(FilesTest, AnExchangeFileThatIsAPipeIsRefusedWithoutWaiting)
{
    const fs::path request = fifo("TEMP_ZERO.DAT");
    EXPECT_EQ(withoutWaiting([&] {
        return platform::readWholeFile(request, 100, FileOwner::Program).fault;
    }),
        ReadFault::NotAFile);
    EXPECT_FALSE(withoutWaiting([&] {
        return platform::replaceFile(request, "S\r\n", FileOwner::Program);
    }));
    // Also while somebody holds the pipe open (it would then not even wait): still no regular file.
    const int holder = ::open(request.c_str(), O_RDWR | O_NONBLOCK);
    EXPECT_EQ(platform::readWholeFile(request, 100, FileOwner::Program).fault, ReadFault::NotAFile);
    EXPECT_FALSE(platform::replaceFile(request, "S\r\n", FileOwner::Program));
    EXPECT_EQ(fs::status(request).type(), fs::file_type::fifo);
    ::close(holder);
}
