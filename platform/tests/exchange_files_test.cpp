#include "platform/exchange_files.h"

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
        root = fs::temp_directory_path()
            / ("kovalin-platform-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
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
    EXPECT_EQ(platform::openExchangeFile(root / "TEMP_ZERO.OUT", platform::FileMode::Write), nullptr);
    EXPECT_EQ(platform::openExchangeFile(root / "TEMP_ZERO.OUT", platform::FileMode::Read), nullptr);
    std::ifstream in(target);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "keep me");
}
#endif

TEST_F(ExchangeFilesTest, AWrittenFileIsTruncatedAndReadBack)
{
    const fs::path file = root / "TEMP_ZERO.DAT";
    std::ofstream(file) << "old content that is longer";
    std::FILE *out = platform::openExchangeFile(file, platform::FileMode::Write);
    ASSERT_NE(out, nullptr);
    std::fputs("S\n", out);
    std::fclose(out);
    std::FILE *in = platform::openExchangeFile(file, platform::FileMode::Read);
    ASSERT_NE(in, nullptr);
    char line[64] = {};
    ASSERT_NE(std::fgets(line, sizeof line, in), nullptr);
    EXPECT_STREQ(line, "S\n");
    EXPECT_EQ(std::fgets(line, sizeof line, in), nullptr);
    std::fclose(in);
}

TEST_F(ExchangeFilesTest, AWholeTextReplacesTheOldContentAndReadsBackWithinItsLimit)
{
    const fs::path file = root / "TEMP_ZERO.OUT";
    std::ofstream(file) << std::string(20000, 'x');
    const std::string answer = " 1 0\r\n 2 0\r\n";
    ASSERT_TRUE(platform::writeExchangeFile(file, answer));
    std::string read = "kept ";
    ASSERT_TRUE(platform::readExchangeFile(file, read, 64));
    EXPECT_EQ(read, "kept " + answer);

    // Larger than the limit: refused, also when the file is larger than one read.
    ASSERT_TRUE(platform::writeExchangeFile(file, std::string(30000, 'y')));
    std::string tooLong;
    EXPECT_FALSE(platform::readExchangeFile(file, tooLong, 29999));
    std::string whole;
    EXPECT_TRUE(platform::readExchangeFile(file, whole, 30000));
    EXPECT_EQ(whole, std::string(30000, 'y'));

    std::string missing;
    EXPECT_FALSE(platform::readExchangeFile(root / "TEMP_ZERO.DAT", missing, 64));
}

} // namespace
