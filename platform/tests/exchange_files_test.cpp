#include "platform/exchange_files.h"
#include "platform/files.h"
#include "platform/test_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace
{

// Runs each test with its own HOME-like sandbox and a clean environment for the two variables we read.
class ExchangeFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = platform::testing::freshTestFolder("kovalin-platform-");
        saveVariable(platform::exchangeDirVariable, savedExchange);
        saveVariable("XDG_RUNTIME_DIR", savedRuntime);
    }
    void TearDown() override
    {
        restoreVariable(platform::exchangeDirVariable, savedExchange);
        restoreVariable("XDG_RUNTIME_DIR", savedRuntime);
        fs::remove_all(root);
    }
    static void saveVariable(const char *name, std::optional<std::string> &saved)
    {
        if (const char *value = std::getenv(name)) {
            saved = value;
        }
        ::unsetenv(name);
    }
    static void restoreVariable(const char *name, const std::optional<std::string> &saved)
    {
        if (saved) {
            ::setenv(name, saved->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }

    fs::path root;
    std::optional<std::string> savedExchange;
    std::optional<std::string> savedRuntime;
};

TEST_F(ExchangeFilesTest, TheOverrideDirectoryHoldsBothFilesAndIsCreatedWhenAbsent)
{
    const fs::path chosen = root / "nested" / "exchange";
    ::setenv(platform::exchangeDirVariable, chosen.c_str(), 1);
    const auto files = platform::exchangeFiles();
    ASSERT_TRUE(files);
    EXPECT_EQ(files->request, chosen / "TEMP_ZERO.DAT");
    EXPECT_EQ(files->answer, chosen / "TEMP_ZERO.OUT");
    EXPECT_TRUE(fs::is_directory(chosen));
}

#ifndef _WIN32
TEST_F(ExchangeFilesTest, ThePrivateDirectoryIsMadeOwnerOnlyInTheRuntimeDirectory)
{
    ::setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    const auto files = platform::exchangeFiles();
    ASSERT_TRUE(files);
    EXPECT_EQ(files->request.parent_path(), root / "kovalin");
    struct stat st {
    };
    ASSERT_EQ(::lstat((root / "kovalin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(ExchangeFilesTest, APrivateDirectoryThatIsASymbolicLinkIsRefused)
{
    fs::create_directories(root / "elsewhere");
    fs::create_directory_symlink(root / "elsewhere", root / "kovalin");
    ::setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    std::string why;
    EXPECT_FALSE(platform::exchangeFiles(&why));
    EXPECT_NE(why.find("link"), std::string::npos) << why;
}

TEST_F(ExchangeFilesTest, AnExchangeFileThatIsASymbolicLinkIsNotFollowed)
{
    const fs::path target = root / "victim.txt";
    std::ofstream(target) << "keep me";
    fs::create_symlink(target, root / "TEMP_ZERO.OUT");
    EXPECT_FALSE(platform::replaceFile(root / "TEMP_ZERO.OUT", "answer", platform::FileOwner::Program));
    EXPECT_FALSE(platform::readWholeFile(root / "TEMP_ZERO.OUT", 100, platform::FileOwner::Program).bytes);
    std::ifstream in(target);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "keep me");
}
#endif

TEST_F(ExchangeFilesTest, AnAnswerReplacesTheOldOneWholeAndReadsBackWithinItsLimit)
{
    const fs::path file = root / "TEMP_ZERO.OUT";
    std::ofstream(file) << std::string(20000, 'x');
    const std::string answer = " 1 0\r\n 2 0\r\n";
    ASSERT_TRUE(platform::replaceFile(file, answer, platform::FileOwner::Program));
    EXPECT_EQ(platform::readWholeFile(file, 64, platform::FileOwner::Program).bytes, answer);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // Larger than the limit: refused, also when the file is larger than one read.
    const std::string large(100000, 'y');
    ASSERT_TRUE(platform::replaceFile(file, large, platform::FileOwner::Program));
    EXPECT_EQ(platform::readWholeFile(file, large.size() - 1, platform::FileOwner::Program).fault,
        platform::ReadFault::TooLarge);
    EXPECT_EQ(platform::readWholeFile(file, large.size(), platform::FileOwner::Program).bytes, large);
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1); // no temporary left
}

} // namespace
